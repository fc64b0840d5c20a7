#include "ui/toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/locale.h"

namespace tessera::ui {

QTranslator* InstallToolkitTranslation(QCoreApplication& app, std::uint16_t languageId) {
  const std::string_view name = platform::LocaleOfLanguageId(languageId);
  if (name.empty() || name.substr(0, 2) == "en") return nullptr;
  // Kept for the rest of the run, as the application keeps using it.
  auto* translator = new QTranslator(&app);
  const QLocale locale(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  app.installTranslator(translator);
  return translator;
}

}  // namespace tessera::ui
