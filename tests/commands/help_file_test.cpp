// The help file the program ships.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "commands/help_command.h"
#include "platform/text.h"
#include "shell/command.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

std::vector<std::u16string> ShippedHelpLines() {
  std::ifstream in(TESSERA_HELP_FILE, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  return SplitHelpLines(bytes);
}

TEST(ShippedHelpFile, EveryBuiltInCommandHasAnEntry) {
  const auto lines = ShippedHelpLines();
  ASSERT_FALSE(lines.empty());
  std::set<std::u16string> names;
  bool inNames = false;
  for (const auto& line : lines) {
    if (line == u"<!--CMD-->") {
      inNames = true;
    } else if (line == u"<!--BRIEF-->") {
      inNames = false;
    } else if (inNames) {
      names.insert(line);
    }
  }
  for (const BuiltinCommand& command : BuiltinCommands()) {
    for (std::u16string_view word : command.words) {
      if (word.empty()) continue;
      EXPECT_TRUE(names.count(std::u16string(word))) << platform::Utf16ToUtf8(word);
    }
  }
}

TEST(ShippedHelpFile, EveryEntryHasABriefAndAHelpPart) {
  const auto lines = ShippedHelpLines();
  int entries = 0, briefs = 0, helps = 0;
  for (const auto& line : lines) {
    entries += line == u"<!--CMD-->";
    briefs += line == u"<!--BRIEF-->";
    helps += line == u"<!--HELP-->";
  }
  EXPECT_GT(entries, 30);
  EXPECT_EQ(entries, briefs);
  EXPECT_EQ(entries, helps);
}

// Words outside the command table with entries of their own: the window's
// view commands and the companion tools (`sort /?` shows the entry too).
constexpr const char16_t* kOtherWords[] = {u"FINDBAR", u"FNKEYBAR", u"DIFF",      u"SORT",
                                           u"TSXKF",   u"UPCASE",   u"HOSTREPORT"};

struct HelpEntry {
  std::vector<std::u16string> names;
  std::string help;  // the lines HELP prints, each with CR LF
};

std::vector<HelpEntry> ShippedEntries() {
  std::vector<HelpEntry> entries;
  enum { Outside, Names, Brief } section = Outside;
  for (const auto& line : ShippedHelpLines()) {
    if (line == u"<!--CMD-->") {
      entries.emplace_back();
      section = Names;
    } else if (line == u"<!--BRIEF-->") {
      section = Brief;
    } else if (line == u"<!--HELP-->") {
      section = Outside;
    } else if (section == Names) {
      entries.back().names.push_back(line);
    } else if (section == Outside && !entries.empty()) {
      entries.back().help += platform::Utf16ToUtf8(line) + "\r\n";
    }
  }
  return entries;
}

class ShippedHelpLookup : public testing::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    std::ifstream in(TESSERA_HELP_FILE, std::ios::binary);
    root_->WriteHostFile(
        root_->Host("\\Program Files\\Tessera\\HELPBRIEF.TXT"),
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
  }
};

// HELP takes the first entry with a name that begins with the word, so the
// file's order decides: DIR must come before DIRREG, and so on.
TEST_F(ShippedHelpLookup, EveryCommandWordAndToolFindsItsOwnEntry) {
  const auto entries = ShippedEntries();
  std::vector<std::u16string> words;
  for (const BuiltinCommand& command : BuiltinCommands()) {
    for (std::u16string_view word : command.words) {
      if (!word.empty()) words.emplace_back(word);
    }
  }
  for (const char16_t* other : kOtherWords) words.emplace_back(other);
  for (const auto& word : words) {
    const HelpEntry* own = nullptr;
    for (const auto& entry : entries) {
      for (const auto& name : entry.names) {
        if (platform::EqualsNoCase(name, word)) own = &entry;
      }
    }
    const std::string name = platform::Utf16ToUtf8(word);
    ASSERT_NE(own, nullptr) << name << " has no entry";
    EXPECT_FALSE(own->help.empty()) << name;
    EXPECT_EQ(Run("HELP " + name), own->help) << name;
    EXPECT_EQ(Run(name + " /?"), own->help) << name;
  }
}

}  // namespace
}  // namespace tessera
