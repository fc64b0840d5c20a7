#include "browser/paste_engine.h"

#include "browser/browser_paths.h"
#include "browser/duplicate_name.h"
#include "browser/target_check.h"
#include "platform/copy.h"
#include "platform/files.h"
#include "platform/text.h"

namespace tessera::browser {

namespace {

bool IsFolder(const platform::FileInfo& info) {
  return (info.attributes & platform::kAttrDirectory) != 0;
}

}  // namespace

ResultCode PasteEngine::Run(std::u16string_view destination) {
  clipboard_.resultNames.clear();
  if (destination.empty() || clipboard_.sourceFolder.empty()) return kMissingArgument;
  const auto destinationInfo = platform::GetFileInfo(destination);
  if (!destinationInfo.ok()) return kSourceMissing;
  if (!IsFolder(*destinationInfo)) return kFileInTheWay;
  const std::u16string folder = WithTrailingSeparator(destination);
  // A link to the source folder is the source folder too: pasting through
  // it must not copy or move files onto themselves.
  const bool same = platform::EqualsNoCase(folder, clipboard_.sourceFolder) ||
                    platform::IsSameFile(folder, clipboard_.sourceFolder);
  if (!same && clipboard_.hasFolder && IntoOwnSubFolder(folder)) {
    context_.prompts.Ask(text::kIntoOwnSubFolder, kNoticeStyle);
    return kMissingArgument;
  }
  if (same && clipboard_.mode == ClipboardMode::Cut) return kDone;

  reachedEntries_ = true;
  bool skipped = false;
  for (const std::u16string& name : clipboard_.names) {
    const std::u16string source = clipboard_.sourceFolder + name;
    const auto sourceInfo = platform::GetFileInfo(source);
    ResultCode result;
    if (!sourceInfo.ok()) {
      if (!context_.prompting) return kSourceMissing;
      result =
          context_.OkOrCancel(text::kSourceMissing, source, kSourceMissing, kOkCancelQuestionStyle);
    } else if (IsFolder(*sourceInfo)) {
      result = PasteFolder(source, name, folder, same);
    } else {
      result = PasteFile(source, name, folder, same);
    }
    if (auto end = AfterEntry(result, context_.prompting, true, skipped)) return *end;
  }
  if (!skipped) return kDone;
  context_.prompts.Ask(text::kSomeSkipped, kNoticeStyle);
  return kSkipped;
}

bool PasteEngine::IntoOwnSubFolder(std::u16string_view destination) const {
  for (const std::u16string& name : clipboard_.names) {
    const std::u16string folder = clipboard_.sourceFolder + name;
    if (platform::IsDirectory(folder) &&
        platform::StartsWithNoCase(destination, WithTrailingSeparator(folder)))
      return true;
  }
  return false;
}

ResultCode PasteEngine::PasteFile(const std::u16string& source, std::u16string_view name,
                                  std::u16string_view destination, bool same) {
  if (same) {
    const DuplicateName copy = ChooseDuplicateName(context_, clipboard_.sourceFolder, name, source);
    if (copy.result != kDone) return copy.result;
    if (!context_.calls.CopyFile(source, clipboard_.sourceFolder + copy.name).ok())
      return context_.Failure(text::kFileProcessingError, source);
    clipboard_.resultNames.push_back(copy.name);
    return kDone;
  }
  const std::u16string target = ChildPath(destination, name);
  const ResultCode result = clipboard_.mode == ClipboardMode::Copy ? CopyOneFile(source, target)
                                                                   : MoveOneFile(source, target);
  if (result == kDone) clipboard_.resultNames.emplace_back(name);
  return result;
}

ResultCode PasteEngine::PasteFolder(const std::u16string& source, std::u16string_view name,
                                    std::u16string_view destination, bool same) {
  std::u16string targetName(name);
  if (same) {
    DuplicateName copy = ChooseDuplicateName(context_, clipboard_.sourceFolder, name, source);
    if (copy.result != kDone) return copy.result;
    targetName = std::move(copy.name);
  }
  const std::u16string target =
      ChildPath(same ? std::u16string_view(clipboard_.sourceFolder) : destination, targetName);
  if (const ResultCode checked = CheckTarget(context_, target, TargetKind::Folder);
      checked != kDone)
    return checked;
  const ResultCode result = clipboard_.mode == ClipboardMode::Copy ? CopyFolder(source, target)
                                                                   : MoveFolder(source, target);
  // A folder made or changed in part is shown as well.
  if (platform::IsDirectory(target)) clipboard_.resultNames.push_back(std::move(targetName));
  return result;
}

ResultCode PasteEngine::CheckFileTarget(const std::u16string& source,
                                        const std::u16string& target) {
  // Replacing a target that is the source itself would lose the file.
  if (platform::IsSameFile(source, target))
    return context_.Failure(text::kFileProcessingError, source);
  return CheckTarget(context_, target, TargetKind::File);
}

ResultCode PasteEngine::CopyOneFile(const std::u16string& source, const std::u16string& target) {
  if (const ResultCode checked = CheckFileTarget(source, target); checked != kDone) return checked;
  if (!context_.calls.CopyFile(source, target).ok())
    return context_.Failure(text::kFileProcessingError, source);
  return kDone;
}

ResultCode PasteEngine::MoveOneFile(const std::u16string& source, const std::u16string& target) {
  if (const ResultCode checked = CheckFileTarget(source, target); checked != kDone) return checked;
  const auto info = platform::GetFileInfo(source);
  // A link's read-only bit belongs to what it points at; the link itself moves freely.
  if (info.ok() && !info->isSymlink && (info->attributes & platform::kAttrReadOnly)) {
    if (!context_.prompting) return kReadOnly;
    if (const ResultCode answer = context_.YesNoCancel(text::kMoveReadOnlyFile, source);
        answer != kDone)
      return answer;
  }
  if (platform::PathExists(target) && !context_.calls.DeleteFile(target).ok())
    return context_.Failure(text::kOverwriteError, target);
  if (!context_.calls.MoveFile(source, target).ok())
    return context_.Failure(text::kFileProcessingError, source);
  return kDone;
}

}  // namespace tessera::browser
