#include "ui/tessera_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "platform/device.h"
#include "shell/current_directory.h"
#include "shell/environment.h"
#include "shell/execute.h"
#include "shell/output.h"
#include "shell/resources.h"
#include "shell/settings.h"
#include "ui/console_edit.h"
#include "ui/console_search.h"
#include "ui/device_file_dialog.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/open_command.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

// Two Enters within this many milliseconds enter scroll mode; a single one
// runs the empty line once the interval and a little more have passed.
constexpr qint64 kDoubleEnterInterval = 300;
constexpr int kFlashMilliseconds = 100;
constexpr qint64 kPumpInterval = 40;
constexpr qint64 kKeyBarFocusMilliseconds = 500;
// The filters of the Select Path and Open dialogs without FILEFILTER.
constexpr std::uint32_t kStringSelectPathFilter = 31001;
constexpr std::uint32_t kStringOpenFilter = 31004;
constexpr std::uint32_t kStringApplicationTitle = 57344;

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char16_t Upper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

QMessageBox::StandardButton ToButton(MessageBoxAnswer answer) {
  switch (answer) {
    case MessageBoxAnswer::Ok:
      return QMessageBox::Ok;
    case MessageBoxAnswer::Cancel:
      return QMessageBox::Cancel;
    case MessageBoxAnswer::Yes:
      return QMessageBox::Yes;
    case MessageBoxAnswer::No:
      return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

}  // namespace

QString WindowString(std::uint32_t id) {
  if (id == 0) return {};
  const std::u16string text = LoadResourceString(id);
  return text.empty() ? QStringLiteral("****") : ToQString(text);
}

QString ApplicationTitle() {
  const std::u16string title = LoadResourceString(kStringApplicationTitle);
  return title.empty() ? QStringLiteral("Tessera") : ToQString(title);
}

TesseraView::TesseraView(QWidget* parent)
    : QWidget(parent),
      console_(new ConsoleEdit(this)),
      findBar_(new FindBar(this)),
      keyBar_(new FunctionKeyBar(this)),
      flashFrame_(new QFrame(console_)) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(console_, 1);
  column->addWidget(findBar_);
  column->addWidget(keyBar_);
  findBar_->hide();
  keyBar_->hide();

  QPalette palette = console_->palette();
  palette.setColor(QPalette::Base, ReadBackgroundColor());
  palette.setColor(QPalette::Text, ReadTextColor());
  console_->setPalette(palette);
  SelectFont(ReadFontIndex());
  SetWordWrap(ReadWordWrap());

  flashFrame_->setStyleSheet(QStringLiteral("background-color: palette(highlight);"));
  flashFrame_->hide();

  // Commands are typed in plain letters: no conversion by an input method
  // unless the user asks for it.
  console_->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
  console_->installEventFilter(this);
  connect(console_, &ConsoleEdit::edgeReached, this, [this](int) { FocusFunctionKeyBar(); });
  connect(console_, &ConsoleEdit::stopKeyPressed, this, &TesseraView::RequestStop);
  connect(keyBar_, &FunctionKeyBar::keyClicked, this, &TesseraView::RunFunctionKey);
  connect(keyBar_, &FunctionKeyBar::spaceClicked, this, [this] {
    if (Session().commandRunning) return;
    console_->ReplaceInput(u" ", false);
  });
  connect(keyBar_, &FunctionKeyBar::backspaceClicked, this, [this] {
    FocusConsole();
    // While the injected key and what it causes are handled, an Enter
    // (a bar button's own key) must not run the command line.
    syntheticKey_ = true;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(console_, &press);
    QApplication::sendEvent(console_, &release);
    QCoreApplication::processEvents();
    syntheticKey_ = false;
  });
  connect(keyBar_, &FunctionKeyBar::enterClicked, this, [this] {
    if (Session().commandRunning) {
      Flash();
      return;
    }
    RunCommandLine();
  });
  connect(keyBar_, &FunctionKeyBar::closeClicked, this, &TesseraView::FocusConsole);
  connect(keyBar_, &FunctionKeyBar::focusGivenUp, this, &TesseraView::FocusConsole);
  connect(keyBar_, &FunctionKeyBar::selectPathClicked, this, &TesseraView::SelectPath);
  connect(findBar_, &FindBar::focusGivenUp, this, &TesseraView::FocusConsole);
  connect(findBar_, &FindBar::searchAgainRequested, this, [this] { FindNext(findBackward_); });
  connect(findBar_, &FindBar::findRequested, this, &TesseraView::FindNext);
  connect(findBar_, &FindBar::closeClicked, this, [this] { ShowFindBar(false); });

  enterTimer_.setSingleShot(true);
  enterTimer_.setInterval(static_cast<int>(kDoubleEnterInterval) + 100);
  connect(&enterTimer_, &QTimer::timeout, this, &TesseraView::RunCommandLine);

  // Other programs of the device read the current directory from here.
  CreateCurrentDirectoryBlock();
  InitContextDefaults(context_);
  SetConsoleSurface(console_);
  SetHost(this);
  title_ = ApplicationTitle();
  softKeyLabel_ = WindowString(kLabelConsoleFocus);
}

