// The options sheet: its pages as a fresh device shows them, what each
// page writes, the font chooser's sizes, the colour picker, and OK giving
// the window exactly what changed.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "box_answers.h"
#include "shell/function_keys.h"
#include "shell/settings.h"
#include "shell/startup_record.h"
#include "test_suites.h"
#include "ui/color_picker.h"
#include "ui/command_set.h"
#include "ui/font_chooser.h"
#include "ui/function_key_bar.h"
#include "ui/options_color_page.h"
#include "ui/options_font_page.h"
#include "ui/options_function_key_page.h"
#include "ui/options_general_page.h"
#include "ui/options_menu_page.h"
#include "ui/options_sheet.h"
#include "ui/window_settings.h"
#include "window_fixture.h"

using tessera::testing::BoxAnswers;
using tessera::testing::Q;
using tessera::testing::WindowFixture;
using tessera::ui::FontEntry;
using tessera::ui::OptionsSheet;

namespace {

std::int32_t Setting(const char16_t* key, std::int32_t fallback = -1) {
  return tessera::ReadSettingInt(tessera::kSettingsSection, key, fallback);
}

// Runs the sheet over the window as the Options command does; edit works
// on it once it is up, then OK is pressed (twice at most: a page may keep
// it open once).
void WithSheet(WindowFixture& f, const std::function<void(OptionsSheet&)>& edit) {
  QTimer::singleShot(0, [edit] {
    auto* sheet = qobject_cast<OptionsSheet*>(QApplication::activeModalWidget());
    QVERIFY(sheet);
    edit(*sheet);
    sheet->okButton()->click();
  });
  QVERIFY(f.window().commands()->Run(37004));
}

// A label whose text marks a key with '&' shows that letter underlined
// only with a buddy; without one the '&' itself is shown.
void ExpectNoBareAmpersand(QWidget& dialog) {
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text().contains(QChar(u'&'))) QVERIFY2(label->buddy(), qPrintable(label->text()));
  }
}

class OptionsSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void AFreshDeviceShowsEveryDefault() {
    WindowFixture f;
    OptionsSheet sheet(&f.window());
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(sheet.tabs()->count(), 5);
    const QStringList pages{QStringLiteral("General"), QStringLiteral("Font"),
                            QStringLiteral("Color"), QStringLiteral("Menu"),
                            QStringLiteral("Function Key")};
    for (int page = 0; page < 5; ++page) QCOMPARE(sheet.tabs()->tabText(page), pages[page]);

    auto* general = sheet.generalPage();
    QVERIFY(!general->useStartupFile()->isChecked());
    QVERIFY(general->path()->text().isEmpty());
    QVERIFY(!general->path()->isEnabled());
    for (int stream = 0; stream < 3; ++stream) QVERIFY(general->streamSwitch(stream)->isChecked());

    const int sizes[] = {7, 9, 12, 18};
    for (int index = 0; index < 4; ++index) {
      const FontEntry& entry = sheet.fontPage()->entry(index);
      QCOMPARE(entry.face, QStringLiteral("Tahoma"));
      QCOMPARE(entry.size, sizes[index]);
      QVERIFY(!entry.bold && !entry.italic);
    }
    QCOMPARE(sheet.fontPage()->description(1)->text(), QStringLiteral("Tahoma:9pt"));

    QCOMPARE(sheet.colorPage()->textColor(), QColor(0, 255, 0));
    QCOMPARE(sheet.colorPage()->backgroundColor(), QColor(0, 0, 0));
    QCOMPARE(sheet.colorPage()->preview()->text(), QStringLiteral("Text Color Preview!"));

    QVERIFY(sheet.menuPage()->softKeys()->isChecked());
    QVERIFY(sheet.menuPage()->nameAndSize()->isChecked());

