// The first frame's text costs its paint a fontconfig match for each text size (about 0.4 ms
// each) and the shaping of every label's text (about 1 ms in all). Between showing the window and
// its first paint the event thread only waits for the window manager, so both can be done then.
#pragma once

class QPaintDevice;

namespace pelora {

class ShowScene;

// Lays out the text of every visible label for painting on `device`, as its first paint would:
// the fonts' engines are set up on the way, and the labels keep their layouts for that paint.
void prepareFirstFrameText(ShowScene& scene, const QPaintDevice& device);

}  // namespace pelora
