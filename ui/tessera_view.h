// The view of the window: the console, the find bar and the function-key
// bar. It runs typed lines in its shell context, keeps the command history
// and is the interpreter's host while a command runs. Its parts live in
// files of their own: view_bars (the bars, focus, soft key and title),
// view_function_keys, view_scroll_mode (Enter and scroll mode), view_find,
// view_history, view_edit_commands, view_display (font and word wrap),
// view_files (Open and Select Path), view_save (saving the text) and
// view_host (the interpreter's host).
#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QTimer>
#include <QWidget>
#include <array>
#include <bitset>
#include <memory>
#include <string>

#include "shell/history.h"
#include "shell/host.h"
#include "shell/result_codes.h"
#include "shell/shell_context.h"
#include "ui/window_strings.h"

class QFrame;
class QKeyEvent;

namespace tessera::ui {

class ConsoleEdit;
class FindBar;
class FunctionKeyBar;

class TesseraView : public QWidget, public Host {
  Q_OBJECT

 public:
  explicit TesseraView(QWidget* parent = nullptr);
  ~TesseraView() override;

  // Prints the first prompt; the console then takes typed lines.
  void Start();
  // Once the window is first shown: asks about the start-up batch file as
  // needed, prints the first prompt and runs the file in this context.
  void RunStartupBatch();
  // Runs what stands on the command line, as Enter does.
  void RunCommandLine();
  void RunFunctionKey(int setting);
  // Ctrl+C, Stop and the soft key while a command runs.
  void RequestStop();
  void SoftKey();
  void ShowFunctionKeyBar(bool show);
  void ShowFindBar(bool show);
  void Find();
  void FindNext(bool backward);
  // The way the find bar searched last: true for backward.
  bool findBackward() const { return findBackward_; }
  void SetWordWrap(bool on);
  // One of the four console fonts, 0..3; any other index is refused.
  bool SelectFont(int index);
  int fontIndex() const { return fontIndex_; }
  // Builds the marked fonts anew from the settings; the current one among
  // them is selected again.
  void RebuildFonts(std::bitset<4> which);
  // How often font 0..3 has been built.
  int fontBuilds(int index) const { return fontBuilds_[static_cast<std::size_t>(index)]; }
  // The text colour from the settings; the background (the brush the
  // console is painted with) too when asked. The console repaints.
  void ApplyColors(bool background);
  int brushBuilds() const { return brushBuilds_; }
  bool wordWrap() const { return wordWrap_; }
  void ClearCommandLine();
  // Runs a device path as a command: CD, CALL, the program, or TYPE.
  void OpenPath(std::u16string_view devicePath, bool isDirectory);
  // File > Open: asks for a file with a plain file dialog.
  void OpenWithDialog();
  // Runs an entry of the recently used files: an entry in double quotes is
  // a program's command line, anything else a path opened as Open opens
  // it. kOk when it succeeded.
  ResultCode OpenRecentEntry(std::u16string_view entry);
  // Select Path: puts a chosen path and a blank at the caret.
  void SelectPath();
  // Saves the selected text, or the whole console, to a file the user names.
  void SaveText();
  // The selection, or the whole console without one, with CR LF line ends.
  std::u16string TextToSave() const;
  void CopyToCommandLine();
  // Walks the history: +1 older, -1 newer.
  void MoveInHistory(int step);

  ConsoleEdit* console() { return console_; }
  FunctionKeyBar* functionKeyBar() { return keyBar_; }
  FindBar* findBar() { return findBar_; }
  ShellContext& context() { return context_; }
  const CommandHistory& history() const { return history_; }
  bool scrollMode() const { return scrollMode_; }
  bool closeRequested() const { return closeRequested_; }
  int flashCount() const { return flashCount_; }
  QString softKeyLabel() const { return softKeyLabel_; }
  QString title() const { return title_; }

  // Host
  void PumpEvents() override;
  MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
  void AddToHistory(std::u16string_view line) override;
  void CloseApplication() override { closeRequested_ = true; }
  void Beep(std::uint32_t soundType) override;

 signals:
  void titleChanged(const QString& title);
  void softKeyLabelChanged(const QString& label);
  // EXIT ran: the window closes now that the line is done.
  void closeWanted();
  // A command line started (true) or ended (false).
  void commandRunningChanged(bool running);
  // Open ran a file as a command.
  void openedAsCommand(const QString& devicePath);
  void findDirectionChanged(bool backward);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddFunctionKeyShortcuts();
  // Word wrap on or off, keeping what is shown; the focus stays.
  void ApplyWordWrap(bool on);
  void BeginCommand();
  void EndCommand();
  // FNKEYBAR and FINDBAR; false for any other line.
  bool RunViewCommand(std::u16string_view line);
  void HandleEnter();
  bool HandleScrollModeKey(QKeyEvent* event);
  // A key about to reach the shortcuts in scroll mode.
  bool HandleScrollModeShortcut(QKeyEvent* event);
  void EnterScrollMode();
  void LeaveScrollMode();
  void Flash();
  void Search(const QString& text, bool backward, bool caseSensitive);
  void FocusFunctionKeyBar();
  void FocusConsole();
  void SetSoftKeyLabel(std::uint32_t id);
  void SetTitlePrefix(std::uint32_t id);
  // FILEFILTER, else the string given; CUR DIR, else the root.
  std::u16string DialogFilter(std::uint32_t fallback) const;
  std::u16string DialogFolder() const;

  // Two Enters within this interval enter scroll mode; a single one runs
  // the empty line once the interval and a little more have passed.
  static constexpr qint64 kDoubleEnterInterval = 300;

  ConsoleEdit* console_;
  FindBar* findBar_;
  FunctionKeyBar* keyBar_;
  QFrame* flashFrame_;
  ShellContext context_;
  CommandHistory history_;
  int historyCursor_ = -1;
  bool scrollMode_ = false;
  bool wordWrap_ = true;
  int fontIndex_ = 1;
  std::array<QFont, 4> fonts_{};
  std::array<int, 4> fontBuilds_{};
  int brushBuilds_ = 0;
  bool closeRequested_ = false;
  bool findBackward_ = false;
  int flashCount_ = 0;
  QTimer enterTimer_;
  QElapsedTimer lastEnter_;
  QElapsedTimer lastPump_;
  QElapsedTimer keyBarFocused_;
  int filterIndex_ = 1;
  bool syntheticKey_ = false;
  QString softKeyLabel_;
  QString title_;
};

}  // namespace tessera::ui
