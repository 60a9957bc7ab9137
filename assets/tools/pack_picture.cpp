// Decodes one committed PNG picture into the pixels the program paints from, so that the program
// never decodes a picture at start-up: a 16-byte header (the bytes "PLRP", then width, height and
// bytes per line as 32-bit numbers in the machine's order), then the rows of 32-bit ARGB pixels
// in the machine's order, exactly as QImage::Format_ARGB32 holds them. Run by the build.
// Given a size, it scales the picture to that size as the program itself would, smoothly, and
// packs the result: a picture the program draws at that size on the device is then ready, with
// nothing to scale at start-up.
//   pack_picture <input.png> <output> [<width> <height>]
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "assets/packed_picture.h"

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "pack_picture: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: pack_picture <input.png> <output> [<width> <height>]\n");
        return 2;
    }
    const QString inputPath = QString::fromLocal8Bit(argv[1]);
    const QString outputPath = QString::fromLocal8Bit(argv[2]);

    QImageReader reader(inputPath, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) {
        return fail(inputPath + QStringLiteral(": ") + reader.errorString());
    }
    if (argc == 5) {
        const QSize size(QString::fromLatin1(argv[3]).toInt(),
                         QString::fromLatin1(argv[4]).toInt());
        if (size.isEmpty()) {
            return fail(QStringLiteral("not a size: %1 x %2").arg(argv[3], argv[4]));
        }
        // The same call as the image node's at paint time, on the same pixels.
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (picture.format() != QImage::Format_ARGB32) {
            return fail(QStringLiteral("smooth scaling gave another pixel format"));
        }
    }

    const pelora::PackedPictureHeader header{pelora::packedPictureMagic,
                                             static_cast<std::uint32_t>(picture.width()),
                                             static_cast<std::uint32_t>(picture.height()),
                                             static_cast<std::uint32_t>(picture.bytesPerLine())};
    QFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return fail(outputPath + QStringLiteral(": ") + output.errorString());
    }
    std::array<char, sizeof header> headerBytes{};
    std::memcpy(headerBytes.data(), &header, sizeof header);
    const auto pixelBytes = static_cast<qint64>(picture.sizeInBytes());
    const bool written =
        output.write(headerBytes.data(), static_cast<qint64>(headerBytes.size())) ==
            static_cast<qint64>(headerBytes.size()) &&
        output.write(reinterpret_cast<const char*>(picture.constBits()), pixelBytes) == pixelBytes;
    if (!written || !output.flush()) {
        return fail(outputPath + QStringLiteral(": ") + output.errorString());
    }
    return 0;
}
