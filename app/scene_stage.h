// The draw logic's requests carried out on the window's scene.
#pragma once

#include <functional>

#include "draw/stage_requests.h"

namespace pelora {

class ShowScene;
class RecapModel;
class RecapTable;

class SceneStage final : public DrawStage {
public:
    // The recap table's widget is made when the panel first shows.
    SceneStage(ShowScene& scene, RecapModel& recap, RecapTable& recapTable,
               std::function<void(Colour)> setBackground);

    void setWindowBackground(Colour colour) override { setBackground_(colour); }
    void setFooterText(const std::string& text) override;
    void setNextDrawButtonVisible(bool visible) override;
    void setNextDrawButtonFill(Colour colour) override;
    Colour blueSwatch() const override;
    Colour yellowSwatch() const override;
    Colour whiteSwatch() const override;
    void setIndicatorFill(Colour colour) override;
    void setIndicatorCount(const std::string& text, Colour textColour) override;
    void setHeadingText(const std::string& text) override;
    void setIndicatorVisible(bool visible) override;
    void setHeaderWordVisible(bool visible) override;
    PointF boardPosition() const override;
    PointF tilePosition(std::int32_t number) const override;
    void setTileFill(std::int32_t number, Colour colour) override;
    void setTileStroke(std::int32_t number, Colour colour) override;
    void setTileTextColour(std::int32_t number, Colour colour) override;
    PropertyObject& ballSprite() override;
    PointF ballPosition() const override;
    void setBallX(float x) override;
    void setBallY(float y) override;
    void setBallPicture(BallPicture picture) override;
    void setRecapPanelVisible(bool visible) override;
    void setRecapRowHeight(std::int32_t height) override;
    std::int32_t recapRowCount() const override;
    void setRecapRowCount(std::int32_t rows) override;
    void setRecapCell(std::int32_t column, std::int32_t row, const std::string& text) override;

private:
    ShowScene& scene_;
    RecapModel& recap_;
    RecapTable& recapTable_;
    std::function<void(Colour)> setBackground_;
};

}  // namespace pelora
