// Starting the device's help viewer on one of the program's help pages.
#pragma once

#include <string_view>

namespace tessera {

// The viewer every help command starts.
inline constexpr std::u16string_view kHelpViewer = u"\\Windows\\peghelp.exe";
// The user guide and the command reference beside the program.
inline constexpr std::u16string_view kUserGuidePage = u"TSXHELP.HTM";
inline constexpr std::u16string_view kCommandReferencePage = u"TSXREF.HTM";

// Starts the help viewer on the page's contents ("file:PAGE#Main_Contents")
// and goes on without waiting for it; false when it could not be started.
bool ShowHelpPage(std::u16string_view page);

}  // namespace tessera
