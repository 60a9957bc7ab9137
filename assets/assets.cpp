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

namespace {

struct ReadyBall {
    Picture ball;
    int side;
    const unsigned char* begin;
    const unsigned char* end;
};

// The balls packed ready-sized by the build (PELORA_READY_PICTURES).
const ReadyBall readyBalls[] = {
    {Picture::BlueBall, 50, pelora_ball_blue_50_picture, pelora_ball_blue_50_picture_end},
    {Picture::BlueBall, 100, pelora_ball_blue_100_picture, pelora_ball_blue_100_picture_end},
    {Picture::YellowBall, 50, pelora_ball_yellow_50_picture, pelora_ball_yellow_50_picture_end},
    {Picture::YellowBall, 100, pelora_ball_yellow_100_picture, pelora_ball_yellow_100_picture_end},
};

}  // namespace

QImage loadReadyBall(Picture ball, int side) {
    for (const ReadyBall& ready : readyBalls) {
        if (ready.ball == ball && ready.side == side) {
            return packed(ready.begin, ready.end);
        }
    }
    return {};
}

std::vector<QImage> loadReadyBalls(Picture ball) {
    std::vector<QImage> versions;
    for (const ReadyBall& ready : readyBalls) {
        if (ready.ball == ball) {
            versions.push_back(packed(ready.begin, ready.end));
        }
    }
    return versions;
}

QString bundledFontFamily() {
    return registeredFamily();
}

}  // namespace pelora
