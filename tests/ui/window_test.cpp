// The window driven with real key and mouse events on the offscreen platform.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <memory>

#include "shell/output.h"
#include "shell/settings.h"
#include "support/temp_root.h"
#include "test_suites.h"
#include "ui/console_edit.h"
#include "ui/console_search.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/main_window.h"
#include "ui/open_command.h"
#include "ui/tessera_view.h"
#include "ui/window_settings.h"
#include "window_fixture.h"

using tessera::testing::Q;
using tessera::testing::U16;
using tessera::testing::WindowFixture;
using tessera::ui::ConsoleEdit;
using tessera::ui::MainWindow;
using tessera::ui::TesseraView;

// The console surface in CR LF units against the editor's blocks.
class ConsoleSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void LineEndsCountTwoUnits() {
    ConsoleEdit console;
    console.ReplaceSelection(u"ab\r\ncd\r\n");
    QCOMPARE(console.TextLength(), std::size_t{8});
    QCOMPARE(console.LineCount(), std::size_t{3});
    QCOMPARE(console.LineIndex(0), std::size_t{0});
    QCOMPARE(console.LineIndex(1), std::size_t{4});
    QCOMPARE(console.LineIndex(2), std::size_t{8});
    QCOMPARE(console.LineIndex(7), std::size_t{8});
    console.SetSelection(4, 6);
    QCOMPARE(console.textCursor().selectedText(), QStringLiteral("cd"));
    // Between CR and LF stands for the end of the first line.
    console.SetSelection(3, 3);
    QCOMPARE(console.textCursor().position(), 2);
    for (std::size_t index : {0u, 2u, 4u, 5u, 8u}) {
      QCOMPARE(console.SurfaceIndexOf(console.PositionOf(index)), index);
    }
  }

  void ReplacingSpansLinesAndDropsLoneCarriageReturns() {
    ConsoleEdit console;
    console.ReplaceSelection(u"one\r\ntwo\r\nthree");
    console.SetSelection(2, 7);  // "e\r\ntw"
    console.ReplaceSelection(u"X\rY\r\nZ");
    QCOMPARE(console.toPlainText(), QStringLiteral("onXY\nZo\nthree"));
    QCOMPARE(console.TextLength(), std::size_t{15});
    QCOMPARE(console.LineIndex(2), std::size_t{10});
    console.SetSelection(100, 200);
    QCOMPARE(console.textCursor().position(), console.DocumentLength());
  }

  void WritersTrimTheOldestLines() {
    ConsoleEdit console;
    tessera::SetConsoleSurface(&console);
    for (int i = 0; i < 3000; ++i)
      tessera::PrintLine(U16(QStringLiteral("line %1 of the output").arg(i)));
    tessera::SetConsoleSurface(nullptr);
    QVERIFY(console.TextLength() < tessera::kConsoleTextLimit);
    const QString text = console.toPlainText();
    QVERIFY(text.endsWith(QStringLiteral("line 2999 of the output\n")));
    QVERIFY(!text.contains(QStringLiteral("line 0 of")));
    // Every line is whole after the trim.
    QVERIFY(text.startsWith(QStringLiteral("line ")));
  }
};

class ConsoleEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void BackspaceStopsAtTheInputStart() {
    WindowFixture f;
    const QString prompt = f.Text();
    QVERIFY(!prompt.isEmpty());
    f.Type(QStringLiteral("ab"));
    for (int i = 0; i < 4; ++i) f.Key(Qt::Key_Backspace);
    QCOMPARE(f.Text(), prompt);
    QCOMPARE(f.Input(), QString());
    // Left at the input start does not leave the command line either.
    f.Key(Qt::Key_Left);
    f.Type(QStringLiteral("x"));
    QCOMPARE(f.Text(), prompt + QStringLiteral("x"));
  }

  void PasteJoinsLinesWithOneBlank() {
    WindowFixture f;
    QApplication::clipboard()->setText(QStringLiteral("one\r\ntwo"));
    f.Type(QStringLiteral("echo "));
    f.Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.Input(), QStringLiteral("echo one two"));
    QApplication::clipboard()->setText(QStringLiteral("a\nb"));
    f.Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.Input(), QStringLiteral("echo one twoa b"));
  }

  void TypingWhileOutputIsSelectedGoesToTheCaret() {
    WindowFixture f;
    const QString prompt = f.Text();
    f.Type(QStringLiteral("abc"));
    f.Key(Qt::Key_Left);
    f.console()->SetSelection(0, 2);
    QVERIFY(!f.console()->SelectionInsideInput());
    f.Type(QStringLiteral("x"));
    QCOMPARE(f.Text(), prompt + QStringLiteral("abxc"));
    // Backspace with the selection in the output deletes at the caret too.
    f.console()->SetSelection(0, 2);
    f.Key(Qt::Key_Backspace);
    QCOMPARE(f.Input(), QStringLiteral("abc"));
  }

  // Taps are mouse presses and releases at a character of the console.
  void TapsInTheOutputLeaveTheCaretInTheCommandLine() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("echo first line of output"));
    f.Type(QStringLiteral("abcd"));
    QTRY_VERIFY(f.console()->caretPlaced());
    auto tap = [&](int position) {
      QTextCursor at(f.console()->document());
      at.setPosition(position);
      const QPoint point = f.console()->cursorRect(at).center();
      QTest::mouseClick(f.console()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    };
    const int inputStart = f.console()->inputStart();
    tap(inputStart + 2);  // between "ab" and "cd"
    QCOMPARE(f.console()->caretIndex(), inputStart + 2);
    QTest::qWait(250);  // not a double click
    tap(3);             // in the output
    QCOMPARE(f.console()->textCursor().position(), inputStart + 2);
    QVERIFY(f.console()->caretShown());
    f.Type(QStringLiteral("X"));
    QCOMPARE(f.Input(), QStringLiteral("abXcd"));
  }

  void TheCaretComesBackWhenTheConsoleTakesTheFocus() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("echo some output"));
    f.Type(QStringLiteral("dir"));
    f.console()->SetSelection(0, 4);
    f.view()->findBar()->show();
    f.view()->findBar()->edit()->setFocus();
    QVERIFY(!f.console()->caretShown());
    f.console()->setFocus(Qt::OtherFocusReason);
    // Placed at once and again when the caret timer fires.
    QVERIFY(f.console()->caretPlaced());
    QTRY_VERIFY(f.console()->caretShown());
    QCOMPARE(f.console()->textCursor().position(), f.console()->DocumentLength());
    QVERIFY(!f.console()->textCursor().hasSelection());
  }

  void LeftWithShiftNeverSelectsIntoTheOutput() {
    WindowFixture f;
    f.Type(QStringLiteral("ab"));
    for (int i = 0; i < 4; ++i) f.Key(Qt::Key_Left, Qt::ShiftModifier);
    QVERIFY(f.console()->SelectionInsideInput());
    QCOMPARE(f.console()->textCursor().selectedText(), QStringLiteral("ab"));
    QCOMPARE(f.console()->caretIndex(), f.console()->inputStart());
  }

  void SelectAllTakesOnlyTheCommandLine() {
    WindowFixture f;
    f.Type(QStringLiteral("dir /w"));
    f.Key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.console()->textCursor().selectedText(), QStringLiteral("dir /w"));
    f.Type(QStringLiteral("ver"));
    QCOMPARE(f.Input(), QStringLiteral("ver"));
  }

  void WrappedLongLineReadsAsOneLine() {
    WindowFixture f;
    f.window().resize(200, 300);
    QApplication::processEvents();
    const QString words =
        QStringLiteral("echo ") + QString(QStringLiteral("word ")).repeated(40).trimmed();
    f.Type(words);
    QVERIFY(f.console()->document()->lastBlock().layout()->lineCount() > 1);
    QCOMPARE(f.Input(), words);
    f.Key(Qt::Key_Return);
    QVERIFY(f.Text().contains(QStringLiteral("\n") + words.mid(5) + QStringLiteral("\n")));
  }
};

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void HistoryDropsDuplicatesAndKeepsCase() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("echo a"));
    f.TypeLine(QStringLiteral("echo a"));
    QCOMPARE(f.view()->history().size(), std::size_t{1});
    f.TypeLine(QStringLiteral("ECHO A"));
    QCOMPARE(f.view()->history().size(), std::size_t{2});
    f.Key(Qt::Key_Up);
    QCOMPARE(f.Input(), QStringLiteral("ECHO A"));
    f.Key(Qt::Key_Up);
    QCOMPARE(f.Input(), QStringLiteral("echo a"));
    const int flashes = f.view()->flashCount();
    f.Key(Qt::Key_Up);  // past the oldest
    QCOMPARE(f.view()->flashCount(), flashes + 1);
    QCOMPARE(f.Input(), QStringLiteral("echo a"));
    f.Key(Qt::Key_Down);
    QCOMPARE(f.Input(), QStringLiteral("ECHO A"));
    f.Key(Qt::Key_Down);  // newer than the newest
    QCOMPARE(f.view()->flashCount(), flashes + 2);
  }

  void HistoryKeepsTheNewestHundred() {
    WindowFixture f;
    f.Key(Qt::Key_Up);
    QCOMPARE(f.view()->flashCount(), 1);  // empty history
    for (int i = 0; i < 101; ++i) f.TypeLine(QStringLiteral("rem %1").arg(i));
    QCOMPARE(f.view()->history().size(), std::size_t{100});
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("rem 100"));
    QCOMPARE(Q(f.view()->history().at(99)), QStringLiteral("rem 1"));
  }

  void EntryAddsToTheHistoryAndExitClosesTheWindow() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("entry   dir /w  "));
    // The typed line is kept after it ran, so it is the newer one.
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("entry   dir /w"));
    QCOMPARE(Q(f.view()->history().at(1)), QStringLiteral("dir /w"));
    QVERIFY(f.window().isVisible());
    f.TypeLine(QStringLiteral("exit"));
    // The line ends first: the prompt is there, then the window closes.
    QVERIFY(!tessera::Session().commandRunning);
    QTRY_VERIFY(!f.window().isVisible());
  }

  void SingleEnterPromptsAgainDoubleEnterScrolls() {
    WindowFixture f;
    const QString prompt = f.Text();
    f.Key(Qt::Key_Return);
    QCOMPARE(f.Text(), prompt);  // nothing yet: the second Enter may follow
    QTest::qWait(550);
    QCOMPARE(f.Text(), prompt + QStringLiteral("\n") + prompt);
    QVERIFY(!f.view()->scrollMode());
    const QString before = f.Text();
    f.Key(Qt::Key_Return);
    f.Key(Qt::Key_Return);
    QVERIFY(f.view()->scrollMode());
    QVERIFY(f.view()->title().startsWith(QStringLiteral("Scroll: ")));
    QTest::qWait(550);
    QCOMPARE(f.Text(), before);
    // A letter ends scroll mode and is typed.
    f.Type(QStringLiteral("v"));
    QVERIFY(!f.view()->scrollMode());
    QCOMPARE(f.Input(), QStringLiteral("v"));
  }

  void WordWrapInScrollModeKeepsTheTopLine() {
    WindowFixture f;
    f.window().resize(320, 400);
    // Lines that wrap into several, so that the switch changes how many
    // lines lie above any given one.
    const QString filler(150, QChar(u'w'));
    for (int i = 0; i < 40; ++i) f.TypeLine(QStringLiteral("echo %1 %2").arg(i).arg(filler));
    QVERIFY(f.view()->wordWrap());
    f.Key(Qt::Key_Return);
    f.Key(Qt::Key_Return);
    QVERIFY(f.view()->scrollMode());
    QScrollBar* bar = f.console()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const QTextBlock top = f.console()->cursorForPosition(QPoint(0, 0)).block();
    QVERIFY(top.blockNumber() > 0);
    f.view()->SetWordWrap(false);
    QCOMPARE(f.console()->cursorForPosition(QPoint(0, 0)).block().blockNumber(), top.blockNumber());
    QVERIFY(!f.console()->caretShown());
    f.view()->SetWordWrap(true);
    QCOMPARE(f.console()->cursorForPosition(QPoint(0, 0)).block().blockNumber(), top.blockNumber());
  }
};

