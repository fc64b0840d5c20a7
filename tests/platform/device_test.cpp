#include "platform/device.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/temp_root.h"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempRoot;

// Sets an environment variable for one test and puts the old value back.
class EnvOverride {
 public:
  EnvOverride(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvOverride() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::string Host(std::u16string_view device) {
  auto host = HostPath(device);
  EXPECT_TRUE(host.ok()) << "error " << static_cast<int>(host.error());
  return host ? *host : std::string();
}

TEST(DeviceSetup, CreatesTheSkeletonOnANamedRootWithoutStorageCard) {
  TempRoot root;
  for (const char* dir : {"/Windows", "/Temp", "/My Documents", "/Program Files/Tessera"}) {
    EXPECT_TRUE(fs::is_directory(root.host() + dir)) << dir;
  }
  EXPECT_FALSE(fs::exists(fs::symlink_status(root.host() + "/Storage Card")));
  EXPECT_FALSE(DeviceRootIsDefault());
  EXPECT_EQ(DeviceRootHostPath(), root.host());
  EXPECT_EQ(TempDirectory(), u"\\Temp");
}

TEST(DeviceSetup, DefaultRootLiesUnderXdgDataHomeAndLinksStorageCardToHome) {
  TempRoot scratch;
  const std::string home = scratch.host() + "/home";
  const std::string data = scratch.host() + "/data";
  fs::create_directories(home);
  EnvOverride noRoot("TESSERA_ROOT", std::nullopt);
  EnvOverride xdg("XDG_DATA_HOME", data);
  EnvOverride homeVar("HOME", home);

  DeviceOptions options = scratch.Options();
  options.root.reset();
  ASSERT_TRUE(SetupDevice(options).ok());
  EXPECT_TRUE(DeviceRootIsDefault());
  EXPECT_EQ(DeviceRootHostPath(), data + "/tessera/device");
  const fs::path card = data + "/tessera/device/Storage Card";
  ASSERT_TRUE(fs::is_symlink(card));
  EXPECT_EQ(fs::read_symlink(card), home);
  EXPECT_TRUE(fs::is_directory(data + "/tessera/device/Windows"));

  // Without XDG_DATA_HOME the root goes to ~/.local/share.
  EnvOverride noXdg("XDG_DATA_HOME", std::nullopt);
  ASSERT_TRUE(SetupDevice(options).ok());
  EXPECT_EQ(DeviceRootHostPath(), home + "/.local/share/tessera/device");
  EXPECT_TRUE(fs::is_symlink(home + "/.local/share/tessera/device/Storage Card"));
}

TEST(DeviceSetup, TesseraRootEnvironmentNamesTheRootWithoutStorageCard) {
  TempRoot scratch;
  const std::string named = scratch.host() + "/named";
  EnvOverride root("TESSERA_ROOT", named);
  DeviceOptions options = scratch.Options();
  options.root.reset();
  ASSERT_TRUE(SetupDevice(options).ok());
  EXPECT_FALSE(DeviceRootIsDefault());
  EXPECT_EQ(DeviceRootHostPath(), named);
  EXPECT_FALSE(fs::exists(fs::symlink_status(named + "/Storage Card")));
}

TEST(DeviceProgramFolder, LinksShippedEntriesAndGivesTheModulePath) {
  TempRoot root;
  const std::string folder = root.host() + "/Program Files/Tessera";
  ASSERT_TRUE(fs::is_symlink(folder + "/Tessera.exe"));
  EXPECT_EQ(fs::read_symlink(folder + "/Tessera.exe"), root.programHost() + "/Tessera.exe");
  ASSERT_TRUE(fs::is_symlink(folder + "/bin"));
  EXPECT_TRUE(fs::is_directory(folder + "/bin"));
  // Entries the build does not ship are not linked.
  EXPECT_FALSE(fs::exists(fs::symlink_status(folder + "/Language")));
  EXPECT_EQ(ModulePath(), u"\\Program Files\\Tessera\\Tessera.exe");
  EXPECT_EQ(ProgramDirectory(), u"\\Program Files\\Tessera\\");
}

TEST(DeviceProgramFolder, ReplacesStaleLinksButKeepsTheUsersOwnFiles) {
  TempRoot root;
  const std::string folder = root.host() + "/Program Files/Tessera";
  root.WriteHostFile(root.programHost() + "/HELPBRIEF.TXT", "help\n");
  // The user put a real HELPBRIEF.TXT (in other case) there; bin points elsewhere.
  fs::remove(folder + "/bin");
  fs::create_directory_symlink("/nonexistent/old/bin", folder + "/bin");
  root.WriteHostFile(folder + "/helpbrief.txt", "mine\n");
  ASSERT_TRUE(SetupDevice(root.Options()).ok());

  EXPECT_EQ(fs::read_symlink(folder + "/bin"), root.programHost() + "/bin");
  EXPECT_FALSE(fs::is_symlink(folder + "/helpbrief.txt"));
  EXPECT_EQ(root.ReadHostFile(folder + "/helpbrief.txt"), "mine\n");
  EXPECT_FALSE(fs::exists(fs::symlink_status(folder + "/HELPBRIEF.TXT")));
  // No leftovers of the replacement.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 3);  // Tessera.exe, bin, helpbrief.txt
}

TEST(DeviceProgramFolder, ProgramInsideTheRootUsesItsOwnDevicePath) {
  TempRoot root;
  const std::string inside = root.host() + "/Apps/Shell";
  root.WriteHostFile(inside + "/Tessera.exe", "#!/bin/sh\n");
  DeviceOptions options = root.Options();
  options.programHostDir = inside;
  ASSERT_TRUE(SetupDevice(options).ok());
  EXPECT_EQ(ModulePath(), u"\\Apps\\Shell\\Tessera.exe");
  EXPECT_EQ(ProgramDirectory(), u"\\Apps\\Shell\\");
}

TEST(DeviceHostPath, MatchesEveryComponentWithoutRegardToCase) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Windows/Sub/file.txt", "x");
  EXPECT_EQ(Host(u"\\WINDOWS\\sub\\FILE.TXT"), root.host() + "/Windows/Sub/file.txt");
  EXPECT_EQ(Host(u"\\windows/SUB/File.Txt"), root.host() + "/Windows/Sub/file.txt");
  // A path that starts with '/' is a host path, as a tool run from bash is given.
  EXPECT_EQ(Host(u"/tmp/b.txt"), "/tmp/b.txt");
  // Components that match nothing keep the spelling given, also below them.
  EXPECT_EQ(Host(u"\\windows\\New Dir\\NewFile.TXT"), root.host() + "/Windows/New Dir/NewFile.TXT");
  EXPECT_EQ(Host(u"\\"), root.host());
}

TEST(DeviceHostPath, PrefersTheExactSpellingAmongCaseVariants) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Temp/abc", "1");
  root.WriteHostFile(root.host() + "/Temp/ABC", "2");
  EXPECT_EQ(Host(u"\\Temp\\abc"), root.host() + "/Temp/abc");
  EXPECT_EQ(Host(u"\\Temp\\ABC"), root.host() + "/Temp/ABC");
  // Neither spelled so: the first in byte order, every time.
  EXPECT_EQ(Host(u"\\Temp\\Abc"), root.host() + "/Temp/ABC");
}

