#include "commands/copy_command.h"

#include <array>
#include <string>
#include <vector>

#include "commands/path_limits.h"
#include "commands/two_paths.h"
#include "platform/copy.h"
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

namespace copymsg {
constexpr std::int32_t kSourceInaccessible = 24;
constexpr std::int32_t kSourceIsDirectory = 25;
constexpr std::int32_t kBadSource = 26;
constexpr std::int32_t kReadFailed = 27;
constexpr std::int32_t kSameFile = 28;
constexpr std::int32_t kDestinationInaccessible = 29;
constexpr std::int32_t kWildcardDestination = 30;
constexpr std::int32_t kBadDestination = 31;
constexpr std::int32_t kWriteFailed = 32;
constexpr std::int32_t kDestinationReadOnly = 33;
constexpr std::int32_t kCopyFailed = 34;
constexpr std::int32_t kBadArguments = 56;
constexpr std::int32_t kSourceNotFound = 67;
constexpr std::uint32_t kSkipDirectory = 90;
}  // namespace copymsg

// Bytes moved per read while joining. Only the first two bytes of each
// source matter to the byte-order-mark rule, so the size is free.
constexpr std::size_t kJoinBlock = 64 * 1024;

using platform::ErrorCode;

bool HasWildcard(std::u16string_view text) {
  return text.find_first_of(u"*?") != std::u16string_view::npos;
}

