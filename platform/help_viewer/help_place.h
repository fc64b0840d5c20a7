// Where the help window last stood, kept in the device's registry (when
// the viewer runs for a device) so that it opens there again.
#pragma once

#include <QByteArray>
#include <optional>

namespace tessera::help {

// The stored window geometry; none without a device or a stored value.
std::optional<QByteArray> LoadHelpWindowPlace();
// Stores the geometry; does nothing without a device.
void StoreHelpWindowPlace(const QByteArray& geometry);

}  // namespace tessera::help
