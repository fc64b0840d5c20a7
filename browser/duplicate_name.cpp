#include "browser/duplicate_name.h"

#include "browser/browser_paths.h"
#include "platform/files.h"
#include "shell/format.h"

namespace tessera::browser {

namespace {
constexpr std::u16string_view kFirstCopy = u"コピー ～ %s";
constexpr std::u16string_view kNumberedCopy = u"コピー(%d) ～ %s";
}  // namespace

DuplicateName ChooseDuplicateName(OperationContext& context, std::u16string_view folder,
                                  std::u16string_view name, std::u16string_view sourcePath) {
  std::u16string candidate = FormatMessage(kFirstCopy, {name});
  for (int number = 2; platform::PathExists(ChildPath(folder, candidate)); ++number) {
    if (number > kLastDuplicateNumber) {
      if (!context.prompting) return {kNoFreeName, {}};
      return {context.OkOrCancel(text::kNamingLimit, sourcePath, kNoFreeName), {}};
    }
    candidate = FormatMessage(kNumberedCopy, {number, name});
  }
  return {kDone, candidate};
}

}  // namespace tessera::browser
