#include "shell/output.h"

#include <gtest/gtest.h>

#include "shell/memory_console.h"
#include "shell/message_catalogue.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class OutputTest : public testing::ShellTest {};

TEST_F(OutputTest, PrintLineJoinsItsParts) {
  PrintLine(u"a");
  PrintLine(u"a", u"b");
  PrintLine(u"a", u"b", u"c");
  PrintLineParts(u"a", std::nullopt, u"c");
  PrintLineParts(std::nullopt, u"b", u"c");  // no first part: nothing
  EXPECT_EQ(ConsoleText(), "a\r\na b\r\na b c\r\na (NULL) c\r\n");
}

TEST_F(OutputTest, PrintLineCutsAtItsBuffer) {
  PrintLine(U(std::string(5000, 'x')));
  EXPECT_EQ(console_.TextLength(), kPrintLineBuffer - 1);
  EXPECT_EQ(ConsoleText().substr(ConsoleText().size() - 3), "x\r\n");
}

TEST_F(OutputTest, PrintTextFlags) {
  PrintText(u"one");
  PrintText(u"two", kPrintNoLineEnd);
  console_.SetSelection(0, 0);
  PrintText(u">", kPrintAtCaret | kPrintNoLineEnd);
  PrintText(u"end", kPrintNoLengthCheck | kPrintNoLineEnd);
  EXPECT_EQ(ConsoleText(), ">one\r\ntwoend");
}

TEST_F(OutputTest, ShowErrorForms) {
  ShowError(67, u"\\a.txt");
  ShowError(200, u"\\a.txt");
  ShowError(200);
  ShowError(kPreformattedError, u"whole text");
  ShowError(kPreformattedError);
  ShowError(40);
  EXPECT_EQ(ConsoleText(),
            "指定のファイルが見つかりません： \\a.txt\r\n"
            "Error Occured: \\a.txt\r\n"
            "Error Occured.\r\n"
            "whole text\r\n"
            "Error Occured.\r\n"
            "ファイルが見つかりません。\r\n");
}

TEST_F(OutputTest, EmptiedMessageFallsBack) {
  SetMessageText(67, u"");
  SetMessageText(1, u"E:");
  ShowError(67, u"x");
  ShowError(kPreformattedError, u"y");
  EXPECT_EQ(ConsoleText(), "E: Error Occured: x\r\nE: y\r\n");
}

TEST_F(OutputTest, TrimsTheOldestLinesNearTheLimit) {
  // 29,990 characters, then a line of 20 with its line end.
  std::u16string filler;
  while (filler.size() + 102 <= 29990 - 104) filler += std::u16string(100, u'a') + u"\r\n";
  filler += std::u16string(29990 - filler.size() - 2, u'b') + u"\r\n";
  console_.ReplaceSelection(filler);
  ASSERT_EQ(console_.TextLength(), 29990u);
  const std::size_t lines = console_.LineCount();
  const std::size_t cut = console_.LineIndex(lines * 80 / 100);
  PrintLine(U(std::string(18, 'z')));
  EXPECT_EQ(console_.TextLength(), 29990u - cut + 20);
  EXPECT_EQ(Utf8(console_.text().substr(console_.TextLength() - 20)),
            std::string(18, 'z') + "\r\n");
  EXPECT_LT(console_.TextLength(), kConsoleTextLimit);
}

TEST_F(OutputTest, TrimmingKeepsTheConsoleBoundedUnderLongOutput) {
  for (int i = 0; i < 5000; ++i) PrintLine(U("line " + std::to_string(i)));
  EXPECT_LT(console_.TextLength(), kConsoleTextLimit);
  EXPECT_NE(ConsoleText().find("line 4999\r\n"), std::string::npos);
  EXPECT_EQ(ConsoleText().find("line 0\r\n"), std::string::npos);
}

TEST_F(OutputTest, OneEnormousLineStaysBoundedAndKeepsItsEnd) {
  std::u16string huge(200000, u'x');
  huge.back() = u'!';
  PrintText(huge);
  EXPECT_LT(console_.TextLength(), kConsoleTextLimit);
  EXPECT_EQ(ConsoleText().substr(ConsoleText().size() - 3), "!\r\n");
  PrintText(huge);
  EXPECT_LT(console_.TextLength(), kConsoleTextLimit);
}

TEST_F(OutputTest, WritersAreSilentWithoutAConsole) {
  SetConsoleSurface(nullptr);
  PrintLine(u"x");
  PrintText(u"y");
  ShowError(67, u"z");
  ClearConsole();
  SetConsoleSurface(&console_);
  EXPECT_EQ(ConsoleText(), "");
}

TEST_F(OutputTest, PollForStopAsksOnlyWhenAStopWasRequested) {
  EXPECT_FALSE(PollForStop());
  EXPECT_TRUE(host_.questions.empty());
  EXPECT_EQ(host_.pumps, 1);

  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_FALSE(PollForStop());
  EXPECT_FALSE(Session().stopRequested);
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(Utf8(host_.questions[0]), "処理を中止しますか？");
  EXPECT_EQ(Utf8(host_.captions[0]), "Tessera");

  Session().stopRequested = true;
  host_.answers = {MessageBoxAnswer::Yes};
  EXPECT_TRUE(PollForStop(GetMessageText(msg::kBatchStopQuestion)));
  EXPECT_TRUE(Session().stopRequested);  // a Yes leaves the request standing
  EXPECT_EQ(Utf8(host_.questions[1]), "バッチファイルの実行を中止しますか？");
}

TEST(MemoryConsole, LinesFollowEdits) {
  MemoryConsole console;
  EXPECT_EQ(console.LineCount(), 1u);
  console.ReplaceSelection(u"ab\r\ncd\r\nef");
  EXPECT_EQ(console.LineCount(), 3u);
  EXPECT_EQ(console.LineIndex(1), 4u);
  EXPECT_EQ(console.LineIndex(2), 8u);
  EXPECT_EQ(console.LineIndex(9), console.TextLength());
  console.SetSelection(0, 4);
  console.ReplaceSelection(u"");
  EXPECT_EQ(console.LineCount(), 2u);
  EXPECT_EQ(console.LineIndex(1), 4u);
  console.SetSelection(1, 1);
  console.ReplaceSelection(u"\r\n");
  EXPECT_EQ(console.LineCount(), 3u);
  EXPECT_EQ(console.LineIndex(1), 3u);
  console.SetSelection(100, 50);  // clamped and ordered
  EXPECT_EQ(console.selectionStart(), console.TextLength());
}

TEST(MemoryConsole, ObserverSeesOnlyTextPutAtTheEnd) {
  MemoryConsole console;
  std::u16string seen;
  console.SetAppendObserver([&](std::u16string_view text) { seen += text; });
  console.ReplaceSelection(u"abc");
  console.SetSelection(0, 0);
  console.ReplaceSelection(u"X");
  console.SetSelection(console.TextLength(), console.TextLength());
  console.ReplaceSelection(u"def");
  EXPECT_EQ(Utf8(seen), "abcdef");
  EXPECT_EQ(Utf8(console.text()), "Xabcdef");
}

}  // namespace
}  // namespace tessera
