// The interpreter's questions and messages as the window's message boxes.
#pragma once

#include "shell/host.h"

class QWidget;

namespace tessera::ui {

// Shows the box over parent and gives the button chosen; a box closed
// without a button gives its escape answer.
MessageBoxAnswer AskWithMessageBox(QWidget* parent, const MessageBoxRequest& request);

}  // namespace tessera::ui
