// The help files the program ships: its own, and the translated ones that
// go with the language libraries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "commands/help_command.h"
#include "platform/text.h"
#include "shell/command.h"

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

TEST(ShippedHelpFiles, EveryBuiltInCommandWordFindsItsOwnEntry) {
  for (const fs::path& file : ShippedHelpFiles()) {
    const auto lines = HelpLines(file);
    ASSERT_FALSE(lines.empty()) << file;
    for (const BuiltinCommand& command : BuiltinCommands()) {
      for (std::u16string_view word : command.words) {
        if (word.empty()) continue;
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

}  // namespace
}  // namespace tessera
