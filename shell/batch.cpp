#include "shell/batch.h"

#include "platform/files.h"
#include "platform/text.h"
#include "shell/current_directory.h"
#include "shell/environment.h"
#include "shell/execute.h"
#include "shell/message_catalogue.h"
#include "shell/multi_string.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"
#include "shell/text_lines.h"

namespace tessera {

namespace {

constexpr std::int32_t kBadPDirectory = 2;
constexpr std::int32_t kBadOption = 18;
constexpr std::int32_t kFileAccessError = 42;
constexpr std::int32_t kBatchMissing = 66;
constexpr std::int32_t kFileMissing = 67;
constexpr std::int32_t kNameTheBatch = 72;
constexpr std::size_t kMaxPDirectory = 259;

int g_depth = 0;

struct CallOptions {
  enum class Place { Copy, Caller, Fresh } context = Place::Copy;
  enum class Directory { Keep, OfBatch, Given } directory = Directory::Keep;
  std::u16string givenDirectory;
  bool stopOnError = false;
};

bool IsBatchFile(const std::u16string& path) {
  // A directory of that name is no batch file, whatever its name.
  return platform::PathExists(path) && !platform::IsDirectory(path);
}

bool HasExtension(std::u16string_view name) {
  const std::size_t slash = name.rfind(u'\\');
  const std::size_t dot = name.rfind(u'.');
  return dot != std::u16string_view::npos && (slash == std::u16string_view::npos || dot > slash);
}

// The path itself, else with .EXE, else with .BAT (when it has no extension).
std::optional<std::u16string> Probe(const std::u16string& path, bool withExtension) {
  if (IsBatchFile(path)) return path;
  if (withExtension) return std::nullopt;
  for (const char16_t* ext : {u".EXE", u".BAT"}) {
    if (IsBatchFile(path + ext)) return path + ext;
  }
  return std::nullopt;
}

// Reads /E /I /N /P dir /X; gives false when /P lacks its directory.
bool ReadOptions(std::u16string_view& text, CallOptions& options) {
  for (;;) {
    text = SkipBlanks(text);
    if (text.empty() || text[0] != u'/') return true;
    std::size_t i = 1;
    while (i < text.size() && !IsBlank(text[i]) && !IsOperatorChar(text[i])) {
      const char16_t letter = platform::ToUpper(text[i++]);
      if (letter == u'E') {
        options.directory = CallOptions::Directory::OfBatch;
      } else if (letter == u'I') {
        options.context = CallOptions::Place::Caller;
      } else if (letter == u'N') {
        options.context = CallOptions::Place::Fresh;
      } else if (letter == u'X') {
        options.stopOnError = true;
      } else if (letter == u'P') {
        const std::optional<Token> token = GetToken(text, i, true);
        if (!token || token->end - token->start > kMaxPDirectory || token->end == token->start)
          return false;
        options.directory = CallOptions::Directory::Given;
        options.givenDirectory =
            std::u16string(text.substr(token->start, token->end - token->start));
        i = token->next;
        break;
      }
    }
    text = text.substr(i);
  }
}

void PublishCallerDirectory(ShellContext& caller) {
  if (const ContextValue* current = GetCurrentDirectoryValue(caller); current && current->value) {
    PublishCurrentDirectory(*current->value);
  }
}

// Runs the lines of a batch file in its context.
ResultCode RunLines(const TextLines& lines, ShellContext& context) {
  BatchPosition position{&lines,
                         lines.lines.empty() ? std::nullopt : std::optional<std::size_t>(0)};
  while (position.current) {
    const std::u16string& line = lines.lines[*position.current];
    const std::u16string* echo = context.GetValueText(kEchoMode);
    if (echo && *echo == u"ON") {
      const std::u16string_view text = SkipBlanks(line);
      if (text.empty()) {
        PrintPrompt(context);
        PrintText(u"");
      } else if (text[0] != u'@') {
        PrintPrompt(context);
      }
    }
    position.current = ExecuteLine(line, context, &position, kInBatch);
    if (PollForStop(GetMessageText(msg::kBatchStopQuestion))) return kOk;
    const std::u16string* stopFlag = context.GetValueText(kErrorStopFlag);
    if (stopFlag && *stopFlag != u"0" && GetErrorLevel(context) != 0) return kNotCarriedOut;
  }
  return kOk;
}

}  // namespace

std::vector<std::u16string> SplitBatchArguments(std::u16string_view text) {
  std::vector<std::u16string> arguments;
  std::size_t i = SkipBlanksFrom(text, 0);
  while (i < text.size()) {
    std::size_t end;
    if (text[i] == u'"') {
      const std::size_t close = text.find(u'"', i + 1);
      end = close == std::u16string_view::npos ? text.size() : close + 1;
    } else if (IsOperatorChar(text[i])) {
      end = i + 1;
    } else {
      end = WordEnd(text, true, i);
    }
    arguments.emplace_back(text.substr(i, end - i));
    i = SkipBlanksFrom(text, end);
  }
  return arguments;
}

std::optional<FoundBatch> FindBatchFile(std::u16string_view text, ShellContext& context) {
  const std::optional<Token> token = GetToken(text, 0, true);
  if (!token) return std::nullopt;
  std::u16string name(
      text.substr(token->start, std::min(token->end - token->start, kMaxBatchName)));
  const bool withExtension = HasExtension(name);

  std::optional<std::u16string> found;
  if (!name.empty() && name[0] == u'\\') {
    found = Probe(name, withExtension);
    if (!found) found = name;  // the read that follows reports it
  } else {
    ContextValue* current = GetCurrentDirectoryValue(context);
    if (!current) return std::nullopt;
    const std::u16string currentDirectory = current->value.value_or(u"");
    found = Probe(JoinPath(currentDirectory, name), withExtension);
    if (!found) {
      const std::u16string* path = context.GetValueText(kPath);
      if (!path) return std::nullopt;
      std::u16string_view rest = *path;
      while (!found) {
        const std::optional<std::u16string> element = NextPathElement(rest);
        if (!element) break;
        const std::u16string directory =
            (*element)[0] == u'\\' ? *element : JoinPath(currentDirectory, *element);
        found = Probe(JoinPath(directory, name), withExtension);
      }
    }
  }
  if (!found) return std::nullopt;
  FoundBatch batch;
  batch.path = *found;
  batch.arguments.push_back(name);
  for (auto& argument : SplitBatchArguments(text.substr(token->next)))
    batch.arguments.push_back(std::move(argument));
  return batch;
}

ResultCode CallBatch(std::u16string_view text, ShellContext& caller) {
  CallOptions options;
  ResultCode result = kOk;
  if (!ReadOptions(text, options)) {
    ShowError(kBadOption, u"/P");
    PublishCallerDirectory(caller);
    return kOk;
  }
  auto fail = [&caller](ResultCode code) {
    SetErrorLevel(caller, 1);
    PublishCallerDirectory(caller);
    return code;
  };
  if (text.empty()) {
    ShowError(kNameTheBatch, text);
    return fail(kBatchNotFound);
  }
  std::optional<FoundBatch> batch = FindBatchFile(text, caller);
  if (!batch) {
    ShowError(kBatchMissing, text);
    return fail(kBatchNotFound);
  }
  TextLines lines;
  if (const ResultCode read = ReadTextLines(batch->path, 0, lines); read != kOk) {
    ShowError(platform::PathExists(batch->path) ? kFileAccessError : kFileMissing, batch->path);
    return fail(read);
  }
  if (g_depth >= kMaxBatchDepth) {
    ShowError(msg::kOutOfMemory, batch->path);
    return fail(kOutOfMemory);
  }

  ShellContext own;
  ShellContext* context = &caller;
  if (options.context == CallOptions::Place::Fresh) {
    InitContextDefaults(own);
    context = &own;
  } else if (options.context == CallOptions::Place::Copy) {
    own = caller;
    context = &own;
  }

  if (options.directory == CallOptions::Directory::Given) {
    std::u16string directory = options.givenDirectory;
    if (directory[0] != u'\\') {
      ContextValue* current = GetCurrentDirectoryValue(*context);
      if (!current) return fail(kOutOfMemory);
      directory = JoinPath(current->value.value_or(u""), directory);
    }
    if (!platform::IsDirectory(DirectoryForPlatform(directory))) {
      ShowError(kBadPDirectory, directory);
      return fail(kInvalidArgument);
    }
    context->Set(kCurDir, directory, kValueNotDeletable);
  } else if (options.directory == CallOptions::Directory::OfBatch) {
    const std::size_t slash = batch->path.rfind(u'\\');
    context->Set(kCurDir, slash == std::u16string::npos ? u"" : batch->path.substr(0, slash),
                 kValueNotDeletable);
  }
  if (options.stopOnError) context->Set(kErrorStopFlag, u"1");

  ContextValue* arguments = context->FindValue(kBatchArgs, kCreateHidden);
  const std::optional<std::u16string> previousArguments = arguments->value;
  arguments->value = JoinMultiString(batch->arguments);

  ++g_depth;
  result = RunLines(lines, *context);
  --g_depth;

  // The caller's own argument list comes back; a list this call made goes.
  if (previousArguments) {
    context->Set(kBatchArgs, *previousArguments, kValueHidden);
  } else {
    context->RemoveValue(kBatchArgs);
  }
  if (result != kOk) SetErrorLevel(caller, 1);
  PublishCallerDirectory(caller);
  return result;
}

}  // namespace tessera
