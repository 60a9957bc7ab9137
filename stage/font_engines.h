// Setting up a text size's font engine costs Qt a fontconfig match, about 0.4 ms each: the first
// frame would pay it for every size the scene shows. Between showing the window and its first
// paint the event thread only waits for the window manager, so the engines can be set up then.
#pragma once

class QPaintDevice;

namespace pelora {

class ShowScene;

// Sets up the engine of every label's font for painting on `device`, as its first paint would.
void prepareFontEngines(ShowScene& scene, const QPaintDevice& device);

}  // namespace pelora
