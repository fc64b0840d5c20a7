// Reading resource scripts: what a script may say, and the faults it names
// with their line.
#include "lang/compiler/resource_script.h"

#include <gtest/gtest.h>

#include "lang/compiler/table_source.h"
#include "platform/text.h"
#include "shell/resource_table.h"

namespace tessera::rescomp {
namespace {

std::string Read(std::string_view text, ResourceScript& script) {
  return ReadResourceScript(text, "test.resources", script);
}

TEST(ResourceScript, ReadsEveryKindOfBlock) {
  ResourceScript script;
  const std::string error = Read(
      "\xEF\xBB\xBF# comment\n"
      "STRINGS\n"
      "  30317 \"Fn\"   # trailing comment\n"
      "  35000 \"Found.\\n\\n%s \\\"quoted\\\" \\\\ \\t\"\n"
      "  57344 \"漢字\"\n"
      "END\n"
      "MENU 149\n"
      "  POPUP \"Menu\"\n"
      "    ITEM 37003 \"&Select\\tCtrl+R\"\n"
      "    SEPARATOR\n"
      "    POPUP \"&Edit\"\n"
      "      ITEM 57635 \"Cu&t\"\n"
      "    END\n"
      "    ITEM 57665 \"E&xit\"\n"
      "  END\n"
      "END\n"
      "DIALOG 147 \"Select UI Language\"\n"
      "  1056 \"Note # not a comment\"\n"
      "  1016 \"\"\n"
      "END\n"
      "DIALOG 113 \"Empty\"\r\n"
      "END\r\n"
      "ACCELERATORS 128\n"
      "  \"Ctrl+Shift+F\" 37007\n"
      "  \"Alt+Backspace\" 57643\n"
      "END\n",
      script);
  ASSERT_EQ(error, "");
  EXPECT_EQ(script.strings.at(30317), u"Fn");
  EXPECT_EQ(script.strings.at(35000), u"Found.\n\n%s \"quoted\" \\ \t");
  EXPECT_EQ(script.strings.at(57344), u"漢字");

  const auto& menu = script.menus.at(149);
  ASSERT_EQ(menu.size(), 6u);
  EXPECT_EQ(menu[0].kind, kMenuPopup);
  EXPECT_EQ(menu[0].depth, 0u);
  EXPECT_EQ(menu[1].command, 37003u);
  EXPECT_EQ(menu[1].text, u"&Select\tCtrl+R");
  EXPECT_EQ(menu[2].kind, kMenuSeparator);
  EXPECT_EQ(menu[3].kind, kMenuPopup);
  EXPECT_EQ(menu[4].depth, 2u);
  EXPECT_EQ(menu[5].command, 57665u);
  EXPECT_EQ(menu[5].depth, 1u);

  EXPECT_EQ(script.dialogs.at(147).title, u"Select UI Language");
  EXPECT_EQ(script.dialogs.at(147).controls.at(1056), u"Note # not a comment");
  EXPECT_EQ(script.dialogs.at(147).controls.at(1016), u"");
  EXPECT_TRUE(script.dialogs.at(113).controls.empty());
  ASSERT_EQ(script.accelerators.at(128).size(), 2u);
  EXPECT_EQ(script.accelerators.at(128)[0].keys, u"Ctrl+Shift+F");
  EXPECT_EQ(script.accelerators.at(128)[1].command, 57643u);
}

TEST(ResourceScript, NamesTheFaultAndItsLine) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"STRINGS\n  1 \"a\"\n  1 \"b\"\nEND\n", "test.resources:3: string 1 appears twice"},
      {"STRINGS\n  1 \"open\nEND\n", "test.resources:2: a text without its closing quote"},
      {"STRINGS\n  1 \"\\q\"\nEND\n", "test.resources:2: unknown escape \\q"},
      {"STRINGS\n  0 \"zero\"\nEND\n", "test.resources:2: identifier 0 outside 1..65535"},
      {"STRINGS\n  65536 \"big\"\nEND\n", "test.resources:2: identifier 65536 outside 1..65535"},
      {"STRINGS\n  1 \"a\"\n", "test.resources:2: the file ends inside a block (END missing)"},
      {"STRING\n",
       "test.resources:1: expected STRINGS, MENU id, DIALOG id \"title\" or ACCELERATORS id"},
      {"MENU 1\nEND\n", "test.resources:2: menu 1 is empty"},
      {"MENU 1\n POPUP \"p\"\n END\nEND\n", "test.resources:3: an empty pop-up"},
      {"MENU 1\n ITEM 5 \"\"\nEND\n", "test.resources:2: an item without text"},
      {"MENU 1\n ITEM 5\nEND\n",
       "test.resources:2: expected ITEM command \"text\", SEPARATOR, POPUP \"text\" or END"},
      {"MENU 1\n ITEM 5 \"a\"\nEND\nMENU 1\n ITEM 5 \"a\"\nEND\n",
       "test.resources:4: menu 1 appears twice"},
      {"DIALOG 7 \"d\"\n 1 \"a\"\n 1 \"b\"\nEND\n", "test.resources:3: control 1 appears twice"},
      {"ACCELERATORS 1\n \"Ctrl+Q\" 5\n \"Ctrl+Q\" 6\nEND\n",
       "test.resources:3: keys \"Ctrl+Q\" appear twice"},
      {"ACCELERATORS 1\n \"Control+Q\" 5\nEND\n",
       "test.resources:2: keys \"Control+Q\" are not understood"},
      {"STRINGS\n  1 \"\xFF\"\nEND\n", "test.resources:2: a text that is not UTF-8"},
  };
  for (const auto& c : cases) {
    ResourceScript script;
    EXPECT_EQ(Read(c.script, script), c.error) << c.script;
  }
}

