#include "launch/external.h"

#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/scanner.h"

namespace tessera {

ResultCode RunExternalCommand(std::u16string_view commandLine, ShellContext& context) {
  (void)context;
  std::u16string_view text = SkipBlanks(commandLine);
  if (!text.empty() && text[0] == u'@') text = text.substr(1);
  // Resolving the word on the current directory and PATH comes with the
  // program launcher; no file can be run yet.
  ShowError(msg::kCommandNotFound);
  return kCommandNotFound;
}

}  // namespace tessera
