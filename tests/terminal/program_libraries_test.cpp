// What Tessera.exe needs to start: the terminal front end runs without Qt
// and what comes with it; the window comes from the library beside the
// program, loaded when a window opens.
#include <elf.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/temp_root.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

// Libraries the terminal front end must not bring in: the window toolkit,
// the display, OpenGL, Unicode tables.
bool IsWindowLibrary(const std::string& name) {
  for (const char* part : {"Qt", "libX", "libxcb", "EGL", "libGL", "libOpenGL", "libicu"}) {
    if (name.find(part) != std::string::npos) return true;
  }
  return false;
}

// The libraries an ELF file names as needed (its own, not theirs).
std::vector<std::string> NeededLibraries(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> needed;
  if (file.size() < sizeof(Elf64_Ehdr) || file.compare(0, SELFMAG, ELFMAG) != 0 ||
      file[EI_CLASS] != ELFCLASS64) {
    ADD_FAILURE() << path << " is not a 64-bit ELF file";
    return needed;
  }
  const auto* header = reinterpret_cast<const Elf64_Ehdr*>(file.data());
  const auto* sections = reinterpret_cast<const Elf64_Shdr*>(file.data() + header->e_shoff);
  for (int i = 0; i < header->e_shnum; ++i) {
    if (sections[i].sh_type != SHT_DYNAMIC) continue;
    const char* strings = file.data() + sections[sections[i].sh_link].sh_offset;
    const auto* entry = reinterpret_cast<const Elf64_Dyn*>(file.data() + sections[i].sh_offset);
    for (; entry->d_tag != DT_NULL; ++entry) {
      if (entry->d_tag == DT_NEEDED) needed.emplace_back(strings + entry->d_un.d_val);
    }
  }
  return needed;
}

struct Outcome {
  int exitCode = -1;
  std::string output;
};

Outcome RunCaptured(const std::string& command) {
  Outcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return outcome;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) outcome.output += buffer;
  const int status = pclose(pipe);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

TEST(ProgramLibraries, TheTerminalFrontEndNeedsNoWindowLibraries) {
  const std::vector<std::string> needed = NeededLibraries(TESSERA_EXE);
  EXPECT_FALSE(needed.empty());
  for (const std::string& library : needed) EXPECT_FALSE(IsWindowLibrary(library)) << library;
  // The window library itself does need them.
  bool qt = false;
  for (const std::string& library : NeededLibraries(TESSERA_WINDOW_LIBRARY))
    qt = qt || library.find("Qt6Widgets") != std::string::npos;
  EXPECT_TRUE(qt);

  // What those libraries bring along in turn, as the loader resolves it.
  const Outcome ldd = RunCaptured(std::string("ldd '") + TESSERA_EXE + "' 2>&1");
  if (ldd.exitCode != 0) GTEST_SKIP() << "no ldd here: " << ldd.output;
  std::size_t lines = 0;
  for (std::size_t start = 0; start < ldd.output.size(); ++lines) {
    const std::size_t end = std::min(ldd.output.find('\n', start), ldd.output.size());
    const std::string line = ldd.output.substr(start, end - start);
    EXPECT_FALSE(IsWindowLibrary(line)) << line;
    start = end + 1;
  }
  EXPECT_LT(lines, 12u) << ldd.output;
}

TEST(ProgramLibraries, TheWindowOpensFromTheLibraryBesideTheProgram) {
  testing::TempRoot root;
  const std::string shot = root.host() + "/shot.png";
  const Outcome run = RunCaptured("env LC_ALL=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=offscreen '" +
                                  std::string(TESSERA_EXE) + "' --root '" + root.host() +
                                  "' --run 'echo opened' --screenshot '" + shot + "' 2>&1");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_TRUE(fs::exists(shot) && fs::file_size(shot) > 0) << run.output;
}

TEST(ProgramLibraries, WithoutItsLibraryTheProgramSaysSoAndTheTerminalStillWorks) {
  testing::TempRoot root;
  // The program alone in a folder of its own.
  const fs::path alone = fs::path(root.programHost()) / "alone";
  fs::create_directories(alone);
  fs::copy_file(TESSERA_EXE, alone / "Tessera.exe");
  const std::string program = (alone / "Tessera.exe").string();
  const Outcome window = RunCaptured("env QT_QPA_PLATFORM=offscreen '" + program + "' --root '" +
                                     root.host() + "' 2>&1 </dev/null");
  EXPECT_EQ(window.exitCode, 1);
  EXPECT_NE(window.output.find("cannot open the window (libtessera-window.so)"), std::string::npos)
      << window.output;
  const Outcome terminal =
      RunCaptured("'" + program + "' --tty --root '" + root.host() + "' -c 'echo here' 2>&1");
  EXPECT_EQ(terminal.exitCode, 0);
  EXPECT_EQ(terminal.output, "here\n");
}

}  // namespace
}  // namespace tessera
