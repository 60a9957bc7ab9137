// Pixel probes for rendered frames of the scene, in logical pixels.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRectF>
#include <cstdint>
#include <functional>
#include <string>

namespace pelora::testing {

// The colour at a logical point of a frame rendered at any scale, as 0xAARRGGBB.
std::uint32_t pixelAt(const QImage& frame, double x, double y);

// Whether two colours differ by at most `tolerance` in each channel.
bool sameColour(std::uint32_t a, std::uint32_t b, int tolerance = 2);

// Asserts the colour at a logical point, naming the colour found when it differs.
::testing::AssertionResult hasColourAt(const QImage& frame, double x, double y,
                                       std::uint32_t expected, int tolerance = 2);

// How many device pixels inside a logical rectangle have the colour.
int countColour(const QImage& frame, const QRectF& logical, std::uint32_t argb, int tolerance = 2);

// "0xAARRGGBB", for failure messages.
std::string hex(std::uint32_t argb);

// Saves the frame as /tmp/pelora-look/<name>.png when PELORA_LOOK is set, so that a person
// can look at what the tests see. Returns whether it was asked for and written.
bool saveForLooking(const QImage& frame, const std::string& name);

}  // namespace pelora::testing
