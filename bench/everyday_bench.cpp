// Everyday work, each workload against its peer in the same run: TYPE of a
// Shift_JIS file against iconv, echoed and silent batch files against dash,
// start-up against bash, sort.exe against GNU sort, DIR against ls -l, and
// sort's output shown in the console against the same output sent to a file.
// The two programs of a row run alternately; the medians count.
//
//   everyday_bench [--rounds N] [--build DIR] [--scratch DIR] [ROW ...]
//
// ROW is one of type, echo, vars, startup, sort, dir, capture (default: all).
// --build names the build tree whose Tessera.exe and bin/ are measured
// (default: the one this program was built in), so that two builds can be
// compared with the same benchmark.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "bench_support.h"

namespace fs = std::filesystem;
using tessera::bench::Measured;
using tessera::bench::MeasureRun;
using tessera::bench::Median;

namespace {

using Command = std::vector<std::string>;

struct Settings {
  int rounds = 5;
  fs::path build = fs::path(TESSERA_EXE).parent_path();
  std::string scratch;
  std::set<std::string> rows;
};

// The same environment for every program: no display, C locale, UTC.
std::vector<std::string> BenchEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "QT_QPA_PLATFORM" ||
        name == "LANG" || name == "LC_ALL" || name == "TZ" || name.rfind("TESSERA_", 0) == 0) {
      continue;
    }
    env.push_back(entry);
  }
  env.push_back("LC_ALL=C");
  env.push_back("TZ=UTC");
  return env;
}

struct Pair {
  double ours = 0;
  double peer = 0;
  long oursPeakKiB = 0;
};

// Runs the two commands alternately; gives the medians and our largest peak.
Pair Alternate(const Settings& settings, const Command& ours, const Command& peer,
               const std::string& oursOut = "/dev/null", const std::string& peerOut = "/dev/null") {
  static const std::vector<std::string> env = BenchEnvironment();
  std::vector<double> a;
  std::vector<double> b;
  Pair pair;
  for (int round = 0; round < settings.rounds; ++round) {
    const Measured mine = MeasureRun(ours, oursOut, &env);
    const Measured theirs = MeasureRun(peer, peerOut, &env);
    if (round == 0 && (mine.exitCode != 0 || theirs.exitCode != 0)) {
      std::fprintf(stderr, "  (exit codes %d and %d: %s / %s)\n", mine.exitCode, theirs.exitCode,
                   ours.back().c_str(), peer.back().c_str());
    }
    a.push_back(mine.seconds);
    b.push_back(theirs.seconds);
    pair.oursPeakKiB = std::max(pair.oursPeakKiB, mine.peakKiB);
  }
  pair.ours = Median(a);
  pair.peer = Median(b);
  return pair;
}

void Report(const char* what, const Pair& pair, const char* peerName) {
  std::printf("%-40s Tessera %8.3f s   %-12s %8.3f s   ratio %5.2f\n", what, pair.ours, peerName,
              pair.peer, pair.ours / std::max(pair.peer, 1e-6));
  std::fflush(stdout);
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Lines of Japanese text in UTF-8, each from characters every code page
// holds: at least `count` lines and `bytes` bytes. Written as they are made,
// so that this program stays small: a program it starts reports a peak
// memory no lower than this program's own.
void WriteJapaneseLines(const fs::path& path, std::size_t count, std::size_t bytes,
                        const char* lineEnd) {
  static const std::vector<std::string> pieces = {
      "日本語", "の",       "テキスト", "、",   "漢字", "と",    "かな",
      "を",     "変換",     "します",   "。",   "東京", "大阪",  "文字",
      "コード", "ファイル", "ASCII ",   "123 ", "試験", "データ"};
  std::mt19937 random(12345);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string text;
  std::size_t written = 0;
  for (std::size_t n = 0; n < count || written + text.size() < bytes; ++n) {
    const int length = 2 + static_cast<int>(random() % 14);
    for (int i = 0; i < length; ++i) text += pieces[random() % pieces.size()];
    text += lineEnd;
    if (text.size() >= (1u << 20)) {
      out << text;
      written += text.size();
      text.clear();
    }
  }
  out << text;
}

void ToShiftJis(const fs::path& utf8, const fs::path& sjis) {
  const std::string command =
      "iconv -f UTF-8 -t CP932 '" + utf8.string() + "' > '" + sjis.string() + "'";
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "iconv could not write %s\n", sjis.c_str());
    std::exit(1);
  }
}

