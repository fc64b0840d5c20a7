#include "ui/main_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>

#include "launch/process_table.h"
#include "shell/output.h"
#include "shell/settings.h"
#include "ui/console_edit.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/tessera_view.h"
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
  if (ReadSettingInt(kSettingsSection, u"SHOW_CMDBAR_DOS_COMMAND", 0) == 1) view_->ShowFunctionKeyBar(true);
  resize(480, 640);
}

void MainWindow::BuildMenu() {
  auto* menu = new QMenu(this);
  auto add = [this, menu](const QString& text, const QKeySequence& keys, auto action) {
    QAction* item = menu->addAction(text);
    if (!keys.isEmpty()) {
      item->setShortcut(keys);
      item->setShortcutContext(Qt::WindowShortcut);
      addAction(item);
    }
    connect(item, &QAction::triggered, view_, action);
    return item;
  };
  add(QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), [this] { view_->OpenWithDialog(); });
  add(QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F), [this] { view_->Find(); });
  menu->addSeparator();
  add(QStringLiteral("Clear Command &Line Text"), QKeySequence(Qt::CTRL | Qt::Key_L),
      [this] { view_->ClearCommandLine(); });
  add(QStringLiteral("Copy to Co&mmand Line"), QKeySequence(), [this] { view_->CopyToCommandLine(); });
  add(QStringLiteral("&Delete"), QKeySequence(), [this] { view_->console()->DeleteSelectionInInput(); });
  menu->addSeparator();
  add(QStringLiteral("&Function Bar"), QKeySequence(Qt::CTRL | Qt::Key_D),
      [this] { view_->ShowFunctionKeyBar(view_->functionKeyBar()->isHidden()); });
  add(QStringLiteral("&Find Bar"), QKeySequence(), [this] { view_->ShowFindBar(view_->findBar()->isHidden()); });
  QAction* wrap = add(QStringLiteral("&Word wrap"), QKeySequence(),
                      [this] { view_->SetWordWrap(!view_->wordWrap()); });
  wrap->setCheckable(true);
  wrap->setChecked(view_->wordWrap());
  for (int font = 0; font < 4; ++font) {
    add(QStringLiteral("Font&%1").arg(font + 1), QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + font)),
        [this, font] { view_->SelectFont(font); });
  }
  menu->addSeparator();
  add(QStringLiteral("E&xit"), QKeySequence(), [this] { close(); });
  // Nothing of the menu runs while a command does.
  connect(menu, &QMenu::aboutToShow, this, [menu] {
    for (QAction* item : menu->actions()) item->setEnabled(!Session().commandRunning);
  });
  menuKey_->setMenu(menu);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running command finishes first; programs still running are the
  // user's to end.
  if (Session().commandRunning || (PurgeForExit() > 0 && !ConfirmExitWithPrograms())) {
    event->ignore();
    return;
  }
  StoreWindowSetting(u"SHOW_CMDBAR_SEARCH", view_->findBar()->isHidden() ? 0 : 1);
  StoreWindowSetting(u"SHOW_CMDBAR_DOS_COMMAND", view_->functionKeyBar()->isHidden() ? 0 : 1);
  StoreWindowSetting(u"FIND_CASE_SENSITIVE", view_->findBar()->caseSensitive() ? 1 : 0);
  event->accept();
}

}  // namespace tessera::ui
