// Scroll mode, keeping the caret line and found text in view, and the
// commands that wait while a command runs.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <string>

#include "shell/output.h"
#include "test_suites.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/scroll_mode_keys.h"
#include "window_fixture.h"

using tessera::testing::U16;
using tessera::testing::WindowFixture;
using tessera::ui::ClassifyScrollModeKey;
using tessera::ui::ConsoleEdit;
using tessera::ui::ScrollModeKey;

namespace {

// Output lines "item 000", "item 001", ... through TYPE, then the prompt.
void FillOutput(WindowFixture& f, int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += QStringLiteral("item %1\r\n").arg(i, 3, 10, QChar(u'0')).toStdString();
  f.root().WriteHostFile(f.root().Host("\\items.txt"), text);
  f.TypeLine(QStringLiteral("type items.txt"));
}

void EnterScrollMode(WindowFixture& f) {
  f.Key(Qt::Key_Return);
  f.Key(Qt::Key_Return);
  QVERIFY(f.view()->scrollMode());
}

QAction* Item(QMenu* menu, const QString& text) {
  for (QAction* item : menu->actions()) {
    if (item->text() == text) return item;
  }
  return nullptr;
}

}  // namespace

class ViewRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void ScrollModeKeepsItsFirstLineAcrossAResizeAndABar() {
    WindowFixture f;
    f.window().resize(400, 400);
    FillOutput(f, 100);
    EnterScrollMode(f);
    for (int i = 0; i < 3; ++i) f.Key(Qt::Key_Up);
    const int top = f.console()->FirstVisiblePosition();
    QVERIFY(top > 0 && top < f.console()->inputStart());
    const QTextCursor selection = f.console()->textCursor();
    f.window().resize(300, 300);
    QApplication::processEvents();
    QCOMPARE(f.console()->FirstVisiblePosition(), top);
    QCOMPARE(f.console()->textCursor(), selection);
    // The soft key shows the function-key bar, which takes room from the
    // console: the same line stays at the top.
    f.view()->SoftKey();
    QApplication::processEvents();
    QVERIFY(!f.view()->functionKeyBar()->isHidden());
    QCOMPARE(f.console()->FirstVisiblePosition(), top);
    QVERIFY(f.view()->scrollMode());
    // Back in the console, paging down to the command line shows no caret.
    f.console()->setFocus();
    for (int i = 0; i < 20; ++i) f.Key(Qt::Key_Down);
    QTest::qWait(150);
    QVERIFY(!f.console()->caretShown());
    QVERIFY(f.view()->scrollMode());
  }

  void ScrollModeEndsOnlyWithTypingKeys() {
    // Letters, digits and the punctuation keys of 0xBA..0xC0 with either
    // of their symbols; not [ ] \ ' nor the keypad.
    for (const Qt::Key key :
         {Qt::Key_A, Qt::Key_Z, Qt::Key_0, Qt::Key_Exclam, Qt::Key_Semicolon, Qt::Key_Colon,
          Qt::Key_Plus, Qt::Key_Less, Qt::Key_Underscore, Qt::Key_Period, Qt::Key_Question,
          Qt::Key_QuoteLeft, Qt::Key_AsciiTilde, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab})
      QCOMPARE(ClassifyScrollModeKey(key, Qt::NoModifier), ScrollModeKey::End);
    for (const Qt::Key key : {Qt::Key_BracketLeft, Qt::Key_BracketRight, Qt::Key_Backslash,
                              Qt::Key_Apostrophe, Qt::Key_QuoteDbl, Qt::Key_Home, Qt::Key_Delete,
                              Qt::Key_Insert, Qt::Key_F1, Qt::Key_Shift, Qt::Key_Eacute})
      QCOMPARE(ClassifyScrollModeKey(key, Qt::NoModifier), ScrollModeKey::Swallow);
    QCOMPARE(ClassifyScrollModeKey(Qt::Key_5, Qt::KeypadModifier), ScrollModeKey::Swallow);
    QCOMPARE(ClassifyScrollModeKey(Qt::Key_Plus, Qt::KeypadModifier), ScrollModeKey::Swallow);
    QCOMPARE(ClassifyScrollModeKey(Qt::Key_Enter, Qt::KeypadModifier),
             ScrollModeKey::EndAndSwallow);
    QCOMPARE(ClassifyScrollModeKey(Qt::Key_Up, Qt::NoModifier), ScrollModeKey::PageUp);
    QCOMPARE(ClassifyScrollModeKey(Qt::Key_PageDown, Qt::NoModifier), ScrollModeKey::Deliver);

    WindowFixture f;
    EnterScrollMode(f);
    f.Key(Qt::Key_BracketLeft);
    f.Key(Qt::Key_Apostrophe);
    f.Key(Qt::Key_5, Qt::KeypadModifier);
    QVERIFY(f.view()->scrollMode());
    QCOMPARE(f.Input(), QString());
    f.Type(QStringLiteral(";"));
    QVERIFY(!f.view()->scrollMode());
    QCOMPARE(f.Input(), QStringLiteral(";"));
    // Ctrl+V ends scroll mode and pastes; Ctrl+A ends it and selects.
    f.view()->ClearCommandLine();
    EnterScrollMode(f);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    f.Key(Qt::Key_V, Qt::ControlModifier);
    QVERIFY(!f.view()->scrollMode());
    QCOMPARE(f.Input(), QStringLiteral("pasted"));
    f.view()->ClearCommandLine();
    EnterScrollMode(f);
    f.Key(Qt::Key_A, Qt::ControlModifier);
    QVERIFY(!f.view()->scrollMode());
    QVERIFY(f.console()->caretShown());
  }

  void TheCaretLineKeepsTwoLinesAboveAndOneBelow() {
    WindowFixture f;
    f.window().resize(320, 300);
    QApplication::processEvents();
    FillOutput(f, 60);
    // A command line wrapped over many lines, the caret at its start.
    f.console()->ReplaceInput(U16(QStringLiteral("word ").repeated(300)), true);
    f.Key(Qt::Key_Home);
    ConsoleEdit* console = f.console();
    const int caretLine = console->VisualLineOf(console->textCursor().position());
    const int visible = console->verticalScrollBar()->pageStep();
    QScrollBar* bar = console->verticalScrollBar();
    QVERIFY(bar->maximum() > caretLine + 2);
    bar->setValue(bar->maximum());
    QVERIFY(console->FirstVisibleLine() > caretLine);
    console->ShowCaret(true);
    QCOMPARE(console->FirstVisibleLine(), caretLine - 2);
    bar->setValue(0);
    console->ShowCaret(true);
    QCOMPARE(console->FirstVisibleLine(), caretLine - visible + 2);
    // Already in view: nothing moves.
    console->ShowCaret(true);
    QCOMPARE(console->FirstVisibleLine(), caretLine - visible + 2);
  }

  void AMatchThatNeedsScrollingStandsThreeLinesBelowTheTop() {
    WindowFixture f;
    f.window().resize(400, 300);
    FillOutput(f, 100);
    QLineEdit* edit = f.view()->findBar()->edit();
    f.view()->ShowFindBar(true);
    edit->setText(QStringLiteral("item 010"));
    QTest::keyClick(edit, Qt::Key_Up);
    const int found = f.console()->textCursor().selectionStart();
    QCOMPARE(f.console()->textCursor().selectedText(), QStringLiteral("item 010"));
    QCOMPARE(f.console()->FirstVisibleLine(), f.console()->VisualLineOf(found) - 3);
    // A match already in view: the view stays where it is.
    const int top = f.console()->FirstVisibleLine();
    edit->setText(QStringLiteral("item 012"));
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(f.console()->textCursor().selectedText(), QStringLiteral("item 012"));
    QCOMPARE(f.console()->FirstVisibleLine(), top);
  }

  void MenusAndTheirShortcutsWaitForTheRunningCommand() {
    WindowFixture f;
    std::string lines;
    for (int i = 0; i < 100000; ++i) lines += "line " + std::to_string(i) + "\r\n";
    f.root().WriteHostFile(f.root().Host("\\big.txt"), lines);
    QMenu* menu = f.window().menuKey()->menu();
    QMenu* view = Item(menu, QStringLiteral("&View"))->menu();
    bool findShown = true;
    int font = -1;
    int enabledItems = -1;
    QTimer::singleShot(0, f.console(), [&] {
      QTest::keyClick(f.console(), Qt::Key_F, Qt::ControlModifier);
      QTest::keyClick(f.console(), Qt::Key_3, Qt::ControlModifier);
      findShown = !f.view()->findBar()->isHidden();
      font = f.view()->fontIndex();
      emit menu->aboutToShow();
      emit view->aboutToShow();
      enabledItems = 0;
      for (QMenu* shown : {menu, view}) {
        for (QAction* item : shown->actions())
          if (!item->isSeparator() && !item->menu() && item->isEnabled()) ++enabledItems;
      }
      QTest::keyClick(f.console(), Qt::Key_C, Qt::ControlModifier);
    });
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box->button(QMessageBox::Yes)->click();
    });
    answer.start();
    f.TypeLine(QStringLiteral("type big.txt"));
    answer.stop();
    QVERIFY(!findShown);
    QCOMPARE(font, 1);
    QCOMPARE(enabledItems, 0);
    // Once the prompt is back the same keys work (the offscreen platform
    // gives no window the activation back after the question box).
    QApplication::setActiveWindow(&f.window());
    f.Key(Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(f.view()->fontIndex(), 2);
    emit menu->aboutToShow();
    QVERIFY(Item(menu, QStringLiteral("&Find...\tCtrl+F"))->isEnabled());
  }

  void FindWrapCopyAndDeleteFollowTheConsoleRules() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("echo alpha"));
    const int at = static_cast<int>(f.Text().indexOf(QStringLiteral("\nalpha")) + 1);
    f.console()->SetSelection(f.console()->SurfaceIndexOf(at), f.console()->SurfaceIndexOf(at + 5));
    f.view()->Find();
    QLineEdit* edit = f.view()->findBar()->edit();
    QCOMPARE(edit->text(), QStringLiteral("alpha"));
    // With nothing selected the bar starts empty.
    f.view()->ShowFindBar(false);
    f.view()->Find();
    QCOMPARE(edit->text(), QString());
    // Switching word wrap from the find bar ends in the console.
    QVERIFY(edit->hasFocus());
    f.view()->SetWordWrap(false);
    QVERIFY(f.console()->hasFocus());
    QVERIFY(!f.view()->title().startsWith(QStringLiteral("Find: ")));
    // Copy to Command Line with no output selected brings the clipboard's
    // text as one line, and the clipboard keeps it so.
    QApplication::clipboard()->setText(QStringLiteral("one\r\ntwo\n"));
    f.view()->CopyToCommandLine();
    QCOMPARE(f.Input(), QStringLiteral("onetwo"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("onetwo"));
    // Delete is offered only for a selection that reaches the command line.
    QMenu* editMenu = Item(f.window().menuKey()->menu(), QStringLiteral("&Edit"))->menu();
    QAction* remove = Item(editMenu, QStringLiteral("&Delete"));
    f.console()->GoToCaret();
    emit editMenu->aboutToShow();
    QVERIFY(!remove->isEnabled());
    f.Key(Qt::Key_Left, Qt::ShiftModifier);
    emit editMenu->aboutToShow();
    QVERIFY(remove->isEnabled());
    remove->trigger();
    QCOMPARE(f.Input(), QStringLiteral("onetw"));
  }
};

int RunViewRuleTests(int argc, char** argv) {
  ViewRulesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "view_rules_test.moc"