class Bench {
 public:
  Bench(const Settings& settings, const fs::path& scratch)
      : settings_(settings), root_(scratch / "root"), work_(scratch) {
    fs::create_directories(root_);
    // The first start lays out the device.
    MeasureRun(Tessera({"-c", "rem"}));
  }

  Command Tessera(std::vector<std::string> rest) const {
    Command command{(settings_.build / "Tessera.exe").string(), "--tty", "--root", root_.string()};
    command.insert(command.end(), rest.begin(), rest.end());
    return command;
  }

  void TypeRow() {
    const fs::path utf8 = work_ / "type.utf8";
    // Shift_JIS takes about three bytes for every four of UTF-8 here.
    WriteJapaneseLines(utf8, 0, (20u << 20) / 3 * 4, "\r\n");
    ToShiftJis(utf8, root_ / "type20.txt");
    const Pair pair = Alternate(settings_, Tessera({"-c", "type \\type20.txt"}),
                                {"iconv", "-f", "CP932", "-t", "UTF-8", (root_ / "type20.txt")});
    Report("TYPE 20 MB Shift_JIS", pair, "iconv");
    WriteJapaneseLines(utf8, 0, (60u << 20) / 3 * 4, "\r\n");
    ToShiftJis(utf8, root_ / "type60.txt");
    fs::remove(utf8);
    const Measured big = MeasureRun(Tessera({"-c", "type \\type60.txt"}));
    std::printf("%-40s peak memory %5.0f MiB for %.0f MB, %5.0f MiB for %.0f MB\n", "  TYPE",
                pair.oursPeakKiB / 1024.0, fs::file_size(root_ / "type20.txt") / 1e6,
                big.peakKiB / 1024.0, fs::file_size(root_ / "type60.txt") / 1e6);
    // A started program's peak counts this program's own as a floor.
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    std::printf("%-40s (floor: this benchmark's own peak, %.0f MiB)\n", "",
                self.ru_maxrss / 1024.0);
    fs::remove(root_ / "type20.txt");
    fs::remove(root_ / "type60.txt");
  }

  void EchoRow() {
    constexpr int kLines = 100000;
    std::string batch;
    std::string script;
    for (int n = 0; n < kLines; ++n) {
      batch += "SET X=" + std::to_string(n) + "\r\n";
      script += "X=" + std::to_string(n) + "\n";
    }
    WriteFile(root_ / "echo.bat", batch);
    WriteFile(work_ / "echo.sh", script);
    Report("batch, 100 000 SET lines, echo on",
           Alternate(settings_, Tessera({"-c", "call \\echo.bat"}),
                     {"dash", (work_ / "echo.sh").string()}),
           "dash");
  }

  void VariablesRow() {
    for (const int count : {10000, 40000}) {
      std::string batch = "@echo off\r\n";
      std::string script;
      for (int n = 0; n < count; ++n) {
        batch += "SET V" + std::to_string(n) + "=" + std::to_string(n) + "\r\n";
        script += "V" + std::to_string(n) + "=" + std::to_string(n) + "\n";
      }
      WriteFile(root_ / "vars.bat", batch);
      WriteFile(work_ / "vars.sh", script);
      const std::string what = "batch, " + std::to_string(count) + " distinct variables";
      Report(what.c_str(),
             Alternate(settings_, Tessera({"-c", "call \\vars.bat"}),
                       {"dash", (work_ / "vars.sh").string()}),
             "dash");
    }
  }

  void StartupRow() {
    Report("start-up: --tty -c REM",
           Alternate(settings_, Tessera({"-c", "REM"}), {"bash", "-c", "true"}), "bash -c true");
  }

