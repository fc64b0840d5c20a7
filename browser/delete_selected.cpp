// The browser's Delete command over the selected rows of its list.
#include "browser/browser_paths.h"
#include "browser/file_operations.h"
#include "browser/tree_delete.h"
#include "platform/files.h"

namespace tessera::browser {

namespace {

constexpr std::uint32_t kReadOnlyBit = platform::kAttrReadOnly;

// Deletes one selected entry: kDone when it is gone, kCancelled to stop,
// anything else is a skip.
ResultCode DeleteEntry(OperationContext& context, const std::u16string& path) {
  const auto info = platform::GetFileInfo(path);
  if (!info.ok()) return context.OkOrCancel(text::kDeleteEntryMissing, path, kSkipped);
  const bool readOnly = !info->isSymlink && (info->attributes & kReadOnlyBit);
  if (readOnly) {
    if (const ResultCode answer = context.YesNoCancel(text::kDeleteReadOnlyQuestion, path);
        answer != kDone)
      return answer;
    if (!context.calls.SetAttributes(path, info->attributes & ~kReadOnlyBit).ok())
      return context.OkOrCancel(text::kDeleteAttributeFailed, path, kSkipped);
  }
  ResultCode result;
  if ((info->attributes & platform::kAttrDirectory) && !info->isSymlink) {
    result = DeleteTree(context, path);
  } else if (context.calls.DeleteFile(path).ok()) {
    result = kDone;
  } else {
    result = context.OkOrCancel(text::kDeleteFileFailed, path, kSkipped);
  }
  // What stays keeps its read-only bit.
  if (result != kDone && readOnly && platform::PathExists(path))
    (void)context.calls.SetAttributes(path, info->attributes);
  return result;
}

}  // namespace

DeleteOutcome FileOperations::DeleteSelected(std::u16string_view folder,
                                             std::span<const ListedName> rows) {
  DeleteOutcome outcome;
  if (prompts_.Ask(text::kDeleteSelectedQuestion, kYesNoStyle) != MessageBoxAnswer::Yes) {
    outcome.result = kCancelled;
    return outcome;
  }
  OperationContext context{prompts_, calls_, true};
  bool skipped = false;
  for (std::size_t row = rows.size(); row-- > 0;) {
    if (!rows[row].selected || !IsPlainName(rows[row].name)) continue;
    const ResultCode result = DeleteEntry(context, ChildPath(folder, rows[row].name));
    if (result == kDone) {
      outcome.removed.push_back(row);
    } else if (result == kCancelled) {
      outcome.result = kCancelled;
      return outcome;
    } else {
      skipped = true;
    }
  }
  if (skipped) {
    prompts_.Ask(text::kDeleteSomeSkipped, kNoticeStyle);
    outcome.result = kSkipped;
  }
  return outcome;
}

}  // namespace tessera::browser
