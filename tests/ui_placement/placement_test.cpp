// The main window's size and place on a small primary screen (640x480)
// with a larger second screen to its right, as the offscreen platform is
// configured for this test (two_screens.json; the platform takes the
// screens in the order of their names, the first as the primary one).
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <memory>

#include "shell/settings.h"
#include "support/temp_root.h"
#include "ui/main_window.h"
#include "ui/window_placement.h"

using tessera::ui::FitOnScreens;
using tessera::ui::kWindowSection;
using tessera::ui::MainWindow;

namespace {

const QRect kSmall(0, 0, 640, 480);
const QRect kSide(640, 0, 1024, 768);

void StorePlace(int x, int y, int width, int height) {
  QVERIFY(tessera::WriteSettingInt(kWindowSection, u"POSITION_X", x).ok());
  QVERIFY(tessera::WriteSettingInt(kWindowSection, u"POSITION_Y", y).ok());
  QVERIFY(tessera::WriteSettingInt(kWindowSection, u"WIDTH", width).ok());
  QVERIFY(tessera::WriteSettingInt(kWindowSection, u"HEIGHT", height).ok());
}

bool OnOneScreen(const QRect& frame) { return kSmall.contains(frame) || kSide.contains(frame); }

std::unique_ptr<MainWindow> OpenWindow() {
  auto window = std::make_unique<MainWindow>();
  window->show();
  QApplication::processEvents();
  return window;
}

}  // namespace

class PlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The configuration was read: otherwise every check below means little.
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), kSmall);
  }

  void FittingKeepsMovesAndCuts() {
    const QList<QRect> areas{kSmall, kSide};
    // Wholly on a screen: kept, also on the second one.
    QCOMPARE(FitOnScreens(QRect(10, 10, 300, 200), areas), QRect(10, 10, 300, 200));
    QCOMPARE(FitOnScreens(QRect(700, 100, 900, 600), areas), QRect(700, 100, 900, 600));
    // Taller than the screen it is on: cut to it.
    QCOMPARE(FitOnScreens(QRect(0, 0, 480, 640), areas), QRect(0, 0, 480, 480));
    // Hanging over the right edge of the second screen: moved back in.
    QCOMPARE(FitOnScreens(QRect(1500, 700, 400, 300), areas), QRect(1264, 468, 400, 300));
    // Off every screen: onto the first.
    QCOMPARE(FitOnScreens(QRect(5000, -4000, 200, 100), areas), QRect(440, 0, 200, 100));
    // Across both screens: onto the one it covers most.
    QCOMPARE(FitOnScreens(QRect(600, 10, 300, 200), areas), QRect(640, 10, 300, 200));
  }

  void FirstStartFitsTheSmallScreen() {
    tessera::testing::TempRoot root;
    auto window = OpenWindow();
    // 480x640 would not fit a screen 480 high.
    QVERIFY2(kSmall.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                            .arg(window->frameGeometry().x())
                            .arg(window->frameGeometry().y())
                            .arg(window->frameGeometry().width())
                            .arg(window->frameGeometry().height())));
    QCOMPARE(window->width(), 480);
    // Showing the function-key bar widens nothing beyond the screen.
    window->resize(300, window->height());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("fnkeybar"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    QVERIFY(window->minimumSizeHint().width() <= 300);
    QCOMPARE(window->width(), 300);
  }

  void SizeAndPlaceComeBackAtTheNextStart() {
    tessera::testing::TempRoot root;
    QRect frame;
    QSize size;
    {
      auto window = OpenWindow();
      window->move(700, 40);
      window->resize(600, 500);
      QApplication::processEvents();
      frame = window->frameGeometry();
      size = window->size();
      window->close();
    }
    QCOMPARE(tessera::ReadSettingInt(kWindowSection, u"WIDTH", 0), 600);
    auto again = OpenWindow();
    QCOMPARE(again->size(), size);
    QCOMPARE(again->frameGeometry(), frame);
    QVERIFY(kSide.contains(again->frameGeometry()));
  }

  void AStoredPlaceOffTheScreensIsBroughtBack() {
    tessera::testing::TempRoot root;
    StorePlace(5000, 5000, 400, 300);
    auto window = OpenWindow();
    QVERIFY(OnOneScreen(window->frameGeometry()));
    QCOMPARE(window->size(), QSize(400, 300));
  }

  void AStoredSizeLargerThanItsScreenIsCut() {
    tessera::testing::TempRoot root;
    StorePlace(20, 20, 900, 900);
    auto window = OpenWindow();
    QVERIFY(kSmall.contains(window->frameGeometry()));
  }

  void AMaximizedWindowOpensMaximizedAndKeepsItsNormalPlace() {
    tessera::testing::TempRoot root;
    {
      auto window = OpenWindow();
      window->move(660, 30);
      window->resize(500, 400);
      QApplication::processEvents();
      window->showMaximized();
      QApplication::processEvents();
      window->close();
    }
    QCOMPARE(tessera::ReadSettingInt(kWindowSection, u"MAXIMIZED", 0), 1);
    QCOMPARE(tessera::ReadSettingInt(kWindowSection, u"WIDTH", 0), 500);
    auto again = OpenWindow();
    QVERIFY(again->isMaximized());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  PlacementTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "placement_test.moc"
