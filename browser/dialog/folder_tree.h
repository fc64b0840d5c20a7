// The browser's folder tree: "My Device" (the device's root) and the
// folders below it, read when a folder is first opened.
#pragma once

#include <QTreeWidget>
#include <string>
#include <string_view>

namespace tessera::browser {

class FolderTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit FolderTree(QWidget* parent = nullptr);

  // Empties the tree down to its root; hidden folders are shown or not.
  void Reset(bool showHidden);
  // Opens the tree down to folder and makes it the current item, as far as
  // the tree has the folders of the path (a hidden one it has not).
  void ShowFolder(std::u16string_view folder);
  // Reads the sub-folders of folder again, where the tree has read them
  // before; what stays keeps its state.
  void Reload(std::u16string_view folder);
  // The device path of an item ("\" for the root).
  static std::u16string PathOf(const QTreeWidgetItem* item);

 signals:
  // The user made another folder the current item.
  void folderChosen(const QString& path);

 private:
  // Reads item's sub-folders from the device and brings its children in
  // line with them.
  void Fill(QTreeWidgetItem* item);
  QTreeWidgetItem* ChildNamed(QTreeWidgetItem* item, std::u16string_view name);
  // The item of folder when the tree has read that far; else null.
  QTreeWidgetItem* ItemOf(std::u16string_view folder);

  bool showHidden_ = false;
  bool moving_ = false;
};

}  // namespace tessera::browser
