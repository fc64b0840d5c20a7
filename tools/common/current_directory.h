// The shell's current directory, read once from its shared block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessera::tools {

// Size of the block: 260 UTF-16 units including the terminator.
inline constexpr std::size_t kDirectoryBlockBytes = 520;

// The directory held in the bytes of a block: UTF-16LE up to the first NUL
// (or the block's end). A text not ending in '\' is no directory of the
// shell and gives the empty text.
std::u16string DecodeDirectoryBlock(const std::vector<std::uint8_t>& bytes);

// The directory in the block TESSERA_CWD_BLOCK names; empty when no shell
// holds such a block (a relative name then stays a host path).
std::u16string ReadSharedCurrentDirectory();

}  // namespace tessera::tools
