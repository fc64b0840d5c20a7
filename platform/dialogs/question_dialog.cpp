// question.exe TITLE TEXT: a Yes/No dialog for programs without a window of
// their own (exit code 0 for Yes, 1 for No, 2 when no dialog can be shown).
#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  QApplication application(argc, argv);
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(argv[1]), QString::fromUtf8(argv[2]),
                  QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes ? 0 : 1;
}
