// The language dialog, the window in the language of a library, and the
// check that every resource the window loads is in the program's table and
// in every shipped library.
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <filesystem>

#include "platform/device.h"
#include "shell/language_choice.h"
#include "shell/output.h"
#include "shell/resources.h"
#include "shell/settings.h"
#include "test_suites.h"
#include "ui/about_dialog.h"
#include "ui/color_picker.h"
#include "ui/command_set.h"
#include "ui/find_bar.h"
#include "ui/font_chooser.h"
#include "ui/function_key_bar.h"
#include "ui/language_dialog.h"
#include "ui/options_sheet.h"
#include "ui/resource_text.h"
#include "ui/toolkit_translation.h"
#include "window_fixture.h"

using tessera::testing::Q;
using tessera::ui::LanguageDialog;

namespace {

namespace fs = std::filesystem;

const std::u16string kFolder = u"\\Program Files\\Tessera\\Language\\";
const std::u16string kHanzi = kFolder + u"Hanzi.dll";

// Answers the next message box (once it is up) with its default button and
// keeps its text.
void AnswerNextMessageBox(QString* text) {
  QTimer::singleShot(0, [text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      AnswerNextMessageBox(text);
      return;
    }
    *text = box->text();
    box->accept();
  });
}

tessera::LanguageList ThreeLanguages() {
  tessera::LanguageList list;
  list.paths = {u"\\Program Files\\Tessera\\Tessera.exe", kFolder + u"Hanzi.dll",
                kFolder + u"Japanese.DLL"};
  list.names = {u"English", u"Hanzi", u"Japanese"};
  return list;
}

// A device root whose program folder has the build's language libraries.
class LanguageRoot {
 public:
  LanguageRoot() {
    fs::create_directory_symlink(TESSERA_LANGUAGE_DIR, fs::path(root_.programHost()) / "Language");
    QVERIFY(tessera::platform::SetupDevice(root_.Options()).ok());
  }
  ~LanguageRoot() { tessera::ReleaseLanguageLibrary(); }
  // Starts with the library at a device path, as the program does.
  void StartWith(std::u16string_view path) {
    QVERIFY(tessera::ApplyLanguageChoice(path));
    tessera::ChooseStartupLanguage(0);
  }

 private:
  tessera::testing::TempRoot root_;
};

class LanguageDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void TheStoredPathIsSelectedElseTheFirst() {
    LanguageDialog stored(ThreeLanguages(), u"\\program files\\tessera\\language\\JAPANESE.dll");
    QCOMPARE(stored.list()->currentRow(), 2);
    QCOMPARE(stored.list()->selectedItems().size(), 1);
    QCOMPARE(stored.list()->item(1)->text(), QStringLiteral("Hanzi"));
    LanguageDialog unknown(ThreeLanguages(), u"\\Elsewhere\\Gone.DLL");
    QCOMPARE(unknown.list()->currentRow(), 0);
    QCOMPARE(unknown.windowTitle(), QStringLiteral("Select UI Language"));
    QCOMPARE(unknown.okButton()->text(), QStringLiteral("OK"));
    QVERIFY(!unknown.findChild<QLabel*>(QStringLiteral("languageNote"))->text().isEmpty());
  }

  void OkWithoutASelectionAsksForOneAndStays() {
    LanguageDialog dialog(ThreeLanguages(), u"");
    dialog.show();
    dialog.list()->clearSelection();
    QString asked;
    AnswerNextMessageBox(&asked);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(asked, QStringLiteral("Please select a Language for application UI on the list."));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(Q(dialog.chosenPath()), QString());
  }

  void OkWithASelectionTellsWhenItTakesEffect() {
    LanguageDialog dialog(ThreeLanguages(), u"");
    dialog.show();
    dialog.list()->setCurrentRow(1);
    QString told;
    AnswerNextMessageBox(&told);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(told, QStringLiteral("This change of user interface language will be effective "
                                  "after next Tessera starts."));
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(dialog.chosenPath(), kHanzi);
  }

  void EnterChoosesAndEscapeCancels() {
    LanguageDialog chosen(ThreeLanguages(), kHanzi);
    chosen.show();
    QApplication::setActiveWindow(&chosen);
    chosen.list()->setFocus();
    QString told;
    AnswerNextMessageBox(&told);
    QTest::keyClick(chosen.list(), Qt::Key_Return);
    QVERIFY(!told.isEmpty());
    QCOMPARE(chosen.result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(chosen.chosenPath(), kHanzi);

    LanguageDialog cancelled(ThreeLanguages(), kHanzi);
    cancelled.show();
    QApplication::setActiveWindow(&cancelled);
    cancelled.list()->setFocus();
    QTest::keyClick(cancelled.list(), Qt::Key_Escape);
    QCOMPARE(cancelled.result(), static_cast<int>(QDialog::Rejected));
    QVERIFY(!cancelled.isVisible());
  }

  void TheLanguageCommandStoresTheChoiceForTheNextStart() {
    LanguageRoot root;
    tessera::ui::MainWindow window;
    QString told;
    QTimer::singleShot(0, [&told] {
      auto* dialog = qobject_cast<LanguageDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      const auto found = dialog->list()->findItems(QStringLiteral("Hanzi"), Qt::MatchExactly);
      if (found.size() != 1) return dialog->reject();
      dialog->list()->setCurrentItem(found.first());
      AnswerNextMessageBox(&told);
      dialog->okButton()->click();
    });
    QVERIFY(window.commands()->Run(32856));
    QVERIFY(!told.isEmpty());
    QCOMPARE(Q(tessera::ReadSettingString(tessera::kSettingsSection, u"UI_LANG_DLL_PATH", u"")),
             Q(kHanzi));
    QCOMPARE(tessera::ReadSettingInt(tessera::kSettingsSection, u"UI_LANG_ID", 0), 2052);
    QCOMPARE(Q(tessera::ReadSettingString(tessera::kSettingsSection, u"CMD_RESOURCE_PATH", u"")),
             QStringLiteral("STRRESOURCE_CHS.TXT"));
    // Only at the next start: the window keeps its texts.
    QCOMPARE(window.windowTitle(), QStringLiteral("Tessera"));
  }
};

// Texts of a menu's actions, as shown.
QStringList Texts(QMenu* menu) {
  emit menu->aboutToShow();
  QStringList texts;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text();
  }
  return texts;
}

class LanguageWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void AfterAStartWithHanziTheWindowIsChinese() {
    LanguageRoot root;
    root.StartWith(kHanzi);
    tessera::ui::MainWindow window;
    window.show();
    window.view()->Start();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tessera 命令行"));
    QCOMPARE(window.softKey()->text(), QStringLiteral("功能"));
    QCOMPARE(window.menuKey()->text(), QStringLiteral("菜单"));
    QMenu* menu = window.menus().menu;
    const QStringList texts = Texts(menu);
    QCOMPARE(texts.first(), QStringLiteral("选择路径(&S)...\tCtrl+R"));
    QVERIFY(texts.contains(QStringLiteral("编辑(&E)")));
    QVERIFY(texts.contains(QStringLiteral("退出(&X)")));
    QMenu* edit = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text() == QStringLiteral("编辑(&E)")) edit = action->menu();
    }
    QVERIFY(edit);
    QVERIFY(texts.contains(QStringLiteral("将所选文本保存到文件(&V)...\tCtrl+S")));
    QVERIFY(Texts(edit).contains(QStringLiteral("复制到命令行(&M)")));
    QVERIFY(Texts(window.menus().console).contains(QStringLiteral("全选(&A)\tCtrl+A")));
    // The bars' buttons, and the soft key and title as the focus moves.
    auto* keyBar = window.view()->functionKeyBar();
    QCOMPARE(keyBar->findChild<QPushButton*>(QStringLiteral("SP"))->text(), QStringLiteral("空格"));
    QCOMPARE(window.view()->findBar()->findChild<QToolButton*>(QStringLiteral("Up"))->text(),
             QStringLiteral("上"));
    window.view()->ShowFunctionKeyBar(true);
    QCOMPARE(window.softKey()->text(), QStringLiteral("输入"));
    QCOMPARE(window.windowTitle(), QStringLiteral("功能键：Tessera 命令行"));
  }

  void TheToolkitsOwnButtonsSpeakTheLibrarysLanguage() {
    QVERIFY(!tessera::ui::InstallToolkitTranslation(*QCoreApplication::instance(), 1252));
    QVERIFY(!tessera::ui::InstallToolkitTranslation(*QCoreApplication::instance(), 1033));
    QTranslator* chinese =
        tessera::ui::InstallToolkitTranslation(*QCoreApplication::instance(), 2052);
    QVERIFY(chinese);
    {
      QMessageBox box(QMessageBox::Question, QString(), QString(),
                      QMessageBox::Ok | QMessageBox::Cancel);
      QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    }
    QCoreApplication::removeTranslator(chinese);
    delete chinese;
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
  }
};

