#include "ui/main_menu.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/tessera_view.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

struct Item {
  QMenu* menu;
  QWidget* owner;

  template <typename Action>
  QAction* Add(const QString& text, const QKeySequence& keys, Action action) const {
    QAction* item = menu->addAction(text);
    if (!keys.isEmpty()) {
      item->setShortcut(keys);
      item->setShortcutContext(Qt::WindowShortcut);
      owner->addAction(item);
    }
    // Through its shortcut too, an item does nothing while a command runs.
    QObject::connect(item, &QAction::triggered, owner, [action] {
      if (!Session().commandRunning) action();
    });
    return item;
  }
};

bool ClipboardHasText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data && data->hasText();
}

// Most items wait for the running command; Stop-like items are not here.
void EnableWhileIdle(QMenu* menu) {
  const bool idle = !Session().commandRunning;
  for (QAction* item : menu->actions()) {
    if (!item->menu()) item->setEnabled(idle);
  }
}

}  // namespace

MainMenu BuildMainMenu(QWidget* owner, TesseraView* view) {
  MainMenu built;
  built.menu = new QMenu(owner);
  const Item main{built.menu, owner};
  main.Add(QStringLiteral("&Select Path ...\tCtrl+R"), QKeySequence(Qt::CTRL | Qt::Key_R),
           [view] { view->SelectPath(); });
  main.Add(QStringLiteral("&Find...\tCtrl+F"), QKeySequence(Qt::CTRL | Qt::Key_F),
           [view] { view->Find(); });

  built.edit = built.menu->addMenu(QStringLiteral("&Edit"));
  const Item edit{built.edit, owner};
  ConsoleEdit* console = view->console();
  QAction* cut =
      edit.Add(QStringLiteral("Cu&t"), QKeySequence(), [console] { console->CutInInput(); });
  QAction* copy =
      edit.Add(QStringLiteral("&Copy"), QKeySequence(), [console] { console->CopySelection(); });
  QAction* paste =
      edit.Add(QStringLiteral("&Paste"), QKeySequence(), [console] { console->PasteAtCaret(); });
  QAction* remove = edit.Add(QStringLiteral("&Delete"), QKeySequence(),
                             [console] { console->DeleteSelectionInInput(); });
  edit.Add(QStringLiteral("Sellect &All\tCtrl+A"), QKeySequence(),
           [console] { console->SelectInput(); });
  edit.Add(QStringLiteral("Clear Command &Line Text\tCtrl+L"), QKeySequence(Qt::CTRL | Qt::Key_L),
           [view] { view->ClearCommandLine(); });
  edit.Add(QStringLiteral("Copy to Co&mmand Line"), QKeySequence(),
           [view] { view->CopyToCommandLine(); });
  QObject::connect(built.edit, &QMenu::aboutToShow, owner, [=] {
    EnableWhileIdle(built.edit);
    const QTextCursor selection = console->textCursor();
    const bool running = Session().commandRunning;
    cut->setEnabled(!running && selection.hasSelection() &&
                    selection.selectionEnd() > console->inputStart());
    copy->setEnabled(!running && selection.hasSelection());
    paste->setEnabled(!running && ClipboardHasText());
    // Delete takes the part of the selection in the command line.
    remove->setEnabled(!running && selection.hasSelection() &&
                       selection.selectionEnd() > console->inputStart());
  });

  built.view = built.menu->addMenu(QStringLiteral("&View"));
  const Item show{built.view, owner};
  show.Add(QStringLiteral("&Function Bar"), QKeySequence(),
           [view] { view->ShowFunctionKeyBar(view->functionKeyBar()->isHidden()); });
  show.Add(QStringLiteral("&Find Bar"), QKeySequence(),
           [view] { view->ShowFindBar(view->findBar()->isHidden()); });
  built.view->addSeparator();
  std::array<QAction*, 4> fonts{};
  for (int font = 0; font < 4; ++font) {
    fonts[static_cast<std::size_t>(font)] = show.Add(
        FontMenuLabel(font), QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + font)),
        [view, font] { view->SelectFont(font); });
    fonts[static_cast<std::size_t>(font)]->setCheckable(true);
  }
  QAction* wrap = show.Add(QStringLiteral("&Word wrap"), QKeySequence(),
                           [view] { view->SetWordWrap(!view->wordWrap()); });
  wrap->setCheckable(true);
  QObject::connect(built.view, &QMenu::aboutToShow, owner, [=] {
    EnableWhileIdle(built.view);
    for (int font = 0; font < 4; ++font)
      fonts[static_cast<std::size_t>(font)]->setChecked(view->fontIndex() == font);
    wrap->setChecked(view->wordWrap());
  });

  built.menu->addSeparator();
  main.Add(QStringLiteral("E&xit"), QKeySequence(), [owner] { owner->window()->close(); });
  QObject::connect(built.menu, &QMenu::aboutToShow, owner,
                   [menu = built.menu] { EnableWhileIdle(menu); });
  // Items greyed while a command runs have no working shortcut either,
  // until the command ends.
  QObject::connect(view, &TesseraView::commandRunningChanged, owner, [built] {
    for (QMenu* menu : {built.menu, built.edit, built.view}) EnableWhileIdle(menu);
  });
  return built;
}

}  // namespace tessera::ui
