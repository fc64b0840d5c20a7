// The face the console's fonts are drawn in.
#pragma once

#include <QString>

namespace tessera::ui {

// The named face when it is installed; otherwise an installed face that
// holds both Japanese and Chinese, so that a line of Japanese output is no
// taller than a line of ASCII (the named face itself when there is none).
QString InstalledConsoleFace(const QString& named);

}  // namespace tessera::ui
