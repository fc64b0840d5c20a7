#include "commands/current_directory_guard.h"

#include "platform/text.h"
#include "shell/paths.h"

namespace tessera {

bool IsCurrentDirectoryOrParent(ShellContext& context, std::u16string_view path) {
  const ContextValue* current = GetCurrentDirectoryValue(context);
  const std::u16string_view directory =
      current && current->value ? std::u16string_view(*current->value) : std::u16string_view();
  return platform::StartsWithNoCase(directory, path);
}

}  // namespace tessera
