// The toolkit's own texts (standard buttons, file dialogs) in the language
// of the resource module, so that a translated window is translated whole.
#pragma once

#include <cstdint>

class QCoreApplication;
class QTranslator;

namespace tessera::ui {

// Installs the toolkit's translation for a language identifier (owned by
// the application); nothing for English or a language the toolkit has no
// translation for. Gives the translation installed, or null.
QTranslator* InstallToolkitTranslation(QCoreApplication& app, std::uint16_t languageId);

}  // namespace tessera::ui
