#include "ui/tessera_view.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include "shell/batch.h"
#include "shell/environment.h"
#include "shell/output.h"
#include "shell/startup_batch.h"
#include "shell/typed_line.h"
#include "ui/console_edit.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/typed_line.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

constexpr int kFlashMilliseconds = 100;

}  // namespace

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

  ApplyColors(true);
  RebuildFonts(std::bitset<4>().set());
  SelectFont(ReadFontIndex());
  ApplyWordWrap(ReadWordWrap());

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
  AddFunctionKeyShortcuts();

  enterTimer_.setSingleShot(true);
  enterTimer_.setInterval(static_cast<int>(kDoubleEnterInterval) + 100);
  connect(&enterTimer_, &QTimer::timeout, this, &TesseraView::RunCommandLine);

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
}

void TesseraView::Start() {
  PrintPrompt(context_);
  console_->MarkInputStart();
  console_->GoToCaret();
  console_->setFocus();
}

void TesseraView::RunStartupBatch() {
  const std::optional<std::u16string> call = ChooseStartupBatch();
  Start();
  if (!call) return;
  BeginCommand();
  PrintLine(u"");
  CallBatch(*call, context_);
  EndCommand();
}

void TesseraView::BeginCommand() {
  SessionFlags& session = Session();
  session.commandRunning = true;
  session.stopRequested = false;
  console_->SetBusy(true);
  SetSoftKeyLabel(kLabelCommandRunning);
  emit commandRunningChanged(true);
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
  emit commandRunningChanged(false);
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
  const std::u16string_view line = TrimTypedLine(input);
  if (!line.empty() && !RunViewCommand(line)) RunTypedLine(line, context_);
  EndCommand();
  if (caretWasShown) console_->ShowCaret(true);
  if (closeRequested_) emit closeWanted();
}

bool TesseraView::RunViewCommand(std::u16string_view line) {
  const std::optional<BarCommand> command = ParseBarCommand(line);
  if (!command) return false;
  AddToHistory(line);
  if (command->bar == CommandBar::FunctionKeys) {
    ShowFunctionKeyBar(command->show);
  } else {
    ShowFindBar(command->show);
  }
  return true;
}

void TesseraView::RequestStop() {
  if (Session().commandRunning) Session().stopRequested = true;
}

void TesseraView::Flash() {
  ++flashCount_;
  flashFrame_->setGeometry(console_->rect());
  flashFrame_->show();
  flashFrame_->raise();
  QTimer::singleShot(kFlashMilliseconds, flashFrame_, &QFrame::hide);
}

bool TesseraView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == console_ && event->type() == QEvent::ShortcutOverride && scrollMode_ &&
      !Session().commandRunning)
    return HandleScrollModeShortcut(static_cast<QKeyEvent*>(event));
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

}  // namespace tessera::ui
