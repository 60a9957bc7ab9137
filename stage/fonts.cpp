#include "fonts.h"

#include <QFontDatabase>

#include "assets/assets.h"

namespace pelora {

QString showFontFamily() {
    static const QString family = [] {
        initAssets();
        const QString preferred = QStringLiteral("Segoe UI");
        if (QFontDatabase::hasFamily(preferred)) {
            return preferred;
        }
        const QString bundled = bundledFontFamily();
        return bundled.isEmpty() ? QStringLiteral("Open Sans") : bundled;
    }();
    return family;
}

QFont showFont(int pixelSize) {
    QFont font(showFontFamily());
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(false);
    font.setStretch(QFont::Unstretched);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace pelora
