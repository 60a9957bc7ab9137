#include "stage/recap_cell_painter.h"

#include <string>

#include "assets/facts/show_facts.h"
#include "motion/error.h"
#include "stage/argb.h"
#include "stage/fonts.h"
#include "stage/recap_model.h"
#include "stage/show_scene.h"

namespace pelora {
namespace {

constexpr int figuresPixelSize = 30;
constexpr int lastBlueColumn = blueBalls;

struct GroupLook {
    std::uint32_t block;
    std::uint32_t text;
};

// The colours are the scene's, read at each paint: the draw number takes the header bar's red.
GroupLook groupLook(ShowScene& scene, int column) {
    if (column < 0 || column >= RecapModel::columns) {
        throw ShowError("Colonne inexistante dans le tableau récapitulatif : " +
                        std::to_string(column));
    }
    if (column == 0) {
        return {scene.Rectangle3().fillColor(), colour::white};
    }
    if (column <= lastBlueColumn) {
        return {scene.Rectangle5().fillColor(), colour::white};
    }
    return {scene.Rectangle6().fillColor(), colour::black};
}

}  // namespace

QRect recapBlockBounds(const QRect& cell) {
    return cell.adjusted(recapCellPadding, recapCellPadding, -recapCellPadding, -recapCellPadding);
}

void StringGrid1DrawColumnCell(ShowScene& scene, const RecapModel& Sender, QPainter& Canvas,
                               int Column, const QRect& Bounds, int Row) {
    const GroupLook look = groupLook(scene, Column);
    const QString& text = Sender.cell(Column, Row);
    Canvas.save();
    Canvas.setOpacity(1.0);
    Canvas.setFont(showFont(figuresPixelSize));
    Canvas.fillRect(Bounds, argbColor(look.block));
    Canvas.setPen(argbColor(look.text));
    Canvas.drawText(Bounds, Qt::AlignCenter | Qt::TextWordWrap, text);
    Canvas.restore();
}

}  // namespace pelora
