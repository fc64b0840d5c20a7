// The main frame's own commands: Options, About, the two help pages, the
// recently used files, the find bar's soft keys and Undo.
#pragma once

#include <cstdint>

class QMenu;

namespace tessera::ui {

class CommandSet;
class MainWindow;
class RecentFileList;

// Command identifiers of the frame.
inline constexpr std::uint32_t kOptionsCommand = 37004;
inline constexpr std::uint32_t kAboutCommand = 57664;
inline constexpr std::uint32_t kHelpContentsCommand = 57666;
inline constexpr std::uint32_t kCommandReferenceCommand = 37020;
inline constexpr std::uint32_t kFirstRecentFileCommand = 57616;
// The find bar's soft keys: search on in the bar's direction; search the
// other way, which becomes the bar's direction.
inline constexpr std::uint32_t kFindOn = 32811;
inline constexpr std::uint32_t kFindReversed = 32813;
inline constexpr std::uint32_t kUndoCommand = 57643;

void AddFrameCommands(CommandSet& commands, MainWindow& window);

// The recently used files in the main menu, above Exit; items without an
// entry are hidden.
void AddRecentFileItems(QMenu* mainMenu, CommandSet& commands, const RecentFileList& recent);

}  // namespace tessera::ui
