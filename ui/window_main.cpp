#include "ui/window_main.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSocketNotifier>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "browser/browser_settings.h"
#include "platform/single_instance.h"
#include "platform/termination.h"
#include "shell/language_choice.h"
#include "shell/startup.h"
#include "ui/console_edit.h"
#include "ui/first_start_fonts.h"
#include "ui/later_start_listener.h"
#include "ui/main_window.h"
#include "ui/tessera_view.h"
#include "ui/toolkit_translation.h"
#include "ui/window_options.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

// Types each line into the console and runs it, as the user would.
void RunLines(TesseraView& view, const std::vector<std::u16string>& lines) {
  for (const std::u16string& line : lines) {
    view.console()->ReplaceInput(line, true);
    view.RunCommandLine();
  }
}

// What the window keeps when the session is ended by a signal: what closing
// and the view's end would store.
void StoreWindowState(MainWindow& window) {
  window.StoreBarSettings();
  StoreWindowSetting(u"FONT_SIZE", window.view()->fontIndex());
  StoreWindowSetting(u"TEXT_WORD_WRAP", window.view()->wordWrap() ? 1 : 0);
}

}  // namespace

int WindowMain(int argc, char** argv) {
  QApplication app(argc, argv);
  // The desktop entry and icon an installed copy puts into the menu.
  QGuiApplication::setDesktopFileName(QStringLiteral("tessera"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tessera")));
  // The bytes bash gave (the toolkit has taken its own options out of argv):
  // a host path or a line to run is not passed through a guess at its text.
  const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
  const ParsedWindowOptions parsed = ParseWindowOptions(arguments);
  if (!parsed.error.empty()) {
    std::fprintf(
        stderr,
        "Tessera: %s\nusage: Tessera.exe [--root DIR] [--run LINE]... [--screenshot FILE]\n"
        "       Tessera.exe --tty ... (the terminal front end; see --help)\n",
        parsed.error.c_str());
    return 2;
  }
  const WindowOptions& options = parsed.options;
  ShellStartup startup;
  if (const platform::Status status = startup.OpenDevice(options.root); !status.ok()) {
    std::fputs(ShellStartup::DeviceFailureText(options.root, status).c_str(), stderr);
    return 1;
  }
  // One window per device: a later start brings the first one to the front.
  // A screenshot is a picture of a fresh window, never a hand-over.
  std::optional<platform::WindowInstance> instance;
  if (options.screenshot.empty()) {
    instance.emplace(platform::WindowInstance::Claim());
    if (instance->outcome() == platform::WindowInstance::Outcome::HandedOver) return 0;
  }
  // The first start's stream check may take a moment.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  startup.Start();
  QApplication::restoreOverrideCursor();
  InstallToolkitTranslation(app, CurrentUiLanguage());
  browser::LoadBrowserSettings();
  StoreFirstStartFonts();

  int exitCode = 0;
  {
    MainWindow window;
    if (instance) new LaterStartListener(*instance, window);
    // SIGTERM and SIGHUP (a kill, a logout) end the session as Exit does.
    if (const int ending = platform::TerminationDescriptor(); ending >= 0) {
      auto* notifier = new QSocketNotifier(ending, QSocketNotifier::Read, &window);
      QObject::connect(notifier, &QSocketNotifier::activated, &window,
                       [&window] { EndSessionOnSignal([&window] { StoreWindowState(window); }); });
    }
    window.show();
    QApplication::processEvents();
    window.view()->RunStartupBatch();
    RunLines(*window.view(), options.lines);
    if (!options.screenshot.empty()) {
      QApplication::processEvents();
      exitCode = window.grab().save(QFile::decodeName(options.screenshot.c_str())) ? 0 : 1;
    } else {
      exitCode = QApplication::exec();
    }
  }
  (void)browser::StoreBrowserSettings();
  startup.Finish();
  return exitCode;
}

}  // namespace tessera::ui
