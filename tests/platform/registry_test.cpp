#include "platform/registry.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/device.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/temp_root.h"

namespace tessera::platform {
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = root_.host() + "/test-registry.db";
    Result<Registry> opened = OpenRegistryAt(path_);
    ASSERT_TRUE(opened.ok()) << static_cast<int>(opened.error());
    registry_ = *opened;
    user_ = registry_.Root(RegistryRoot::CurrentUser);
  }

  RegistryKey Create(std::u16string_view path) {
    Result<CreatedKey> created = CreateKey(user_, path);
    EXPECT_TRUE(created.ok());
    return created.ok() ? created->key : RegistryKey();
  }

  std::vector<std::u16string> SubKeys(const RegistryKey& key) {
    std::vector<std::u16string> names;
    for (std::uint32_t i = 0;; ++i) {
      Result<std::u16string> name = EnumKey(key, i);
      if (!name) {
        EXPECT_EQ(name.error(), ErrorCode::NoMoreFiles);
        return names;
      }
      names.push_back(*name);
    }
  }

  testing::TempRoot root_;
  std::string path_;
  Registry registry_;
  RegistryKey user_;
};

TEST_F(RegistryTest, CreateOpenAndTellWhetherTheKeyExisted) {
  Result<CreatedKey> first = CreateKey(user_, u"Software\\Verdane\\Tessera");
  ASSERT_TRUE(first.ok());
  EXPECT_FALSE(first->existed);
  EXPECT_FALSE(first->key.isRoot());

  Result<CreatedKey> again = CreateKey(user_, u"software\\VERDANE\\tessera");
  ASSERT_TRUE(again.ok());
  EXPECT_TRUE(again->existed);
  ASSERT_TRUE(SetValue(again->key, u"v", kRegDword, DwordValueData(7)).ok());

  // The intermediate keys exist and both handles reach the same key.
  Result<RegistryKey> opened = OpenKey(user_, u"Software\\Verdane\\Tessera");
  ASSERT_TRUE(opened.ok());
  EXPECT_TRUE(QueryValue(*opened, u"V").ok());
  EXPECT_TRUE(OpenKey(user_, u"Software\\Verdane").ok());

  EXPECT_EQ(OpenKey(user_, u"Software\\Nothing").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(OpenKey(registry_.Root(RegistryRoot::LocalMachine), u"Software").error(),
            ErrorCode::FileNotFound);
}

TEST_F(RegistryTest, EmptyPathNamesTheRootOrTheKeyItself) {
  for (RegistryRoot root :
       {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
    Result<RegistryKey> opened = OpenKey(registry_.Root(root), u"");
    ASSERT_TRUE(opened.ok());
    EXPECT_TRUE(opened->isRoot());
    Result<CreatedKey> created = CreateKey(registry_.Root(root), u"\\");
    ASSERT_TRUE(created.ok());
    EXPECT_TRUE(created->existed);
    EXPECT_TRUE(created->key.isRoot());
  }
  RegistryKey key = Create(u"A");
  Result<RegistryKey> same = OpenKey(key, u"");
  ASSERT_TRUE(same.ok());
  EXPECT_FALSE(same->isRoot());
  // Stray separators are skipped.
  EXPECT_TRUE(OpenKey(user_, u"\\A\\").ok());
  // A root can never be deleted, nor can an empty path.
  EXPECT_EQ(DeleteKey(user_, u"").error(), ErrorCode::InvalidParameter);
  EXPECT_EQ(DeleteKey(user_, u"\\\\").error(), ErrorCode::InvalidParameter);
}

TEST_F(RegistryTest, RootsAreSeparateTrees) {
  ASSERT_TRUE(CreateKey(registry_.Root(RegistryRoot::ClassesRoot), u".txt").ok());
  EXPECT_EQ(OpenKey(user_, u".txt").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(OpenKey(registry_.Root(RegistryRoot::LocalMachine), u".txt").error(),
            ErrorCode::FileNotFound);
}

TEST_F(RegistryTest, ValueTypesRoundTrip) {
  RegistryKey key = Create(u"Types");
  const std::vector<std::uint8_t> text = StringValueData(u"héllo 世界");
  EXPECT_EQ(text.size(), (8u + 1u) * 2u);  // the terminator is part of the data
  const std::vector<std::uint8_t> binary = {0x0A, 0xFF, 0x00, 0x01};
  const std::vector<std::uint8_t> multi = MultiStringValueData({u"one", u"two, three"});
  const std::vector<std::uint8_t> odd = {1, 2, 3};
  ASSERT_TRUE(SetValue(key, u"Text", kRegString, text).ok());
  ASSERT_TRUE(SetValue(key, u"Bin", kRegBinary, binary).ok());
  ASSERT_TRUE(SetValue(key, u"Num", kRegDword, DwordValueData(0xFFFFFFFEu)).ok());
  ASSERT_TRUE(SetValue(key, u"Multi", kRegMultiString, multi).ok());
  ASSERT_TRUE(SetValue(key, u"Odd", 0x1234, odd).ok());
  ASSERT_TRUE(SetValue(key, u"Empty", kRegBinary, {}).ok());

  Result<RegistryValue> value = QueryValue(key, u"Text");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->type, kRegString);
  EXPECT_EQ(value->data, text);
  EXPECT_EQ(StringFromValueData(value->data), u"héllo 世界");

  value = QueryValue(key, u"Bin");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->type, kRegBinary);
  EXPECT_EQ(value->data, binary);

  value = QueryValue(key, u"Num");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->type, kRegDword);
  EXPECT_EQ(*DwordFromValueData(value->data), 0xFFFFFFFEu);

  value = QueryValue(key, u"Multi");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->type, kRegMultiString);
  EXPECT_EQ(value->data.size(), (3u + 1u + 10u + 1u + 1u) * 2u);
  EXPECT_EQ(MultiStringFromValueData(value->data),
            (std::vector<std::u16string>{u"one", u"two, three"}));

  value = QueryValue(key, u"Odd");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->type, 0x1234u);
  EXPECT_EQ(value->data, odd);

  value = QueryValue(key, u"Empty");
  ASSERT_TRUE(value.ok());
  EXPECT_TRUE(value->data.empty());
}

