// The main frame: the recently used files, Help, About, the find bar's
// soft keys, the soft-key strip, the keys of the table and the first
// start's fonts.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <filesystem>

#include "menu_actions.h"
#include "shell/output.h"
#include "shell/settings.h"
#include "test_suites.h"
#include "ui/about_dialog.h"
#include "ui/command_set.h"
#include "ui/find_bar.h"
#include "ui/first_start_fonts.h"
#include "ui/frame_commands.h"
#include "ui/function_key_bar.h"
#include "ui/recent_files.h"
#include "ui/text_effects.h"
#include "window_fixture.h"

using tessera::testing::ActionOf;
using tessera::testing::Q;
using tessera::testing::WindowFixture;
using tessera::ui::RecentDisplayName;
using tessera::ui::RecentFileList;

namespace {

std::u16string StoredEntry(int number) {
  return tessera::ReadSettingString(
      u"QuillpadMRUList", u"File" + std::u16string(1, static_cast<char16_t>(u'0' + number)),
      u"(none)");
}

class RecentFileTest : public QObject {
  Q_OBJECT

 private slots:
  void TheListKeepsFourNewestFirstWithoutRepeats() {
    tessera::testing::TempRoot root;
    RecentFileList list;
    for (const char16_t* entry : {u"\\a.txt", u"\\b.txt", u"\\c.txt", u"\\d.txt", u"\\e.txt"})
      list.Add(entry);
    QCOMPARE(list.entries(),
             (std::vector<std::u16string>{u"\\e.txt", u"\\d.txt", u"\\c.txt", u"\\b.txt"}));
    // The same file in other letters moves up with its new spelling.
    list.Add(u"\\C.TXT");
    QCOMPARE(list.entries(),
             (std::vector<std::u16string>{u"\\C.TXT", u"\\e.txt", u"\\d.txt", u"\\b.txt"}));
    QCOMPARE(StoredEntry(1), std::u16string(u"\\C.TXT"));
    QCOMPARE(StoredEntry(4), std::u16string(u"\\b.txt"));
    list.Remove(u"\\e.TXT");
    QCOMPARE(list.entries().size(), std::size_t{3});
    QCOMPARE(StoredEntry(3), std::u16string(u"\\b.txt"));
    QCOMPARE(StoredEntry(4), std::u16string(u"(none)"));

    // The next start reads the list back; empty and repeated slots are
    // skipped.
    QVERIFY(tessera::WriteSettingString(u"QuillpadMRUList", u"File3", u"").ok());
    QVERIFY(tessera::WriteSettingString(u"QuillpadMRUList", u"File4", u"\\c.txt").ok());
    RecentFileList again;
    again.Load();
    QCOMPARE(again.entries(), (std::vector<std::u16string>{u"\\C.TXT", u"\\d.txt"}));
  }

  void LongNamesAreCutToThirtyCharacters() {
    QCOMPARE(RecentDisplayName(u"\\My Documents\\notes.txt"),
             std::u16string(u"\\My Documents\\notes.txt"));
    const std::u16string deep = u"\\My Documents\\projects\\2024\\spring\\plan.txt";
    QCOMPARE(RecentDisplayName(deep), std::u16string(u"\\My Documents\\...\\plan.txt"));
    QCOMPARE(RecentDisplayName(u"\\A very long folder name here\\x\\report-final.txt"),
             std::u16string(u"...\\report-final.txt"));
    const std::u16string longName = u"\\" + std::u16string(40, u'n') + u".txt";
    QCOMPARE(RecentDisplayName(longName), std::u16string(27, u'n') + u"...");
    for (const std::u16string& entry : {deep, longName})
      QVERIFY(RecentDisplayName(entry).size() <= tessera::ui::kRecentNameLength);
  }

  void AnEntryThatRunsMovesUpAndOneThatFailsLeaves() {
    WindowFixture f;
    f.root().WriteHostFile(f.root().Host("\\a.txt"), "first file\r\n");
    f.root().WriteHostFile(f.root().Host("\\My Dir\\go.bat"), "@echo off\r\necho went\r\n");
    RecentFileList& recent = f.window().recentFiles();
    recent.Add(u"\\gone.txt");
    recent.Add(u"\\a.txt");
    recent.Add(u"\"\\My Dir\\go.bat\"");
    QMenu* menu = f.window().menus().menu;
    QAction* second = ActionOf(menu, 57617);
    QVERIFY(second->isVisible());
    QCOMPARE(second->text(), QStringLiteral("&2 \\a.txt"));
    QVERIFY(!ActionOf(menu, 57619)->isVisible());

    second->trigger();
    QVERIFY(f.Text().contains(QStringLiteral("TYPE \\a.txt\nfirst file\n")));
    QCOMPARE(recent.entries().front(), std::u16string(u"\\a.txt"));
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("TYPE \\a.txt"));

