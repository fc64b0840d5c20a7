// Save the Selected Text to a File: the name of the file (typed, or chosen
// with the file browser), the encoding, and a preview of the text.
#pragma once

#include <QDialog>
#include <QFont>
#include <string>

#include "shell/shell_context.h"
#include "ui/save/save_text.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tessera::ui {

// Resource identifiers of the dialog.
inline constexpr std::uint32_t kSaveDialog = 109;
inline constexpr std::uint32_t kSaveNameLabel = 1061;
inline constexpr std::uint32_t kSaveBrowse = 1012;
inline constexpr std::uint32_t kSaveEncodingGroup = 1063;
inline constexpr std::uint32_t kSaveUnicode = 1062;
inline constexpr std::uint32_t kSaveShiftJis = 1065;
inline constexpr std::uint32_t kSavePreviewLabel = 1066;

class SaveTextDialog : public QDialog {
  Q_OBJECT

 public:
  // text: what is saved, with CR LF line ends. context gives the current
  // directory and FILEFILTER; filterIndex is the view's, kept up to date.
  SaveTextDialog(std::u16string text, ShellContext& context, int& filterIndex,
                 const QFont& consoleFont, QWidget* parent = nullptr);

  QLineEdit* nameEdit() const { return nameEdit_; }
  QPushButton* browseButton() const { return browse_; }
  QRadioButton* unicodeButton() const { return unicode_; }
  QRadioButton* shiftJisButton() const { return shiftJis_; }
  QPlainTextEdit* preview() const { return preview_; }
  // Where the text went, once saved (or tried to).
  const save::SaveResult& result() const { return result_; }

  // "...": proposes a new log name in the current directory and lets the
  // user choose the file with the browser; the choice becomes the name.
  void Browse();
  // OK: checks the name, asks what it must, writes; stays open while the
  // user has something to correct.
  void accept() override;

 private:
  std::u16string text_;
  ShellContext& context_;
  int& filterIndex_;
  QLineEdit* nameEdit_;
  QPushButton* browse_;
  QRadioButton* unicode_;
  QRadioButton* shiftJis_;
  QPlainTextEdit* preview_;
  save::SaveResult result_;
};

}  // namespace tessera::ui
