#include "commands/environment_commands.h"

#include "platform/text.h"
#include "shell/environment.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

constexpr std::int32_t kCannotDelete = 22;
constexpr std::int32_t kReservedValue = 23;

ResultCode Failed(ShellContext& context, ResultCode code) {
  SetErrorLevel(context, 1);
  return code;
}

void ListValues(const ShellContext& context) {
  for (const auto& entry : context.entries()) {
    if (entry->flags & kValueHidden) continue;
    if (entry->value) {
      PrintLine(entry->name, u"=", *entry->value);
    } else {
      PrintLine(entry->name, u"=");
    }
  }
}

}  // namespace

ResultCode SetCommand(CommandCall& call) {
  ShellContext& context = call.context;
  const std::u16string_view text = call.arguments;
  if (text.empty()) {
    ListValues(context);
    return kOk;
  }
  const std::size_t equals = text.find(u'=');
  if (equals == std::u16string_view::npos) return Failed(context, kSyntaxError);
  const std::u16string name = platform::ToUpper(TrimTrailingView(text.substr(0, equals)));
  const std::u16string_view value = TrimTrailingView(SkipBlanks(text.substr(equals + 1)));

  ContextValue* entry = context.FindValue(name, 0);
  if (value.empty()) {
    if (entry->flags & (kValueNotDeletable | kValueReadOnly)) {
      ShowError(kCannotDelete, name);
      return Failed(context, kNotCarriedOut);
    }
    context.RemoveValue(name);
    return kOk;
  }
  if (entry->flags & (kValueHidden | kValueReadOnly)) {
    ShowError(kReservedValue, name);
    return Failed(context, kNotCarriedOut);
  }
  entry->value = std::u16string(value);
  return kOk;
}

ResultCode PathCommand(CommandCall& call) {
  ContextValue* path = call.context.FindValue(kPath, kFindOnly);
  if (!path) {
    ShowError(msg::kOutOfMemory);
    return Failed(call.context, kOutOfMemory);
  }
  const std::u16string_view text = call.arguments;
  if (text.empty()) {
    if (!path->value || path->value->empty()) {
      PrintLine(u"PATH=(null)");
    } else {
      PrintLine(*path->value);
    }
  } else if (text == u";") {
    path->value = std::u16string();
  } else {
    path->value = std::u16string(text);
  }
  return kOk;
}

ResultCode PromptCommand(CommandCall& call) {
  ContextValue* prompt = call.context.FindValue(kPrompt, kFindOnly);
  if (!prompt) {
    ShowError(msg::kOutOfMemory);
    return Failed(call.context, kOutOfMemory);
  }
  prompt->value = std::u16string(call.arguments.empty() ? kDefaultPrompt : call.arguments);
  return kOk;
}

}  // namespace tessera
