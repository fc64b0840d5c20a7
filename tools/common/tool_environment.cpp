#include "tools/common/tool_environment.h"

#include <cstdint>

#include "platform/device.h"
#include "platform/files.h"
#include "platform/standard_streams.h"
#include "tools/common/command_line.h"
#include "tools/common/current_directory.h"

namespace tessera::tools {

void SetupToolDevice() {
  const auto root = platform::EnvironmentValue("TESSERA_ROOT");
  if (!root || root->empty()) return;
  platform::DeviceOptions options;
  options.root = *root;
  options.shippedEntries.clear();
  options.systemEntries.clear();
  // A device that cannot be set up leaves '\' paths unresolved; each tool
  // then reports them as files it cannot find.
  (void)platform::SetupDevice(options);
}

platform::Result<std::string> ReadFileBytes(std::u16string_view path) {
  auto file = platform::File::Open(path, platform::OpenMode::Read);
  if (!file) return file.error();
  // Read straight into the result: big inputs are not copied on the way.
  std::string bytes;
  if (auto size = file->Size(); size && *size < (std::uint64_t{1} << 40)) {
    bytes.resize(static_cast<std::size_t>(*size));
  }
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    auto n = file->Read(bytes.data() + filled, bytes.size() - filled);
    if (!n) return n.error();
    if (*n == 0) break;
    filled += *n;
  }
  // A file that grew since (or that reports no size) goes on in pieces.
  if (filled == bytes.size()) {
    char piece[65536];
    while (true) {
      auto n = file->Read(piece, sizeof piece);
      if (!n) return n.error();
      if (*n == 0) break;
      bytes.append(piece, *n);
      filled += *n;
    }
  }
  bytes.resize(filled);
  return bytes;
}

ToolContext ProcessToolContext(int argc, char** argv, ToolOutput& output) {
  SetupToolDevice();
  ToolContext context;
  context.commandLine = ToolCommandLine(argc, argv);
  context.directory = ReadSharedCurrentDirectory();
  context.fileCodePage = ToolCodePage();
  context.inputMode = StreamModeFromEnvironment("TESSERA_STDIN_MODE");
  context.readStandardInput = [] { return platform::ReadStandardInput(); };
  context.output = &output;
  return context;
}

platform::Result<std::u16string> ReadToolInput(const ToolContext& context,
                                               const std::optional<std::u16string>& file,
                                               bool unicodeFile, bool skipMark) {
  const auto refused = [&context](std::u16string_view source, const DecodedText& decoded) {
    if (context.output) context.output->WriteLine(UndecodableTextMessage(source, decoded));
    return platform::ErrorCode::NoUnicodeTranslation;
  };
  if (!file) {
    if (!context.readStandardInput) return std::u16string();
    auto bytes = context.readStandardInput();
    if (!bytes) return bytes.error();
    DecodedText decoded = DecodeStreamBytes(*bytes, context.inputMode);
    if (!decoded.ok()) return refused(kStandardInputName, decoded);
    return std::move(decoded.text);
  }
  auto bytes = ReadFileBytes(*file);
  if (!bytes) return bytes.error();
  std::u16string text;
  if (unicodeFile) {
    text = DecodeUtf16Le(*bytes);
  } else {
    DecodedText decoded = DecodeMultiByteText(*bytes, context.fileCodePage);
    if (!decoded.ok()) return refused(*file, decoded);
    text = std::move(decoded.text);
  }
  if (skipMark && !text.empty() && SkipByteOrderMark(text).size() != text.size()) {
    text.erase(0, 1);
  }
  return text;
}

}  // namespace tessera::tools
