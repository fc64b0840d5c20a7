// Select UI Language: the languages the program can show, the program's own
// English first; the choice takes effect at the next start.
#pragma once

#include <QDialog>
#include <string>

#include "shell/language_library.h"

class QListWidget;
class QPushButton;

namespace tessera::ui {

// Resource identifiers of the dialog.
inline constexpr std::uint32_t kLanguageDialog = 147;
inline constexpr std::uint32_t kLanguageList = 1055;
inline constexpr std::uint32_t kLanguageNote = 1056;
inline constexpr std::uint32_t kStringSelectLanguage = 40038;
inline constexpr std::uint32_t kStringLanguageNextStart = 32830;

class LanguageDialog : public QDialog {
  Q_OBJECT

 public:
  // Selects the entry whose path is storedPath (without regard to case),
  // else the first.
  LanguageDialog(const LanguageList& languages, std::u16string_view storedPath,
                 QWidget* parent = nullptr);

  QListWidget* list() { return list_; }
  QPushButton* okButton() { return ok_; }
  // The path of the entry chosen with OK.
  const std::u16string& chosenPath() const { return chosen_; }

  // OK: without a selection the user is asked to choose and the dialog
  // stays; with one, the user learns when it takes effect.
  void accept() override;

 private:
  QListWidget* list_;
  QPushButton* ok_;
  std::u16string chosen_;
};

// The Language command: shows the dialog and stores the choice.
void ChooseLanguageInDialog(QWidget* parent);

}  // namespace tessera::ui