TEST_F(RegistryTest, ValueDataHelpersHandleDamagedData) {
  // No terminator, an odd trailing byte.
  EXPECT_EQ(StringFromValueData(std::vector<std::uint8_t>{'a', 0, 'b', 0, 'c'}), u"ab");
  EXPECT_EQ(StringFromValueData(std::vector<std::uint8_t>{'a', 0, 0, 0, 'b', 0}), u"a");
  EXPECT_EQ(DwordFromValueData(std::vector<std::uint8_t>{1, 2, 3}).error(),
            ErrorCode::InvalidParameter);
  // The first empty string ends the list, as it does for every reader.
  EXPECT_EQ(MultiStringFromValueData(std::vector<std::uint8_t>{'a', 0, 0, 0, 0, 0, 'b', 0, 0, 0}),
            std::vector<std::u16string>{u"a"});
  EXPECT_EQ(MultiStringFromValueData(std::vector<std::uint8_t>{'a', 0}),
            std::vector<std::u16string>{u"a"});
  EXPECT_TRUE(MultiStringFromValueData(MultiStringValueData({})).empty());
}

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepTheirSpelling) {
  RegistryKey key = Create(u"MixedCase\\ÄbcΣ");
  EXPECT_TRUE(OpenKey(user_, u"MIXEDCASE\\äBCσ").ok());
  EXPECT_EQ(SubKeys(*OpenKey(user_, u"mixedcase")), std::vector<std::u16string>{u"ÄbcΣ"});
  // Creating with another spelling finds the key and keeps the first one.
  ASSERT_TRUE(CreateKey(user_, u"MIXEDCASE\\ÄBCΣ").ok());
  EXPECT_EQ(SubKeys(*OpenKey(user_, u"MixedCase")), std::vector<std::u16string>{u"ÄbcΣ"});

  ASSERT_TRUE(SetValue(key, u"FontSize", kRegDword, DwordValueData(1)).ok());
  ASSERT_TRUE(SetValue(key, u"FONTSIZE", kRegDword, DwordValueData(2)).ok());
  Result<RegistryValue> value = QueryValue(key, u"fontsize");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->name, u"FontSize");
  EXPECT_EQ(*DwordFromValueData(value->data), 2u);
  EXPECT_EQ(QueryInfoKey(key)->values, 1u);
  ASSERT_TRUE(DeleteValue(key, u"fONTsIZE").ok());
  EXPECT_EQ(QueryValue(key, u"FontSize").error(), ErrorCode::FileNotFound);
}

TEST_F(RegistryTest, NamesKeepEveryCodeUnit) {
  // A surrogate pair and a lone surrogate survive the database unchanged.
  const std::u16string name = u"a\U0001F600b\xD800z";
  RegistryKey key = Create(name);
  EXPECT_EQ(SubKeys(user_), std::vector<std::u16string>{name});
  ASSERT_TRUE(SetValue(key, name, kRegString, StringValueData(name)).ok());
  Result<RegistryValue> value = QueryValue(key, name);
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->name, name);
  EXPECT_EQ(StringFromValueData(value->data), name);
  EXPECT_EQ(QueryInfoKey(user_)->maxSubKeyNameLength, name.size());
}

