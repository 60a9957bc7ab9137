// Reading a line of the show's text off a screenshot with tesseract, so that a test can check
// what a person would read.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

namespace pelora::e2e {

// The part is cut out, its text pixels (as `isText` says) turned black and the rest white,
// enlarged, and read as one line of French. Empty when tesseract fails.
QString readTextLine(const QImage& client, const QRect& part,
                     const std::function<bool(std::uint32_t)>& isText);

// The same for a part that holds one number: read as a line of digits only, so that a digit
// cannot come out as a letter. Empty when tesseract fails or reads nothing.
QString readNumber(const QImage& client, const QRect& part,
                   const std::function<bool(std::uint32_t)>& isText);

}  // namespace pelora::e2e
