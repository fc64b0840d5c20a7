// The name the Save dialog proposes for a new log file.
#pragma once

#include <string>
#include <string_view>

namespace tessera::save {

inline constexpr int kLastLogNumber = 1023;

// "新規ログ(n).txt" with the first n from 1 for which no entry of that name
// exists in folder; the name with 1023 when every one does.
std::u16string ProposedLogName(std::u16string_view folder);

}  // namespace tessera::save