// Drives the window through what loads resources: its menus, the bars and
// the find bar's soft keys, scroll mode, a running command, the file
// dialogs, the language dialog, the options sheet with its font chooser
// and colour picker, and About.
void LoadEveryWindowResource() {
  tessera::ui::MainWindow window;
  window.show();
  tessera::ui::TesseraView* view = window.view();
  view->Start();
  for (QMenu* menu : {window.menus().menu, window.menus().console, window.menus().findBar}) {
    Texts(menu);
    for (QMenu* sub : menu->findChildren<QMenu*>()) Texts(sub);
  }
  view->ShowFunctionKeyBar(true);
  QApplication::setActiveWindow(&window);
  view->ShowFindBar(true);
  QCoreApplication::processEvents();
  view->ShowFindBar(false);
  // A command that shows the running label, then scroll mode.
  view->console()->ReplaceInput(u"echo x", true);
  view->RunCommandLine();
  QTest::keyClick(view->console(), Qt::Key_Return);
  QTest::keyClick(view->console(), Qt::Key_Return);
  QTest::keyClick(view->console(), Qt::Key_A);
  for (auto open :
       {&tessera::ui::TesseraView::OpenWithDialog, &tessera::ui::TesseraView::SelectPath}) {
    QTimer::singleShot(0, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
    });
    (view->*open)();
  }
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  window.commands()->Run(32856);
  tessera::ui::OptionsSheet sheet(&window);
  tessera::ui::FontChooser chooser(tessera::ui::ReadFontEntry(0), &window);
  tessera::ui::ColorPicker picker(Qt::red, &window);
  tessera::ui::AboutDialog about(0, &window);
}

class ResourceCompletenessTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryResourceTheWindowLoadsIsInTheProgramAndEveryLibrary() {
    std::vector<std::u16string> modules{u""};
    for (const auto& entry : fs::directory_iterator(TESSERA_LANGUAGE_DIR))
      modules.push_back(kFolder + entry.path().filename().u16string());
    QCOMPARE(modules.size(), std::size_t{4});
    for (const std::u16string& module : modules) {
      LanguageRoot root;
      if (!module.empty()) {
        root.StartWith(module);
        QVERIFY(tessera::ActiveResources().table() != &tessera::kProgramResources);
      }
      tessera::ForgetMissingResources();
      LoadEveryWindowResource();
      QStringList missing;
      for (const tessera::MissingResource& miss : tessera::MissingResources()) {
        missing << QStringLiteral("kind %1 id %2 control %3")
                       .arg(static_cast<int>(miss.kind))
                       .arg(miss.id)
                       .arg(miss.control);
      }
      QVERIFY2(missing.isEmpty(), qPrintable(Q(module) + QStringLiteral(" lacks ") +
                                             missing.join(QStringLiteral(", "))));
    }
  }
};

}  // namespace

int RunLanguageTests(int argc, char** argv) {
  int failures = 0;
  LanguageDialogTest dialog;
  failures += QTest::qExec(&dialog, argc, argv);
  LanguageWindowTest window;
  failures += QTest::qExec(&window, argc, argv);
  ResourceCompletenessTest completeness;
  failures += QTest::qExec(&completeness, argc, argv);
  return failures;
}

#include "language_test.moc"
