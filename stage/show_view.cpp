#include "show_view.h"

#include "stage/scene_render.h"
#include "stage/show_scene.h"

namespace pelora {

ShowView::ShowView(ShowScene& scene, QWidget* parent)
    : QGraphicsView(&scene.graphicsScene(), parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHints(sceneRenderHints);
    setSceneRect(0.0, 0.0, clientWidth, clientHeight);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundBrush(QColor(Qt::white));
    setFixedSize(clientWidth, clientHeight);
}

}  // namespace pelora
