// The toolkit's own texts (standard buttons, file dialogs) in the language
// of the resource module, so that a translated window is translated whole.
#pragma once

#include <cstdint>

class QCoreApplication;

namespace tessera::ui {

// Installs the toolkit's translation for a language identifier; nothing
// for English or a language the toolkit has no translation for. Gives true
// when one was installed.
bool InstallToolkitTranslation(QCoreApplication& app, std::uint16_t languageId);

}  // namespace tessera::ui
