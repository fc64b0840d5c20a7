// Safe formatting of message texts, which users may replace.
//
// A message text holds printf-style placeholders (%s, %d, %02d, %x, ...).
// Each placeholder takes the next argument; the argument's own kind decides
// how it is shown, so a text that asks %d for a name shows the name and %s
// for a number shows the number. A placeholder with no argument left, and
// conversions that would read or write memory (%n, %p, '*' widths), are
// kept as literal text. Widths and precisions above kMaxFieldWidth are cut
// to it. Nothing a message file holds can make formatting fail.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tessera {

inline constexpr int kMaxFieldWidth = 512;

class FormatArg {
 public:
  FormatArg(long long number) : value_(std::int64_t{number}) {}  // NOLINT: implicit by design
  FormatArg(int number) : value_(std::int64_t{number}) {}        // NOLINT
  FormatArg(unsigned number) : value_(std::int64_t{number}) {}   // NOLINT
  FormatArg(unsigned long number) : value_(static_cast<std::int64_t>(number)) {}       // NOLINT
  FormatArg(long number) : value_(std::int64_t{number}) {}                             // NOLINT
  FormatArg(std::u16string_view text) : value_(text) {}                                // NOLINT
  FormatArg(const std::u16string& text) : value_(std::u16string_view(text)) {}         // NOLINT
  FormatArg(const char16_t* text) : value_(std::u16string_view(text ? text : u"")) {}  // NOLINT

  bool isNumber() const { return std::holds_alternative<std::int64_t>(value_); }
  std::int64_t number() const { return std::get<std::int64_t>(value_); }
  std::u16string_view text() const { return std::get<std::u16string_view>(value_); }

 private:
  std::variant<std::int64_t, std::u16string_view> value_;
};

std::u16string FormatMessage(std::u16string_view format, std::initializer_list<FormatArg> args);

// The placeholders FormatMessage fills in a text, in order, each as written
// ("%s", "%02d", "%lu"); "%%" and what is kept as literal text are none.
std::vector<std::u16string> FormatPlaceholders(std::u16string_view format);

}  // namespace tessera