TEST_F(RegistryTest, DefaultValueHasTheEmptyName) {
  RegistryKey key = Create(u"My Key");
  EXPECT_EQ(QueryValue(key, u"").error(), ErrorCode::FileNotFound);
  ASSERT_TRUE(SetValue(key, u"", kRegString, StringValueData(u"hello world")).ok());
  ASSERT_TRUE(SetValue(key, u"Default", kRegString, StringValueData(u"named")).ok());
  Result<RegistryValue> value = QueryValue(key, u"");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->name, u"");
  EXPECT_EQ(StringFromValueData(value->data), u"hello world");
  EXPECT_EQ(EnumValue(key, 0)->name, u"");
  ASSERT_TRUE(DeleteValue(key, u"").ok());
  EXPECT_EQ(StringFromValueData(QueryValue(key, u"Default")->data), u"named");
  EXPECT_EQ(DeleteValue(key, u"").error(), ErrorCode::FileNotFound);
}

TEST_F(RegistryTest, EnumerationFollowsCreationOrderAndInfoCountsIt) {
  RegistryKey key = Create(u"Order");
  for (const char16_t* name : {u"zeta", u"Alpha", u"middle"}) {
    ASSERT_TRUE(CreateKey(key, name).ok());
  }
  ASSERT_TRUE(CreateKey(key, u"Alpha\\Deeper").ok());  // not a direct subkey
  EXPECT_EQ(SubKeys(key), (std::vector<std::u16string>{u"zeta", u"Alpha", u"middle"}));

  ASSERT_TRUE(SetValue(key, u"b", kRegDword, DwordValueData(1)).ok());
  ASSERT_TRUE(SetValue(key, u"LongestName", kRegBinary, std::vector<std::uint8_t>(9, 0)).ok());
  ASSERT_TRUE(SetValue(key, u"a", kRegString, StringValueData(u"xy")).ok());
  // Replacing a value keeps its place.
  ASSERT_TRUE(SetValue(key, u"B", kRegString, StringValueData(u"now a string")).ok());
  std::vector<std::u16string> names;
  for (std::uint32_t i = 0;; ++i) {
    Result<RegistryValue> value = EnumValue(key, i);
    if (!value) {
      EXPECT_EQ(value.error(), ErrorCode::NoMoreFiles);
      break;
    }
    names.push_back(value->name);
  }
  EXPECT_EQ(names, (std::vector<std::u16string>{u"b", u"LongestName", u"a"}));
  EXPECT_EQ(EnumValue(key, 0)->type, kRegString);

  Result<RegistryKeyInfo> info = QueryInfoKey(key);
  ASSERT_TRUE(info.ok());
  EXPECT_EQ(info->subKeys, 3u);
  EXPECT_EQ(info->maxSubKeyNameLength, 6u);
  EXPECT_EQ(info->values, 3u);
  EXPECT_EQ(info->maxValueNameLength, 11u);
  EXPECT_EQ(info->maxValueDataLength, 26u);  // "now a string" and its terminator

  Result<RegistryKeyInfo> empty = QueryInfoKey(*OpenKey(key, u"zeta"));
  ASSERT_TRUE(empty.ok());
  EXPECT_EQ(empty->subKeys + empty->values + empty->maxValueDataLength, 0u);
}

TEST_F(RegistryTest, AddValueNeverReplacesAnExistingValue) {
  RegistryKey key = Create(u"Add");
  ASSERT_TRUE(AddValue(key, u"Once", kRegDword, DwordValueData(1)).ok());
  EXPECT_EQ(AddValue(key, u"ONCE", kRegString, StringValueData(u"x")).error(),
            ErrorCode::AlreadyExists);
  Result<RegistryValue> value = QueryValue(key, u"once");
  ASSERT_TRUE(value.ok());
  EXPECT_EQ(value->type, kRegDword);
  EXPECT_EQ(*DwordFromValueData(value->data), 1u);
  EXPECT_EQ(value->name, u"Once");
  ASSERT_TRUE(DeleteKey(user_, u"Add").ok());
  EXPECT_EQ(AddValue(key, u"Late", kRegDword, DwordValueData(2)).error(), ErrorCode::FileNotFound);
}

