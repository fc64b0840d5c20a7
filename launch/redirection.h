// The redirections of a command's argument text: < file, > file, >> file
// and a final &.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/shell_context.h"

namespace tessera {

// Longest target name taken, in UTF-16 units; longer ones are ignored.
inline constexpr std::size_t kMaxRedirectTarget = 259;

struct RedirectSpec {
  std::u16string inputPath;     // absolute; empty: no input redirection
  std::u16string outputPath;    // absolute; empty: output not redirected
  bool append = false;          // the last output redirection was >>
  bool background = false;      // the text ended with &
  std::u16string argumentText;  // the text without its redirections
};

// Takes the redirections out of the argument text. Runs of blanks become
// one blank; an unquoted target runs to the end or to the next | < > &,
// blanks included; relative targets are joined to the current directory.
RedirectSpec ParseRedirections(std::u16string_view arguments, ShellContext& context);

}  // namespace tessera
