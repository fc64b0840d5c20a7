// The device's state folder: where the registry lives, out of reach of every
// device path, and the move of a database an earlier version left in
// \Windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/device.h"
#include "platform/find.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "support/temp_root.h"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempRoot;

std::string StateFolder(const TempRoot& root) {
  return root.host() + "/" + std::string(kDeviceStateFolder);
}

bool ListsStateFolder(std::u16string_view pattern) {
  auto found = FindFiles(pattern);
  if (!found) return false;
  for (const FindData& entry : *found) {
    if (EqualsNoCase(entry.name, u".tessera-state")) return true;
  }
  return false;
}

TEST(DeviceState, TheRegistryLivesInTheStateFolderInsideTheRoot) {
  TempRoot root;
  EXPECT_TRUE(fs::is_directory(StateFolder(root)));
  EXPECT_EQ(fs::status(StateFolder(root)).permissions() & fs::perms::all, fs::perms::owner_all);
  Result<std::string> path = RegistryDatabasePath();
  ASSERT_TRUE(path.ok());
  EXPECT_EQ(*path, StateFolder(root) + "/registry.db");
  Result<Registry> registry = DeviceRegistry();
  ASSERT_TRUE(registry.ok());
  ASSERT_TRUE(CreateKey(registry->Root(RegistryRoot::CurrentUser), u"Kept").ok());
  EXPECT_TRUE(fs::exists(*path));
  EXPECT_FALSE(fs::exists(root.host() + "/Windows/registry.db"));
}

TEST(DeviceState, NoDevicePathReachesTheStateFolder) {
  TempRoot root;
  ASSERT_TRUE(DeviceRegistry().ok());
  for (std::u16string_view path :
       {u"\\.tessera-state", u"\\.TESSERA-STATE\\registry.db", u"\\Temp\\..\\.tessera-state",
        u"\\..\\.Tessera-State\\x", u"\\\\.tessera-state\\\\registry.db-wal",
        u"\\.\\.tessera-state"}) {
    Result<std::string> host = HostPath(path);
    EXPECT_EQ(host.error(), ErrorCode::AccessDenied) << Utf16ToUtf8(path);
  }
  // A name that only begins like it is an ordinary name.
  EXPECT_TRUE(HostPath(u"\\.tessera-state2").ok());
  EXPECT_TRUE(HostPath(u"\\Temp\\.tessera-state").ok());
  // Listings of the root never show it, whatever the pattern.
  for (std::u16string_view pattern :
       {u"\\*", u"\\*.*", u"\\.*", u"\\.tessera-stat?", u"\\*state"}) {
    EXPECT_FALSE(ListsStateFolder(pattern)) << Utf16ToUtf8(pattern);
  }
  EXPECT_TRUE(FindFiles(u"\\.tessera-state").error() == ErrorCode::AccessDenied);
  // A host path inside it is no device path.
  EXPECT_EQ(DevicePathOf(StateFolder(root) + "/registry.db"), u"");
  EXPECT_EQ(DevicePathOf(StateFolder(root)), u"");
}

TEST(DeviceState, ALinkBackIntoTheRootDoesNotLeadThereEither) {
  TempRoot root;
  ASSERT_TRUE(DeviceRegistry().ok());
  // A link in the device to the folder around the root, as the default
  // root's Storage Card is to a home folder that holds the root.
  const std::string around = fs::path(root.host()).parent_path().string();
  fs::create_directory_symlink(around, root.host() + "/Card");
  EXPECT_TRUE(HostPath(u"\\Card\\root\\Windows").ok());
  EXPECT_EQ(HostPath(u"\\Card\\root\\.tessera-state\\registry.db").error(),
            ErrorCode::AccessDenied);
  EXPECT_EQ(HostPath(u"\\card\\ROOT\\.Tessera-State").error(), ErrorCode::AccessDenied);
  EXPECT_FALSE(ListsStateFolder(u"\\Card\\root\\*"));
  auto through = FindFiles(u"\\Card\\root\\*");
  ASSERT_TRUE(through.ok());
  EXPECT_FALSE(through->empty());  // the rest of the root is listed
}

// Writes one string value into a database at an old place and gives the
// open registry: while it is open, the change is still in the journal.
Registry WriteOldDatabase(const std::string& path) {
  Result<Registry> old = OpenRegistryAt(path);
  EXPECT_TRUE(old.ok());
  Result<CreatedKey> key = CreateKey(old->Root(RegistryRoot::CurrentUser), u"Software\\Old");
  EXPECT_TRUE(key.ok());
  const std::vector<std::uint8_t> data = StringValueData(u"kept");
  EXPECT_TRUE(SetValue(key->key, u"Value", kRegString, data).ok());
  return *old;
}

TEST(DeviceState, ADatabaseInTheOldPlaceMovesWithItsJournalOnFirstStart) {
  TempRoot root;
  fs::remove_all(StateFolder(root));
  const std::string old = root.host() + "/Windows/registry.db";
  const std::string copy = root.host() + "/copy";
  fs::create_directory(copy);
  {
    // The files as a shell of the earlier version left them when it was
    // stopped: the last change only in the journal.
    Registry open = WriteOldDatabase(old);
    for (const char* suffix : {"", "-wal", "-shm"}) {
      ASSERT_TRUE(fs::exists(old + suffix)) << suffix;
      fs::copy_file(old + suffix, copy + "/registry.db" + suffix);
    }
  }
  for (const char* suffix : {"", "-wal", "-shm"}) {
    fs::remove(old + suffix);
    fs::rename(copy + "/registry.db" + suffix, old + suffix);
  }

  ASSERT_TRUE(SetupDevice(root.Options()).ok());
  for (const char* suffix : {"", "-wal", "-shm"}) {
    EXPECT_FALSE(fs::exists(old + suffix)) << suffix;
  }
  Result<Registry> registry = DeviceRegistry();
  ASSERT_TRUE(registry.ok());
  Result<RegistryKey> key = OpenKey(registry->Root(RegistryRoot::CurrentUser), u"Software\\Old");
  ASSERT_TRUE(key.ok());
  Result<RegistryValue> value = QueryValue(*key, u"Value");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(StringFromValueData(value->data), u"kept");
}

TEST(DeviceState, ADatabaseAlreadyInTheStateFolderIsNeverReplaced) {
  TempRoot root;
  {
    Result<Registry> registry = DeviceRegistry();
    ASSERT_TRUE(registry.ok());
    ASSERT_TRUE(CreateKey(registry->Root(RegistryRoot::CurrentUser), u"Current").ok());
  }
  const std::string old = root.host() + "/Windows/registry.db";
  (void)WriteOldDatabase(old);
  ASSERT_TRUE(SetupDevice(root.Options()).ok());
  // The current one stays; the old one is left where it is for its owner.
  EXPECT_TRUE(fs::exists(old));
  Result<Registry> registry = DeviceRegistry();
  ASSERT_TRUE(registry.ok());
  EXPECT_TRUE(OpenKey(registry->Root(RegistryRoot::CurrentUser), u"Current").ok());
  EXPECT_FALSE(OpenKey(registry->Root(RegistryRoot::CurrentUser), u"Software\\Old").ok());
}

}  // namespace
}  // namespace tessera::platform