TEST_F(RegistryTest, DeletingAKeyRemovesItsWholeTree) {
  RegistryKey top = Create(u"Tree");
  std::u16string deep = u"Tree\\Branch";
  for (int level = 0; level < 100; ++level) deep += u"\\L";
  RegistryKey leaf = Create(deep);
  ASSERT_TRUE(SetValue(leaf, u"v", kRegDword, DwordValueData(1)).ok());
  ASSERT_TRUE(CreateKey(top, u"Sibling").ok());
  ASSERT_TRUE(CreateKey(user_, u"Treehouse").ok());

  ASSERT_TRUE(DeleteKey(user_, u"tree\\branch").ok());
  EXPECT_EQ(OpenKey(user_, deep).error(), ErrorCode::FileNotFound);
  EXPECT_EQ(SubKeys(top), std::vector<std::u16string>{u"Sibling"});
  // A handle to a deleted key reaches nothing, and stays unusable for writing.
  EXPECT_EQ(QueryValue(leaf, u"v").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(SetValue(leaf, u"v", kRegDword, DwordValueData(2)).error(), ErrorCode::FileNotFound);
  EXPECT_EQ(CreateKey(leaf, u"Again").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(QueryInfoKey(leaf).error(), ErrorCode::FileNotFound);

  ASSERT_TRUE(DeleteKey(user_, u"Tree").ok());
  EXPECT_EQ(SubKeys(user_), std::vector<std::u16string>{u"Treehouse"});
  EXPECT_EQ(DeleteKey(user_, u"Tree").error(), ErrorCode::FileNotFound);

  // No value of the deleted tree is left behind in the file.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* count = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT count(*) FROM registry_values", -1, &count, nullptr),
            SQLITE_OK);
  ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(count, 0), 0);
  sqlite3_finalize(count);
  sqlite3_close(db);
}

TEST_F(RegistryTest, BadNamesAndClosedKeysAreRefused) {
  RegistryKey key = Create(u"Names");
  EXPECT_EQ(CreateKey(user_, std::u16string(256, u'k')).error(), ErrorCode::InvalidParameter);
  EXPECT_TRUE(CreateKey(user_, std::u16string(255, u'k')).ok());
  EXPECT_EQ(CreateKey(user_, std::u16string(u"a\0b", 3)).error(), ErrorCode::InvalidParameter);
  EXPECT_EQ(SetValue(key, std::u16string(u"a\0b", 3), kRegDword, DwordValueData(1)).error(),
            ErrorCode::InvalidParameter);
  EXPECT_EQ(
      SetValue(key, std::u16string(kMaxRegistryValueName + 1, u'v'), kRegDword, DwordValueData(1))
          .error(),
      ErrorCode::InvalidParameter);
  EXPECT_EQ(QueryInfoKey(user_)->subKeys, 2u);  // nothing half-made by the refusals

  RegistryKey copy = key;
  key.Close();
  EXPECT_FALSE(key.isOpen());
  EXPECT_EQ(QueryValue(key, u"").error(), ErrorCode::InvalidHandle);
  EXPECT_EQ(EnumKey(RegistryKey(), 0).error(), ErrorCode::InvalidHandle);
  EXPECT_TRUE(SetValue(copy, u"x", kRegDword, DwordValueData(1)).ok());
}

TEST_F(RegistryTest, KeysOutliveTheirRegistryObject) {
  RegistryKey key = Create(u"Kept");
  registry_ = Registry();
  user_ = RegistryKey();
  EXPECT_TRUE(SetValue(key, u"x", kRegDword, DwordValueData(3)).ok());
  EXPECT_TRUE(QueryValue(key, u"x").ok());
}

