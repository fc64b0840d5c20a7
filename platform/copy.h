// Whole-file copy and file identity.
#pragma once

#include <string_view>

#include "platform/filetime.h"
#include "platform/result.h"

namespace tessera::platform {

// Copies a file's bytes, its last-write time and its attributes onto the
// destination, replacing an existing file. Refuses, leaving everything as
// it was: IsADirectory when either name is a directory, AccessDenied for a
// read-only destination, SharingViolation when both names reach the same
// file (a copy onto itself would empty it). A destination that the copy
// created is removed again when the copy fails part way.
Status CopyFileReplacing(std::u16string_view source, std::u16string_view destination);

// True when both names reach one existing file (same host file, whatever
// the spelling, links followed).
bool IsSameFile(std::u16string_view first, std::u16string_view second);

// Sets the last-write time of an existing entry.
Status SetLastWriteTime(std::u16string_view path, FileTime time);

}  // namespace tessera::platform
