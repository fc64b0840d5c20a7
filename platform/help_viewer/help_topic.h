// What the help viewer is asked to show: a command line "file:NAME#ANCHOR"
// (the form the shell's help commands use), NAME relative to the program's
// folder unless it is a device path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessera::help {

struct HelpTopic {
  std::u16string file;    // as given: a name in the program's folder, or a device path
  std::u16string anchor;  // empty: the top of the page
};

// Reads the command line: an optional "file:" (any case), the file, an
// optional "#anchor"; quotes around the whole are dropped. An empty line
// gives an empty file.
HelpTopic ParseHelpCommandLine(std::u16string_view commandLine);

// Host path of the topic's file: a device path through the device (when
// one is set up); a name in the program's folder on the device when it is
// there, else in installFolder (the host folder the program was installed
// in). None for an empty name or one that leaves its folder.
std::optional<std::string> HelpFileHostPath(const HelpTopic& topic,
                                            const std::string& installFolder);

// The host folder the program's files were installed in: the folder of the
// running viewer, or its parent when that folder is bin/.
std::string InstallFolderOfViewer();

}  // namespace tessera::help
