#include <gtest/gtest.h>

#include "terminal/line_editor.h"
#include "terminal/terminal_console.h"
#include "terminal/terminal_host.h"
#include "terminal/terminal_options.h"

namespace tessera::terminal {
namespace {

ParsedOptions Parse(std::vector<std::string> words) {
  std::vector<char*> argv;
  static std::string program = "Tessera.exe";
  argv.push_back(program.data());
  for (auto& w : words) argv.push_back(w.data());
  return ParseTerminalOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(TerminalOptions, AllForms) {
  const ParsedOptions parsed =
      Parse({"--tty", "--root", "/tmp/r", "--columns=40", "--no", "-c", "ECHO %PATH%"});
  ASSERT_TRUE(parsed.error.empty()) << parsed.error;
  EXPECT_EQ(parsed.options.root, "/tmp/r");
  EXPECT_EQ(parsed.options.columns, 40);
  EXPECT_EQ(parsed.options.answer, false);
  EXPECT_EQ(parsed.options.command, "ECHO %PATH%");
  EXPECT_EQ(Parse({"--root=/x", "--yes"}).options.answer, true);
  EXPECT_EQ(Parse({}).options.columns, 32);
}

TEST(TerminalOptions, BadCommandLines) {
  EXPECT_FALSE(Parse({"--columns", "abc"}).error.empty());
  EXPECT_FALSE(Parse({"--columns", "5"}).error.empty());
  EXPECT_FALSE(Parse({"--columns", "40x"}).error.empty());
  EXPECT_FALSE(Parse({"--columns"}).error.empty());
  EXPECT_FALSE(Parse({"--root"}).error.empty());
  EXPECT_FALSE(Parse({"-c"}).error.empty());
  EXPECT_FALSE(Parse({"--frobnicate"}).error.empty());
}

TEST(TerminalConsole, CrLfBecomesLfAcrossPieces) {
  bool pending = false;
  EXPECT_EQ(ConsoleTextToTerminal(u"a\r\nb\r", pending), "a\nb");
  EXPECT_TRUE(pending);
  EXPECT_EQ(ConsoleTextToTerminal(u"\nc", pending), "\nc");
  EXPECT_EQ(ConsoleTextToTerminal(u"\rx", pending), "\rx");
  EXPECT_EQ(ConsoleTextToTerminal(u"日本", pending), "日本");
}

TEST(LineEditor, DecodesKeys) {
  std::string bytes = "a\x1b[A\x1b[B\x1b[C\x1b[D\x1bOP\x1b[21~\x7f\r\xe6\x97\xa5\x1b[3~\x04";
  std::vector<Key::Kind> kinds;
  std::vector<int> functions;
  while (auto key = DecodeKey(bytes)) {
    kinds.push_back(key->kind);
    if (key->kind == Key::Function) functions.push_back(key->number);
  }
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(kinds, (std::vector<Key::Kind>{Key::Text, Key::Up, Key::Down, Key::Right, Key::Left,
                                           Key::Function, Key::Function, Key::Backspace, Key::Enter,
                                           Key::Text, Key::Delete, Key::EndOfInput}));
  EXPECT_EQ(functions, (std::vector<int>{1, 10}));
}

TEST(LineEditor, IncompleteSequencesWait) {
  std::string bytes = "\x1b[";
  EXPECT_FALSE(DecodeKey(bytes));
  EXPECT_EQ(bytes, "\x1b[");
  bytes += "1";
  EXPECT_FALSE(DecodeKey(bytes));
  bytes += "5~";
  auto key = DecodeKey(bytes);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->number, 5);
  std::string partial = "\xe6\x97";
  EXPECT_FALSE(DecodeKey(partial));
}

std::vector<Key> DecodeAll(std::string bytes) {
  std::vector<Key> keys;
  while (auto key = DecodeKey(bytes)) keys.push_back(*key);
  EXPECT_TRUE(bytes.empty()) << "left undecoded: " << bytes.size() << " bytes";
  return keys;
}

TEST(LineEditor, TypedBytesAreWholeCharactersOrRefused) {
  // A character beyond U+FFFF comes as its surrogate pair, whole.
  std::vector<Key> keys = DecodeAll("\xf0\xa0\xae\xb7x");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].text, u"\U00020BB7");
  EXPECT_EQ(keys[1].text, u"x");
  // A byte no character starts with, a cut-off sequence, an overlong form,
  // a surrogate, a value past U+10FFFF: each broken byte is refused alone,
  // and the good character after it is still typed.
  const std::pair<std::string, std::size_t> broken[] = {
      {"\xff", 1}, {"\xe6\x97", 2}, {"\xc0\x80", 2}, {"\xed\xa0\x80", 3}, {"\xf4\x90\x80\x80", 4},
  };
  for (const auto& [bytes, refused] : broken) {
    keys = DecodeAll(bytes + "a");
    ASSERT_EQ(keys.size(), refused + 1) << bytes;
    for (std::size_t i = 0; i < refused; ++i) EXPECT_EQ(keys[i].kind, Key::NotText) << bytes;
    EXPECT_EQ(keys.back().kind, Key::Text);
    EXPECT_EQ(keys.back().text, u"a");
  }
}

