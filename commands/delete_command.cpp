#include "commands/delete_command.h"

#include <string>

#include "commands/path_limits.h"
#include "commands/rest_path.h"
#include "platform/files.h"
#include "platform/find.h"
#include "platform/text.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

namespace delmsg {
constexpr std::int32_t kUseRmdir = 38;
constexpr std::int32_t kNothingToDelete = 59;
constexpr std::int32_t kDeleteFailed = 60;
constexpr std::int32_t kNotFound = 67;
constexpr std::int32_t kSkipped = 74;
constexpr std::uint32_t kReadOnlyPart = 94;
constexpr std::uint32_t kSystemPart = 95;
constexpr std::uint32_t kHiddenPart = 96;
constexpr std::uint32_t kUseForce = 97;
constexpr std::uint32_t kConfirm = 98;
}  // namespace delmsg

constexpr std::uint32_t kProtectionBits =
    platform::kAttrReadOnly | platform::kAttrHidden | platform::kAttrSystem;

struct DeleteOptions {
  bool force = false;
  bool prompt = false;
  std::u16string path;
};

DeleteOptions ReadDeleteOptions(std::u16string_view text) {
  DeleteOptions options;
  std::size_t i = SkipBlanksFrom(text, 0);
  while (i < text.size() && text[i] == u'/') {
    const std::size_t end = WordEnd(text, false, i);
    for (std::size_t k = i + 1; k < end; ++k) {
      const char16_t letter = platform::ToUpper(text[k]);
      if (letter == u'F') options.force = true;
      if (letter == u'P') options.prompt = true;
    }
    i = SkipBlanksFrom(text, end);
  }
  options.path = ReadRestPath(text.substr(i));
  return options;
}

}  // namespace

std::u16string ProtectionDescription(std::uint32_t attributes) {
  std::u16string text;
  if (attributes & platform::kAttrReadOnly) text += GetMessageText(delmsg::kReadOnlyPart);
  if (attributes & platform::kAttrSystem) {
    if (!text.empty()) text += u"，";
    text += GetMessageText(delmsg::kSystemPart);
  }
  if (attributes & platform::kAttrHidden) {
    if (!text.empty()) text += u", ";
    text += GetMessageText(delmsg::kHiddenPart);
  }
  text += GetMessageText(delmsg::kUseForce);
  return text;
}

namespace {

// Deletes one match; false when it was refused or failed.
bool DeleteOne(const platform::FindData& entry, const std::u16string& full,
               const DeleteOptions& options) {
  const std::uint32_t attributes = entry.info.attributes;
  if (attributes & platform::kAttrDirectory) {
    ShowError(delmsg::kUseRmdir, full);
    return false;
  }
  if ((attributes & kProtectionBits) && !options.force) {
    PrintLine(ProtectionDescription(attributes), full);
    return false;
  }
  const bool unlocked = (attributes & platform::kAttrReadOnly) != 0;
  if (unlocked &&
      !platform::SetFileAttributes(full, attributes & ~std::uint32_t{platform::kAttrReadOnly})) {
    ShowError(delmsg::kDeleteFailed, full);
    return false;
  }
  if (options.prompt) {
    const std::u16string question = FormatMessage(GetMessageText(delmsg::kConfirm), {full});
    if (AskUser(question, MessageBoxButtons::YesNo, MessageBoxIcon::Question,
                MessageBoxAnswer::No) != MessageBoxAnswer::Yes) {
      if (unlocked) (void)platform::SetFileAttributes(full, attributes);
      ShowError(delmsg::kSkipped, full);
      return true;
    }
  }
  if (!platform::DeleteFile(full)) {
    // A file that stays keeps the protection it had.
    if (unlocked) (void)platform::SetFileAttributes(full, attributes);
    ShowError(delmsg::kDeleteFailed, full);
    return false;
  }
  return true;
}

}  // namespace

ResultCode DeleteCommand(CommandCall& call) {
  const DeleteOptions options = ReadDeleteOptions(call.arguments);
  auto fail = [&call](std::int32_t message, std::optional<std::u16string_view> argument) {
    ShowError(message, argument);
    SetErrorLevel(call.context, 1);
    return kFileError;
  };
  if (options.path.empty()) return fail(delmsg::kNothingToDelete, std::nullopt);
  const std::u16string path = MakeAbsolute(call.context, options.path);
  if (IsTooLongPath(path)) {
    ShowPathTooLong(path);
    SetErrorLevel(call.context, 1);
    return kFileError;
  }
  auto found = platform::FindFiles(path);
  if (!found) return fail(delmsg::kNotFound, path);

  bool failed = false;
  for (const platform::FindData& entry : *found) {
    const std::u16string full = ReplaceFileName(path, entry.name);
    if (IsTooLongPath(full)) {
      ShowPathTooLong(full);
      failed = true;
      continue;
    }
    if (!DeleteOne(entry, full, options)) failed = true;
  }
  if (failed) SetErrorLevel(call.context, 1);
  return failed ? kFileError : kOk;
}

}  // namespace tessera
