// The pictures and the font compiled into the program. The pictures need no set-up; the font is
// registered by initAssets(), after the QGuiApplication exists, only where the machine lacks it.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace pelora {

// The pictures that are part of the program. BannerDouble is the banner drawn at twice its size
// (800 x 168), for screens whose scale would otherwise enlarge the banner.
enum class Picture { Banner, BannerDouble, BlueBall, YellowBall, Icon };

// A ball scaled when the program was built to a size it is drawn at on the device: exactly the
// image smooth scaling gives at paint time, so that nothing is scaled at start-up. Sizes 50 and 100
// (the footer's swatches at scale 1 and 2); a null image for any other size or picture.
QImage loadReadyBall(Picture ball, int side);
// Every ready size of a ball; none for another picture.
std::vector<QImage> loadReadyBalls(Picture ball);

// Resource path of the bundled font.
inline constexpr char bundledFontFile[] = ":/fonts/OpenSans-Bold.ttf";

// Makes the resources of this static library reachable and registers the bundled font with the
// application's font database. Once the font is registered, calling it again does nothing.
void initAssets();

// A picture, as 32-bit ARGB. The committed PNGs are decoded when the program is built, and the
// image is shown from the program's own read-only bytes: nothing is decoded or copied at
// start-up (decoding the four PNGs took about 4 ms of it). A null image if the bytes are damaged.
QImage loadPicture(Picture picture);

// The family name of the bundled font ("Open Sans"), empty before initAssets() or if the font
// could not be registered.
QString bundledFontFamily();

}  // namespace pelora
