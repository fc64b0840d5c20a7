#include "commands/move_command.h"

#include "commands/path_limits.h"
#include "commands/two_paths.h"
#include "platform/find.h"
#include "platform/move.h"
#include "platform/text.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"

namespace tessera {

namespace {

namespace movemsg {
constexpr std::int32_t kMoveFailed = 17;
constexpr std::int32_t kIntoOwnSubdirectory = 35;
constexpr std::int32_t kAmbiguousWildcard = 49;
constexpr std::int32_t kSourceNotFound = 50;
constexpr std::int32_t kBadSource = 51;
constexpr std::int32_t kTargetExistsSkipped = 53;
constexpr std::int32_t kTargetIsFile = 54;
constexpr std::int32_t kBadTarget = 55;
constexpr std::int32_t kBadArguments = 56;
constexpr std::int32_t kManyFilesNeedDirectory = 85;
}  // namespace movemsg

bool HasWildcard(std::u16string_view path) {
  return path.find_first_of(u"*?") != std::u16string_view::npos;
}

// True when a directory would be moved into itself or below itself. Only
// whole components count: \a may well move to \abc.
bool IsInsideItself(std::u16string_view source, std::u16string_view destination) {
  if (!platform::StartsWithNoCase(destination, source)) return false;
  return destination.size() == source.size() || destination[source.size()] == u'\\';
}

}  // namespace

ResultCode MoveCommand(CommandCall& call) {
  auto fail = [&call](std::int32_t message,
                      std::optional<std::u16string_view> argument = std::nullopt) {
    ShowError(message, argument);
    SetErrorLevel(call.context, 1);
    return kFileError;
  };
  const TwoPaths paths = ReadTwoPaths(call.arguments, call.context);
  switch (paths.outcome) {
    case TwoPathsOutcome::Both:
      break;
    case TwoPathsOutcome::NoArguments:
      return fail(movemsg::kBadArguments);
    case TwoPathsOutcome::NoFirst:
      return fail(movemsg::kBadSource);
    case TwoPathsOutcome::NoSecond:
      return fail(movemsg::kBadTarget);
    case TwoPathsOutcome::OutOfMemory:
      return fail(msg::kOutOfMemory);
  }
  const std::u16string& source = paths.first;
  const std::u16string& destination = paths.second;
  for (const std::u16string* path : {&source, &destination}) {
    if (IsTooLongPath(*path)) {
      ShowPathTooLong(*path);
      SetErrorLevel(call.context, 1);
      return kFileError;
    }
  }

  const auto target = platform::GetFileInfo(DirectoryForPlatform(destination));
  const bool intoDirectory = target.ok();
  if (intoDirectory && !(target->attributes & platform::kAttrDirectory)) {
    return fail(movemsg::kTargetIsFile, destination);
  }
  const auto found = platform::FindFiles(source);
  if (!found.ok()) return fail(movemsg::kSourceNotFound, source);
  std::size_t files = 0;
  for (const platform::FindData& entry : *found) {
    if (!(entry.info.attributes & platform::kAttrDirectory)) ++files;
  }
  if (!intoDirectory && files >= 2) return fail(movemsg::kManyFilesNeedDirectory, source);
  const bool wildcard = HasWildcard(source);
  if (wildcard && files == 0) return fail(movemsg::kAmbiguousWildcard, source);

  std::size_t moved = 0;
  std::size_t notMoved = 0;
  for (const platform::FindData& entry : *found) {
    const bool isDirectory = (entry.info.attributes & platform::kAttrDirectory) != 0;
    if (wildcard && isDirectory) continue;  // a pattern moves files only
    const std::u16string fullSource = ReplaceFileName(source, entry.name);
    std::u16string fullTarget = destination;
    if (intoDirectory) fullTarget += u'\\' + entry.name;
    if (IsTooLongPath(fullSource) || IsTooLongPath(fullTarget)) {
      ShowPathTooLong(IsTooLongPath(fullSource) ? fullSource : fullTarget);
      ++notMoved;
      continue;
    }
    if (intoDirectory && platform::PathExists(fullTarget)) {
      ShowError(movemsg::kTargetExistsSkipped, fullTarget);
      ++notMoved;
      continue;
    }
    if (isDirectory && IsInsideItself(fullSource, fullTarget)) {
      ShowError(movemsg::kIntoOwnSubdirectory, fullSource);
      ++notMoved;
      continue;
    }
    if (!platform::MoveEntry(fullSource, fullTarget).ok()) {
      ShowError(movemsg::kMoveFailed, fullSource);
      ++notMoved;
      continue;
    }
    ++moved;
  }
  // Some moved and some not: the move is partly done.
  if (moved > 0 && notMoved > 0) SetErrorLevel(call.context, 2);
  return notMoved > 0 ? kFileError : kOk;
}

}  // namespace tessera
