#include "terminal/terminal_main.h"

#include <unistd.h>

#include <optional>
#include <string>

#include "launch/process_table.h"
#include "platform/codepage.h"
#include "platform/terminal.h"
#include "platform/termination.h"
#include "platform/text.h"
#include "shell/batch.h"
#include "shell/environment.h"
#include "shell/output.h"
#include "shell/startup.h"
#include "shell/startup_batch.h"
#include "shell/typed_line.h"
#include "terminal/line_editor.h"
#include "terminal/terminal_console.h"
#include "terminal/terminal_host.h"
#include "terminal/terminal_options.h"

namespace tessera::terminal {

namespace {

void EndOnSignal(TerminalConsole& console) {
  EndSessionOnSignal([&console] { console.Flush(); });
}

// Background programs still running when the session ends: ended after
// the user agrees; otherwise waited for, so that none is left orphaned
// (Ctrl+C then ends them). Gives false to go on with the session.
bool CloseWithPrograms(bool inputEnded, TerminalConsole& console) {
  if (ConfirmClose()) return true;
  if (!inputEnded) return false;
  while (PurgeForExit() > 0) {
    if (platform::TerminationSignal() != 0) EndOnSignal(console);
    if (platform::TakeInterrupt()) {
      Processes().EndAll();
      break;
    }
    usleep(200 * 1000);
  }
  return true;
}

// The start-up batch file, once the session has started: the questions it
// needs, the first prompt, then the file in the session's own context.
void RunStartupBatch(ShellContext& context) {
  const std::optional<std::u16string> call = ChooseStartupBatch();
  PrintPrompt(context);
  if (!call) return;
  PrintLine(u"");
  BeginCommand();
  CallBatch(*call, context);
  EndCommand();
  PrintPrompt(context);
}

// The exit code when typed text could not be read (the tools' code for it).
constexpr int kUnreadableInputExit = 255;

// Tells why text from bash is not run: neither UTF-8 nor the ANSI code page
// reads it, and a line changed by guessing could do what nobody asked.
void ReportUnreadable(int errorFd, const std::string& what, const platform::GuessedText& text,
                      const std::string& notRun) {
  platform::WriteAll(errorFd, "Tessera: " + what + " cannot be read: the byte at offset " +
                                  std::to_string(text.undecodable) +
                                  " is neither UTF-8 nor code page " +
                                  std::to_string(text.codePage) + "; " + notRun + " not run\n");
}

// Reads typed lines until the end of input or EXIT; gives the exit code.
int RunSession(TerminalConsole& console, TerminalHost& host,
               const platform::TerminalDescriptors& fds, ShellContext& context) {
  const bool interactive = platform::IsTerminal(fds.input) && platform::IsTerminal(fds.output);
  LineEditor editor(fds.input, fds.output, host.history());
  std::size_t lineNumber = 0;
  for (;;) {
    if (host.closeRequested()) {
      if (CloseWithPrograms(false, console)) break;
      host.ResumeAfterClose();
      PrintPrompt(context);
    }
    // Key by key from before the prompt shows, so that nothing typed as it
    // appears (Ctrl+D included) is taken by the terminal's line mode.
    std::optional<platform::RawMode> raw;
    if (interactive) raw.emplace(fds.input);
    console.Flush();
    std::optional<std::u16string> line;
    if (interactive) {
      line = editor.ReadLine(console.LastLine());
      raw.reset();
    } else if (auto bytes = platform::ReadLine(fds.input)) {
      ++lineNumber;
      if (!bytes->empty() && bytes->back() == '\r') bytes->pop_back();
      platform::GuessedText typed = platform::DecodeUtf8OrAnsi(*bytes);
      if (!typed.ok()) {
        // What follows may depend on this line: the session ends here.
        console.Flush();
        if (!console.AtLineStart()) platform::WriteAll(fds.output, "\n");
        ReportUnreadable(fds.error, "line " + std::to_string(lineNumber) + " of the input", typed,
                         "it and the lines after it were");
        CloseWithPrograms(true, console);
        return kUnreadableInputExit;
      }
      line = std::move(typed.text);
    }
    if (platform::TerminationSignal() != 0) EndOnSignal(console);
    if (!line) {
      console.Flush();
      if (!console.AtLineStart()) platform::WriteAll(fds.output, "\n");
      CloseWithPrograms(true, console);
      break;
    }
    // The typed line joins the console as in the window; on a terminal the
    // editor has shown it already.
    console.SetMuted(interactive);
    PrintText(*line, kPrintNoLengthCheck);
    console.SetMuted(false);
    RunTypedLine(*line, context);
    if (!host.closeRequested()) PrintPrompt(context);
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

  ShellStartup startup;
  if (const platform::Status status = startup.OpenDevice(options.root); !status.ok()) {
    platform::WriteAll(fds.error, ShellStartup::DeviceFailureText(options.root, status));
    return 1;
  }

  TerminalConsole console(fds.output);
  TerminalHost host(fds, options.answer);
  host.SetConsole(&console);
  SetConsoleSurface(&console);
  SetHost(&host);
  Session().consoleColumns = options.columns;
  platform::InstallInterruptHandler();
  startup.Start();
  ShellContext context;
  InitContextDefaults(context);

  int exitCode = 0;
  if (options.command) {
    const platform::GuessedText command = platform::DecodeUtf8OrAnsi(*options.command);
    if (command.ok()) {
      // As `bash -c` reads no start-up file, -c runs no start-up batch file.
      RunTypedLine(command.text, context);
      console.Flush();
      if (!console.AtLineStart()) platform::WriteAll(fds.output, "\n");
      CloseWithPrograms(true, console);
      exitCode = static_cast<int>(GetErrorLevel(context));
    } else {
      ReportUnreadable(fds.error, "the command after -c", command, "it was");
      exitCode = kUnreadableInputExit;
    }
  } else {
    RunStartupBatch(context);
    exitCode = RunSession(console, host, fds, context);
  }
  console.Flush();
  startup.Finish();
  SetHost(nullptr);
  SetConsoleSurface(nullptr);
  return exitCode;
}

}  // namespace tessera::terminal
