// Menus and keys built from the menu and accelerator resources.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>

#include "menu_actions.h"
#include "shell/output.h"
#include "test_suites.h"
#include "ui/command_set.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "window_fixture.h"

using tessera::testing::ActionOf;
using tessera::testing::WindowFixture;

namespace {

class ResourceMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void ItemsShowTheKeyThatIsBoundAndCommandsNotHandledAreGreyed() {
    WindowFixture f;
    QMenu* menu = f.window().menus().menu;
    // Cut has Shift+Del before Ctrl+X in the table; its text names Ctrl+X.
    QCOMPARE(ActionOf(menu, 57635)->text(), QStringLiteral("Cu&t\tCtrl+X"));
    QCOMPARE(ActionOf(menu, 37003)->text(), QStringLiteral("&Select Path ...\tCtrl+R"));
    // Font labels come from the settings, with the key from the table.
    QVERIFY(ActionOf(menu, 37016)->text().endsWith(QStringLiteral("(&2)\tCtrl+2")));
    QVERIFY(ActionOf(menu, 37016)->isChecked());
    QVERIFY(ActionOf(menu, 32856)->isEnabled());
    // Every item of the main menu has its command: with nothing selected
    // only the editing commands that need a selection are greyed.
    QApplication::clipboard()->setText(QStringLiteral("x"));
    const QList<std::uint32_t> needSelection{57635, 57634, 32841};
    std::function<void(QMenu*)> check = [&](QMenu* each) {
      emit each->aboutToShow();
      for (QAction* action : each->actions()) {
        if (action->menu()) {
          check(action->menu());
        } else if (!action->isSeparator() && action->isVisible()) {
          const auto id = action->data().value<std::uint32_t>();
          QVERIFY2(action->isEnabled() != needSelection.contains(id), qPrintable(action->text()));
        }
      }
    };
    check(menu);
    for (std::uint32_t item : {37004u, 57666u, 37020u, 57664u, 57665u}) {
      QAction* action = ActionOf(menu, item);
      QVERIFY(action);
      QVERIFY(!action->text().contains(QChar(u'\t')));
    }
  }

  void WhileACommandRunsEveryItemIsGreyed() {
    WindowFixture f;
    QMenu* menu = f.window().menus().menu;
    QVERIFY(ActionOf(menu, 57665)->isEnabled());
    tessera::Session().commandRunning = true;
    f.window().recentFiles().Add(u"\\My Documents\\notes.txt");
    for (std::uint32_t command :
         {57665u, 37003u, 32853u, 32856u, 37004u, 57666u, 37020u, 57664u, 57616u}) {
      QVERIFY(!ActionOf(menu, command)->isEnabled());
      QVERIFY(!f.window().commands()->Run(command));
    }
    tessera::Session().commandRunning = false;
  }

  void TheKeysOfTheTableRunTheirCommands() {
    WindowFixture f;
    f.Type(QStringLiteral("abc"));
    f.Key(Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(f.Input(), QString());
    f.Key(Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(f.view()->fontIndex(), 1);
    f.Key(Qt::Key_4, Qt::ControlModifier);
    QCOMPARE(f.view()->fontIndex(), 3);
    // Keys of commands this window does not handle do nothing.
    f.Type(QStringLiteral("x"));
    f.Key(Qt::Key_9, Qt::ControlModifier);
    QCOMPARE(f.Input(), QStringLiteral("x"));
  }

  void TheFindBarsTextOffersTheFindBarsMenu() {
    WindowFixture f;
    f.view()->ShowFindBar(true);
    QLineEdit* edit = f.view()->findBar()->edit();
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(3, 3),
                              edit->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(edit, &request);
    QTRY_COMPARE(QApplication::activePopupWidget(), f.window().menus().findBar);
    f.window().menus().findBar->close();
    QMenu* menu = f.window().menus().findBar;
    const bool caseSensitive = f.view()->findBar()->caseSensitive();
    QCOMPARE(ActionOf(menu, 32835)->isChecked(), caseSensitive);
    ActionOf(menu, 32835)->trigger();
    QCOMPARE(f.view()->findBar()->caseSensitive(), !caseSensitive);
    QCOMPARE(ActionOf(menu, 32835)->isChecked(), !caseSensitive);
    // Its Edit menu works on the bar's text.
    edit->setText(QStringLiteral("needle"));
    ActionOf(menu, 32807)->trigger();
    QCOMPARE(edit->selectedText(), QStringLiteral("needle"));
    ActionOf(menu, 32808)->trigger();
    QCOMPARE(edit->text(), QString());
    ActionOf(menu, 32834)->trigger();
    QVERIFY(f.view()->findBar()->isHidden());
    QVERIFY(!ActionOf(menu, 32834)->isEnabled());
  }
};

}  // namespace

int RunResourceMenuTests(int argc, char** argv) {
  ResourceMenuTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "resource_menu_test.moc"
