// The current directory published for other programs in the shared block
// TESSERA_CURRENT_DIRECTORY.
#pragma once

#include <string>
#include <string_view>

namespace tessera {

inline constexpr std::u16string_view kCurrentDirectoryBlock = u"TESSERA_CURRENT_DIRECTORY";
// 260 UTF-16 units: the directory with its one trailing '\' and the terminator.
inline constexpr std::size_t kCurrentDirectoryBlockSize = 520;

// Made by the front end when its session starts, closed when it ends. False
// when the platform refuses the block; the shell then runs without it.
bool CreateCurrentDirectoryBlock();
void CloseCurrentDirectoryBlock();
// The block's host name, for the programs the shell starts; empty without one.
std::string CurrentDirectoryBlockName();

// Writes the directory ("" or "\" for the root) with exactly one trailing
// '\'. False without a block. A directory too long for the block keeps its
// leading 259 units, so no shorter (and wrong) directory is ever published.
bool PublishCurrentDirectory(std::u16string_view path);

// The text the block holds for a directory (without the terminator).
std::u16string PublishedDirectoryText(std::u16string_view path);

}  // namespace tessera
