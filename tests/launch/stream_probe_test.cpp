// The start-up check of which standard streams reach a started program.
#include "launch/stream_probe.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "launch/resting_files.h"
#include "launch/stream_switches.h"
#include "shell/settings.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

TEST(ProbeFindings, ThresholdsOfTheOutputSize) {
  auto found = [](std::uint64_t size) {
    const ProbeFindings f = FindingsFromOutputSize(size);
    return std::string(f.input ? "I" : "-") + (f.output ? "O" : "-");
  };
  EXPECT_EQ(found(0), "--");
  EXPECT_EQ(found(1), "-O");
  EXPECT_EQ(found(29), "-O");
  EXPECT_EQ(found(30), "I-");
  EXPECT_EQ(found(39), "I-");
  EXPECT_EQ(found(40), "IO");
  EXPECT_EQ(found(4000), "IO");
}

// The probe points the process's own streams at its files; the test's are
// kept aside and put back after each probe.
class StreamProbeTest : public testing::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    for (int fd = 0; fd < 3; ++fd) saved_[fd] = dup(fd);
    ResetRestingFiles();
    CurrentStreamSwitches() = StreamSwitches();
  }
  void TearDown() override {
    RestoreStreams();
    for (int fd = 0; fd < 3; ++fd) close(saved_[fd]);
    ResetRestingFiles();
    ShellTest::TearDown();
  }
  void RestoreStreams() {
    for (int fd = 0; fd < 3; ++fd) dup2(saved_[fd], fd);
  }
  bool Probe(const std::u16string& program, int timeout = 30000) {
    StreamProbeOptions options;
    options.program = program;
    options.timeoutMilliseconds = timeout;
    const bool finished = RunStreamProbe(options);
    RestoreStreams();
    return finished;
  }
  // A program of the device made of a shell script.
  std::u16string Script(const std::string& name, const std::string& body) {
    const std::string host = root_->Host("\\Windows\\" + name);
    root_->WriteHostFile(host, "#!/bin/sh\n" + body + "\n");
    fs::permissions(host, fs::perms::owner_all);
    return u"\\Windows\\" + testing::U(name);
  }
  std::string Settings() {
    std::string out;
    for (auto key : {u"SUPPORT_STDIN", u"SUPPORT_STDOUT", u"SUPPORT_STDERR", u"USE_STDIN",
                     u"USE_STDOUT", u"USE_STDERR"}) {
      out += std::to_string(ReadSettingInt(kSettingsSection, key, 256)) + " ";
    }
    const StreamSwitches& s = CurrentStreamSwitches();
    return out + (s.useStdin ? "I" : "-") + (s.useStdout ? "O" : "-") + (s.useStderr ? "E" : "-");
  }
  // Probe files are made in the root; none may be left there.
  int ProbeFilesLeft() {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(root_->host())) {
      const std::string name = entry.path().filename().string();
      count += name.rfind("TSX", 0) == 0 && name.size() == 11;
    }
    return count;
  }
  int saved_[3] = {-1, -1, -1};
};

TEST_F(StreamProbeTest, TheProgramItselfAnswersForAllThreeStreams) {
  ASSERT_TRUE(Probe(testing::U(TESSERA_EXE)));
  EXPECT_EQ(Settings(), "1 1 1 1 1 1 IOE");
  EXPECT_EQ(ProbeFilesLeft(), 0);
}

TEST_F(StreamProbeTest, PartialAnswers) {
  // The input comes back but nothing is added: input only.
  ASSERT_TRUE(Probe(Script("echo.exe", "cat")));
  EXPECT_EQ(Settings(), "1 0 0 1 0 0 I--");
  // Some output, not the input, and something on standard error.
  ASSERT_TRUE(Probe(Script("talk.exe", "echo hi; echo oops >&2")));
  EXPECT_EQ(Settings(), "0 1 1 0 1 1 -OE");
  EXPECT_EQ(ProbeFilesLeft(), 0);
}

TEST_F(StreamProbeTest, EveryFailureGivesAllOff) {
  // An answer with no output at all.
  ASSERT_TRUE(Probe(Script("mute.exe", "echo only errors >&2")));
  EXPECT_EQ(Settings(), "0 0 0 0 0 0 ---");
  // A program that cannot be started.
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"USE_STDIN", 1).ok());
  ASSERT_TRUE(Probe(u"\\Windows\\none.exe"));
  EXPECT_EQ(Settings(), "0 0 0 0 0 0 ---");
  // One that does not end in time (it is left running, as the wait ends).
  ASSERT_TRUE(Probe(Script("slow.exe", "cat; sleep 5"), 300));
  EXPECT_EQ(Settings(), "0 0 0 0 0 0 ---");
  EXPECT_EQ(ProbeFilesLeft(), 0);
}

TEST_F(StreamProbeTest, AStoredChoiceIsTakenWithoutProbing) {
  for (auto key : {u"SUPPORT_STDIN", u"SUPPORT_STDOUT", u"SUPPORT_STDERR"})
    ASSERT_TRUE(WriteSettingInt(kSettingsSection, key, 1).ok());
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"USE_STDOUT", 0).ok());
  StreamProbeOptions options;
  options.program = u"\\Windows\\none.exe";  // would fail every stream if it ran
  DecideStreamSwitches(options);
  RestoreStreams();
  EXPECT_EQ(Settings(), "1 1 1 256 0 256 I-E");
  // One probe result missing: the whole probe runs again.
  ASSERT_TRUE(WriteSettingInt(kSettingsSection, u"SUPPORT_STDERR", 256).ok());
  options.program = testing::U(TESSERA_EXE);
  DecideStreamSwitches(options);
  RestoreStreams();
  EXPECT_EQ(Settings(), "1 1 1 1 1 1 IOE");
}

}  // namespace
}  // namespace tessera
