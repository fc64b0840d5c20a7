#include "browser/tree_delete.h"

#include "browser/browser_paths.h"
#include "platform/files.h"

namespace tessera::browser {

namespace {

constexpr std::uint32_t kReadOnlyBit = platform::kAttrReadOnly;

// Asks before a read-only entry loses that bit; kDone once it has.
ResultCode ClearReadOnly(OperationContext& context, std::u16string_view path,
                         std::uint32_t attributes) {
  if (!context.prompting) return kReadOnly;
  if (const ResultCode answer = context.YesNoCancel(text::kDeleteReadOnly, path); answer != kDone)
    return answer;
  if (context.calls.SetAttributes(path, attributes & ~kReadOnlyBit).ok()) return kDone;
  return context.OkOrCancel(text::kAttributeChangeError, path, kCallFailed, kOkCancelStopStyle);
}

bool IsWalkedFolder(const platform::FileInfo& info) {
  return (info.attributes & platform::kAttrDirectory) && !info.isSymlink;
}

// A file inside a folder being emptied.
ResultCode DeleteInnerFile(OperationContext& context, std::u16string_view path,
                           const platform::FileInfo& info) {
  const bool readOnly = !info.isSymlink && (info.attributes & kReadOnlyBit);
  if (readOnly) {
    if (const ResultCode cleared = ClearReadOnly(context, path, info.attributes); cleared != kDone)
      return cleared;
  }
  if (context.calls.DeleteFile(path).ok()) return kDone;
  if (readOnly) (void)context.calls.SetAttributes(path, info.attributes);
  return context.Failure(text::kFileProcessingError, path);
}

}  // namespace

ResultCode DeleteTree(OperationContext& context, std::u16string_view path) {
  if (path.empty()) return kMissingArgument;
  const auto info = platform::GetFileInfo(path);
  if (!info.ok()) {
    if (!context.prompting) context.prompts.Ask(text::kNotFound, kNoticeStyle, path);
    return kSourceMissing;
  }
  const bool readOnly = !info->isSymlink && (info->attributes & kReadOnlyBit);
  if (readOnly) {
    if (const ResultCode cleared = ClearReadOnly(context, path, info->attributes); cleared != kDone)
      return cleared;
  }
  // What stays keeps its read-only bit.
  const auto entryStays = [&](ResultCode result) {
    if (readOnly) (void)context.calls.SetAttributes(path, info->attributes);
    return result;
  };
  if (!IsWalkedFolder(*info)) {
    if (context.calls.DeleteFile(path).ok()) return kDone;
    return entryStays(context.OkOrCancel(text::kFileDeleteError, path, kCallFailed));
  }

  bool skipped = false;
  const auto entries = FolderEntries(path);
  if (!entries.ok()) skipped = true;  // what cannot be listed cannot be emptied
  const std::vector<platform::FindData> none;
  for (const platform::FindData& entry : entries.ok() ? *entries : none) {
    const std::u16string child = ChildPath(path, entry.name);
    if (IsWalkedFolder(entry.info)) {
      if (auto end = AfterEntry(DeleteTree(context, child), context.prompting, false, skipped))
        return entryStays(*end);
    } else {
      const ResultCode result = DeleteInnerFile(context, child, entry.info);
      if (auto end = AfterEntry(result, context.prompting, true, skipped)) return entryStays(*end);
    }
  }
  if (skipped) return entryStays(kSkipped);
  if (context.calls.RemoveDirectory(path).ok()) return kDone;
  return entryStays(context.OkOrCancel(text::kFolderDeleteError, path, kCallFailed));
}

}  // namespace tessera::browser
