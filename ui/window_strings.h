// The window's own texts that come from the string table by identifier:
// soft-key labels, title prefixes and dialog titles, each with the text
// used when the table has none.
#pragma once

#include <QString>
#include <cstdint>

namespace tessera::ui {

// String identifiers of the soft-key labels and title prefixes.
inline constexpr std::uint32_t kLabelConsoleFocus = 30317;
inline constexpr std::uint32_t kLabelBarFocus = 30318;
inline constexpr std::uint32_t kLabelCommandRunning = 30319;
inline constexpr std::uint32_t kPrefixScroll = 37027;
inline constexpr std::uint32_t kPrefixFunctionKeys = 37028;
inline constexpr std::uint32_t kPrefixFind = 37029;
inline constexpr std::uint32_t kTitleOpen = 31002;
inline constexpr std::uint32_t kTitleSelectPath = 31003;

// The soft-key label or title prefix of a string identifier ("****" when no
// resource module has it; empty for 0).
QString WindowString(std::uint32_t id);
// The application title (string 57344, else "Tessera").
QString ApplicationTitle();

}  // namespace tessera::ui
