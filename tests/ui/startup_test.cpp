// The window's start and end: one window per device, the start-up batch
// file on the first show, and closing while something still runs.
#include <unistd.h>

#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "box_answers.h"
#include "launch/process_table.h"
#include "platform/shared_memory.h"
#include "platform/single_instance.h"
#include "shell/current_directory.h"
#include "shell/output.h"
#include "shell/startup_record.h"
#include "test_suites.h"
#include "ui/later_start_listener.h"
#include "ui/open_command.h"
#include "window_fixture.h"

namespace tessera::testing {
namespace {

void LinkTestProgram(TempRoot& root) {
  std::filesystem::create_symlink(TPROG_EXE, root.Host("\\Windows\\tprog.exe"));
}

// Running a program moves the process's own standard streams to the
// shell's files; the test's report needs them back.
class KeptStreams {
 public:
  KeptStreams() {
    for (int fd = 0; fd < 3; ++fd) saved_[fd] = dup(fd);
  }
  ~KeptStreams() {
    for (int fd = 0; fd < 3; ++fd) {
      dup2(saved_[fd], fd);
      close(saved_[fd]);
    }
  }

 private:
  int saved_[3];
};

class WindowStartTest : public QObject {
  Q_OBJECT

 private slots:
  void ALaterStartBringsTheFirstWindowToTheFront() {
    TempRoot root;
    platform::WindowInstance instance = platform::WindowInstance::Claim(1, 0);
    QCOMPARE(instance.outcome(), platform::WindowInstance::Outcome::First);
    MainWindow window;
    auto* listener = new ui::LaterStartListener(instance, window);
    QSignalSpy fronts(listener, &ui::LaterStartListener::broughtToFront);
    window.showMinimized();
    QProcess later;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    later.setProcessEnvironment(environment);
    later.start(QStringLiteral(TESSERA_EXE),
                {QStringLiteral("--root"), QString::fromStdString(root.host())});
    QTRY_COMPARE_WITH_TIMEOUT(fronts.count(), 1, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, 20000);
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);
    QVERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
  }

  void SigtermEndsTheWindowAsExitDoes() {
    TempRoot root;
    LinkTestProgram(root);
    const std::string block = platform::QualifiedSharedMemoryName(kCurrentDirectoryBlock);
    const std::string pidFile = root.host() + "/tprog.pid";
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    window.setProcessEnvironment(environment);
    window.start(
        QStringLiteral(TESSERA_EXE),
        {QStringLiteral("--root"), QString::fromStdString(root.host()), QStringLiteral("--run"),
         QString::fromStdString("tprog pid " + pidFile + " sleep 30000 &")});
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(pidFile), 20000);
    QTest::qWait(100);
    pid_t program = 0;
    std::ifstream(pidFile) >> program;
    QVERIFY(program > 0);
    QVERIFY(platform::SharedMemoryBlock::OpenExisting(block).ok());
    QVERIFY(std::filesystem::exists(root.Host("\\Temp\\TSXSTDOUT.tmp")));
    QCOMPARE(kill(static_cast<pid_t>(window.processId()), SIGTERM), 0);
    QVERIFY(window.waitForFinished(20000));
    QCOMPARE(window.exitStatus(), QProcess::CrashExit);  // ended by the signal
    QVERIFY(!platform::SharedMemoryBlock::OpenExisting(block).ok());
    QVERIFY(kill(program, 0) != 0);
    QVERIFY(!std::filesystem::exists(root.Host("\\Temp\\TSXSTDOUT.tmp")));
  }

