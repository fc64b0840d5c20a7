// TSXKF: converts a whole text file between the Japanese encodings and
// changes its line ends.
#pragma once

#include <functional>
#include <string>

#include "platform/tool_question.h"
#include "tools/common/tool_environment.h"
#include "tools/tsxkf/encodings.h"

namespace tessera::tools {

// The tool's message of an id (1 to 13).
std::u16string_view TsxkfMessage(int id);

// Asks a Yes/No question (message box titled "TSXKF").
using TsxkfQuestion = std::function<platform::QuestionAnswer(const std::u16string& text)>;

// The output bytes of a conversion: the input converted to SJIS and on to
// `output`, with the detected line ends replaced by `lineEnd` and the
// byte-order mark of UTF8 and UNICODE in front.
std::string ConvertForFile(std::string_view input, Encoding inputCode, Encoding output,
                           LineEnd lineEnd);

int RunTsxkf(const ToolContext& context, const TsxkfQuestion& ask);

}  // namespace tessera::tools
