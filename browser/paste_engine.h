// Pasting the clipboard's set: copies and moves of files and whole folder
// trees, with the target check, duplicate names for copies into their own
// folder, and the prompts of each step.
#pragma once

#include <string>
#include <string_view>

#include "browser/file_clipboard.h"
#include "browser/operation_context.h"

namespace tessera::browser {

class PasteEngine {
 public:
  PasteEngine(OperationContext& context, FileClipboard& clipboard)
      : context_(context), clipboard_(clipboard) {}

  // Pastes the set into destination. The clipboard's result names receive
  // what was created or changed there. Nothing is touched when the
  // destination is missing (kMissingArgument), gone (kSourceMissing) or not
  // a folder (kFileInTheWay), when a folder would go into itself or one of
  // its own sub-folders (kMissingArgument, after telling the user), or when
  // a cut set is pasted into its own folder (kDone). Otherwise every entry
  // in turn; without prompting the first failure stops the paste, with
  // prompting Cancel stops it and other failures are skipped (kSkipped,
  // after telling the user).
  ResultCode Run(std::u16string_view destination);
  // True once the paste went past its checks to the entries.
  bool reachedEntries() const { return reachedEntries_; }

 private:
  bool IntoOwnSubFolder(std::u16string_view destination) const;
  ResultCode PasteFile(const std::u16string& source, std::u16string_view name,
                       std::u16string_view destination, bool same);
  ResultCode PasteFolder(const std::u16string& source, std::u16string_view name,
                         std::u16string_view destination, bool same);
  // The target check for a file, which also refuses the source itself.
  ResultCode CheckFileTarget(const std::u16string& source, const std::u16string& target);
  ResultCode CopyOneFile(const std::u16string& source, const std::u16string& target);
  ResultCode MoveOneFile(const std::u16string& source, const std::u16string& target);
  ResultCode CopyFolder(const std::u16string& source, const std::u16string& target);
  ResultCode MoveFolder(const std::u16string& source, const std::u16string& target);
  ResultCode MoveLink(const std::u16string& source, const std::u16string& target);
  // Gives the target folder, creating it when missing.
  ResultCode EnsureFolder(const std::u16string& target);

  OperationContext& context_;
  FileClipboard& clipboard_;
  bool reachedEntries_ = false;
};

}  // namespace tessera::browser
