#include "browser/file_operations.h"

#include "browser/paste_engine.h"
#include "browser/tree_delete.h"

namespace tessera::browser {

FileOperations::FileOperations(Prompter& prompter, std::u16string caption, FileSystemCalls& calls)
    : prompts_(prompter, std::move(caption)), calls_(calls) {}

ResultCode FileOperations::Paste(FileClipboard& clipboard, std::u16string_view destination,
                                 bool prompting) {
  OperationContext context{prompts_, calls_, prompting};
  PasteEngine engine(context, clipboard);
  const ResultCode result = engine.Run(destination);
  // A refused paste keeps the cut set for a paste elsewhere.
  if (clipboard.mode == ClipboardMode::Cut && engine.reachedEntries()) clipboard.DropSet();
  return result;
}

ResultCode FileOperations::DeleteTree(std::u16string_view path, bool prompting) {
  OperationContext context{prompts_, calls_, prompting};
  return browser::DeleteTree(context, path);
}

}  // namespace tessera::browser
