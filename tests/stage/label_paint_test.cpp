// A label keeps its text laid out from one paint to the next; what it paints must stay exactly
// what QPainter::drawText paints for its box, alignment and word wrapping, at every scale and
// position, and after any change to its text, font, box or alignment.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <ostream>
#include <string>

#include "stage/argb.h"
#include "stage/fonts.h"
#include "stage/label_node.h"
#include "stage/scene_render.h"

namespace pelora {
namespace {

struct LabelCase {
    const char* name;
    const char* text;
    TextAlignment alignment;
    int pixelSize;
    QSizeF box;
    QPointF position;
    qreal scale;
    qreal degrees;
};

void PrintTo(const LabelCase& row, std::ostream* out) {
    *out << row.name;
}

constexpr std::uint32_t textColour = 0xFF101080U;

QImage blank(const LabelCase& row) {
    const qreal reach = row.box.width() + row.box.height() + 40.0;
    const int side = static_cast<int>(std::ceil(reach * row.scale));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(row.scale);
    image.fill(Qt::white);
    return image;
}

void place(QPainter& painter, const LabelCase& row) {
    painter.setRenderHints(sceneRenderHints);
    painter.translate(row.position);
    painter.translate(row.box.width() / 2, row.box.height() / 2);
    painter.rotate(row.degrees);
    painter.translate(-row.box.width() / 2, -row.box.height() / 2);
}

void shape(LabelNode& label, const LabelCase& row) {
    label.setText(row.text);
    label.setAlignment(row.alignment);
    label.setFontPixelSize(row.pixelSize);
    label.setTextColor(textColour);
    label.setSize(static_cast<float>(row.box.width()), static_cast<float>(row.box.height()));
}

QImage paintedByTheLabel(LabelNode& label, const LabelCase& row) {
    QImage image = blank(row);
    QPainter painter(&image);
    place(painter, row);
    label.paint(&painter, nullptr, nullptr);
    return image;
}

QImage paintedByDrawText(const LabelCase& row) {
    QImage image = blank(row);
    QPainter painter(&image);
    place(painter, row);
    painter.setFont(showFont(row.pixelSize));
    painter.setPen(argbColor(textColour));
    const int horizontal =
        row.alignment == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(QRectF(QPointF(), row.box), horizontal | Qt::AlignVCenter | Qt::TextWordWrap,
                     QString::fromUtf8(row.text));
    return image;
}

const LabelCase cases[] = {
    {"tile_number", "17", TextAlignment::Centre, 36, {84, 84}, {10.3, 7.6}, 1.0, 0.0},
    {"tile_number_turning", "28", TextAlignment::Centre, 36, {84, 84}, {20.0, 20.0}, 1.0, 33.7},
    {"tile_number_scale_2", "5", TextAlignment::Centre, 36, {84, 84}, {3.25, 9.5}, 2.0, 0.0},
    {"tile_number_scale_1_25", "12", TextAlignment::Centre, 36, {84, 84}, {3.0, 9.0}, 1.25, 12.0},
    {"heading_leading", "numéros bleus", TextAlignment::Leading, 36, {311, 49}, {4, 3}, 1.0, 0.0},
    {"wrapped_in_three_lines",
     "Prochain tirage dans quelques minutes",
     TextAlignment::Centre,
     20,
     {120, 90},
     {5.5, 4.25},
     1.0,
     0.0},
    {"wrapped_leading_scale_1_5",
     "Prochain tirage dans quelques minutes",
     TextAlignment::Leading,
     20,
     {120, 90},
     {5.5, 4.25},
     1.5,
     0.0},
    {"cut_at_the_box",
     "Prochain tirage dans quelques minutes",
     TextAlignment::Centre,
     24,
     {90, 30},
     {6, 6},
     1.0,
     0.0},
    {"wider_than_the_box", "N°123456789", TextAlignment::Centre, 30, {60, 40}, {6, 6}, 1.0, 0.0},
    {"empty", "", TextAlignment::Centre, 36, {84, 84}, {6, 6}, 1.0, 0.0},
};

class LabelPaintTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelPaintTest, PaintsWhatDrawTextPaints) {
    const LabelCase& row = GetParam();
    LabelNode label("Label", nullptr);
    shape(label, row);
    const QImage expected = paintedByDrawText(row);
    EXPECT_EQ(paintedByTheLabel(label, row), expected);
    // Painted again from the layout it kept.
    EXPECT_EQ(paintedByTheLabel(label, row), expected);
    // Laid out ahead, as before the first frame, for the image it is then painted on.
    LabelNode prepared("Label", nullptr);
    shape(prepared, row);
    QImage image = blank(row);
    prepared.prepareLayout(image);
    QPainter painter(&image);
    place(painter, row);
    prepared.paint(&painter, nullptr, nullptr);
    painter.end();
    EXPECT_EQ(image, expected);
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelPaintTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<LabelCase>& row) {
                             return std::string(row.param.name);
                         });

// Each change after a paint: the next paint shows the label as changed, not the layout it kept.
TEST(LabelPaint, FollowsEveryChangeAfterAPaint) {
    LabelCase row{"", "8", TextAlignment::Centre, 36, {84, 84}, {7.5, 7.5}, 1.0, 0.0};
    LabelNode label("Label", nullptr);
    shape(label, row);
    (void)paintedByTheLabel(label, row);

    const auto changes = {
        +[](LabelCase& r) { r.text = "27"; },
        +[](LabelCase& r) { r.pixelSize = 24; },
        +[](LabelCase& r) { r.box = QSizeF(60, 120); },
        +[](LabelCase& r) { r.alignment = TextAlignment::Leading; },
        +[](LabelCase& r) { r.text = "Prochain tirage dans quelques minutes"; },
        +[](LabelCase& r) { r.scale = 2.0; },
    };
    int step = 0;
    for (auto change : changes) {
        change(row);
        shape(label, row);
        EXPECT_EQ(paintedByTheLabel(label, row), paintedByDrawText(row)) << "change " << step;
        ++step;
    }
}

}  // namespace
}  // namespace pelora