class StopTest : public QObject {
  Q_OBJECT

 private slots:
  void CtrlCStopsARunningCommandAfterAsking() {
    WindowFixture f;
    std::string lines;
    for (int i = 0; i < 100000; ++i) lines += "line " + std::to_string(i) + "\r\n";
    f.root().WriteHostFile(f.root().Host("\\big.txt"), lines);
    QString caption;
    bool stopSeen = false;
    // While TYPE runs (the timer fires at its first look at the events):
    // Ctrl+C, then Yes in the question that follows.
    QTimer::singleShot(0, f.console(), [&] {
      QTest::keyClick(f.console(), Qt::Key_C, Qt::ControlModifier);
      stopSeen = tessera::Session().stopRequested;
    });
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        caption = box->windowTitle();
        box->button(QMessageBox::Yes)->click();
      }
    });
    answer.start();
    f.TypeLine(QStringLiteral("type big.txt"));
    answer.stop();
    QVERIFY(stopSeen);
    QCOMPARE(caption, QStringLiteral("Tessera"));
    const QString text = f.Text();
    QVERIFY(!text.contains(QStringLiteral("line 99999")));
    QVERIFY(!tessera::Session().commandRunning);
    // The prompt follows and the console takes typing again.
    f.Type(QStringLiteral("x"));
    QCOMPARE(f.Input(), QStringLiteral("x"));
  }

  void LeftAtTheInputStartFocusesTheKeyBar() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("fnkeybar"));
    f.console()->setFocus();
    f.Key(Qt::Key_Left);
    QVERIFY(f.view()->functionKeyBar()->firstKey()->hasFocus());
    QCOMPARE(f.view()->softKeyLabel(), QStringLiteral("Input"));
    QVERIFY(f.view()->title().startsWith(QStringLiteral("Fn Key: ")));
  }
};