    auto* keys = sheet.functionKeyPage();
    QVERIFY(keys->tenKeys()->isChecked());
    QCOMPARE(keys->list()->horizontalHeaderItem(0)->text(), QStringLiteral("ラベル"));
    QCOMPARE(keys->list()->horizontalHeaderItem(1)->text(), QStringLiteral("コマンド"));
    QCOMPARE(keys->list()->verticalHeaderItem(0)->text(), QStringLiteral("f1"));
    QVERIFY(!keys->list()->isRowHidden(9));
    QCOMPARE(keys->list()->item(0, 0)->text(), QStringLiteral("DIR \\n"));
    QCOMPARE(keys->list()->item(0, 1)->text(), QStringLiteral("DIR \\n"));
    QCOMPARE(keys->command()->text(), QStringLiteral("DIR \\n"));
    QCOMPARE(keys->list()->item(9, 1)->text(), QStringLiteral("RMDIR "));

    // The window on the same fresh device.
    QCOMPARE(f.view()->fontIndex(), 1);
    QVERIFY(f.view()->wordWrap());
    QCOMPARE(f.view()->functionKeyBar()->settingOfButton(10), 10);
  }

  void EveryTabIsInSightAndEveryLabelReadsWell() {
    WindowFixture f;
    OptionsSheet sheet(&f.window());
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QVERIFY(sheet.tabs()->tabBar()->width() >= sheet.tabs()->tabBar()->sizeHint().width());
    ExpectNoBareAmpersand(sheet);
    tessera::ui::ColorPicker picker(Qt::black, &sheet);
    ExpectNoBareAmpersand(picker);
    tessera::ui::FontChooser chooser(FontEntry{QStringLiteral("Tahoma"), 9}, &sheet);
    ExpectNoBareAmpersand(chooser);
  }

  void EnterIsOkAndEscapeIsCancel() {
    WindowFixture f;
    {
      OptionsSheet sheet(&f.window());
      sheet.show();
      QTest::keyClick(&sheet, Qt::Key_Escape);
      QCOMPARE(sheet.result(), int(QDialog::Rejected));
    }
    OptionsSheet sheet(&f.window());
    sheet.show();
    sheet.menuPage()->softKeys()->setChecked(false);
    QTest::keyClick(sheet.menuPage()->softKeys(), Qt::Key_Return);
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QCOMPARE(Setting(u"USE_SOFT_KEY_MENU"), 0);
  }

  void ChangingOnlyTheBackgroundMakesOnlyANewBrush() {
    WindowFixture f;
    tessera::ui::TesseraView* view = f.view();
    const int brushes = view->brushBuilds();
    const std::array<int, 4> fonts = {view->fontBuilds(0), view->fontBuilds(1), view->fontBuilds(2),
                                      view->fontBuilds(3)};
    const QFont shown = f.console()->font();
    WithSheet(f, [](OptionsSheet& sheet) {
      sheet.colorPage()->SetColors(QColor(0, 255, 0), QColor(0, 0, 128));
    });
    QCOMPARE(view->brushBuilds(), brushes + 1);
    for (int index = 0; index < 4; ++index) QCOMPARE(view->fontBuilds(index), fonts[index]);
    QCOMPARE(f.console()->font(), shown);
    QCOMPARE(f.console()->palette().color(QPalette::Base), QColor(0, 0, 128));
    QCOMPARE(f.console()->palette().color(QPalette::Text), QColor(0, 255, 0));
    QCOMPARE(Setting(u"COLOR_BACKGROUND"), 0x800000);

    // The text colour alone: the brush stays.
    WithSheet(f, [](OptionsSheet& sheet) {
      sheet.colorPage()->SetColors(QColor(255, 255, 0), QColor(0, 0, 128));
    });
    QCOMPARE(view->brushBuilds(), brushes + 1);
    QCOMPARE(f.console()->palette().color(QPalette::Text), QColor(255, 255, 0));
  }

  void AChangedFontIsRebuiltAndTheOthersStay() {
    WindowFixture f;
    tessera::ui::TesseraView* view = f.view();
    const std::array<int, 4> fonts = {view->fontBuilds(0), view->fontBuilds(1), view->fontBuilds(2),
                                      view->fontBuilds(3)};
    const int brushes = view->brushBuilds();
    WithSheet(f, [](OptionsSheet& sheet) {
      FontEntry larger = sheet.fontPage()->entry(1);
      larger.size = 15;
      larger.bold = true;
      sheet.fontPage()->SetEntry(1, larger);
      // Chosen again unchanged: not a change.
      sheet.fontPage()->SetEntry(2, sheet.fontPage()->entry(2));
    });
    QCOMPARE(view->fontBuilds(0), fonts[0]);
    QCOMPARE(view->fontBuilds(1), fonts[1] + 1);
    QCOMPARE(view->fontBuilds(2), fonts[2]);
    QCOMPARE(view->fontBuilds(3), fonts[3]);
    QCOMPARE(view->brushBuilds(), brushes);
    // Font 2 is the current one: the console shows it at once.
    QCOMPARE(f.console()->font().pointSize(), 15);
    QVERIFY(f.console()->font().bold());
    QCOMPARE(Setting(u"FONT2_SIZE"), 15);
    QCOMPARE(Setting(u"FONT2_BOLD"), 1);
    QCOMPARE(Setting(u"FONT3_SIZE"), -1);  // untouched
  }

  void TheFontChooserTakesSizesOneTo144() {
    tessera::testing::TempRoot root;
    for (const auto& [typed, accepted] : {std::pair{"0", false}, std::pair{"145", false},
                                          std::pair{"1", true}, std::pair{"144", true}}) {
      tessera::ui::FontChooser chooser(FontEntry{QStringLiteral("Tahoma"), 9, false, true});
      chooser.show();
      QVERIFY(chooser.italic()->isChecked());
      chooser.size()->setEditText(QString::fromLatin1(typed));
      BoxAnswers answers({QMessageBox::Ok});
      chooser.accept();
      QCOMPARE(chooser.result() == QDialog::Accepted, accepted);
      QCOMPARE(answers.texts.isEmpty(), accepted);
      if (!accepted) {
        QCOMPARE(answers.texts.front(), QStringLiteral("Font size must be 1 - 144."));
        QVERIFY(chooser.isVisible());
      } else {
        QCOMPARE(chooser.entry().size, QString::fromLatin1(typed).toInt());
      }
    }
    // The list offers the installed families, and the stored face even
    // where it is not installed; the sample follows the choice.
    tessera::ui::FontChooser chooser(FontEntry{QStringLiteral("Tahoma"), 9, false, false});
    QVERIFY(chooser.families()->count() > 1);
    QCOMPARE(chooser.families()->currentItem()->text(), QStringLiteral("Tahoma"));
    QCOMPARE(chooser.sample()->text(), QStringLiteral("abc XYZ 012"));
    chooser.bold()->setChecked(true);
    chooser.size()->setEditText(QStringLiteral("20"));
    QVERIFY(chooser.sample()->font().bold());
    QCOMPARE(chooser.sample()->font().pointSize(), 20);
  }

  // Enter typed into a field is OK, as in any dialog of the desktop.
  void EnterInAFieldIsOk() {
    tessera::testing::TempRoot root;
    tessera::ui::FontChooser chooser(FontEntry{QStringLiteral("Tahoma"), 9});
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QLineEdit* size = chooser.size()->lineEdit();
    size->selectAll();
    QTest::keyClicks(size, QStringLiteral("12"));
    QTest::keyClick(size, Qt::Key_Return);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.entry().size, 12);

    WindowFixture f;
    OptionsSheet sheet(&f.window());
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    sheet.tabs()->setCurrentWidget(sheet.functionKeyPage());
    QLineEdit* label = sheet.functionKeyPage()->label();
    label->selectAll();
    QTest::keyClicks(label, QStringLiteral("List"));
    QTest::keyClick(label, Qt::Key_Return);
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QCOMPARE(tessera::ReadFunctionKey(1).label, std::u16string(u"List"));
  }

  void TheGeneralPageChecksTheStartUpFile() {
    WindowFixture f;
    f.root().WriteHostFile(f.root().Host("\\My Documents\\start.bat"), "@echo hi\r\n");
    tessera::ui::OptionsGeneralPage page;
    page.useStartupFile()->click();
    QVERIFY(page.path()->isEnabled());
    {
      BoxAnswers answers({QMessageBox::Ok});
      QVERIFY(!page.Commit());
      QCOMPARE(answers.texts, QStringList{QStringLiteral("Please input a file name")});
    }
    page.path()->setText(QStringLiteral("\\My Documents\\missing.bat"));
    {
      BoxAnswers answers({QMessageBox::No});
      QVERIFY(!page.Commit());
      QCOMPARE(answers.texts, QStringList{QStringLiteral(
                                  "The File that is speficied as Autoexec.bat not found.\n\n"
                                  "\\My Documents\\missing.bat")});
      QVERIFY(!tessera::ReadStartupRecord());
    }
    page.path()->setText(QStringLiteral("\\My Documents"));
    {
      BoxAnswers answers({QMessageBox::No});
      QVERIFY(!page.Commit());
      QVERIFY(answers.texts.front().startsWith(QStringLiteral("This is a Folder Path.")));
    }
    page.path()->setText(QStringLiteral("\\My Documents\\start.bat"));
    QVERIFY(page.Commit());
    const auto record = tessera::ReadStartupRecord();
    QVERIFY(record && record->enabled);
    QCOMPARE(Q(record->path), QStringLiteral("\\My Documents\\start.bat"));

    // A missing file may be kept when the user says so.
    page.path()->setText(QStringLiteral("\\later.bat"));
    {
      BoxAnswers answers({QMessageBox::Yes});
      QVERIFY(page.Commit());
    }
    QCOMPARE(Q(tessera::ReadStartupRecord()->path), QStringLiteral("\\later.bat"));
  }

  void AStartUpRecordThatCannotBeWrittenKeepsThePageOpen() {
    WindowFixture f;
    // A folder where the record goes: no file can be written there.
    std::filesystem::create_directories(f.root().Host("\\Program Files\\Tessera\\TSXSet.Dat"));
    tessera::ui::OptionsGeneralPage page;
    page.useStartupFile()->click();
    page.path()->setText(QStringLiteral("\\"));
    page.streamSwitch(0)->click();  // off
    BoxAnswers answers({QMessageBox::Yes, QMessageBox::Ok});
    QVERIFY(!page.Commit());
    QCOMPARE(answers.texts.size(), 2);
    QVERIFY(answers.texts.back().startsWith(QStringLiteral("Cannot save the start-up settings")));
    QCOMPARE(Setting(u"USE_STDIN"), -1);
  }

  void TheStreamSwitchesAskWhereTheDeviceSeemsToLackTheStream() {
    WindowFixture f;
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"SUPPORT_STDOUT", 0).ok());
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"USE_STDOUT", 0).ok());
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"USE_STDERR", 0).ok());
    tessera::ui::OptionsGeneralPage page;
    QVERIFY(!page.streamSwitch(1)->isChecked());
    {
      BoxAnswers answers({QMessageBox::No});
      page.streamSwitch(1)->click();
      QVERIFY(!page.streamSwitch(1)->isChecked());
      QVERIFY(answers.texts.front().contains(QStringLiteral("Standard Output")));
    }
    {
      BoxAnswers answers({QMessageBox::Yes});
      page.streamSwitch(1)->click();
      QVERIFY(page.streamSwitch(1)->isChecked());
      QCOMPARE(answers.texts.size(), 1);
    }
    // Standard error was probed as passed on (256: not yet probed): no question.
    {
      BoxAnswers answers({});
      page.streamSwitch(2)->click();
      QVERIFY(page.streamSwitch(2)->isChecked());
      QVERIFY(answers.texts.isEmpty());
    }
    BoxAnswers answers({QMessageBox::Ok});
    QVERIFY(page.Commit());
    QCOMPARE(answers.texts,
             QStringList{QStringLiteral("The settings for Standard Input/Output/Error is effective "
                                        "after next Tessera startint.")});
    QCOMPARE(Setting(u"USE_STDOUT"), 1);
    QCOMPARE(Setting(u"USE_STDERR"), 1);
    // Nothing changed: no note.
    BoxAnswers none({});
    QVERIFY(page.Commit());
    QVERIFY(none.texts.isEmpty());
  }

  void TheFunctionKeyPageEditsTheSelectedKey() {
    WindowFixture f;
    WithSheet(f, [](OptionsSheet& sheet) {
      auto* page = sheet.functionKeyPage();
      page->list()->selectRow(2);
      QCOMPARE(page->command()->text(), QStringLiteral("COPY "));
      page->label()->selectAll();
      QTest::keyClicks(page->label(), QStringLiteral("Copy it"));
      QCOMPARE(page->list()->item(2, 0)->text(), QStringLiteral("Copy it"));
      page->command()->end(false);
      page->InsertPath(QStringLiteral("\\My Documents\\a b.txt"));
      QCOMPARE(page->list()->item(2, 1)->text(),
               QStringLiteral("COPY \"\\My Documents\\a b.txt\""));
      page->tenKeys()->setChecked(false);
      QVERIFY(page->list()->isRowHidden(8));
      QVERIFY(page->list()->isRowHidden(9));
      QVERIFY(!page->list()->isRowHidden(7));
    });
    QCOMPARE(Setting(u"FKEY_SHOW_10_BUTTONS"), 0);
    QCOMPARE(Q(tessera::ReadFunctionKey(3).label), QStringLiteral("Copy it"));
    QCOMPARE(Q(tessera::ReadFunctionKey(3).command),
             QStringLiteral("COPY \"\\My Documents\\a b.txt\""));
    QCOMPARE(Q(tessera::ReadFunctionKey(10).command), QStringLiteral("RMDIR "));
    // The bar was rebuilt: eight keys, f3 with its new label.
    QCOMPARE(f.view()->functionKeyBar()->settingOfButton(5), 0);
    QCOMPARE(f.view()->functionKeyBar()->keyButton(3)->text(), QStringLiteral("Copy it"));
  }

  void TheMenuPageHidesTheSoftKeysAndSwitchesTheFontLabels() {
    WindowFixture f;
    WithSheet(f, [](OptionsSheet& sheet) {
      sheet.menuPage()->softKeys()->setChecked(false);
      sheet.menuPage()->fixedLabels()->setChecked(true);
    });
    QVERIFY(f.window().softKeyStrip()->isHidden());
    QCOMPARE(Setting(u"FONT_LABEL_FORMAT"), 0);
    QCOMPARE(tessera::ui::FontMenuLabel(0), QStringLiteral("Font&1"));
    WithSheet(f, [](OptionsSheet& sheet) { sheet.menuPage()->softKeys()->setChecked(true); });
    QVERIFY(f.window().softKeyStrip()->isVisible());
  }
};

