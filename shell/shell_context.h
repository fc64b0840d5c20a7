// The session's named values: environment variables and, under reserved
// names, the interpreter's own state (current directory, echo mode, ...).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

enum ContextValueFlags : std::uint32_t {
  kValueHidden = 1,
  kValueNotDeletable = 2,
  kValueReadOnly = 4,
};

// Reserved names.
inline constexpr std::u16string_view kCurDir = u"CUR DIR";
inline constexpr std::u16string_view kEchoMode = u"ECHO MODE";
inline constexpr std::u16string_view kErrorLevel = u"ERRORLEVEL";
inline constexpr std::u16string_view kBatchArgs = u"BATCH ARGS";
inline constexpr std::u16string_view kDirStack = u"DIR STACK";
inline constexpr std::u16string_view kErrorStopFlag = u"ERRORSTOPFLAG";
inline constexpr std::u16string_view kPath = u"PATH";
inline constexpr std::u16string_view kPrompt = u"PROMPT";
inline constexpr std::u16string_view kTsxVer = u"TSXVER";
inline constexpr std::u16string_view kOsVer = u"OSVER";
inline constexpr std::u16string_view kSupportStdin = u"SUPPORTSTDIN";
inline constexpr std::u16string_view kSupportStdout = u"SUPPORTSTDOUT";
inline constexpr std::u16string_view kTextCode = u"TEXTCODE";
inline constexpr std::u16string_view kFileFilter = u"FILEFILTER";

struct ContextValue {
  std::u16string name;
  std::optional<std::u16string> value;  // none: the name has no value
  std::uint32_t flags = 0;
};

enum FindMode : std::uint32_t {
  kFindOnly = 1,      // give null when absent
  kCreateHidden = 2,  // an entry created now is hidden
};

// Values in creation order; names are unique and compared exactly.
class ShellContext {
 public:
  ShellContext() = default;
  ShellContext(const ShellContext& other);
  ShellContext& operator=(const ShellContext& other);
  ShellContext(ShellContext&&) noexcept = default;
  ShellContext& operator=(ShellContext&&) noexcept = default;

  // The entry with that name; created (without a value) unless kFindOnly.
  // Entries stay where they are until removed.
  ContextValue* FindValue(std::u16string_view name, std::uint32_t mode);
  const ContextValue* FindValue(std::u16string_view name) const;
  // The value text of an existing entry, or null.
  const std::u16string* GetValueText(std::u16string_view name) const;
  // Removes the entry; an absent name is no error.
  void RemoveValue(std::u16string_view name);
  // Sets (creating with the given flags when missing) a value.
  ContextValue& Set(std::u16string_view name, std::u16string_view value,
                    std::uint32_t flagsIfCreated = 0);

  const std::vector<std::unique_ptr<ContextValue>>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

 private:
  std::vector<std::unique_ptr<ContextValue>> entries_;
};

// Stores n as ERRORLEVEL, creating the entry (flags 0) when it is missing.
void SetErrorLevel(ShellContext& context, long n);
// ERRORLEVEL read as a number; 0 when missing.
long GetErrorLevel(const ShellContext& context);

}  // namespace tessera
