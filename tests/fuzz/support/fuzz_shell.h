// A shell session on the scratch device for one fuzz input: an in-memory
// console, a host that answers every question with Yes (or OK) and asks to
// stop once a budget of event pumps is spent, so that endless batch loops
// end, and checks that run after every input.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/host.h"
#include "shell/memory_console.h"
#include "shell/shell_context.h"

namespace tessera::fuzz {

class FuzzHost : public Host {
 public:
  void PumpEvents() override;
  MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
  void AddToHistory(std::u16string_view) override {}
  void CloseApplication() override {}
  void Beep(std::uint32_t) override {}

  int pumps = 0;
};

class FuzzShell {
 public:
  // Resets the interpreter's shared state, and the scratch device unless
  // the harness only reads it.
  explicit FuzzShell(bool resetDevice = true);
  // Checks the console's bound and the host folders around the root.
  ~FuzzShell();
  FuzzShell(const FuzzShell&) = delete;
  FuzzShell& operator=(const FuzzShell&) = delete;

  // Runs a typed line.
  void Run(std::u16string_view line);

  ShellContext& context() { return context_; }
  MemoryConsole& console() { return console_; }

 private:
  MemoryConsole console_;
  FuzzHost host_;
  ShellContext context_;
};

// The fuzzer's bytes as shell text: UTF-8 where it is valid, otherwise one
// unit per byte, so that every UTF-16 unit below U+0100 and the common
// Japanese ones are reachable.
std::u16string InputText(const std::uint8_t* data, std::size_t size);

}  // namespace tessera::fuzz
