// Host files whose names are no UTF-8 (an old archive unpacked, a Latin-1
// disk) are found, copied, moved and deleted under their own bytes, and two
// that differ only in such bytes stay two files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/shell_fixture.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

class HostNamesTest : public testing::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    folder_ = root_->Host("\\f");
    fs::create_directories(folder_);
    Write(folder_ + "/caf\xe9.txt", "one\n");
    Write(folder_ + "/caf\xe8.txt", "two\n");
  }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
  }
  std::string folder_;
};

TEST_F(HostNamesTest, CopyAndMoveKeepEveryNameAndEveryFile) {
  EXPECT_EQ(Run("DIR /B \\f"), "caf\xef\xbf\xbd.txt\r\ncaf\xef\xbf\xbd.txt\r\n");
  Run("MD \\copies");
  Run("COPY \\f\\*.* \\copies");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  EXPECT_EQ(Read(root_->Host("\\copies") + "/caf\xe9.txt"), "one\n");
  EXPECT_EQ(Read(root_->Host("\\copies") + "/caf\xe8.txt"), "two\n");
  Run("MD \\moved");
  Run("MOVE \\f\\*.* \\moved");
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
  EXPECT_TRUE(fs::is_empty(folder_));
  EXPECT_EQ(Read(root_->Host("\\moved") + "/caf\xe9.txt"), "one\n");
  EXPECT_EQ(Read(root_->Host("\\moved") + "/caf\xe8.txt"), "two\n");
}

TEST_F(HostNamesTest, ATreeWithSuchNamesIsRemovedWhole) {
  Write(folder_ + "/ok.txt", "x");
  Run("RD /S /Q \\f");
  EXPECT_FALSE(fs::exists(folder_));
}

}  // namespace
}  // namespace tessera
