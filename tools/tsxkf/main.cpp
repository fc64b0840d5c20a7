// TSXKF.exe: converts a text file between Japanese encodings.
#include "platform/tool_question.h"
#include "tools/tsxkf/tsxkf_tool.h"

int main(int argc, char** argv) {
  tessera::tools::StandardOutput output;
  const auto context = tessera::tools::ProcessToolContext(argc, argv, output);
  return tessera::tools::RunTsxkf(context, [](const std::u16string& text) {
    return tessera::platform::AskToolQuestion(u"TSXKF", text);
  });
}
