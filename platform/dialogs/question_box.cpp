#include "platform/dialogs/question_box.h"

namespace tessera::dialogs {

std::unique_ptr<QMessageBox> MakeQuestionBox(const QString& title, const QString& text) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Question, title, text,
                                           QMessageBox::Yes | QMessageBox::No);
  box->setDefaultButton(QMessageBox::No);
  box->setEscapeButton(QMessageBox::No);
  return box;
}

bool AskQuestion(QMessageBox& box) { return box.exec() == QMessageBox::Yes; }

}  // namespace tessera::dialogs
