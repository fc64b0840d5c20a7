#include "tools/common/current_directory.h"

#include "platform/shared_memory.h"
#include "platform/standard_streams.h"

namespace tessera::tools {

std::u16string DecodeDirectoryBlock(const std::vector<std::uint8_t>& bytes) {
  std::u16string directory;
  const std::size_t size = std::min(bytes.size(), kDirectoryBlockBytes);
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0) break;
    directory += unit;
  }
  if (directory.empty() || directory.back() != u'\\') return {};
  return directory;
}

std::u16string ReadSharedCurrentDirectory() {
  const auto name = platform::EnvironmentValue("TESSERA_CWD_BLOCK");
  if (!name || name->empty()) return {};
  auto block = platform::SharedMemoryBlock::OpenExisting(*name);
  if (!block) return {};
  auto bytes = block->Read(0, kDirectoryBlockBytes);
  if (!bytes) return {};
  return DecodeDirectoryBlock(*bytes);
}

}  // namespace tessera::tools
