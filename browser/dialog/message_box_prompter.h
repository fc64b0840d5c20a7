// The file operations' questions as message boxes over a window.
#pragma once

#include "browser/prompts.h"

class QWidget;

namespace tessera::browser {

class MessageBoxPrompter : public Prompter {
 public:
  explicit MessageBoxPrompter(QWidget* parent) : parent_(parent) {}
  MessageBoxAnswer Ask(const MessageBoxRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace tessera::browser
