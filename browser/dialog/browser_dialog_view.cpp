// The browser's list styles, sort order and options, and its menu.
#include <QHeaderView>
#include <QListView>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeView>

#include "browser/dialog/browser_dialog.h"
#include "browser/dialog/file_list_model.h"
#include "browser/dialog/folder_tree.h"
#include "ui/command_set.h"

namespace tessera::browser {

void BrowserDialog::SetListStyle(int style) {
  if (style < kListStyleIcon || style > kListStyleDetail) style = kListStyleList;
  settings_.listStyle = style;
  const bool hadFocus = listView()->hasFocus();
  const int unit = std::max(1, fontMetrics().averageCharWidth());
  if (style == kListStyleDetail) {
    views_->setCurrentWidget(detailView_);
  } else {
    const bool icons = style == kListStyleIcon;
    iconView_->setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    iconView_->setFlow(icons ? QListView::LeftToRight : QListView::TopToBottom);
    iconView_->setWrapping(true);
    iconView_->setResizeMode(QListView::Adjust);
    iconView_->setMovement(QListView::Static);
    iconView_->setWordWrap(icons);
    iconView_->setUniformItemSizes(icons);
    iconView_->setTextElideMode(icons ? Qt::ElideMiddle : Qt::ElideRight);
    const int iconSize = icons ? 32 : 16;
    iconView_->setIconSize(QSize(iconSize, iconSize));
    iconView_->setGridSize(icons ? QSize(unit * 16, iconSize + fontMetrics().height() * 3)
                                 : QSize());
    iconView_->setSpacing(icons ? 0 : 1);
    views_->setCurrentWidget(iconView_);
  }
  for (int each = 0; each < 3; ++each) styleButtons_[each]->setChecked(each == style);
  if (hadFocus) listView()->setFocus();
  if (listView()->currentIndex().isValid()) listView()->scrollTo(listView()->currentIndex());
}

void BrowserDialog::ChooseSortKey(int key) {
  sort_.Choose(key);
  settings_.sortKey = sort_.key;
  model_->Sort(sort_);
  UpdateSortIndicator();
  if (listView()->currentIndex().isValid()) listView()->scrollTo(listView()->currentIndex());
}

void BrowserDialog::UpdateSortIndicator() {
  // The type has no column of its own.
  const int column = sort_.key >= kSortByName && sort_.key <= kSortByTime ? sort_.key : -1;
  detailView_->header()->setSortIndicator(
      column, sort_.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void BrowserDialog::SetOption(std::uint32_t bit, bool on) {
  settings_.commonMode = on ? (settings_.commonMode | bit) : (settings_.commonMode & ~bit);
  if (bit == kModeMultipleSelection) {
    ApplySelectionMode();
    return;
  }
  // Shortcuts are either listed as files or hidden, never both.
  if (on && bit == kModeHideShortcuts) settings_.commonMode &= ~kModeShortcutsAsFiles;
  if (on && bit == kModeShortcutsAsFiles) settings_.commonMode &= ~kModeHideShortcuts;
  if (bit == kModeShowHidden) {
    tree_->Reset(on);
    tree_->ShowFolder(folder_);
  }
  Relist();
}

void BrowserDialog::ApplySelectionMode() {
  const auto mode = (settings_.commonMode & kModeMultipleSelection)
                        ? QAbstractItemView::ExtendedSelection
                        : QAbstractItemView::SingleSelection;
  iconView_->setSelectionMode(mode);
  detailView_->setSelectionMode(mode);
  if (mode == QAbstractItemView::SingleSelection) {
    const QModelIndex current = listView()->currentIndex();
    const bool keep =
        current.isValid() && listView()->selectionModel()->isRowSelected(current.row(), {});
    listView()->selectionModel()->clearSelection();
    if (keep)
      listView()->selectionModel()->select(current,
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

void BrowserDialog::BuildMenu() {
  commands_ = new ui::CommandSet(this);
  const auto anySelected = [this] { return !SelectedFileNames().empty(); };
  commands_->Add(command::kUp,
                 {.run = [this] { GoUp(); }, .enabled = [this] { return folder_ != u"\\"; }});
  commands_->Add(command::kRefresh, {.run = [this] { Refresh(); }});
  commands_->Add(command::kCut,
                 {.run = [this] { CutOrCopy(ClipboardMode::Cut); }, .enabled = anySelected});
  commands_->Add(command::kCopy,
                 {.run = [this] { CutOrCopy(ClipboardMode::Copy); }, .enabled = anySelected});
  commands_->Add(command::kPaste,
                 {.run = [this] { Paste(); }, .enabled = [this] { return !clipboard_.empty(); }});
  commands_->Add(command::kDelete, {.run = [this] { DeleteSelected(); }, .enabled = anySelected});
  for (int style = kListStyleIcon; style <= kListStyleDetail; ++style) {
    commands_->Add(command::kIconStyle + static_cast<std::uint32_t>(style),
                   {.run = [this, style] { SetListStyle(style); },
                    .checked = [this, style] { return settings_.listStyle == style; }});
  }
  const auto option = [this](std::uint32_t id, std::uint32_t bit) {
    commands_->Add(id, {.run = [this, bit] { SetOption(bit, !(settings_.commonMode & bit)); },
                        .checked = [this, bit] { return (settings_.commonMode & bit) != 0; }});
  };
  option(command::kShowFolders, kModeShowFolders);
  option(command::kShortcutsAsFiles, kModeShortcutsAsFiles);
  option(command::kHideShortcuts, kModeHideShortcuts);
  option(command::kMultipleSelection, kModeMultipleSelection);
  for (int key = kSortByName; key <= kSortByType; ++key) {
    commands_->Add(command::kSortByName + static_cast<std::uint32_t>(key),
                   {.run = [this, key] { ChooseSortKey(key); },
                    .checked = [this, key] { return sort_.key == key; }});
  }
  commands_->BindKeys(kBrowserKeys);
  menu_ = commands_->BuildMenu(kBrowserMenu, this);
  menuButton_->setMenu(menu_);
  UpdateSortIndicator();
}

}  // namespace tessera::browser
