// The function-key bar and the find bar from the keyboard, the menus, and
// the file browser of Open and Select Path.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "browser/dialog/browser_dialog.h"
#include "menu_actions.h"
#include "shell/message_catalogue.h"
#include "shell/settings.h"
#include "test_suites.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/menu_hints.h"
#include "ui/window_settings.h"
#include "window_fixture.h"

using tessera::browser::BrowserDialog;
using tessera::testing::Q;
using tessera::testing::WindowFixture;

namespace {

QWidget* Focused() { return QApplication::focusWidget(); }

// Answers the next file browser: checks the folder it shows, then types the
// name of a file and presses OK.
void ChooseInNextDialog(const QString& expectedFolder, const QString& file,
                        QStringList* filtersSeen) {
  QTimer::singleShot(0, [=] {
    auto* dialog = qobject_cast<BrowserDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (filtersSeen) {
      for (int i = 0; i < dialog->filterBox()->count(); ++i)
        *filtersSeen << dialog->filterBox()->itemText(i);
    }
    if (Q(dialog->folder()) != expectedFolder) {
      dialog->reject();
      return;
    }
    dialog->nameEdit()->setText(file);
    QTest::keyClick(dialog->nameEdit(), Qt::Key_Return);
  });
}

class BarTest : public QObject {
  Q_OBJECT

