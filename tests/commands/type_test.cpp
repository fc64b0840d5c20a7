// TYPE through the interpreter: the stop poll after each line and the
// question it asks; the file read a block at a time gives what reading it
// whole gave; a file larger than the memory there is.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>

#include "shell/output.h"
#include "shell/text_lines.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::U;
using testing::Utf8;

class TypeTest : public testing::ShellTest {};

// What TYPE showed when it read the whole file first: the lines of
// ReadTextLines, cut at the first NUL, printed one by one.
void ShowAsReadWhole(const std::u16string& path, std::uint32_t flags, char range,
                     std::size_t count) {
  TextLines file;
  if (ReadTextLines(path, flags, file) != kOk) return;
  std::vector<std::u16string>& lines = file.lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t nul = lines[i].find(u'\0');
    if (nul == std::u16string::npos) continue;
    lines[i].resize(nul);
    lines.resize(i + 1);
  }
  std::size_t first = 0;
  std::size_t last = lines.size();
  if (range == 'H') last = std::min(last, count);
  if (range == 'T') first = count >= lines.size() - 1 ? 0 : lines.size() - 1 - count;
  for (std::size_t i = first; i < last; ++i) PrintText(lines[i]);
}

// Every piece the console is given, in order, and the text it keeps.
struct Shown {
  std::vector<std::u16string> pieces;
  std::u16string kept;
  bool operator==(const Shown&) const = default;
};

template <typename Show>
Shown Capture(Show show) {
  MemoryConsole console;
  Shown shown;
  console.SetAppendObserver([&](std::u16string_view piece) { shown.pieces.emplace_back(piece); });
  SetConsoleSurface(&console);
  show();
  SetConsoleSurface(nullptr);
  shown.kept = console.text();
  return shown;
}

// Files of every shape the reader meets: both encodings with and without a
// mark, line ends falling on block boundaries, lone CRs and LFs, long lines,
// characters cut by a block, zero bytes; shown whole, by head and by tail.
TEST_F(TypeTest, ReadingABlockAtATimeShowsWhatReadingTheWholeFileShowed) {
  std::mt19937 random(4711);
  const std::string pieces[] = {"line", "\r\n", "\r", "\n",       "\x82\xa0\x93\xfa",
                                "\x93", " ",    "\t", "\xff\xfe", std::string(9000, 'x')};
  for (int round = 0; round < 48; ++round) {
    std::string bytes;
    if (round % 4 == 1) bytes = "\xff\xfe";
    const std::size_t size = random() % 3 == 0 ? random() % 64 : 60000 + random() % 140000;
    while (bytes.size() < size) {
      bytes += pieces[random() % std::size(pieces)];
      if (random() % 40000 == 0) bytes += '\0';
    }
    // A line end across the first block boundary now and then.
    if (round % 5 == 2 && bytes.size() > 65537) bytes.replace(65535, 2, "\r\n");
    if (round % 7 == 3) bytes += std::string(1, '\x81');
    root_->WriteHostFile(root_->Host("\\t.txt"), bytes);
    struct Option {
      const char* text;
      std::uint32_t flags;
      char range;
      std::size_t count;
    };
    const Option options[] = {
        {"", 0, 0, 0},       {"/S ", kTextAnsi, 0, 0}, {"/U ", kTextUtf16, 0, 0},
        {"/H7 ", 0, 'H', 7}, {"/T ", 0, 'T', 10},      {"/T3 ", 0, 'T', 3},
        {"/H0 ", 0, 'H', 0}, {"/T0 ", 0, 'T', 0}};
    const Option& option = options[random() % std::size(options)];
    const Shown expected =
        Capture([&] { ShowAsReadWhole(u"\\t.txt", option.flags, option.range, option.count); });
    const Shown streamed = Capture([&] {
      ExecuteLine(U("type " + std::string(option.text) + "\\t.txt"), context_, nullptr, 0);
    });
    ASSERT_EQ(streamed.kept, expected.kept) << "round " << round << " option " << option.text;
    ASSERT_EQ(streamed.pieces, expected.pieces) << "round " << round << " option " << option.text;
  }
}

// A pipe cannot be read twice: it is read whole, as any file once was.
TEST_F(TypeTest, APipeIsShownAsAFileIs) {
  const std::string pipe = root_->Host("\\pipe");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const pid_t writer = fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    std::ofstream(pipe, std::ios::binary) << "one\r\n\x93\xfa\r\ntwo";
    _exit(0);
  }
  EXPECT_EQ(Run("type \\pipe"), "one\r\n\xe6\x97\xa5\r\ntwo\r\n");
  waitpid(writer, nullptr, 0);
}

// The memory the test process may take is limited to a few dozen MiB more
// than it has; TYPE of a larger file still reaches its last lines.
TEST_F(TypeTest, AFileLargerThanTheMemoryThereIsIsShownToItsEnd) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#endif
  constexpr std::size_t kHeadroom = 40u << 20;
  constexpr std::size_t kFileSize = 64u << 20;
  {
    std::ofstream out(root_->Host("\\big.txt"), std::ios::binary);
    const std::string line = "\x93\xfa\x96\x7b\x8c\xea line of a long Shift_JIS file\r\n";
    for (std::size_t written = 0; written < kFileSize; written += line.size()) out << line;
    out << "next to last\r\nthe last line";
  }
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + kHeadroom;
    const rlimit cap{limit, limit};
    if (setrlimit(RLIMIT_AS, &cap) != 0) _exit(3);
    // Reading the whole file cannot succeed under the limit.
    if (void* whole = malloc(kFileSize)) {
      free(whole);
      _exit(4);
    }
    const std::string shown = Run("type \\big.txt");
    const std::string end = "\r\nnext to last\r\nthe last line\r\n";
    const bool reachedTheEnd = shown.size() >= end.size() &&
                               shown.compare(shown.size() - end.size(), end.size(), end) == 0;
    _exit(reachedTheEnd ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the child ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the end was not shown, 3: no limit, 4: no limit felt";
}

TEST_F(TypeTest, AStopAnsweredYesEndsTheListingAfterTheCurrentLine) {
  root_->WriteHostFile(root_->Host("/t.txt"), "1\r\n2\r\n3\r\n4");
  host_.stopAfterPumps = 2;
  host_.answers = {MessageBoxAnswer::Yes};
  const std::string shown = Run("type t.txt");
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(testing::Utf8(host_.questions[0]), "処理を中止しますか？");
  EXPECT_EQ(shown.find("4"), std::string::npos) << shown;
  EXPECT_EQ(shown.rfind("1\r\n", 0), 0u) << shown;
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(TypeTest, AStopAnsweredNoGoesOn) {
  root_->WriteHostFile(root_->Host("/t.txt"), "1\r\n2\r\n3");
  host_.stopAfterPumps = 1;
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Run("type t.txt"), "1\r\n2\r\n3\r\n");
}

}  // namespace
}  // namespace tessera
