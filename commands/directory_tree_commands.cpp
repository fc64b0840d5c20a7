#include "commands/directory_tree_commands.h"

#include "commands/current_directory_guard.h"
#include "commands/option_groups.h"
#include "commands/path_limits.h"
#include "commands/rest_path.h"
#include "commands/tree_removal.h"
#include "platform/files.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

namespace dirmsg {
constexpr std::int32_t kCurrentDirectory = 20;
constexpr std::int32_t kNotEmpty = 36;
constexpr std::int32_t kUseDel = 46;
constexpr std::int32_t kNameToCreate = 57;
constexpr std::int32_t kNameToRemove = 58;
constexpr std::int32_t kRemoveFailed = 60;
constexpr std::int32_t kNoSuchDirectory = 63;
constexpr std::int32_t kDirectoryExists = 79;
constexpr std::int32_t kFileExists = 81;
constexpr std::int32_t kCreateFailed = 91;
constexpr std::int32_t kFileInTheWay = 92;
constexpr std::uint32_t kRemoveTreeQuestion = 105;
constexpr std::int32_t kCancelled = 138;
}  // namespace dirmsg

ResultCode Fail(ShellContext& context, std::int32_t message,
                std::optional<std::u16string_view> argument = std::nullopt) {
  ShowError(message, argument);
  SetErrorLevel(context, 1);
  return kFileError;
}

// The named directory, absolute, without trailing backslashes (the root is
// the empty text).
std::u16string DirectoryArgument(ShellContext& context, std::u16string_view text) {
  std::u16string path = MakeAbsolute(context, text);
  TrimTrailing(path, u'\\');
  return path;
}

}  // namespace

ResultCode MkdirCommand(CommandCall& call) {
  ShellContext& context = call.context;
  const std::u16string name = ReadRestPath(call.arguments);
  if (name.empty()) return Fail(context, dirmsg::kNameToCreate);
  const std::u16string path = DirectoryArgument(context, name);
  if (const auto info = platform::GetFileInfo(DirectoryForPlatform(path)); info.ok()) {
    return Fail(context,
                (info->attributes & platform::kAttrDirectory) ? dirmsg::kDirectoryExists
                                                              : dirmsg::kFileExists,
                DirectoryForPlatform(path));
  }
  if (IsTooLongPath(path)) {
    ShowPathTooLong(path);
    SetErrorLevel(context, 1);
    return kFileError;
  }
  for (std::size_t i = 1; i < path.size(); ++i) {
    if (path[i] != u'\\') continue;
    const std::u16string prefix = path.substr(0, i);
    const auto info = platform::GetFileInfo(prefix);
    if (info.ok()) {
      if (info->attributes & platform::kAttrDirectory) continue;
      return Fail(context, dirmsg::kFileInTheWay, prefix);
    }
    if (!platform::CreateDirectory(prefix).ok())
      return Fail(context, dirmsg::kCreateFailed, prefix);
  }
  if (!platform::CreateDirectory(path).ok()) return Fail(context, dirmsg::kCreateFailed, path);
  return kOk;
}

ResultCode RmdirCommand(CommandCall& call) {
  ShellContext& context = call.context;
  bool wholeTree = false;
  bool quiet = false;
  const std::u16string_view rest = ReadOptionGroups(call.arguments, [&](char16_t letter) {
    if (letter == u'S') wholeTree = true;
    if (letter == u'Q') quiet = true;
  });
  const std::u16string name = ReadRestPath(rest);
  if (name.empty()) return Fail(context, dirmsg::kNameToRemove);
  const std::u16string path = DirectoryArgument(context, name);
  const std::u16string shown = DirectoryForPlatform(path);
  if (IsTooLongPath(path)) {
    ShowPathTooLong(path);
    SetErrorLevel(context, 1);
    return kFileError;
  }
  const auto info = platform::GetFileInfo(shown);
  if (!info.ok()) return Fail(context, dirmsg::kNoSuchDirectory, shown);
  if (!(info->attributes & platform::kAttrDirectory)) return Fail(context, dirmsg::kUseDel, shown);
  if (IsCurrentDirectoryOrParent(context, path))
    return Fail(context, dirmsg::kCurrentDirectory, shown);

  if (!wholeTree) {
    const platform::Status removed = platform::RemoveDirectory(shown);
    if (removed.ok()) return kOk;
    return Fail(context,
                removed.error() == platform::ErrorCode::DirNotEmpty ? dirmsg::kNotEmpty
                                                                    : dirmsg::kRemoveFailed,
                shown);
  }
  if (!quiet) {
    const std::u16string question =
        FormatMessage(GetMessageText(dirmsg::kRemoveTreeQuestion), {shown});
    if (AskUser(question, MessageBoxButtons::YesNo, MessageBoxIcon::Question,
                MessageBoxAnswer::No) != MessageBoxAnswer::Yes) {
      ShowError(dirmsg::kCancelled);
      return kOk;
    }
  }
  if (RemoveTree(path)) return kOk;
  SetErrorLevel(context, 1);
  return kFileError;
}

}  // namespace tessera
