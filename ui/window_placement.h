// Where the main window opens: its size and place from the last run, kept
// on the screens there are now and never larger than the area they leave
// free for windows.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRect>
#include <string_view>

class QWidget;

namespace tessera::ui {

// The section of the settings store that keeps the window's place.
inline constexpr std::u16string_view kWindowSection = u"WINDOW";

// A window frame moved and cut so that it lies wholly in one of the areas:
// as it is when it already does; otherwise in the area it overlaps most, or
// the first area when it overlaps none, moved no further than it must.
QRect FitOnScreens(const QRect& frame, const QList<QRect>& areas);

// The areas free for windows, the primary screen's first.
QList<QRect> AvailableScreenAreas();

// Watches a top-level window: gives it its last place now, fits it again
// once the window manager has put its frame round it, and stores the place
// whenever the window is hidden (closing hides it).
class WindowPlacement : public QObject {
  Q_OBJECT

 public:
  explicit WindowPlacement(QWidget* window);

  void Restore();
  void Store() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Moves and shrinks the window when its frame does not fit the screens.
  void Refit();

  QWidget* window_;
  // Since the window was first shown: the frame may still change then.
  QElapsedTimer shown_;
  int refits_ = 0;
};

}  // namespace tessera::ui
