#include "shell/format.h"

#include <algorithm>
#include <vector>

namespace tessera {

namespace {

struct Placeholder {
  bool leftAlign = false;
  bool zeroPad = false;
  bool plus = false;
  bool space = false;
  bool alternate = false;
  int width = 0;
  int precision = -1;
  char16_t conversion = 0;
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads a run of digits, saturating at kMaxFieldWidth.
int ReadCount(std::u16string_view f, std::size_t& i) {
  int value = 0;
  while (i < f.size() && IsDigit(f[i])) {
    value = std::min(kMaxFieldWidth, value * 10 + (f[i] - u'0'));
    ++i;
  }
  return value;
}

std::u16string Digits(std::uint64_t value, unsigned base, bool upper) {
  const char16_t* digits = upper ? u"0123456789ABCDEF" : u"0123456789abcdef";
  std::u16string out;
  do {
    out.insert(out.begin(), digits[value % base]);
    value /= base;
  } while (value != 0);
  return out;
}

std::u16string FormatNumber(std::int64_t value, const Placeholder& placeholder) {
  std::u16string sign;
  std::u16string body;
  switch (placeholder.conversion) {
    case u'x':
    case u'X':
    case u'o': {
      // Unsigned conversions show the 32-bit pattern of negative values.
      const std::uint64_t bits =
          value < 0 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value);
      body = Digits(bits, placeholder.conversion == u'o' ? 8 : 16, placeholder.conversion == u'X');
      if (placeholder.alternate && value != 0) {
        sign = placeholder.conversion == u'o' ? u"0"
                                              : (placeholder.conversion == u'X' ? u"0X" : u"0x");
      }
      break;
    }
    case u'u':
      body =
          Digits(value < 0 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value),
                 10, false);
      break;
    default:
      if (value < 0) {
        sign = u"-";
        body = Digits(static_cast<std::uint64_t>(-(value + 1)) + 1, 10, false);
      } else {
        sign = placeholder.plus ? u"+" : (placeholder.space ? u" " : u"");
        body = Digits(static_cast<std::uint64_t>(value), 10, false);
      }
  }
  if (placeholder.precision >= 0 && static_cast<int>(body.size()) < placeholder.precision) {
    body.insert(0, static_cast<std::size_t>(placeholder.precision) - body.size(), u'0');
  }
  const std::size_t used = sign.size() + body.size();
  const std::size_t width = static_cast<std::size_t>(placeholder.width);
  if (used >= width) return sign + body;
  const std::size_t pad = width - used;
  if (placeholder.leftAlign) return sign + body + std::u16string(pad, u' ');
  if (placeholder.zeroPad && placeholder.precision < 0)
    return sign + std::u16string(pad, u'0') + body;
  return std::u16string(pad, u' ') + sign + body;
}

std::u16string FormatText(std::u16string_view text, const Placeholder& placeholder) {
  if (placeholder.precision >= 0)
    text = text.substr(0, static_cast<std::size_t>(placeholder.precision));
  const std::size_t width = static_cast<std::size_t>(placeholder.width);
  if (text.size() >= width) return std::u16string(text);
  std::u16string pad(width - text.size(), u' ');
  return placeholder.leftAlign ? std::u16string(text) + pad : pad + std::u16string(text);
}

std::u16string FormatOne(const FormatArg& arg, const Placeholder& placeholder) {
  switch (placeholder.conversion) {
    case u'c':
    case u'C':
      if (arg.isNumber())
        return FormatText(std::u16string(1, static_cast<char16_t>(arg.number())), placeholder);
      return FormatText(arg.text().substr(0, 1), placeholder);
    case u's':
    case u'S':
      if (arg.isNumber()) {
        Placeholder asNumber = placeholder;
        asNumber.conversion = u'd';
        asNumber.precision = -1;
        return FormatNumber(arg.number(), asNumber);
      }
      return FormatText(arg.text(), placeholder);
    default:
      if (arg.isNumber()) return FormatNumber(arg.number(), placeholder);
      return FormatText(arg.text(), placeholder);
  }
}

bool IsConversion(char16_t c) {
  return std::u16string_view(u"diuxXocCsS").find(c) != std::u16string_view::npos;
}

bool IsLengthModifier(char16_t c) {
  return c == u'h' || c == u'l' || c == u'L' || c == u'w' || c == u'I' || c == u'q';
}

// Reads the placeholder that starts with the '%' at `start` (not "%%").
// Gives its end and fills `placeholder`; false for a '%' that starts no
// conversion this formatter knows (the end is then where reading stopped).
bool ReadPlaceholder(std::u16string_view format, std::size_t start, std::size_t& end,
                     Placeholder& placeholder) {
  std::size_t i = start + 1;
  for (; i < format.size(); ++i) {
    const char16_t f = format[i];
    if (f == u'-')
      placeholder.leftAlign = true;
    else if (f == u'0')
      placeholder.zeroPad = true;
    else if (f == u'+')
      placeholder.plus = true;
    else if (f == u' ')
      placeholder.space = true;
    else if (f == u'#')
      placeholder.alternate = true;
    else
      break;
  }
  placeholder.width = ReadCount(format, i);
  if (i < format.size() && format[i] == u'.') {
    ++i;
    placeholder.precision = ReadCount(format, i);
  }
  while (i < format.size() &&
         (IsLengthModifier(format[i]) || (format[i - 1] == u'I' && IsDigit(format[i]))))
    ++i;
  if (i >= format.size() || !IsConversion(format[i])) {
    end = (i < format.size()) ? i + 1 : i;
    return false;
  }
  placeholder.conversion = format[i];
  end = i + 1;
  return true;
}

}  // namespace

std::u16string FormatMessage(std::u16string_view format, std::initializer_list<FormatArg> args) {
  std::u16string out;
  out.reserve(format.size() + 32);
  auto nextArg = args.begin();
  std::size_t i = 0;
  while (i < format.size()) {
    const char16_t c = format[i];
    if (c != u'%') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == u'%') {
      out += u'%';
      i += 2;
      continue;
    }
    Placeholder placeholder;
    std::size_t end = i;
    if (!ReadPlaceholder(format, i, end, placeholder) || nextArg == args.end()) {
      // Not a placeholder this formatter fills: keep the text as written.
      out.append(format.substr(i, end - i));
    } else {
      out += FormatOne(*nextArg++, placeholder);
    }
    i = end;
  }
  return out;
}

std::vector<std::u16string> FormatPlaceholders(std::u16string_view format) {
  std::vector<std::u16string> found;
  std::size_t i = 0;
  while (i < format.size()) {
    if (format[i] != u'%') {
      ++i;
    } else if (i + 1 < format.size() && format[i + 1] == u'%') {
      i += 2;
    } else {
      Placeholder placeholder;
      std::size_t end = i;
      if (ReadPlaceholder(format, i, end, placeholder))
        found.emplace_back(format.substr(i, end - i));
      i = end;
    }
  }
  return found;
}

}  // namespace tessera
