#include "commands/comp_command.h"

#include <array>
#include <cstring>

#include "commands/block_reader.h"
#include "commands/option_groups.h"
#include "commands/two_paths.h"
#include "platform/files.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"

namespace tessera {

namespace {

namespace compmsg {
constexpr std::int32_t kAccessFailed = 42;
constexpr std::int32_t kDifferent = 44;
constexpr std::int32_t kSame = 45;
constexpr std::int32_t kBadArguments = 56;
constexpr std::int32_t kBadFirst = 77;
constexpr std::int32_t kBadSecond = 78;
}  // namespace compmsg

constexpr std::size_t kBlockSize = 1024;

}  // namespace

ResultCode CompCommand(CommandCall& call) {
  ShellContext& context = call.context;
  auto fail = [&context](std::int32_t message,
                         std::optional<std::u16string_view> argument = std::nullopt) {
    ShowError(message, argument);
    SetErrorLevel(context, 1);
    return kFileError;
  };
  bool silent = false;
  const std::u16string_view rest = ReadOptionGroups(call.arguments, [&](char16_t letter) {
    if (letter == u'S') silent = true;
  });
  const TwoPaths paths = ReadTwoPaths(rest, context);
  switch (paths.outcome) {
    case TwoPathsOutcome::Both:
      break;
    case TwoPathsOutcome::NoArguments:
      return fail(compmsg::kBadArguments);
    case TwoPathsOutcome::NoFirst:
      return fail(compmsg::kBadFirst);
    case TwoPathsOutcome::NoSecond:
      return fail(compmsg::kBadSecond);
    case TwoPathsOutcome::OutOfMemory:
      return fail(msg::kOutOfMemory);
  }
  auto first = platform::File::Open(DirectoryForPlatform(paths.first), platform::OpenMode::Read);
  if (!first.ok()) return fail(compmsg::kAccessFailed, paths.first);
  auto second = platform::File::Open(DirectoryForPlatform(paths.second), platform::OpenMode::Read);
  if (!second.ok()) return fail(compmsg::kAccessFailed, paths.second);

  std::array<std::uint8_t, kBlockSize> firstBlock{};
  std::array<std::uint8_t, kBlockSize> secondBlock{};
  for (;;) {
    const auto firstCount = ReadBlock(*first, firstBlock.data(), kBlockSize);
    if (!firstCount.ok()) return fail(compmsg::kAccessFailed, paths.first);
    const auto secondCount = ReadBlock(*second, secondBlock.data(), kBlockSize);
    if (!secondCount.ok()) return fail(compmsg::kAccessFailed, paths.second);
    if (*firstCount != *secondCount ||
        std::memcmp(firstBlock.data(), secondBlock.data(), *firstCount) != 0) {
      if (!silent) ShowError(compmsg::kDifferent);
      SetErrorLevel(context, 2);
      return kOk;
    }
    if (*firstCount < kBlockSize) {
      if (!silent) ShowError(compmsg::kSame);
      return kOk;
    }
  }
}

}  // namespace tessera
