#include "browser/target_check.h"

#include "platform/files.h"

namespace tessera::browser {

ResultCode CheckTarget(OperationContext& context, std::u16string_view target, TargetKind kind) {
  const auto info = platform::GetFileInfo(target);
  // Whatever keeps the target from being read also keeps it from being
  // written; the write itself reports that.
  if (!info.ok()) return kDone;
  const std::uint32_t attributes = info->attributes;
  const bool isFolder = (attributes & platform::kAttrDirectory) != 0;
  if (kind == TargetKind::Folder && !isFolder) {
    if (!context.prompting) return kFileInTheWay;
    return context.OkOrCancel(text::kFileWhereFolder, target, kFileInTheWay);
  }
  if (kind == TargetKind::File && isFolder) {
    if (!context.prompting) return kFolderInTheWay;
    return context.OkOrCancel(text::kFolderWhereFile, target, kFolderInTheWay);
  }
  if (attributes & platform::kAttrReadOnly) {
    if (!context.prompting) return kReadOnly;
    const ResultCode answer = context.YesNoCancel(
        isFolder ? text::kReadOnlyFolderTarget : text::kReadOnlyFileTarget, target);
    if (answer != kDone) return answer;
    if (!context.calls.SetAttributes(target, attributes & ~std::uint32_t{platform::kAttrReadOnly})
             .ok()) {
      return context.OkOrCancel(text::kAttributeChangeError, target, kCallFailed);
    }
    return kDone;
  }
  if (kind == TargetKind::File) {
    if (!context.prompting) return kTargetFileExists;
    return context.YesNoCancel(text::kOverwriteQuestion, target);
  }
  return kDone;  // an ordinary folder: the trees are merged
}

}  // namespace tessera::browser
