// The help viewer: its command line, where it finds a page, and its window
// driven with real keys and clicks.
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <filesystem>
#include <fstream>

#include "platform/help_viewer/help_place.h"
#include "platform/help_viewer/help_topic.h"
#include "platform/help_viewer/help_window.h"
#include "support/temp_root.h"

namespace tessera::help {
namespace {

namespace fs = std::filesystem;

// Two small pages that link to each other, in a folder of their own.
class Pages {
 public:
  Pages() : folder_(fs::temp_directory_path() / ("tessera-help-" + std::to_string(getpid()))) {
    fs::create_directories(folder_);
    std::string filler;
    for (int i = 0; i < 200; ++i) filler += "<p>line " + std::to_string(i) + "</p>\n";
    Write("GUIDE.HTM", "<html><head><title>Guide</title></head><body>\n" + filler +
                           "<h2><a name=\"Main_Contents\">Contents</a></h2>\n"
                           "<p><a href=\"REF.HTM#Part\">Go to the reference</a></p>\n" +
                           filler + "</body></html>\n");
    Write("REF.HTM", "<html><head><title>Reference</title></head><body>\n" + filler +
                         "<h2><a name=\"Part\">Part</a></h2><p>the part</p>\n" + filler +
                         "</body></html>\n");
  }
  ~Pages() { fs::remove_all(folder_); }
  QString Path(const char* name) const { return QString::fromStdString((folder_ / name).string()); }
  std::string folder() const { return folder_.string(); }

 private:
  void Write(const char* name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  fs::path folder_;
};

// Clicks the link whose text is `text` in the shown page.
void ClickLink(HelpWindow& window, const QString& text) {
  QTextBrowser* browser = window.browser();
  const QTextCursor found = browser->document()->find(text);
  QVERIFY(!found.isNull());
  QTextCursor middle(browser->document());
  middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
  browser->setTextCursor(middle);
  browser->ensureCursorVisible();
  const QPoint at = browser->cursorRect(middle).center();
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

class HelpViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void TheCommandLine() {
    HelpTopic topic = ParseHelpCommandLine(u"file:TSXHELP.HTM#Main_Contents");
    QCOMPARE(QString::fromStdU16String(topic.file), QStringLiteral("TSXHELP.HTM"));
    QCOMPARE(QString::fromStdU16String(topic.anchor), QStringLiteral("Main_Contents"));
    topic = ParseHelpCommandLine(u"  \"FILE:My Page.htm\"  ");
    QCOMPARE(QString::fromStdU16String(topic.file), QStringLiteral("My Page.htm"));
    QVERIFY(topic.anchor.empty());
    topic = ParseHelpCommandLine(u"TSXREF.HTM#sort");
    QCOMPARE(QString::fromStdU16String(topic.file), QStringLiteral("TSXREF.HTM"));
    QCOMPARE(QString::fromStdU16String(topic.anchor), QStringLiteral("sort"));
    QVERIFY(ParseHelpCommandLine(u"").file.empty());
  }

  void WhereAPageIsFound() {
    Pages pages;
    // Without a device: the folder the program was installed in.
    QCOMPARE(HelpFileHostPath({u"GUIDE.HTM", u""}, pages.folder()),
             std::optional<std::string>(pages.folder() + "/GUIDE.HTM"));
    QVERIFY(!HelpFileHostPath({u"..", u""}, pages.folder()));
    QVERIFY(!HelpFileHostPath({u"x/../../etc/passwd", u""}, pages.folder()));
    QVERIFY(!HelpFileHostPath({u"", u""}, pages.folder()));
    // On a device: its program folder first (names without regard to
    // case), device paths through the device.
    testing::TempRoot root;
    root.WriteHostFile(root.Host("\\Program Files\\Tessera\\Own.htm"), "<p>own</p>");
    QCOMPARE(HelpFileHostPath({u"OWN.HTM", u""}, pages.folder()),
             std::optional<std::string>(root.Host("\\Program Files\\Tessera\\Own.htm")));
    QCOMPARE(HelpFileHostPath({u"GUIDE.HTM", u""}, pages.folder()),
             std::optional<std::string>(pages.folder() + "/GUIDE.HTM"));
    QCOMPARE(HelpFileHostPath({u"\\My Documents\\x.htm", u""}, pages.folder()),
             std::optional<std::string>(root.Host("\\My Documents\\x.htm")));
  }

  void LinksBackForwardAndHome() {
    Pages pages;
    HelpWindow window;
    window.Open(pages.Path("GUIDE.HTM"), QStringLiteral("Main_Contents"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.browser()->source().fragment(), QStringLiteral("Main_Contents"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Guide - Help"));
    QVERIFY(window.browser()->verticalScrollBar()->value() > 0);  // at the anchor, not the top
    QVERIFY(!window.backAction()->isEnabled());

    ClickLink(window, QStringLiteral("Go to the reference"));
    QTRY_COMPARE(window.browser()->source().fileName(), QStringLiteral("REF.HTM"));
    QCOMPARE(window.browser()->source().fragment(), QStringLiteral("Part"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Reference - Help"));
    QVERIFY(window.backAction()->isEnabled());

    QTest::keyClick(window.browser(), Qt::Key_Left, Qt::AltModifier);
    QTRY_COMPARE(window.browser()->source().fileName(), QStringLiteral("GUIDE.HTM"));
    QVERIFY(window.forwardAction()->isEnabled());
    window.forwardAction()->trigger();
    QCOMPARE(window.browser()->source().fileName(), QStringLiteral("REF.HTM"));
    window.homeAction()->trigger();
    QCOMPARE(window.browser()->source().fileName(), QStringLiteral("GUIDE.HTM"));
    QCOMPARE(window.browser()->source().fragment(), QStringLiteral("Main_Contents"));
  }

  void EscapeAndCtrlWClose() {
    Pages pages;
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
      HelpWindow window;
      window.Open(pages.Path("GUIDE.HTM"), QString());
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QApplication::setActiveWindow(&window);
      window.browser()->setFocus();
      QTest::keySequence(window.browser(), keys);
      QTRY_VERIFY(!window.isVisible());
    }
  }

  void AMissingPageSaysSo() {
    HelpWindow window;
    window.Open(QStringLiteral("/nonexistent/NOPE.HTM"), QStringLiteral("x"));
    QVERIFY(window.browser()->toPlainText().contains(QStringLiteral("NOPE.HTM cannot be found")));
  }

  void TheWindowFitsTheScreen() {
    QCOMPARE(HelpWindow::FittingSize(QSize(1920, 1080)), QSize(760, 860));
    QCOMPARE(HelpWindow::FittingSize(QSize(800, 600)), QSize(720, 540));
  }

  void ThePlaceIsKeptPerDevice() {
    testing::TempRoot root;
    QVERIFY(!LoadHelpWindowPlace());
    const QByteArray place("\x01\x02geometry", 10);
    StoreHelpWindowPlace(place);
    QCOMPARE(LoadHelpWindowPlace(), std::optional<QByteArray>(place));
  }
};

}  // namespace
}  // namespace tessera::help

QTEST_MAIN(tessera::help::HelpViewerTest)
#include "help_viewer_test.moc"
