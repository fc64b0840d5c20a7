#include "launch/help_viewer.h"

#include <string>

#include "platform/process.h"

namespace tessera {

bool ShowHelpPage(std::u16string_view page) {
  const std::u16string commandLine = u"file:" + std::u16string(page) + u"#Main_Contents";
  return platform::StartDetachedProgram(kHelpViewer, commandLine).ok();
}

}  // namespace tessera
