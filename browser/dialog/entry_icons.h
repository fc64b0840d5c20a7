// The pictures of the file list's icon numbers (browser/list_entry.h).
#pragma once

#include <QHash>
#include <QIcon>

namespace tessera::browser {

// The icon of an icon number: the desktop's icon for the kind of file, with
// a small arrow for a shortcut's form and a cross for a broken shortcut.
// A ghosted icon (an entry on the file clipboard) is drawn greyed. Each is
// drawn once per set.
class EntryIcons {
 public:
  QIcon Icon(int iconNumber, bool ghosted = false);

 private:
  QHash<int, QIcon> drawn_;
};

}  // namespace tessera::browser
