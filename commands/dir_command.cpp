#include "commands/dir_command.h"

#include <string>
#include <vector>

#include "commands/dir_layout.h"
#include "commands/dir_options.h"
#include "commands/dir_sort.h"
#include "commands/path_limits.h"
#include "platform/find.h"
#include "platform/lower_case.h"
#include "platform/text.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

namespace dirmsg {
constexpr std::int32_t kBadOption = 18;
constexpr std::int32_t kNotFound = 40;
constexpr std::uint32_t kNoFiles = 101;
constexpr std::int32_t kSyntax = 119;
}  // namespace dirmsg

constexpr int kLongLayoutColumns = 40;
constexpr int kWalkLongLayoutColumns = 35;

// Where the listing looks: a directory and the pattern of names in it.
struct DirTarget {
  std::u16string directory;  // empty for the root
  std::u16string pattern;    // the last component
  bool directoryListing = false;
};

std::u16string Inside(std::u16string_view directory, std::u16string_view name) {
  std::u16string out(directory);
  out += u'\\';
  out += name;
  return out;
}

DirTarget ResolveTarget(ShellContext& context, const std::optional<std::u16string>& path) {
  const ContextValue* current = GetCurrentDirectoryValue(context);
  const std::u16string base = (current && current->value) ? *current->value : std::u16string();
  DirTarget target;
  std::u16string resolved;
  if (!path) {
    resolved = base;
  } else if (!path->empty() && path->front() == u'\\') {
    resolved = std::u16string(TrimTrailingView(*path, u'\\'));
  } else {
    resolved = JoinPath(base, *path);
  }
  if (resolved.empty() || platform::IsDirectory(resolved)) {
    target.directory = std::move(resolved);
    target.pattern = u"*.*";
    target.directoryListing = true;
    return target;
  }
  const std::size_t slash = resolved.rfind(u'\\');
  target.directory = resolved.substr(0, slash == std::u16string::npos ? 0 : slash);
  target.pattern = resolved.substr(slash == std::u16string::npos ? 0 : slash + 1);
  return target;
}

class DirRun {
 public:
  DirRun(CommandCall& call, const DirOptions& options)
      : call_(call),
        options_(options),
        grouping_(options.grouping != -1),
        columns_(Session().consoleColumns),
        keys_(options.sortKeys.value_or(u"")) {}

  ResultCode List(const DirTarget& target);
  ResultCode Walk(const DirTarget& target);

 private:
  enum class Collect { Listed, Stopped };

  // Every line goes out in the case the options ask for.
  std::u16string Cased(std::u16string_view text) const {
    if (options_.letterCase == 1) return platform::ToLower(text);
    if (options_.letterCase == -1) return platform::ToUpper(text);
    return std::u16string(text);
  }
  void Write(std::u16string_view text) const { PrintText(Cased(text)); }
  bool Passes(const platform::FindData& entry) const;
  // Keeps the found entries that match the pattern and pass the filter,
  // in listing order.
  Collect Gather(const std::vector<platform::FindData>& found, std::u16string_view pattern,
                 std::vector<platform::FindData>& listed, bool& anyMatched) const;
  // Long or short lines and the total; false when the user stopped.
  bool WriteLines(const std::vector<platform::FindData>& listed, int longFrom) const;
  bool WriteWide(const std::vector<platform::FindData>& listed) const;
  bool WriteBare(const std::vector<platform::FindData>& listed) const;
  enum class WalkStep { Going, Stopped };
  WalkStep WalkDirectory(const std::u16string& directory, std::u16string_view pattern);
  ResultCode Fail(std::int32_t message, std::optional<std::u16string_view> argument) {
    ShowError(message, argument);
    SetErrorLevel(call_.context, 1);
    return kFileError;
  }

  CommandCall& call_;
  const DirOptions& options_;
  bool grouping_;
  int columns_;
  std::u16string keys_;
  bool listedAny_ = false;
  bool walkFailed_ = false;
};

bool DirRun::Passes(const platform::FindData& entry) const {
  if (!options_.filter) return true;
  const std::uint32_t bits = entry.info.attributes;
  if (options_.include != 0 && (bits & options_.include) == 0) return false;
  if (options_.exclude != 0 && (bits & options_.exclude) != 0) return false;
  return true;
}

DirRun::Collect DirRun::Gather(const std::vector<platform::FindData>& found,
                               std::u16string_view pattern, std::vector<platform::FindData>& listed,
                               bool& anyMatched) const {
  anyMatched = false;
  for (const platform::FindData& entry : found) {
    if (PollForStop()) return Collect::Stopped;
    if (!pattern.empty() && !platform::MatchWildcard(pattern, entry.name)) continue;
    anyMatched = true;
    if (Passes(entry)) listed.push_back(entry);
  }
  SortListing(listed, keys_);
  return Collect::Listed;
}

