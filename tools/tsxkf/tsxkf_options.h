// The command line of TSXKF: options with their keywords, then the input
// and an optional output file.
#pragma once

#include <optional>
#include <string>

#include "tools/tsxkf/encodings.h"

namespace tessera::tools {

struct TsxkfOptions {
  bool usage = false;
  int errorMessage = 0;  // 9, 10 or 11 for a keyword that is no keyword
  Encoding input = kDetect;
  Encoding output = kSjis;
  LineEnd lineEnd = kNoLineEnd;
  std::u16string inputFile;
  std::optional<std::u16string> outputFile;
};

// A relative name is joined to the shell's directory and normalised; with
// no shell running (directory empty) it stays a host path as given.
TsxkfOptions ParseTsxkfCommandLine(std::u16string_view text, std::u16string_view directory);

}  // namespace tessera::tools
