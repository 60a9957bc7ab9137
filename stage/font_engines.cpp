#include "stage/font_engines.h"

#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QList>

#include "stage/label_node.h"
#include "stage/show_scene.h"

namespace pelora {

void prepareFontEngines(ShowScene& scene, const QPaintDevice& device) {
    QList<QFont> prepared;
    for (const QGraphicsItem* item : scene.graphicsScene().items()) {
        const auto* label = dynamic_cast<const LabelNode*>(item);
        if (label == nullptr || prepared.contains(label->font())) {
            continue;
        }
        prepared.append(label->font());
        // Metrics for the device load the font as painting on it does: same size, same engine.
        static_cast<void>(QFontMetricsF(label->font(), &device).height());
    }
}

}  // namespace pelora
