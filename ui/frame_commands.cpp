#include "ui/frame_commands.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

#include "launch/help_viewer.h"
#include "ui/about_dialog.h"
#include "ui/command_set.h"
#include "ui/find_bar.h"
#include "ui/main_window.h"
#include "ui/options_sheet.h"
#include "ui/qt_text.h"
#include "ui/recent_files.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

namespace {

constexpr std::uint32_t kExitCommand = 57665;

// A recently used entry as a menu item: numbered, '&' shown as itself.
QString RecentItemText(std::size_t index, const std::u16string& entry) {
  QString name = ToQString(RecentDisplayName(entry));
  name.replace(QChar(u'&'), QStringLiteral("&&"));
  name.replace(QChar(u'\t'), QChar(u' '));
  return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

}  // namespace

void AddFrameCommands(CommandSet& commands, MainWindow& window) {
  MainWindow* frame = &window;
  commands.Add(kOptionsCommand, {.run = [frame] { ShowOptionsSheet(*frame); }});
  commands.Add(kAboutCommand, {.run = [frame] { ShowAboutDialog(frame); }});
  // The viewer runs on its own; whether it started is not the window's
  // concern.
  commands.Add(kHelpContentsCommand, {.run = [] { ShowHelpPage(kUserGuidePage); }});
  commands.Add(kCommandReferenceCommand, {.run = [] { ShowHelpPage(kCommandReferencePage); }});

  const RecentFileList& recent = window.recentFiles();
  for (std::size_t index = 0; index < kRecentFileCount; ++index) {
    const auto id = kFirstRecentFileCommand + static_cast<std::uint32_t>(index);
    commands.Add(id, {.run = [frame, index] { frame->OpenRecent(index); },
                      .enabled = [&recent, index] { return index < recent.entries().size(); },
                      .label =
                          [&recent, index] {
                            return index < recent.entries().size()
                                       ? RecentItemText(index, recent.entries()[index])
                                       : QString();
                          }});
  }

  TesseraView* view = window.view();
  commands.Add(kFindOn, {.run = [view] { view->FindNext(view->findBackward()); }});
  commands.Add(kFindReversed, {.run = [view] { view->FindNext(!view->findBackward()); }});
  // Undo works in the find bar's text; the console has none, since it
  // could reach back into the output.
  QLineEdit* findText = view->findBar()->edit();
  commands.Add(kUndoCommand, {.run = [findText] {
                 if (findText->hasFocus()) findText->undo();
               }});
}

void AddRecentFileItems(QMenu* mainMenu, CommandSet& commands, const RecentFileList& recent) {
  QAction* exit = nullptr;
  for (QAction* action : mainMenu->actions()) {
    if (!action->menu() && !action->isSeparator() &&
        action->data().value<std::uint32_t>() == kExitCommand)
      exit = action;
  }
  std::vector<QAction*> items;
  for (std::size_t index = 0; index < kRecentFileCount; ++index) {
    const auto id = kFirstRecentFileCommand + static_cast<std::uint32_t>(index);
    auto* item = new QAction(mainMenu);
    item->setData(QVariant::fromValue(id));
    QObject::connect(item, &QAction::triggered, &commands, [&commands, id] { commands.Run(id); });
    mainMenu->insertAction(exit, item);
    items.push_back(item);
  }
  QAction* separator = mainMenu->insertSeparator(exit);
  const auto showEntries = [items, separator, &recent] {
    for (std::size_t index = 0; index < items.size(); ++index)
      items[index]->setVisible(index < recent.entries().size());
    separator->setVisible(!recent.entries().empty());
  };
  QObject::connect(mainMenu, &QMenu::aboutToShow, mainMenu, showEntries);
  showEntries();
}

}  // namespace tessera::ui
