#include "scene_stage.h"

#include "stage/recap_model.h"
#include "stage/recap_table.h"
#include "stage/show_scene.h"

namespace pelora {

SceneStage::SceneStage(ShowScene& scene, RecapModel& recap, RecapTable& recapTable,
                       std::function<void(Colour)> setBackground)
    : scene_(scene),
      recap_(recap),
      recapTable_(recapTable),
      setBackground_(std::move(setBackground)) {}

void SceneStage::setFooterText(const std::string& text) {
    scene_.Label4().setText(text);
}

void SceneStage::setNextDrawButtonVisible(bool visible) {
    scene_.Rectangle9().setVisible(visible);
}

void SceneStage::setNextDrawButtonFill(Colour colour) {
    scene_.Rectangle9().setFillColor(colour);
}

Colour SceneStage::blueSwatch() const {
    return scene_.Rectangle5().fillColor();
}
Colour SceneStage::yellowSwatch() const {
    return scene_.Rectangle6().fillColor();
}
Colour SceneStage::whiteSwatch() const {
    return scene_.Rectangle7().fillColor();
}

void SceneStage::setIndicatorFill(Colour colour) {
    scene_.Rectangle8().setFillColor(colour);
}

void SceneStage::setIndicatorCount(const std::string& text, Colour textColour) {
    scene_.Label1().setText(text);
    scene_.Label1().setTextColor(textColour);
}

void SceneStage::setHeadingText(const std::string& text) {
    scene_.Label28().setText(text);
}

void SceneStage::setIndicatorVisible(bool visible) {
    scene_.Rectangle8().setVisible(visible);
}

void SceneStage::setHeaderWordVisible(bool visible) {
    scene_.Label2().setVisible(visible);
}

PointF SceneStage::boardPosition() const {
    return {scene_.Rectangle2().positionX(), scene_.Rectangle2().positionY()};
}

PointF SceneStage::tilePosition(std::int32_t number) const {
    const RectangleNode& tile = scene_.tile(number);
    return {tile.positionX(), tile.positionY()};
}

void SceneStage::setTileFill(std::int32_t number, Colour colour) {
    scene_.tile(number).setFillColor(colour);
}

void SceneStage::setTileStroke(std::int32_t number, Colour colour) {
    scene_.tile(number).setStrokeColor(colour);
}

void SceneStage::setTileTextColour(std::int32_t number, Colour colour) {
    scene_.tileLabel(number).setTextColor(colour);
}

PropertyObject& SceneStage::ballSprite() {
    return scene_.Rectangle1();
}

PointF SceneStage::ballPosition() const {
    return {scene_.Rectangle1().positionX(), scene_.Rectangle1().positionY()};
}

void SceneStage::setBallX(float x) {
    scene_.Rectangle1().setPositionX(x);
}
void SceneStage::setBallY(float y) {
    scene_.Rectangle1().setPositionY(y);
}

void SceneStage::setBallPicture(BallPicture picture) {
    const ImageNode& source = picture == BallPicture::Blue ? scene_.Image3() : scene_.Image4();
    scene_.Image2().setPicture(source.picture());
}

void SceneStage::setRecapPanelVisible(bool visible) {
    if (visible) {
        recapTable_.build();
    }
    scene_.Rectangle10().setVisible(visible);
}

void SceneStage::setRecapRowHeight(std::int32_t height) {
    recap_.setRowHeight(height);
}

std::int32_t SceneStage::recapRowCount() const {
    return recap_.RowCount();
}

void SceneStage::setRecapRowCount(std::int32_t rows) {
    recap_.setRowCount(rows);
}

void SceneStage::setRecapCell(std::int32_t column, std::int32_t row, const std::string& text) {
    recap_.setCell(column, row, text);
}

}  // namespace pelora
