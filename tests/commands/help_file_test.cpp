// The help files the program ships: its own, and the translated ones that
// go with the language libraries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "commands/help_command.h"
#include "platform/text.h"
#include "shell/command.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

std::vector<std::u16string> HelpLines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  return SplitHelpLines(bytes);
}

// HELPBRIEF.TXT and every HELPBRIEF_*.TXT beside the program.
std::vector<fs::path> ShippedHelpFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(TESSERA_BUILD_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("HELPBRIEF", 0) == 0 && name.size() > 4 &&
        name.substr(name.size() - 4) == ".TXT")
      files.push_back(entry.path());
  }
  return files;
}

// The names an entry lists, from its marker to its brief.
std::vector<std::u16string> NamesOf(const std::vector<std::u16string>& lines, std::size_t entry) {
  std::vector<std::u16string> names;
  for (std::size_t i = entry + 1; i < lines.size() && lines[i] != u"<!--BRIEF-->"; ++i)
    names.push_back(lines[i]);
  return names;
}

TEST(ShippedHelpFiles, TheProgramsOwnAndTheTranslatedOnesAreThere) {
  std::vector<std::string> names;
  for (const fs::path& file : ShippedHelpFiles()) names.push_back(file.filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{"HELPBRIEF.TXT", "HELPBRIEF_CHS.TXT", "HELPBRIEF_ENU.TXT"}));
}

// Words outside the command table with entries of their own: the window's
// view commands and the companion tools (`sort /?` shows the entry too).
constexpr const char16_t* kOtherWords[] = {u"FINDBAR", u"FNKEYBAR", u"DIFF",      u"SORT",
                                           u"TSXKF",   u"UPCASE",   u"HOSTREPORT"};

// Every word the shell looks up in a help file.
std::vector<std::u16string_view> HelpWords() {
  std::vector<std::u16string_view> words;
  for (const BuiltinCommand& command : BuiltinCommands()) {
    for (std::u16string_view word : command.words) {
      if (!word.empty()) words.push_back(word);
    }
  }
  for (const char16_t* other : kOtherWords) words.emplace_back(other);
  return words;
}

TEST(ShippedHelpFiles, EveryCommandWordAndToolFindsItsOwnEntry) {
  for (const fs::path& file : ShippedHelpFiles()) {
    const auto lines = HelpLines(file);
    ASSERT_FALSE(lines.empty()) << file;
    for (std::u16string_view word : HelpWords()) {
      const auto entry = FindHelpEntry(lines, word);
      ASSERT_TRUE(entry) << file << ": " << platform::Utf16ToUtf8(word);
      // HELP DIR must not show the entry of DIRREG.
      const auto names = NamesOf(lines, *entry);
      EXPECT_NE(std::find_if(names.begin(), names.end(),
                             [word](const std::u16string& name) {
                               return platform::EqualsNoCase(name, word);
                             }),
                names.end())
          << file << ": " << platform::Utf16ToUtf8(word) << " finds "
          << platform::Utf16ToUtf8(names.empty() ? u"" : names.front());
    }
  }
}

TEST(ShippedHelpFiles, EveryEntryHasABriefAndAHelpPart) {
  for (const fs::path& file : ShippedHelpFiles()) {
    const auto lines = HelpLines(file);
    int entries = 0, briefs = 0, helps = 0;
    for (const auto& line : lines) {
      entries += line == u"<!--CMD-->";
      briefs += line == u"<!--BRIEF-->";
      helps += line == u"<!--HELP-->";
    }
    EXPECT_GT(entries, 30) << file;
    EXPECT_EQ(entries, briefs) << file;
    EXPECT_EQ(entries, helps) << file;
  }
}

struct HelpEntry {
  std::vector<std::u16string> names;
  std::string help;  // the lines HELP prints, each with CR LF
};

std::vector<HelpEntry> ShippedEntries() {
  std::vector<HelpEntry> entries;
  enum { Outside, Names, Brief } section = Outside;
  for (const auto& line : HelpLines(fs::path(TESSERA_BUILD_DIR) / "HELPBRIEF.TXT")) {
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
    std::ifstream in(fs::path(TESSERA_BUILD_DIR) / "HELPBRIEF.TXT", std::ios::binary);
    root_->WriteHostFile(
        root_->Host("\\Program Files\\Tessera\\HELPBRIEF.TXT"),
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
  }
};

// HELP takes the first entry with a name that begins with the word, so the
// file's order decides: DIR must come before DIRREG, and so on.
TEST_F(ShippedHelpLookup, EveryCommandWordAndToolFindsItsOwnEntry) {
  const auto entries = ShippedEntries();
  for (std::u16string_view word : HelpWords()) {
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
