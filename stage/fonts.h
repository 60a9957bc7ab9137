// The show's one font family: "Segoe UI" where the system has it, else Open Sans Bold, the
// machine's own or the copy bundled into the program, so that every text fits its box the same way
// on every machine. Every text of the show is bold.
#pragma once

#include <QFont>
#include <QString>
#include <functional>

namespace pelora {

// The family, from what the machine has (`systemHas` tells whether it has a family in the face
// the show needs). `registerBundled` registers the bundled Open Sans and gives its family; it is
// called only when the machine has neither family.
QString chooseShowFontFamily(const std::function<bool(const QString&)>& systemHas,
                             const std::function<QString()>& registerBundled);

// The show's family, chosen once.
QString showFontFamily();

// The show's bold font at a size in logical pixels.
QFont showFont(int pixelSize);

}  // namespace pelora
