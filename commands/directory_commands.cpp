#include "commands/directory_commands.h"

#include <vector>

#include "platform/files.h"
#include "shell/current_directory.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

constexpr std::int32_t kPushedDirectoryGone = 11;
constexpr std::int32_t kFileNotDirectory = 21;
constexpr std::int32_t kDirectoryMissing = 63;
constexpr std::int32_t kPathNotFound = 64;
constexpr std::int32_t kNotADirectory = 65;

ResultCode Failed(ShellContext& context, std::int32_t message,
                  std::optional<std::u16string_view> argument, ResultCode code = kNotCarriedOut) {
  if (message >= 0) ShowError(message, argument);
  SetErrorLevel(context, 1);
  return code;
}

// The directory named by the argument: a quoted token, or the text itself.
std::u16string DirectoryArgument(std::u16string_view text) {
  if (!text.empty() && text[0] == u'"') {
    if (auto token = GetToken(text, 0, true))
      return std::u16string(text.substr(token->start, token->end - token->start));
    return std::u16string(SkipBlanks(text.substr(1)));
  }
  return std::u16string(text);
}

std::u16string WithoutTrailingBackslashes(std::u16string path) {
  while (!path.empty() && path.back() == u'\\') path.pop_back();
  return path;
}

std::u16string ShownDirectory(const ContextValue* current) {
  return (current && current->value && !current->value->empty()) ? *current->value : u"\\";
}

}  // namespace

ResultCode CdCommand(CommandCall& call) {
  ShellContext& context = call.context;
  ContextValue* current = GetCurrentDirectoryValue(context);
  if (!current) return Failed(context, -1, std::nullopt);
  if (call.arguments.empty()) {
    PrintLine(ShownDirectory(current));
    return kOk;
  }
  const std::u16string argument = DirectoryArgument(call.arguments);
  std::u16string target;
  if (!argument.empty() && argument[0] == u'\\') {
    if (!platform::PathExists(argument)) return Failed(context, kPathNotFound, argument);
    if (!platform::IsDirectory(argument)) return Failed(context, kNotADirectory, argument);
    target = WithoutTrailingBackslashes(argument);
  } else {
    const std::u16string joined = JoinPath(current->value.value_or(u""), argument);
    const std::u16string forPlatform = DirectoryForPlatform(joined);
    if (argument == u"/" || !platform::PathExists(forPlatform))
      return Failed(context, kPathNotFound, joined);
    if (!platform::IsDirectory(forPlatform)) return Failed(context, kNotADirectory, joined);
    target = WithoutTrailingBackslashes(joined);
  }
  current->value = target;
  PublishCurrentDirectory(target);
  return kOk;
}

ResultCode PushdCommand(CommandCall& call) {
  ShellContext& context = call.context;
  ContextValue* stack = context.FindValue(kDirStack, kCreateHidden);
  if (call.arguments.empty()) {
    const std::u16string saved = stack->value.value_or(u"");
    if (saved.empty()) {
      PrintLine(u"");
      return kOk;
    }
    // Newest first: the stack keeps the newest at the end.
    std::vector<std::u16string_view> entries;
    std::u16string_view rest = saved;
    for (std::size_t semicolon; (semicolon = rest.find(u';')) != std::u16string_view::npos;) {
      entries.push_back(rest.substr(0, semicolon));
      rest = rest.substr(semicolon + 1);
    }
    entries.push_back(rest);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) PrintLine(*it);
    return kOk;
  }
  ContextValue* current = GetCurrentDirectoryValue(context);
  if (!current) return Failed(context, msg::kOutOfMemory, std::nullopt, kOutOfMemory);
  std::u16string target = DirectoryArgument(call.arguments);
  if (target.empty() || target[0] != u'\\') target = JoinPath(current->value.value_or(u""), target);
  const std::u16string forPlatform = DirectoryForPlatform(target);
  if (!platform::PathExists(forPlatform)) return Failed(context, kDirectoryMissing, target);
  if (!platform::IsDirectory(forPlatform)) return Failed(context, kFileNotDirectory, target);

  std::u16string saved = stack->value.value_or(u"");
  if (!saved.empty()) saved += u';';
  saved += ShownDirectory(current);
  stack->value = saved;
  current->value = target;
  PublishCurrentDirectory(target);
  return kOk;
}

ResultCode PopdCommand(CommandCall& call) {
  ShellContext& context = call.context;
  ContextValue* stack = context.FindValue(kDirStack, kCreateHidden);
  ContextValue* current = GetCurrentDirectoryValue(context);
  if (!current) return Failed(context, msg::kOutOfMemory, std::nullopt, kOutOfMemory);
  std::u16string saved = stack->value.value_or(u"");
  if (saved.empty()) return kOk;
  const std::size_t semicolon = saved.rfind(u';');
  const std::u16string newest =
      semicolon == std::u16string::npos ? saved : saved.substr(semicolon + 1);
  stack->value = semicolon == std::u16string::npos ? std::u16string() : saved.substr(0, semicolon);
  if (!platform::PathExists(DirectoryForPlatform(newest)))
    return Failed(context, kPushedDirectoryGone, newest);
  current->value = newest;
  PublishCurrentDirectory(newest);
  return kOk;
}

}  // namespace tessera
