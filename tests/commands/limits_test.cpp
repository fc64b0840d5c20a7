// Every fixed limit of the shell tried at one past it and far past it, as a
// user would type it: a clear message or a safe cut, never a crash, a hang
// or a write outside the device root.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "platform/device.h"
#include "platform/registry.h"
#include "shell/batch.h"
#include "shell/output.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

// A device path of exactly `units` UTF-16 units, of components short
// enough for any host file system: \ppp...\ppp...\...
std::string LongPath(std::size_t units, char letter = 'p') {
  std::string path;
  while (path.size() < units) {
    path += '\\';
    const std::size_t room = std::min<std::size_t>(units - path.size(), 60);
    path += std::string(room == 0 ? 1 : room, letter);
  }
  path.resize(units);
  if (path.back() == '\\') path.back() = letter;
  return path;
}

class LimitsTest : public testing::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    host_.answers.assign(1000, MessageBoxAnswer::Yes);
    root_->WriteHostFile(root_->Host("\\a.txt"), "alpha\r\n");
    outside_ = Listing(fs::path(root_->host()).parent_path().string(), root_->host());
  }

  void TearDown() override {
    // Nothing beside the root changed, whatever the test typed.
    EXPECT_EQ(Listing(fs::path(root_->host()).parent_path().string(), root_->host()), outside_);
    ShellTest::TearDown();
  }

  // Every entry below `dir` with its size, leaving out the tree at `skip`.
  static std::set<std::string> Listing(const std::string& dir, const std::string& skip = "") {
    std::set<std::string> entries;
    std::error_code ignored;
    for (auto it = fs::recursive_directory_iterator(dir, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
      if (!skip.empty() && it->path() == skip) {
        it.disable_recursion_pending();
        continue;
      }
      struct stat st {};
      lstat(it->path().c_str(), &st);
      entries.insert(it->path().string() + " " + std::to_string(st.st_size));
    }
    return entries;
  }

  // Runs a line that must be refused with a message: the device stays as
  // it was and ERRORLEVEL tells the failure where the command sets it.
  std::string Refused(const std::string& line) {
    const auto before = Listing(root_->host());
    const std::string out = Run(line);
    EXPECT_FALSE(out.empty()) << line;
    EXPECT_EQ(Listing(root_->host()), before) << line;
    return out;
  }

  // Runs one line in the shell program on this root, as `Tessera.exe -c`,
  // and gives what it printed.
  std::string RunInProgram(const std::string& line) {
    const std::string command = "LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC '" TESSERA_EXE
                                "' --tty --no --root '" +
                                root_->host() + "' -c '" + line + "' 2>&1";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
      char buffer[65536];
      std::size_t n = 0;
      while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
      pclose(pipe);
    }
    return out;
  }

  std::set<std::string> outside_;
};

TEST_F(LimitsTest, PathsOfOneAndManyUnitsPastTheLimitAreRefusedByEveryCommand) {
  const std::string atLimit = LongPath(platform::kMaxDevicePath);
  ASSERT_EQ(atLimit.size(), 259u);
  // At the limit it works.
  fs::create_directories(root_->Host(atLimit.substr(0, atLimit.rfind('\\'))));
  Run("MKDIR " + atLimit);
  EXPECT_TRUE(fs::is_directory(root_->Host(atLimit)));
  const std::string parent = atLimit.substr(0, atLimit.rfind('\\'));
  const std::string file = parent + "\\" + std::string(259 - parent.size() - 1, 'f');
  ASSERT_EQ(file.size(), 259u);
  Run("ECHO at the limit > \"" + file + "\"");
  EXPECT_TRUE(fs::exists(root_->Host(file)));

  for (const std::size_t units : {std::size_t{260}, std::size_t{5000}}) {
    const std::string path = LongPath(units, 'q');
    SCOPED_TRACE(units);
    for (const std::string& line :
         {"MKDIR " + path, "CD " + path, "PUSHD " + path, "COPY \\a.txt " + path,
          "COPY " + path + " \\b.txt", "MOVE \\a.txt " + path, "REN \\a.txt " + path,
          "TYPE " + path, "DUMP " + path, "COMP \\a.txt " + path, "DEL " + path,
          "ATTRIB +R " + path, "RMDIR /S /Q " + path, "DIR " + path, "CALL " + path}) {
      Refused(line);
      EXPECT_EQ(Value("CUR DIR"), "") << line;
    }
    // IF EXIST takes no such name; a redirection to one is not taken.
    EXPECT_NE(Run("IF EXIST " + path + " ECHO yes"), "yes\r\n");
    Run("ECHO lost > " + path);
    EXPECT_FALSE(fs::exists(root_->Host(path.substr(0, 61))));
  }
}

