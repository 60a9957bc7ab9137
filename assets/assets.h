// The pictures and the font compiled into the program. Call initAssets() once, after the
// QGuiApplication exists and before the scene is built.
#pragma once

#include <QImage>
#include <QString>

namespace pelora {

// Resource paths of the pictures and of the bundled font.
inline constexpr char bannerPicture[] = ":/assets/banner.png";
inline constexpr char blueBallPicture[] = ":/assets/ball_blue.png";
inline constexpr char yellowBallPicture[] = ":/assets/ball_yellow.png";
inline constexpr char iconPicture[] = ":/assets/icon.png";
inline constexpr char bundledFontFile[] = ":/fonts/OpenSans-Bold.ttf";

// Makes the resources of this static library reachable and registers the bundled font with the
// application's font database. Once the font is registered, calling it again does nothing.
void initAssets();

// The PNG picture at a resource path, decoded by Qt's own PNG reader; a null image when it cannot
// be read. Left to guess the format, Qt would first load every image-format plugin on the
// machine (the SVG one brings its library along), which costs start-up time and memory.
QImage loadPicture(const char* resourcePath);

// The family name of the bundled font ("Open Sans"), empty before initAssets() or if the font
// could not be registered.
QString bundledFontFamily();

}  // namespace pelora
