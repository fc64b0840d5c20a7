#include "browser/dialog/folder_tree.h"

#include <QHeaderView>
#include <vector>

#include "browser/browser_paths.h"
#include "browser/dialog/entry_icons.h"
#include "browser/folder_listing.h"
#include "browser/list_columns.h"
#include "platform/text.h"

namespace tessera::browser {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kFilledRole = Qt::UserRole + 1;

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The components of a device path.
std::vector<std::u16string_view> Components(std::u16string_view path) {
  std::vector<std::u16string_view> parts;
  while (!path.empty()) {
    const std::size_t slash = std::min(path.find(u'\\'), path.size());
    if (slash > 0) parts.push_back(path.substr(0, slash));
    path.remove_prefix(std::min(slash + 1, path.size()));
  }
  return parts;
}

QTreeWidgetItem* NewFolderItem(std::u16string_view name, std::u16string_view path,
                               const QIcon& icon) {
  auto* item = new QTreeWidgetItem(QStringList{ToQString(name)});
  item->setData(0, kPathRole, ToQString(path));
  item->setIcon(0, icon);
  // Whether it has sub-folders is known once it is opened.
  item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  return item;
}

}  // namespace

FolderTree::FolderTree(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setUniformRowHeights(true);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    if (!item->data(0, kFilledRole).toBool()) Fill(item);
  });
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item && !moving_) emit folderChosen(ToQString(PathOf(item)));
  });
}

std::u16string FolderTree::PathOf(const QTreeWidgetItem* item) {
  return item->data(0, kPathRole).toString().toStdU16String();
}

void FolderTree::Reset(bool showHidden) {
  showHidden_ = showHidden;
  moving_ = true;
  clear();
  EntryIcons icons;
  auto* root = NewFolderItem(TreeRootName(), u"\\", icons.Icon(kIconFolder));
  addTopLevelItem(root);
  moving_ = false;
}

void FolderTree::Fill(QTreeWidgetItem* item) {
  ListOptions options;
  options.showHidden = showHidden_;
  options.shortcuts = ShortcutView::Hide;
  const std::u16string folder = PathOf(item);
  const auto entries = ListFolder(folder, options);
  std::vector<std::u16string> names;
  if (entries.ok()) {
    for (const ListEntry& entry : *entries) {
      if (entry.isFolder() && !entry.isParent()) names.push_back(entry.fileName);
    }
  }
  const bool wasMoving = moving_;
  moving_ = true;
  // Children that are gone go; the rest keep their state.
  for (int i = item->childCount(); i-- > 0;) {
    const std::u16string name = item->child(i)->text(0).toStdU16String();
    const bool stays = std::any_of(names.begin(), names.end(),
                                   [&name](const std::u16string& n) { return n == name; });
    if (!stays) delete item->takeChild(i);
  }
  EntryIcons icons;
  const QIcon folderIcon = icons.Icon(kIconFolder);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const int at = static_cast<int>(i);
    if (at < item->childCount() && item->child(at)->text(0).toStdU16String() == names[i]) continue;
    item->insertChild(at, NewFolderItem(names[i], ChildPath(folder, names[i]), folderIcon));
  }
  item->setData(0, kFilledRole, true);
  item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
  moving_ = wasMoving;
}

QTreeWidgetItem* FolderTree::ChildNamed(QTreeWidgetItem* item, std::u16string_view name) {
  for (int i = 0; i < item->childCount(); ++i) {
    if (platform::EqualsNoCase(item->child(i)->text(0).toStdU16String(), name))
      return item->child(i);
  }
  return nullptr;
}

void FolderTree::ShowFolder(std::u16string_view folder) {
  if (topLevelItemCount() == 0) Reset(showHidden_);
  moving_ = true;
  QTreeWidgetItem* item = topLevelItem(0);
  for (const std::u16string_view name : Components(folder)) {
    if (!item->data(0, kFilledRole).toBool() || !ChildNamed(item, name)) Fill(item);
    QTreeWidgetItem* child = ChildNamed(item, name);
    if (!child) break;
    item->setExpanded(true);
    item = child;
  }
  setCurrentItem(item);
  scrollToItem(item);
  moving_ = false;
}

QTreeWidgetItem* FolderTree::ItemOf(std::u16string_view folder) {
  if (topLevelItemCount() == 0) return nullptr;
  QTreeWidgetItem* item = topLevelItem(0);
  for (const std::u16string_view name : Components(folder)) {
    item = ChildNamed(item, name);
    if (!item) return nullptr;
  }
  return item;
}

void FolderTree::Reload(std::u16string_view folder) {
  QTreeWidgetItem* item = ItemOf(folder);
  if (item && item->data(0, kFilledRole).toBool()) Fill(item);
}

}  // namespace tessera::browser
