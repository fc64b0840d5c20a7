#include "commands/block_reader.h"

namespace tessera {

platform::Result<std::size_t> ReadBlock(platform::File& file, std::uint8_t* buffer,
                                        std::size_t size) {
  std::size_t filled = 0;
  while (filled < size) {
    auto got = file.Read(buffer + filled, size - filled);
    if (!got.ok()) return got.error();
    if (*got == 0) break;
    filled += *got;
  }
  return filled;
}

}  // namespace tessera
