#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/output.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "ui/command_set.h"
#include "ui/console_edit.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/main_menu.h"
#include "ui/tessera_view.h"
#include "ui/window_placement.h"
#include "ui/window_settings.h"

namespace tessera::ui {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      view_(new TesseraView(this)),
      softKey_(new QPushButton(this)),
      menuKey_(new QPushButton(WindowString(32802), this)) {
  auto* frame = new QWidget(this);
  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(view_, 1);
  auto* strip = new QWidget(frame);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(2, 2, 2, 2);
  softKey_->setObjectName(QStringLiteral("softKey"));
  softKey_->setFocusPolicy(Qt::NoFocus);
  menuKey_->setFocusPolicy(Qt::NoFocus);
  row->addWidget(softKey_);
  row->addStretch(1);
  row->addWidget(menuKey_);
  column->addWidget(strip);
  setCentralWidget(frame);

  softKey_->setText(view_->softKeyLabel());
  setWindowTitle(view_->title());
  connect(softKey_, &QPushButton::clicked, view_, &TesseraView::SoftKey);
  connect(view_, &TesseraView::softKeyLabelChanged, softKey_, &QPushButton::setText);
  connect(view_, &TesseraView::titleChanged, this, &QMainWindow::setWindowTitle);
  connect(view_, &TesseraView::closeWanted, this, &QMainWindow::close, Qt::QueuedConnection);
  BuildMenu();
  if (ReadSettingInt(kSettingsSection, u"SHOW_CMDBAR_SEARCH", 0) == 1) view_->ShowFindBar(true);
  if (ReadSettingInt(kSettingsSection, u"SHOW_CMDBAR_DOS_COMMAND", 0) == 1)
    view_->ShowFunctionKeyBar(true);
  new WindowPlacement(this);
}

void MainWindow::BuildMenu() {
  commands_ = new CommandSet(this);
  menus_ = BuildMainMenu(*commands_, this, view_);
  menuKey_->setMenu(menus_.menu);
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
