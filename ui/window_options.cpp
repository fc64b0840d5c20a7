#include "ui/window_options.h"

#include "platform/codepage.h"

namespace tessera::ui {

ParsedWindowOptions ParseWindowOptions(const std::vector<std::string>& arguments) {
  ParsedWindowOptions parsed;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    std::string name = arg;
    std::optional<std::string> value;
    if (const std::size_t equals = arg.find('=');
        arg.starts_with("--") && equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    if (name != "--root" && name != "--run" && name != "--screenshot") {
      parsed.error = "unknown option: " + arg;
      return parsed;
    }
    if (!value) {
      if (i + 1 >= arguments.size()) {
        parsed.error = name + " needs a value";
        return parsed;
      }
      value = arguments[++i];
    }
    if (name == "--root") {
      if (value->empty()) {
        parsed.error = "--root needs a directory";
        return parsed;
      }
      parsed.options.root = *value;
    } else if (name == "--run") {
      platform::GuessedText line = platform::DecodeUtf8OrAnsi(*value);
      if (!line.ok()) {
        parsed.error = "the line after --run cannot be read: the byte at offset " +
                       std::to_string(line.undecodable) + " is neither UTF-8 nor code page " +
                       std::to_string(line.codePage) + "; nothing was run";
        return parsed;
      }
      parsed.options.lines.push_back(std::move(line.text));
    } else {
      parsed.options.screenshot = *value;
    }
  }
  return parsed;
}

}  // namespace tessera::ui
