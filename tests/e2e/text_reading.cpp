#include "e2e/text_reading.h"

#include <QBuffer>
#include <QProcessEnvironment>

#include "e2e/guarded_process.h"

namespace pelora::e2e {
namespace {

constexpr int enlargement = 3;
constexpr int marginPixels = 20;
constexpr int ocrTimeoutMs = 20000;

QImage blackOnWhite(const QImage& client, const QRect& part,
                    const std::function<bool(std::uint32_t)>& isText) {
    QImage binary(part.size() + QSize(2 * marginPixels, 2 * marginPixels),
                  QImage::Format_Grayscale8);
    binary.fill(255);
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            const QPoint source = part.topLeft() + QPoint(x, y);
            if (client.valid(source) && isText(client.pixel(source) | 0xFF000000U)) {
                binary.setPixel(x + marginPixels, y + marginPixels, 0);
            }
        }
    }
    return binary.scaled(binary.size() * enlargement, Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

QString readWithTesseract(const QImage& client, const QRect& part,
                          const std::function<bool(std::uint32_t)>& isText,
                          const QStringList& options) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    blackOnWhite(client, part, isText).save(&buffer, "PNG");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
    const ToolResult read = runTool(QStringLiteral("tesseract"),
                                    QStringList{QStringLiteral("stdin"), QStringLiteral("stdout"),
                                                QStringLiteral("-l"), QStringLiteral("fra")} +
                                        options,
                                    environment, png, ocrTimeoutMs);
    return read.exitCode == 0 ? QString::fromUtf8(read.output).simplified() : QString();
}

}  // namespace

QString readTextLine(const QImage& client, const QRect& part,
                     const std::function<bool(std::uint32_t)>& isText) {
    return readWithTesseract(client, part, isText, {QStringLiteral("--psm"), QStringLiteral("7")});
}

QString readNumber(const QImage& client, const QRect& part,
                   const std::function<bool(std::uint32_t)>& isText) {
    return readWithTesseract(client, part, isText,
                             {QStringLiteral("--psm"), QStringLiteral("7"), QStringLiteral("-c"),
                              QStringLiteral("tessedit_char_whitelist=0123456789")});
}

}  // namespace pelora::e2e
