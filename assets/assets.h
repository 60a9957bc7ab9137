// The pictures and the font compiled into the program. The pictures need no set-up; the font is
// registered by initAssets(), after the QGuiApplication exists, only where the machine lacks it.
#pragma once

#include <QImage>
#include <QString>

namespace pelora {

// The pictures that are part of the program. BannerDouble is the banner drawn at twice its size
// (800 x 168), for screens whose scale would otherwise enlarge the banner.
enum class Picture { Banner, BannerDouble, BlueBall, YellowBall, Icon };

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
