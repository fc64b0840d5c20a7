#include "platform/sysinfo.h"

#include <sys/utsname.h>

#include <charconv>
#include <cstring>

namespace tessera::platform {

Result<OsVersion> GetOsVersion() {
  struct utsname name;
  if (uname(&name) != 0) return ErrorCode::NotSupported;
  const char* p = name.release;
  const char* end = p + std::strlen(p);
  OsVersion version;
  auto [afterMajor, ec] = std::from_chars(p, end, version.major);
  if (ec != std::errc()) return ErrorCode::NotSupported;
  // "6" alone or "6-foo" still gives a major version; the minor stays 0.
  if (afterMajor < end && *afterMajor == '.') {
    if (std::from_chars(afterMajor + 1, end, version.minor).ec != std::errc()) version.minor = 0;
  }
  return version;
}

}  // namespace tessera::platform
