#include "platform/tool_question.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/standard_streams.h"
#include "platform/terminal.h"
#include "platform/text.h"

extern char** environ;

namespace tessera::platform {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::optional<QuestionAnswer> AskOnTerminal(int fd, std::u16string_view title,
                                            std::u16string_view text) {
  std::string prompt = "[" + Utf16ToUtf8(title) + "] " + Utf16ToUtf8(text);
  if (prompt.empty() || prompt.back() != '\n') prompt += ' ';
  prompt += "(y/n) ";
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (!WriteAll(fd, prompt)) return std::nullopt;
    const auto line = ReadLine(fd);
    if (!line) return std::nullopt;
    if (auto answer = ParseAnswer(*line)) return answer;
  }
  return std::nullopt;
}

bool DisplayAvailable() {
  return EnvironmentValue("DISPLAY") || EnvironmentValue("WAYLAND_DISPLAY");
}

// The dialog program lies beside the running tool, in the same bin folder.
std::string DialogProgram() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return std::string();
  std::string path(buffer, static_cast<std::size_t>(n));
  return path.substr(0, path.rfind('/') + 1) + "question.exe";
}

// Asks in a dialog; none when none could be shown.
std::optional<QuestionAnswer> AskInDialog(std::u16string_view title, std::u16string_view text) {
  const std::string program = DialogProgram();
  if (program.empty() || access(program.c_str(), X_OK) != 0) return std::nullopt;
  std::string titleText = Utf16ToUtf8(title);
  std::string bodyText = Utf16ToUtf8(text);
  char* argv[] = {const_cast<char*>(program.c_str()), titleText.data(), bodyText.data(), nullptr};
  pid_t child = -1;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0)
    return std::nullopt;
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) return std::nullopt;
  return WEXITSTATUS(status) == 0 ? QuestionAnswer::Yes : QuestionAnswer::No;
}

}  // namespace

std::optional<QuestionAnswer> ParseAnswer(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n')) {
    text.remove_suffix(1);
  }
  std::string word;
  for (char c : text) word += Lower(c);
  if (word == "y" || word == "yes") return QuestionAnswer::Yes;
  if (word == "n" || word == "no") return QuestionAnswer::No;
  return std::nullopt;
}

QuestionAnswer AskToolQuestion(std::u16string_view title, std::u16string_view text) {
  if (const auto preset = EnvironmentValue("TESSERA_ANSWER")) {
    if (auto answer = ParseAnswer(*preset)) return *answer;
  }
  // Started from the shell's window the tool's streams are files: only a
  // dialog reaches the user there.
  if (DisplayAvailable()) {
    if (auto answer = AskInDialog(title, text)) return *answer;
  }
  const int fd = OpenControllingTerminal();
  if (fd < 0) return QuestionAnswer::No;
  const auto answer = AskOnTerminal(fd, title, text);
  close(fd);
  return answer.value_or(QuestionAnswer::No);
}

}  // namespace tessera::platform
