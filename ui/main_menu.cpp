#include "ui/main_menu.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPointer>
#include <memory>

#include "shell/output.h"
#include "ui/command_set.h"
#include "ui/console_edit.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/language_dialog.h"
#include "ui/tessera_view.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

// Command identifiers shared by the menu and accelerator resources.
namespace cmd {
constexpr std::uint32_t kSelectPath = 37003;
constexpr std::uint32_t kFind = 57636;
constexpr std::uint32_t kCut = 57635;
constexpr std::uint32_t kCopy = 57634;
constexpr std::uint32_t kPaste = 57637;
constexpr std::uint32_t kDelete = 32841;
constexpr std::uint32_t kSelectAll = 37006;
constexpr std::uint32_t kClearCommandLine = 32843;
constexpr std::uint32_t kCopyToCommandLine = 32845;
constexpr std::uint32_t kFunctionBar = 32853;
constexpr std::uint32_t kFindBar = 32855;
constexpr std::uint32_t kFirstFont = 37015;
constexpr std::uint32_t kWordWrap = 59397;
constexpr std::uint32_t kLanguage = 32856;
constexpr std::uint32_t kExit = 57665;
constexpr std::uint32_t kMenuPopup = 37022;
constexpr std::uint32_t kOpen = 57601;
constexpr std::uint32_t kSave = 57603;
constexpr std::uint32_t kFunctionBarKey = 37005;
constexpr std::uint32_t kCaseSensitiveKey = 37008;
constexpr std::uint32_t kCaseSensitive = 32835;
constexpr std::uint32_t kShowFindButtons = 32810;
constexpr std::uint32_t kFindNext = 32833;
constexpr std::uint32_t kFindPrevious = 32832;
constexpr std::uint32_t kCloseFindBar = 32834;
constexpr std::uint32_t kEditCommandLine = 32788;
constexpr std::uint32_t kFindCut = 32803;
constexpr std::uint32_t kFindCopy = 32804;
constexpr std::uint32_t kFindPaste = 32805;
constexpr std::uint32_t kFindUndo = 32806;
constexpr std::uint32_t kFindSelectAll = 32807;
constexpr std::uint32_t kFindClear = 32808;
}  // namespace cmd

bool ClipboardHasText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data && data->hasText();
}

void AddConsoleCommands(CommandSet& commands, TesseraView* view) {
  ConsoleEdit* console = view->console();
  commands.Add(cmd::kSelectPath, {.run = [view] { view->SelectPath(); }});
  commands.Add(cmd::kFind, {.run = [view] { view->Find(); }});
  commands.Add(cmd::kOpen, {.run = [view] { view->OpenWithDialog(); }});
  commands.Add(cmd::kSave, {.run = [view] { view->SaveText(); }});
  commands.Add(cmd::kCut, {.run = [console] { console->CutInInput(); },
                           .enabled =
                               [console] {
                                 const QTextCursor selection = console->textCursor();
                                 return selection.hasSelection() &&
                                        selection.selectionEnd() > console->inputStart();
                               }});
  commands.Add(cmd::kCopy, {.run = [console] { console->CopySelection(); },
                            .enabled = [console] { return console->textCursor().hasSelection(); }});
  commands.Add(cmd::kPaste,
               {.run = [console] { console->PasteAtCaret(); }, .enabled = ClipboardHasText});
  // Delete takes the part of the selection in the command line.
  commands.Add(cmd::kDelete, {.run = [console] { console->DeleteSelectionInInput(); },
                              .enabled =
                                  [console] {
                                    const QTextCursor selection = console->textCursor();
                                    return selection.hasSelection() &&
                                           selection.selectionEnd() > console->inputStart();
                                  }});
  commands.Add(cmd::kSelectAll, {.run = [console] { console->SelectInput(); }});
  commands.Add(cmd::kClearCommandLine, {.run = [view] { view->ClearCommandLine(); }});
  commands.Add(cmd::kCopyToCommandLine, {.run = [view] { view->CopyToCommandLine(); }});
}

