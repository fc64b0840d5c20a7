#include "platform/tool_question.h"

#include <unistd.h>

#include <string>

#include "platform/standard_streams.h"
#include "platform/terminal.h"
#include "platform/text.h"

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
  const int fd = OpenControllingTerminal();
  if (fd < 0) return QuestionAnswer::No;
  const auto answer = AskOnTerminal(fd, title, text);
  close(fd);
  return answer.value_or(QuestionAnswer::No);
}

}  // namespace tessera::platform
