// The registry's database is out of the device: no command lists, counts,
// enters, copies, changes or removes it, and the values survive the
// commands that empty the whole device.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/device.h"
#include "platform/registry.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

class DeviceStateCommandsTest : public testing::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    host_.answers.assign(20, MessageBoxAnswer::Yes);
    Run("ADDREG HKCU, Software\\Kept, Value, 0x00010001, 42");
    database_ = *platform::RegistryDatabasePath();
    ASSERT_TRUE(fs::exists(database_));
    ASSERT_EQ(Value("ERRORLEVEL"), "0");
  }

  // The value is still there, read through the shell.
  void ExpectValueKept() {
    EXPECT_TRUE(fs::exists(database_));
    EXPECT_EQ(Run("DIRREG HKCU, Software\\Kept, Value"),
              "HKCU, Software\\Kept, Value, 0x00010001, 42\r\n");
  }

  std::string database_;
};

TEST_F(DeviceStateCommandsTest, ListingsNeitherShowNorCountIt) {
  const std::string listing = Run("DIR /A /S \\");
  EXPECT_EQ(listing.find("tessera-state"), std::string::npos) << listing;
  EXPECT_EQ(listing.find("registry"), std::string::npos) << listing;
  EXPECT_EQ(Run("DIR /B /A \\.*"), "ファイルが見つかりません。\r\n");
  const std::string attributes = Run("ATTRIB \\*.*");
  EXPECT_EQ(attributes.find("tessera-state"), std::string::npos) << attributes;
  EXPECT_EQ(Run("DIR /B /A \\Windows").find("registry"), std::string::npos);
}

TEST_F(DeviceStateCommandsTest, NoPathEntersOrCopiesIt) {
  for (const char* line :
       {"CD \\.tessera-state", "CD \\Temp\\..\\.TESSERA-STATE", "PUSHD \\.tessera-state",
        "COPY \\.tessera-state\\registry.db \\Temp", "COPY \\.tessera-state\\*.* \\Temp",
        "TYPE \\.tessera-state\\registry.db", "DUMP \\.Tessera-State\\registry.db",
        "DIR \\.tessera-state", "MKDIR \\.tessera-state\\x", "ECHO x > \\.tessera-state\\y"}) {
    Run(line);
    EXPECT_EQ(Value("CUR DIR"), "") << line;
  }
  EXPECT_TRUE(fs::is_empty(root_->Host("\\Temp")));
  EXPECT_FALSE(fs::exists(platform::DeviceStateHostPath() + "/x"));
  EXPECT_FALSE(fs::exists(platform::DeviceStateHostPath() + "/y"));
  ExpectValueKept();
}

TEST_F(DeviceStateCommandsTest, EmptyingTheWholeDeviceKeepsTheRegistry) {
  Run("DEL /F \\*.*");
  Run("DEL /F \\.tessera-state\\*.*");
  Run("ATTRIB +R \\.tessera-state\\registry.db");
  Run("REN \\.tessera-state\\registry.db gone.db");
  Run("MOVE \\.tessera-state \\Temp");
  ExpectValueKept();
  Run("RMDIR /S /Q \\.tessera-state");
  ExpectValueKept();
  // The root itself is never removed; every folder in it can be.
  EXPECT_NE(Run("RMDIR /S /Q \\"), "");
  for (const char* folder : {"\\Windows", "\\My Documents", "\\Temp", "\\Program Files"}) {
    Run(std::string("RMDIR /S /Q \"") + folder + "\"");
    EXPECT_FALSE(fs::exists(root_->Host(folder))) << folder;
  }
  Run("DEL /F \\*.*");
  // Nothing is left to list or count.
  EXPECT_EQ(Run("DIR /A \\"), "\r\n   0 個のファイル  0 バイト\r\n\r\n");
  ExpectValueKept();
}

}  // namespace
}  // namespace tessera
