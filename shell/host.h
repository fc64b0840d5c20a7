// What the interpreter needs of the user interface while a command runs.
#pragma once

#include <cstdint>
#include <string_view>

namespace tessera {

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageBoxIcon { None, Information, Question, Warning, Error };
enum class MessageBoxAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
  std::u16string_view text;
  std::u16string_view caption;
  MessageBoxButtons buttons = MessageBoxButtons::Ok;
  MessageBoxIcon icon = MessageBoxIcon::None;
  // The answer taken when the user just confirms (Enter) or none can be asked.
  MessageBoxAnswer defaultAnswer = MessageBoxAnswer::Ok;
};

class Host {
 public:
  virtual ~Host() = default;
  // Lets the user interface handle what is pending (input, repaint, Stop).
  virtual void PumpEvents() = 0;
  // Asks the user; blocks until answered.
  virtual MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) = 0;
  // Adds a line to the command history.
  virtual void AddToHistory(std::u16string_view line) = 0;
  // Closes the application once the current line has finished.
  virtual void CloseApplication() = 0;
  // Plays a system sound of the given type.
  virtual void Beep(std::uint32_t soundType) = 0;
};

}  // namespace tessera
