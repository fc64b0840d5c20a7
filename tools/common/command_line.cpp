#include "tools/common/command_line.h"

#include <charconv>

#include "platform/standard_streams.h"
#include "platform/text.h"

namespace tessera::tools {

std::u16string JoinArguments(const std::vector<std::string>& arguments) {
  std::u16string text;
  for (const auto& argument : arguments) {
    if (!text.empty()) text += u' ';
    const std::u16string wide = platform::HostBytesToWide(argument);
    // A host path such as /tmp/a.txt would read as an option letter; quoted,
    // it is a name.
    const bool hostPath =
        wide.size() > 1 && wide[0] == u'/' && wide.find(u'/', 1) != std::u16string::npos;
    const bool blanks = wide.find_first_of(u" \t") != std::u16string::npos;
    const bool quote =
        wide.empty() || ((hostPath || blanks) && wide.find(u'"') == std::u16string::npos);
    if (quote) {
      text += u'"' + wide + u'"';
    } else {
      text += wide;
    }
  }
  return text;
}

std::u16string SelectCommandLine(const std::optional<std::string>& shellText,
                                 const std::optional<std::string>& shellPid, long parentPid,
                                 const std::vector<std::string>& arguments) {
  if (shellText && shellPid) {
    long pid = 0;
    const char* begin = shellPid->data();
    const char* end = begin + shellPid->size();
    const auto [stop, ec] = std::from_chars(begin, end, pid);
    if (ec == std::errc() && stop == end && pid == parentPid) {
      return platform::HostBytesToWide(*shellText);
    }
  }
  return JoinArguments(arguments);
}

std::u16string ToolCommandLine(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return SelectCommandLine(platform::EnvironmentValue("TESSERA_CMDLINE"),
                           platform::EnvironmentValue("TESSERA_SHELL_PID"),
                           platform::ParentProcessId(), arguments);
}

}  // namespace tessera::tools
