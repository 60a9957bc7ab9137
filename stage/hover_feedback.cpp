#include "hover_feedback.h"

#include "assets/facts/show_facts.h"
#include "stage/show_scene.h"

namespace pelora {

void Rectangle9MouseEnter(ShowScene& scene) {
    scene.Rectangle9().setFillColor(scene.Rectangle6().fillColor());
    scene.Label3().setTextColor(colour::black);
}

void Rectangle9MouseLeave(ShowScene& scene) {
    scene.Rectangle9().setFillColor(scene.Rectangle5().fillColor());
    scene.Label3().setTextColor(colour::white);
}

}  // namespace pelora
