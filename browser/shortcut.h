// Shortcut files (".lnk"): a short text "<length>#<target>" that names a
// file or folder of the device.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace tessera::browser {

// No more of a shortcut file is read.
inline constexpr std::size_t kShortcutReadLimit = 520;

// True for a name ending in ".lnk" (any case).
bool IsShortcutName(std::u16string_view name);

// The target written in a shortcut's bytes: the first line's text after its
// first '#', without the quotes around it, converted from the ANSI code
// page and trimmed. Nothing without a '#'.
std::optional<std::u16string> ShortcutTargetText(std::string_view bytes);

// The device paths a target text may lead to, in the order they are tried:
// a path beginning with '\' as it stands; a bare program name ("calc.exe")
// in \Windows, then at the root; nothing for any other text.
std::vector<std::u16string> ShortcutCandidates(std::u16string_view target);

struct FollowedShortcut {
  std::u16string target;  // device path of the target
  platform::FileInfo info;
};

// Reads the shortcut file at path and finds its target. Nothing when the
// file cannot be read, names no target, or its target does not exist.
std::optional<FollowedShortcut> FollowShortcut(std::u16string_view path);

}  // namespace tessera::browser
