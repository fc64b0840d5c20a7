#include "ui/console_face.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QList>
#include <QStringList>
#include <tuple>

namespace tessera::ui {

namespace {

bool CoversJapaneseAndChinese(const QString& family) {
  const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
  return systems.contains(QFontDatabase::Japanese) &&
         systems.contains(QFontDatabase::SimplifiedChinese);
}

// Latin letters all of one width, as a console's columns want (faces made
// for CJK text rarely call themselves fixed-pitch: their ideographs are
// twice as wide as their letters).
bool EvenLatinLetters(const QString& family) {
  const QFontMetrics metrics{QFont(family)};
  const int width = metrics.horizontalAdvance(QChar(u'i'));
  return metrics.horizontalAdvance(QChar(u'W')) == width &&
         metrics.horizontalAdvance(QChar(u'm')) == width;
}

// The interpreter's messages are Japanese: of a family made in regional
// variants, the Japanese one draws them in their own forms.
bool JapaneseVariant(const QString& family) {
  return family.endsWith(QStringLiteral(" JP")) || family.contains(QStringLiteral("Japanese"));
}

QString ChooseCjkFace() {
  QString chosen;
  std::tuple<bool, bool> best{false, false};
  // Families come sorted by name; among equals the first stays.
  for (const QString& family : QFontDatabase::families()) {
    if (!CoversJapaneseAndChinese(family)) continue;
    const std::tuple<bool, bool> rank{EvenLatinLetters(family), JapaneseVariant(family)};
    if (chosen.isEmpty() || rank > best) {
      chosen = family;
      best = rank;
    }
  }
  return chosen;
}

}  // namespace

QString InstalledConsoleFace(const QString& named) {
  if (QFontDatabase::hasFamily(named)) return named;
  // The installed fonts do not change while the program runs.
  static const QString fallback = ChooseCjkFace();
  return fallback.isEmpty() ? named : fallback;
}

}  // namespace tessera::ui
