#include "browser/dialog/message_box_prompter.h"

#include "ui/host_message_box.h"

namespace tessera::browser {

MessageBoxAnswer MessageBoxPrompter::Ask(const MessageBoxRequest& request) {
  return ui::AskWithMessageBox(parent_, request);
}

}  // namespace tessera::browser
