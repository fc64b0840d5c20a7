// A shell killed in the middle of a long ADDREG batch leaves a registry that
// opens and holds every value whose command had finished.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "platform/registry.h"
#include "support/neutral_locale.h"
#include "support/temp_root.h"

namespace tessera {
namespace {

constexpr int kLines = 2000;
constexpr int kKillAfter = 300;  // commands finished before the kill

std::string ScriptLine(int i) {
  return "ADDREG HKCU, Software\\Kill, V" + std::to_string(i) + ", 0x10001, " +
         std::to_string(i * 7);
}

// Reads the shell's output until the prompt of command `line` has appeared
// with that command echoed after it: every command before it has finished.
bool WaitForCommand(int fd, int line) {
  const std::string wanted = "\\>" + ScriptLine(line) + "\n";
  std::string output;
  char buffer[4096];
  for (;;) {
    pollfd ready{fd, POLLIN, 0};
    if (::poll(&ready, 1, 30000) <= 0) return false;
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got <= 0) return false;
    output.append(buffer, static_cast<std::size_t>(got));
    if (output.find(wanted) != std::string::npos) return true;
    // Only the tail can still hold the start of the wanted line.
    if (output.size() > 2 * wanted.size()) output.erase(0, output.size() - wanted.size());
  }
}

TEST(RegistryKillTest, FinishedCommandsSurviveSigkill) {
  testing::TempRoot root;
  std::string script;
  for (int i = 0; i < kLines; ++i) script += ScriptLine(i) + "\n";
  const std::string scriptPath = root.host() + "/kill-script.txt";
  root.WriteHostFile(scriptPath, script);

  int output[2];
  ASSERT_EQ(::pipe(output), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int input = ::open(scriptPath.c_str(), O_RDONLY);
    const int null = ::open("/dev/null", O_WRONLY);
    if (input < 0 || null < 0) _exit(126);
    ::dup2(input, 0);
    ::dup2(output[1], 1);
    ::dup2(null, 2);
    ::close(output[0]);
    tessera::testing::UseNeutralLocale();
    ::execl(TESSERA_EXE, "Tessera.exe", "--tty", "--root", root.host().c_str(),
            static_cast<char*>(nullptr));
    _exit(127);
  }
  ::close(output[1]);
  const bool reached = WaitForCommand(output[0], kKillAfter);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(output[0]);
  ASSERT_TRUE(reached) << "the shell stopped before command " << kKillAfter;
  ASSERT_TRUE(WIFSIGNALED(status)) << "the shell ended before it was killed";

  platform::Result<platform::Registry> registry = platform::DeviceRegistry();
  ASSERT_TRUE(registry.ok()) << static_cast<int>(registry.error());
  platform::Result<platform::RegistryKey> key =
      platform::OpenKey(registry->Root(platform::RegistryRoot::CurrentUser), u"Software\\Kill");
  ASSERT_TRUE(key.ok());
  int found = 0;
  for (int i = 0; i < kLines; ++i) {
    const std::string digits = std::to_string(i);
    const std::u16string name = u"V" + std::u16string(digits.begin(), digits.end());
    platform::Result<platform::RegistryValue> value = platform::QueryValue(*key, name);
    if (!value) {
      EXPECT_GE(i, kKillAfter) << "finished command " << i << " lost its value";
      continue;
    }
    ++found;
    // Whatever was written is whole.
    EXPECT_EQ(value->type, platform::kRegDword);
    EXPECT_EQ(value->data, platform::DwordValueData(static_cast<std::uint32_t>(i * 7)));
  }
  EXPECT_GE(found, kKillAfter);
  EXPECT_LT(found, kLines) << "the shell was killed after it had finished";
  // The database takes new writes.
  EXPECT_TRUE(
      platform::SetValue(*key, u"After", platform::kRegDword, platform::DwordValueData(1)).ok());
}

}  // namespace
}  // namespace tessera
