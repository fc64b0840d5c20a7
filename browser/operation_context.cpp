#include "browser/operation_context.h"

#include "browser/browser_paths.h"

namespace tessera::browser {

ResultCode OperationContext::OkOrCancel(std::uint32_t id, std::u16string_view path, ResultCode onOk,
                                        const PromptStyle& style) {
  return prompts.Ask(id, style, path) == MessageBoxAnswer::Cancel ? kCancelled : onOk;
}

ResultCode OperationContext::YesNoCancel(std::uint32_t id, std::u16string_view path) {
  switch (prompts.Ask(id, kYesNoCancelStyle, path)) {
    case MessageBoxAnswer::Yes:
      return kDone;
    case MessageBoxAnswer::Cancel:
      return kCancelled;
    default:
      return kSkipped;
  }
}

ResultCode OperationContext::Failure(std::uint32_t id, std::u16string_view path) {
  return prompting ? OkOrCancel(id, path, kCallFailed) : kCallFailed;
}

platform::Result<std::vector<platform::FindData>> FolderEntries(std::u16string_view folder) {
  auto entries = platform::FindFiles(ChildPath(folder, u"*.*"));
  if (entries.error() == platform::ErrorCode::FileNotFound)
    return std::vector<platform::FindData>();
  return entries;
}

std::optional<ResultCode> AfterEntry(ResultCode result, bool prompting, bool stopsWithoutPrompting,
                                     bool& skipped) {
  if (result == kDone) return std::nullopt;
  if (result == kCancelled) return result;
  if (!prompting && stopsWithoutPrompting) return result;
  skipped = true;
  return std::nullopt;
}

}  // namespace tessera::browser
