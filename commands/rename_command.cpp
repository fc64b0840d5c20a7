#include "commands/rename_command.h"

#include "commands/current_directory_guard.h"
#include "commands/option_groups.h"
#include "commands/path_limits.h"
#include "platform/find.h"
#include "platform/move.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

namespace renmsg {
constexpr std::int32_t kCurrentDirectory = 19;
constexpr std::int32_t kNoMatch = 40;
constexpr std::int32_t kNotFound = 67;
constexpr std::int32_t kForbiddenCharacter = 76;
constexpr std::int32_t kDirectoryExists = 80;
constexpr std::int32_t kFileExists = 82;
constexpr std::int32_t kNoNewName = 87;
constexpr std::int32_t kRenameFailed = 88;
constexpr std::int32_t kNameTheEntry = 89;
constexpr std::int32_t kDirectorySkipped = 106;
constexpr std::int32_t kNewNameTakenSkipped = 107;
}  // namespace renmsg

constexpr std::u16string_view kForbiddenInNames = u":<>\\/*?|";

ResultCode Fail(ShellContext& context, std::int32_t message,
                std::optional<std::u16string_view> argument = std::nullopt) {
  ShowError(message, argument);
  SetErrorLevel(context, 1);
  return kFileError;
}

ResultCode RenameOne(ShellContext& context, const std::u16string& oldPath,
                     std::u16string_view newName) {
  if (!platform::PathExists(DirectoryForPlatform(oldPath)))
    return Fail(context, renmsg::kNotFound, oldPath);
  const std::size_t cut = oldPath.rfind(u'\\');
  const std::u16string newPath =
      (cut == std::u16string::npos ? std::u16string(u"\\") : oldPath.substr(0, cut + 1)) +
      std::u16string(newName);
  if (IsTooLongPath(newPath)) {
    ShowPathTooLong(newPath);
    SetErrorLevel(context, 1);
    return kFileError;
  }
  const auto existing = platform::GetFileInfo(newPath);
  if (!existing.ok()) {
    if (!platform::MoveEntry(oldPath, newPath).ok())
      return Fail(context, renmsg::kRenameFailed, oldPath);
    return kOk;
  }
  if (newPath == oldPath) return kOk;
  // Names are matched without regard to case: a change of case alone finds
  // the entry itself and is refused like any other taken name.
  return Fail(context,
              (existing->attributes & platform::kAttrDirectory) ? renmsg::kDirectoryExists
                                                                : renmsg::kFileExists,
              newPath);
}

ResultCode ChangeExtensions(ShellContext& context, const std::u16string& pattern,
                            std::u16string_view extension) {
  const auto found = platform::FindFiles(pattern);
  if (!found.ok()) return Fail(context, renmsg::kNoMatch, pattern);
  for (const platform::FindData& entry : *found) {
    const std::u16string full = ReplaceFileName(pattern, entry.name);
    if (entry.info.attributes & platform::kAttrDirectory) {
      ShowError(renmsg::kDirectorySkipped, full);
      continue;
    }
    const std::u16string newName = NameWithExtension(entry.name, extension);
    if (newName == entry.name) continue;
    const std::u16string newFull = ReplaceFileName(pattern, newName);
    if (IsTooLongPath(newFull)) {
      ShowPathTooLong(newFull);
      continue;
    }
    if (platform::PathExists(newFull)) {
      ShowError(renmsg::kNewNameTakenSkipped, newFull);
      continue;
    }
    if (!platform::MoveEntry(full, newFull).ok()) return Fail(context, renmsg::kRenameFailed, full);
  }
  return kOk;
}

}  // namespace

std::u16string NameWithExtension(std::u16string_view name, std::u16string_view newExtension) {
  const std::size_t dot = name.rfind(u'.');
  std::u16string result(name.substr(0, dot));
  if (dot == std::u16string_view::npos && newExtension.empty()) return result;
  if (!newExtension.empty()) {
    result += u'.';
    result += newExtension;
  }
  return result;
}

ResultCode RenameCommand(CommandCall& call) {
  ShellContext& context = call.context;
  bool extensions = false;
  const std::u16string_view rest = ReadOptionGroups(call.arguments, [&](char16_t letter) {
    if (letter == u'E') extensions = true;
  });
  const auto oldToken = GetToken(rest, 0, false);
  if (!oldToken) return Fail(context, renmsg::kNameTheEntry);
  std::u16string oldPath =
      MakeAbsolute(context, rest.substr(oldToken->start, oldToken->end - oldToken->start));
  TrimTrailing(oldPath, u'\\');
  if (IsTooLongPath(oldPath)) {
    ShowPathTooLong(oldPath);
    SetErrorLevel(context, 1);
    return kFileError;
  }
  if (IsCurrentDirectoryOrParent(context, oldPath))
    return Fail(context, renmsg::kCurrentDirectory, oldPath);

  const auto newToken = GetToken(rest, oldToken->next, false);
  std::u16string_view newName;
  if (newToken) newName = rest.substr(newToken->start, newToken->end - newToken->start);
  if (!extensions || newToken) {
    if (!newToken) return Fail(context, renmsg::kNoNewName);
    if (newName.find_first_of(kForbiddenInNames) != std::u16string_view::npos) {
      return Fail(context, renmsg::kForbiddenCharacter, newName);
    }
  }
  if (!extensions) return RenameOne(context, oldPath, newName);
  if (!newName.empty() && newName.front() == u'.') newName.remove_prefix(1);
  return ChangeExtensions(context, oldPath, newName);
}

}  // namespace tessera
