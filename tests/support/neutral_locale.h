// The locale a test gives a shell it starts: none, so that the shell keeps
// its built-in Japanese messages and chooses no language library, whatever
// the locale of the machine the tests run on.
#pragma once

#include <stdlib.h>

namespace tessera::testing {

// Call in the child, before it starts the shell.
inline void UseNeutralLocale() {
  setenv("LC_ALL", "", 1);
  setenv("LC_MESSAGES", "", 1);
  setenv("LANG", "C.UTF-8", 1);
}

}  // namespace tessera::testing
