// The help file the program ships.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "commands/help_command.h"
#include "platform/text.h"
#include "shell/command.h"

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

}  // namespace
}  // namespace tessera
