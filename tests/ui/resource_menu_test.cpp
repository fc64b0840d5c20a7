// Menus and keys built from the menu and accelerator resources.
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "shell/output.h"
#include "test_suites.h"
#include "ui/command_set.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "window_fixture.h"

using tessera::testing::WindowFixture;

namespace {

// The action of a command in a menu or its submenus.
QAction* ActionOf(QMenu* menu, std::uint32_t command) {
  emit menu->aboutToShow();
  for (QAction* action : menu->actions()) {
    if (QMenu* sub = action->menu()) {
      if (QAction* found = ActionOf(sub, command)) return found;
    } else if (!action->isSeparator() && action->data().value<std::uint32_t>() == command) {
      return action;
    }
  }
  return nullptr;
}

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
    // Options and the help pages are not part of this window yet.
    for (std::uint32_t unhandled : {37004u, 57666u, 37020u, 57664u}) {
      QAction* action = ActionOf(menu, unhandled);
      QVERIFY(action);
      QVERIFY(!action->isEnabled());
      QVERIFY(!action->text().contains(QChar(u'\t')));
    }
  }

  void WhileACommandRunsEveryItemIsGreyed() {
    WindowFixture f;
    QMenu* menu = f.window().menus().menu;
    QVERIFY(ActionOf(menu, 57665)->isEnabled());
    tessera::Session().commandRunning = true;
    for (std::uint32_t command : {57665u, 37003u, 32853u, 32856u}) {
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
