#include "recording_stage.h"

#include <stdexcept>

namespace pelora::testing {
namespace {
// Tile boxes in the board, as the window lays them out (tile 15 sits one pixel higher).
constexpr std::array<std::array<float, 2>, 28> tileBoxes = {{
    {24, 24},  {168, 24},  {312, 24},  {464, 24},  {608, 24},  {760, 24},  {912, 24},
    {24, 148}, {168, 148}, {312, 148}, {464, 148}, {608, 148}, {760, 148}, {912, 148},
    {24, 275}, {168, 276}, {312, 276}, {464, 276}, {608, 276}, {760, 276}, {912, 276},
    {24, 404}, {168, 404}, {312, 404}, {464, 404}, {608, 404}, {760, 404}, {912, 404},
}};

std::size_t slot(std::int32_t number) {
    if (number < 1 || number > 28) {
        throw std::out_of_range("tile " + std::to_string(number));
    }
    return static_cast<std::size_t>(number - 1);
}
}  // namespace

RecordingStage::RecordingStage() {
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        tiles[i].setX(tileBoxes[i][0]);
        tiles[i].setY(tileBoxes[i][1]);
    }
}

void RecordingStage::setFooterText(const std::string& text) {
    footer = text;
    footerHistory.push_back(text);
}

void RecordingStage::setIndicatorCount(const std::string& text, Colour textColour) {
    indicatorCount = text;
    indicatorCountColour = textColour;
    ++announcements;
}

PointF RecordingStage::tilePosition(std::int32_t number) const {
    const FakeNode& node = tiles[slot(number)];
    return {node.x(), node.y()};
}

void RecordingStage::setRecapRowCount(std::int32_t rows) {
    recap.resize(static_cast<std::size_t>(rows));
}

void RecordingStage::setRecapCell(std::int32_t column, std::int32_t row, const std::string& text) {
    recap.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)) = text;
}

TileLook& RecordingStage::tile(std::int32_t number) {
    return looks_[slot(number)];
}
const TileLook& RecordingStage::tile(std::int32_t number) const {
    return looks_[slot(number)];
}

}  // namespace pelora::testing
