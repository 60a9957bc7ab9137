// What the draw logic asks of the window: it changes the scene only by setting properties of
// existing elements through this interface. The window implements it over its scene; the tests
// implement it with a recorder.
#pragma once

#include <cstdint>
#include <string>

namespace pelora {

class PropertyObject;

using Colour = std::uint32_t;  // 0xAARRGGBB

struct PointF {
    float x = 0.0F;
    float y = 0.0F;
};

enum class BallPicture { Blue, Yellow };

class DrawStage {
public:
    virtual ~DrawStage() = default;

    // Window and footer
    virtual void setWindowBackground(Colour colour) = 0;
    virtual void setFooterText(const std::string& text) = 0;  // Label4
    virtual void setNextDrawButtonVisible(bool visible) = 0;  // Rectangle9
    virtual void setNextDrawButtonFill(Colour colour) = 0;    // Rectangle9

    // The palette, read at each use
    virtual Colour blueSwatch() const = 0;    // Rectangle5
    virtual Colour yellowSwatch() const = 0;  // Rectangle6
    virtual Colour whiteSwatch() const = 0;   // Rectangle7

    // Header: "Les" [count] heading
    virtual void setIndicatorFill(Colour colour) = 0;                                // Rectangle8
    virtual void setIndicatorCount(const std::string& text, Colour textColour) = 0;  // Label1
    virtual void setHeadingText(const std::string& text) = 0;                        // Label28
    virtual void setIndicatorVisible(bool visible) = 0;   // Rectangle8 with Label1
    virtual void setHeaderWordVisible(bool visible) = 0;  // Label2

    // Board: positions are read at the moment of use
    virtual PointF boardPosition() const = 0;                    // Rectangle2
    virtual PointF tilePosition(std::int32_t number) const = 0;  // n1..n28, in the board
    virtual void setTileFill(std::int32_t number, Colour colour) = 0;
    virtual void setTileStroke(std::int32_t number, Colour colour) = 0;
    virtual void setTileTextColour(std::int32_t number, Colour colour) = 0;  // L1..L28

    // Ball sprite Rectangle1, parent of the two flight animations
    virtual PropertyObject& ballSprite() = 0;
    virtual PointF ballPosition() const = 0;
    virtual void setBallX(float x) = 0;
    virtual void setBallY(float y) = 0;
    virtual void setBallPicture(BallPicture picture) = 0;  // Image2 from Image3/Image4

    // Recap panel Rectangle10 and its table StringGrid1
    virtual void setRecapPanelVisible(bool visible) = 0;
    virtual void setRecapRowHeight(std::int32_t height) = 0;
    virtual std::int32_t recapRowCount() const = 0;
    virtual void setRecapRowCount(std::int32_t rows) = 0;
    virtual void setRecapCell(std::int32_t column, std::int32_t row, const std::string& text) = 0;
};

}  // namespace pelora
