// The session's named values: environment variables and, under reserved
// names, the interpreter's own state (current directory, echo mode, ...).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/name_index.h"

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

// Values in creation order; names are unique and compared exactly. An index
// finds, sets and removes a name without walking the values, so that a
// session with many thousands of variables stays quick.
class ShellContext {
 public:
  ShellContext() = default;
  ShellContext(const ShellContext& other);
  ShellContext& operator=(const ShellContext& other);
  ShellContext(ShellContext&& other) noexcept;
  ShellContext& operator=(ShellContext&& other) noexcept;

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
  // The first visible entry, in creation order, whose name begins with the
  // prefix compared without regard to case (each unit through ToUpper).
  const ContextValue* FindVisibleByPrefix(std::u16string_view prefix) const;

  // Every entry in creation order.
  const std::vector<std::unique_ptr<ContextValue>>& entries() const;
  bool empty() const { return index_.empty(); }

 private:
  ContextValue* Append(std::u16string_view name, std::uint32_t flags);
  // The slot of an entry in entries_, found by its creation number.
  std::size_t SlotOf(std::uint64_t order) const;
  // Closes the gaps that removals left in entries_.
  void Compact() const;

  // Creation order; a removed entry leaves a null until the next Compact.
  mutable std::vector<std::unique_ptr<ContextValue>> entries_;
  // The creation number of each slot of entries_, rising.
  mutable std::vector<std::uint64_t> orders_;
  NameIndex index_;  // name -> entry and creation number
  // Upper-cased names with their creation numbers, for prefix lookups.
  std::set<std::pair<std::u16string, std::uint64_t>> upperNames_;
  std::uint64_t nextOrder_ = 0;
};

// Stores n as ERRORLEVEL, creating the entry (flags 0) when it is missing.
void SetErrorLevel(ShellContext& context, long n);
// ERRORLEVEL read as a number; 0 when missing.
long GetErrorLevel(const ShellContext& context);

}  // namespace tessera
