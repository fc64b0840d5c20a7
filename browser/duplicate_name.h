// Names for copies pasted into their own folder: "コピー ～ name", then
// "コピー(2) ～ name" and on up to 4095.
#pragma once

#include <string>
#include <string_view>

#include "browser/operation_context.h"

namespace tessera::browser {

inline constexpr int kLastDuplicateNumber = 4095;

struct DuplicateName {
  ResultCode result = kDone;
  std::u16string name;  // free in the folder when result is kDone
};

// The first duplicate name of `name` that is free in folder. When every
// number is taken the result is kNoFreeName, after telling the user with
// sourcePath when prompting (Cancel gives kCancelled).
DuplicateName ChooseDuplicateName(OperationContext& context, std::u16string_view folder,
                                  std::u16string_view name, std::u16string_view sourcePath);

}  // namespace tessera::browser
