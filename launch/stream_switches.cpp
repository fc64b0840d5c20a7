#include "launch/stream_switches.h"

#include "shell/settings.h"

namespace tessera {

StreamSwitches& CurrentStreamSwitches() {
  static StreamSwitches switches;
  return switches;
}

void LoadStreamSwitches() {
  StreamSwitches& switches = CurrentStreamSwitches();
  switches.useStdin = ReadSettingInt(kSettingsSection, u"USE_STDIN", 1) != 0;
  switches.useStdout = ReadSettingInt(kSettingsSection, u"USE_STDOUT", 1) != 0;
  switches.useStderr = ReadSettingInt(kSettingsSection, u"USE_STDERR", 1) != 0;
}

}  // namespace tessera