  void SortRow() {
    const fs::path input = work_ / "sort.txt";
    WriteJapaneseLines(input, 200000, 0, "\n");
    const std::string ours = (work_ / "sort.ours").string();
    const std::string peer = (work_ / "sort.peer").string();
    const Pair pair =
        Alternate(settings_, {(settings_.build / "bin" / "sort.exe").string(), input.string()},
                  {"sort", "-s", "--parallel=1", input.string()}, ours, peer);
    Report("sort.exe, 200 000 Japanese lines", pair, "sort -s");
    if (std::system(("cmp -s '" + ours + "' '" + peer + "'").c_str()) != 0)
      std::printf("  (the outputs differ)\n");
  }

  void DirRow() {
    const fs::path flat = root_ / "flat";
    fs::create_directories(flat);
    for (int i = 0; i < 10000; ++i) {
      WriteFile(flat / ("file" + std::to_string((i * 7919) % 10000) + ".txt"),
                std::string(static_cast<std::size_t>((i * 37) % 500), 'x'));
    }
    Report("DIR of 10 000 files, 80 columns",
           Alternate(settings_, Tessera({"--columns", "80", "-c", "dir \\flat"}),
                     {"ls", "-l", flat.string()}),
           "ls -l");
  }

  void CaptureRow() {
    const fs::path utf8 = work_ / "capture.utf8";
    WriteJapaneseLines(utf8, 200000, 0, "\r\n");
    ToShiftJis(utf8, root_ / "capture.txt");
    fs::remove(utf8);
    const Pair pair = Alternate(settings_, Tessera({"-c", "sort \\capture.txt"}),
                                Tessera({"-c", "sort \\capture.txt > \\sorted.txt"}));
    Report("sort in the shell: console vs file", pair, "to a file");
    const Pair gnu = Alternate(settings_, Tessera({"-c", "sort \\capture.txt"}),
                               {"sort", "-s", "--parallel=1", (root_ / "capture.txt").string()});
    Report("  console vs GNU sort", gnu, "sort -s");
    std::printf("%-40s file vs GNU sort: ratio %5.2f\n", "", pair.peer / std::max(gnu.peer, 1e-6));
  }

 private:
  const Settings& settings_;
  fs::path root_;
  fs::path work_;
};

Settings ReadSettings(int argc, char** argv) {
  Settings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--rounds" && i + 1 < argc) {
      settings.rounds = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--build" && i + 1 < argc) {
      settings.build = fs::absolute(argv[++i]);
    } else if (arg == "--scratch" && i + 1 < argc) {
      settings.scratch = argv[++i];
    } else {
      settings.rows.insert(arg);
    }
  }
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  const Settings settings = ReadSettings(argc, argv);
  std::string scratch = settings.scratch;
  if (scratch.empty()) {
    scratch = "/tmp/tessera-everyday-XXXXXX";
    if (!mkdtemp(scratch.data())) {
      std::perror("mkdtemp");
      return 1;
    }
  }
  fs::create_directories(scratch);
  if (!fs::exists(settings.build / "Tessera.exe")) {
    std::fprintf(stderr, "no Tessera.exe in %s\n", settings.build.c_str());
    return 1;
  }
  std::printf("%s, %d alternating rounds, medians\n", settings.build.c_str(), settings.rounds);
  Bench bench(settings, scratch);
  const std::vector<std::pair<std::string, std::function<void()>>> rows = {
      {"type", [&] { bench.TypeRow(); }},       {"echo", [&] { bench.EchoRow(); }},
      {"vars", [&] { bench.VariablesRow(); }},  {"startup", [&] { bench.StartupRow(); }},
      {"sort", [&] { bench.SortRow(); }},       {"dir", [&] { bench.DirRow(); }},
      {"capture", [&] { bench.CaptureRow(); }},
  };
  for (const auto& [name, run] : rows) {
    if (settings.rows.empty() || settings.rows.count(name)) run();
  }
  if (settings.scratch.empty()) fs::remove_all(scratch);
  return 0;
}