TEST(DeviceHostPath, ResolvesDotsAndSeparatorsWithoutLeavingTheRoot) {
  TempRoot root;
  EXPECT_EQ(Host(u"\\..\\..\\etc\\passwd"), root.host() + "/etc/passwd");
  EXPECT_EQ(Host(u"\\Windows\\..\\..\\Temp"), root.host() + "/Temp");
  EXPECT_EQ(Host(u"\\\\Windows//.\\\\x"), root.host() + "/Windows/x");
  EXPECT_EQ(Host(u"\\Windows\\."), root.host() + "/Windows");
  EXPECT_EQ(Host(u"\\.."), root.host());
}

TEST(DeviceHostPath, RefusesEmptyTooLongAndEmbeddedNul) {
  TempRoot root;
  EXPECT_EQ(HostPath(u"").error(), ErrorCode::PathNotFound);
  std::u16string longest = u"\\" + std::u16string(kMaxDevicePath - 1, u'a');
  EXPECT_TRUE(HostPath(longest).ok());
  EXPECT_EQ(HostPath(longest + u"a").error(), ErrorCode::FilenameTooLong);
  EXPECT_EQ(HostPath(std::u16string(u"\\a\0b", 4)).error(), ErrorCode::InvalidName);
}

TEST(DeviceHostPath, RelativeNamesAreHostPathsLeftAlone) {
  TempRoot root;
  EXPECT_EQ(Host(u"a.txt"), "a.txt");
  EXPECT_EQ(Host(u"../x/\u65e5\u672c.txt"), "../x/\xe6\x97\xa5\xe6\x9c\xac.txt");
}

TEST(DeviceDevicePathOf, MapsHostPathsUnderTheRootBack) {
  TempRoot root;
  EXPECT_EQ(DevicePathOf(root.host()), u"\\");
  EXPECT_EQ(DevicePathOf(root.host() + "/My Documents/a.txt"), u"\\My Documents\\a.txt");
  EXPECT_EQ(DevicePathOf(root.host() + "/Temp/../Windows"), u"\\Windows");
  EXPECT_EQ(DevicePathOf(root.host() + "x/a"), u"");  // a sibling that shares the prefix
  EXPECT_EQ(DevicePathOf(root.programHost()), u"");
  EXPECT_EQ(DevicePathOf("/"), u"");
}

}  // namespace
}  // namespace tessera::platform