TesseraView::~TesseraView() {
  StoreWindowSetting(u"FONT_SIZE", fontIndex_);
  StoreWindowSetting(u"TEXT_WORD_WRAP", wordWrap_ ? 1 : 0);
  if (CurrentConsoleSurface() == console_) SetConsoleSurface(nullptr);
  if (CurrentHost() == this) SetHost(nullptr);
  CloseCurrentDirectoryBlock();
}

void TesseraView::Start() {
  PrintPrompt(context_);
  console_->MarkInputStart();
  console_->GoToCaret();
  console_->setFocus();
}

void TesseraView::BeginCommand() {
  SessionFlags& session = Session();
  session.commandRunning = true;
  session.stopRequested = false;
  console_->SetBusy(true);
  SetSoftKeyLabel(kLabelCommandRunning);
}

void TesseraView::EndCommand() {
  SessionFlags& session = Session();
  session.commandRunning = false;
  session.stopRequested = false;
  console_->SetBusy(false);
  SetSoftKeyLabel(console_->hasFocus() ? kLabelConsoleFocus : kLabelBarFocus);
  PrintPrompt(context_);
  console_->MarkInputStart();
  historyCursor_ = -1;
  console_->GoToCaret();
}

void TesseraView::RunCommandLine() {
  if (Session().commandRunning) return;
  enterTimer_.stop();
  const bool caretWasShown = console_->caretShown();
  console_->ShowCaret(false);
  BeginCommand();
  const std::u16string input = console_->GetInput();
  const std::size_t end = console_->TextLength();
  console_->SetSelection(end, end);
  console_->ReplaceSelection(u"\r\n");
  const std::u16string_view line = Trimmed(input);
  if (!line.empty() && !RunViewCommand(line)) ExecuteLine(line, context_, nullptr, 0);
  EndCommand();
  if (caretWasShown) console_->ShowCaret(true);
  if (closeRequested_) emit closeWanted();
}

bool TesseraView::RunViewCommand(std::u16string_view line) {
  std::size_t wordEnd = 0;
  while (wordEnd < line.size() && !IsBlank(line[wordEnd])) ++wordEnd;
  const std::u16string_view word = line.substr(0, wordEnd);
  const bool keyBar = EqualsIgnoringCase(word, u"FNKEYBAR");
  if (!keyBar && !EqualsIgnoringCase(word, u"FINDBAR")) return false;
  AddToHistory(line);
  std::u16string_view rest = line.substr(wordEnd);
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  const bool hide = rest.size() >= 2 && rest[0] == u'/' && Upper(rest[1]) == u'H';
  if (keyBar) {
    ShowFunctionKeyBar(!hide);
  } else {
    ShowFindBar(!hide);
  }
  return true;
}

void TesseraView::ShowFunctionKeyBar(bool show) {
  if (show) {
    keyBar_->Rebuild();
    keyBar_->show();
    FocusFunctionKeyBar();
  } else {
    keyBar_->hide();
    FocusConsole();
  }
}