class FunctionKeyTest : public QObject {
  Q_OBJECT

 private slots:
  void FnKeyBarShowsAndHides() {
    WindowFixture f;
    QVERIFY(f.view()->functionKeyBar()->isHidden());
    f.TypeLine(QStringLiteral("fnkeybar"));
    QVERIFY(!f.view()->functionKeyBar()->isHidden());
    f.console()->setFocus();
    f.TypeLine(QStringLiteral("fnkeybar /h"));
    QVERIFY(f.view()->functionKeyBar()->isHidden());
    f.TypeLine(QStringLiteral("FNKEYBAR /x"));
    QVERIFY(!f.view()->functionKeyBar()->isHidden());
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("FNKEYBAR /x"));
    f.console()->setFocus();
    f.TypeLine(QStringLiteral("findbar"));
    QVERIFY(!f.view()->findBar()->isHidden());
  }

  void F1RunsDirF2Waits() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("fnkeybar"));
    QCOMPARE(f.view()->functionKeyBar()->keyButton(1)->text(), QStringLiteral("DIR \\n"));
    const qsizetype before = f.console()->document()->blockCount();
    QTest::mouseClick(f.view()->functionKeyBar()->keyButton(1), Qt::LeftButton);
    QVERIFY(f.console()->document()->blockCount() > before + 1);
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("DIR"));
    QCOMPARE(f.Input(), QString());
    QTest::mouseClick(f.view()->functionKeyBar()->keyButton(2), Qt::LeftButton);
    QCOMPARE(f.Input(), QStringLiteral("CD "));
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("DIR"));
  }

  void KeyWithTwoCommandsRunsBoth() {
    WindowFixture f;
    QVERIFY(tessera::WriteSettingString(tessera::kSettingsSection, u"FKEY_COMMAND3",
                                        u"echo first\\necho second\\n")
                .ok());
    QVERIFY(tessera::WriteSettingString(tessera::kSettingsSection, u"FKEY_LABEL3", u"").ok());
    f.TypeLine(QStringLiteral("fnkeybar"));
    QCOMPARE(f.view()->functionKeyBar()->keyButton(3)->text(), QStringLiteral("f3"));
    QTest::mouseClick(f.view()->functionKeyBar()->keyButton(3), Qt::LeftButton);
    const QString text = f.Text();
    const qsizetype first = text.indexOf(QStringLiteral("\nfirst\n"));
    QVERIFY(first > 0);
    QVERIFY(text.indexOf(QStringLiteral("\nsecond\n")) > first);
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("echo second"));
    QCOMPARE(Q(f.view()->history().at(1)), QStringLiteral("echo first"));
  }

  void KeyboardFunctionKeysPressTheBarsButtons() {
    WindowFixture f;
    // Hidden bar or not, F1 runs the first key's "DIR \n".
    QVERIFY(f.view()->functionKeyBar()->isHidden());
    f.Key(Qt::Key_F1);
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("DIR"));
    f.Key(Qt::Key_F2);
    QCOMPARE(f.Input(), QStringLiteral("CD "));
    f.view()->ClearCommandLine();
    // Eight keys: F6 is the button that runs the fifth command, F5 has none.
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"FKEY_SHOW_10_BUTTONS", 0).ok());
    f.TypeLine(QStringLiteral("fnkeybar"));
    f.console()->setFocus();
    f.Key(Qt::Key_F5);
    QCOMPARE(f.Input(), QString());
    f.Key(Qt::Key_F6);
    QCOMPARE(f.Input(), QStringLiteral("TYPE "));
  }

  void EightKeysHideF5AndF10() {
    WindowFixture f;
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"FKEY_SHOW_10_BUTTONS", 0).ok());
    f.TypeLine(QStringLiteral("fnkeybar"));
    auto* bar = f.view()->functionKeyBar();
    QVERIFY(bar->keyButton(5)->isHidden());
    QVERIFY(bar->keyButton(10)->isHidden());
    // f6 types the fifth command.
    QTest::mouseClick(bar->keyButton(6), Qt::LeftButton);
    QCOMPARE(f.Input(), QStringLiteral("TYPE "));
  }
};

