#include "browser/prompts.h"

#include "shell/format.h"
#include "shell/resources.h"

namespace tessera::browser {

namespace {

bool OffersAnswer(MessageBoxButtons buttons, MessageBoxAnswer answer) {
  switch (buttons) {
    case MessageBoxButtons::Ok:
      return answer == MessageBoxAnswer::Ok;
    case MessageBoxButtons::OkCancel:
      return answer == MessageBoxAnswer::Ok || answer == MessageBoxAnswer::Cancel;
    case MessageBoxButtons::YesNo:
      return answer == MessageBoxAnswer::Yes || answer == MessageBoxAnswer::No;
    case MessageBoxButtons::YesNoCancel:
      return answer != MessageBoxAnswer::Ok;
  }
  return false;
}

}  // namespace

MessageBoxAnswer PromptChannel::Ask(std::uint32_t id, const PromptStyle& style,
                                    std::u16string_view path) {
  const std::u16string message = FormatMessage(LoadResourceString(id), {path});
  MessageBoxRequest request;
  request.text = message;
  request.caption = caption_;
  request.buttons = style.buttons;
  request.icon = style.icon;
  request.defaultAnswer = style.defaultAnswer;
  const MessageBoxAnswer answer = prompter_.Ask(request);
  return OffersAnswer(style.buttons, answer) ? answer : style.defaultAnswer;
}

}  // namespace tessera::browser
