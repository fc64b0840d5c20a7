#include <gtest/gtest.h>

#include "support/temp_root.h"
#include "tool_test_support.h"
#include "tools/hostreport/hostreport_tool.h"
#include "tools/sort/sort_tool.h"
#include "tools/upcase/upcase_tool.h"

namespace tessera::tools {
namespace {

using testing::Utf8;

std::string Sort(const std::u16string& commandLine, const std::string& input, int code = 0) {
  StringOutput out;
  testing::ToolCall call;
  call.commandLine = commandLine;
  call.standardInput = input;
  EXPECT_EQ(RunSort(testing::MakeToolContext(call, out)), code);
  return Utf8(out.text());
}

TEST(Sort, ThreeModes) {
  EXPECT_EQ(Sort(u"", "b\na\nb\nc\n"), "a\nb\nb\nc\n");
  EXPECT_EQ(Sort(u"/q", "b\na\nb\nc\n"), "a\nb\nc\n");
  EXPECT_EQ(Sort(u"/R", "b\na\nb\nc\n"), "c\nb\nb\na\n");
  EXPECT_EQ(Sort(u"/r /Q", "b\na\nb\nc"), "c\nb\na\n");
}

TEST(Sort, CodeUnitOrder) {
  EXPECT_EQ(Sort(u"", "a\nB\nabc\nab\n"), "B\na\nab\nabc\n");
  // Unique keeps letter case apart.
  EXPECT_EQ(Sort(u"/Q", "a\nA\na\n"), "A\na\n");
  // Above U+8000 the order stays unsigned.
  EXPECT_EQ(Sort(u"", "\xEF\xBD\x81\nz\n"), "z\n\xEF\xBD\x81\n");
}

TEST(SortLines, DescendingStableAndLineEnds) {
  using Views = std::vector<std::u16string_view>;
  Views lines = {u"b", u"a", u"b", u"c"};
  SortLines(lines, true, false);
  EXPECT_EQ(lines, (Views{u"c", u"b", u"b", u"a"}));
  // Equal lines keep their input order: views of distinct copies show it.
  const std::u16string first = u"k";
  const std::u16string second = u"k";
  Views equal = {second, u"z", first};
  SortLines(equal, false, false);
  EXPECT_EQ(equal[0].data(), second.data());
  EXPECT_EQ(equal[1].data(), first.data());
  SortLines(equal, true, false);
  EXPECT_EQ(equal[1].data(), second.data());
  EXPECT_EQ(equal[2].data(), first.data());
  EXPECT_EQ(SplitSortLines(u"x\r\ny\n\n", true), (Views{u"x", u"y\n", u"\n"}));
  EXPECT_EQ(SplitSortLines(u"x\n\n", false), (Views{u"x", u""}));
  const auto pieces = SplitSortLines(std::u16string(1030, u'q'), false);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].size(), 1023u);
}

TEST(Sort, OptionsAndNames) {
  SortOptions options = ParseSortCommandLine(u" /u/R  my list.txt ", u"\\Work\\");
  EXPECT_TRUE(options.unicode);
  EXPECT_TRUE(options.descending);
  EXPECT_EQ(options.file, u"\\Work\\my list.txt");
  // An unknown option letter begins the name.
  options = ParseSortCommandLine(u"/xfile", u"");
  EXPECT_EQ(options.file, u"xfile");
  EXPECT_FALSE(ParseSortCommandLine(u"/R /", u"").file.has_value());
  EXPECT_EQ(Sort(u"/h", ""),
            "sort [/R] [/U] [filename]\n\n /U   入力ファイルは Unicode\n /R   降順でソート\n"
            " filename  入力ファイル\n");
  EXPECT_EQ(Sort(u"no-such-file.txt", "", kExitFailure),
            "入力ファイルの読み込みでエラーが発生しました。\n");
}

TEST(Sort, UnicodeFileWithLineFeedsOnlyKeepsThem) {
  testing::TempRoot root;
  root.WriteHostFile(root.Host("\\u.txt"), std::string("\xFF\xFE"
                                                       "b\0\n\0a\0\n\0",
                                                       10));
  EXPECT_EQ(Sort(u"/U \\u.txt", ""), "a\n\nb\n\n");
  root.WriteHostFile(root.Host("\\w.txt"), std::string("\xFF\xFE"
                                                       "b\0\r\0\n\0a\0\r\0\n\0",
                                                       14));
  EXPECT_EQ(Sort(u"/U \\w.txt", ""), "a\nb\n");
}

