// Output gathered while a command runs must leave the console holding
// exactly what a console written line by line holds.
#include "ui/pending_output.h"

#include <QTest>
#include <random>

#include "shell/memory_console.h"
#include "shell/output.h"
#include "test_suites.h"
#include "ui/console_edit.h"

using tessera::MemoryConsole;
using tessera::ui::ConsoleEdit;
using tessera::ui::PendingOutput;
using tessera::ui::SurfaceText;

namespace {

std::u16string EditorSurfaceText(const ConsoleEdit& console) {
  return SurfaceText(console.toPlainText().toStdU16String());
}

// Long texts hold no line ends: the writers cut them into pieces, and a
// piece ending in a lone CR is held differently by the two consoles.
std::u16string RandomText(std::mt19937& random, std::size_t length, bool lineEnds) {
  static constexpr char16_t kLetters[] = u"abcdefgh \u3042\u30a2";
  std::u16string text;
  for (std::size_t i = 0; i < length; ++i) {
    if (lineEnds && random() % 40 == 0) {
      text += u"\r\n";
    } else {
      text += kLetters[random() % (std::size(kLetters) - 1)];
    }
  }
  return text;
}

class PendingOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void TextLineEndsAsTheEditorHoldsThem() {
    QCOMPARE(SurfaceText(u"a\r\nb\nc\rd\r"), std::u16string(u"a\r\nb\r\ncd"));
  }

  void FrontRemovalReachingIntoNewTextCutsTheNewText() {
    PendingOutput pending;
    pending.Begin(u"old\r\n");
    pending.SetSelection(5, 5);
    QVERIFY(pending.ReplaceSelection(u"new line\r\n"));
    pending.SetSelection(0, 8);  // "old\r\n" and "new"
    QVERIFY(pending.ReplaceSelection(u""));
    QCOMPARE(pending.text(), std::u16string(u" line\r\n"));
    QCOMPARE(pending.LineCount(), std::size_t{2});
    QCOMPARE(pending.LineIndex(1), std::size_t{7});
    const PendingOutput::Changes changes = pending.TakeChanges();
    QCOMPARE(changes.removeFront, std::size_t{5});
    QCOMPARE(changes.append, std::u16string(u" line\r\n"));
    // A change in the middle is the editor's to do.
    pending.SetSelection(1, 2);
    QVERIFY(!pending.ReplaceSelection(u"x"));
    QCOMPARE(pending.text(), std::u16string(u" line\r\n"));
  }

  // The writers' own calls, in random order and sizes, trimming the
  // console many times over; the editor catches up at random moments.
  void GatheredOutputMatchesALineByLineConsole() {
    std::mt19937 random(20261208);
    ConsoleEdit console;
    console.setPlainText(QStringLiteral("before\nthe command"));
    MemoryConsole memory;
    memory.SetSelection(0, 0);
    memory.ReplaceSelection(u"before\r\nthe command");
    console.SetBusy(true);
    auto both = [&](auto write) {
      tessera::SetConsoleSurface(&memory);
      write();
      tessera::SetConsoleSurface(&console);
      write();
    };
    for (int step = 0; step < 4000; ++step) {
      const unsigned kind = random() % 100;
      const bool longText = kind < 2;
      const std::u16string text =
          RandomText(random, longText ? 9000 + random() % 20000 : random() % 120, !longText);
      if (kind < 60) {
        both([&] { tessera::PrintLine(text); });
      } else if (kind < 90) {
        both([&] { tessera::PrintText(text, tessera::kPrintNoLineEnd); });
      } else if (kind < 92) {
        both([&] { tessera::ClearConsole(); });
      } else if (kind < 95) {
        // An insertion in the middle: the editor does it itself.
        const std::size_t at = memory.LineIndex(memory.LineCount() / 2);
        both([&] {
          tessera::CurrentConsoleSurface()->SetSelection(at, at);
          tessera::CurrentConsoleSurface()->ReplaceSelection(u"mid\r\n");
        });
      } else {
        console.FlushOutput();
        QCOMPARE(EditorSurfaceText(console), memory.text());
      }
      QCOMPARE(console.TextLength(), memory.TextLength());
    }
    tessera::SetConsoleSurface(nullptr);
    console.SetBusy(false);
    QCOMPARE(EditorSurfaceText(console), memory.text());
    QVERIFY(memory.TextLength() < tessera::kConsoleTextLimit);
  }
};

}  // namespace

int RunPendingOutputTests(int argc, char** argv) {
  PendingOutputTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "pending_output_test.moc"
