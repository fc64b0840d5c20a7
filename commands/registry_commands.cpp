#include "commands/registry_commands.h"

#include <string>

#include "commands/registry_line.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

using platform::ErrorCode;
using platform::RegistryKey;

namespace regmsg {
constexpr std::uint32_t kOpenFailed = 125;
constexpr std::uint32_t kValueExists = 126;
constexpr std::uint32_t kNoSuchValue = 131;
constexpr std::uint32_t kRegistryFailed = 132;
constexpr std::uint32_t kAskDeleteValue = 133;
constexpr std::uint32_t kAskDeleteKey = 134;
constexpr std::uint32_t kDeleteValueFailed = 135;
constexpr std::uint32_t kDeleteKeyFailed = 136;
constexpr std::uint32_t kDefaultValueName = 137;
constexpr std::uint32_t kCancelled = 138;
constexpr std::uint32_t kRootNotDeletable = 139;
}  // namespace regmsg

ResultCode Fail(ShellContext& context, std::uint32_t message,
                std::optional<std::u16string_view> argument = std::nullopt) {
  ShowError(static_cast<std::int32_t>(message), argument);
  SetErrorLevel(context, 1);
  return kNotCarriedOut;
}

// The name a message shows for a value: its own, or the default value's.
std::u16string_view ShownName(std::u16string_view name) {
  return name.empty() ? GetMessageText(regmsg::kDefaultValueName) : name;
}

platform::Result<RegistryKey> RootKey(platform::RegistryRoot root) {
  platform::Result<platform::Registry> registry = platform::DeviceRegistry();
  if (!registry) return registry.error();
  return registry->Root(root);
}

// A printed line is read again as a command line, where %% stands for %.
std::u16string ForCommandLine(std::u16string_view line) {
  std::u16string out;
  out.reserve(line.size());
  for (char16_t c : line) {
    if (c == u'%') out += u'%';
    out += c;
  }
  return out;
}

void PrintValueLine(platform::RegistryRoot root, std::u16string_view key, std::u16string_view name,
                    const platform::RegistryValue& value) {
  PrintText(ForCommandLine(FormatRegistryLine(root, key, name, value)));
}

// DELREG's option groups ("/Q" and letters it does not know); gives the
// position after them.
std::size_t ReadDeleteOptions(std::u16string_view text, bool& quiet) {
  std::size_t at = SkipBlanksFrom(text, 0);
  while (at < text.size() && text[at] == u'/') {
    const std::size_t end = WordEnd(text, false, at);
    for (std::size_t i = at + 1; i < end; ++i) {
      if (platform::ToUpper(text[i]) == u'Q') quiet = true;
    }
    at = SkipBlanksFrom(text, end);
  }
  return at;
}

bool Confirmed(std::u16string_view question) {
  return AskUser(question, MessageBoxButtons::YesNo, MessageBoxIcon::Question,
                 MessageBoxAnswer::No) == MessageBoxAnswer::Yes;
}

ResultCode DeleteValueOf(ShellContext& context, const RegistryKey& key,
                         const RegistryTarget& target, bool quiet) {
  const std::u16string& name = *target.valueName;
  platform::Result<platform::RegistryValue> existing = platform::QueryValue(key, name);
  if (!existing) {
    return Fail(context,
                existing.error() == ErrorCode::FileNotFound ? regmsg::kNoSuchValue
                                                            : regmsg::kDeleteValueFailed,
                ShownName(name));
  }
  if (!quiet && !Confirmed(FormatMessage(GetMessageText(regmsg::kAskDeleteValue),
                                         {target.key, ShownName(name)}))) {
    ShowError(regmsg::kCancelled);
    return kStoppedByUser;
  }
  if (!platform::DeleteValue(key, name))
    return Fail(context, regmsg::kDeleteValueFailed, ShownName(name));
  return kOk;
}

ResultCode DeleteWholeKey(ShellContext& context, const RegistryKey& root,
                          const RegistryTarget& target, bool quiet) {
  if (!quiet && !Confirmed(FormatMessage(GetMessageText(regmsg::kAskDeleteKey), {target.key}))) {
    ShowError(regmsg::kCancelled);
    return kStoppedByUser;
  }
  if (!platform::DeleteKey(root, target.key)) {
    return Fail(context, regmsg::kDeleteKeyFailed, target.key);
  }
  return kOk;
}

