// The terminal's console: the in-memory text model, with everything put at
// its end streamed to the terminal as UTF-8 with '\n' line ends.
#pragma once

#include <string>

#include "shell/memory_console.h"

namespace tessera::terminal {

class TerminalConsole : public MemoryConsole {
 public:
  explicit TerminalConsole(int outputFd);
  // While muted, text reaches the model but not the terminal (the line the
  // user typed is on the screen already).
  void SetMuted(bool muted) { muted_ = muted; }
  // Clearing the whole console also clears a terminal screen.
  void ReplaceSelection(std::u16string_view text) override;
  // Writes what is waiting for the terminal. Output is gathered and written
  // in large pieces; the front end flushes before it waits for the user.
  void Flush();
  // The text after the last line end: the prompt the user is typing after.
  std::u16string LastLine() const;
  // Whether the last text sent ended a line.
  bool AtLineStart() const { return atLineStart_; }

 private:
  void Stream(std::u16string_view text);

  int outputFd_;
  std::string pending_;
  bool muted_ = false;
  bool pendingCr_ = false;
  bool atLineStart_ = true;
};

// UTF-16 console text as terminal bytes: CR LF becomes '\n'. A CR at the
// very end is held back in pendingCr until the next piece shows what follows.
std::string ConsoleTextToTerminal(std::u16string_view text, bool& pendingCr);
// The same onto the end of out.
void AppendConsoleTextToTerminal(std::string& out, std::u16string_view text, bool& pendingCr);

}  // namespace tessera::terminal
