// The start-up record TSXSet.Dat: its bytes, and reading it back.
#include "shell/startup_record.h"

#include <gtest/gtest.h>

#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;

std::uint8_t Reversed(std::uint8_t byte) {
  std::uint8_t out = 0;
  for (int bit = 0; bit < 8; ++bit) {
    if (byte & (1 << bit)) out = static_cast<std::uint8_t>(out | (0x80 >> bit));
  }
  return out;
}

TEST(StartupRecordBytes, AnEnabledRecordForTheRootAutoexec) {
  const auto bytes = EncodeStartupRecord({true, u"\\AUTOEXEC.BAT"});
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 524u);
  EXPECT_EQ((*bytes)[0], 0x80);
  EXPECT_EQ((*bytes)[1], 0x00);
  EXPECT_EQ((*bytes)[2], 0x00);
  EXPECT_EQ((*bytes)[3], 0x00);
  const std::u16string path = u"\\AUTOEXEC.BAT";
  for (std::size_t i = 0; i < path.size(); ++i) {
    EXPECT_EQ((*bytes)[4 + 2 * i], Reversed(static_cast<std::uint8_t>(path[i] & 0xFF)));
    EXPECT_EQ((*bytes)[5 + 2 * i], Reversed(static_cast<std::uint8_t>(path[i] >> 8)));
  }
  // '\' is 0x5C, which reversed is 0x3A.
  EXPECT_EQ((*bytes)[4], 0x3A);
  for (std::size_t i = 4 + 2 * path.size(); i < bytes->size(); ++i) EXPECT_EQ((*bytes)[i], 0);
}

TEST(StartupRecordBytes, ReadBackAsWritten) {
  const std::u16string japanese = u"\\My Documents\\起動.BAT";
  for (const StartupRecord& record : {StartupRecord{true, japanese}, StartupRecord{false, u""},
                                      StartupRecord{false, u"\\x.bat"}}) {
    const auto bytes = EncodeStartupRecord(record);
    ASSERT_TRUE(bytes);
    const auto back = DecodeStartupRecord(*bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->enabled, record.enabled);
    EXPECT_EQ(back->path, record.path);
  }
}

TEST(StartupRecordBytes, WhatIsNoRecord) {
  auto bytes = *EncodeStartupRecord({true, u"\\a.bat"});
  // Shorter than 524 bytes.
  EXPECT_FALSE(DecodeStartupRecord({bytes.begin(), bytes.end() - 1}));
  EXPECT_FALSE(DecodeStartupRecord({}));
  // A path field without its terminator.
  std::vector<std::uint8_t> full(524, Reversed('A'));
  for (std::size_t i = 5; i < full.size(); i += 2) full[i] = 0;
  EXPECT_FALSE(DecodeStartupRecord(full));
  // Only 1 means enabled.
  bytes[0] = Reversed(2);
  EXPECT_FALSE(DecodeStartupRecord(bytes)->enabled);
  // Longer files keep their first 524 bytes as the record.
  bytes.push_back(0xFF);
  EXPECT_TRUE(DecodeStartupRecord(bytes));
}

TEST(StartupRecordBytes, PathsThatDoNotFitAreRefused) {
  EXPECT_TRUE(EncodeStartupRecord({true, std::u16string(259, u'a')}));
  EXPECT_FALSE(EncodeStartupRecord({true, std::u16string(260, u'a')}));
  EXPECT_FALSE(EncodeStartupRecord({true, std::u16string(u"a\0b", 3)}));
}

class StartupRecordFile : public testing::ShellTest {};

TEST_F(StartupRecordFile, LivesBesideTheProgramAndIsWrittenWhole) {
  EXPECT_EQ(StartupRecordPath(), u"\\Program Files\\Tessera\\TSXSet.Dat");
  EXPECT_FALSE(ReadStartupRecord());
  ASSERT_TRUE(WriteStartupRecord({true, u"\\My Documents\\go.bat"}));
  const std::string host = root_->Host("\\Program Files\\Tessera\\TSXSet.Dat");
  EXPECT_EQ(root_->ReadHostFile(host).size(), 524u);
  auto record = ReadStartupRecord();
  ASSERT_TRUE(record);
  EXPECT_TRUE(record->enabled);
  EXPECT_EQ(record->path, u"\\My Documents\\go.bat");
  // A shorter (damaged) file is no record; writing again replaces it whole.
  root_->WriteHostFile(host, std::string(100, '\0'));
  EXPECT_FALSE(ReadStartupRecord());
  ASSERT_TRUE(WriteStartupRecord({false, u""}));
  EXPECT_EQ(root_->ReadHostFile(host).size(), 524u);
  EXPECT_FALSE(ReadStartupRecord()->enabled);
  // A path too long for the record writes nothing.
  EXPECT_FALSE(WriteStartupRecord({true, std::u16string(300, u'a')}));
  EXPECT_TRUE(ReadStartupRecord());
}

}  // namespace
}  // namespace tessera
