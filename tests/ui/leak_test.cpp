// Long runs in the window: a thousand programs leave no descriptor, child
// or temporary file behind, and ten thousand typed lines of mixed commands
// leave the memory flat.
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "launch/process_table.h"
#include "test_suites.h"
#include "window_fixture.h"

using tessera::testing::WindowFixture;

namespace {

namespace fs = std::filesystem;

// AddressSanitizer holds freed memory back for a while, so resident memory
// says nothing about leaks in its builds (which find leaks their own way).
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

std::size_t EntriesIn(const std::string& dir) {
  std::size_t count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    (void)entry;
    ++count;
  }
  return count;
}

// What each open descriptor of this process leads to, sorted. Event
// descriptors are left out: Qt opens them for threads it starts when it
// first needs them, at a moment of its own; the shell opens none. So is
// the one the listing itself holds.
QStringList Descriptors() {
  QStringList out;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code ignored;
    const std::string target = fs::read_symlink(entry.path(), ignored).string();
    if (target.rfind("anon_inode:", 0) == 0 || target.rfind("/proc/", 0) == 0) continue;
    out << QString::fromStdString(entry.path().filename().string() + " -> " + target);
  }
  out.sort();
  return out;
}

// Resident memory of this process in KiB.
long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The shell points descriptors 0 to 2 at its own files while a program
// runs; the test's reports go to the test's own streams.
class SavedStreams {
 public:
  SavedStreams() {
    for (int fd = 0; fd < 3; ++fd) saved_[fd] = dup(fd);
  }
  ~SavedStreams() {
    Restore();
    for (int fd : saved_) close(fd);
  }
  void Restore() {
    for (int fd = 0; fd < 3; ++fd) dup2(saved_[fd], fd);
  }

 private:
  int saved_[3] = {-1, -1, -1};
};

class WindowLeakTest : public QObject {
  Q_OBJECT

 private slots:
  void AThousandProgramRunsLeaveNothingBehind() {
    SavedStreams streams;
    WindowFixture f;
    fs::create_symlink(TPROG_EXE, f.root().Host("\\Windows\\tprog.exe"));
    // The first runs open the shell's resting files, which stay open.
    f.TypeLine(QStringLiteral("tprog out x"));
    f.TypeLine(QStringLiteral("tprog exit 1"));
    streams.Restore();
    const QStringList descriptors = Descriptors();
    const std::size_t tempFiles = EntriesIn(f.root().Host("\\Temp"));
    for (int i = 0; i < 1000; ++i) {
      f.TypeLine(i % 2 ? QStringLiteral("tprog out x") : QStringLiteral("tprog exit 1"));
    }
    streams.Restore();
    QVERIFY(f.Text().endsWith(QStringLiteral("\\>")));
    QCOMPARE(Descriptors().join(QStringLiteral("\n")), descriptors.join(QStringLiteral("\n")));
    QCOMPARE(EntriesIn(f.root().Host("\\Temp")), tempFiles);
    QCOMPARE(waitpid(-1, nullptr, WNOHANG), -1);  // no child left, finished or not
    QCOMPARE(tessera::Processes().size(), std::size_t{0});
  }

  void TenThousandTypedLinesKeepTheMemoryFlat() {
    if (kAddressSanitizer) QSKIP("resident memory means nothing under AddressSanitizer");
    WindowFixture f;
    f.root().WriteHostFile(
        f.root().Host("\\My Documents\\t.bat"),
        "@echo off\r\nset B=%1\r\nif \"%B%\"==\"\" goto end\r\necho %B%\r\n:end\r\n");
    f.root().WriteHostFile(f.root().Host("\\My Documents\\text.txt"), "line one\r\nline two\r\n");
    const QString lines[] = {
        QStringLiteral("echo line %1 of the run"),
        QStringLiteral("set VALUE%1=something %1"),
        QStringLiteral("dir /b \\My Documents"),
        QStringLiteral("cd \\My Documents"),
        QStringLiteral("type text.txt"),
        QStringLiteral("call t.bat arg%1"),
        QStringLiteral("addreg HKCU, Software\\Leak, V, 0x00010001, %1"),
        QStringLiteral("dirreg HKCU, Software\\Leak"),
        QStringLiteral("mkdir d%1"),
        QStringLiteral("rmdir d%1"),
        QStringLiteral("copy text.txt c.txt"),
        QStringLiteral("del c.txt"),
        QStringLiteral("pushd \\Temp"),
        QStringLiteral("popd"),
        QStringLiteral("nosuchcommand %1"),
        QStringLiteral("set VALUE%1="),
        QStringLiteral("echo %VALUE%1% %PATH%"),
        QStringLiteral("cd \\"),
    };
    constexpr int kLines = 10000;
    long marks[4] = {};  // after 0, 1000, 9000 and 10000 lines
    marks[0] = ResidentKiB();
    for (int i = 0; i < kLines; ++i) {
      const QString& line = lines[i % std::size(lines)];
      f.TypeLine(line.contains(QStringLiteral("%1")) ? line.arg(i % 50) : line);
      if (i + 1 == 1000) marks[1] = ResidentKiB();
      if (i + 1 == kLines - 1000) marks[2] = ResidentKiB();
    }
    marks[3] = ResidentKiB();
    const long first = marks[1] - marks[0];
    const long last = marks[3] - marks[2];
    qInfo(
        "resident memory: %ld KiB at the start, +%ld KiB over the first 1000 lines, "
        "+%ld KiB over the last 1000",
        marks[0], first, last);
    // The first thousand lines warm the caches up; after that, a leak of
    // 1 KiB a line would add 1 MiB per thousand lines. The bound leaves
    // the allocator room for its own moods.
    QVERIFY2(last <= 768, "the last thousand lines grew the memory by more than 768 KiB");
    QVERIFY(f.Text().endsWith(QStringLiteral(">")));
  }
};

}  // namespace

int RunWindowLeakTests(int argc, char** argv) {
  WindowLeakTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "leak_test.moc"
