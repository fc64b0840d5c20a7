// Finding out a file's encoding and the kind of its line ends.
#pragma once

#include <string_view>

#include "tools/tsxkf/encodings.h"

namespace tessera::tools {

bool IsValidUtf8(std::string_view data, bool* hasMultiByte = nullptr);
bool IsValidShiftJis(std::string_view data);
bool IsValidEucJp(std::string_view data);

// UTF8 (with its mark), UTF8N, ASCII, UNICODE, JIS, SJIS, EUC or unknown.
Encoding DetectEncoding(std::string_view data);

// The line ends most of the data uses (CR LF pairs also in UTF-16).
LineEnd DetectLineEnd(std::string_view data);

}  // namespace tessera::tools