TEST(LineEditor, SurrogatePairsMoveAndGoAsOne) {
  EditBuffer buffer;
  buffer.Insert(u"a\U00020BB7b");
  buffer.Left();
  buffer.Left();
  EXPECT_EQ(buffer.cursor(), 1u);  // before the pair, not inside it
  buffer.Right();
  EXPECT_EQ(buffer.cursor(), 3u);
  buffer.Backspace();
  EXPECT_EQ(buffer.text(), u"ab");
  buffer.Replace(u"\U0001F600\U00020BB7");
  buffer.Home();
  buffer.Delete();
  EXPECT_EQ(buffer.text(), u"\U00020BB7");
  EXPECT_EQ(buffer.cursor(), 0u);
  // Wide characters beyond U+FFFF take two columns too.
  EXPECT_EQ(DisplayWidth(u"a\U00020BB7\U0001F600"), 5u);
}

TEST(LineEditor, TheControlKeysOfTheShellsUsersKnow) {
  std::vector<Key::Kind> kinds;
  for (const Key& key : DecodeAll("\x01\x05\x02\x06\x10\x0e\x15\x0b\x17\x0c")) {
    kinds.push_back(key.kind);
  }
  EXPECT_EQ(kinds, (std::vector<Key::Kind>{Key::Home, Key::End, Key::Left, Key::Right, Key::Up,
                                           Key::Down, Key::KillToStart, Key::KillToEnd,
                                           Key::KillWordBefore, Key::ClearScreen}));
  EditBuffer buffer;
  buffer.Insert(u"copy a.txt  b.txt");
  buffer.KillWordBefore();
  EXPECT_EQ(buffer.text(), u"copy a.txt  ");
  buffer.KillWordBefore();  // the blanks before the cursor go with the word
  EXPECT_EQ(buffer.text(), u"copy ");
  buffer.Insert(u"x y");
  buffer.Left();
  buffer.Left();
  buffer.KillToEnd();
  EXPECT_EQ(buffer.text(), u"copy x");
  buffer.Left();
  buffer.KillToStart();
  EXPECT_EQ(buffer.text(), u"x");
  EXPECT_EQ(buffer.cursor(), 0u);
}

TEST(LineEditor, PlacesWrapLikeATerminal) {
  EXPECT_EQ(PlaceAfter(u"abc", 10).row, 0u);
  EXPECT_EQ(PlaceAfter(u"abc", 10).column, 3u);
  // Filling a row exactly leaves the cursor waiting at its end.
  EXPECT_EQ(PlaceAfter(u"abcdefghij", 10).row, 0u);
  EXPECT_EQ(PlaceAfter(u"abcdefghij", 10).column, 10u);
  EXPECT_EQ(PlaceAfter(u"abcdefghijk", 10).row, 1u);
  EXPECT_EQ(PlaceAfter(u"abcdefghijk", 10).column, 1u);
  // A wide character with one column left goes to the next row whole.
  const ScreenPlace wide = PlaceAfter(u"abcdefghi日", 10);
  EXPECT_EQ(wide.row, 1u);
  EXPECT_EQ(wide.column, 2u);
}

TEST(LineEditor, ALongLineIsRedrawnOverAllItsRows) {
  const std::u16string text(25, u'x');  // with the prompt "\>": 27 columns
  std::size_t row = 0;
  // Cursor at the end: rows 0-2, the cursor at row 2, column 7.
  EXPECT_EQ(RedrawBytes(u"\\>", text, 25, 10, row),
            "\r\x1b[J\\>" + std::string(25, 'x') + "\r\x1b[7C");
  EXPECT_EQ(row, 2u);
  // Ten to the left: back to the first row, written again, then up one row
  // from the end to row 1, column 7.
  EXPECT_EQ(RedrawBytes(u"\\>", text, 15, 10, row),
            "\x1b[2A\r\x1b[J\\>" + std::string(25, 'x') + "\x1b[1A\r\x1b[7C");
  EXPECT_EQ(row, 1u);
  // A line that ends at a row's end: the cursor goes down to the next row.
  EXPECT_EQ(RedrawBytes(u"\\>", std::u16string(8, u'y'), 8, 10, row),
            "\x1b[1A\r\x1b[J\\>" + std::string(8, 'y') + "\r\n\r");
  EXPECT_EQ(row, 1u);
}

TEST(LineEditor, EditBuffer) {
  EditBuffer buffer;
  buffer.Insert(u"helo");
  buffer.Left();
  buffer.Insert(u"l");
  EXPECT_EQ(buffer.text(), u"hello");
  buffer.Home();
  buffer.Delete();
  buffer.Backspace();  // nothing before the cursor
  EXPECT_EQ(buffer.text(), u"ello");
  buffer.End();
  buffer.Backspace();
  EXPECT_EQ(buffer.text(), u"ell");
  buffer.Replace(u"DIR ");
  EXPECT_EQ(buffer.cursor(), 4u);
  EXPECT_EQ(DisplayWidth(u"aあｱ"), 4u);
}

TEST(TerminalHost, PresetAnswersFitTheButtons) {
  EXPECT_EQ(PresetAnswer(MessageBoxButtons::Ok, false), MessageBoxAnswer::Ok);
  EXPECT_EQ(PresetAnswer(MessageBoxButtons::YesNo, true), MessageBoxAnswer::Yes);
  EXPECT_EQ(PresetAnswer(MessageBoxButtons::YesNo, false), MessageBoxAnswer::No);
  EXPECT_EQ(PresetAnswer(MessageBoxButtons::OkCancel, false), MessageBoxAnswer::Cancel);
}

}  // namespace
}  // namespace tessera::terminal