void TesseraView::ShowFindBar(bool show) {
  if (show) {
    findBar_->show();
    findBar_->edit()->setFocus();
    SetTitlePrefix(kPrefixFind);
  } else {
    findBar_->hide();
    FocusConsole();
  }
}

void TesseraView::FocusFunctionKeyBar() {
  if (!keyBar_->isVisible() && !keyBar_->isVisibleTo(this)) return;
  keyBar_->firstKey()->setFocus();
  keyBarFocused_.start();
  SetSoftKeyLabel(kLabelBarFocus);
  SetTitlePrefix(kPrefixFunctionKeys);
}

void TesseraView::FocusConsole() {
  console_->setFocus();
  console_->GoToCaret();
  SetSoftKeyLabel(Session().commandRunning ? kLabelCommandRunning : kLabelConsoleFocus);
  SetTitlePrefix(scrollMode_ ? kPrefixScroll : 0);
}

void TesseraView::RunFunctionKey(int setting) {
  if (setting < 1 || setting > kFunctionKeyCount) return;
  if (Session().commandRunning) {
    Flash();
    return;
  }
  if (scrollMode_) LeaveScrollMode();
  const std::u16string command = ReadFunctionKey(setting).command;
  std::u16string_view rest = command;
  for (;;) {
    const std::size_t mark = rest.find(u"\\n");
    if (mark == std::u16string_view::npos) {
      console_->ReplaceInput(rest, false);
      break;
    }
    console_->ReplaceInput(rest.substr(0, mark), false);
    RunCommandLine();
    rest.remove_prefix(mark + 2);
  }
  // The bar keeps the focus it has only just been given.
  if (keyBarFocused_.isValid() && keyBarFocused_.elapsed() < kKeyBarFocusMilliseconds) return;
  FocusConsole();
}

void TesseraView::RequestStop() {
  if (Session().commandRunning) Session().stopRequested = true;
}

void TesseraView::SoftKey() {
  if (Session().commandRunning) {
    RequestStop();
  } else if (!console_->hasFocus()) {
    FocusConsole();
  } else {
    keyBar_->show();
    FocusFunctionKeyBar();
  }
}

void TesseraView::MoveInHistory(int step) {
  const int next = historyCursor_ + step;
  if (next < 0 || next >= static_cast<int>(history_.size())) {
    Flash();
  } else {
    historyCursor_ = next;
    console_->ReplaceInput(history_.at(static_cast<std::size_t>(next)), true);
  }
  console_->ShowCaret(true);
}

void TesseraView::OpenPath(std::u16string_view devicePath, bool isDirectory) {
  if (Session().commandRunning) return;
  BeginCommand();
  const std::size_t end = console_->TextLength();
  console_->SetSelection(end, end);
  console_->ReplaceSelection(u"\r\n");
  RunOpenCommand(CommandForOpenedPath(devicePath, isDirectory), context_);
  EndCommand();
}

std::u16string TesseraView::DialogFilter(std::uint32_t fallback) const {
  if (const std::u16string* filter = context_.GetValueText(u"FILEFILTER");
      filter && !filter->empty())
    return *filter;
  return LoadResourceString(fallback);
}

std::u16string TesseraView::DialogFolder() const {
  const std::u16string* folder = context_.GetValueText(u"CUR DIR");
  return folder && !folder->empty() ? *folder : std::u16string(u"\\");
}

void TesseraView::OpenWithDialog() {
  if (Session().commandRunning) return;
  const auto choice =
      ChooseDeviceFile(window(), WindowString(kTitleOpen), DialogFilter(kStringOpenFilter),
                       DialogFolder(), filterIndex_);
  if (!choice) return;
  OpenPath(choice->path, choice->isDirectory);
  FocusConsole();
}

void TesseraView::SelectPath() {
  if (Session().commandRunning) return;
  const auto choice =
      ChooseDeviceFile(window(), WindowString(kTitleSelectPath),
                       DialogFilter(kStringSelectPathFilter), DialogFolder(), filterIndex_);
  if (!choice) return;
  FocusConsole();
  std::u16string text = choice->path;
  if (text.find(u' ') != std::u16string::npos) text = u"\"" + text + u"\"";
  text += u' ';
  console_->ReplaceInput(text, false);
}