bool DirRun::WriteLines(const std::vector<platform::FindData>& listed, int longFrom) const {
  const bool longLines = columns_ >= longFrom;
  std::uint64_t bytes = 0;
  for (const platform::FindData& entry : listed) {
    if (PollForStop()) return false;
    Write(longLines ? LongListingLine(entry, grouping_) : ShortListingLine(entry, grouping_));
    bytes += entry.info.size;
  }
  Write(ListingTotal(listed.size(), bytes, grouping_, columns_));
  return true;
}

bool DirRun::WriteWide(const std::vector<platform::FindData>& listed) const {
  std::vector<std::size_t> widths;
  widths.reserve(listed.size());
  std::uint64_t bytes = 0;
  for (const platform::FindData& entry : listed) {
    if (PollForStop()) return false;
    widths.push_back(WideWidth(entry));
    bytes += entry.info.size;
  }
  for (const std::u16string& row : WideRows(listed, widths, columns_)) Write(row);
  Write(WideTotal(listed.size(), bytes, grouping_));
  return true;
}

bool DirRun::WriteBare(const std::vector<platform::FindData>& listed) const {
  for (const platform::FindData& entry : listed) {
    Write(entry.name);
    if (PollForStop()) return false;
  }
  return true;
}

ResultCode DirRun::List(const DirTarget& target) {
  const std::u16string search = Inside(target.directory, target.pattern);
  if (IsTooLongPath(search)) {
    ShowPathTooLong(search);
    SetErrorLevel(call_.context, 1);
    return kFileError;
  }
  auto found = platform::FindFiles(search);
  std::vector<platform::FindData> listed;
  if (found) {
    bool anyMatched = false;
    // FindFiles matched the pattern already.
    if (Gather(*found, u"", listed, anyMatched) == Collect::Stopped) return kStoppedByUser;
  }
  if (listed.empty()) {
    if (target.directoryListing) {
      Write(GetMessageText(dirmsg::kNoFiles));
      SetErrorLevel(call_.context, 1);
      return kFileError;
    }
    return Fail(dirmsg::kNotFound, std::nullopt);
  }
  bool finished = true;
  if (options_.bare == 1) {
    finished = WriteBare(listed);
  } else if (options_.wide == 1) {
    finished = WriteWide(listed);
  } else {
    finished = WriteLines(listed, kLongLayoutColumns);
  }
  return finished ? kOk : kStoppedByUser;
}

DirRun::WalkStep DirRun::WalkDirectory(const std::u16string& directory,
                                       std::u16string_view pattern) {
  // One read of the directory serves both the listing and the descent.
  auto found = platform::FindFiles(Inside(directory, u"*.*"));
  if (!found) return WalkStep::Going;  // nothing to list and nothing below

  std::vector<platform::FindData> listed;
  bool anyMatched = false;
  if (Gather(*found, pattern, listed, anyMatched) == Collect::Stopped) return WalkStep::Stopped;
  if (!listed.empty()) {
    PrintLine(u"", Cased(directory.empty() ? u"\\" : std::u16string_view(directory)));
    listedAny_ = true;
  }
  if (anyMatched && !WriteLines(listed, kWalkLongLayoutColumns)) return WalkStep::Stopped;

  for (const platform::FindData& entry : *found) {
    if (!(entry.info.attributes & platform::kAttrDirectory)) continue;
    const std::u16string below = Inside(directory, entry.name);
    // A deeper path would not fit a device path: say so and go on.
    if (IsTooLongPath(Inside(below, pattern))) {
      ShowPathTooLong(below);
      walkFailed_ = true;
      continue;
    }
    if (WalkDirectory(below, pattern) == WalkStep::Stopped) return WalkStep::Stopped;
  }
  return WalkStep::Going;
}

ResultCode DirRun::Walk(const DirTarget& target) {
  if (IsTooLongPath(Inside(target.directory, target.pattern))) {
    ShowPathTooLong(Inside(target.directory, target.pattern));
    SetErrorLevel(call_.context, 1);
    return kFileError;
  }
  if (WalkDirectory(target.directory, target.pattern) == WalkStep::Stopped) {
    SetErrorLevel(call_.context, 1);
    return kStoppedByUser;
  }
  if (!listedAny_) return Fail(dirmsg::kNotFound, std::nullopt);
  if (walkFailed_) {
    SetErrorLevel(call_.context, 1);
    return kFileError;
  }
  return kOk;
}

}  // namespace

ResultCode DirCommand(CommandCall& call) {
  const DirParse parse = ParseDirArguments(call.arguments);
  if (parse.error == DirParseError::BadOption) {
    ShowError(dirmsg::kBadOption, parse.badOption);
    SetErrorLevel(call.context, 1);
    return kInvalidArgument;
  }
  if (parse.error == DirParseError::Syntax) {
    ShowError(dirmsg::kSyntax);
    return kSyntaxError;
  }
  const DirTarget target = ResolveTarget(call.context, parse.options.path);
  DirRun run(call, parse.options);
  return parse.options.recursive == 1 ? run.Walk(target) : run.List(target);
}

}  // namespace tessera
