#include "app/window_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "app/after_first_paint.h"
#include "assets/assets.h"

namespace pelora {
namespace {

class CompiledInIconEngine final : public QIconEngine {
public:
    // Smaller sizes are scaled down from the picture; it is never enlarged.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QImage picture = loadPicture(Picture::Icon);
        const QSize actual = actualSize(size, mode, state);
        if (actual == picture.size()) {
            return QPixmap::fromImage(picture);
        }
        return QPixmap::fromImage(
            picture.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(actualSize(rect.size(), mode, state), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QSize actual = loadPicture(Picture::Icon).size();
        if (actual.width() > size.width() || actual.height() > size.height()) {
            actual.scale(size, Qt::KeepAspectRatio);
        }
        return actual;
    }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return {loadPicture(Picture::Icon).size()};
    }

    bool isNull() override { return loadPicture(Picture::Icon).isNull(); }
    QString key() const override { return QStringLiteral("pelora-compiled-in"); }
    QIconEngine* clone() const override { return new CompiledInIconEngine; }
};

}  // namespace

QIcon programIcon() {
    return QIcon(new CompiledInIconEngine);
}

void setWindowIconAfterFirstFrame(QWidget& window, QWidget& firstPainted) {
    runAfterFirstPaint(firstPainted, [&window] { window.setWindowIcon(programIcon()); });
}

}  // namespace pelora
