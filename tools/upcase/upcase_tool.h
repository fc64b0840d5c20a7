// upcase: a file or standard input copied to standard output in upper case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/common/tool_environment.h"

namespace tessera::tools {

struct UpcaseOptions {
  bool usage = false;    // /H
  bool unicode = false;  // /U
  std::optional<std::u16string> file;
};

// Scanned as sort scans: options, then the rest is the file name.
UpcaseOptions ParseUpcaseCommandLine(std::u16string_view text, std::u16string_view directory);

// Every character upper-cased, line ends included.
std::u16string UpcaseText(std::u16string_view text);

int RunUpcase(const ToolContext& context);

}  // namespace tessera::tools