class OpenTest : public QObject {
  Q_OBJECT

 private slots:
  void PathsBecomeCommands() {
    using tessera::ui::CommandForOpenedPath;
    using tessera::ui::OpenAction;
    auto batch = CommandForOpenedPath(u"\\My Dir\\RUN.BAT", false);
    QCOMPARE(batch.action, OpenAction::CallBatch);
    QCOMPARE(Q(batch.historyLine), QStringLiteral("CALL \"\\My Dir\\RUN.BAT\""));
    auto folder = CommandForOpenedPath(u"\\Docs\\\\", true);
    QCOMPARE(folder.action, OpenAction::ChangeDirectory);
    QCOMPARE(Q(folder.historyLine), QStringLiteral("CD \\Docs"));
    QCOMPARE(Q(CommandForOpenedPath(u"\\", true).historyLine), QStringLiteral("CD \\"));
    auto program = CommandForOpenedPath(u"\\bin\\Tool.Exe", false);
    QCOMPARE(program.action, OpenAction::StartProgram);
    QCOMPARE(Q(program.historyLine), QStringLiteral("\\bin\\Tool.Exe"));
    QCOMPARE(CommandForOpenedPath(u"\\a.batch", false).action, OpenAction::TypeFile);
  }

  void OpeningAnUpperCaseBatchFileCallsIt() {
    WindowFixture f;
    f.root().WriteHostFile(f.root().Host("\\My Dir\\RUN.BAT"),
                           "@echo off\r\necho ran the batch\r\n");
    f.view()->OpenPath(u"\\My Dir\\RUN.BAT", false);
    QVERIFY(f.Text().contains(QStringLiteral("\nran the batch\n")));
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("CALL \"\\My Dir\\RUN.BAT\""));
    QCOMPARE(f.Input(), QString());
  }
};

class WindowSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void FreshDeviceReadsTheDefaults() {
    WindowFixture f;
    const QPalette palette = f.console()->palette();
    QCOMPARE(palette.color(QPalette::Base), QColor(0, 0, 0));
    QCOMPARE(palette.color(QPalette::Text), QColor(0, 255, 0));
    QCOMPARE(f.view()->fontIndex(), 1);
    QCOMPARE(f.console()->font().pointSize(), 9);
    QVERIFY(f.view()->wordWrap());
    QCOMPARE(f.console()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(!f.view()->SelectFont(4));
    QCOMPARE(f.view()->fontIndex(), 1);
  }

  void ColoursFontAndWrapComeFromTheSettingsAndAreKept() {
    tessera::testing::TempRoot root;
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"COLOR_TEXT", 0x0000FF).ok());
    QVERIFY(
        tessera::WriteSettingInt(tessera::kSettingsSection, u"COLOR_BACKGROUND", 0xFF0000).ok());
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"FONT3_SIZE", 14).ok());
    {
      TesseraView view;
      QCOMPARE(view.console()->palette().color(QPalette::Text), QColor(255, 0, 0));
      QCOMPARE(view.console()->palette().color(QPalette::Base), QColor(0, 0, 255));
      QVERIFY(view.SelectFont(2));
      QCOMPARE(view.console()->font().pointSize(), 14);
      view.SetWordWrap(false);
    }
    QCOMPARE(tessera::ReadSettingInt(tessera::kSettingsSection, u"FONT_SIZE", -1), 2);
    QCOMPARE(tessera::ReadSettingInt(tessera::kSettingsSection, u"TEXT_WORD_WRAP", -1), 0);
    TesseraView again;
    QCOMPARE(again.fontIndex(), 2);
    QCOMPARE(again.console()->lineWrapMode(), QPlainTextEdit::NoWrap);
  }

  // "Tahoma" is not installed here: the console draws in a face that holds
  // Japanese and Chinese, so no line is taller for them.
  void JapaneseAndChineseLinesAreAsHighAsOthers() {
    tessera::testing::TempRoot root;
    for (int index = 0; index < 4; ++index) {
      ConsoleEdit console;
      console.SetConsoleFont(tessera::ui::ReadConsoleFont(index));
      console.resize(400, 300);
      console.ReplaceSelection(
          u"dir\r\n\u65E5\u672C\u8A9E\u306E\u30C6\u30AD\u30B9\u30C8\r\n"
          u"\u7B80\u4F53\u4E2D\u6587\r\nend\r\n");
      QAbstractTextDocumentLayout* layout = console.document()->documentLayout();
      const qreal ascii =
          layout->blockBoundingRect(console.document()->findBlockByNumber(0)).height();
      QVERIFY(ascii > 0);
      // The last line (empty here) has the document's margin below it.
      for (int line = 1; line < 4; ++line) {
        QCOMPARE(layout->blockBoundingRect(console.document()->findBlockByNumber(line)).height(),
                 ascii);
      }
    }
  }

  void CopyToCommandLineTakesTheOutputPart() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("echo hello"));
    const QString text = f.Text();
    const qsizetype at = text.indexOf(QStringLiteral("\nhello")) + 1;
    QTextCursor cursor(f.console()->document());
    cursor.setPosition(static_cast<int>(at));
    cursor.setPosition(
        static_cast<int>(at + 7),
        QTextCursor::KeepAnchor);  // "hello", its line end and the prompt's backslash
    f.console()->setTextCursor(cursor);
    f.view()->CopyToCommandLine();
    QCOMPARE(f.Input(), QStringLiteral("hello\\"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("hello\\"));
  }
};

