// Deleting a file or a whole folder tree, with the read-only question and
// the prompts of each step.
#pragma once

#include <string_view>

#include "browser/operation_context.h"

namespace tessera::browser {

// Deletes path and, for a folder, everything below it, in directory order.
// A missing path is kSourceMissing (told to the user only when not
// prompting, as the Delete command tells it itself). Questions (read-only
// entries) are asked when prompting, else a read-only entry is refused;
// failures are always told. A folder that keeps anything stays (kSkipped).
// Links are deleted as links, never followed.
ResultCode DeleteTree(OperationContext& context, std::u16string_view path);

}  // namespace tessera::browser
