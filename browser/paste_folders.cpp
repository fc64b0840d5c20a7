// The folder walks of the paste engine: copying and moving whole trees.
#include "browser/browser_paths.h"
#include "browser/paste_engine.h"
#include "browser/target_check.h"
#include "platform/files.h"

namespace tessera::browser {

namespace {

constexpr std::uint32_t kReadOnlyBit = platform::kAttrReadOnly;

bool IsFolder(const platform::FileInfo& info) {
  return (info.attributes & platform::kAttrDirectory) != 0;
}

}  // namespace

ResultCode PasteEngine::EnsureFolder(const std::u16string& target) {
  if (platform::PathExists(target) || context_.calls.CreateDirectory(target).ok()) return kDone;
  return context_.Failure(text::kFolderCreateError, target);
}

ResultCode PasteEngine::CopyFolder(const std::u16string& source, const std::u16string& target) {
  const auto info = platform::GetFileInfo(source);
  if (!info.ok()) return context_.Failure(text::kFileProcessingError, source);
  if (const ResultCode made = EnsureFolder(target); made != kDone) return made;
  bool skipped = false;
  const auto entries = FolderEntries(source);
  if (!entries.ok()) {
    // A folder that cannot be read is never reported as copied.
    const ResultCode failed = context_.Failure(text::kFileProcessingError, source);
    if (auto end = AfterEntry(failed, context_.prompting, true, skipped)) return *end;
  }
  const std::vector<platform::FindData> none;
  for (const platform::FindData& entry : entries.ok() ? *entries : none) {
    const std::u16string from = ChildPath(source, entry.name);
    const std::u16string to = ChildPath(target, entry.name);
    if (IsFolder(entry.info)) {
      ResultCode result;
      if (entry.info.isSymlink) {
        // A linked folder may lead back into the tree being copied.
        result = context_.Failure(text::kFileProcessingError, from);
      } else {
        result = CheckTarget(context_, to, TargetKind::Folder);
        if (result == kDone) result = CopyFolder(from, to);
      }
      if (auto end = AfterEntry(result, context_.prompting, false, skipped)) return *end;
    } else {
      const ResultCode result = CopyOneFile(from, to);
      if (auto end = AfterEntry(result, context_.prompting, true, skipped)) return *end;
    }
  }
  if (!context_.calls.SetAttributes(target, info->attributes).ok())
    return context_.Failure(text::kAttributeChangeError, target);
  return skipped ? kSkipped : kDone;
}

ResultCode PasteEngine::MoveFolder(const std::u16string& source, const std::u16string& target) {
  const auto info = platform::GetFileInfo(source);
  if (!info.ok()) return context_.Failure(text::kFolderMoveError, source);
  if (info->isSymlink) return MoveLink(source, target);
  const std::uint32_t attributes = info->attributes;
  const bool readOnly = (attributes & kReadOnlyBit) != 0;
  if (readOnly) {
    if (!context_.prompting) return kCallFailed;
    if (const ResultCode answer = context_.YesNoCancel(text::kMoveReadOnlyFolder, source);
        answer != kDone)
      return answer;
    // The bit is off for the walk and comes back if the folder stays.
    if (!context_.calls.SetAttributes(source, attributes & ~kReadOnlyBit).ok())
      return context_.OkOrCancel(text::kAttributeChangeError, source, kCallFailed);
  }
  const auto sourceStays = [&](ResultCode result) {
    if (readOnly) (void)context_.calls.SetAttributes(source, attributes);
    return result;
  };
  if (const ResultCode made = EnsureFolder(target); made != kDone) return sourceStays(made);

  bool skipped = false;
  const auto entries = FolderEntries(source);
  if (!entries.ok()) {
    const ResultCode failed = context_.Failure(text::kFileProcessingError, source);
    if (auto end = AfterEntry(failed, context_.prompting, true, skipped)) return sourceStays(*end);
  }
  const std::vector<platform::FindData> none;
  for (const platform::FindData& entry : entries.ok() ? *entries : none) {
    const std::u16string from = ChildPath(source, entry.name);
    const std::u16string to = ChildPath(target, entry.name);
    if (IsFolder(entry.info)) {
      ResultCode result = CheckTarget(context_, to, TargetKind::Folder);
      if (result == kDone) result = MoveFolder(from, to);
      if (auto end = AfterEntry(result, context_.prompting, false, skipped))
        return sourceStays(*end);
    } else {
      const ResultCode result = MoveOneFile(from, to);
      if (auto end = AfterEntry(result, context_.prompting, true, skipped))
        return sourceStays(*end);
    }
  }
  // Whatever could not be moved keeps its folder.
  if (skipped) return sourceStays(kSkipped);
  if (!context_.calls.RemoveDirectory(source).ok())
    return sourceStays(context_.Failure(text::kFolderMoveError, source));
  if (!context_.calls.SetAttributes(target, attributes).ok())
    return context_.Failure(text::kAttributeChangeError, target);
  return kDone;
}

ResultCode PasteEngine::MoveLink(const std::u16string& source, const std::u16string& target) {
  // A link moves as the link; it cannot be merged into a folder that is there.
  if (platform::PathExists(target) || !context_.calls.MoveFile(source, target).ok())
    return context_.Failure(text::kFolderMoveError, source);
  return kDone;
}

}  // namespace tessera::browser
