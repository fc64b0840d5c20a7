// The question box of programs without a window, shown and answered with
// real key and mouse events on the offscreen platform.
#include "platform/dialogs/question_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "tools/tsxkf/tsxkf_tool.h"

using tessera::dialogs::AskQuestion;
using tessera::dialogs::MakeQuestionBox;

namespace {

// The question TSXKF asks before it overwrites an output file.
const QString kTitle = QStringLiteral("TSXKF");
const QString kText =
    QString::fromStdU16String(std::u16string(tessera::tools::TsxkfMessage(5)) + u"/tmp/out.txt");

// Asks the box, answering with `answer` once the box is on screen; what
// the box showed then is kept for the checks.
struct Asked {
  bool yes = false;
  bool wasVisible = false;
  bool timedOut = false;  // the answer never reached the box
  QString title;
  QString text;
};

Asked AskAndAnswer(const std::function<void(QMessageBox&)>& answer) {
  const auto box = MakeQuestionBox(kTitle, kText);
  Asked asked;
  QTimer::singleShot(0, box.get(), [&] {
    asked.wasVisible = box->isVisible();
    asked.title = box->windowTitle();
    asked.text = box->text();
    answer(*box);
  });
  QTimer::singleShot(10000, box.get(), [&] {
    asked.timedOut = true;
    box->done(QMessageBox::Cancel);
  });
  asked.yes = AskQuestion(*box);
  return asked;
}

void Click(QMessageBox& box, QMessageBox::StandardButton which) {
  QTest::mouseClick(box.button(which), Qt::LeftButton);
}

}  // namespace

class QuestionBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheTitleTextAndBothButtons() {
    const auto box = MakeQuestionBox(kTitle, kText);
    QCOMPARE(box->windowTitle(), kTitle);
    QCOMPARE(box->text(), kText);
    QCOMPARE(box->icon(), QMessageBox::Question);
    QVERIFY(box->button(QMessageBox::Yes) != nullptr);
    QVERIFY(box->button(QMessageBox::No) != nullptr);
    QCOMPARE(box->buttons().size(), 2);
  }

  void YesClickedIsYes() {
    const Asked asked = AskAndAnswer([](QMessageBox& box) { Click(box, QMessageBox::Yes); });
    QVERIFY(asked.wasVisible);
    QVERIFY(!asked.timedOut);
    QCOMPARE(asked.title, kTitle);
    QCOMPARE(asked.text, kText);
    QVERIFY(asked.yes);
  }

  void NoClickedIsNo() {
    const Asked asked = AskAndAnswer([](QMessageBox& box) { Click(box, QMessageBox::No); });
    QVERIFY(asked.wasVisible);
    QVERIFY(!asked.timedOut);
    QVERIFY(!asked.yes);
  }

  void EscapeIsNo() {
    const Asked asked =
        AskAndAnswer([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QVERIFY(asked.wasVisible);
    QVERIFY(!asked.timedOut);
    QVERIFY(!asked.yes);
  }

  // Enter takes the default button, which is No: a stray key overwrites
  // nothing.
  void EnterTakesTheDefaultNo() {
    const Asked asked =
        AskAndAnswer([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
    QVERIFY(asked.wasVisible);
    QVERIFY(!asked.timedOut);
    QVERIFY(!asked.yes);
  }

  // The same box answers Yes from the keyboard once Yes has the focus.
  void SpaceOnYesIsYes() {
    const Asked asked = AskAndAnswer([](QMessageBox& box) {
      QAbstractButton* yes = box.button(QMessageBox::Yes);
      yes->setFocus();
      QTest::keyClick(yes, Qt::Key_Space);
    });
    QVERIFY(!asked.timedOut);
    QVERIFY(asked.yes);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QuestionBoxTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "question_box_test.moc"
