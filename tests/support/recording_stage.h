// A stage that keeps what the draw logic asks of the window, so the logic runs and is checked
// without one. Board, panel, sprite and tiles are fake nodes that animations can drive.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "assets/facts/show_facts.h"
#include "draw/stage_requests.h"
#include "support/fake_node.h"

namespace pelora::testing {

struct TileLook {
    Colour fill = 0xFFE0E0E0;
    Colour stroke = colour::black;
    Colour text = colour::black;
};

class RecordingStage final : public DrawStage {
public:
    RecordingStage();

    void setWindowBackground(Colour colour) override { windowBackground = colour; }
    void setFooterText(const std::string& text) override;
    void setNextDrawButtonVisible(bool visible) override { nextDrawButtonVisible = visible; }
    void setNextDrawButtonFill(Colour colour) override { nextDrawButtonFill = colour; }
    Colour blueSwatch() const override { return blue; }
    Colour yellowSwatch() const override { return yellow; }
    Colour whiteSwatch() const override { return white; }
    void setIndicatorFill(Colour colour) override { indicatorFill = colour; }
    // Every launch announces its ball in the header: the count of announcements is the count
    // of launches.
    void setIndicatorCount(const std::string& text, Colour textColour) override;
    void setHeadingText(const std::string& text) override { heading = text; }
    void setIndicatorVisible(bool visible) override { indicatorVisible = visible; }
    void setHeaderWordVisible(bool visible) override { headerWordVisible = visible; }
    PointF boardPosition() const override { return {board.x(), board.y()}; }
    PointF tilePosition(std::int32_t number) const override;
    void setTileFill(std::int32_t number, Colour colour) override { tile(number).fill = colour; }
    void setTileStroke(std::int32_t number, Colour colour) override {
        tile(number).stroke = colour;
    }
    void setTileTextColour(std::int32_t number, Colour colour) override {
        tile(number).text = colour;
    }
    PropertyObject& ballSprite() override { return sprite; }
    PointF ballPosition() const override { return {sprite.x(), sprite.y()}; }
    void setBallX(float x) override { sprite.setX(x); }
    void setBallY(float y) override { sprite.setY(y); }
    void setBallPicture(BallPicture picture) override { ballPicture = picture; }
    void setRecapPanelVisible(bool visible) override { recapPanelVisible = visible; }
    void setRecapRowHeight(std::int32_t height) override { recapRowHeight = height; }
    std::int32_t recapRowCount() const override { return static_cast<std::int32_t>(recap.size()); }
    void setRecapRowCount(std::int32_t rows) override;
    void setRecapCell(std::int32_t column, std::int32_t row, const std::string& text) override;

    TileLook& tile(std::int32_t number);
    const TileLook& tile(std::int32_t number) const;

    // The palette swatches, as the scene description fills them.
    Colour blue = colour::blue;
    Colour yellow = colour::yellow;
    Colour white = colour::white;

    Colour windowBackground = 0;
    std::string footer = "Label4";
    std::vector<std::string> footerHistory;
    bool nextDrawButtonVisible = true;
    Colour nextDrawButtonFill = colour::nextDrawButton;
    Colour indicatorFill = 0xFFE0E0E0;
    std::string indicatorCount = "7";
    Colour indicatorCountColour = colour::black;
    int announcements = 0;
    std::string heading = "numéros bleus";
    bool indicatorVisible = true;
    bool headerWordVisible = true;
    BallPicture ballPicture = BallPicture::Blue;
    bool recapPanelVisible = true;
    std::int32_t recapRowHeight = 0;
    std::vector<std::array<std::string, 13>> recap;

    // Where the scene description puts them; the tiles are placed by the constructor.
    FakeNode board{boardBox.x, boardBox.y};
    FakeNode panel{recapPanelBox.x, recapPanelBox.y};
    FakeNode sprite{ballSpriteBox.x, ballSpriteBox.y};
    std::array<FakeNode, tileCount> tiles;

private:
    std::array<TileLook, tileCount> looks_;
};

}  // namespace pelora::testing
