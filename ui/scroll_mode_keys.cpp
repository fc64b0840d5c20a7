#include "ui/scroll_mode_keys.h"

namespace tessera::ui {

namespace {

constexpr int kVkTab = 0x09;
constexpr int kVkReturn = 0x0D;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;
constexpr int kVkPrior = 0x21;
constexpr int kVkNext = 0x22;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr int kVkFirstPunctuation = 0xBA;
constexpr int kVkLastPunctuation = 0xC0;

struct KeySymbols {
  int virtualKey;
  Qt::Key plain;
  Qt::Key shifted;
};

// The digit row and the punctuation keys 0xBA..0xC0 of a US keyboard.
constexpr KeySymbols kSymbolKeys[] = {
    {0x30, Qt::Key_0, Qt::Key_ParenRight},
    {0x31, Qt::Key_1, Qt::Key_Exclam},
    {0x32, Qt::Key_2, Qt::Key_At},
    {0x33, Qt::Key_3, Qt::Key_NumberSign},
    {0x34, Qt::Key_4, Qt::Key_Dollar},
    {0x35, Qt::Key_5, Qt::Key_Percent},
    {0x36, Qt::Key_6, Qt::Key_AsciiCircum},
    {0x37, Qt::Key_7, Qt::Key_Ampersand},
    {0x38, Qt::Key_8, Qt::Key_Asterisk},
    {0x39, Qt::Key_9, Qt::Key_ParenLeft},
    {0xBA, Qt::Key_Semicolon, Qt::Key_Colon},
    {0xBB, Qt::Key_Equal, Qt::Key_Plus},
    {0xBC, Qt::Key_Comma, Qt::Key_Less},
    {0xBD, Qt::Key_Minus, Qt::Key_Underscore},
    {0xBE, Qt::Key_Period, Qt::Key_Greater},
    {0xBF, Qt::Key_Slash, Qt::Key_Question},
    {0xC0, Qt::Key_QuoteLeft, Qt::Key_AsciiTilde},
};

}  // namespace

int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return kVkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kVkReturn;
    case Qt::Key_Escape:
      return kVkEscape;
    case Qt::Key_PageUp:
      return kVkPrior;
    case Qt::Key_PageDown:
      return kVkNext;
    case Qt::Key_Left:
      return kVkLeft;
    case Qt::Key_Up:
      return kVkUp;
    case Qt::Key_Right:
      return kVkRight;
    case Qt::Key_Down:
      return kVkDown;
    default:
      break;
  }
  // The keypad's digits and signs are keys of their own.
  if (modifiers & Qt::KeypadModifier) return 0;
  if (qtKey == Qt::Key_Space) return kVkSpace;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // the same codes
  for (const KeySymbols& key : kSymbolKeys) {
    if (qtKey == key.plain || qtKey == key.shifted) return key.virtualKey;
  }
  return 0;
}

ScrollModeKey ClassifyScrollModeKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  const int key = VirtualKeyOf(qtKey, modifiers);
  switch (key) {
    case kVkUp:
      return ScrollModeKey::PageUp;
    case kVkDown:
      return ScrollModeKey::PageDown;
    case kVkPrior:
    case kVkNext:
    case kVkLeft:
    case kVkRight:
      return ScrollModeKey::Deliver;
    case kVkReturn:
      return ScrollModeKey::EndAndSwallow;
    case kVkTab:
    case kVkEscape:
    case kVkSpace:
      return ScrollModeKey::End;
    default:
      break;
  }
  const bool digit = key >= 0x30 && key <= 0x39;
  const bool letter = key >= 0x41 && key <= 0x5A;
  const bool punctuation = key >= kVkFirstPunctuation && key <= kVkLastPunctuation;
  return digit || letter || punctuation ? ScrollModeKey::End : ScrollModeKey::Swallow;
}

}  // namespace tessera::ui
