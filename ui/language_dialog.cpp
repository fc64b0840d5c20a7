#include "ui/language_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/locale.h"
#include "platform/text.h"
#include "shell/language_choice.h"
#include "shell/settings.h"
#include "ui/dialog_keys.h"
#include "ui/resource_text.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

namespace {

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

LanguageDialog::LanguageDialog(const LanguageList& languages, std::u16string_view storedPath,
                               QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  auto* column = new QVBoxLayout(this);
  auto* note = new QLabel(this);
  note->setWordWrap(true);
  note->setObjectName(QStringLiteral("languageNote"));
  list_->setObjectName(QStringLiteral("languageList"));
  column->addWidget(list_, 1);
  column->addWidget(note);
  ApplyDialogTexts(this, kLanguageDialog, {{kLanguageNote, note}});

  int selected = 0;
  for (std::size_t i = 0; i < languages.paths.size(); ++i) {
    auto* item = new QListWidgetItem(ToQString(languages.names[i]), list_);
    item->setData(Qt::UserRole, ToQString(languages.paths[i]));
    if (platform::EqualsNoCase(languages.paths[i], storedPath)) selected = static_cast<int>(i);
  }
  if (list_->count() > 0) list_->setCurrentRow(selected);
  connect(list_, &QListWidget::itemDoubleClicked, this, &LanguageDialog::accept);

  const DialogKeys keys = NewDialogKeys(*this);
  ok_ = keys.ok;
  column->addWidget(keys.box);
  list_->setFocus();
}

void LanguageDialog::accept() {
  const QList<QListWidgetItem*> chosen = list_->selectedItems();
  if (chosen.isEmpty()) {
    QMessageBox::warning(this, ApplicationTitle(), ResourceString(kStringSelectLanguage));
    return;
  }
  chosen_ = chosen.first()->data(Qt::UserRole).toString().toStdU16String();
  QMessageBox::information(this, ApplicationTitle(), ResourceString(kStringLanguageNextStart));
  QDialog::accept();
}

void ChooseLanguageInDialog(QWidget* parent) {
  const LanguageList languages = EnumerateLanguages(platform::UserUiLanguage());
  const std::u16string stored = ReadSettingString(kSettingsSection, u"UI_LANG_DLL_PATH", u"");
  LanguageDialog dialog(languages, stored, parent);
  if (dialog.exec() == QDialog::Accepted) ApplyLanguageChoice(dialog.chosenPath());
}

}  // namespace tessera::ui
