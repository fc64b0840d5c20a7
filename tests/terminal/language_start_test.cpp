// The language chosen at the first start of the terminal front end, from
// the locale the user runs it in, with the libraries and message files the
// build ships. The locale variables are set for each start, so that the
// machine's own never leaks in.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/device.h"
#include "shell/language_choice.h"
#include "shell/settings.h"
#include "support/temp_root.h"

namespace tessera {
namespace {

struct Locale {
  const char* lcAll = "";
  const char* lcMessages = "";
  const char* lang = "";
};

// Runs one line in the shell on the root and gives what it printed.
std::string RunLine(const testing::TempRoot& root, const Locale& locale, const char* line) {
  int output[2];
  if (pipe(output) != 0) return "<no pipe>";
  const pid_t shell = fork();
  if (shell == 0) {
    dup2(output[1], 1);
    close(output[0]);
    setenv("LC_ALL", locale.lcAll, 1);
    setenv("LC_MESSAGES", locale.lcMessages, 1);
    setenv("LANG", locale.lang, 1);
    execl(TESSERA_EXE, TESSERA_EXE, "--tty", "--root", root.host().c_str(), "-c", line,
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(output[1]);
  std::string seen;
  char buffer[512];
  ssize_t n = 0;
  while ((n = read(output[0], buffer, sizeof buffer)) > 0)
    seen.append(buffer, static_cast<std::size_t>(n));
  close(output[0]);
  int status = 0;
  waitpid(shell, &status, 0);
  return seen;
}

class LanguageStartTest : public ::testing::Test {
 protected:
  std::int32_t StoredId() { return ReadSettingInt(kSettingsSection, u"UI_LANG_ID", -1); }
  std::u16string StoredPath() {
    return ReadSettingString(kSettingsSection, u"UI_LANG_DLL_PATH", u"<none>");
  }

  testing::TempRoot root_;
};

constexpr const char* kJapaneseNotFound = "指定のコマンドが見つかりません。\n";
constexpr const char* kChineseNotFound = "找不到指定的命令。\n";
constexpr const char* kEnglishNotFound = "Command not found.\n";

TEST_F(LanguageStartTest, AChineseUserGetsHanziAndChineseMessagesFromTheFirstStartOn) {
  EXPECT_EQ(RunLine(root_, {.lang = "zh_CN.UTF-8"}, "nosuchcommand"), kChineseNotFound);
  EXPECT_EQ(StoredId(), 2052);
  EXPECT_EQ(StoredPath(), u"\\Program Files\\Tessera\\Language\\Hanzi.dll");
  // The help is the library's too.
  EXPECT_NE(RunLine(root_, {.lang = "zh_CN.UTF-8"}, "help addreg")
                .find("ADDREG 根键, 项, [值名称], 标志, 数据"),
            std::string::npos);
  // The choice stays, whatever the locale of a later start.
  EXPECT_EQ(RunLine(root_, {.lang = "C.UTF-8"}, "nosuchcommand"), kChineseNotFound);
}

TEST_F(LanguageStartTest, WithoutALanguageTheMessagesStayJapaneseAndNothingIsStored) {
  EXPECT_EQ(RunLine(root_, {.lang = "C.UTF-8"}, "nosuchcommand"), kJapaneseNotFound);
  EXPECT_EQ(RunLine(root_, {.lang = "POSIX"}, "nosuchcommand"), kJapaneseNotFound);
  EXPECT_EQ(RunLine(root_, {}, "nosuchcommand"), kJapaneseNotFound);
  EXPECT_EQ(StoredId(), -1);
  EXPECT_EQ(StoredPath(), u"<none>");
}

TEST_F(LanguageStartTest, AnEnglishUserGetsEnglishMessages) {
  EXPECT_EQ(RunLine(root_, {.lang = "en_US.UTF-8"}, "nosuchcommand"), kEnglishNotFound);
  EXPECT_EQ(StoredId(), 1033);
  EXPECT_EQ(StoredPath(), u"\\Program Files\\Tessera\\Language\\English (messages too).DLL");
}

TEST_F(LanguageStartTest, AJapaneseUserGetsTheJapaneseLibrary) {
  EXPECT_EQ(RunLine(root_, {.lang = "ja_JP.UTF-8"}, "nosuchcommand"), kJapaneseNotFound);
  EXPECT_EQ(StoredId(), 1041);
  EXPECT_EQ(StoredPath(), u"\\Program Files\\Tessera\\Language\\Japanese.DLL");
}

TEST_F(LanguageStartTest, LcAllAndLcMessagesComeBeforeLang) {
  EXPECT_EQ(RunLine(root_, {.lcMessages = "C", .lang = "zh_CN.UTF-8"}, "nosuchcommand"),
            kJapaneseNotFound);
  EXPECT_EQ(StoredId(), -1);
  EXPECT_EQ(
      RunLine(root_, {.lcAll = "en_US.UTF-8", .lcMessages = "zh_CN.UTF-8", .lang = "zh_CN.UTF-8"},
              "nosuchcommand"),
      kEnglishNotFound);
  EXPECT_EQ(StoredId(), 1033);
}

TEST_F(LanguageStartTest, AUserWhoChoseEnglishKeepsTheProgramsOwnTexts) {
  // The language list's "English": the program's own path.
  ASSERT_TRUE(ApplyLanguageChoice(platform::ModulePath()));
  EXPECT_EQ(RunLine(root_, {.lang = "zh_CN.UTF-8"}, "nosuchcommand"), kJapaneseNotFound);
  EXPECT_EQ(StoredId(), 1252);
  EXPECT_EQ(StoredPath(), u"\\Program Files\\Tessera\\Tessera.exe");
}

}  // namespace
}  // namespace tessera