// Lists the values of one key (and with recurse its subkeys, depth-first).
ResultCode ListKey(ShellContext& context, const RegistryKey& root, platform::RegistryRoot rootId,
                   const std::u16string& path, bool recurse) {
  platform::Result<RegistryKey> key = platform::OpenKey(root, path);
  if (!key) return Fail(context, regmsg::kOpenFailed, path);
  std::uint32_t printed = 0;
  for (std::uint32_t index = 0;; ++index) {
    platform::Result<platform::RegistryValue> value = platform::EnumValue(*key, index);
    if (!value) {
      if (value.error() == ErrorCode::NoMoreFiles) break;
      return Fail(context, regmsg::kRegistryFailed);
    }
    PrintValueLine(rootId, path, value->name, *value);
    ++printed;
    if (PollForStop()) {
      SetErrorLevel(context, 1);
      return kStoppedByUser;
    }
  }
  if (printed > 0) PrintText(u"");
  if (!recurse) return kOk;
  for (std::uint32_t index = 0;; ++index) {
    platform::Result<std::u16string> name = platform::EnumKey(*key, index);
    if (!name) {
      if (name.error() == ErrorCode::NoMoreFiles) break;
      return Fail(context, regmsg::kRegistryFailed);
    }
    if (PollForStop()) {
      SetErrorLevel(context, 1);
      return kStoppedByUser;
    }
    std::u16string child = path;
    if (!child.ends_with(u'\\')) child += u'\\';
    child += *name;
    if (const ResultCode done = ListKey(context, root, rootId, child, true); done != kOk) {
      return done;
    }
  }
  return kOk;
}

}  // namespace

ResultCode AddRegCommand(CommandCall& call) {
  ShellContext& context = call.context;
  LineResult<AddRegLine> parsed = ParseAddRegLine(call.arguments);
  if (const LineFault* fault = std::get_if<LineFault>(&parsed))
    return Fail(context, fault->message);
  const AddRegLine& line = std::get<AddRegLine>(parsed);

  platform::Result<RegistryKey> root = RootKey(line.root);
  if (!root) return Fail(context, regmsg::kOpenFailed, line.key);
  platform::Result<platform::CreatedKey> key = platform::CreateKey(*root, line.key);
  if (!key) return Fail(context, regmsg::kOpenFailed, line.key);

  const platform::Status written =
      line.noOverwrite ? platform::AddValue(key->key, line.valueName, line.type, line.data)
                       : platform::SetValue(key->key, line.valueName, line.type, line.data);
  if (written.error() == ErrorCode::AlreadyExists) {
    return Fail(context, regmsg::kValueExists, ShownName(line.valueName));
  }
  // A refused write is reported too: at the prompt silence reads as success.
  if (!written) return Fail(context, regmsg::kRegistryFailed, ShownName(line.valueName));
  return kOk;
}

ResultCode DelRegCommand(CommandCall& call) {
  ShellContext& context = call.context;
  bool quiet = false;
  const std::size_t start = ReadDeleteOptions(call.arguments, quiet);
  LineResult<RegistryTarget> parsed = ParseRegistryTarget(call.arguments.substr(start), false);
  if (const LineFault* fault = std::get_if<LineFault>(&parsed))
    return Fail(context, fault->message);
  const RegistryTarget& target = std::get<RegistryTarget>(parsed);

  platform::Result<RegistryKey> root = RootKey(target.root);
  if (!root) return Fail(context, regmsg::kOpenFailed, target.key);
  platform::Result<RegistryKey> key = platform::OpenKey(*root, target.key);
  if (!key) return Fail(context, regmsg::kOpenFailed, target.key);
  if (key->isRoot()) return Fail(context, regmsg::kRootNotDeletable);
  if (target.valueName) return DeleteValueOf(context, *key, target, quiet);
  key->Close();
  return DeleteWholeKey(context, *root, target, quiet);
}

ResultCode DirRegCommand(CommandCall& call) {
  ShellContext& context = call.context;
  std::u16string_view text = call.arguments;
  const bool recurse = text.size() >= 2 && text[0] == u'/' && (text[1] == u's' || text[1] == u'S');
  if (recurse) text = SkipBlanks(text.substr(2));
  LineResult<RegistryTarget> parsed = ParseRegistryTarget(text, recurse);
  if (const LineFault* fault = std::get_if<LineFault>(&parsed))
    return Fail(context, fault->message);
  const RegistryTarget& target = std::get<RegistryTarget>(parsed);

  platform::Result<RegistryKey> root = RootKey(target.root);
  if (!root) return Fail(context, regmsg::kOpenFailed, target.key);
  if (recurse || !target.valueName)
    return ListKey(context, *root, target.root, target.key, recurse);

  platform::Result<RegistryKey> key = platform::OpenKey(*root, target.key);
  if (!key) return Fail(context, regmsg::kOpenFailed, target.key);
  platform::Result<platform::RegistryValue> value = platform::QueryValue(*key, *target.valueName);
  if (!value) return Fail(context, regmsg::kNoSuchValue, ShownName(*target.valueName));
  PrintValueLine(target.root, target.key, value->name, *value);
  return kOk;
}

}  // namespace tessera
