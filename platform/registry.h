// The device registry: keys with subkeys and typed values under three roots,
// kept in one database file in the device's state folder (platform/device.h).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/result.h"

namespace tessera::platform {

// Value types the shell knows by name; any other type number is kept as bytes.
inline constexpr std::uint32_t kRegString = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiString = 7;

// Longest key name component and value name, in UTF-16 units.
inline constexpr std::size_t kMaxRegistryKeyName = 255;
inline constexpr std::size_t kMaxRegistryValueName = 16383;

// The three roots: classes (HKCR), current user (HKCU), local machine (HKLM).
enum class RegistryRoot { ClassesRoot = 1, CurrentUser = 2, LocalMachine = 3 };

class RegistryDatabase;

// An open key; copies share the key, Close or destruction releases it.
class RegistryKey {
 public:
  RegistryKey() = default;
  // False for a default-constructed or closed key.
  bool isOpen() const { return database_ != nullptr; }
  // True when the key is one of the three roots.
  bool isRoot() const { return isOpen() && root_; }
  // Releases the key; operations on it then fail with InvalidHandle.
  void Close() { database_.reset(); }

 private:
  friend class RegistryAccess;
  std::shared_ptr<RegistryDatabase> database_;
  std::int64_t id_ = 0;
  bool root_ = false;
};

// One open registry database.
class Registry {
 public:
  // The key of one of the three roots.
  RegistryKey Root(RegistryRoot root) const;

 private:
  friend class RegistryAccess;
  std::shared_ptr<RegistryDatabase> database_;
};

// Opens (creating when missing) the registry database in a host file.
Result<Registry> OpenRegistryAt(const std::string& hostPath);
// Host path of the current device's database, registry.db in the device's
// state folder, which no device path reaches.
Result<std::string> RegistryDatabasePath();
// The current device's registry, opened on first use and again whenever the
// device root (or its database file) changes.
Result<Registry> DeviceRegistry();

// A key opened by CreateKey, and whether it existed before.
struct CreatedKey {
  RegistryKey key;
  bool existed = false;
};

// A value: its name as stored, its type and its bytes.
struct RegistryValue {
  std::u16string name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

// Counts and longest lengths of a key's subkeys and values (names in UTF-16
// units, data in bytes).
struct RegistryKeyInfo {
  std::uint32_t subKeys = 0;
  std::uint32_t maxSubKeyNameLength = 0;
  std::uint32_t values = 0;
  std::uint32_t maxValueNameLength = 0;
  std::uint32_t maxValueDataLength = 0;
};

// Paths are '\'-separated below parent (empty components are skipped, so an
// empty path names parent itself); names compare without regard to case and
// keep the spelling they were created with. A missing key or value gives
// FileNotFound, a closed key InvalidHandle, a bad name InvalidParameter,
// a database held by another process past the wait SharingViolation.

// Opens the key at path, creating it and any missing keys above it.
Result<CreatedKey> CreateKey(const RegistryKey& parent, std::u16string_view path);
// Opens an existing key.
Result<RegistryKey> OpenKey(const RegistryKey& parent, std::u16string_view path);
// Deletes the key at path (not empty) with all its subkeys and values.
Status DeleteKey(const RegistryKey& parent, std::u16string_view path);
// Reads a value; the empty name is the key's default value.
Result<RegistryValue> QueryValue(const RegistryKey& key, std::u16string_view name);
// Creates or replaces a value (a replaced value keeps its spelling and place).
Status SetValue(const RegistryKey& key, std::u16string_view name, std::uint32_t type,
                std::span<const std::uint8_t> data);
// Creates a value unless one of that name exists (AlreadyExists, nothing
// written); the test and the write are one change, so two shells cannot
// both think they created it.
Status AddValue(const RegistryKey& key, std::u16string_view name, std::uint32_t type,
                std::span<const std::uint8_t> data);
// Deletes a value.
Status DeleteValue(const RegistryKey& key, std::u16string_view name);
// Name of the index-th subkey in creation order; NoMoreFiles past the last.
Result<std::u16string> EnumKey(const RegistryKey& key, std::uint32_t index);
// The index-th value in creation order; NoMoreFiles past the last.
Result<RegistryValue> EnumValue(const RegistryKey& key, std::uint32_t index);
// Counts and longest names of the key's subkeys and values.
Result<RegistryKeyInfo> QueryInfoKey(const RegistryKey& key);

// Data of a string value: UTF-16LE with its terminating zero.
std::vector<std::uint8_t> StringValueData(std::u16string_view text);
// Text of string data, up to its first zero unit (an odd last byte is dropped).
std::u16string StringFromValueData(std::span<const std::uint8_t> data);
// Data of a 32-bit number value (little-endian).
std::vector<std::uint8_t> DwordValueData(std::uint32_t number);
// The number of 32-bit number data; InvalidParameter unless it is 4 bytes.
Result<std::uint32_t> DwordFromValueData(std::span<const std::uint8_t> data);
// Data of a multi-string value: each string with its zero, then one more zero.
std::vector<std::uint8_t> MultiStringValueData(const std::vector<std::u16string>& strings);
// Strings of multi-string data; ends at the empty string or the end of data.
std::vector<std::u16string> MultiStringFromValueData(std::span<const std::uint8_t> data);

}  // namespace tessera::platform