class FindTest : public QObject {
  Q_OBJECT

 private slots:
  void ForwardSearchWrapsOnce() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("echo alpha"));
    f.TypeLine(QStringLiteral("echo beta"));
    const QString text = f.Text();
    const qsizetype last = text.lastIndexOf(QStringLiteral("alpha"));
    QTextCursor cursor(f.console()->document());
    cursor.setPosition(static_cast<int>(last));
    cursor.setPosition(static_cast<int>(last + 5), QTextCursor::KeepAnchor);
    f.console()->setTextCursor(cursor);
    f.view()->findBar()->edit()->setText(QStringLiteral("alpha"));
    f.view()->ShowFindBar(true);
    QTest::keyClick(f.view()->findBar()->edit(), Qt::Key_Down);
    QCOMPARE(f.console()->textCursor().selectionStart(),
             static_cast<int>(text.indexOf(QStringLiteral("alpha"))));
    QCOMPARE(f.view()->flashCount(), 0);
    // Nothing to find: the console flashes.
    f.view()->findBar()->edit()->setText(QStringLiteral("zeta"));
    QTest::keyClick(f.view()->findBar()->edit(), Qt::Key_Down);
    QCOMPARE(f.view()->flashCount(), 1);
  }

  void SearchRules() {
    using tessera::ui::FindInConsoleText;
    const QString text = QStringLiteral("ab ab ab");
    QCOMPARE(FindInConsoleText(text, 0, 2, QStringLiteral("ab"), false, true),
             std::optional<qsizetype>(3));
    QCOMPARE(FindInConsoleText(text, 6, 8, QStringLiteral("ab"), false, true),
             std::optional<qsizetype>(0));
    // The only occurrence, selected: nothing else to find.
    QCOMPARE(FindInConsoleText(QStringLiteral("x ab y"), 2, 4, QStringLiteral("ab"), false, true),
             std::nullopt);
    QCOMPARE(FindInConsoleText(QStringLiteral("x ab y"), 2, 4, QStringLiteral("ab"), true, true),
             std::nullopt);
    QCOMPARE(FindInConsoleText(text, 3, 5, QStringLiteral("ab"), true, true),
             std::optional<qsizetype>(0));
    QCOMPARE(FindInConsoleText(text, 0, 2, QStringLiteral("ab"), true, true),
             std::optional<qsizetype>(6));
    QCOMPARE(FindInConsoleText(text, 0, 0, QStringLiteral("AB"), false, true), std::nullopt);
    QCOMPARE(FindInConsoleText(text, 0, 0, QStringLiteral("AB"), false, false),
             std::optional<qsizetype>(0));
    // Backward scans without overlap: in "aaa" the matches of "aa" are at 0 only.
    QCOMPARE(FindInConsoleText(QStringLiteral("aaa"), 3, 3, QStringLiteral("aa"), true, true),
             std::optional<qsizetype>(0));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  auto run = [&](QObject&& test) { failures += QTest::qExec(&test, argc, argv); };
  run(ConsoleSurfaceTest());
  run(ConsoleEditingTest());
  run(CommandLineTest());
  run(StopTest());
  run(FunctionKeyTest());
  run(OpenTest());
  run(WindowSettingsTest());
  run(FindTest());
  failures += RunPendingOutputTests(argc, argv);
  failures += RunBarTests(argc, argv);
  failures += RunViewRuleTests(argc, argv);
  failures += RunWindowStartTests(argc, argv);
  failures += RunLanguageTests(argc, argv);
  failures += RunResourceMenuTests(argc, argv);
  failures += RunWindowLeakTests(argc, argv);
  failures += RunFrameTests(argc, argv);
  failures += RunOptionsTests(argc, argv);
  failures += RunBrowserDialogTests(argc, argv);
  return failures == 0 ? 0 : 1;
}

#include "window_test.moc"
