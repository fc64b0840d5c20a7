// The host of the terminal front end: questions on the terminal (or the
// answer given with --yes / --no), Ctrl+C as the stop request, the history.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/terminal.h"
#include "shell/history.h"
#include "shell/host.h"

namespace tessera::terminal {

class TerminalHost : public Host {
 public:
  TerminalHost(platform::TerminalDescriptors descriptors, std::optional<bool> presetAnswer);
  ~TerminalHost() override;

  void PumpEvents() override;
  MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
  void AddToHistory(std::u16string_view line) override;
  void CloseApplication() override { closeRequested_ = true; }
  void Beep(std::uint32_t soundType) override;

  bool closeRequested() const { return closeRequested_; }
  // The console whose output is written out before the user is asked.
  void SetConsole(class TerminalConsole* console) { console_ = console; }
  // The user kept the shell open when asked about running programs.
  void ResumeAfterClose() { closeRequested_ = false; }
  CommandHistory& history() { return history_; }

 private:
  // Reads an answer line from the terminal; none when there is no terminal.
  std::optional<std::string> AskOnTerminal(const std::string& question);

  void FlushConsole();

  platform::TerminalDescriptors fds_;
  class TerminalConsole* console_ = nullptr;
  std::uint64_t lastFlush_ = 0;  // platform::CoarseMilliseconds()
  std::optional<bool> presetAnswer_;
  int questionFd_ = -1;  // the controlling terminal when input is a pipe
  bool closeRequested_ = false;
  CommandHistory history_;
};

// The answer a preset --yes (true) or --no (false) gives for the buttons.
MessageBoxAnswer PresetAnswer(MessageBoxButtons buttons, bool yes);

}  // namespace tessera::terminal
