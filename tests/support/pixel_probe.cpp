#include "pixel_probe.h"

#include <QDir>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pelora::testing {
namespace {

int channelDistance(std::uint32_t a, std::uint32_t b, int shift) {
    const auto channel = [shift](std::uint32_t c) {
        return static_cast<int>((c >> shift) & 0xFFU);
    };
    return std::abs(channel(a) - channel(b));
}

}  // namespace

std::uint32_t pixelAt(const QImage& frame, double x, double y) {
    const double scale = frame.devicePixelRatio();
    const int px = static_cast<int>(std::floor(x * scale));
    const int py = static_cast<int>(std::floor(y * scale));
    return frame.pixel(px, py);
}

bool sameColour(std::uint32_t a, std::uint32_t b, int tolerance) {
    for (const int shift : {0, 8, 16, 24}) {
        if (channelDistance(a, b, shift) > tolerance) {
            return false;
        }
    }
    return true;
}

::testing::AssertionResult hasColourAt(const QImage& frame, double x, double y,
                                       std::uint32_t expected, int tolerance) {
    const std::uint32_t actual = pixelAt(frame, x, y);
    if (sameColour(actual, expected, tolerance)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << hex(actual) << " at (" << x << ", " << y << ") instead of " << hex(expected);
}

int countColour(const QImage& frame, const QRectF& logical, std::uint32_t argb, int tolerance) {
    const double scale = frame.devicePixelRatio();
    const QRect device = QRectF(logical.topLeft() * scale, logical.size() * scale).toAlignedRect();
    int count = 0;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            if (frame.valid(x, y) && sameColour(frame.pixel(x, y), argb, tolerance)) {
                ++count;
            }
        }
    }
    return count;
}

std::string hex(std::uint32_t argb) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08X", argb);
    return text;
}

bool saveForLooking(const QImage& frame, const std::string& name) {
    if (qEnvironmentVariableIsEmpty("PELORA_LOOK")) {
        return false;
    }
    const QString folder = QStringLiteral("/tmp/pelora-look");
    QDir().mkpath(folder);
    return frame.save(folder + QStringLiteral("/") + QString::fromStdString(name) +
                      QStringLiteral(".png"));
}

}  // namespace pelora::testing
