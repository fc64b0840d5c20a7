#include "browser/dialog/entry_icons.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "browser/list_entry.h"

namespace tessera::browser {

namespace {

// Sizes drawn, so that the list's icon and list styles both look sharp.
constexpr int kSizes[] = {16, 24, 32, 48};

QIcon Themed(const char* name, QStyle::StandardPixmap fallback) {
  const QIcon themed = QIcon::fromTheme(QString::fromLatin1(name));
  return themed.isNull() ? QApplication::style()->standardIcon(fallback) : themed;
}

QIcon BaseIcon(int number) {
  switch (number & ~1) {
    case kIconText:
      return Themed("text-x-generic", QStyle::SP_FileIcon);
    case kIconFolder:
      return Themed("folder", QStyle::SP_DirIcon);
    case kIconImage:
      return Themed("image-x-generic", QStyle::SP_FileIcon);
    case kIconSound:
      return Themed("audio-x-generic", QStyle::SP_MediaVolume);
    case kIconPage:
      return Themed("text-html", QStyle::SP_FileIcon);
    case kIconProgram:
      return Themed("application-x-executable", QStyle::SP_ComputerIcon);
    default:
      return Themed("text-x-generic", QStyle::SP_FileIcon);
  }
}

// The base picture with a mark in its lower left corner: an arrow for a
// shortcut, a red cross for a broken one.
QIcon Marked(const QIcon& base, bool broken) {
  QIcon marked;
  for (const int size : kSizes) {
    QPixmap pixmap = base.pixmap(size, size);
    pixmap.setDevicePixelRatio(1.0);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const int mark = std::max(7, size * 7 / 16);
    const QRectF box(0.5, size - mark - 0.5, mark, mark);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    const qreal inset = mark / 4.0;
    const QRectF inner = box.adjusted(inset, inset, -inset, -inset);
    if (broken) {
      painter.setPen(QPen(QColor(200, 0, 0), std::max(1.5, mark / 6.0)));
      painter.drawLine(inner.topLeft(), inner.bottomRight());
      painter.drawLine(inner.topRight(), inner.bottomLeft());
    } else {
      painter.setPen(QPen(QColor(0, 0, 160), std::max(1.2, mark / 7.0)));
      painter.drawLine(inner.bottomLeft(), inner.topRight());
      painter.drawLine(inner.topRight(), QPointF(inner.center().x(), inner.top()));
      painter.drawLine(inner.topRight(), QPointF(inner.right(), inner.center().y()));
    }
    painter.end();
    marked.addPixmap(pixmap);
  }
  return marked;
}

}  // namespace

QIcon EntryIcons::Icon(int iconNumber, bool ghosted) {
  const int key = iconNumber * 2 + (ghosted ? 1 : 0);
  const auto found = drawn_.constFind(key);
  if (found != drawn_.constEnd()) return *found;
  QIcon icon;
  if (ghosted) {
    const QIcon plain = Icon(iconNumber);
    for (const int size : kSizes) icon.addPixmap(plain.pixmap(size, size, QIcon::Disabled));
    drawn_.insert(key, icon);
    return icon;
  }
  if (iconNumber == kIconBrokenShortcut) {
    icon = Marked(BaseIcon(kIconOther), true);
  } else if (iconNumber % 2 == 1) {
    icon = Marked(BaseIcon(iconNumber - 1), false);
  } else {
    icon = BaseIcon(iconNumber);
  }
  drawn_.insert(key, icon);
  return icon;
}

}  // namespace tessera::browser
