#include "shell/startup_record.h"

#include "platform/device.h"
#include "platform/files.h"

namespace tessera {

namespace {

constexpr std::size_t kFlagBytes = 4;

std::uint8_t ReverseBits(std::uint8_t byte) {
  std::uint8_t out = 0;
  for (int bit = 0; bit < 8; ++bit) {
    out = static_cast<std::uint8_t>((out << 1) | (byte & 1));
    byte = static_cast<std::uint8_t>(byte >> 1);
  }
  return out;
}

}  // namespace

std::u16string StartupRecordPath() {
  const std::u16string folder = platform::ProgramDirectory();
  return folder.empty() ? std::u16string() : folder + u"TSXSet.Dat";
}

std::optional<std::vector<std::uint8_t>> EncodeStartupRecord(const StartupRecord& record) {
  if (record.path.size() >= kStartupPathUnits) return std::nullopt;
  if (record.path.find(u'\0') != std::u16string::npos) return std::nullopt;
  std::vector<std::uint8_t> bytes(kStartupRecordSize, 0);
  bytes[0] = record.enabled ? 1 : 0;
  for (std::size_t i = 0; i < record.path.size(); ++i) {
    bytes[kFlagBytes + 2 * i] = static_cast<std::uint8_t>(record.path[i] & 0xFF);
    bytes[kFlagBytes + 2 * i + 1] = static_cast<std::uint8_t>(record.path[i] >> 8);
  }
  for (auto& byte : bytes) byte = ReverseBits(byte);
  return bytes;
}

std::optional<StartupRecord> DecodeStartupRecord(const std::vector<std::uint8_t>& stored) {
  if (stored.size() < kStartupRecordSize) return std::nullopt;
  std::vector<std::uint8_t> bytes(stored.begin(), stored.begin() + kStartupRecordSize);
  for (auto& byte : bytes) byte = ReverseBits(byte);
  const std::uint32_t flag =
      static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
      static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  StartupRecord record;
  record.enabled = flag == 1;
  for (std::size_t i = 0; i < kStartupPathUnits; ++i) {
    const auto unit =
        static_cast<char16_t>(bytes[kFlagBytes + 2 * i] | bytes[kFlagBytes + 2 * i + 1] << 8);
    if (unit == u'\0') return record;
    record.path += unit;
  }
  // A path without its end would run a file nobody chose.
  return std::nullopt;
}

std::optional<StartupRecord> ReadStartupRecord() {
  const std::u16string path = StartupRecordPath();
  if (path.empty()) return std::nullopt;
  auto bytes = platform::ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return DecodeStartupRecord(*bytes);
}

bool WriteStartupRecord(const StartupRecord& record) {
  const std::u16string path = StartupRecordPath();
  const auto bytes = EncodeStartupRecord(record);
  if (path.empty() || !bytes) return false;
  auto file = platform::File::Open(path, platform::OpenMode::CreateAlways);
  if (!file) return false;
  return file->Write(bytes->data(), bytes->size()).ok() && file->Close().ok();
}

}  // namespace tessera
