// The show's one font family: "Segoe UI" where the system has it, else the bundled "Open Sans",
// so that every text fits its box the same way on every machine. Every text of the show is bold.
#pragma once

#include <QFont>
#include <QString>

namespace pelora {

// Registers the bundled font on first use.
QString showFontFamily();

// The show's bold font at a size in logical pixels.
QFont showFont(int pixelSize);

}  // namespace pelora