TEST(ResourceScript, ALaterScriptReplacesWholeEntriesByIdentifier) {
  ResourceScript script;
  ASSERT_EQ(Read("STRINGS\n 1 \"one\"\n 2 \"two\"\nEND\n"
                 "MENU 9\n ITEM 5 \"a\"\n ITEM 6 \"b\"\nEND\n"
                 "DIALOG 7 \"d\"\n 1 \"x\"\n 2 \"y\"\nEND\n",
                 script),
            "");
  ASSERT_EQ(
      Read("STRINGS\n 2 \"deux\"\nEND\nMENU 9\n ITEM 5 \"A\"\nEND\nDIALOG 7 \"D\"\n 2 \"Y\"\nEND\n",
           script),
      "");
  EXPECT_EQ(script.strings.at(1), u"one");
  EXPECT_EQ(script.strings.at(2), u"deux");
  ASSERT_EQ(script.menus.at(9).size(), 1u);
  EXPECT_EQ(script.menus.at(9)[0].text, u"A");
  EXPECT_EQ(script.dialogs.at(7).title, u"D");
  EXPECT_EQ(script.dialogs.at(7).controls.size(), 1u);
}

TEST(ResourceScript, KeyTexts) {
  for (const char16_t* keys : {u"Ctrl+0", u"Ctrl+Shift+F", u"Alt+Backspace", u"Shift+Del", u"F6",
                               u"Shift+F6", u"Ctrl+Ins", u"F24", u"Meta+Alt+Ctrl+Shift+Z"}) {
    EXPECT_TRUE(IsPortableKeyText(keys)) << platform::Utf16ToUtf8(keys);
  }
  for (const char16_t* keys : {u"", u"Ctrl+", u"Ctrl+Ctrl+A", u"ctrl+a", u"Ctrl+a", u"F0", u"F25",
                               u"F01", u"Delete", u"Ctrl+AB", u"+A"}) {
    EXPECT_FALSE(IsPortableKeyText(keys)) << platform::Utf16ToUtf8(keys);
  }
}

TEST(TableSource, EscapesEveryTextForAnySourceCharacterSet) {
  ResourceScript script;
  ASSERT_EQ(Read("STRINGS\n 1 \"a\\\"b\\\\c\\n?\?=漢😀\"\nEND\n", script), "");
  const std::string source = TableSource(script, TableOwner::Library, "x.resources");
  EXPECT_NE(source.find(R"({1, u"a\"b\\c\n\?\?=\u6F22\U0001F600"},)"), std::string::npos) << source;
  EXPECT_NE(source.find("const TesseraResourceTable TesseraResources"), std::string::npos);
  EXPECT_NE(source.find("0, nullptr,\n    0, nullptr"), std::string::npos);  // no menus, dialogs
  const std::string program = TableSource(script, TableOwner::Program, "x.resources");
  EXPECT_NE(program.find("namespace tessera {"), std::string::npos);
  EXPECT_NE(program.find("kProgramResources"), std::string::npos);
  for (const std::string& text : {source, program}) {
    for (char c : text) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F));
  }
}

}  // namespace
}  // namespace tessera::rescomp
