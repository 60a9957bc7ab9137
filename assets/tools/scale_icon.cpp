// Scales the program icon down to one of the sizes a desktop icon theme asks for. Run by the build
// for each installed size, so only the full-size icon is committed.
//   scale_icon <source.png> <size in pixels> <output.png>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QStringList>
#include <cstdio>

namespace {

// Downscaling in premultiplied form keeps the colour of fully transparent pixels from bleeding
// into the ball's anti-aliased edge; Qt's smooth scaling averages every source pixel it covers.
QImage scaledIcon(const QImage& source, int sizePx) {
    return source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(sizePx, sizePx, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

int fail(const QString& message) {
    std::fprintf(stderr, "scale_icon: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: scale_icon <source.png> <size in pixels> <output.png>\n");
        return 2;
    }
    const QString sourcePath = arguments.at(1);
    const QString outputPath = arguments.at(3);
    bool sizeIsNumber = false;
    const int sizePx = arguments.at(2).toInt(&sizeIsNumber);

    const QImage source(sourcePath);
    if (source.isNull()) {
        return fail(QStringLiteral("cannot read %1").arg(sourcePath));
    }
    if (source.width() != source.height()) {
        return fail(QStringLiteral("%1 is not square").arg(sourcePath));
    }
    if (!sizeIsNumber || sizePx < 1 || sizePx > source.width()) {
        return fail(QStringLiteral("the size must be a whole number from 1 to %1, not %2")
                        .arg(source.width())
                        .arg(arguments.at(2)));
    }
    if (!QDir().mkpath(QFileInfo(outputPath).absolutePath()) ||
        !scaledIcon(source, sizePx).save(outputPath, "PNG")) {
        return fail(QStringLiteral("cannot write %1").arg(outputPath));
    }
    return 0;
}
