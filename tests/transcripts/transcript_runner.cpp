// Runs the cases of one transcript file through `Tessera.exe --tty`, each
// on a fresh device root, and compares what the shell printed.
//
// A case:
//   === name
//   --- options: --columns 40 --yes     (more arguments for the shell)
//   --- file \Dir\Name.txt              (lines up to the next "---" line, joined with CR LF)
//   --- file-lf \Dir\Name.txt           (the same, joined with LF)
//   --- file-utf16 \Dir\Name.txt        (the same, as UTF-16LE with byte-order mark)
//   --- file-hex \Dir\Name.bin          (hexadecimal bytes, blanks ignored)
//   --- dir \Dir                        (an empty directory)
//   --- program \Dir\Name.exe           (a link to the test program tprog.exe)
//   --- link \Dir\Name.exe /host/path   (a link to a host file)
//   --- file-zeros \Dir\Name.bin 1234567 (a file of that many zero bytes)
//   --- mtime \Dir\Name.txt 1999-12-31 23:59
//                                       (last-write time in local time, set after
//                                        every file and directory of the case exists)
//   --- command LINE                    (run with -c instead of typed input)
//   --- input                           (the lines typed on standard input)
//   --- expect                          (standard output, line by line)
//   --- expect-file-hex \Dir\Name.txt   (the bytes a file must hold afterwards)
//   --- stderr-has TEXT                 (standard error must contain TEXT)
//   --- exit N                          (the exit code; 0 when not given)
// In typed and expected text, "{ROOT}" stands for the device root's host path and
// "{ANY}" for any run of characters within the line.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/neutral_locale.h"

namespace fs = std::filesystem;

