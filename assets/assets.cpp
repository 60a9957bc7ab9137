#include "assets/assets.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstddef>

#include "assets/embedded_pictures.h"
#include "assets/packed_picture.h"

// Q_INIT_RESOURCE declares a function at namespace scope, so it must be called from outside
// the project's namespace.
static void initResources() {
    Q_INIT_RESOURCE(pelora_fonts);
}

namespace pelora {
namespace {

QString registerBundledFont() {
    initResources();
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(bundledFontFile));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

QImage packed(const unsigned char* begin, const unsigned char* end) {
    return packedPicture(begin, static_cast<std::size_t>(end - begin));
}

QString& registeredFamily() {
    static QString family;
    return family;
}

}  // namespace

void initAssets() {
    if (registeredFamily().isEmpty()) {
        registeredFamily() = registerBundledFont();
    }
}

QImage loadPicture(Picture picture) {
    switch (picture) {
        case Picture::Banner:
            return packed(pelora_banner_picture, pelora_banner_picture_end);
        case Picture::BannerDouble:
            return packed(pelora_banner_2x_picture, pelora_banner_2x_picture_end);
        case Picture::BlueBall:
            return packed(pelora_ball_blue_picture, pelora_ball_blue_picture_end);
        case Picture::YellowBall:
            return packed(pelora_ball_yellow_picture, pelora_ball_yellow_picture_end);
        case Picture::Icon:
            return packed(pelora_icon_picture, pelora_icon_picture_end);
    }
    return {};
}

QImage loadReadyBall(Picture ball, int side) {
    const bool blue = ball == Picture::BlueBall;
    if (!blue && ball != Picture::YellowBall) {
        return {};
    }
    switch (side) {
        case 50:
            return blue ? packed(pelora_ball_blue_50_picture, pelora_ball_blue_50_picture_end)
                        : packed(pelora_ball_yellow_50_picture, pelora_ball_yellow_50_picture_end);
        case 100:
            return blue
                       ? packed(pelora_ball_blue_100_picture, pelora_ball_blue_100_picture_end)
                       : packed(pelora_ball_yellow_100_picture, pelora_ball_yellow_100_picture_end);
        default:
            return {};
    }
}

QString bundledFontFamily() {
    return registeredFamily();
}

}  // namespace pelora
