// Reading a file in blocks of a fixed size, as COMP and DUMP do.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/files.h"

namespace tessera {

// Fills buffer with up to size bytes, reading again after short reads; a
// count below size means the end of the file.
platform::Result<std::size_t> ReadBlock(platform::File& file, std::uint8_t* buffer,
                                        std::size_t size);

}  // namespace tessera
