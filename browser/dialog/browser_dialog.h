// The shell's own file chooser: the folder tree of the device, the list of
// the folder shown (icon, list or detail style, sorted by a column), a name
// field and the filter list. It opens a file, picks a path for the command
// line or names a file to write, and copies, moves and deletes files and
// folders with its own clipboard. Its parts: browser_dialog (layout,
// navigation, choosing), browser_dialog_view (styles, sorting, options, the
// menu) and browser_dialog_edit (Cut, Copy, Paste, Delete).
#pragma once

#include <QDialog>
#include <QSize>
#include <string>
#include <vector>

#include "browser/browser_settings.h"
#include "browser/entry_sort.h"
#include "browser/file_clipboard.h"
#include "browser/file_filter.h"
#include "browser/folder_listing.h"
#include "browser/typed_name.h"

class QAbstractItemView;
class QKeyEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QTreeView;

namespace tessera::ui {
class CommandSet;
}

namespace tessera::browser {

class FileListModel;
class FolderTree;

// Resource identifiers of the dialog, its menu and its keys.
inline constexpr std::uint32_t kBrowserDialog = 136;
inline constexpr std::uint32_t kBrowserMenu = 137;
inline constexpr std::uint32_t kBrowserKeys = 137;
inline constexpr std::uint32_t kNameLabel = 1150;
inline constexpr std::uint32_t kFilterLabel = 1151;

// Commands of the browser's menu.
namespace command {
inline constexpr std::uint32_t kUp = 33010;
inline constexpr std::uint32_t kRefresh = 33011;
inline constexpr std::uint32_t kCut = 33012;
inline constexpr std::uint32_t kCopy = 33013;
inline constexpr std::uint32_t kPaste = 33014;
inline constexpr std::uint32_t kDelete = 33015;
inline constexpr std::uint32_t kIconStyle = 33020;
inline constexpr std::uint32_t kListStyle = 33021;
inline constexpr std::uint32_t kDetailStyle = 33022;
inline constexpr std::uint32_t kShowFolders = 33023;
inline constexpr std::uint32_t kShortcutsAsFiles = 33024;
inline constexpr std::uint32_t kMultipleSelection = 33025;
inline constexpr std::uint32_t kHideShortcuts = 33027;
inline constexpr std::uint32_t kSortByName = 33030;  // 33030..33033: the four sort keys
}  // namespace command

struct BrowseRequest {
  BrowseMode mode = BrowseMode::Open;
  QString title;
  // A filter text ("Text (*.txt)|*.txt|All (*.*)|*.*||"); without a usable
  // pair every file is shown.
  std::u16string filter;
  std::u16string folder;        // the folder shown first ("\" when it is gone)
  std::u16string proposedName;  // save mode: the name field's first text
  int filterIndex = 1;          // from 1
};

struct BrowseChoice {
  std::u16string path;  // device path
  bool isDirectory = false;
};

class BrowserDialog : public QDialog {
  Q_OBJECT

 public:
  explicit BrowserDialog(const BrowseRequest& request, QWidget* parent = nullptr);
  ~BrowserDialog() override;

  // What the user chose (valid once the dialog was accepted).
  const BrowseChoice& choice() const { return choice_; }
  // The filter chosen, from 1.
  int filterIndex() const;
  // The folder shown ("\" for the root).
  const std::u16string& folder() const { return folder_; }

  // Shows folder in the tree and the list; false when it cannot be listed.
  bool GoTo(std::u16string_view folder);
  void GoUp();
  // Reads the folder shown again; the selection stays where it can.
  void Refresh();
  // Opens the row: a folder (or a shortcut to one) is shown, ".." goes up,
  // a file is chosen.
  void ActivateRow(int row);
  // OK: acts on the name field (see InterpretTypedName).
  void accept() override;

  void SetListStyle(int style);
  // The key in force again flips the direction.
  void ChooseSortKey(int key);
  const SortState& sortState() const { return sort_; }
  // Sets or clears an option bit of the settings and lists again.
  void SetOption(std::uint32_t bit, bool on);

  void CutOrCopy(ClipboardMode mode);
  void Paste();
  void DeleteSelected();
  const FileClipboard& clipboard() const { return clipboard_; }

  FolderTree* tree() const { return tree_; }
  FileListModel* model() const { return model_; }
  // The view of the list style in force.
  QAbstractItemView* listView() const;
  QLineEdit* nameEdit() const { return nameEdit_; }
  QComboBox* filterBox() const { return filterBox_; }
  QLabel* location() const { return location_; }
  ui::CommandSet* commands() const { return commands_; }
  QMenu* menu() const { return menu_; }
  // The rows selected, in order.
  std::vector<int> SelectedRows() const;
  // Selects the rows of these file names (the first becomes current).
  void SelectNames(const std::vector<std::u16string>& fileNames);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  void BuildLayout();
  void BuildViews();
  void BuildMenu();
  void BuildFilters(const BrowseRequest& request);
  ListOptions CurrentListOptions() const;
  // Lists folder_ again with the options in force.
  void Relist();
  void ApplyGhosts();
  void ApplySelectionMode();
  void UpdateSortIndicator();
  void OnCurrentRowChanged();
  void Choose(std::u16string path, bool isDirectory);
  void FilterChosen(int index);
  std::vector<std::u16string> SelectedFileNames() const;
  // The device path a row stands for (a followed shortcut's target).
  std::u16string RowPath(int row) const;
  void FitToScreen();
  // True for a key bound to one of the browser's commands.
  bool IsBrowserKey(const QKeyEvent& key) const;

  BrowseMode mode_;
  std::u16string folder_ = u"\\";
  std::vector<FileFilter> filters_;
  std::vector<std::u16string> patterns_;
  SortState sort_;
  BrowserSettings& settings_;
  FileClipboard clipboard_;
  BrowseChoice choice_;

  FolderTree* tree_ = nullptr;
  FileListModel* model_ = nullptr;
  QStackedWidget* views_ = nullptr;
  QListView* iconView_ = nullptr;
  QTreeView* detailView_ = nullptr;
  QLineEdit* nameEdit_ = nullptr;
  QComboBox* filterBox_ = nullptr;
  QLabel* location_ = nullptr;
  QToolButton* upButton_ = nullptr;
  QToolButton* refreshButton_ = nullptr;
  QToolButton* styleButtons_[3] = {};
  QToolButton* menuButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  ui::CommandSet* commands_ = nullptr;
  QMenu* menu_ = nullptr;

  // The size the dialog had when it was last closed in this run.
  static QSize lastSize_;
};

}  // namespace tessera::browser