class ColorPickerTest : public QObject {
  Q_OBJECT

 private slots:
  void TheBasicColoursStandInTheirOrder() {
    tessera::testing::TempRoot root;
    tessera::ui::ColorPicker picker(QColor(1, 2, 3));
    QCOMPARE(picker.channel(0)->value(), 1);
    QCOMPARE(picker.slider(2)->value(), 3);
    picker.colorButton(5504)->click();  // 0x9999FF
    QCOMPARE(picker.color(), QColor(0xFF, 0x99, 0x99));
    picker.colorButton(5520)->click();  // 0x333399
    QCOMPARE(picker.color(), QColor(0x99, 0x33, 0x33));
    picker.colorButton(5550)->click();  // 0x3300CC
    QCOMPARE(picker.color(), QColor(0xCC, 0x00, 0x33));
    picker.colorButton(5551)->click();
    QCOMPARE(picker.color(), QColor(255, 255, 255));
    QCOMPARE(picker.channel(1)->value(), 255);
    // The numbers and the sliders set one channel each.
    picker.channel(0)->setValue(10);
    picker.slider(1)->setValue(20);
    QCOMPARE(picker.color(), QColor(10, 20, 255));
    QCOMPARE(picker.channel(1)->value(), 20);
    // No recent colours yet.
    QVERIFY(!picker.colorButton(5552)->isEnabled());
  }

