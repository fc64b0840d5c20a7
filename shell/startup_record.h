// The start-up record TSXSet.Dat beside the program: whether to run a
// start-up batch file, and which. A 524-byte file: the flag as a 32-bit
// little-endian number, then the path as 260 UTF-16LE units (ended by a
// zero, the rest zero), every byte stored with its bits in reverse order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessera {

inline constexpr std::size_t kStartupRecordSize = 524;
// Units of the path field, terminator included.
inline constexpr std::size_t kStartupPathUnits = 260;

struct StartupRecord {
  bool enabled = false;
  std::u16string path;
};

// Device path of the record: TSXSet.Dat in the program's folder; empty
// when the program's folder is not known.
std::u16string StartupRecordPath();

// The record's bytes; none for a path too long for its field or one
// holding a zero unit.
std::optional<std::vector<std::uint8_t>> EncodeStartupRecord(const StartupRecord& record);
// The record in the bytes; none when they are fewer than 524 or the path
// field has no terminator.
std::optional<StartupRecord> DecodeStartupRecord(const std::vector<std::uint8_t>& bytes);

// Reads the record; none when the file is missing, unreadable or no record.
std::optional<StartupRecord> ReadStartupRecord();
// Writes the whole record (the file created or replaced); false on failure.
bool WriteStartupRecord(const StartupRecord& record);

}  // namespace tessera
