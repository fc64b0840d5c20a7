// The start-up record TSXSet.Dat: 524 bytes with their bits reversed.
//
// Input: the bytes of a record file. Checked: fewer than 524 bytes are no
// record; a record that reads back encodes to exactly 524 bytes that read
// back to the same flag and path; the path fits its field and holds no
// zero unit.
#include <cstdint>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "shell/startup_record.h"

using namespace tessera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const auto record = DecodeStartupRecord(bytes);
  if (size < kStartupRecordSize) FUZZ_REQUIRE(!record);
  if (!record) return 0;
  FUZZ_REQUIRE(record->path.size() < kStartupPathUnits);
  FUZZ_REQUIRE(record->path.find(u'\0') == std::u16string::npos);

  const auto encoded = EncodeStartupRecord(*record);
  FUZZ_REQUIRE(encoded.has_value());
  FUZZ_REQUIRE(encoded->size() == kStartupRecordSize);
  const auto again = DecodeStartupRecord(*encoded);
  FUZZ_REQUIRE(again.has_value());
  FUZZ_REQUIRE(again->enabled == record->enabled);
  FUZZ_REQUIRE(again->path == record->path);
  return 0;
}