  void TheStartUpBatchFileRunsOnTheFirstShowAfterYes() {
    TempRoot root;
    root.WriteHostFile(root.Host("\\Program Files\\Tessera\\AUTOEXEC.BAT"),
                       "@set FROM=autoexec\r\n@echo ran at start\r\n");
    MainWindow window;
    window.show();
    BoxAnswers answers({QMessageBox::Yes});
    window.view()->RunStartupBatch();
    QCOMPARE(answers.texts.size(), 1);
    QVERIFY(answers.texts[0].startsWith(QStringLiteral("Autoexec.bat was Found.")));
    const QString text = window.view()->console()->toPlainText();
    QVERIFY2(text.startsWith(QStringLiteral("\\>\nran at start\n\\>")), qPrintable(text));
    QCOMPARE(Q(*window.view()->context().GetValueText(u"FROM")), QStringLiteral("autoexec"));
    QVERIFY(ReadStartupRecord() && ReadStartupRecord()->enabled);
    QVERIFY(!tessera::Session().commandRunning);
  }

  void ClosingWhileACommandRunsDoesNothing() {
    KeptStreams streams;
    WindowFixture f;
    LinkTestProgram(f.root());
    bool closed = true;
    QTimer::singleShot(200, &f.window(), [&] { closed = f.window().close(); });
    f.TypeLine(QStringLiteral("tprog sleep 1500 out done"));
    QVERIFY(!closed);
    QVERIFY(f.window().isVisible());
    QVERIFY(f.Text().contains(QStringLiteral("\ndone\n")));
  }

  void ClosingWithABackgroundProgramAsksAndCancelKeepsTheWindow() {
    KeptStreams streams;
    WindowFixture f;
    LinkTestProgram(f.root());
    f.TypeLine(QStringLiteral("tprog sleep 30000 &"));
    QCOMPARE(tessera::PurgeForExit(), std::size_t{1});
    {
      BoxAnswers answers({QMessageBox::Cancel, QMessageBox::Ok});
      QVERIFY(!f.window().close());
      QCOMPARE(answers.texts,
               QStringList({QStringLiteral("There are some background processes.\nDo you want "
                                           "to terminate them?"),
                            QStringLiteral("Please close Tessera, after terminating all "
                                           "background processes.")}));
    }
    QVERIFY(f.window().isVisible());
    QCOMPARE(tessera::PurgeForExit(), std::size_t{1});
    // OK ends the program and the window closes.
    BoxAnswers answers({QMessageBox::Ok});
    QVERIFY(f.window().close());
    QCOMPARE(tessera::PurgeForExit(), std::size_t{0});
  }
};

// Opening a file builds the line a user would type and runs it.
class OpenLineTest : public QObject {
  Q_OBJECT

 private slots:
  void APercentSignIsTypedDoubled() {
    QCOMPARE(Q(ui::CommandForOpenedPath(u"\\50% off", true).historyLine),
             QStringLiteral("CD \"\\50%% off\""));
    QCOMPARE(Q(ui::CommandForOpenedPath(u"\\a%b%.txt", false).historyLine),
             QStringLiteral("TYPE \\a%%b%%.txt"));
  }

  void TheLineRunsAsTypedAndJoinsTheHistory() {
    WindowFixture f;
    f.root().WriteHostFile(f.root().Host("\\50% off\\note.txt"), "inside\r\n");
    f.view()->OpenPath(u"\\50% off", true);
    QCOMPARE(Q(*f.view()->context().GetValueText(u"CUR DIR")), QStringLiteral("\\50% off"));
    f.view()->OpenPath(u"\\50% off\\note.txt", false);
    QVERIFY(f.Text().contains(QStringLiteral("TYPE \"\\50%% off\\note.txt\"\ninside\n")));
    QCOMPARE(Q(f.view()->history().at(0)), QStringLiteral("TYPE \"\\50%% off\\note.txt\""));
  }
};

}  // namespace
}  // namespace tessera::testing

int RunWindowStartTests(int argc, char** argv) {
  tessera::testing::WindowStartTest start;
  tessera::testing::OpenLineTest open;
  return QTest::qExec(&start, argc, argv) + QTest::qExec(&open, argc, argv);
}

#include "startup_test.moc"
