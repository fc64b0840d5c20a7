#include "platform/help_viewer/help_place.h"

#include <span>

#include "platform/device.h"
#include "platform/registry.h"

namespace tessera::help {

namespace {

constexpr std::u16string_view kKey = u"Software\\Verdane\\Help Viewer";
constexpr std::u16string_view kValue = u"WINDOW_PLACE";

bool HasDevice() { return !platform::DeviceRootHostPath().empty(); }

}  // namespace

std::optional<QByteArray> LoadHelpWindowPlace() {
  if (!HasDevice()) return std::nullopt;
  auto registry = platform::DeviceRegistry();
  if (!registry) return std::nullopt;
  auto key = platform::OpenKey(registry->Root(platform::RegistryRoot::CurrentUser), kKey);
  if (!key) return std::nullopt;
  auto value = platform::QueryValue(*key, kValue);
  if (!value || value->type != platform::kRegBinary) return std::nullopt;
  return QByteArray(reinterpret_cast<const char*>(value->data.data()),
                    static_cast<qsizetype>(value->data.size()));
}

void StoreHelpWindowPlace(const QByteArray& geometry) {
  if (!HasDevice()) return;
  auto registry = platform::DeviceRegistry();
  if (!registry) return;
  auto key = platform::CreateKey(registry->Root(platform::RegistryRoot::CurrentUser), kKey);
  if (!key) return;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(geometry.constData());
  // A place that cannot be stored is only forgotten.
  (void)platform::SetValue(
      key->key, kValue, platform::kRegBinary,
      std::span<const std::uint8_t>(bytes, static_cast<std::size_t>(geometry.size())));
}

}  // namespace tessera::help
