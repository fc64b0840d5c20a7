#include "shell/message_catalogue.h"

#include <array>
#include <optional>

namespace tessera {

namespace {

// A replaced text is owned by its slot; an unreplaced slot shows its default.
struct Catalogue {
  std::array<std::optional<std::u16string>, kMessageCount> overrides;
  std::u16string errorPrefix;
};

Catalogue& TheCatalogue() {
  static Catalogue catalogue;
  return catalogue;
}

}  // namespace

std::u16string_view GetMessageText(std::uint32_t id) {
  if (id >= kMessageCount) return {};
  const auto& slot = TheCatalogue().overrides[id];
  if (slot) return *slot;
  return kDefaultMessageTexts[id];
}

void SetMessageText(std::uint32_t id, std::u16string_view text) {
  if (id >= kMessageCount) return;
  Catalogue& catalogue = TheCatalogue();
  if (id == msg::kErrorPrefix) {
    catalogue.errorPrefix = std::u16string(text.substr(0, kErrorPrefixMax));
    return;
  }
  if (GetMessageText(id) == text) return;
  catalogue.overrides[id] = std::u16string(text);
}

std::u16string_view ErrorPrefix() { return TheCatalogue().errorPrefix; }

void FreeMessageTexts() {
  Catalogue& catalogue = TheCatalogue();
  for (auto& slot : catalogue.overrides) slot.reset();
  catalogue.errorPrefix.clear();
}

}  // namespace tessera
