// The translated message files shipped with the language libraries: every
// message, with the placeholders of its built-in text in the same order.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/text.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/message_overrides.h"
#include "shell/text_lines.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ShippedMessageFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(TESSERA_BUILD_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("STRRESOURCE_", 0) == 0 && name.size() > 4 &&
        name.substr(name.size() - 4) == ".TXT")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(ShippedMessageFiles, OneForEachLanguageLibraryThatBringsMessages) {
  std::vector<std::string> names;
  for (const fs::path& file : ShippedMessageFiles()) names.push_back(file.filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"STRRESOURCE_CHS.TXT", "STRRESOURCE_ENU.TXT"}));
}

TEST(ShippedMessageFiles, EveryMessageOnceWithTheBuiltInPlaceholders) {
  for (const fs::path& file : ShippedMessageFiles()) {
    SCOPED_TRACE(file.string());
    TextLines lines;
    // Read as the program reads it: UTF-16 with its byte-order mark.
    ASSERT_EQ(ReadTextLines(platform::Utf8ToUtf16(file.string()), 0, lines), kOk);
    std::set<long> seen;
    for (const std::u16string& line : lines.lines) {
      const auto parsed = ParseMessageFileLine(line);
      if (!parsed) continue;
      ASSERT_TRUE(parsed->id >= 0 && parsed->id < static_cast<long>(kMessageCount))
          << platform::Utf16ToUtf8(line);
      EXPECT_TRUE(seen.insert(parsed->id).second) << "message " << parsed->id << " twice";
      const char16_t* builtIn = kDefaultMessageTexts[parsed->id];
      EXPECT_EQ(FormatPlaceholders(parsed->text), FormatPlaceholders(builtIn))
          << "message " << parsed->id << ": " << platform::Utf16ToUtf8(parsed->text);
      // A message that says something in Japanese says something here too.
      if (*builtIn) {
        EXPECT_FALSE(parsed->text.empty()) << "message " << parsed->id;
      }
    }
    EXPECT_EQ(seen.size(), kMessageCount);
  }
}

}  // namespace
}  // namespace tessera
