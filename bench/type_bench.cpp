// Times TYPE of a 50 MB text file through the terminal front end (output to
// /dev/null) against cat of the same file, in the same run; also a 50 MB
// file of LF-only lines, which TYPE shows as one record. The best of three
// runs counts.
//
//   type_bench [SCRATCH_DIR]      (default: a new directory under /tmp)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

using tessera::bench::Best;

constexpr std::size_t kFileSize = 50u << 20;

// Lines of 20 to 99 characters ended by lineEnd, up to the size.
void WriteText(const fs::path& path, const std::string& lineEnd) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::size_t written = 0;
  for (std::size_t n = 0; written < kFileSize; ++n) {
    std::string line = "line " + std::to_string(n) + " ";
    line.append(20 + (n * 37) % 80, static_cast<char>('a' + n % 26));
    line += lineEnd;
    out << line;
    written += line.size();
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string scratch =
      tessera::bench::ScratchDirectory(argc, argv, "tessera-type-bench").string();
  const fs::path root = fs::path(scratch) / "root";
  fs::create_directories(root);
  WriteText(root / "crlf.txt", "\r\n");
  WriteText(root / "lf.txt", "\n");
  auto tessera = [&](const std::string& line) {
    return std::vector<std::string>{TESSERA_EXE, "--tty", "--root", root.string(), "-c", line};
  };
  const double startup = Best(tessera("rem"));
  const double typeCrLf = Best(tessera("type \\crlf.txt"));
  const double catCrLf = Best({"cat", (root / "crlf.txt").string()});
  const double typeLf = Best(tessera("type \\lf.txt"));
  const double catLf = Best({"cat", (root / "lf.txt").string()});
  std::printf("start-up only (REM)          %8.3f s\n", startup);
  std::printf("TYPE 50 MB, CR LF lines      %8.3f s   cat %8.3f s   ratio %7.1f\n", typeCrLf,
              catCrLf, typeCrLf / std::max(catCrLf, 1e-6));
  std::printf("TYPE 50 MB, LF only (1 line) %8.3f s   cat %8.3f s   ratio %7.1f\n", typeLf, catLf,
              typeLf / std::max(catLf, 1e-6));
  // A directory the user named is the user's to remove.
  if (argc <= 1) fs::remove_all(scratch);
  return 0;
}
