#include "stage/first_frame_text.h"

#include <QGraphicsItem>

#include "stage/label_node.h"
#include "stage/show_scene.h"

namespace pelora {

void prepareFirstFrameText(ShowScene& scene, const QPaintDevice& device) {
    for (QGraphicsItem* item : scene.graphicsScene().items()) {
        auto* label = dynamic_cast<LabelNode*>(item);
        // A hidden label is laid out when it first shows, not for a frame that does not show it.
        if (label != nullptr && label->isVisible()) {
            label->prepareLayout(device);
        }
    }
}

}  // namespace pelora
