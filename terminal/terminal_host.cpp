#include "terminal/terminal_host.h"

#include <unistd.h>

#include <chrono>

#include "platform/termination.h"
#include "platform/text.h"
#include "shell/output.h"
#include "shell/startup.h"
#include "terminal/terminal_console.h"

namespace tessera::terminal {

namespace {

std::string ButtonHint(MessageBoxButtons buttons) {
  switch (buttons) {
    case MessageBoxButtons::Ok:
      return "[OK: Enter]";
    case MessageBoxButtons::OkCancel:
      return "[o=OK / c=Cancel]";
    case MessageBoxButtons::YesNo:
      return "[y/n]";
    case MessageBoxButtons::YesNoCancel:
      return "[y/n/c]";
  }
  return "";
}

std::string AnswerName(MessageBoxAnswer answer) {
  switch (answer) {
    case MessageBoxAnswer::Ok:
      return "OK";
    case MessageBoxAnswer::Cancel:
      return "Cancel";
    case MessageBoxAnswer::Yes:
      return "Yes";
    case MessageBoxAnswer::No:
      return "No";
  }
  return "";
}

// The answer a typed reply stands for; none when it fits no button.
std::optional<MessageBoxAnswer> ReadReply(MessageBoxButtons buttons, std::string reply,
                                          MessageBoxAnswer fallback) {
  while (!reply.empty() && (reply.back() == '\r' || reply.back() == ' ')) reply.pop_back();
  if (reply.empty()) return fallback;
  const char c = static_cast<char>(reply[0] | 0x20);
  switch (buttons) {
    case MessageBoxButtons::Ok:
      return MessageBoxAnswer::Ok;
    case MessageBoxButtons::OkCancel:
      if (c == 'o') return MessageBoxAnswer::Ok;
      if (c == 'c') return MessageBoxAnswer::Cancel;
      return std::nullopt;
    case MessageBoxButtons::YesNoCancel:
      if (c == 'c') return MessageBoxAnswer::Cancel;
      [[fallthrough]];
    case MessageBoxButtons::YesNo:
      if (c == 'y') return MessageBoxAnswer::Yes;
      if (c == 'n') return MessageBoxAnswer::No;
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

MessageBoxAnswer PresetAnswer(MessageBoxButtons buttons, bool yes) {
  switch (buttons) {
    case MessageBoxButtons::Ok:
      return MessageBoxAnswer::Ok;
    case MessageBoxButtons::OkCancel:
      return yes ? MessageBoxAnswer::Ok : MessageBoxAnswer::Cancel;
    case MessageBoxButtons::YesNo:
    case MessageBoxButtons::YesNoCancel:
      return yes ? MessageBoxAnswer::Yes : MessageBoxAnswer::No;
  }
  return MessageBoxAnswer::Cancel;
}

TerminalHost::TerminalHost(platform::TerminalDescriptors descriptors,
                           std::optional<bool> presetAnswer)
    : fds_(descriptors), presetAnswer_(presetAnswer) {}

TerminalHost::~TerminalHost() {
  if (questionFd_ >= 0) close(questionFd_);
}

void TerminalHost::FlushConsole() {
  if (console_) console_->Flush();
}

void TerminalHost::PumpEvents() {
  // Long output reaches the terminal a few times a second, not line by line.
  const std::uint64_t now = platform::CoarseMilliseconds();
  if (now - lastFlush_ >= 50) {
    FlushConsole();
    lastFlush_ = now;
  }
  if (platform::TakeInterrupt() && Session().commandRunning) Session().stopRequested = true;
  // SIGTERM or SIGHUP while a command runs: the session ends here.
  if (platform::TerminationSignal() != 0) EndSessionOnSignal([this] { FlushConsole(); });
}

std::optional<std::string> TerminalHost::AskOnTerminal(const std::string& question) {
  int in = fds_.input;
  int out = fds_.output;
  if (!platform::IsTerminal(in)) {
    if (questionFd_ < 0) questionFd_ = platform::OpenControllingTerminal();
    if (questionFd_ < 0) return std::nullopt;
    in = out = questionFd_;
  }
  platform::WriteAll(out, question);
  return platform::ReadLine(in);
}

MessageBoxAnswer TerminalHost::ShowMessageBox(const MessageBoxRequest& request) {
  FlushConsole();
  std::string text = platform::Utf16ToUtf8(request.text);
  for (auto& c : text) {
    if (c == '\r') c = ' ';
  }
  const std::string caption = platform::Utf16ToUtf8(request.caption);
  if (presetAnswer_) {
    const MessageBoxAnswer answer = PresetAnswer(request.buttons, *presetAnswer_);
    // Questions answered in advance are noted where they do not mix with
    // the console output.
    platform::WriteAll(fds_.error,
                       "[" + caption + "] " + text + " -> " + AnswerName(answer) + "\n");
    return answer;
  }
  const std::string question =
      "[" + caption + "] " + text + " " + ButtonHint(request.buttons) + " ";
  for (;;) {
    const std::optional<std::string> reply = AskOnTerminal(question);
    // The session is ending (SIGTERM, SIGHUP): nobody is there to answer.
    if (!reply && platform::TerminationSignal() != 0) return request.defaultAnswer;
    if (!reply) {
      platform::WriteAll(fds_.error, "[" + caption + "] " + text + " -> " +
                                         AnswerName(request.defaultAnswer) +
                                         " (no terminal to ask)\n");
      return request.defaultAnswer;
    }
    if (auto answer = ReadReply(request.buttons, *reply, request.defaultAnswer)) return *answer;
  }
}

void TerminalHost::AddToHistory(std::u16string_view line) { history_.Add(line); }

void TerminalHost::Beep(std::uint32_t) {
  FlushConsole();
  if (platform::IsTerminal(fds_.output)) platform::WriteAll(fds_.output, "\a");
}

}  // namespace tessera::terminal
