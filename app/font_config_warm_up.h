// Fontconfig reads the machine's font configuration and font list the first time any font is
// used: 6 to 9 ms of start-up on a desktop machine. While Qt connects to the display, which takes
// about as long and mostly waits for the display server, a helper thread has fontconfig read them;
// the event thread waits for it before its first use of a font. The helper touches fontconfig
// only, which is thread-safe, and runs none of the show's own code.
#pragma once

#include <thread>

namespace pelora {

class FontConfigWarmUp {
public:
    // Starts the helper; if no thread can be started, fontconfig reads its configuration later,
    // on the event thread, as it would without this.
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits until fontconfig has read its configuration; later calls return at once.
    void finish();

private:
    std::thread helper_;
};

}  // namespace pelora