 private slots:
  void ArrowsWalkTheKeyBarAndLeaveItAtItsEnds() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("fnkeybar"));
    auto* bar = f.view()->functionKeyBar();
    QCOMPARE(Focused(), bar->keyButton(1));
    QTest::keyClick(Focused(), Qt::Key_Right);
    QCOMPARE(Focused(), bar->keyButton(2));
    QTest::keyClick(Focused(), Qt::Key_Down);
    QCOMPARE(Focused(), bar->keyButton(7));
    QTest::keyClick(Focused(), Qt::Key_Up);
    QTest::keyClick(Focused(), Qt::Key_Left);
    QCOMPARE(Focused(), bar->keyButton(1));
    QTest::keyClick(Focused(), Qt::Key_Left);
    QVERIFY(f.console()->hasFocus());
    QCOMPARE(f.view()->softKeyLabel(), QStringLiteral("Fn"));
    QCOMPARE(f.view()->title(), QStringLiteral("Tessera"));
    // The first row runs on into the second; past the last button the
    // console has the focus again.
    f.Key(Qt::Key_Left);  // the edge of the command line
    for (int i = 0; i < 8; ++i) QTest::keyClick(Focused(), Qt::Key_Right);  // f2..f5, SP, BS, "..."
    QCOMPARE(Focused(), bar->keyButton(6));
    for (int i = 0; i < 7; ++i) QTest::keyClick(Focused(), Qt::Key_Right);  // f7..f10, Enter, X
    QVERIFY(f.console()->hasFocus());
  }

  void AKeyRightAfterTheBarTookTheFocusLeavesItThere() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("fnkeybar"));
    auto* bar = f.view()->functionKeyBar();
    QTest::keyClick(Focused(), Qt::Key_Right);
    QTest::keyClick(Focused(), Qt::Key_Return);  // f2, "CD "
    QCOMPARE(f.Input(), QStringLiteral("CD "));
    QCOMPARE(Focused(), bar->keyButton(2));
    QTest::qWait(600);
    QTest::keyClick(Focused(), Qt::Key_Right);
    QTest::keyClick(Focused(), Qt::Key_Return);  // f3, "COPY "
    QCOMPARE(f.Input(), QStringLiteral("CD COPY "));
    QVERIFY(f.console()->hasFocus());
  }

  void SpaceBackspaceAndEnterButtonsEditAndRun() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("fnkeybar"));
    auto* bar = f.view()->functionKeyBar();
    auto button = [bar](const char* name) {
      return bar->findChild<QPushButton*>(QString::fromLatin1(name));
    };
    f.Type(QStringLiteral("echo ab"));
    QTest::mouseClick(button("BS"), Qt::LeftButton);
    QCOMPARE(f.Input(), QStringLiteral("echo a"));
    QTest::mouseClick(button("SP"), Qt::LeftButton);
    f.Type(QStringLiteral("z"));
    QCOMPARE(f.Input(), QStringLiteral("echo a z"));
    QTest::mouseClick(button("Enter"), Qt::LeftButton);
    QVERIFY(f.Text().contains(QStringLiteral("\na z\n")));
    // At the input start BS deletes nothing of the prompt.
    const QString text = f.Text();
    QTest::mouseClick(button("BS"), Qt::LeftButton);
    QCOMPARE(f.Text(), text);
  }

  // The fixed buttons stand at the right; the keys share the width W left
  // of them, (W - 12) / 5 each with ten keys and (W - 10) / 4 with eight.
  void KeysShareTheWidthLeftOfTheFixedButtons() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("fnkeybar"));
    auto* bar = f.view()->functionKeyBar();
    // Key widths by [ten keys][narrow or wide window].
    int keyWidths[2][2] = {};
    for (const bool tenKeys : {true, false}) {
      QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"FKEY_SHOW_10_BUTTONS",
                                       tenKeys ? 1 : 0)
                  .ok());
      bar->Rebuild();
      for (const int wide : {0, 1}) {
        const int width = wide ? 640 : 360;
        f.window().resize(width, 400);
        QApplication::processEvents();
        QCOMPARE(bar->width(), width);
        const QRect sp = bar->fixedButton(QStringLiteral("SP"))->geometry();
        const QRect x = bar->fixedButton(QStringLiteral("X"))->geometry();
        QCOMPARE(x.right(), width - 3);
        QCOMPARE(bar->fixedButton(QStringLiteral("Enter"))->geometry().left(), sp.left());
        const int room = sp.left();
        const int expected = tenKeys ? (room - 12) / 5 : (room - 10) / 4;
        int shown = 0;
        for (int button = 1; button <= 10; ++button) {
          QPushButton* key = bar->keyButton(button);
          if (key->isHidden()) continue;
          ++shown;
          QCOMPARE(key->width(), expected);
          QVERIFY(key->geometry().right() < room);
        }
        QCOMPARE(shown, tenKeys ? 10 : 8);
        keyWidths[tenKeys][wide] = expected;
      }
    }
    QVERIFY(keyWidths[1][1] > keyWidths[1][0]);
    // With eight keys the keys widen into the room of the hidden two.
    QVERIFY(keyWidths[0][0] > keyWidths[1][0]);
    QVERIFY(keyWidths[0][1] > keyWidths[1][1]);
    // However long the labels, the bar asks for little width.
    QVERIFY(tessera::WriteSettingString(tessera::kSettingsSection, u"FKEY_LABEL1",
                                        u"a very long label for the first key")
                .ok());
    bar->Rebuild();
    QVERIFY(bar->minimumSizeHint().width() < 320);
  }

  void OneEnterSearchesLaterTwoEntersLeaveTheBar() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("echo needle one"));
    f.TypeLine(QStringLiteral("echo needle two"));
    f.TypeLine(QStringLiteral("findbar"));
    QLineEdit* edit = f.view()->findBar()->edit();
    QCOMPARE(Focused(), edit);
    QTest::keyClicks(edit, QStringLiteral("needle"));
    const int before = f.console()->textCursor().selectionStart();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(f.console()->textCursor().selectionStart(), before);
    QTRY_VERIFY(f.console()->textCursor().hasSelection());
    QCOMPARE(f.console()->textCursor().selectedText(), QStringLiteral("needle"));
    QVERIFY(edit->hasFocus());
    QTest::qWait(350);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(f.console()->hasFocus());
    QTest::qWait(450);
    QVERIFY(f.console()->hasFocus());
  }

  void ArrowsLeaveTheFindBarAtItsEdges() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("findbar"));
    tessera::ui::FindBar* bar = f.view()->findBar();
    QTest::keyClicks(bar->edit(), QStringLiteral("ab"));
    QTest::keyClick(bar->edit(), Qt::Key_Right);  // at the end: the first button
    QCOMPARE(Focused(), bar->findChild<QToolButton*>(QStringLiteral("Up")));
    QTest::keyClick(Focused(), Qt::Key_Right);
    QCOMPARE(Focused(), bar->findChild<QToolButton*>(QStringLiteral("Dn")));
    QTest::keyClick(Focused(), Qt::Key_Left);
    QTest::keyClick(Focused(), Qt::Key_Left);
    QCOMPARE(Focused(), bar->edit());
    QTest::keyClick(bar->edit(), Qt::Key_Left);  // inside the text: moves in it
    QCOMPARE(Focused(), bar->edit());
    QTest::keyClick(bar->edit(), Qt::Key_Home);
    QTest::keyClick(bar->edit(), Qt::Key_Left);
    QVERIFY(f.console()->hasFocus());
    // Without its buttons the bar ends with the edit.
    bar->ShowButtons(false);
    bar->edit()->setFocus();
    QTest::keyClick(bar->edit(), Qt::Key_End);
    QTest::keyClick(bar->edit(), Qt::Key_Right);
    QVERIFY(f.console()->hasFocus());
  }

  void TheConsoleOffersTheEditMenuAndCtrlMTheMainMenu() {
    WindowFixture f;
    f.Type(QStringLiteral("abc"));
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              f.console()->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f.console()->viewport(), &request);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* edit = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList texts;
    for (QAction* item : edit->actions()) texts << item->text();
    QVERIFY(texts.contains(QStringLiteral("Copy to Co&mmand Line")));
    QVERIFY(texts.contains(QStringLiteral("Sellect &All\tCtrl+A")));
    // Nothing is selected: nothing to cut or copy.
    QVERIFY(!edit->actions().at(0)->isEnabled());
    QVERIFY(!edit->actions().at(1)->isEnabled());
    edit->close();
    f.Key(Qt::Key_M, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), f.window().menuKey()->menu());
    f.window().menuKey()->menu()->close();
    // Ctrl+I switches the find bar's case flag, only while the bar is shown.
    const bool caseSensitive = f.view()->findBar()->caseSensitive();
    f.Key(Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(f.view()->findBar()->caseSensitive(), caseSensitive);
    f.view()->ShowFindBar(true);
    QTest::keyClick(f.view()->findBar()->edit(), Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(f.view()->findBar()->caseSensitive(), !caseSensitive);
  }

  // With the hint-removal flag (the start-up state) the labels lose their
  // key; the menu then shows the key the table binds.
  void FontLabelsShowFaceAndSizeOrTheFixedText() {
    WindowFixture f;
    const QFont font = tessera::ui::ReadConsoleFont(0);
    const QString faceAndSize =
        QStringLiteral("%1:%2pt(&1)").arg(font.family()).arg(font.pointSize());
    QVERIFY(tessera::ui::MenuHintsRemoved());
    QCOMPARE(tessera::ui::FontMenuLabel(0), faceAndSize);
    tessera::ui::SetMenuHintsRemoved(false);
    QCOMPARE(tessera::ui::FontMenuLabel(0), faceAndSize + QStringLiteral("\tCtrl+1"));
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"FONT_LABEL_FORMAT", 0).ok());
    QCOMPARE(tessera::ui::FontMenuLabel(3), QStringLiteral("Font&4\tCtrl+4"));
    tessera::ui::SetMenuHintsRemoved(true);
    QCOMPARE(tessera::ui::FontMenuLabel(3), QStringLiteral("Font&4"));
    QMenu* menu = f.window().menus().menu;
    QCOMPARE(tessera::testing::ActionOf(menu, 37018)->text(), QStringLiteral("Font&4\tCtrl+4"));
  }

  void SelectPathStartsInTheCurrentDirectoryAndQuotesBlanks() {
    WindowFixture f;
    f.root().WriteHostFile(f.root().Host("\\Docs\\my notes.txt"), "x");
    f.TypeLine(QStringLiteral("cd \\Docs"));
    f.TypeLine(QStringLiteral("set FILEFILTER=Notes (*.txt)|*.txt||"));
    f.Type(QStringLiteral("type "));
    QStringList filters;
    ChooseInNextDialog(QStringLiteral("\\Docs"), QStringLiteral("my notes.txt"), &filters);
    f.view()->SelectPath();
    QCOMPARE(filters, QStringList({QStringLiteral("Notes (*.txt)")}));
    QCOMPARE(f.Input(), QStringLiteral("type \"\\Docs\\my notes.txt\" "));
    // The window's focus (the offscreen platform need not make the window
    // active again after the dialog).
    QCOMPARE(f.window().focusWidget(), f.console());
  }

  void OpenRunsTheChosenBatchFile() {
    WindowFixture f;
    f.root().WriteHostFile(f.root().Host("\\GO.BAT"), "@echo off\r\necho opened and ran\r\n");
    // A fresh window stands at the root.
    ChooseInNextDialog(QStringLiteral("\\"), QStringLiteral("GO.BAT"), nullptr);
    f.Key(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(f.Text().contains(QStringLiteral("\nopened and ran\n")));
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("CALL \\GO.BAT"));
  }
};

}  // namespace

int RunBarTests(int argc, char** argv) {
  BarTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "bars_test.moc"
