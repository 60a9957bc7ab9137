#include "stage/fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <iostream>
#include <string>

#include "draw/publisher.h"

namespace pelora {
namespace {

TEST(Fonts, SegoeUiWhereTheSystemHasItElseOpenSansBold) {
    const QString expected = QFontDatabase::hasFamily(QStringLiteral("Segoe UI"))
                                 ? QStringLiteral("Segoe UI")
                                 : QStringLiteral("Open Sans");
    EXPECT_EQ(showFontFamily(), expected);
    const QFontInfo resolved(showFont(36));
    EXPECT_EQ(resolved.family(), expected);
    EXPECT_TRUE(resolved.bold());
    EXPECT_FALSE(resolved.italic());
    EXPECT_EQ(resolved.pixelSize(), 36);
}

struct MachineFonts {
    const char* name;
    bool segoe;
    bool openSansBold;
    const char* bundled;  // what registering the bundled font gives
    const char* expected;
    bool registers;
};

class FamilyChoice : public ::testing::TestWithParam<MachineFonts> {};

// The bundled font is registered only on a machine that has neither family.
TEST_P(FamilyChoice, TakesTheFirstFamilyTheMachineHas) {
    const MachineFonts& machine = GetParam();
    bool registered = false;
    const QString family = chooseShowFontFamily(
        [&machine](const QString& name) {
            return name == QStringLiteral("Segoe UI")
                       ? machine.segoe
                       : name == QStringLiteral("Open Sans") && machine.openSansBold;
        },
        [&machine, &registered] {
            registered = true;
            return QString::fromLatin1(machine.bundled);
        });
    EXPECT_EQ(family, QString::fromLatin1(machine.expected));
    EXPECT_EQ(registered, machine.registers);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, FamilyChoice,
    ::testing::Values(MachineFonts{"Windows", true, true, "Open Sans", "Segoe UI", false},
                      MachineFonts{"OpenSansInstalled", false, true, "Open Sans", "Open Sans",
                                   false},
                      MachineFonts{"NeitherFamily", false, false, "Open Sans", "Open Sans", true},
                      MachineFonts{"BundledFontDamaged", false, false, "", "Open Sans", true}),
    [](const ::testing::TestParamInfo<MachineFonts>& machine) { return machine.param.name; });

struct FixedText {
    std::string text;
    int pixelSize;
    double boxWidth;
};

void PrintTo(const FixedText& fixed, std::ostream* out) {
    *out << '"' << fixed.text << "\" at " << fixed.pixelSize << " px in " << fixed.boxWidth;
}

class FixedTextFits : public ::testing::TestWithParam<FixedText> {};

// Wrapped into the label's box, the text stays on one line and inside the box's width.
TEST_P(FixedTextFits, OnOneLine) {
    const FixedText& fixed = GetParam();
    const QFontMetricsF metrics(showFont(fixed.pixelSize));
    const QString text = QString::fromStdString(fixed.text);
    const double width = metrics.horizontalAdvance(text);
    const QRectF wrapped =
        metrics.boundingRect(QRectF(0.0, 0.0, fixed.boxWidth, 1000.0), Qt::TextWordWrap, text);
    std::cout << "  \"" << fixed.text << "\" " << fixed.pixelSize << " px: " << width << " of "
              << fixed.boxWidth << '\n';
    EXPECT_LE(width, fixed.boxWidth);
    EXPECT_LE(wrapped.width(), fixed.boxWidth);
    EXPECT_DOUBLE_EQ(wrapped.height(), metrics.height());
}

INSTANTIATE_TEST_SUITE_P(
    ShowTexts, FixedTextFits,
    ::testing::Values(FixedText{"Les", 36, 65.0}, FixedText{"numéros bleus", 36, 311.0},
                      FixedText{"numéros jaunes", 36, 311.0},
                      FixedText{std::string(publisherAddress), 36, 311.0},
                      FixedText{"Récapitulatif des tirages", 36, 1041.0}, FixedText{"7", 36, 40.0},
                      FixedText{"5", 36, 40.0}, FixedText{">>", 20, 50.0},
                      FixedText{"Prochain tirage N°10000 dans 04'50", 24, 785.0},
                      FixedText{"Tirage en cours N°10000", 24, 785.0},
                      FixedText{"Tirage N°10000 terminé", 24, 785.0}, FixedText{"28", 48, 100.0}));

}  // namespace
}  // namespace pelora
