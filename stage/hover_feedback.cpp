#include "hover_feedback.h"

#include "stage/show_scene.h"

namespace pelora {

void Rectangle9MouseEnter(ShowScene& scene) {
    scene.Rectangle9().setFillColor(scene.Rectangle6().fillColor());
    scene.Label3().setTextColor(0xFF000000U);
}

void Rectangle9MouseLeave(ShowScene& scene) {
    scene.Rectangle9().setFillColor(scene.Rectangle5().fillColor());
    scene.Label3().setTextColor(0xFFFFFFFFU);
}

}  // namespace pelora
