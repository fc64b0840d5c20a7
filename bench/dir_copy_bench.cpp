// Times DIR (through the terminal front end, output to /dev/null) on a
// directory of 10 000 files and a tree of 50 000 entries against ls, and
// COPY of a 200 MB file, a three-file join and 10 000 files into an empty
// folder against cp and cat, all on
// the same files in the same run. Each command runs three times; the best
// time counts.
//
//   dir_copy_bench [SCRATCH_DIR]      (default: a new directory under /tmp)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_support.h"

namespace fs = std::filesystem;

namespace {

using tessera::bench::Best;

void WriteBytes(const fs::path& path, std::size_t size, char fill) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string block(1 << 20, fill);
  while (size > 0) {
    const std::size_t n = size < block.size() ? size : block.size();
    out.write(block.data(), static_cast<std::streamsize>(n));
    size -= n;
  }
}

struct Row {
  std::string what;
  double tessera;
  std::string against;
  double host;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string scratch =
      tessera::bench::ScratchDirectory(argc, argv, "tessera-bench").string();
  const fs::path root = fs::path(scratch) / "root";
  fs::create_directories(root);
  const std::string shell = TESSERA_EXE;

  std::printf("building the files under %s ...\n", root.c_str());
  fs::create_directories(root / "flat");
  for (int i = 0; i < 10000; ++i) {
    WriteBytes(root / "flat" / ("file" + std::to_string((i * 7919) % 10000) + ".txt"),
               static_cast<std::size_t>((i * 37) % 5000), 'x');
  }
  // 10 x 10 directories of 495 files each: 49 500 files and 110 directories.
  for (int a = 0; a < 10; ++a) {
    for (int b = 0; b < 10; ++b) {
      const fs::path dir =
          root / "tree" / ("top" + std::to_string(a)) / ("sub" + std::to_string(b));
      fs::create_directories(dir);
      for (int i = 0; i < 495; ++i) WriteBytes(dir / ("n" + std::to_string(i) + ".dat"), 16, 'y');
    }
  }
  WriteBytes(root / "big.bin", 200u << 20, 'b');
  fs::create_directories(root / "join");
  for (const char* name : {"a.bin", "b.bin", "c.bin"})
    WriteBytes(root / "join" / name, 30u << 20, name[0]);

  auto tessera = [&](const std::string& line) {
    return std::vector<std::string>{shell,       "--tty", "--root", root.string(),
                                    "--columns", "80",    "-c",     line};
  };
  const std::string flat = (root / "flat").string();
  const std::string tree = (root / "tree").string();

  std::vector<Row> rows;
  const double startup = Best(tessera("rem"));
  rows.push_back({"start-up only (REM)", startup, "-", 0});
  rows.push_back({"DIR \\flat", Best(tessera("dir \\flat")), "ls -l", Best({"ls", "-l", flat})});
  rows.push_back(
      {"DIR /ON \\flat", Best(tessera("dir /on \\flat")), "ls -l", Best({"ls", "-l", flat})});
  rows.push_back(
      {"DIR /O-S \\flat", Best(tessera("dir /o-s \\flat")), "ls -lS", Best({"ls", "-lS", flat})});
  rows.push_back({"DIR /W \\flat", Best(tessera("dir /w \\flat")), "ls", Best({"ls", flat})});
  rows.push_back(
      {"DIR /S \\tree", Best(tessera("dir /s \\tree")), "ls -lR", Best({"ls", "-lR", tree})});

  // Each round starts from an empty folder, so that every file is new there.
  std::ofstream(root / "copyall.bat") << "@RD /S /Q \\copied\r\n@MD \\copied\r\n"
                                         "@COPY \\flat\\*.* \\copied\r\n";
  const std::string copied = (root / "copied-cp").string();
  rows.push_back({"COPY 10 000 files", Best(tessera("\\copyall.bat")), "cp",
                  Best({"sh", "-c",
                        "rm -rf '" + copied + "' && mkdir '" + copied + "' && cp '" + flat +
                            "'/* '" + copied + "'"})});
  if (std::distance(fs::directory_iterator(root / "copied"), fs::directory_iterator()) != 10000) {
    std::fprintf(stderr, "the folder copy is not whole\n");
    return 1;
  }

  const std::string big = (root / "big.bin").string();
  rows.push_back({"COPY 200 MB", Best(tessera("copy \\big.bin \\big-copy.bin")), "cp",
                  Best({"cp", big, (root / "big-cp.bin").string()})});
  const std::string joined = (root / "joined-cat.bin").string();
  rows.push_back({"COPY join of 3 x 30 MB", Best(tessera("copy \\join\\*.bin \\joined.bin")), "cat",
                  Best({"cat", (root / "join" / "a.bin").string(),
                        (root / "join" / "b.bin").string(), (root / "join" / "c.bin").string()},
                       joined)});
  if (fs::file_size(root / "joined.bin") != fs::file_size(joined) ||
      fs::file_size(root / "big-copy.bin") != fs::file_size(big)) {
    std::fprintf(stderr, "the copies differ in size from the host's\n");
    return 1;
  }

  std::printf("\n%-26s %10s   %-8s %10s %8s\n", "Tessera", "seconds", "host", "seconds", "ratio");
  for (const Row& row : rows) {
    if (row.host > 0) {
      std::printf("%-26s %10.3f   %-8s %10.3f %7.1fx\n", row.what.c_str(), row.tessera,
                  row.against.c_str(), row.host, row.tessera / row.host);
    } else {
      std::printf("%-26s %10.3f\n", row.what.c_str(), row.tessera);
    }
  }
  if (argc <= 1) fs::remove_all(scratch);
  return 0;
}
