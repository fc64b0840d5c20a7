// What the file browser does with files: pasting the clipboard's set,
// deleting the selected entries of its list, deleting a tree. Questions and
// notices go to the prompter, with the caption given (empty: the
// application title); changes go through the file-system calls.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "browser/file_clipboard.h"
#include "browser/file_system_calls.h"
#include "browser/operation_results.h"
#include "browser/prompts.h"

namespace tessera::browser {

// One row of the list as the Delete command sees it.
struct ListedName {
  std::u16string name;  // the entry's name in its folder
  bool selected = false;
};

struct DeleteOutcome {
  ResultCode result = kDone;  // kDone, kSkipped or kCancelled
  // Rows whose entries are gone, for the list to remove (last row first).
  std::vector<std::size_t> removed;
};

class FileOperations {
 public:
  explicit FileOperations(Prompter& prompter, std::u16string caption = {},
                          FileSystemCalls& calls = PlatformFileSystemCalls());

  // Pastes the clipboard's set into destination (see PasteEngine::Run);
  // clipboard.resultNames then names what the list should insert or
  // refresh. A copy set stays for another paste; a cut set is dropped once
  // the paste has reached its entries, whatever came of them.
  ResultCode Paste(FileClipboard& clipboard, std::u16string_view destination,
                   bool prompting = true);

  // Asks whether the selected entries of folder are to be deleted and, on
  // Yes, deletes them from the last row to the first (".." is passed over).
  // Cancel in any question stops at once; what could not be deleted is
  // skipped and told at the end.
  DeleteOutcome DeleteSelected(std::u16string_view folder, std::span<const ListedName> rows);

  // Deletes a file or a folder tree (see browser/tree_delete.h).
  ResultCode DeleteTree(std::u16string_view path, bool prompting = true);

 private:
  PromptChannel prompts_;
  FileSystemCalls& calls_;
};

}  // namespace tessera::browser
