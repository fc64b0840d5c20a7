#include "platform/sysinfo.h"

#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <string>

namespace tessera::platform {
namespace {

TEST(PlatformSysInfo, OsVersionComesFromTheKernelRelease) {
  struct utsname name;
  ASSERT_EQ(uname(&name), 0);
  auto version = GetOsVersion();
  ASSERT_TRUE(version.ok());
  const std::string expected =
      std::to_string(version->major) + "." + std::to_string(version->minor);
  EXPECT_EQ(std::string(name.release).substr(0, expected.size()), expected);
  EXPECT_GE(version->major, 2);
}

}  // namespace
}  // namespace tessera::platform
