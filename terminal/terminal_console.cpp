#include "terminal/terminal_console.h"

#include "platform/terminal.h"
#include "platform/text.h"

namespace tessera::terminal {

namespace {
constexpr std::size_t kFlushSize = 64 * 1024;
}  // namespace

void AppendConsoleTextToTerminal(std::string& out, std::u16string_view text, bool& pendingCr) {
  if (pendingCr && !text.empty()) {
    pendingCr = false;
    if (text.front() != u'\n') out += '\r';
  }
  // CR LF pairs inside the text lose their CR; a CR at the very end waits.
  std::size_t start = 0;
  for (std::size_t cr = 0; cr < text.size(); ++cr) {
    if (text[cr] != u'\r') continue;
    platform::AppendUtf8(out, text.substr(start, cr - start));
    if (cr + 1 == text.size()) {
      pendingCr = true;
      return;
    }
    if (text[cr + 1] != u'\n') out += '\r';
    start = cr + 1;
  }
  platform::AppendUtf8(out, text.substr(start));
}

std::string ConsoleTextToTerminal(std::u16string_view text, bool& pendingCr) {
  std::string out;
  AppendConsoleTextToTerminal(out, text, pendingCr);
  return out;
}

TerminalConsole::TerminalConsole(int outputFd) : outputFd_(outputFd) {
  SetAppendObserver([this](std::u16string_view appended) { Stream(appended); });
}

void TerminalConsole::Stream(std::u16string_view text) {
  if (muted_) {
    if (!text.empty()) atLineStart_ = text.back() == u'\n';
    return;
  }
  AppendConsoleTextToTerminal(pending_, text, pendingCr_);
  if (pending_.size() >= kFlushSize) Flush();
  if (!text.empty()) atLineStart_ = text.back() == u'\n';
}

void TerminalConsole::Flush() {
  if (pending_.empty()) return;
  platform::WriteAll(outputFd_, pending_);
  pending_.clear();
}

void TerminalConsole::ReplaceSelection(std::u16string_view text) {
  const bool clearsAll =
      text.empty() && selectionStart() == 0 && selectionEnd() == TextLength() && TextLength() > 0;
  MemoryConsole::ReplaceSelection(text);
  if (clearsAll && !muted_ && platform::IsTerminal(outputFd_)) {
    Flush();
    platform::WriteAll(outputFd_, "\x1b[H\x1b[2J");
    atLineStart_ = true;
  }
}

std::u16string TerminalConsole::LastLine() const {
  const std::u16string& all = text();
  const std::size_t newline = all.rfind(u'\n');
  return newline == std::u16string::npos ? all : all.substr(newline + 1);
}

}  // namespace tessera::terminal
