#include "ui/window_main.h"

#include <QApplication>
#include <cstdio>

#include "launch/resting_files.h"
#include "launch/stream_switches.h"
#include "platform/device.h"
#include "shell/device_clock.h"
#include "shell/language_choice.h"
#include "shell/message_catalogue.h"
#include "shell/message_overrides.h"
#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/main_window.h"
#include "ui/tessera_view.h"
#include "ui/toolkit_translation.h"
#include "ui/window_options.h"

namespace tessera::ui {

namespace {

constexpr platform::StandardStream kStreams[] = {platform::StandardStream::Input,
                                                 platform::StandardStream::Output,
                                                 platform::StandardStream::Error};

void RestStandardStreams() {
  LoadStreamSwitches();
  const StreamSwitches& switches = CurrentStreamSwitches();
  if (switches.useStdin) RestStream(platform::StandardStream::Input);
  if (switches.useStdout) RestStream(platform::StandardStream::Output);
  if (switches.useStderr) RestStream(platform::StandardStream::Error);
}

// Types each line into the console and runs it, as the user would.
void RunLines(TesseraView& view, const QStringList& lines) {
  for (const QString& line : lines) {
    const std::u16string text(reinterpret_cast<const char16_t*>(line.utf16()),
                              static_cast<std::size_t>(line.size()));
    view.console()->ReplaceInput(text, true);
    view.RunCommandLine();
  }
}

}  // namespace

int WindowMain(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const ParsedWindowOptions parsed = ParseWindowOptions(arguments);
  if (!parsed.error.isEmpty()) {
    std::fprintf(
        stderr,
        "Tessera: %s\nusage: Tessera.exe [--root DIR] [--run LINE]... [--screenshot FILE]\n"
        "       Tessera.exe --tty ... (the terminal front end; see --help)\n",
        qPrintable(parsed.error));
    return 2;
  }
  const WindowOptions& options = parsed.options;
  platform::DeviceOptions deviceOptions;
  deviceOptions.root = options.root;
  if (const platform::Status status = platform::SetupDevice(deviceOptions); !status.ok()) {
    std::fprintf(stderr, "Tessera: cannot set up the device root (error %u)\n",
                 static_cast<unsigned>(status.error()));
    return 1;
  }
  ChooseStartupLanguage();
  ChooseProgramFileNames();
  InstallToolkitTranslation(app, CurrentUiLanguage());
  LoadDeviceClock();
  LoadMessageOverrides();
  Session().applicationTitle = ApplicationTitle().toStdU16String();
  // Between programs the standard streams rest on their files.
  RestStandardStreams();

  int exitCode = 0;
  {
    MainWindow window;
    window.show();
    window.view()->Start();
    RunLines(*window.view(), options.lines);
    if (!options.screenshot.isEmpty()) {
      QApplication::processEvents();
      exitCode = window.grab().save(options.screenshot) ? 0 : 1;
    } else {
      exitCode = QApplication::exec();
    }
  }
  for (auto stream : kStreams) ReleaseRestingFile(stream);
  FreeMessageTexts();
  return exitCode;
}

}  // namespace tessera::ui
