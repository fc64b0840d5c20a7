// The device namespace: where the device root lies on the host, how device
// paths map to host paths, and the program's own folder on the device.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace tessera::platform {

// Longest device path, in UTF-16 units, without the terminator.
inline constexpr std::size_t kMaxDevicePath = 259;

struct DeviceOptions {
  // Host directory of the device root; when unset, TESSERA_ROOT, else
  // $XDG_DATA_HOME/tessera/device (~/.local/share/tessera/device).
  std::optional<std::string> root;
  // Host directory holding the program's shipped files; when unset, the
  // directory of the running executable.
  std::optional<std::string> programHostDir;
  // File name of the program inside its folder; when unset, the name of
  // the running executable.
  std::optional<std::string> programFileName;
  // Entries of programHostDir linked into \Program Files\Tessera at start.
  std::vector<std::string> shippedEntries = {"Tessera.exe",
                                             "bin",
                                             "Language",
                                             "HELPBRIEF.TXT",
                                             "HELPBRIEF_CHS.TXT",
                                             "HELPBRIEF_ENU.TXT",
                                             "STRRESOURCE_CHS.TXT",
                                             "STRRESOURCE_ENU.TXT",
                                             "TSXHELP.HTM",
                                             "TSXREF.HTM"};
  // Programs of the device's own that ship with the program: the file
  // below programHostDir, linked into \Windows under the given name.
  struct SystemEntry {
    std::string source;
    std::string name;
  };
  std::vector<SystemEntry> systemEntries = {{"bin/peghelp.exe", "peghelp.exe"}};
};

// Chooses the device root, creates the first-start skeleton (\Windows,
// \Temp, \My Documents, \Program Files\Tessera; \Storage Card linked to the
// user's home on the default root only) and the state folder, moves a
// registry database left in \Windows by earlier versions into the state
// folder, links the shipped files into the program's folder and the
// device's own programs into \Windows. Call once at start, before any
// other device call; tests call it again for each temporary root.
Status SetupDevice(const DeviceOptions& options);

// The host directory SetupDevice takes as device root for these options
// (--root, else TESSERA_ROOT, else the default); empty when none can be
// made out. For messages about a root that could not be set up.
std::string DeviceRootFor(const DeviceOptions& options);

// Host directory of the device root (absolute, no trailing '/').
const std::string& DeviceRootHostPath();

// The host folder inside the device root that holds the device's own state
// (the registry database). No device path reaches it: lookups of its name
// (in any case, after "..", or through a link into the root) are refused,
// and listings of the root never show it. Made by SetupDevice.
inline constexpr std::string_view kDeviceStateFolder = ".tessera-state";
std::string DeviceStateHostPath();
// True when the root was chosen by default (not by --root or TESSERA_ROOT).
bool DeviceRootIsDefault();
// A short stable tag of the device root (16 hexadecimal digits) for names
// of host objects that belong to one device.
std::string DeviceRootTag();

// Device path of the running program, e.g. \Program Files\Tessera\Tessera.exe.
// Empty when it is not known.
const std::u16string& ModulePath();
// The module path cut after its last '\' (the '\' kept).
std::u16string ProgramDirectory();
// The device's temporary directory, \Temp.
std::u16string TempDirectory();

// Maps a device path to a host path. A path beginning with '\' (or '/') is a
// device path: "." and ".." are resolved without ever leaving the root, runs
// of separators count as one, and each component is matched exactly first,
// else without regard to case among the entries of the host directory;
// components that match nothing keep the spelling given. Any other path is
// a host path relative to the process's working directory and is returned
// unchanged. Fails with FilenameTooLong past kMaxDevicePath units,
// PathNotFound for the empty text (and for a device path before
// SetupDevice), InvalidName for a text holding a NUL, AccessDenied for a
// path into the state folder.
Result<std::string> HostPath(std::u16string_view path);

// Maps a host path under the device root back to a device path; empty when
// the host path lies outside the root or in its state folder.
std::u16string DevicePathOf(const std::string& hostPath);

}  // namespace tessera::platform
