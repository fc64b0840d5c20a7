#include "launch/external.h"

#include "launch/child_streams.h"
#include "launch/process_table.h"
#include "launch/redirection.h"
#include "platform/device.h"
#include "platform/files.h"
#include "platform/text.h"
#include "shell/batch.h"
#include "shell/current_directory.h"
#include "shell/environment.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

constexpr std::int32_t kRunFailed = 48;
constexpr int kPollMilliseconds = 500;

bool Exists(const std::u16string& path) { return platform::PathExists(DirectoryForPlatform(path)); }

// A name that joins to the root itself (".", "..") is the empty text, and
// with an extension put after it no device path at all: the platform would
// take it as a host file beside the shell's own working directory.
std::optional<ResolvedCommand> Candidate(const std::u16string& path,
                                         std::u16string_view extension) {
  if (path.empty() || path[0] != u'\\' || !Exists(path)) return std::nullopt;
  return ResolvedCommand{path, platform::EqualsNoCase(extension, u"BAT")};
}

// name + ".EXE", then name + ".BAT".
std::optional<ResolvedCommand> ProgramOrBatch(const std::u16string& base) {
  if (auto found = Candidate(base + u".EXE", u"EXE")) return found;
  return Candidate(base + u".BAT", u"BAT");
}

std::u16string StreamModeName(bool unicode) { return unicode ? u"binary" : u"text"; }

std::vector<std::pair<std::string, std::string>> ChildEnvironment(std::u16string_view commandLine,
                                                                  bool unicode) {
  const std::string mode = platform::Utf16ToUtf8(StreamModeName(unicode));
  return {
      {"TESSERA_CMDLINE", platform::WideToHostBytes(commandLine)},
      {"TESSERA_SHELL_PID", std::to_string(platform::CurrentProcessId())},
      {"TESSERA_STDIN_MODE", mode},
      {"TESSERA_STDOUT_MODE", mode},
      {"TESSERA_STDERR_MODE", mode},
      {"TESSERA_ROOT", platform::DeviceRootHostPath()},
      {"TESSERA_CWD_BLOCK", CurrentDirectoryBlockName()},
  };
}

std::optional<platform::Process> Start(const std::u16string& path, std::u16string_view commandLine,
                                       bool unicode) {
  platform::SpawnRequest request;
  request.program = path;
  request.commandLine = std::u16string(commandLine);
  request.environment = ChildEnvironment(commandLine, unicode);
  auto process = platform::SpawnProgram(request);
  if (!process.ok()) return std::nullopt;
  return std::move(*process);
}

void Record(platform::Process process, const std::u16string& path, std::u16string_view arguments) {
  ProcessRecord record;
  record.processId = process.id();
  record.process = std::move(process);
  record.programPath = path;
  record.arguments = std::u16string(arguments.substr(0, kRecordedArguments));
  record.startTime = platform::GetDeviceLocalTime();
  Processes().Append(std::move(record));
}

// Waits for the newest record's program, polling for the stop request.
void WaitForForeground(ShellContext& context) {
  ProcessRecord& record = Processes().Last();
  Session().stopRequested = false;
  for (;;) {
    const auto code = record.process.ExitCode();
    if (!code.ok()) return;
    if (*code != platform::kStillActive) {
      SetErrorLevel(context, static_cast<long>(static_cast<std::int32_t>(*code)));
      return;
    }
    if (PollForStop(GetMessageText(msg::kStopQuestion))) {
      (void)record.process.Terminate();
      return;
    }
    record.process.WaitForExit(kPollMilliseconds);
  }
}

}  // namespace