TEST_F(LimitsTest, TreesDeeperThanThePathLimitAreWalkedWithoutOverrun) {
  // A tree made on the host whose deepest names pass 260 and 600 units.
  const std::string deep = "\\deep" + LongPath(600, 'd');
  fs::create_directories(root_->Host(deep));
  for (std::size_t cut = 100; cut <= deep.size(); cut += 61) {
    const std::size_t slash = deep.rfind('\\', cut);
    root_->WriteHostFile(root_->Host(deep.substr(0, slash) + "\\f.txt"), "x");
  }
  root_->WriteHostFile(root_->Host(deep + "\\last.txt"), "y");

  const std::string listing = Run("DIR /S /B \\deep");
  EXPECT_NE(listing.find("f.txt"), std::string::npos);
  for (const char* line :
       {"ATTRIB +R \\deep\\*.*", "COPY \\deep \\copy", "DIR /S \\", "MOVE \\deep \\moved"}) {
    Run(line);  // whatever each reaches, nothing past the limit is named wrongly
  }
  Run("RMDIR /S /Q \\deep");
  Run("RMDIR /S /Q \\moved");
  // What lies past the limit cannot be named, so it cannot be removed:
  // it stays, and the shell said so.
  EXPECT_NE(ConsoleText().find("削除に失敗しました"), std::string::npos);
}

TEST_F(LimitsTest, RegistryValuesPastTheReadBufferAndNamesPastTheLimit) {
  // Data of 256 bytes fills the first read; 257 and 4 KiB need a second.
  // (A value's line longer than the console is cut at the front like any
  // other output.)
  for (const std::size_t bytes : {std::size_t{256}, std::size_t{257}, std::size_t{4096}}) {
    std::string data;
    for (std::size_t i = 0; i < bytes; ++i) data += (i == 0 ? "" : ",") + std::string("5a");
    Run("ADDREG HKCU, Big, V" + std::to_string(bytes) + ", 1, " + data);
    ASSERT_EQ(Value("ERRORLEVEL"), "0") << bytes;
    Run("CLS");  // the line is long: room for it in the console
    const std::string shown = Run("DIRREG HKCU, Big, V" + std::to_string(bytes));
    std::string expected = "HKCU, Big, V" + std::to_string(bytes) + ", 0x00000001, ";
    for (std::size_t i = 0; i < bytes; ++i) expected += (i == 0 ? "" : ", ") + std::string("5a");
    EXPECT_TRUE(shown == expected + "\r\n") << bytes << ": " << shown.substr(0, 100);
  }
  const std::string longText(20000, 'w');
  Run("ADDREG HKCU, Big, Text, 0, " + longText);
  Run("CLS");
  EXPECT_TRUE(Run("DIRREG HKCU, Big, Text") == "HKCU, Big, Text, 0x00000000, " + longText + "\r\n");

  // Key and value names of 260 units and more are refused by their message.
  for (const std::size_t units : {std::size_t{260}, std::size_t{5000}}) {
    const std::string name(units, 'k');
    EXPECT_EQ(Run("ADDREG HKCU, " + name + ", v, 0, x"), "キーの指定に誤りがあります。\r\n");
    EXPECT_EQ(Run("ADDREG HKCU, k, " + name + ", 0, x"),
              "「値の名前」の指定に誤りがあります。\r\n");
    EXPECT_EQ(Run("DELREG /Q HKCU, k, " + name), "「値の名前」の指定に誤りがあります。\r\n");
    EXPECT_EQ(Run("DIRREG HKCU, " + name), "キーの指定に誤りがあります。\r\n");
    EXPECT_EQ(Value("ERRORLEVEL"), "1");
  }
}

