#include "recording_stage.h"

#include <stdexcept>

namespace pelora::testing {
namespace {

std::size_t slot(std::int32_t number) {
    if (number < 1 || number > tileCount) {
        throw std::out_of_range("tile " + std::to_string(number));
    }
    return static_cast<std::size_t>(number - 1);
}
}  // namespace

RecordingStage::RecordingStage() {
    for (const TilePlace& place : tilesInDrawingOrder) {
        FakeNode& node = tiles[slot(place.number)];
        node.setX(place.x);
        node.setY(place.y);
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
