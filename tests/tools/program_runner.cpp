#include "tools/program_runner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

extern char** environ;

namespace tessera::tools {

Finished RunProgram(const Launch& launch) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::strncmp(*e, "TESSERA_", 8) != 0) env.emplace_back(*e);
  }
  for (const auto& [name, value] : launch.environment) env.push_back(name + "=" + value);
  const std::string program = std::string(TESSERA_TOOLS_BIN) + "/" + launch.program;
  std::vector<std::string> args = {program};
  args.insert(args.end(), launch.arguments.begin(), launch.arguments.end());

  char inputPattern[] = "/tmp/tessera-tool-input-XXXXXX";
  const int inputFd = mkstemp(inputPattern);
  EXPECT_GE(inputFd, 0);
  EXPECT_EQ(write(inputFd, launch.input.data(), launch.input.size()),
            static_cast<ssize_t>(launch.input.size()));
  lseek(inputFd, 0, SEEK_SET);
  unlink(inputPattern);
  int pipeFds[2];
  EXPECT_EQ(pipe(pipeFds), 0);

  const pid_t child = fork();
  if (child == 0) {
    setsid();
    dup2(inputFd, 0);
    if (launch.outputFile.empty()) {
      dup2(pipeFds[1], 1);
    } else {
      const int fd = open(launch.outputFile.c_str(), O_WRONLY);
      dup2(fd, 1);
    }
    if (!launch.workingDirectory.empty() && chdir(launch.workingDirectory.c_str()) != 0) _exit(126);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  close(pipeFds[1]);
  close(inputFd);
  Finished finished;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
    finished.out.append(buffer, static_cast<std::size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  finished.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return finished;
}

}  // namespace tessera::tools