TEST_F(LimitsTest, TheConsoleIsTrimmedPastItsLimit) {
  const std::size_t bound = kConsoleTextLimit + 8192 + kPrintLineBuffer;
  // One character over: a single line of 30 001 characters.
  root_->WriteHostFile(root_->Host("\\one.txt"), std::string(kConsoleTextLimit + 1, 'o'));
  Run("TYPE \\one.txt");
  EXPECT_LE(console_.TextLength(), bound);
  // Far over: two million characters in lines, and one line as long.
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "line " + std::to_string(i) + "\r\n";
  root_->WriteHostFile(root_->Host("\\many.txt"), many);
  Run("TYPE \\many.txt");
  EXPECT_LE(console_.TextLength(), bound);
  EXPECT_NE(ConsoleText().find("line 99999\r\n"), std::string::npos);  // the end is kept
  root_->WriteHostFile(root_->Host("\\wide.txt"), std::string(2000000, 'w') + "END");
  Run("TYPE \\wide.txt");
  EXPECT_LE(console_.TextLength(), bound);
  EXPECT_NE(ConsoleText().find("wEND"), std::string::npos);
  Run("ECHO " + std::string(100000, 'e'));
  EXPECT_LE(console_.TextLength(), bound);
}

TEST_F(LimitsTest, BatchFilesNestedPastTheDepthLimitEndWithAMessage) {
  // n.bat calls itself with a count; the call past the limit is refused.
  root_->WriteHostFile(root_->Host("\\n.bat"),
                       "@echo off\r\nif \"%1\"==\"stop\" goto end\r\ncall \\n.bat %1\r\n:end\r\n");
  Run("CALL \\n.bat go");
  const std::string text = ConsoleText();
  EXPECT_NE(text.find("\\n.bat"), std::string::npos) << text.substr(0, 300);
  // Exactly at the limit it works: a chain of kMaxBatchDepth files.
  for (int i = 1; i <= kMaxBatchDepth; ++i) {
    const std::string next =
        i < kMaxBatchDepth ? "call \\c\\" + std::to_string(i + 1) + ".bat\r\n" : "echo bottom\r\n";
    root_->WriteHostFile(root_->Host("\\c\\" + std::to_string(i) + ".bat"), "@" + next);
  }
  EXPECT_NE(Run("CALL \\c\\1.bat").find("bottom\r\n"), std::string::npos);
  // One over: the same chain started one level down.
  root_->WriteHostFile(root_->Host("\\c\\0.bat"), "@call \\c\\1.bat\r\n");
  const std::string over = Run("CALL \\c\\0.bat");
  EXPECT_EQ(over.find("bottom"), std::string::npos);
  EXPECT_NE(over.find("\\c\\400.bat"), std::string::npos) << over.substr(0, 300);
}

TEST_F(LimitsTest, DiffReadsLinesPastItsBufferInPieces) {
  // A line of 10 240 characters is one past what one read takes (10 239),
  // 100 000 is far past it; the second file differs in the last character.
  for (const std::size_t length : {std::size_t{10240}, std::size_t{100000}}) {
    SCOPED_TRACE(length);
    const std::string line(length - 1, 'a');
    root_->WriteHostFile(root_->Host("\\d1.txt"), line + "a\r\nend\r\n");
    root_->WriteHostFile(root_->Host("\\d2.txt"), line + "b\r\nend\r\n");
    const std::string out = RunInProgram("diff.exe \\d1.txt \\d2.txt");
    // Only the last read of the long line differs, with the read before it
    // as context.
    const std::string last(length % 10239 - 1, 'a');
    EXPECT_NE(out.find("\n!<" + last + "a\n"), std::string::npos) << out.substr(0, 200);
    EXPECT_NE(out.find("\n!>" + last + "b\n"), std::string::npos) << out.substr(0, 200);
    EXPECT_EQ(RunInProgram("diff.exe \\d1.txt \\d1.txt"), "");
  }
}

}  // namespace
}  // namespace tessera
