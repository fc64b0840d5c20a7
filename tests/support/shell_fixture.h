// A shell session for tests: a temporary device root, an in-memory console
// and a host whose answers the test chooses.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "shell/execute.h"
#include "shell/host.h"
#include "shell/memory_console.h"
#include "shell/shell_context.h"
#include "support/temp_root.h"

namespace tessera::testing {

class RecordingHost : public Host {
 public:
  void PumpEvents() override;
  MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
  void AddToHistory(std::u16string_view line) override { history.emplace_back(line); }
  void CloseApplication() override { ++closeRequests; }
  void Beep(std::uint32_t type) override { beeps.push_back(type); }

  std::deque<MessageBoxAnswer> answers;  // taken in order; then the default answer
  std::vector<std::u16string> questions;
  std::vector<std::u16string> captions;
  std::vector<std::u16string> history;
  std::vector<std::uint32_t> beeps;
  int pumps = 0;
  int stopAfterPumps = -1;  // >= 0: ask to stop once that many pumps have passed
  int closeRequests = 0;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs a typed line and gives what it added to the console, as UTF-8.
  std::string Run(const std::string& line);
  // Runs a line as line `current` of a batch file.
  std::optional<std::size_t> RunInBatch(const TextLines& lines, std::size_t current,
                                        std::uint32_t extraFlags = 0);
  std::string ConsoleText() const;
  std::string Value(const std::string& name) const;

  std::unique_ptr<TempRoot> root_;
  MemoryConsole console_;
  RecordingHost host_;
  ShellContext context_;
};

std::u16string U(const std::string& utf8);
std::string Utf8(std::u16string_view text);

}  // namespace tessera::testing
