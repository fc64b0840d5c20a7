#include "ui/text_effects.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <random>

namespace tessera::ui {

namespace {

constexpr std::array<TextEffect, kTextEffectCount> kEffects{{
    {32834, 32838, 100},
    {32831, 32835, 80},
    {32832, 32836, 100},
    {32833, 32837, 30},
}};

// The typed text's cursor.
constexpr QChar kCursor = u'_';
// Blanks between the leaving and the coming text of the slide.
constexpr int kSlideGap = 3;
// Frames between two letters settling, and frames a letter spins.
constexpr int kDecodeStagger = 2;
constexpr int kDecodeSpin = 6;

int Longest(const QString& a, const QString& b) {
  return static_cast<int>(std::max(a.size(), b.size()));
}

QString Padded(const QString& text, int width) { return text.leftJustified(width, u' '); }

// Letters the decode spins through: the same for the same place and frame,
// so that the effect looks alike every time and can be checked.
QChar SpinLetter(int place, int step) {
  static constexpr char16_t kLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789#$%&*+=?@";
  constexpr int count = static_cast<int>(std::size(kLetters)) - 1;
  const unsigned mixed = static_cast<unsigned>(place * 7919 + step * 104729) * 2654435761u;
  return QChar(kLetters[(mixed >> 16) % count]);
}

QString TypedOver(const QString& from, const QString& to, int step) {
  const int erased = static_cast<int>(from.size());
  if (step <= erased) return from.left(erased - step);
  const int typed = step - erased;
  if (typed >= to.size()) return to;
  return to.left(typed) + kCursor;
}

QString Morphed(const QString& from, const QString& to, int step) {
  const int width = Longest(from, to);
  if (step >= width) return to;
  return to.left(step) + Padded(from, width).mid(step);
}

QString Slid(const QString& from, const QString& to, int step) {
  const int width = Longest(from, to);
  const int travel = static_cast<int>(from.size()) + kSlideGap;
  if (step >= travel) return to;
  const QString strip = from + QString(kSlideGap, u' ') + Padded(to, width);
  return strip.mid(step, width);
}

QString Decoded(const QString& from, const QString& to, int step) {
  const int width = Longest(from, to);
  QString frame = Padded(from, width);
  for (int place = 0; place < width; ++place) {
    const int spinFrom = place * kDecodeStagger;
    const int settle = spinFrom + kDecodeSpin;
    const QChar target = place < to.size() ? to[place] : QChar(u' ');
    if (step >= settle) {
      frame[place] = target;
    } else if (step > spinFrom && !target.isSpace()) {
      frame[place] = SpinLetter(place, step);
    }
  }
  return step >= TextEffectFrames(3, from, to) ? to : frame;
}

}  // namespace

TextEffect TextEffectOf(int effect) {
  return kEffects[static_cast<std::size_t>(std::clamp(effect, 0, kTextEffectCount - 1))];
}

int TextEffectFrames(int effect, const QString& from, const QString& to) {
  switch (effect) {
    case 0:
      return static_cast<int>(from.size() + to.size());
    case 1:
      return Longest(from, to);
    case 2:
      return static_cast<int>(from.size()) + kSlideGap;
    default:
      return std::max(0, Longest(from, to) - 1) * kDecodeStagger + kDecodeSpin;
  }
}

QString TextEffectFrame(int effect, const QString& from, const QString& to, int step) {
  if (step <= 0) return from;
  switch (effect) {
    case 0:
      return TypedOver(from, to, step);
    case 1:
      return Morphed(from, to, step);
    case 2:
      return Slid(from, to, step);
    default:
      return Decoded(from, to, step);
  }
}

int NextAboutEffect() {
  static std::optional<int> next;
  if (!next) {
    // Seeded from the tick count, as the first About of each run differs.
    const auto ticks = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    std::minstd_rand random(static_cast<std::minstd_rand::result_type>(ticks.count() & 0x7FFFFFFF));
    next = static_cast<int>(random() % kTextEffectCount);
  }
  const int effect = *next;
  next = (effect + 1) % kTextEffectCount;
  return effect;
}

}  // namespace tessera::ui
