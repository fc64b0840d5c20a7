// What every step of a paste or delete needs: the prompts, the file-system
// calls and whether questions may be asked. Used inside browser/ only.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "browser/file_system_calls.h"
#include "browser/operation_results.h"
#include "browser/prompts.h"
#include "platform/find.h"

namespace tessera::browser {

struct OperationContext {
  PromptChannel& prompts;
  FileSystemCalls& calls;
  bool prompting = true;

  // OK/Cancel box: Cancel gives kCancelled, OK gives onOk.
  ResultCode OkOrCancel(std::uint32_t id, std::u16string_view path, ResultCode onOk,
                        const PromptStyle& style = kOkCancelStyle);
  // Yes/No/Cancel box (No the default): Yes gives kDone, No kSkipped,
  // Cancel kCancelled.
  ResultCode YesNoCancel(std::uint32_t id, std::u16string_view path);
  // A failed call: kCallFailed, after an OK/Cancel box when prompting.
  ResultCode Failure(std::uint32_t id, std::u16string_view path);
};

// The entries of a folder in directory order (empty for an empty folder).
platform::Result<std::vector<platform::FindData>> FolderEntries(std::u16string_view folder);

// How a walk over a folder goes on after one entry: Cancel stops it;
// without prompting a failure stops it too when `stopsWithoutPrompting`;
// otherwise a failure marks a skip. Gives the result that ends the walk,
// or nothing to go on.
std::optional<ResultCode> AfterEntry(ResultCode result, bool prompting, bool stopsWithoutPrompting,
                                     bool& skipped);

}  // namespace tessera::browser
