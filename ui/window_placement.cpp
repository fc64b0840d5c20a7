#include "ui/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <limits>

#include "shell/settings.h"

namespace tessera::ui {

namespace {

// The size the window opens with on its first start.
constexpr int kDefaultWidth = 480;
constexpr int kDefaultHeight = 640;
// Until the window manager has framed the window its frame is not known;
// this much is kept free for a title bar and borders.
constexpr int kTitleBarAllowance = 32;
constexpr int kBorderAllowance = 4;
// Window managers frame a window soon after it is shown; later changes of
// place are the user's own.
constexpr qint64 kFramingMilliseconds = 2000;
constexpr int kMostRefits = 3;
constexpr std::int32_t kUnset = std::numeric_limits<std::int32_t>::min();

std::int32_t ReadPlace(std::u16string_view key, std::int32_t fallback) {
  return ReadSettingInt(kWindowSection, key, fallback);
}

void StorePlace(std::u16string_view key, std::int32_t value) {
  // A place that cannot be stored leaves the last one; the window opens
  // there again, which is all that can be done.
  static_cast<void>(WriteSettingInt(kWindowSection, key, value).ok());
}

// The frame round the window's contents, or an allowance for one while the
// window is not framed yet.
QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect inner = window.geometry();
  const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                         frame.right() - inner.right(), frame.bottom() - inner.bottom());
  if (window.isVisible() || !margins.isNull()) return margins;
  return {kBorderAllowance, kTitleBarAllowance, kBorderAllowance, kBorderAllowance};
}

int OverlapArea(const QRect& a, const QRect& b) {
  const QRect overlap = a.intersected(b);
  return overlap.isEmpty() ? 0 : overlap.width() * overlap.height();
}

}  // namespace

QRect FitOnScreens(const QRect& frame, const QList<QRect>& areas) {
  if (areas.isEmpty()) return frame;
  const QRect* best = &areas.front();
  int bestOverlap = 0;
  for (const QRect& area : areas) {
    if (area.contains(frame)) return frame;
    const int overlap = OverlapArea(frame, area);
    if (overlap > bestOverlap) {
      best = &area;
      bestOverlap = overlap;
    }
  }
  const QSize size = frame.size().boundedTo(best->size());
  const int x = std::clamp(frame.x(), best->left(), best->left() + best->width() - size.width());
  const int y = std::clamp(frame.y(), best->top(), best->top() + best->height() - size.height());
  return {QPoint(x, y), size};
}

QList<QRect> AvailableScreenAreas() {
  QList<QRect> areas;
  if (QScreen* primary = QGuiApplication::primaryScreen())
    areas.append(primary->availableGeometry());
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen != QGuiApplication::primaryScreen()) areas.append(screen->availableGeometry());
  }
  return areas;
}

WindowPlacement::WindowPlacement(QWidget* window) : QObject(window), window_(window) {
  window_->installEventFilter(this);
  Restore();
}

void WindowPlacement::Restore() {
  const QMargins margins = FrameMargins(*window_);
  const QSize inner(ReadPlace(u"WIDTH", kDefaultWidth), ReadPlace(u"HEIGHT", kDefaultHeight));
  const QPoint stored(ReadPlace(u"POSITION_X", kUnset), ReadPlace(u"POSITION_Y", kUnset));
  const bool placed = stored.x() != kUnset && stored.y() != kUnset;
  const QList<QRect> areas = AvailableScreenAreas();
  // Without a stored place the window manager places the window; only its
  // size has to fit the primary screen.
  const QPoint at = placed || areas.isEmpty() ? stored : areas.front().topLeft();
  const QRect frame =
      FitOnScreens(QRect(at, inner.grownBy(margins).expandedTo(QSize(1, 1))), areas);
  window_->resize(frame.size().shrunkBy(margins));
  if (placed) window_->move(frame.topLeft());
  if (ReadPlace(u"MAXIMIZED", 0) == 1) window_->setWindowState(Qt::WindowMaximized);
}

void WindowPlacement::Store() const {
  const bool maximized = window_->isMaximized();
  // A maximized window keeps the place it goes back to.
  const QRect inner = maximized ? window_->normalGeometry() : window_->geometry();
  const QMargins margins = FrameMargins(*window_);
  StorePlace(u"POSITION_X", inner.left() - margins.left());
  StorePlace(u"POSITION_Y", inner.top() - margins.top());
  StorePlace(u"WIDTH", inner.width());
  StorePlace(u"HEIGHT", inner.height());
  StorePlace(u"MAXIMIZED", maximized ? 1 : 0);
}

void WindowPlacement::Refit() {
  if (window_->isMaximized() || window_->isFullScreen()) return;
  const QRect frame = window_->frameGeometry();
  const QRect fitted = FitOnScreens(frame, AvailableScreenAreas());
  if (fitted == frame) return;
  ++refits_;
  const QMargins margins = FrameMargins(*window_);
  window_->resize(fitted.size().shrunkBy(margins));
  window_->move(fitted.topLeft());
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    switch (event->type()) {
      case QEvent::Show:
        if (!shown_.isValid()) shown_.start();
        Refit();
        break;
      case QEvent::Move:
      case QEvent::Resize:
        if (shown_.isValid() && shown_.elapsed() < kFramingMilliseconds && refits_ < kMostRefits)
          Refit();
        break;
      case QEvent::Hide:
        Store();
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tessera::ui
