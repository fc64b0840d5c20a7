// The About dialog's animated line: four ways of turning one text into
// another, one frame per timer tick.
#pragma once

#include <QString>
#include <cstdint>

namespace tessera::ui {

inline constexpr int kTextEffectCount = 4;

struct TextEffect {
  std::uint32_t fromString;  // the string shown first
  std::uint32_t toString;    // the string it turns into
  int periodMs;              // one frame per period
};

// 0: typed over (the first text is erased letter by letter, the second
// typed after a cursor); 1: morphed (letter by letter from the left);
// 2: slid (the first text leaves to the left as the second comes in from
// the right); 3: decoded (each letter spins through others until it
// settles, one after another).
TextEffect TextEffectOf(int effect);

// The number of frames after the first; frame 0 shows from, the last
// frame shows to.
int TextEffectFrames(int effect, const QString& from, const QString& to);
// Frame step (0..TextEffectFrames) of the effect; a later step stays on to.
QString TextEffectFrame(int effect, const QString& from, const QString& to, int step);

// The effect of the next About dialog: a random one first in a run of the
// program, then each in turn.
int NextAboutEffect();

}  // namespace tessera::ui
