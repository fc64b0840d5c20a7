// Yes/No questions for programs without a window. An answer preset in
// TESSERA_ANSWER (yes or no; for scripts and tests) is taken first; else,
// with a display, a dialog (bin/question.exe beside the tool); else the
// controlling terminal when there is one; else the answer is No.
#pragma once

#include <optional>
#include <string_view>

namespace tessera::platform {

enum class QuestionAnswer { Yes, No };

QuestionAnswer AskToolQuestion(std::u16string_view title, std::u16string_view text);

// The answer a typed or preset text stands for: "y"/"yes" and "n"/"no" in
// any case, surrounding blanks ignored; none for anything else.
std::optional<QuestionAnswer> ParseAnswer(std::string_view text);

}  // namespace tessera::platform
