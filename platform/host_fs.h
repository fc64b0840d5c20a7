// Host-side helpers shared by the device, file and find sources of the
// platform layer (not for use above it).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/result.h"

namespace tessera::platform::detail {

// Extended attribute holding the hidden, system and archive bits, as decimal text.
inline constexpr const char* kAttribXattr = "user.tessera.attrib";
inline constexpr std::uint32_t kStoredBits = kAttrHidden | kAttrSystem | kAttrArchive;

// dir + '/' + name, without doubling the '/' after the host root "/".
std::string JoinHost(std::string_view dir, std::string_view name);
// The part of a host path after its last '/' (the whole path without one).
std::string_view HostBaseName(std::string_view hostPath);
// The part before the last '/' ("/" for "/x", "." for a bare name).
std::string HostDirName(std::string_view hostPath);

// Tells a missing last component (FileNotFound) from a missing or
// non-directory parent (PathNotFound), for a host path that gave ENOENT.
ErrorCode MissingEntryError(const std::string& hostPath);
// The error for a failed call on hostPath with the given errno.
ErrorCode HostError(const std::string& hostPath, int err);

// True when the host path leads to the device's state folder, which no
// listing shows.
bool IsDeviceStateFolder(const std::string& hostPath);

// True when the entry lies on a mount that cannot be written (the in-ROM bit).
bool OnReadOnlyMount(const std::string& hostPath);

// Attributes, size and times of a host entry (links followed; a dangling
// link is described by the link itself so that it can still be deleted).
Result<FileInfo> HostFileInfo(const std::string& hostPath);
// The same for the entry `name` of an open directory (its host path given
// too), without walking the directory's path again; directoryReadOnly is
// the directory's own answer to OnReadOnlyMount when known.
Result<FileInfo> HostEntryInfo(int directoryFd, const char* name, const std::string& hostPath,
                               std::optional<bool> directoryReadOnly);

}  // namespace tessera::platform::detail
