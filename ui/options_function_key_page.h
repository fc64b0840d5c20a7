// The options sheet's Function Key page: ten keys or eight, and each key's
// label and command. The edits below the list change the selected key as
// the user types; "..." puts a chosen path into the command.
#pragma once

#include <QWidget>
#include <array>

#include "shell/function_keys.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tessera::ui {

inline constexpr std::uint32_t kFunctionKeyPage = 121;

class OptionsFunctionKeyPage : public QWidget {
  Q_OBJECT

 public:
  explicit OptionsFunctionKeyPage(QWidget* parent = nullptr);

  QCheckBox* tenKeys() { return tenKeys_; }
  QTableWidget* list() { return list_; }
  QLineEdit* label() { return label_; }
  QLineEdit* command() { return command_; }
  QPushButton* browse() { return browse_; }
  // Setting 1..10 as the page holds it.
  const FunctionKeySetting& key(int number) const {
    return keys_[static_cast<std::size_t>(number - 1)];
  }
  // Puts a path at the command edit's cursor (in double quotes when it
  // holds a blank).
  void InsertPath(const QString& devicePath);

  // OK: writes FKEY_SHOW_10_BUTTONS and all ten keys.
  void Commit();

 private:
  void ShowRows();
  void ShowSelectedKey();
  void TakeEdits();
  void Browse();
  int SelectedKey() const;

  QCheckBox* tenKeys_;
  QTableWidget* list_;
  QLineEdit* label_;
  QLineEdit* command_;
  QPushButton* browse_;
  std::array<FunctionKeySetting, kFunctionKeyCount> keys_{};
};

}  // namespace tessera::ui
