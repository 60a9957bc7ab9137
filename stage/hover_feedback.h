// The hover feedback of the ">>" button: yellow with black text while the pointer is over it, blue
// with white text otherwise. The colours of the swatches are read at each event.
#pragma once

namespace pelora {

class ShowScene;

void Rectangle9MouseEnter(ShowScene& scene);
void Rectangle9MouseLeave(ShowScene& scene);

}  // namespace pelora
