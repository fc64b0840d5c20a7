#include "tools/tsxkf/code_page_cache.h"

#include "platform/codepage.h"

namespace tessera::tools {

namespace {

constexpr char16_t kUndecodable = 0x30FB;  // what the platform puts for bytes it cannot decode

}  // namespace

CodePageCache::CodePageCache() : toSjis_(0x10000, kUnknown), fromSjis_(0x10000, kUnknown) {}

std::uint32_t CodePageCache::LookUpToSjis(char16_t unit) {
  std::uint32_t& slot = toSjis_[unit];
  if (slot != kUnknown) return slot;
  slot = kNoMapping;
  const std::u16string wide(1, unit);
  auto bytes = platform::WideToMultiByte(wide, platform::kCodePageShiftJis);
  // Characters without a mapping come back as '?'.
  if (bytes && (*bytes != "?" || unit == u'?')) {
    if (bytes->size() == 1) {
      slot = kFound | static_cast<std::uint8_t>((*bytes)[0]);
    } else if (bytes->size() == 2) {
      slot = kFound | kTwoBytes | (static_cast<std::uint8_t>((*bytes)[0]) << 8) |
             static_cast<std::uint8_t>((*bytes)[1]);
    }
  }
  return slot;
}

std::uint32_t CodePageCache::LookUpFromSjis(std::uint16_t code) {
  std::uint32_t& slot = fromSjis_[code];
  if (slot != kUnknown) return slot;
  slot = kNoMapping;
  const auto lead = static_cast<std::uint8_t>(code >> 8);
  const auto trail = static_cast<std::uint8_t>(code & 0xFF);
  std::string bytes(1, static_cast<char>(lead));
  if (trail != 0) bytes += static_cast<char>(trail);
  auto wide = platform::MultiByteToWide(bytes, platform::kCodePageShiftJis);
  const bool decoded = wide && wide->size() == 1 && ((*wide)[0] != kUndecodable || code == 0x8145);
  if (decoded) slot = kFound | (*wide)[0];
  return slot;
}

std::optional<std::string> CodePageCache::ToSjis(char16_t unit) {
  const std::uint32_t slot = LookUpToSjis(unit);
  if (slot == kNoMapping) return std::nullopt;
  if (slot & kTwoBytes) {
    return std::string{static_cast<char>((slot >> 8) & 0xFF), static_cast<char>(slot & 0xFF)};
  }
  return std::string(1, static_cast<char>(slot & 0xFF));
}

std::optional<char16_t> CodePageCache::FromSjis(std::uint8_t lead, std::uint8_t trail) {
  const std::uint32_t slot = LookUpFromSjis(static_cast<std::uint16_t>((lead << 8) | trail));
  if (slot == kNoMapping) return std::nullopt;
  return static_cast<char16_t>(slot & 0xFFFF);
}

CodePageCache& SjisCodePage() {
  static CodePageCache cache;
  return cache;
}

}  // namespace tessera::tools