void TesseraView::ClearCommandLine() {
  if (Session().commandRunning) return;
  console_->ReplaceInput(u"", true);
}

void TesseraView::CopyToCommandLine() {
  if (Session().commandRunning) return;
  QTextCursor cursor = console_->textCursor();
  const int start = cursor.selectionStart();
  const int end = std::min(cursor.selectionEnd(), console_->inputStart());
  if (end <= start) return;
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  QString text = cursor.selectedText();
  text.remove(QChar::ParagraphSeparator);
  text.remove(QChar(u'\r'));
  text.remove(QChar(u'\n'));
  // The clipboard keeps the text as it went into the command line.
  QApplication::clipboard()->setText(text);
  console_->GoToCaret();
  console_->ReplaceInput(ToU16(text), false);
}

void TesseraView::SetWordWrap(bool on) {
  // The editor re-wraps in place: text, selection, input start and caret
  // index stay. In scroll mode the line at the top stays at the top.
  wordWrap_ = on;
  const int firstVisible = console_->cursorForPosition(QPoint(0, 0)).position();
  console_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  if (scrollMode_) {
    console_->ScrollToTop(firstVisible);
    console_->ShowCaret(false);
  } else {
    console_->ensureCursorVisible();
    if (!console_->textCursor().hasSelection()) console_->ShowCaret(true);
  }
}
bool TesseraView::SelectFont(int index) {
  if (index < 0 || index > 3) return false;
  fontIndex_ = index;
  console_->SetConsoleFont(ReadConsoleFont(index));
  console_->ensureCursorVisible();
  if (console_->hasFocus()) console_->StartCaretTimer(300);
  return true;
}

void TesseraView::Find() {
  QString selected = console_->textCursor().selectedText();
  const qsizetype lineEnd = selected.indexOf(QChar::ParagraphSeparator);
  if (lineEnd >= 0) selected.truncate(lineEnd);
  if (!selected.isEmpty()) findBar_->edit()->setText(selected);
  ShowFindBar(true);
}

void TesseraView::FindNext(bool backward) {
  if (Session().commandRunning) {
    Flash();
    return;
  }
  if (findBar_->isHidden()) Find();
  findBackward_ = backward;
  const QString text = findBar_->text();
  if (!text.isEmpty()) Search(text, backward, findBar_->caseSensitive());
  findBar_->edit()->setFocus();
}

void TesseraView::Search(const QString& text, bool backward, bool caseSensitive) {
  console_->ShowCaret(false);
  const QTextCursor selection = console_->textCursor();
  const QString whole = console_->toPlainText();
  const auto found = FindInConsoleText(whole, selection.selectionStart(), selection.selectionEnd(),
                                       text, backward, caseSensitive);
  if (found) {
    QTextCursor cursor(console_->document());
    cursor.setPosition(static_cast<int>(*found));
    cursor.setPosition(static_cast<int>(*found + text.size()), QTextCursor::KeepAnchor);
    console_->setTextCursor(cursor);
    console_->ensureCursorVisible();
  } else {
    Flash();
  }
  const QTextCursor after = console_->textCursor();
  if (!after.hasSelection()) console_->ShowCaret(after.position() >= console_->inputStart());
}

void TesseraView::Flash() {
  ++flashCount_;
  flashFrame_->setGeometry(console_->rect());
  flashFrame_->show();
  flashFrame_->raise();
  QTimer::singleShot(kFlashMilliseconds, flashFrame_, &QFrame::hide);
}

void TesseraView::HandleEnter() {
  if (console_->inputStart() != console_->DocumentLength()) {
    RunCommandLine();
    return;
  }
  enterTimer_.stop();
  if (!lastEnter_.isValid() || lastEnter_.elapsed() >= kDoubleEnterInterval) {
    enterTimer_.start();
    lastEnter_.start();
    return;
  }
  EnterScrollMode();
}