  void OkKeepsTheFiveLastColoursNewestFirst() {
    tessera::testing::TempRoot root;
    auto choose = [](QColor color) {
      tessera::ui::ColorPicker picker(Qt::black);
      picker.SetColor(color);
      picker.accept();
    };
    choose(QColor(255, 0, 0));
    QCOMPARE(Setting(u"CUSTOM_COLOR_COUNT"), 1);
    QCOMPARE(Setting(u"CUSTOM_COLOR1"), 0x0000FF);
    for (int blue : {1, 2, 3, 4, 5}) choose(QColor(0, 0, blue));
    QCOMPARE(Setting(u"CUSTOM_COLOR_COUNT"), 5);
    QCOMPARE(Setting(u"CUSTOM_COLOR1"), 0x050000);
    QCOMPARE(Setting(u"CUSTOM_COLOR5"), 0x010000);
    choose(QColor(0, 0, 3));
    QCOMPARE(Setting(u"CUSTOM_COLOR1"), 0x030000);
    QCOMPARE(Setting(u"CUSTOM_COLOR2"), 0x050000);
    QCOMPARE(Setting(u"CUSTOM_COLOR5"), 0x010000);
    // The next picker offers them.
    tessera::ui::ColorPicker picker(Qt::black);
    QVERIFY(picker.colorButton(5556)->isEnabled());
    picker.colorButton(5553)->click();
    QCOMPARE(picker.color(), QColor(0, 0, 5));
    // A count out of range reads as the most there can be.
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"CUSTOM_COLOR_COUNT", 99).ok());
    QCOMPARE(tessera::ui::ReadRecentColors().size(), std::size_t{5});
  }

  void PickUpTakesTheColourUnderThePointer() {
    tessera::testing::TempRoot root;
    tessera::ui::ColorPicker picker(QColor(1, 1, 1));
    picker.SetScreenSampler([](const QPoint& at) { return QColor(at.x() % 256, 7, 9); });
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.pickUpButton()->click();
    QVERIFY(picker.picking());
    QTest::mouseMove(&picker, QPoint(30, 5));
    QTRY_COMPARE(picker.color().green(), 7);
    // Escape gives the colour from before back.
    QTest::keyClick(&picker, Qt::Key_Escape);
    QVERIFY(!picker.picking());
    QVERIFY(picker.isVisible());
    QCOMPARE(picker.color(), QColor(1, 1, 1));
    // A click keeps the colour under the pointer.
    picker.pickUpButton()->click();
    const QPoint at(40, 10);
    QTest::mouseClick(&picker, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(!picker.picking());
    QCOMPARE(picker.color(), QColor(picker.mapToGlobal(at).x() % 256, 7, 9));
  }
};

}  // namespace

int RunOptionsTests(int argc, char** argv) {
  int failures = 0;
  OptionsSheetTest sheet;
  failures += QTest::qExec(&sheet, argc, argv);
  ColorPickerTest picker;
  failures += QTest::qExec(&picker, argc, argv);
  return failures;
}

#include "options_test.moc"
