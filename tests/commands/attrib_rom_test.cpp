// The ROM bit: ATTRIB refuses to change entries on a read-only mount. The
// mount is made in a private mount namespace of a child process, so the
// test needs either root or unprivileged user namespaces; without both it
// is skipped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/files.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

constexpr int kSkip = 77;

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path);
  out << text;
  return static_cast<bool>(out);
}

// A private mount namespace in which this process may mount.
bool EnterMountNamespace() {
  if (unshare(CLONE_NEWNS) != 0) {
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    WriteText("/proc/self/setgroups", "deny");
    if (!WriteText("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !WriteText("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
      return false;
    }
  }
  return mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

class AttribRomTest : public testing::ShellTest {};

TEST_F(AttribRomTest, RomEntriesAreReportedAndLeftAlone) {
  const std::string rom = root_->Host("/rom");
  ASSERT_EQ(mkdir(rom.c_str(), 0755), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (!EnterMountNamespace() || mount("tmpfs", rom.c_str(), "tmpfs", 0, "size=64k") != 0)
      _exit(kSkip);
    if (!WriteText(rom + "/f.txt", "x") ||
        mount(rom.c_str(), rom.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
      _exit(kSkip);
    }
    root_->WriteHostFile(root_->Host("/g.txt"), "y");
    const std::string shown = Run("attrib \\rom\\f.txt");
    const std::string changed = Run("attrib +h \\rom\\*.txt");
    const std::string normal = Run("attrib +h \\g.txt");
    const auto attributes = platform::GetFileAttributes(u"\\rom\\f.txt");
    const bool ok = shown == "*-A--- f.txt\r\n" &&
                    changed == "ROMファイルの属性は変更できません： \\rom\\f.txt\r\n" &&
                    normal.empty() && attributes.ok() && !(*attributes & platform::kAttrHidden) &&
                    Value("ERRORLEVEL") == "0";
    if (!ok) {
      std::fprintf(stderr, "shown: %s\nchanged: %s\nnormal: %s\n", shown.c_str(), changed.c_str(),
                   normal.c_str());
    }
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kSkip) GTEST_SKIP() << "no read-only mount can be made here";
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace tessera
