// The scene of the show window: the fixed tree of nodes (header bar with its indicator, board of
// 28 tiles, ball sprite, footer bar with the ">>" button, palette swatches, hidden recap panel) and
// the 34 float animations that hang in it, built once with every value of the scene description.
// Nodes are reached by their names; nothing is added or removed after the build.
#pragma once

#include <QGraphicsScene>
#include <QImage>
#include <array>
#include <string>
#include <vector>

#include "assets/facts/show_facts.h"
#include "motion/error_boundary.h"
#include "motion/float_animation.h"
#include "stage/button_node.h"
#include "stage/grid_slot.h"
#include "stage/image_node.h"
#include "stage/label_node.h"
#include "stage/rectangle_node.h"

namespace pelora {

class ShowScene {
public:
    ShowScene();
    ~ShowScene();
    ShowScene(const ShowScene&) = delete;
    ShowScene& operator=(const ShowScene&) = delete;

    QGraphicsScene& graphicsScene() { return scene_; }

    RectangleNode& Rectangle1() { return *rectangle1_; }    // ball sprite
    RectangleNode& Rectangle2() { return *rectangle2_; }    // board
    RectangleNode& Rectangle3() { return *rectangle3_; }    // header bar
    RectangleNode& Rectangle4() { return *rectangle4_; }    // footer bar
    RectangleNode& Rectangle5() { return *rectangle5_; }    // blue swatch
    RectangleNode& Rectangle6() { return *rectangle6_; }    // yellow swatch
    RectangleNode& Rectangle7() { return *rectangle7_; }    // white swatch
    RectangleNode& Rectangle8() { return *rectangle8_; }    // header indicator box
    ButtonNode& Rectangle9() { return *rectangle9_; }       // ">>" button
    RectangleNode& Rectangle10() { return *rectangle10_; }  // recap panel

    LabelNode& Label1() { return *label1_; }    // indicator count
    LabelNode& Label2() { return *label2_; }    // "Les"
    LabelNode& Label3() { return *label3_; }    // ">>"
    LabelNode& Label4() { return *label4_; }    // status text in the footer
    LabelNode& Label5() { return *label5_; }    // recap panel title
    LabelNode& Label28() { return *label28_; }  // heading

    ImageNode& Image1() { return *image1_; }  // banner
    ImageNode& Image2() { return *image2_; }  // the ball sprite's picture
    ImageNode& Image3() { return *image3_; }  // blue ball in the footer
    ImageNode& Image4() { return *image4_; }  // yellow ball in the footer

    GridSlot& StringGrid1() { return *stringGrid1_; }  // where the recap table goes

    // Tile nk, its number label Lk and its spin animation, for k = 1..28.
    RectangleNode& tile(int number);
    LabelNode& tileLabel(int number);
    TFloatAnimation& spin(int number);
    // FloatAnimation1 ... FloatAnimation34.
    TFloatAnimation& FloatAnimation(int number);

    // Where the messages of errors thrown by the button's callbacks go.
    void setErrorHandler(ErrorHandler onError) { onError_ = std::move(onError); }

private:
    struct Pictures {
        QImage banner;
        QImage bannerDouble;
        QImage blueBall;
        QImage yellowBall;
        std::vector<QImage> blueBallReady;
        std::vector<QImage> yellowBallReady;
    };

    void buildHeader(const Pictures& pictures);
    void buildFooter(const Pictures& pictures);
    void buildBoard();
    void buildTile(int number, float x, float y);
    void buildBallSprite(const Pictures& pictures);
    void buildPalette();
    void buildRecapPanel();
    void dockWindowChildren();
    void setAnimationsLoading(bool loading);

    QGraphicsScene scene_;
    // Declared after the scene so that they go first: a stopping animation may still write its
    // parent node.
    std::array<TFloatAnimation, animationCount> animations_;
    ErrorHandler onError_;

    RectangleNode* rectangle1_ = nullptr;
    RectangleNode* rectangle2_ = nullptr;
    RectangleNode* rectangle3_ = nullptr;
    RectangleNode* rectangle4_ = nullptr;
    RectangleNode* rectangle5_ = nullptr;
    RectangleNode* rectangle6_ = nullptr;
    RectangleNode* rectangle7_ = nullptr;
    RectangleNode* rectangle8_ = nullptr;
    ButtonNode* rectangle9_ = nullptr;
    RectangleNode* rectangle10_ = nullptr;
    LabelNode* label1_ = nullptr;
    LabelNode* label2_ = nullptr;
    LabelNode* label3_ = nullptr;
    LabelNode* label4_ = nullptr;
    LabelNode* label5_ = nullptr;
    LabelNode* label28_ = nullptr;
    ImageNode* image1_ = nullptr;
    ImageNode* image2_ = nullptr;
    ImageNode* image3_ = nullptr;
    ImageNode* image4_ = nullptr;
    GridSlot* stringGrid1_ = nullptr;
    std::array<RectangleNode*, tileCount> tiles_{};
    std::array<LabelNode*, tileCount> tileLabels_{};
};

}  // namespace pelora
