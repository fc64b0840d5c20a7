// The console's fonts at the first start: when no font has a face yet, all
// four get the face the resource module names (string 30044), or "Tahoma"
// when that face is not installed. (Where the stored face is missing, the
// console draws in an installed face that holds Japanese and Chinese.)
#pragma once

namespace tessera::ui {

// True when the faces were stored now.
bool StoreFirstStartFonts();

}  // namespace tessera::ui
