// The painting of one cell of the recap table StringGrid1: a block in the colour of the cell's
// column group (draw number, blue numbers, yellow numbers) with its text in large bold figures.
#pragma once

#include <QPainter>
#include <QRect>
#include <cstdint>

namespace pelora {

class RecapModel;
class ShowScene;

// Every column has a padding of 3 on each side: the block is the cell shrunk by it.
inline constexpr int recapCellPadding = 3;

// The block of a cell: its rectangle shrunk by the padding on every side.
QRect recapBlockBounds(const QRect& cell);

// Fills Bounds with the group colour of Column, read now from the scene (header bar, blue swatch,
// yellow swatch), and writes the text of the cell (Column, Row) of Sender centred in it, white on
// the first two groups and black on the yellow one. A selected or focused cell is painted like
// any other, so the cell's state is not taken. Throws ShowError for a column outside 0 to 12.
void StringGrid1DrawColumnCell(ShowScene& scene, const RecapModel& Sender, QPainter& Canvas,
                               int Column, const QRect& Bounds, int Row);

}  // namespace pelora
