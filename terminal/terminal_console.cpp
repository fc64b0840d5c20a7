#include "terminal/terminal_console.h"

#include "platform/terminal.h"
#include "platform/text.h"

namespace tessera::terminal {

std::string ConsoleTextToTerminal(std::u16string_view text, bool& pendingCr) {
  std::u16string out;
  out.reserve(text.size() + 1);
  for (char16_t c : text) {
    if (pendingCr) {
      pendingCr = false;
      if (c == u'\n') {
        out += u'\n';
        continue;
      }
      out += u'\r';
    }
    if (c == u'\r') {
      pendingCr = true;
    } else {
      out += c;
    }
  }
  return platform::Utf16ToUtf8(out);
}

TerminalConsole::TerminalConsole(int outputFd) : outputFd_(outputFd) {
  SetAppendObserver([this](std::u16string_view appended) { Stream(appended); });
}

void TerminalConsole::Stream(std::u16string_view text) {
  if (muted_) {
    if (!text.empty()) atLineStart_ = text.back() == u'\n';
    return;
  }
  platform::WriteAll(outputFd_, ConsoleTextToTerminal(text, pendingCr_));
  if (!text.empty()) atLineStart_ = text.back() == u'\n';
}

void TerminalConsole::ReplaceSelection(std::u16string_view text) {
  const bool clearsAll = text.empty() && selectionStart() == 0 && selectionEnd() == TextLength() && TextLength() > 0;
  MemoryConsole::ReplaceSelection(text);
  if (clearsAll && !muted_ && platform::IsTerminal(outputFd_)) {
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
