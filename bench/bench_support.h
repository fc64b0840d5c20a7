// What the benchmark programs share: timing a program run, the best of a
// few runs, and the scratch directory.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace tessera::bench {

// Each command runs this many times; the best time counts, so that a busy
// neighbour does not decide the result.
inline constexpr int kRounds = 3;

// One run of a program: wall time, the peak resident memory of the process
// and its exit code.
struct Measured {
  double seconds = 0;
  long peakKiB = 0;
  int exitCode = 0;
};

// Runs a program with standard input from /dev/null, standard output to
// outPath and the given environment (null: this process's); waits for it
// alone, so that its own peak memory is known.
inline Measured MeasureRun(const std::vector<std::string>& args,
                           const std::string& outPath = "/dev/null",
                           const std::vector<std::string>* environment = nullptr) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  if (environment) {
    for (const auto& e : *environment) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(),
                   environment ? envp.data() : environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  Measured result;
  result.seconds = std::chrono::duration<double>(end - start).count();
  result.peakKiB = usage.ru_maxrss;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

// Runs a program with standard input from /dev/null and standard output to
// outPath; gives seconds.
inline double TimeRun(const std::vector<std::string>& args,
                      const std::string& outPath = "/dev/null") {
  return MeasureRun(args, outPath).seconds;
}

inline double Best(const std::vector<std::string>& args, const std::string& outPath = "/dev/null") {
  double best = 1e30;
  for (int i = 0; i < kRounds; ++i) best = std::min(best, TimeRun(args, outPath));
  return best;
}

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The directory named on the command line, or a new one under /tmp.
inline std::filesystem::path ScratchDirectory(int argc, char** argv, const char* name) {
  if (argc > 1) {
    std::filesystem::create_directories(argv[1]);
    return argv[1];
  }
  std::string pattern = std::string("/tmp/") + name + "-XXXXXX";
  if (!mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  return pattern;
}

}  // namespace tessera::bench
