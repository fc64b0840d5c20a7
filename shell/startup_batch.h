// The start-up batch file: AUTOEXEC.BAT in the program's folder, offered
// once and remembered in the start-up record, run in the session's own
// context when the front end first shows its prompt.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessera {

// Program strings: the offer to run the file found, and the file gone.
inline constexpr std::uint32_t kStringStartupOffer = 35000;
inline constexpr std::uint32_t kStringStartupMissing = 35001;

// The default start-up file: AUTOEXEC.BAT in the program's folder.
std::u16string DefaultStartupBatch();

// What CALL gets for the file: "/I path", the path quoted when it holds a
// blank; /I keeps what the file sets in the session.
std::u16string StartupBatchArgument(std::u16string_view path);

// Reads the start-up record and asks what it leaves open (offering the
// default file when there is no choice yet, writing the record on Yes;
// telling when the chosen file is gone). Gives the CALL argument of the
// file to run now, or none.
std::optional<std::u16string> ChooseStartupBatch();

}  // namespace tessera
