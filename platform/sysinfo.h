// Version and system information of the host.
#pragma once

#include "platform/result.h"

namespace tessera::platform {

struct OsVersion {
  int major = 0;
  int minor = 0;
};

// The host kernel's version (uname release "6.1.0-…" gives 6.1).
Result<OsVersion> GetOsVersion();

}  // namespace tessera::platform
