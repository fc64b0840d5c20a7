#include "ui/device_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "browser/file_filter.h"
#include "platform/device.h"
#include "ui/qt_text.h"

namespace tessera::ui {

QStringList NameFiltersOf(std::u16string_view filter) {
  QStringList filters;
  for (const browser::FileFilter& parsed : browser::ParseFileFilter(filter)) {
    QString description = ToQString(parsed.description);
    QStringList patterns;
    for (const std::u16string& pattern : parsed.patterns)
      patterns << (pattern == u"*.*" ? QStringLiteral("*") : ToQString(pattern));
    // The toolkit reads the patterns from the last parentheses: those of
    // the description give way to the converted ones.
    if (description.endsWith(QChar(u')'))) {
      const qsizetype open = description.lastIndexOf(QChar(u'('));
      if (open >= 0) description = description.left(open).trimmed();
    }
    filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(QChar(u' ')));
  }
  if (filters.isEmpty()) filters << QStringLiteral("* (*)");
  return filters;
}

std::optional<DeviceFileChoice> ChooseDeviceFile(QWidget* parent, const QString& title,
                                                 std::u16string_view filter,
                                                 std::u16string_view folder, int& filterIndex) {
  QString start = QString::fromStdString(platform::DeviceRootHostPath());
  if (!folder.empty()) {
    if (auto host = platform::HostPath(folder);
        host && QFileInfo(QString::fromStdString(*host)).isDir()) {
      start = QString::fromStdString(*host);
    }
  }
  QFileDialog dialog(parent, title, start);
  // The toolkit's own dialog everywhere, so that it looks and behaves the
  // same on every desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QStringList filters = NameFiltersOf(filter);
  dialog.setNameFilters(filters);
  if (filterIndex >= 1 && filterIndex <= filters.size())
    dialog.selectNameFilter(filters[filterIndex - 1]);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const qsizetype chosenFilter = filters.indexOf(dialog.selectedNameFilter());
  if (chosenFilter >= 0) filterIndex = static_cast<int>(chosenFilter) + 1;
  const QString chosen = dialog.selectedFiles().first();
  DeviceFileChoice choice;
  choice.path = platform::DevicePathOf(chosen.toStdString());
  if (choice.path.empty()) return std::nullopt;
  choice.isDirectory = QFileInfo(chosen).isDir();
  return choice;
}

}  // namespace tessera::ui
