#include "fuzz/support/fuzz_shell.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "fuzz/support/scratch_device.h"
#include "platform/text.h"
#include "shell/environment.h"
#include "shell/execute.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"

// SLEEP waits as long as it is told and the wait for a program polls every
// 500 ms; the harnesses make every sleep of the process short. (libFuzzer's
// own timers do not sleep through this function.)
extern "C" int nanosleep(const struct timespec*, struct timespec* remaining) {
  if (remaining) *remaining = timespec{};
  return 0;
}

namespace tessera::fuzz {

namespace {

// Events pumped before the host asks to stop: plenty for any useful input,
// few enough that a loop ends within a fraction of a second.
constexpr int kPumpBudget = 3000;

}  // namespace

void FuzzHost::PumpEvents() {
  if (++pumps > kPumpBudget) Session().stopRequested = true;
}

MessageBoxAnswer FuzzHost::ShowMessageBox(const MessageBoxRequest& request) {
  switch (request.buttons) {
    case MessageBoxButtons::Ok:
      return MessageBoxAnswer::Ok;
    case MessageBoxButtons::OkCancel:
      return MessageBoxAnswer::Ok;
    default:
      return MessageBoxAnswer::Yes;
  }
}

FuzzShell::FuzzShell(bool resetDevice) {
  static bool first = true;
  if (resetDevice || first) ScratchDevice::Get().Reset();
  first = false;
  FreeMessageTexts();
  Session() = SessionFlags();
  SetConsoleSurface(&console_);
  SetHost(&host_);
  InitContextDefaults(context_);
}

FuzzShell::~FuzzShell() {
  SetConsoleSurface(nullptr);
  SetHost(nullptr);
  FreeMessageTexts();
  // The console trims itself: one print may pass the limit by at most a
  // piece of text and a line end.
  constexpr std::size_t kBound = kConsoleTextLimit + 8192 + kPrintLineBuffer;
  if (console_.TextLength() > kBound) {
    std::fprintf(stderr, "\n*** console grew to %zu characters\n", console_.TextLength());
    std::abort();
  }
  ScratchDevice::Get().CheckUntouched();
}

void FuzzShell::Run(std::u16string_view line) {
  Session().commandRunning = true;
  ExecuteLine(line, context_, nullptr, 0);
  Session().commandRunning = false;
}

std::u16string InputText(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (platform::IsValidUtf8(bytes)) return platform::Utf8ToUtf16(bytes);
  std::u16string text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i) text += static_cast<char16_t>(data[i]);
  return text;
}

}  // namespace tessera::fuzz