void TesseraView::EnterScrollMode() {
  console_->ShowCaret(false);
  scrollMode_ = true;
  console_->SetScrollMode(true);
  SetTitlePrefix(kPrefixScroll);
  lastEnter_.invalidate();
}

void TesseraView::LeaveScrollMode() {
  scrollMode_ = false;
  console_->SetScrollMode(false);
  console_->GoToCaret();
  console_->ShowCaret(true);
  SetTitlePrefix(0);
}

bool TesseraView::HandleScrollModeKey(QKeyEvent* event) {
  const int key = event->key();
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
      QKeyEvent page(QEvent::KeyPress, key == Qt::Key_Up ? Qt::Key_PageUp : Qt::Key_PageDown,
                     Qt::NoModifier);
      QApplication::sendEvent(console_, &page);
      return true;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
      return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      LeaveScrollMode();
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Escape:
    case Qt::Key_Space:
      LeaveScrollMode();
      return key == Qt::Key_Tab && !(event->modifiers() & Qt::ControlModifier);
    default:
      break;
  }
  const QString text = event->text();
  if (!text.isEmpty() && text.at(0).isPrint()) {
    LeaveScrollMode();
    return false;
  }
  return true;
}

bool TesseraView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != console_ || event->type() != QEvent::KeyPress)
    return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const bool control = key->modifiers() & Qt::ControlModifier;
  if (Session().commandRunning) {
    if (control && key->key() == Qt::Key_C) RequestStop();
    return true;
  }
  // While a single Enter waits to run, other keys are dropped.
  if (enterTimer_.isActive() && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
    return true;
  if (scrollMode_) return HandleScrollModeKey(key);
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!syntheticKey_) HandleEnter();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (control) {
        QScrollBar* bar = console_->verticalScrollBar();
        bar->setValue(bar->value() +
                      (key->key() == Qt::Key_Up ? -bar->pageStep() : bar->pageStep()));
      } else {
        MoveInHistory(key->key() == Qt::Key_Up ? 1 : -1);
      }
      return true;
    default:
      return false;
  }
}

void TesseraView::PumpEvents() {
  // Commands poll for every line they print; repainting that often would
  // cost more than the printing.
  if (lastPump_.isValid() && lastPump_.elapsed() < kPumpInterval) return;
  console_->ShowOutput();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  lastPump_.start();
}

MessageBoxAnswer TesseraView::ShowMessageBox(const MessageBoxRequest& request) {
  QMessageBox box(window());
  box.setWindowTitle(request.caption.empty() ? ApplicationTitle() : ToQString(request.caption));
  box.setText(ToQString(request.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  switch (request.icon) {
    case MessageBoxIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MessageBoxIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageBoxIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageBoxIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageBoxIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  switch (request.buttons) {
    case MessageBoxButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageBoxButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MessageBoxButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageBoxButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  box.setDefaultButton(ToButton(request.defaultAnswer));
  switch (box.exec()) {
    case QMessageBox::Ok:
      return MessageBoxAnswer::Ok;
    case QMessageBox::Cancel:
      return MessageBoxAnswer::Cancel;
    case QMessageBox::Yes:
      return MessageBoxAnswer::Yes;
    case QMessageBox::No:
      return MessageBoxAnswer::No;
    default:
      break;
  }
  // Closed without a button: the box's escape answer.
  return request.buttons == MessageBoxButtons::YesNo ? MessageBoxAnswer::No
                                                     : MessageBoxAnswer::Cancel;
}

void TesseraView::AddToHistory(std::u16string_view line) {
  if (Trimmed(line).empty()) return;
  history_.Add(line);
}

void TesseraView::Beep(std::uint32_t) { QApplication::beep(); }

void TesseraView::SetSoftKeyLabel(std::uint32_t id) {
  softKeyLabel_ = WindowString(id);
  emit softKeyLabelChanged(softKeyLabel_);
}

void TesseraView::SetTitlePrefix(std::uint32_t id) {
  title_ = WindowString(id) + ApplicationTitle();
  emit titleChanged(title_);
}

}  // namespace tessera::ui
