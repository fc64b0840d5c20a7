#include "terminal/terminal_main.h"

#include <unistd.h>

#include <optional>
#include <string>

#include "launch/process_table.h"
#include "launch/resting_files.h"
#include "launch/stream_switches.h"
#include "platform/device.h"
#include "platform/terminal.h"
#include "platform/text.h"
#include "shell/current_directory.h"
#include "shell/device_clock.h"
#include "shell/environment.h"
#include "shell/execute.h"
#include "shell/language_choice.h"
#include "shell/message_catalogue.h"
#include "shell/message_overrides.h"
#include "shell/output.h"
#include "terminal/line_editor.h"
#include "terminal/terminal_console.h"
#include "terminal/terminal_host.h"
#include "terminal/terminal_options.h"

namespace tessera::terminal {

namespace {

// Runs one line as the window runs a typed line.
void RunTypedLine(std::u16string_view line, ShellContext& context) {
  SessionFlags& session = Session();
  session.commandRunning = true;
  session.stopRequested = false;
  std::u16string_view trimmed = line;
  while (!trimmed.empty() && (trimmed.front() == u' ' || trimmed.front() == u'\t'))
    trimmed.remove_prefix(1);
  while (!trimmed.empty() &&
         (trimmed.back() == u' ' || trimmed.back() == u'\t' || trimmed.back() == u'\r')) {
    trimmed.remove_suffix(1);
  }
  if (!trimmed.empty()) ExecuteLine(trimmed, context, nullptr, 0);
  session.commandRunning = false;
  session.stopRequested = false;
}

// Background programs still running when the session ends: ended after
// the user agrees; otherwise waited for, so that none is left orphaned
// (Ctrl+C then ends them). Gives false to go on with the session.
bool CloseWithPrograms(bool inputEnded) {
  if (PurgeForExit() == 0 || ConfirmExitWithPrograms()) return true;
  if (!inputEnded) return false;
  while (PurgeForExit() > 0) {
    if (platform::TakeInterrupt()) {
      Processes().EndAll();
      break;
    }
    usleep(200 * 1000);
  }
  return true;
}

// Reads typed lines until the end of input or EXIT; gives the exit code.
int RunSession(TerminalConsole& console, TerminalHost& host,
               const platform::TerminalDescriptors& fds, ShellContext& context) {
  const bool interactive = platform::IsTerminal(fds.input) && platform::IsTerminal(fds.output);
  LineEditor editor(fds.input, fds.output, host.history());
  for (;;) {
    if (host.closeRequested()) {
      if (CloseWithPrograms(false)) break;
      host.ResumeAfterClose();
    }
    // Key by key from before the prompt shows, so that nothing typed as it
    // appears (Ctrl+D included) is taken by the terminal's line mode.
    std::optional<platform::RawMode> raw;
    if (interactive) raw.emplace(fds.input);
    PrintPrompt(context);
    console.Flush();
    std::optional<std::u16string> line;
    if (interactive) {
      line = editor.ReadLine(console.LastLine());
      raw.reset();
    } else if (auto bytes = platform::ReadLine(fds.input)) {
      if (!bytes->empty() && bytes->back() == '\r') bytes->pop_back();
      line = platform::Utf8ToUtf16(*bytes);
    }
    if (!line) {
      console.Flush();
      if (!console.AtLineStart()) platform::WriteAll(fds.output, "\n");
      CloseWithPrograms(true);
      break;
    }
    // The typed line joins the console as in the window; on a terminal the
    // editor has shown it already.
    console.SetMuted(interactive);
    PrintText(*line, kPrintNoLengthCheck);
    console.SetMuted(false);
    RunTypedLine(*line, context);
  }
  return static_cast<int>(GetErrorLevel(context));
}

}  // namespace

int TerminalMain(int argc, char** argv) {
  const ParsedOptions parsed = ParseTerminalOptions(argc, argv);
  if (!parsed.error.empty()) {
    platform::WriteAll(2, "Tessera: " + parsed.error + "\n" + TerminalUsage());
    return 2;
  }
  const TerminalOptions& options = parsed.options;
  if (options.showUsage) {
    platform::WriteAll(1, TerminalUsage());
    return 0;
  }
  if (options.showVersion) {
    platform::WriteAll(1, "Tessera " + platform::Utf16ToUtf8(kShellVersion) + "\n");
    return 0;
  }

  auto moved = platform::MoveTerminalDescriptors();
  if (!moved.ok()) {
    platform::WriteAll(2, "Tessera: cannot set up the terminal streams\n");
    return 1;
  }
  const platform::TerminalDescriptors fds = *moved;

  platform::DeviceOptions deviceOptions;
  deviceOptions.root = options.root;
  if (const platform::Status status = platform::SetupDevice(deviceOptions); !status.ok()) {
    platform::WriteAll(fds.error, "Tessera: cannot set up the device root (error " +
                                      std::to_string(static_cast<unsigned>(status.error())) +
                                      ")\n");
    return 1;
  }
  ChooseStartupLanguage();
  ChooseProgramFileNames();
  LoadDeviceClock();

  TerminalConsole console(fds.output);
  TerminalHost host(fds, options.answer);
  host.SetConsole(&console);
  SetConsoleSurface(&console);
  SetHost(&host);
  Session().consoleColumns = options.columns;
  platform::InstallInterruptHandler();
  LoadMessageOverrides();

  // Other programs of the device read the current directory from here.
  CreateCurrentDirectoryBlock();
  // Between programs the standard streams rest on their files.
  LoadStreamSwitches();
  const StreamSwitches& switches = CurrentStreamSwitches();
  if (switches.useStdin) RestStream(platform::StandardStream::Input);
  if (switches.useStdout) RestStream(platform::StandardStream::Output);
  if (switches.useStderr) RestStream(platform::StandardStream::Error);
  ShellContext context;
  InitContextDefaults(context);

  int exitCode = 0;
  if (options.command) {
    RunTypedLine(platform::Utf8ToUtf16(*options.command), context);
    console.Flush();
    if (!console.AtLineStart()) platform::WriteAll(fds.output, "\n");
    CloseWithPrograms(true);
    exitCode = static_cast<int>(GetErrorLevel(context));
  } else {
    exitCode = RunSession(console, host, fds, context);
  }
  for (auto stream : {platform::StandardStream::Input, platform::StandardStream::Output,
                      platform::StandardStream::Error}) {
    ReleaseRestingFile(stream);
  }
  CloseCurrentDirectoryBlock();
  console.Flush();
  SetHost(nullptr);
  SetConsoleSurface(nullptr);
  FreeMessageTexts();
  return exitCode;
}

}  // namespace tessera::terminal
