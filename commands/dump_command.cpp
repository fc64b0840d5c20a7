#include "commands/dump_command.h"

#include <array>

#include "commands/block_reader.h"
#include "commands/option_groups.h"
#include "commands/type_command.h"
#include "platform/files.h"
#include "shell/output.h"
#include "shell/paths.h"

namespace tessera {

namespace {

namespace dumpmsg {
constexpr std::int32_t kIsDirectory = 13;
constexpr std::int32_t kCannotAccess = 41;
constexpr std::int32_t kFileMissing = 67;
constexpr std::int32_t kNameTheFile = 84;
}  // namespace dumpmsg

constexpr std::size_t kBlockSize = 256;

// Digits of value in the given base, left-padded with pad to width.
void AppendNumber(std::u16string& out, std::uint64_t value, unsigned base, std::size_t width,
                  char16_t pad) {
  constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::array<char16_t, 24> digits{};
  std::size_t count = 0;
  do {
    digits[count++] = kDigits[value % base];
    value /= base;
  } while (value != 0);
  for (std::size_t i = count; i < width; ++i) out += pad;
  while (count > 0) out += digits[--count];
}

struct LayoutShape {
  std::size_t valuesPerLine;
  std::size_t bytesPerValue;
};

LayoutShape ShapeOf(DumpLayout layout) {
  switch (layout) {
    case DumpLayout::Decimal:
    case DumpLayout::Octal:
      return {4, 1};
    case DumpLayout::Words:
      return {4, 2};
    case DumpLayout::Hex:
    case DumpLayout::Characters:
      break;
  }
  return {8, 1};
}

void AppendValue(std::u16string& line, std::span<const std::uint8_t> block, std::size_t at,
                 DumpLayout layout) {
  const std::uint8_t byte = block[at];
  line += u' ';
  switch (layout) {
    case DumpLayout::Hex:
      AppendNumber(line, byte, 16, 2, u'0');
      break;
    case DumpLayout::Decimal:
      AppendNumber(line, byte, 10, 3, u' ');
      break;
    case DumpLayout::Octal:
      AppendNumber(line, byte, 8, 3, u' ');
      break;
    case DumpLayout::Characters:
      line += (byte >= 0x20 && byte <= 0x7E) ? static_cast<char16_t>(byte) : u'.';
      break;
    case DumpLayout::Words:
      if (at + 1 < block.size()) {
        AppendNumber(line, block[at + 1], 16, 2, u'0');
      } else {
        line += u"--";  // no high byte was read
      }
      AppendNumber(line, byte, 16, 2, u'0');
      break;
  }
}

}  // namespace

std::vector<std::u16string> DumpBlockLines(std::span<const std::uint8_t> block,
                                           std::uint64_t offset, DumpLayout layout) {
  const LayoutShape shape = ShapeOf(layout);
  const std::size_t bytesPerLine = shape.valuesPerLine * shape.bytesPerValue;
  std::vector<std::u16string> lines;
  for (std::size_t start = 0; start < block.size(); start += bytesPerLine) {
    std::u16string line;
    AppendNumber(line, offset + start, 10, 6, u'0');
    line += u':';
    for (std::size_t at = start; at < block.size() && at < start + bytesPerLine;
         at += shape.bytesPerValue) {
      AppendValue(line, block, at, layout);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

ResultCode DumpCommand(CommandCall& call) {
  ShellContext& context = call.context;
  auto fail = [&context](std::int32_t message,
                         std::optional<std::u16string_view> argument = std::nullopt) {
    ShowError(message, argument);
    SetErrorLevel(context, 1);
    return kFileError;
  };
  DumpLayout layout = DumpLayout::Hex;
  const std::u16string_view rest = ReadOptionGroups(call.arguments, [&](char16_t letter) {
    switch (letter) {
      case u'X':
        layout = DumpLayout::Hex;
        break;
      case u'D':
        layout = DumpLayout::Decimal;
        break;
      case u'O':
        layout = DumpLayout::Octal;
        break;
      case u'C':
        layout = DumpLayout::Characters;
        break;
      case u'W':
        layout = DumpLayout::Words;
        break;
      default:
        break;
    }
  });
  const std::u16string_view name = PathArgument(rest);
  if (name.empty()) return fail(dumpmsg::kNameTheFile);
  const std::u16string path = MakeAbsolute(context, name);
  const std::u16string platformPath = DirectoryForPlatform(path);
  const auto info = platform::GetFileInfo(platformPath);
  if (!info.ok()) return fail(dumpmsg::kFileMissing, path);
  if (info->attributes & platform::kAttrDirectory) return fail(dumpmsg::kIsDirectory, path);
  auto file = platform::File::Open(platformPath, platform::OpenMode::Read);
  if (!file.ok()) return fail(dumpmsg::kCannotAccess);

  std::array<std::uint8_t, kBlockSize> block{};
  std::uint64_t offset = 0;
  for (;;) {
    const auto count = ReadBlock(*file, block.data(), kBlockSize);
    if (!count.ok()) return fail(dumpmsg::kCannotAccess);
    for (const std::u16string& line :
         DumpBlockLines(std::span(block.data(), *count), offset, layout)) {
      PrintText(line);
      if (PollForStop()) return kOk;
    }
    if (*count < kBlockSize) return kOk;
    offset += *count;
  }
}

}  // namespace tessera
