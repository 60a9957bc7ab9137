// Renders the scene offscreen, as the window shows it, for tests and screenshots.
#pragma once

#include <QImage>
#include <QPainter>

namespace pelora {

class ShowScene;

inline constexpr QPainter::RenderHints sceneRenderHints =
    QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform;

// The client area, 1095 x 684 logical pixels, on the window's white fill; at a scale factor the
// image has that many device pixels per logical pixel.
QImage renderScene(ShowScene& scene, qreal scale = 1.0);

}  // namespace pelora