namespace {

struct FileSpec {
  std::string kind;  // file, file-lf, file-utf16, file-hex, file-zeros, dir
  std::string path;
  std::vector<std::string> lines;
};

struct TimeSpec {
  std::string path;
  std::string when;  // YYYY-MM-DD HH:MM
};

struct Case {
  std::string name;
  int line = 0;
  std::vector<std::string> options;
  std::vector<FileSpec> files;
  std::vector<TimeSpec> times;
  std::optional<std::string> command;
  std::vector<std::string> input;
  std::vector<std::string> expect;
  bool hasExpect = false;
  std::vector<FileSpec> expectFilesHex;
  std::vector<std::string> stderrHas;
  int exitCode = 0;
};

std::vector<std::string> SplitWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

bool StartsWith(const std::string& s, const std::string& p) { return s.rfind(p, 0) == 0; }

std::vector<Case> ParseTranscript(const std::string& path) {
  std::ifstream in(path);
  std::vector<Case> cases;
  std::string line;
  int number = 0;
  std::vector<std::string>* body = nullptr;
  while (std::getline(in, line)) {
    ++number;
    if (StartsWith(line, "=== ")) {
      cases.emplace_back();
      cases.back().name = line.substr(4);
      cases.back().line = number;
      body = nullptr;
      continue;
    }
    if (cases.empty()) continue;  // the file's own comments
    Case& c = cases.back();
    if (StartsWith(line, "--- ")) {
      const std::string directive = line.substr(4);
      const std::string word = directive.substr(0, directive.find(' '));
      const std::string rest =
          directive.size() > word.size() ? Trim(directive.substr(word.size())) : "";
      body = nullptr;
      if (word == "options:") {
        for (auto& w : SplitWords(rest)) c.options.push_back(w);
      } else if (word == "file" || word == "file-lf" || word == "file-utf16" ||
                 word == "file-hex" || word == "dir" || word == "program" || word == "link") {
        c.files.push_back({word, rest, {}});
        body = &c.files.back().lines;
      } else if (word == "file-zeros") {
        const auto cut = rest.find(' ');
        c.files.push_back(
            {word, rest.substr(0, cut), {cut == std::string::npos ? "0" : Trim(rest.substr(cut))}});
      } else if (word == "mtime") {
        const auto cut = rest.find(' ');
        c.times.push_back(
            {rest.substr(0, cut), cut == std::string::npos ? "" : Trim(rest.substr(cut))});
      } else if (word == "command") {
        c.command = rest;
      } else if (word == "input") {
        body = &c.input;
      } else if (word == "expect") {
        c.hasExpect = true;
        body = &c.expect;
      } else if (word == "expect-file-hex") {
        c.expectFilesHex.push_back({word, rest, {}});
        body = &c.expectFilesHex.back().lines;
      } else if (word == "stderr-has") {
        c.stderrHas.push_back(rest);
      } else if (word == "exit") {
        c.exitCode = std::atoi(rest.c_str());
      } else {
        std::cerr << path << ":" << number << ": unknown directive " << word << "\n";
        std::exit(2);
      }
      continue;
    }
    if (body) body->push_back(line);
  }
  // The blank lines that separate cases belong to no section.
  for (Case& c : cases) {
    for (auto* lines : {&c.input, &c.expect}) {
      while (!lines->empty() && lines->back().empty()) lines->pop_back();
    }
    for (FileSpec& f : c.files) {
      while (!f.lines.empty() && f.lines.back().empty()) f.lines.pop_back();
    }
  }
  return cases;
}

std::string HostPath(const std::string& root, const std::string& device) {
  std::string out = root;
  for (char ch : device) out += ch == '\\' ? '/' : ch;
  return out;
}

std::string FromHex(const std::string& text) {
  std::string bytes;
  std::string digits;
  for (char ch : text) {
    if (std::isxdigit(static_cast<unsigned char>(ch))) digits += ch;
  }
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

std::string ToHex(const std::string& bytes) {
  std::string out;
  char buffer[4];
  for (unsigned char ch : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02x ", ch);
    out += buffer;
  }
  if (!out.empty()) out.pop_back();
  return out;
}

// UTF-8 to UTF-16LE bytes (the test files hold BMP text only).
std::string Utf16Le(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    unsigned cp = b;
    std::size_t n = 1;
    if (b >= 0xE0) {
      cp = ((b & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
      n = 3;
    } else if (b >= 0xC0) {
      cp = ((b & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
      n = 2;
    }
    out += static_cast<char>(cp & 0xFF);
    out += static_cast<char>(cp >> 8);
    i += n;
  }
  return out;
}

std::string Join(const std::vector<std::string>& lines, const std::string& sep) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += sep;
    out += lines[i];
  }
  return out;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
    s.replace(at, from.size(), to);
  }
}

// Matches a line where each "{ANY}" of the expected text stands for any run.
bool LineMatches(const std::string& expected, const std::string& actual) {
  const std::string wildcard = "{ANY}";
  std::size_t e = expected.find(wildcard);
  if (e == std::string::npos) return expected == actual;
  if (actual.compare(0, e, expected, 0, e) != 0) return false;
  std::size_t a = e;
  for (;;) {
    const std::size_t start = e + wildcard.size();
    const std::size_t next = expected.find(wildcard, start);
    const std::string piece =
        expected.substr(start, next == std::string::npos ? std::string::npos : next - start);
    if (next == std::string::npos) {
      return actual.size() >= a + piece.size() &&
             actual.compare(actual.size() - piece.size(), piece.size(), piece) == 0;
    }
    const std::size_t found = actual.find(piece, a);
    if (found == std::string::npos) return false;
    a = found + piece.size();
    e = next;
  }
}

// Sets a host entry's modification time from "YYYY-MM-DD HH:MM" local time.
bool SetModificationTime(const std::string& path, const std::string& when) {
  struct tm tm = {};
  if (std::sscanf(when.c_str(), "%d-%d-%d %d:%d", &tm.tm_year, &tm.tm_mon, &tm.tm_mday, &tm.tm_hour,
                  &tm.tm_min) != 5) {
    return false;
  }
  tm.tm_year -= 1900;
  tm.tm_mon -= 1;
  tm.tm_isdst = -1;
  const time_t t = mktime(&tm);
  if (t == static_cast<time_t>(-1)) return false;
  const struct timespec times[2] = {{t, 0}, {t, 0}};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

struct RunResult {
  std::string out, err;
  int exitCode = -1;
};

RunResult Run(const std::string& shell, const std::vector<std::string>& args,
              const std::string& input, const std::string& scratch) {
  const std::string inPath = scratch + "/stdin", outPath = scratch + "/stdout",
                    errPath = scratch + "/stderr";
  WriteFile(inPath, input);
  const pid_t pid = fork();
  if (pid == 0) {
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    // Questions must never wait for a person at the test's terminal.
    setsid();
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(shell.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    tessera::testing::UseNeutralLocale();
    execv(shell.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  RunResult result;
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

bool RunCase(const std::string& shell, const std::string& file, const Case& c) {
  char pattern[] = "/tmp/tessera-transcript-XXXXXX";
  const char* base = mkdtemp(pattern);
  if (!base) return false;
  const std::string scratch = base;
  const std::string root = scratch + "/root";
  fs::create_directories(root);
  for (const FileSpec& f : c.files) {
    const std::string host = HostPath(root, f.path);
    if (f.kind == "dir")
      fs::create_directories(host);
    else if (f.kind == "link") {
      const std::size_t split = f.path.rfind(' ');
      const std::string device = f.path.substr(0, split), target = f.path.substr(split + 1);
      const std::string linkHost = HostPath(root, device);
      fs::create_directories(fs::path(linkHost).parent_path());
      fs::create_symlink(target, linkHost);
    } else if (f.kind == "program") {
      fs::create_directories(fs::path(host).parent_path());
      fs::create_symlink(fs::absolute(fs::path(shell)).parent_path() / "tests" / "tprog.exe", host);
    } else if (f.kind == "file")
      WriteFile(host, Join(f.lines, "\r\n"));
    else if (f.kind == "file-lf")
      WriteFile(host, Join(f.lines, "\n"));
    else if (f.kind == "file-utf16")
      WriteFile(host, "\xFF\xFE" + Utf16Le(Join(f.lines, "\r\n")));
    else if (f.kind == "file-hex")
      WriteFile(host, FromHex(Join(f.lines, " ")));
    else if (f.kind == "file-zeros")
      WriteFile(host, std::string(std::stoul(f.lines.front()), '\0'));
  }
  for (const TimeSpec& t : c.times) {
    if (!SetModificationTime(HostPath(root, t.path), t.when)) {
      std::cout << "FAIL " << file << ":" << c.line << " " << c.name << "\n  bad mtime: " << t.path
                << " " << t.when << "\n";
      std::error_code ignored;
      fs::remove_all(scratch, ignored);
      return false;
    }
  }
  std::vector<std::string> args = {"--tty", "--root", root};
  args.insert(args.end(), c.options.begin(), c.options.end());
  if (c.command) {
    args.push_back("-c");
    args.push_back(*c.command);
  }
  std::string input = c.input.empty() ? "" : Join(c.input, "\n") + "\n";
  ReplaceAll(input, "{ROOT}", root);
  const RunResult result = Run(shell, args, input, scratch);

  std::vector<std::string> problems;
  if (c.hasExpect) {
    std::vector<std::string> expected = c.expect;
    for (auto& line : expected) ReplaceAll(line, "{ROOT}", root);
    const std::vector<std::string> actual = Lines(result.out);
    const std::size_t n = std::max(expected.size(), actual.size());
    for (std::size_t i = 0; i < n; ++i) {
      const std::string e = i < expected.size() ? expected[i] : "<nothing>";
      const std::string a = i < actual.size() ? actual[i] : "<nothing>";
      if (i < expected.size() && i < actual.size() && LineMatches(e, a)) continue;
      {
        problems.push_back("output line " + std::to_string(i + 1) + ":\n    expected: " + e +
                           "\n    actual:   " + a);
        break;
      }
    }
  }
  for (const FileSpec& f : c.expectFilesHex) {
    const std::string& device = f.path;
    const std::string hex = Join(f.lines, " ");
    const std::string host = HostPath(root, device);
    if (!fs::exists(host)) {
      problems.push_back("file " + device + " was not written");
      continue;
    }
    const std::string actual = ToHex(ReadFile(host));
    const std::string expected = ToHex(FromHex(hex));
    if (actual != expected)
      problems.push_back("file " + device + ":\n    expected: " + expected +
                         "\n    actual:   " + actual);
  }
  for (const auto& text : c.stderrHas) {
    if (result.err.find(text) == std::string::npos)
      problems.push_back("standard error lacks: " + text);
  }
  if (result.exitCode != c.exitCode) {
    problems.push_back("exit code " + std::to_string(result.exitCode) + ", expected " +
                       std::to_string(c.exitCode));
  }
  std::error_code ignored;
  fs::remove_all(scratch, ignored);
  if (problems.empty()) return true;
  std::cout << "FAIL " << file << ":" << c.line << " " << c.name << "\n";
  for (const auto& p : problems) std::cout << "  " << p << "\n";
  std::cout << "  --- whole output ---\n" << result.out;
  if (!result.err.empty()) std::cout << "  --- standard error ---\n" << result.err;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: transcript_runner SHELL FILE.tsx\n";
    return 2;
  }
  const std::vector<Case> cases = ParseTranscript(argv[2]);
  if (cases.empty()) {
    std::cerr << argv[2] << ": no cases\n";
    return 2;
  }
  int passed = 0, failed = 0;
  for (const Case& c : cases) (RunCase(argv[1], argv[2], c) ? passed : failed)++;
  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 ? 0 : 1;
}
