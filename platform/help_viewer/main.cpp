// peghelp.exe [file:NAME[#ANCHOR]]: the device's help viewer. NAME is a
// page in the program's folder (or a device path); without one it opens
// the user guide.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "platform/device.h"
#include "platform/help_viewer/help_topic.h"
#include "platform/help_viewer/help_window.h"
#include "platform/standard_streams.h"

namespace {

constexpr char16_t kDefaultPage[] = u"file:TSXHELP.HTM#Main_Contents";

// Started by the shell, the viewer sees the shell's device.
void AttachToDevice() {
  const auto root = tessera::platform::EnvironmentValue("TESSERA_ROOT");
  if (!root || root->empty()) return;
  tessera::platform::DeviceOptions options;
  options.root = *root;
  options.shippedEntries.clear();
  options.systemEntries.clear();
  (void)tessera::platform::SetupDevice(options);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  QString screenshot;
  if (arguments.size() >= 2 && arguments.first() == QStringLiteral("--screenshot")) {
    screenshot = arguments.at(1);
    arguments = arguments.mid(2);
  }
  AttachToDevice();
  // The command line is one text, as the shell passes it; split words join again.
  const QString line =
      arguments.isEmpty() ? QString::fromUtf16(kDefaultPage) : arguments.join(u' ');
  const tessera::help::HelpTopic topic = tessera::help::ParseHelpCommandLine(line.toStdU16String());
  const auto path = tessera::help::HelpFileHostPath(topic, tessera::help::InstallFolderOfViewer());

  tessera::help::HelpWindow window;
  window.Open(path ? QString::fromStdString(*path) : QString::fromStdU16String(topic.file),
              QString::fromStdU16String(topic.anchor));
  window.show();
  if (!screenshot.isEmpty()) {
    QApplication::processEvents();
    return window.grab().save(screenshot) ? 0 : 1;
  }
  return QApplication::exec();
}
