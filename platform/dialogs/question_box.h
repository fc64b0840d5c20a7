// The Yes/No question shown for programs without a window of their own.
#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

namespace tessera::dialogs {

// A question box with the title and text, Yes and No, and No as the
// default, so that Enter or Escape alone never overwrites anything.
std::unique_ptr<QMessageBox> MakeQuestionBox(const QString& title, const QString& text);

// Shows the box until it is answered; true for Yes. Closing it any other
// way (Escape, the window's close button) counts as No.
bool AskQuestion(QMessageBox& box);

}  // namespace tessera::dialogs