void AddViewCommands(CommandSet& commands, TesseraView* view) {
  const auto toggleKeyBar = [view] {
    view->ShowFunctionKeyBar(view->functionKeyBar()->isHidden());
  };
  commands.Add(cmd::kFunctionBar, {.run = toggleKeyBar});
  commands.Add(cmd::kFunctionBarKey, {.run = toggleKeyBar});
  commands.Add(cmd::kFindBar, {.run = [view] { view->ShowFindBar(view->findBar()->isHidden()); }});
  for (int font = 0; font < 4; ++font) {
    commands.Add(cmd::kFirstFont + static_cast<std::uint32_t>(font),
                 {.run = [view, font] { view->SelectFont(font); },
                  .checked = [view, font] { return view->fontIndex() == font; },
                  .label = [font] { return FontMenuLabel(font); }});
  }
  commands.Add(cmd::kWordWrap, {.run = [view] { view->SetWordWrap(!view->wordWrap()); },
                                .checked = [view] { return view->wordWrap(); }});
}

void AddFindBarCommands(CommandSet& commands, TesseraView* view) {
  FindBar* bar = view->findBar();
  QLineEdit* edit = bar->edit();
  const auto barShown = [bar] { return !bar->isHidden(); };
  const auto toggleCase = [bar] { bar->SetCaseSensitive(!bar->caseSensitive()); };
  const auto hasSelection = [edit] { return edit->hasSelectedText(); };
  commands.Add(cmd::kCaseSensitiveKey, {.run = toggleCase, .enabled = barShown});
  commands.Add(cmd::kCaseSensitive, {.run = toggleCase, .enabled = barShown, .checked = [bar] {
                                       return bar->caseSensitive();
                                     }});
  commands.Add(cmd::kShowFindButtons, {.run = [bar] { bar->ShowButtons(!bar->buttonsShown()); },
                                       .checked = [bar] { return bar->buttonsShown(); }});
  commands.Add(cmd::kFindNext, {.run = [view] { view->FindNext(false); }});
  commands.Add(cmd::kFindPrevious, {.run = [view] { view->FindNext(true); }});
  commands.Add(cmd::kCloseFindBar,
               {.run = [view] { view->ShowFindBar(false); }, .enabled = barShown});
  // The bar giving up the focus puts the caret back into the command line.
  commands.Add(cmd::kEditCommandLine, {.run = [bar] { emit bar->focusGivenUp(); }});
  commands.Add(cmd::kFindCut, {.run = [edit] { edit->cut(); }, .enabled = hasSelection});
  commands.Add(cmd::kFindCopy, {.run = [edit] { edit->copy(); }, .enabled = hasSelection});
  commands.Add(cmd::kFindPaste, {.run = [edit] { edit->paste(); }, .enabled = ClipboardHasText});
  commands.Add(cmd::kFindUndo, {.run = [edit] { edit->undo(); },
                                .enabled = [edit] { return edit->isUndoAvailable(); }});
  commands.Add(cmd::kFindSelectAll, {.run = [edit] { edit->selectAll(); }});
  commands.Add(cmd::kFindClear, {.run = [edit] { edit->clear(); }});
}

}  // namespace

MainMenu BuildMainMenu(CommandSet& commands, QWidget* owner, TesseraView* view) {
  AddConsoleCommands(commands, view);
  AddViewCommands(commands, view);
  AddFindBarCommands(commands, view);
  commands.Add(cmd::kLanguage, {.run = [owner] { ChooseLanguageInDialog(owner->window()); }});
  commands.Add(cmd::kExit, {.run = [owner] { owner->window()->close(); }});

  // Ctrl+M opens the main menu in the middle of the window.
  auto mainMenu = std::make_shared<QPointer<QMenu>>();
  commands.Add(cmd::kMenuPopup, {.run = [owner, mainMenu] {
                 if (*mainMenu) (*mainMenu)->popup(owner->mapToGlobal(owner->rect().center()));
               }});
  commands.BindKeys(kWindowKeys);
  MainMenu built;
  built.menu = commands.BuildMenu(kMainMenu, owner);
  *mainMenu = built.menu;
  built.console = commands.BuildMenu(kConsoleMenu, owner);
  built.findBar = commands.BuildMenu(kFindBarMenu, owner);
  return built;
}

}  // namespace tessera::ui
