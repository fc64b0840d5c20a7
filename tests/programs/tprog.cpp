// A small program the tests start from the shell. Its arguments are steps:
//   out TEXT    write TEXT and CR LF to standard output
//   err TEXT    write TEXT and CR LF to standard error
//   cat         copy standard input to standard output
//   args        write each argument after this one as [arg], one a line
//   env NAME    write the variable's value (or <unset>)
//   fds         write how many descriptors are open
//   touch PATH  create an empty host file (tests wait for it)
//   pid PATH    write the program's process id into a host file
//   sleep MS    wait
//   exit N      end with exit code N
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

void Write(int fd, const std::string& text) {
  std::string line = text + "\r\n";
  if (write(fd, line.data(), line.size()) < 0) std::exit(99);
}

int OpenDescriptors() {
  int count = 0;
  DIR* dir = opendir("/proc/self/fd");
  if (!dir) return -1;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] != '.') ++count;
  }
  closedir(dir);
  return count - 1;  // the directory's own descriptor
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string step = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (step == "out") {
      Write(1, value), ++i;
    } else if (step == "err") {
      Write(2, value), ++i;
    } else if (step == "cat") {
      char buffer[4096];
      ssize_t n;
      while ((n = read(0, buffer, sizeof buffer)) > 0) {
        if (write(1, buffer, static_cast<std::size_t>(n)) < 0) return 99;
      }
    } else if (step == "args") {
      for (++i; i < argc; ++i) Write(1, std::string("[") + argv[i] + "]");
    } else if (step == "env") {
      const char* text = std::getenv(value);
      Write(1, text ? text : "<unset>"), ++i;
    } else if (step == "fds") {
      Write(1, std::to_string(OpenDescriptors()));
    } else if (step == "touch") {
      std::FILE* file = std::fopen(value, "w");
      if (file) std::fclose(file);
      ++i;
    } else if (step == "pid") {
      std::FILE* file = std::fopen(value, "w");
      if (file) {
        std::fprintf(file, "%ld", static_cast<long>(getpid()));
        std::fclose(file);
      }
      ++i;
    } else if (step == "sleep") {
      std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(value))), ++i;
    } else if (step == "exit") {
      return std::atoi(value);
    }
  }
  return 0;
}
