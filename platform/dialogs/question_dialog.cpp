// question.exe TITLE TEXT: a Yes/No dialog for programs without a window of
// their own (exit code 0 for Yes, 1 for No, 2 when no dialog can be shown).
#include <QApplication>

#include "platform/dialogs/question_box.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  QApplication application(argc, argv);
  const auto box =
      tessera::dialogs::MakeQuestionBox(QString::fromUtf8(argv[1]), QString::fromUtf8(argv[2]));
  return tessera::dialogs::AskQuestion(*box) ? 0 : 1;
}
