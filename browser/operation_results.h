// Result codes of the file browser's file operations. The upper half tells
// the class: 0x2000 argument or state, 0x2001 failure, 0x2002 the user's
// decision. Internal: the user sees the prompts, never a code.
#pragma once

#include "shell/result_codes.h"

namespace tessera::browser {

inline constexpr ResultCode kDone = 0;
// A missing or empty argument, or a paste the engine refuses outright.
inline constexpr ResultCode kMissingArgument = 0x20000002;
// The target file exists and prompting is off.
inline constexpr ResultCode kTargetFileExists = 0x20000011;
// A file-system call failed (copy, move, delete, create or remove a
// folder, change attributes).
inline constexpr ResultCode kCallFailed = 0x20010002;
// The target or source is read-only and prompting is off.
inline constexpr ResultCode kReadOnly = 0x20010003;
// A folder stands where a file is to be written.
inline constexpr ResultCode kFolderInTheWay = 0x20010004;
// A file stands where a folder is to be created, or the paste destination
// is not a folder.
inline constexpr ResultCode kFileInTheWay = 0x20010005;
// No free duplicate name is left.
inline constexpr ResultCode kNoFreeName = 0x2001000a;
// The source no longer exists.
inline constexpr ResultCode kSourceMissing = 0x2001000b;
// The user chose Cancel: the whole operation stops.
inline constexpr ResultCode kCancelled = 0x20020003;
// The user chose No for an entry, or entries were skipped: the operation
// goes on.
inline constexpr ResultCode kSkipped = 0x20020005;

}  // namespace tessera::browser
