// Times the companion tools against their usual Linux peers on the same
// data in the same run: sort.exe vs `LC_ALL=C sort -s`, diff.exe vs GNU diff,
// TSXKF.exe vs iconv. Usage: tools_bench [BIN_DIR] (default: the bin/ folder
// beside this program's folder).
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

double TimeCommand(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  const int rc = std::system(command.c_str());
  const auto end = std::chrono::steady_clock::now();
  if (rc == -1 || (WIFEXITED(rc) && WEXITSTATUS(rc) > 1)) {
    std::fprintf(stderr, "failed (%d): %s\n", rc, command.c_str());
  }
  return std::chrono::duration<double>(end - start).count();
}

// Best of three, so that a busy neighbour does not decide the result.
double Best(const std::string& command) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) best = std::min(best, TimeCommand(command));
  return best;
}

void Report(const char* what, double ours, double peer) {
  std::printf("%-34s %8.3f s   peer %8.3f s   ratio %5.2f\n", what, ours, peer, ours / peer);
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string Word(std::mt19937& random) {
  static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::string word;
  const int length = 4 + static_cast<int>(random() % 20);
  for (int i = 0; i < length; ++i) word += letters[random() % (sizeof letters - 1)];
  return word;
}

// Japanese text in UTF-8 from characters every peer encoding holds.
std::string JapaneseText(std::size_t bytes, std::mt19937& random) {
  static const std::vector<std::string> pieces = {
      "日本語", "の",       "テキスト", "、",   "漢字", "と",    "かな",
      "を",     "変換",     "します",   "。",   "東京", "大阪",  "文字",
      "コード", "ファイル", "ASCII ",   "123 ", "試験", "データ"};
  std::string text;
  text.reserve(bytes + 64);
  int column = 0;
  while (text.size() < bytes) {
    text += pieces[random() % pieces.size()];
    if (++column == 12) {
      text += "\r\n";
      column = 0;
    }
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path self = fs::canonical("/proc/self/exe");
  const fs::path bin = argc > 1 ? fs::path(argv[1]) : self.parent_path().parent_path() / "bin";
  const fs::path work = fs::temp_directory_path() / ("tessera-bench-" + std::to_string(getpid()));
  fs::create_directories(work);
  std::mt19937 random(12345);
  const std::string tools = bin.string() + "/";
  const std::string at = work.string() + "/";

  // sort: 1 000 000 lines.
  {
    std::string lines;
    for (int i = 0; i < 1000000; ++i) lines += Word(random) + "\n";
    WriteFile(work / "sort.txt", lines);
    const double ours = Best(tools + "sort.exe " + at + "sort.txt > " + at + "sort.out");
    const double peer = Best("LC_ALL=C sort -s " + at + "sort.txt > " + at + "sort.peer");
    Report("sort 1 000 000 lines", ours, peer);
    if (std::system(("cmp -s " + at + "sort.out " + at + "sort.peer").c_str()) != 0) {
      std::printf("  (outputs differ)\n");
    }
  }

  // diff: two 200 000-line files, 1 % of the lines changed.
  {
    std::string a;
    std::string b;
    for (int i = 0; i < 200000; ++i) {
      const std::string line = "line " + std::to_string(i) + " " + Word(random) + "\n";
      a += line;
      b += (random() % 100 == 0) ? "changed " + Word(random) + "\n" : line;
    }
    WriteFile(work / "a.txt", a);
    WriteFile(work / "b.txt", b);
    const double ours =
        Best(tools + "diff.exe " + at + "a.txt " + at + "b.txt > " + at + "diff.out");
    const double peer = Best("diff " + at + "a.txt " + at + "b.txt > " + at + "diff.peer");
    Report("diff 2 x 200 000 lines, 1 % changed", ours, peer);
  }

  // TSXKF: 20 MB of Japanese text.
  {
    WriteFile(work / "ja.utf8", JapaneseText(20u << 20, random));
    if (std::system(("iconv -f UTF-8 -t CP932 " + at + "ja.utf8 > " + at + "ja.sjis").c_str()) !=
        0) {
      std::fprintf(stderr, "iconv could not make the SJIS input\n");
      return 1;
    }
    struct Case {
      const char* what;
      std::string ours;
      std::string peer;
    };
    // Each run replaces the previous output file.
    const std::string kf = "TESSERA_ANSWER=yes " + tools + "TSXKF.exe ";
    const std::vector<Case> cases = {
        {"TSXKF SJIS->EUC (20 MB)", kf + "/I SJIS /O EUC /N CRLF " + at + "ja.sjis " + at + "o.euc",
         "iconv -f CP932 -t EUC-JP " + at + "ja.sjis > " + at + "p.euc"},
        {"TSXKF SJIS->JIS", kf + "/I SJIS /O JIS /N CRLF " + at + "ja.sjis " + at + "o.jis",
         "iconv -f CP932 -t ISO-2022-JP " + at + "ja.sjis > " + at + "p.jis"},
        {"TSXKF SJIS->UTF8", kf + "/I SJIS /O UTF8N " + at + "ja.sjis " + at + "o.utf8",
         "iconv -f CP932 -t UTF-8 " + at + "ja.sjis > " + at + "p.utf8"},
        {"TSXKF UTF8->SJIS", kf + "/I UTF8N /O SJIS " + at + "ja.utf8 " + at + "o.sjis",
         "iconv -f UTF-8 -t CP932 " + at + "ja.utf8 > " + at + "p.sjis"},
        {"TSXKF detect + SJIS->UTF8", kf + "/O UTF8N " + at + "ja.sjis " + at + "o2.utf8",
         "iconv -f CP932 -t UTF-8 " + at + "ja.sjis > " + at + "p2.utf8"},
    };
    for (const auto& c : cases) Report(c.what, Best(c.ours), Best(c.peer));
    for (const char* pair : {"o.euc p.euc", "o.utf8 p.utf8", "o.sjis p.sjis", "o2.utf8 p2.utf8"}) {
      std::string a = pair;
      const std::string command =
          "cmp -s " + at + a.substr(0, a.find(' ')) + " " + at + a.substr(a.find(' ') + 1);
      if (std::system(command.c_str()) != 0) std::printf("  (%s differ)\n", pair);
    }
  }

  fs::remove_all(work);
  return 0;
}
