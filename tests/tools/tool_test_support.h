// Running the tools' units on a fixed command line, directory and input.
#pragma once

#include <string>

#include "platform/text.h"
#include "tools/common/tool_environment.h"

namespace tessera::testing {

struct ToolCall {
  std::u16string commandLine;
  std::u16string directory;
  std::string standardInput;
  tools::StreamMode inputMode = tools::StreamMode::Utf8;
  int fileCodePage = 65001;
};

// The context of a call writing into `out`.
inline tools::ToolContext MakeToolContext(const ToolCall& call, tools::StringOutput& out) {
  tools::ToolContext context;
  context.commandLine = call.commandLine;
  context.directory = call.directory;
  context.fileCodePage = call.fileCodePage;
  context.inputMode = call.inputMode;
  const std::string input = call.standardInput;
  context.readStandardInput = [input]() -> platform::Result<std::string> { return input; };
  context.output = &out;
  return context;
}

inline std::string Utf8(const std::u16string& text) { return platform::Utf16ToUtf8(text); }

}  // namespace tessera::testing
