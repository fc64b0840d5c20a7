#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/output.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "ui/command_set.h"
#include "ui/console_edit.h"
#include "ui/find_bar.h"
#include "ui/frame_commands.h"
#include "ui/function_key_bar.h"
#include "ui/main_menu.h"
#include "ui/tessera_view.h"
#include "ui/window_placement.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

// The find bar's left soft key: its direction, forward or backward.
constexpr std::uint32_t kStringFindNext = 37000;
constexpr std::uint32_t kStringFindPrevious = 37006;

QString DirectionLabel(bool backward) {
  const QString label = WindowString(backward ? kStringFindPrevious : kStringFindNext);
  if (label != QStringLiteral("****")) return label;
  return backward ? QStringLiteral("Prev") : QStringLiteral("Next");
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      view_(new TesseraView(this)),
      strip_(new QWidget(this)),
      softKey_(new QPushButton(strip_)),
      reverseKey_(new QPushButton(strip_)),
      menuKey_(new QPushButton(WindowString(32802), strip_)) {
  auto* frame = new QWidget(this);
  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(view_, 1);
  auto* row = new QHBoxLayout(strip_);
  row->setContentsMargins(2, 2, 2, 2);
  softKey_->setObjectName(QStringLiteral("softKey"));
  reverseKey_->setObjectName(QStringLiteral("reverseKey"));
  for (QPushButton* key : {softKey_, reverseKey_, menuKey_}) key->setFocusPolicy(Qt::NoFocus);
  reverseKey_->hide();
  row->addWidget(softKey_);
  row->addWidget(reverseKey_);
  row->addStretch(1);
  row->addWidget(menuKey_);
  column->addWidget(strip_);
  setCentralWidget(frame);

  recent_.Load();
  setWindowTitle(view_->title());
  connect(softKey_, &QPushButton::clicked, this, &MainWindow::LeftSoftKey);
  connect(view_, &TesseraView::softKeyLabelChanged, this, &MainWindow::UpdateSoftKeys);
  connect(view_, &TesseraView::titleChanged, this, &QMainWindow::setWindowTitle);
  connect(view_, &TesseraView::closeWanted, this, &QMainWindow::close, Qt::QueuedConnection);
  connect(view_, &TesseraView::commandRunningChanged, this, &MainWindow::UpdateSoftKeys);
  connect(view_, &TesseraView::findDirectionChanged, this, &MainWindow::UpdateSoftKeys);
  connect(view_, &TesseraView::openedAsCommand, this,
          [this](const QString& path) { recent_.Add(path.toStdU16String()); });
  connect(qApp, &QApplication::focusChanged, this, &MainWindow::UpdateSoftKeys);
  BuildMenu();
  connect(reverseKey_, &QPushButton::clicked, this, [this] { commands_->Run(kFindReversed); });
  UpdateSoftKeys();
  ShowSoftKeys(ReadSettingInt(kSettingsSection, u"USE_SOFT_KEY_MENU", 1) != 0);
  if (ReadSettingInt(kSettingsSection, u"SHOW_CMDBAR_SEARCH", 0) == 1) view_->ShowFindBar(true);
  if (ReadSettingInt(kSettingsSection, u"SHOW_CMDBAR_DOS_COMMAND", 0) == 1)
    view_->ShowFunctionKeyBar(true);
  new WindowPlacement(this);
}

// While the base classes take the children down, focus moves and the view
// still signals: none of that may reach this window's own slots any more.
MainWindow::~MainWindow() {
  disconnect(qApp, nullptr, this, nullptr);
  if (view_) view_->disconnect(this);
}

void MainWindow::BuildMenu() {
  commands_ = new CommandSet(this);
  AddFrameCommands(*commands_, *this);
  menus_ = BuildMainMenu(*commands_, this, view_);
  AddRecentFileItems(menus_.menu, *commands_, recent_);
  // A press and hold (or the right button) on the console opens its menu;
  // on the find bar's text, the find bar's menu.
  view_->console()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_->console(), &QWidget::customContextMenuRequested, this,
          [this, menu = menus_.console](const QPoint& at) {
            if (Session().commandRunning) return;
            menu->popup(view_->console()->viewport()->mapToGlobal(at));
          });
  QLineEdit* findText = view_->findBar()->edit();
  findText->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(findText, &QWidget::customContextMenuRequested, this,
          [findText, menu = menus_.findBar](const QPoint& at) {
            if (Session().commandRunning) return;
            menu->popup(findText->mapToGlobal(at));
          });
}

void MainWindow::ShowSoftKeys(bool show) { strip_->setVisible(show); }

void MainWindow::UpdateSoftKeys() {
  // The focus in another window (a menu that popped up, a dialog) leaves
  // the keys as they are.
  QWidget* focus = QApplication::focusWidget();
  const bool running = Session().commandRunning;
  if (running) {
    findBarKeys_ = false;
  } else if (focus && focus->window() == this) {
    findBarKeys_ = view_->findBar()->isAncestorOf(focus);
  }
  if (findBarKeys_) {
    const bool backward = view_->findBackward();
    softKey_->setText(DirectionLabel(backward));
    reverseKey_->setText(DirectionLabel(!backward));
    reverseKey_->show();
    menuKey_->setMenu(menus_.findBar);
  } else {
    softKey_->setText(view_->softKeyLabel());
    reverseKey_->hide();
    menuKey_->setMenu(menus_.menu);
  }
}

void MainWindow::LeftSoftKey() {
  if (findBarKeys_) {
    commands_->Run(kFindOn);
  } else {
    view_->SoftKey();
  }
}

void MainWindow::OpenRecent(std::size_t index) {
  if (index >= recent_.entries().size() || Session().commandRunning) return;
  const std::u16string entry = recent_.entries()[index];
  if (view_->OpenRecentEntry(entry) == kOk) {
    recent_.Add(entry);
  } else {
    recent_.Remove(entry);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running command finishes first; programs still running are the
  // user's to end.
  if (!ConfirmClose()) {
    event->ignore();
    return;
  }
  StoreBarSettings();
  event->accept();
}

void MainWindow::StoreBarSettings() {
  StoreWindowSetting(u"SHOW_CMDBAR_SEARCH", view_->findBar()->isHidden() ? 0 : 1);
  StoreWindowSetting(u"FIND_CASE_SENSITIVE", view_->findBar()->caseSensitive() ? 1 : 0);
  StoreWindowSetting(u"FIND_SHOW_CMD_BUTTONS", view_->findBar()->buttonsShown() ? 1 : 0);
  StoreWindowSetting(u"SHOW_CMDBAR_DOS_COMMAND", view_->functionKeyBar()->isHidden() ? 0 : 1);
}

}  // namespace tessera::ui
