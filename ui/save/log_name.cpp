#include "ui/save/log_name.h"

#include "browser/browser_paths.h"
#include "platform/files.h"
#include "shell/format.h"

namespace tessera::save {

namespace {

std::u16string LogName(int number) { return FormatMessage(u"新規ログ(%d).txt", {number}); }

}  // namespace

std::u16string ProposedLogName(std::u16string_view folder) {
  for (int number = 1; number < kLastLogNumber; ++number) {
    std::u16string name = LogName(number);
    if (!platform::PathExists(browser::ChildPath(folder, name))) return name;
  }
  return LogName(kLastLogNumber);
}

}  // namespace tessera::save