TEST_F(RegistryTest, TwoConnectionsSeeEachOthersChanges) {
  Result<Registry> other = OpenRegistryAt(path_);
  ASSERT_TRUE(other.ok());
  RegistryKey otherUser = other->Root(RegistryRoot::CurrentUser);

  RegistryKey mine = Create(u"Shared");
  Result<RegistryKey> theirs = OpenKey(otherUser, u"Shared");
  ASSERT_TRUE(theirs.ok());
  ASSERT_TRUE(SetValue(*theirs, u"FromOther", kRegDword, DwordValueData(42)).ok());
  EXPECT_EQ(*DwordFromValueData(QueryValue(mine, u"FromOther")->data), 42u);
  ASSERT_TRUE(SetValue(mine, u"FromOther", kRegDword, DwordValueData(43)).ok());
  EXPECT_EQ(*DwordFromValueData(QueryValue(*theirs, u"FromOther")->data), 43u);

  ASSERT_TRUE(DeleteKey(otherUser, u"Shared").ok());
  EXPECT_EQ(OpenKey(user_, u"Shared").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(SetValue(mine, u"Late", kRegDword, DwordValueData(1)).error(), ErrorCode::FileNotFound);
}

TEST_F(RegistryTest, SurvivesAWriterKilledMidLoop) {
  int progress[2];
  ASSERT_EQ(pipe(progress), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(progress[0]);
    Result<Registry> own = OpenRegistryAt(path_);  // never the parent's connection
    if (!own) _exit(2);
    Result<CreatedKey> key = CreateKey(own->Root(RegistryRoot::LocalMachine), u"Loop");
    if (!key) _exit(3);
    for (std::uint32_t i = 0; i < 1000000; ++i) {
      const std::u16string name = u"v" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
                                  Utf8ToUtf16(std::to_string(i));
      if (!SetValue(key->key, name, kRegDword, DwordValueData(i))) _exit(4);
      if (write(progress[1], &i, sizeof i) != sizeof i) _exit(5);
    }
    _exit(0);
  }
  close(progress[1]);
  std::uint32_t last = 0;
  std::uint32_t reported = 0;
  while (reported < 60 && read(progress[0], &last, sizeof last) == sizeof last) ++reported;
  ASSERT_EQ(reported, 60u) << "the writer stopped early";
  kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  // Reports that were still in the pipe when the writer died count too.
  while (read(progress[0], &last, sizeof last) == sizeof last) {
  }
  close(progress[0]);

  Result<Registry> reopened = OpenRegistryAt(path_);
  ASSERT_TRUE(reopened.ok());
  Result<RegistryKey> key = OpenKey(reopened->Root(RegistryRoot::LocalMachine), u"Loop");
  ASSERT_TRUE(key.ok());
  for (std::uint32_t i = 0; i <= last; ++i) {
    const std::u16string name = u"V" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) +
                                Utf8ToUtf16(std::to_string(i));
    Result<RegistryValue> value = QueryValue(*key, name);
    ASSERT_TRUE(value.ok()) << "value " << i << " of " << last << " is lost";
    EXPECT_EQ(*DwordFromValueData(value->data), i);
  }
  EXPECT_GE(QueryInfoKey(*key)->values, last + 1);

  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* check = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
  sqlite3_finalize(check);
  // Write-ahead logging, so that one shell reads while the other writes.
  ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &check, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "wal");
  sqlite3_finalize(check);
  sqlite3_close(db);
}

TEST_F(RegistryTest, AFileThatIsNoDatabaseIsRefusedAndKept) {
  const std::string junk = root_.host() + "/junk.db";
  const std::string bytes(4096, 'x');
  root_.WriteHostFile(junk, bytes);
  Result<Registry> opened = OpenRegistryAt(junk);
  EXPECT_FALSE(opened.ok());
  EXPECT_EQ(root_.ReadHostFile(junk), bytes);
  EXPECT_EQ(OpenRegistryAt(root_.host() + "/no/such/dir/r.db").error(), ErrorCode::FileNotFound);
}

TEST(DeviceRegistryTest, LivesInTheDeviceAndFollowsTheRoot) {
  std::string firstFile;
  {
    testing::TempRoot root;
    Result<std::string> path = RegistryDatabasePath();
    ASSERT_TRUE(path.ok());
    EXPECT_EQ(*path, root.host() + "/.tessera-state/registry.db");
    Result<Registry> registry = DeviceRegistry();
    ASSERT_TRUE(registry.ok());
    Result<CreatedKey> key = CreateKey(registry->Root(RegistryRoot::CurrentUser), u"First");
    ASSERT_TRUE(key.ok());
    EXPECT_TRUE(std::filesystem::exists(*path));
    // The same open database is handed out again.
    EXPECT_TRUE(OpenKey(DeviceRegistry()->Root(RegistryRoot::CurrentUser), u"First").ok());
  }
  testing::TempRoot second;
  Result<Registry> registry = DeviceRegistry();
  ASSERT_TRUE(registry.ok());
  EXPECT_EQ(OpenKey(registry->Root(RegistryRoot::CurrentUser), u"First").error(),
            ErrorCode::FileNotFound);
  ASSERT_TRUE(CreateKey(registry->Root(RegistryRoot::CurrentUser), u"Second").ok());
  // A database file removed underneath is noticed and made anew.
  const std::string file = *RegistryDatabasePath();
  std::filesystem::remove(file);
  std::filesystem::remove(file + "-wal");
  std::filesystem::remove(file + "-shm");
  registry = DeviceRegistry();
  ASSERT_TRUE(registry.ok());
  EXPECT_EQ(OpenKey(registry->Root(RegistryRoot::CurrentUser), u"Second").error(),
            ErrorCode::FileNotFound);
  ASSERT_TRUE(CreateKey(registry->Root(RegistryRoot::CurrentUser), u"Third").ok());
  EXPECT_TRUE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace tessera::platform