std::string Upcase(const std::u16string& commandLine, const std::string& input, int code = 0) {
  StringOutput out;
  testing::ToolCall call;
  call.commandLine = commandLine;
  call.standardInput = input;
  EXPECT_EQ(RunUpcase(testing::MakeToolContext(call, out)), code);
  return Utf8(out.text());
}

TEST(Upcase, HalfAndFullWidthLetters) {
  EXPECT_EQ(Upcase(u"", "abc ｘｙｚ\nÄé ok\n"), "ABC ＸＹＺ\nÄÉ OK\n");
  EXPECT_EQ(Upcase(u"/H", ""), "upcase [/U] [filename]\n /U  指定のファイルは Unicode\n");
  EXPECT_EQ(Upcase(u"missing", "", kExitFailure),
            "入力ファイルの読み込みでエラーが発生しました。\n");
}

TEST(Upcase, FilesSkipTheirMarkInBothModes) {
  testing::TempRoot root;
  root.WriteHostFile(root.Host("\\u.txt"), std::string("\xFF\xFE"
                                                       "a\0\r\0\n\0",
                                                       8));
  root.WriteHostFile(root.Host("\\m.txt"), "\xEF\xBB\xBFxy\r\n");
  EXPECT_EQ(Upcase(u"/u \\u.txt", ""), "A\r\n");
  EXPECT_EQ(Upcase(u"\\m.txt", ""), "XY\n");
  EXPECT_EQ(ParseUpcaseCommandLine(u"/U \"  a b.txt\"", u"\\W\\").file, u"\\W\\a b.txt");
}

TEST(HostReport, TablesAndReport) {
  EXPECT_EQ(ArchitectureName(5), u"ARM");
  EXPECT_EQ(ArchitectureName(9), u"AMD64");
  EXPECT_EQ(ArchitectureName(12), u"ARM64");
  EXPECT_EQ(ArchitectureName(3), u"(unknown)");
  EXPECT_EQ(ProcessorTypeName(2577), u"Strong ARM");
  EXPECT_EQ(ProcessorTypeName(8664), u"AMD X8664");
  EXPECT_EQ(ProcessorTypeName(7), u"(unknown)");
  EXPECT_EQ(platform::ArchitectureOfMachine("x86_64"), 9);
  EXPECT_EQ(platform::ArchitectureOfMachine("aarch64"), 12);
  EXPECT_EQ(platform::ArchitectureOfMachine("i686"), 0);
  EXPECT_EQ(platform::ArchitectureOfMachine("armv7l"), 5);
  EXPECT_EQ(platform::ArchitectureOfMachine("riscv64"), platform::kArchitectureUnknown);
  EXPECT_TRUE(IsHostReportUsageRequest(u"/h"));
  EXPECT_TRUE(IsHostReportUsageRequest(u"/H"));
  EXPECT_FALSE(IsHostReportUsageRequest(u" /h"));

  platform::SystemReport system;
  system.architecture = 5;
  system.processorType = 2577;
  system.processorLevel = 4;
  system.processorCount = 1;
  system.pageSize = 4096;
  system.lowestAddress = 0x10000;
  system.highestAddress = 0x7FFFFFFF;
  system.allocationGranularity = 65536;
  platform::VersionReport version;
  version.major = 5;
  version.minor = 2;
  version.build = 1235;
  version.platformId = 3;
  version.additional = "extra";
  StringOutput out;
  EXPECT_EQ(WriteHostReport(system, version, out), 0);
  EXPECT_EQ(Utf8(out.text()),
            "System Information\n-------------------------\nCPU Architecture : ARM\n"
            "CPU Type         : Strong ARM(2577)\nCPU Level        : 4\nCPU Number       : 1\n"
            "PageSize         : 4096\nApplication Addr : 00010000 - 7fffffff\n"
            "AllocGranularity : 64 KB\n\nOS Information\n-------------------------\n"
            "Major Version  : 5\nMinor Version  : 2\ndwBuildNumber  : 1235\n"
            "Platform ID    : 3\nAdditional Info: extra\n");
  StringOutput failed;
  EXPECT_EQ(WriteHostReport(system, platform::ErrorCode::NotSupported, failed), 1);
  EXPECT_NE(
      Utf8(failed.text()).find("AllocGranularity : 64 KB\nバージョン情報の獲得に失敗しました。\n"),
      std::string::npos);
}

}  // namespace
}  // namespace tessera::tools
