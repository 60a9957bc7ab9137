#include "assets/assets.h"

#include <QFontDatabase>
#include <QImageReader>
#include <QStringList>

// Q_INIT_RESOURCE declares a function at namespace scope, so it must be called from outside
// the project's namespace.
static void initResources() {
    Q_INIT_RESOURCE(pelora_pictures);
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

QImage loadPicture(const char* resourcePath) {
    QImageReader reader(QString::fromLatin1(resourcePath), QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString bundledFontFamily() {
    return registeredFamily();
}

}  // namespace pelora
