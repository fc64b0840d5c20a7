// The browser's Edit commands: its own clipboard of copied or cut entries,
// pasting it into the folder shown, and deleting the selected entries.
#include <QAbstractItemView>
#include <set>

#include "browser/browser_paths.h"
#include "browser/dialog/browser_dialog.h"
#include "browser/dialog/file_list_model.h"
#include "browser/dialog/folder_tree.h"
#include "browser/dialog/message_box_prompter.h"
#include "browser/file_operations.h"
#include "platform/text.h"

namespace tessera::browser {

void BrowserDialog::ApplyGhosts() {
  std::set<std::u16string> ghosted;
  if (!clipboard_.empty() &&
      platform::EqualsNoCase(WithTrailingSeparator(folder_), clipboard_.sourceFolder))
    ghosted.insert(clipboard_.names.begin(), clipboard_.names.end());
  model_->SetGhosted(ghosted);
}

void BrowserDialog::CutOrCopy(ClipboardMode mode) {
  const std::vector<std::u16string> names = SelectedFileNames();
  if (names.empty()) return;
  clipboard_.Take(mode, folder_, names);
  ApplyGhosts();
}

void BrowserDialog::Paste() {
  if (clipboard_.empty()) return;
  const std::u16string source = clipboard_.sourceFolder;
  MessageBoxPrompter prompter(this);
  FileOperations operations(prompter);
  (void)operations.Paste(clipboard_, folder_);
  // A move changed its source folder too.
  tree_->Reload(source);
  tree_->Reload(folder_);
  Relist();
  SelectNames(clipboard_.resultNames);
}

void BrowserDialog::DeleteSelected() {
  std::vector<ListedName> rows;
  const std::vector<int> selected = SelectedRows();
  for (int row = 0; row < model_->rowCount(); ++row) {
    rows.push_back(
        {model_->Entry(row).fileName, std::binary_search(selected.begin(), selected.end(), row)});
  }
  if (std::none_of(rows.begin(), rows.end(),
                   [](const ListedName& row) { return row.selected && IsPlainName(row.name); }))
    return;
  MessageBoxPrompter prompter(this);
  FileOperations operations(prompter);
  const DeleteOutcome outcome = operations.DeleteSelected(folder_, rows);
  model_->RemoveRows(outcome.removed);
  tree_->Reload(folder_);
}

}  // namespace tessera::browser
