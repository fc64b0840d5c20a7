// Whether a paste may write a file or create a folder at a target path.
#pragma once

#include <string_view>

#include "browser/operation_context.h"

namespace tessera::browser {

enum class TargetKind { File, Folder };

// kDone when nothing is in the way, when an existing folder is to be
// merged with, or when the user lets an existing file be replaced (a
// read-only one loses that bit first). Otherwise the result that ends the
// entry: a file where a folder goes, a folder where a file goes, a
// read-only target or an existing file without prompting, No or Cancel.
ResultCode CheckTarget(OperationContext& context, std::u16string_view target, TargetKind kind);

}  // namespace tessera::browser
