#include "scene_render.h"

#include <cmath>

#include "stage/show_scene.h"

namespace pelora {

QImage renderScene(ShowScene& scene, qreal scale) {
    const QRectF client(0.0, 0.0, clientWidth, clientHeight);
    const QSize pixels(static_cast<int>(std::lround(client.width() * scale)),
                       static_cast<int>(std::lround(client.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(sceneRenderHints);
    scene.graphicsScene().render(&painter, client, client);
    return image;
}

}  // namespace pelora