std::u16string_view LastComponent(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

// The directory of a path with `name` in place of the last component.
std::u16string Sibling(std::u16string_view path, std::u16string_view name) {
  std::u16string out(
      path.substr(0, path.rfind(u'\\') == std::u16string_view::npos ? 0 : path.rfind(u'\\')));
  out += u'\\';
  out += name;
  return out;
}

// Inside a directory (its trailing backslashes ignored; empty is the root).
std::u16string Inside(std::u16string_view directory, std::u16string_view name) {
  std::u16string out(TrimTrailingView(directory, u'\\'));
  out += u'\\';
  out += name;
  return out;
}

bool IsReadOnlyFile(std::u16string_view path) {
  auto attributes = platform::GetFileAttributes(path);
  return attributes && (*attributes & platform::kAttrReadOnly) &&
         !(*attributes & platform::kAttrDirectory);
}

class CopyRun {
 public:
  CopyRun(std::u16string source, std::u16string destination)
      : source_(std::move(source)), destination_(std::move(destination)) {}

  // Gives true when every step succeeded.
  bool Run();

 private:
  bool Fail(std::int32_t message, std::optional<std::u16string_view> argument) {
    ShowError(message, argument);
    return false;
  }
  bool FailTooLong(std::u16string_view path) {
    ShowPathTooLong(path);
    return false;
  }
  bool CopySingleIntoDirectory();
  bool CopySingleOnto();
  bool CopyEachIntoDirectory();
  bool Join();
  bool AppendSource(platform::File& out, std::u16string_view fullSource);

  std::u16string source_;
  std::u16string destination_;
  bool destinationIsDirectory_ = false;
};

bool CopyRun::Run() {
  if (HasWildcard(destination_)) return Fail(copymsg::kWildcardDestination, destination_);
  if (IsTooLongPath(source_)) return FailTooLong(source_);
  if (IsTooLongPath(destination_)) return FailTooLong(destination_);
  destinationIsDirectory_ = platform::IsDirectory(DirectoryForPlatform(destination_));
  if (platform::IsDirectory(DirectoryForPlatform(source_)))
    return Fail(copymsg::kSourceIsDirectory, source_);

  auto found = platform::FindFiles(source_);
  if (!found) return Fail(copymsg::kSourceNotFound, source_);
  if (found->size() == 1) {
    if (HasWildcard(LastComponent(source_))) {
      std::u16string named = Sibling(source_, found->front().name);
      if (IsTooLongPath(named)) return FailTooLong(named);
      source_ = std::move(named);
    }
    return destinationIsDirectory_ ? CopySingleIntoDirectory() : CopySingleOnto();
  }
  return destinationIsDirectory_ ? CopyEachIntoDirectory() : Join();
}

bool CopyRun::CopySingleIntoDirectory() {
  const std::u16string full = Inside(destination_, LastComponent(source_));
  if (IsTooLongPath(full)) return FailTooLong(full);
  if (IsReadOnlyFile(full)) return Fail(copymsg::kDestinationReadOnly, full);
  if (platform::EqualsNoCase(source_, full)) return Fail(copymsg::kSameFile, source_);
  const platform::Status copied = platform::CopyFileReplacing(source_, full);
  if (copied.error() == ErrorCode::SharingViolation) return Fail(copymsg::kSameFile, source_);
  if (!copied) return Fail(copymsg::kCopyFailed, full);
  return true;
}

bool CopyRun::CopySingleOnto() {
  if (platform::EqualsNoCase(source_, destination_)) return Fail(copymsg::kSameFile, source_);
  const bool readOnly = IsReadOnlyFile(destination_);
  const platform::Status copied = platform::CopyFileReplacing(source_, destination_);
  if (copied.error() == ErrorCode::SharingViolation) return Fail(copymsg::kSameFile, source_);
  if (!copied) {
    if (readOnly) return Fail(copymsg::kDestinationReadOnly, destination_);
    return Fail(copymsg::kCopyFailed, std::nullopt);
  }
  return true;
}

bool CopyRun::CopyEachIntoDirectory() {
  auto found = platform::FindFiles(source_);
  if (!found) return Fail(copymsg::kSourceInaccessible, source_);
  for (const platform::FindData& entry : *found) {
    if (entry.info.attributes & platform::kAttrDirectory) {
      ShowError(kPreformattedError,
                FormatMessage(GetMessageText(copymsg::kSkipDirectory), {entry.name}));
      continue;
    }
    const std::u16string fullSource = Sibling(source_, entry.name);
    const std::u16string fullDestination = Inside(destination_, entry.name);
    if (IsTooLongPath(fullSource)) return FailTooLong(fullSource);
    if (IsTooLongPath(fullDestination)) return FailTooLong(fullDestination);
    if (fullSource == fullDestination) return Fail(copymsg::kSameFile, fullSource);
    const platform::Status copied = platform::CopyFileReplacing(fullSource, fullDestination);
    if (copied.error() == ErrorCode::SharingViolation) return Fail(copymsg::kSameFile, fullSource);
    if (!copied) {
      if (IsReadOnlyFile(fullDestination))
        return Fail(copymsg::kDestinationReadOnly, fullDestination);
      return Fail(copymsg::kCopyFailed, fullDestination);
    }
  }
  return true;
}

// The destination is written from its start and holds exactly the joined
// data afterwards: an existing file is cut to nothing when it is opened.
bool CopyRun::Join() {
  if (IsReadOnlyFile(destination_)) return Fail(copymsg::kDestinationReadOnly, destination_);
  auto out = platform::File::Open(destination_, platform::OpenMode::CreateAlways);
  if (!out) return Fail(copymsg::kDestinationInaccessible, destination_);
  auto found = platform::FindFiles(source_);
  if (!found) return Fail(copymsg::kSourceInaccessible, source_);
  for (const platform::FindData& entry : *found) {
    const std::u16string fullSource = Sibling(source_, entry.name);
    if (IsTooLongPath(fullSource)) return FailTooLong(fullSource);
    // Never read the destination into itself, whatever name reaches it.
    if (fullSource == destination_ || platform::IsSameFile(fullSource, destination_)) continue;
    if (!AppendSource(*out, fullSource)) return false;
  }
  if (!out->Close()) return Fail(copymsg::kWriteFailed, destination_);
  return true;
}

bool CopyRun::AppendSource(platform::File& out, std::u16string_view fullSource) {
  auto in = platform::File::Open(fullSource, platform::OpenMode::Read);
  if (!in) return Fail(copymsg::kSourceInaccessible, fullSource);
  std::vector<std::uint8_t> block(kJoinBlock);
  bool first = true;
  while (true) {
    auto got = in->Read(block.data(), block.size());
    if (!got) return Fail(copymsg::kReadFailed, fullSource);
    if (*got == 0) return true;
    std::size_t skip = 0;
    if (first && *got >= 2 && block[0] == 0xFF && block[1] == 0xFE) skip = 2;
    first = false;
    if (!out.Write(block.data() + skip, *got - skip))
      return Fail(copymsg::kWriteFailed, fullSource);
  }
}

}  // namespace

ResultCode CopyCommand(CommandCall& call) {
  TwoPaths paths = ReadTwoPaths(call.arguments, call.context);
  std::int32_t problem = 0;
  switch (paths.outcome) {
    case TwoPathsOutcome::Both:
      break;
    case TwoPathsOutcome::NoArguments:
      problem = copymsg::kBadArguments;
      break;
    case TwoPathsOutcome::NoFirst:
      problem = copymsg::kBadSource;
      break;
    case TwoPathsOutcome::NoSecond:
      problem = copymsg::kBadDestination;
      break;
    case TwoPathsOutcome::OutOfMemory:
      problem = static_cast<std::int32_t>(msg::kOutOfMemory);
      break;
  }
  if (problem != 0) {
    ShowError(problem);
    SetErrorLevel(call.context, 1);
    return kInvalidArgument;
  }
  CopyRun run(std::move(paths.first), std::move(paths.second));
  if (!run.Run()) {
    SetErrorLevel(call.context, 1);
    return kFileError;
  }
  return kOk;
}

}  // namespace tessera