std::optional<ResolvedCommand> ResolveCommandFile(const std::u16string* directory,
                                                  const std::u16string* current,
                                                  std::u16string_view name,
                                                  std::u16string_view extension) {
  const std::u16string nameText(name);
  const std::u16string withExtension = nameText + u"." + std::u16string(extension);
  if (!directory && !current) {
    if (!extension.empty()) return Candidate(withExtension, extension);
    return ProgramOrBatch(nameText);
  }
  if (directory) {
    const bool exe = platform::EqualsNoCase(extension, u"EXE");
    const bool bat = platform::EqualsNoCase(extension, u"BAT");
    if (!extension.empty() && !exe && !bat) return std::nullopt;
    const std::u16string base = (!directory->empty() && (*directory)[0] == u'\\')
                                    ? *directory
                                    : JoinPath(current ? *current : u"", *directory);
    if (extension.empty()) return ProgramOrBatch(JoinPath(base, nameText));
    return Candidate(JoinPath(base, withExtension), extension);
  }
  if (!extension.empty()) return Candidate(JoinPath(*current, withExtension), extension);
  return ProgramOrBatch(JoinPath(*current, nameText));
}

ResultCode RunExternalCommand(std::u16string_view commandLine, ShellContext& context) {
  std::u16string_view text = SkipBlanks(commandLine);
  if (!text.empty() && text[0] == u'@') text = text.substr(1);
  const std::optional<Token> word = GetToken(text, 0, true);
  if (!word || word->end == word->start) {
    ShowError(msg::kCommandNotFound);
    return kCommandNotFound;
  }
  const std::u16string_view arguments = text.substr(SkipBlanksFrom(text, word->next));
  std::u16string name(text.substr(word->start, word->end - word->start));
  // The extension: the last '.' before any '\', never the first character.
  std::u16string extension;
  for (std::size_t i = name.size(); i-- > 1;) {
    if (name[i] == u'\\') break;
    if (name[i] == u'.') {
      extension = platform::ToUpper(std::u16string_view(name).substr(i + 1));
      name.resize(i);
      break;
    }
  }

  std::optional<ResolvedCommand> found;
  if (name[0] == u'\\') {
    found = ResolveCommandFile(nullptr, nullptr, name, extension);
  } else {
    ContextValue* current = GetCurrentDirectoryValue(context);
    if (!current) {
      ShowError(msg::kOutOfMemory);
      return kNoCurrentDirectory;
    }
    const std::u16string currentDirectory = current->value.value_or(u"");
    found = ResolveCommandFile(nullptr, &currentDirectory, name, extension);
    if (!found) {
      if (!extension.empty() && extension != u"BAT" && extension != u"EXE") {
        ShowError(msg::kCommandNotFound);
        return kCommandNotFound;
      }
      const std::u16string* path = context.GetValueText(kPath);
      if (!path) return kNoCurrentDirectory;
      std::u16string_view rest = *path;
      while (!found) {
        const std::optional<std::u16string> element = NextPathElement(rest);
        if (!element) break;
        found = ResolveCommandFile(&*element, &currentDirectory, name, extension);
      }
    }
  }
  if (!found) {
    ShowError(msg::kCommandNotFound);
    return kCommandNotFound;
  }
  if (found->batch) {
    return CallBatch(FormatMessage(u"\"%s\" %s", {found->path, arguments}), context);
  }
  return LaunchFile(found->path, arguments, context) ? kOk : kCommandNotFound;
}

bool LaunchFile(const std::u16string& path, std::u16string_view arguments, ShellContext& context) {
  const std::size_t dot = path.rfind(u'.');
  if (dot != std::u16string::npos &&
      platform::StartsWithNoCase(std::u16string_view(path).substr(dot), u".exe")) {
    return RunProgram(path, arguments, context);
  }
  if (!platform::OpenDocument(path, arguments).ok()) {
    ShowError(kRunFailed);
    return false;
  }
  return true;
}

bool RunProgram(const std::u16string& path, std::u16string_view arguments, ShellContext& context) {
  const RedirectSpec redirect = ParseRedirections(arguments, context);
  std::optional<ChildStreams> streams = SetUpChildStreams(redirect, context);
  if (!streams) return false;
  std::optional<platform::Process> process = Start(path, redirect.argumentText, streams->unicode);
  if (!process) {
    ShowError(kRunFailed);
    PutBackChildStreams(*streams);
    return false;
  }
  Record(std::move(*process), path, redirect.argumentText);
  if (redirect.background) {
    PutBackChildStreams(*streams);
    return true;
  }
  WaitForForeground(context);
  Processes().RemoveLast();
  FinishChildStreams(*streams, context);
  return true;
}

}  // namespace tessera