    // A program's command line (in quotes) is started as such.
    ActionOf(menu, 57617)->trigger();
    QVERIFY(f.Text().contains(QStringLiteral("\"\\My Dir\\go.bat\"\nwent\n")));
    QCOMPARE(recent.entries().front(), std::u16string(u"\"\\My Dir\\go.bat\""));

    ActionOf(menu, 57618)->trigger();  // \gone.txt
    QCOMPARE(recent.entries(), (std::vector<std::u16string>{u"\"\\My Dir\\go.bat\"", u"\\a.txt"}));
    QCOMPARE(StoredEntry(3), std::u16string(u"(none)"));
    QVERIFY(!ActionOf(menu, 57618)->isVisible());
    QCOMPARE(f.Input(), QString());
  }

  void FilesOpenedAsCommandsJoinTheList() {
    WindowFixture f;
    emit f.view()->openedAsCommand(QStringLiteral("\\My Documents\\run.bat"));
    QCOMPARE(f.window().recentFiles().entries().front(),
             std::u16string(u"\\My Documents\\run.bat"));
    QCOMPARE(StoredEntry(1), std::u16string(u"\\My Documents\\run.bat"));
  }
};

class FrameTest : public QObject {
  Q_OBJECT

 private slots:
  void HelpStartsTheViewerOnItsPagesWithoutWaiting() {
    WindowFixture f;
    const std::string viewer = f.root().Host("\\Windows\\peghelp.exe");
    const std::string noted = f.root().host() + "/arguments";
    f.root().WriteHostFile(viewer, "#!/bin/sh\necho \"$@\" >> '" + noted + "'\nsleep 5\n");
    std::filesystem::permissions(viewer, std::filesystem::perms::owner_all);
    const auto start = std::chrono::steady_clock::now();
    QVERIFY(f.window().commands()->Run(57666));
    QVERIFY(f.window().commands()->Run(37020));
    QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::seconds(3));
    QTRY_COMPARE(QString::fromStdString(f.root().ReadHostFile(noted)).count(u'\n'), 2);
    const QString arguments = QString::fromStdString(f.root().ReadHostFile(noted));
    QVERIFY(arguments.contains(QStringLiteral("file:TSXHELP.HTM#Main_Contents\n")));
    QVERIFY(arguments.contains(QStringLiteral("file:TSXREF.HTM#Main_Contents\n")));
  }

  void TheAboutLineTurnsIntoItsSecondText() {
    // Each effect starts on its first text and ends on its second.
    const QString from = QStringLiteral("Tessera");
    const QString to = QStringLiteral("Command Shell");
    using tessera::ui::TextEffectFrame;
    for (int effect = 0; effect < tessera::ui::kTextEffectCount; ++effect) {
      const int frames = tessera::ui::TextEffectFrames(effect, from, to);
      QVERIFY(frames > 1);
      QCOMPARE(TextEffectFrame(effect, from, to, 0), from);
      QCOMPARE(TextEffectFrame(effect, from, to, frames), to);
      QCOMPARE(TextEffectFrame(effect, from, to, frames + 5), to);
      // Every frame in between is something else than the end.
      for (int step = 1; step < frames; ++step)
        QVERIFY2(TextEffectFrame(effect, from, to, step) != to, qPrintable(QString::number(step)));
    }
    // Their texts and periods.
    QCOMPARE(tessera::ui::TextEffectOf(0).fromString, 32834u);
    QCOMPARE(tessera::ui::TextEffectOf(0).toString, 32838u);
    QCOMPARE(tessera::ui::TextEffectOf(1).periodMs, 80);
    QCOMPARE(tessera::ui::TextEffectOf(3).fromString, 32833u);
    QCOMPARE(tessera::ui::TextEffectOf(3).periodMs, 30);
    // The typed effect, frame by frame at its ends.
    QCOMPARE(TextEffectFrame(0, QStringLiteral("ab"), QStringLiteral("xyz"), 1),
             QStringLiteral("a"));
    QCOMPARE(TextEffectFrame(0, QStringLiteral("ab"), QStringLiteral("xyz"), 3),
             QStringLiteral("x_"));
  }

  void EachAboutUsesTheNextEffect() {
    const int first = tessera::ui::NextAboutEffect();
    QVERIFY(first >= 0 && first < 4);
    for (int i = 1; i <= 5; ++i) QCOMPARE(tessera::ui::NextAboutEffect(), (first + i) % 4);
  }

  void TheAboutDialogShowsTheVersionAndAnimates() {
    tessera::testing::TempRoot root;
    tessera::ui::AboutDialog about(3);
    about.show();
    QCOMPARE(about.windowTitle(), QStringLiteral("About Tessera"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("productVersion"))->text(),
             QStringLiteral("Version 2.05"));
    QCOMPARE(about.timer().interval(), 30);
    QCOMPARE(about.animatedLine()->text(), QStringLiteral("Thank you"));
    QTRY_COMPARE_WITH_TIMEOUT(about.animatedLine()->text(), QStringLiteral("for using Tessera!"),
                              5000);
    QTRY_VERIFY(!about.timer().isActive());
  }

  void TheFindBarHasItsOwnSoftKeys() {
    WindowFixture f;
    f.TypeLine(QStringLiteral("echo needle one"));
    f.TypeLine(QStringLiteral("echo needle two"));
    QCOMPARE(f.window().softKey()->text(), QStringLiteral("Fn"));
    QVERIFY(f.window().reverseKey()->isHidden());
    f.view()->findBar()->edit()->setText(QStringLiteral("needle"));
    f.view()->ShowFindBar(true);
    QTRY_VERIFY(f.window().findBarKeys());
    QCOMPARE(f.window().softKey()->text(), QStringLiteral("Next"));
    QCOMPARE(f.window().reverseKey()->text(), QStringLiteral("Prev"));
    QVERIFY(!f.window().reverseKey()->isHidden());
    QCOMPARE(f.window().menuKey()->menu(), f.window().menus().findBar);

    // Backward from the end finds the last one; the direction sticks.
    f.console()->SetSelection(f.console()->TextLength(), f.console()->TextLength());
    f.window().reverseKey()->click();
    QCOMPARE(f.window().softKey()->text(), QStringLiteral("Prev"));
    QCOMPARE(f.window().reverseKey()->text(), QStringLiteral("Next"));
    const int last = f.console()->textCursor().selectionStart();
    QCOMPARE(f.console()->textCursor().selectedText(), QStringLiteral("needle"));
    f.window().softKey()->click();
    const int earlier = f.console()->textCursor().selectionStart();
    QVERIFY(earlier < last);
    f.window().reverseKey()->click();
    QCOMPARE(f.console()->textCursor().selectionStart(), last);
    QCOMPARE(f.window().softKey()->text(), QStringLiteral("Next"));

    // Back in the console the strip is the console's again.
    f.view()->ShowFindBar(false);
    QTRY_VERIFY(!f.window().findBarKeys());
    QCOMPARE(f.window().softKey()->text(), QStringLiteral("Fn"));
    QVERIFY(f.window().reverseKey()->isHidden());
    QCOMPARE(f.window().menuKey()->menu(), f.window().menus().menu);
  }

  void TheSoftKeysCanBeHidden() {
    tessera::testing::TempRoot root;
    QVERIFY(tessera::WriteSettingInt(tessera::kSettingsSection, u"USE_SOFT_KEY_MENU", 0).ok());
    tessera::ui::MainWindow window;
    window.show();
    QVERIFY(window.softKeyStrip()->isHidden());
    window.ShowSoftKeys(true);
    QVERIFY(window.softKeyStrip()->isVisible());
  }

  void KeysOfTheTableWithoutACommandDoNothing() {
    WindowFixture f;
    f.Type(QStringLiteral("ab"));
    using Press = std::pair<Qt::Key, Qt::KeyboardModifiers>;
    for (const auto& [key, modifiers] :
         {Press{Qt::Key_E, Qt::ControlModifier}, Press{Qt::Key_0, Qt::ControlModifier},
          Press{Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier},
          Press{Qt::Key_F6, Qt::ShiftModifier}}) {
      f.Key(key, modifiers);
    }
    QCOMPARE(f.Input(), QStringLiteral("ab"));
    QVERIFY(f.view()->findBar()->isHidden());
    // F6 stays the sixth function key.
    f.Key(Qt::Key_F6);
    QCOMPARE(f.Input(), QStringLiteral("abDEL "));
    // Ctrl+Z undoes in the find bar's text only.
    f.view()->ShowFindBar(true);
    QLineEdit* edit = f.view()->findBar()->edit();
    QTest::keyClicks(edit, QStringLiteral("xy"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString());
  }

  void TheFirstStartGivesEveryFontTheModulesFace() {
    tessera::testing::TempRoot root;
    QVERIFY(tessera::ui::StoreFirstStartFonts());
    for (const char16_t* key : {u"FONT1_NAME", u"FONT2_NAME", u"FONT3_NAME", u"FONT4_NAME"})
      QCOMPARE(tessera::ReadSettingString(tessera::kSettingsSection, key, u""),
               std::u16string(u"Tahoma"));
    // Once a face is set, nothing changes.
    QVERIFY(tessera::WriteSettingString(tessera::kSettingsSection, u"FONT3_NAME", u"Other").ok());
    QVERIFY(!tessera::ui::StoreFirstStartFonts());
    QCOMPARE(tessera::ReadSettingString(tessera::kSettingsSection, u"FONT3_NAME", u""),
             std::u16string(u"Other"));
  }
};

}  // namespace

int RunFrameTests(int argc, char** argv) {
  int failures = 0;
  RecentFileTest recent;
  failures += QTest::qExec(&recent, argc, argv);
  FrameTest frame;
  failures += QTest::qExec(&frame, argc, argv);
  return failures;
}

#include "frame_test.moc"
