#include "commands/registry_line.h"

#include "platform/text.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

using platform::RegistryRoot;

namespace regmsg {
constexpr std::uint32_t kBadRoot = 120;
constexpr std::uint32_t kBadKey = 121;
constexpr std::uint32_t kBadValueName = 122;
constexpr std::uint32_t kBadFlags = 123;
constexpr std::uint32_t kBadData = 124;
constexpr std::uint32_t kBadDataFormat = 127;
constexpr std::uint32_t kUnknownType = 128;
constexpr std::uint32_t kDefaultValueNeedsString = 129;
}  // namespace regmsg

constexpr std::u16string_view kEmptyValue = u"\"\"";

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::u16string_view Trim(std::u16string_view text) {
  return TrimTrailingView(text.substr(SkipBlanksFrom(text, 0)));
}

std::u16string BlanksForControls(std::u16string text) {
  for (char16_t& c : text) {
    if (IsControl(c)) c = u' ';
  }
  return text;
}

enum class FieldEnd { Comma, End, Other };

// A key, value name or multi-string piece as read from the line.
struct Field {
  std::u16string text;
  bool quoted = false;
  bool closed = true;  // false: a quote that never closes
  FieldEnd end = FieldEnd::End;
  std::size_t next = 0;  // after the comma that ends the field
};

// Reads the text of a quoted field from just after its opening quote; gives
// the position after the closing quote, or none when there is none.
std::optional<std::size_t> ReadQuoted(std::u16string_view text, std::size_t at,
                                      std::u16string& out) {
  while (at < text.size()) {
    const char16_t c = text[at];
    if (c != u'"') {
      out += c;
      ++at;
    } else if (at + 1 < text.size() && text[at + 1] == u'"') {
      out += u'"';
      at += 2;
    } else {
      return at + 1;
    }
  }
  return std::nullopt;
}

// Reads one comma-separated field from `from`. Quoted text is kept as written
// when keepQuoted is set; otherwise (keys and names) blanks just inside the
// quotes go too. Unquoted text runs to the next comma; control characters in
// it become blanks and trailing blanks are dropped.
Field ReadField(std::u16string_view text, std::size_t from, bool keepQuoted) {
  Field field;
  std::size_t at = SkipBlanksFrom(text, from);
  if (at < text.size() && text[at] == u'"') {
    field.quoted = true;
    const std::optional<std::size_t> after = ReadQuoted(text, at + 1, field.text);
    if (!after) {
      field.closed = false;
      field.next = text.size();
      return field;
    }
    if (!keepQuoted) field.text = std::u16string(Trim(BlanksForControls(field.text)));
    at = SkipBlanksFrom(text, *after);
  } else {
    std::size_t end = text.find(u',', at);
    if (end == std::u16string_view::npos) end = text.size();
    field.text = std::u16string(Trim(BlanksForControls(std::u16string(text.substr(at, end - at)))));
    at = end;
  }
  if (at >= text.size()) {
    field.end = FieldEnd::End;
    field.next = text.size();
  } else if (text[at] == u',') {
    field.end = FieldEnd::Comma;
    field.next = at + 1;
  } else {
    field.end = FieldEnd::Other;
    field.next = at;
  }
  return field;
}

bool NameFieldOk(const Field& field) {
  return field.closed && field.text.size() <= kMaxRegistryLineName;
}

// The root before the first comma; gives the position after that comma.
LineResult<std::pair<RegistryRoot, std::size_t>> ReadRoot(std::u16string_view text) {
  const std::size_t comma = text.find(u',');
  if (comma == std::u16string_view::npos) return LineFault{regmsg::kBadRoot};
  const std::u16string name = platform::ToUpper(Trim(text.substr(0, comma)));
  RegistryRoot root;
  if (name == u"HKCR") {
    root = RegistryRoot::ClassesRoot;
  } else if (name == u"HKCU") {
    root = RegistryRoot::CurrentUser;
  } else if (name == u"HKLM") {
    root = RegistryRoot::LocalMachine;
  } else {
    return LineFault{regmsg::kBadRoot};
  }
  return std::pair{root, comma + 1};
}

LineResult<std::vector<std::uint8_t>> EncodeBinary(std::u16string_view data) {
  std::vector<std::uint8_t> bytes;
  if (Trim(data) == kEmptyValue) return bytes;
  std::size_t at = 0;
  for (;;) {
    std::size_t end = data.find(u',', at);
    if (end == std::u16string_view::npos) end = data.size();
    const std::u16string_view piece = Trim(data.substr(at, end - at));
    if (piece.empty() || piece.size() > kMaxBinaryPiece) return LineFault{regmsg::kBadData};
    std::u16string number = u"0x";
    number += piece;
    const std::optional<std::uint32_t> byte = ParseRegistryInteger(number);
    if (!byte || *byte > 0xFF) return LineFault{regmsg::kBadData};
    bytes.push_back(static_cast<std::uint8_t>(*byte));
    if (end == data.size()) return bytes;
    at = end + 1;
  }
}

LineResult<std::vector<std::uint8_t>> EncodeMultiString(std::u16string_view data) {
  std::vector<std::u16string> strings;
  if (Trim(data) == kEmptyValue) return platform::MultiStringValueData(strings);
  std::size_t at = 0;
  for (;;) {
    Field piece = ReadField(data, at, true);
    // An empty piece would end the list where it stands and lose the rest.
    if (!piece.closed || piece.end == FieldEnd::Other || piece.text.empty() ||
        piece.text.find(u'\0') != std::u16string::npos) {
      return LineFault{regmsg::kBadDataFormat};
    }
    strings.push_back(std::move(piece.text));
    if (piece.end == FieldEnd::End) break;
    at = piece.next;
  }
  return platform::MultiStringValueData(strings);
}

LineResult<std::vector<std::uint8_t>> EncodeString(std::u16string_view data) {
  std::u16string_view text = data;
  const std::u16string_view trimmed = TrimTrailingView(data);
  if (trimmed.size() >= 2 && trimmed.front() == u'"' && trimmed.back() == u'"') {
    text = trimmed.substr(1, trimmed.size() - 2);
  }
  // The stored string ends at its first zero.
  if (text.find(u'\0') != std::u16string_view::npos) return LineFault{regmsg::kBadDataFormat};
  return platform::StringValueData(text);
}

bool NeedsQuotes(std::u16string_view text) {
  if (!text.empty() && text.front() == u'"') return true;
  for (char16_t c : text) {
    if (c == u',' || IsBlank(c) || IsControl(c)) return true;
  }
  return false;
}

bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// A quoted field with its quotes doubled. Names read control characters as
// blanks anyway; in multi-string pieces only line breaks, which cannot stand
// in a line, become blanks.
std::u16string Quote(std::u16string_view text, bool controlsAsBlanks) {
  std::u16string out = u"\"";
  for (char16_t c : text) {
    if (c == u'"') out += u'"';
    const bool blank = controlsAsBlanks ? IsControl(c) : IsLineBreak(c);
    out += blank ? u' ' : c;
  }
  out += u'"';
  return out;
}

// String data as ADDREG reads it back. Line breaks cannot stand in a line
// and show as blanks; other characters are written as they are.
std::u16string FormatStringData(std::u16string text) {
  for (char16_t& c : text) {
    if (IsLineBreak(c)) c = u' ';
  }
  const bool quote =
      text.empty() || IsBlank(text.front()) || IsBlank(text.back()) || text.front() == u'"';
  return quote ? u"\"" + text + u"\"" : text;
}

std::u16string FormatMultiStringData(std::span<const std::uint8_t> data) {
  const std::vector<std::u16string> strings = platform::MultiStringFromValueData(data);
  if (strings.empty()) return std::u16string(kEmptyValue);
  std::u16string out;
  for (const std::u16string& text : strings) {
    if (!out.empty()) out += u", ";
    out += NeedsQuotes(text) ? Quote(text, false) : text;
  }
  return out;
}

std::u16string FormatBinaryData(std::span<const std::uint8_t> data) {
  if (data.empty()) return std::u16string(kEmptyValue);
  static constexpr char16_t kDigits[] = u"0123456789abcdef";
  std::u16string out;
  for (std::uint8_t byte : data) {
    if (!out.empty()) out += u", ";
    if (byte >= 0x10) out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
  return out;
}

std::u16string DecimalText(std::int32_t number) {
  std::int64_t wide = number;
  const bool negative = wide < 0;
  if (negative) wide = -wide;
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + wide % 10));
    wide /= 10;
  } while (wide != 0);
  return negative ? u"-" + digits : digits;
}

}  // namespace

std::optional<std::uint32_t> ParseRegistryInteger(std::u16string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  unsigned base = 10;
  if (text.size() >= 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char16_t c : text) {
    unsigned digit;
    if (c >= u'0' && c <= u'9') {
      digit = c - u'0';
    } else if (base == 16 && c >= u'a' && c <= u'f') {
      digit = c - u'a' + 10;
    } else if (base == 16 && c >= u'A' && c <= u'F') {
      digit = c - u'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<std::uint32_t>(0x100000000ull - value);
  }
  return static_cast<std::uint32_t>(value);
}

LineResult<AddRegLine> ParseAddRegLine(std::u16string_view text) {
  auto root = ReadRoot(text);
  if (const LineFault* fault = std::get_if<LineFault>(&root)) return *fault;
  AddRegLine line;
  line.root = std::get<0>(root).first;

  Field key = ReadField(text, std::get<0>(root).second, false);
  if (!NameFieldOk(key) || key.text.empty() || key.end != FieldEnd::Comma) {
    return LineFault{regmsg::kBadKey};
  }
  line.key = std::move(key.text);

  Field name = ReadField(text, key.next, false);
  if (!NameFieldOk(name) || name.end != FieldEnd::Comma) return LineFault{regmsg::kBadValueName};
  line.valueName = std::move(name.text);

  const std::size_t flagsComma = text.find(u',', name.next);
  if (flagsComma == std::u16string_view::npos) return LineFault{regmsg::kBadFlags};
  const std::u16string_view flagsText = Trim(text.substr(name.next, flagsComma - name.next));
  const std::optional<std::uint32_t> flags = ParseRegistryInteger(flagsText);
  if (!flags) return LineFault{regmsg::kBadFlags};
  const std::uint32_t typeFlags = *flags & ~kRegFlagNoOverwrite;
  line.noOverwrite = (*flags & kRegFlagNoOverwrite) != 0;
  if (line.valueName.empty() && typeFlags != 0) return LineFault{regmsg::kDefaultValueNeedsString};

  const std::u16string_view data = text.substr(SkipBlanksFrom(text, flagsComma + 1));
  if (data.empty()) return LineFault{regmsg::kBadData};

  LineResult<std::vector<std::uint8_t>> bytes = LineFault{regmsg::kUnknownType};
  switch (typeFlags) {
    case kRegFlagString:
      line.type = platform::kRegString;
      bytes = EncodeString(data);
      break;
    case kRegFlagBinary:
      line.type = platform::kRegBinary;
      bytes = EncodeBinary(data);
      break;
    case kRegFlagMultiString:
      line.type = platform::kRegMultiString;
      bytes = EncodeMultiString(data);
      break;
    case kRegFlagDword: {
      line.type = platform::kRegDword;
      const std::optional<std::uint32_t> number = ParseRegistryInteger(data);
      if (number) {
        bytes = platform::DwordValueData(*number);
      } else {
        bytes = LineFault{regmsg::kBadData};
      }
      break;
    }
    default:
      break;
  }
  if (const LineFault* fault = std::get_if<LineFault>(&bytes)) return *fault;
  line.data = std::move(std::get<0>(bytes));
  return line;
}

LineResult<RegistryTarget> ParseRegistryTarget(std::u16string_view text, bool ignoreValue) {
  auto root = ReadRoot(text);
  if (const LineFault* fault = std::get_if<LineFault>(&root)) return *fault;
  RegistryTarget target;
  target.root = std::get<0>(root).first;

  Field key = ReadField(text, std::get<0>(root).second, false);
  if (!NameFieldOk(key) || key.text.empty() || key.end == FieldEnd::Other) {
    return LineFault{regmsg::kBadKey};
  }
  target.key = std::move(key.text);
  if (key.end == FieldEnd::End || ignoreValue) return target;

  Field name = ReadField(text, key.next, false);
  if (!NameFieldOk(name) || name.end != FieldEnd::End) return LineFault{regmsg::kBadValueName};
  target.valueName = std::move(name.text);
  return target;
}

std::u16string_view RegistryRootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot:
      return u"HKCR";
    case RegistryRoot::CurrentUser:
      return u"HKCU";
    case RegistryRoot::LocalMachine:
      return u"HKLM";
  }
  return u"HKCU";
}

std::u16string FormatNameField(std::u16string_view name) {
  return NeedsQuotes(name) ? Quote(name, true) : std::u16string(name);
}

std::u16string FormatRegistryLine(RegistryRoot root, std::u16string_view key,
                                  std::u16string_view valueName,
                                  const platform::RegistryValue& value) {
  std::u16string line(RegistryRootName(root));
  line += u", ";
  line += FormatNameField(key);
  line += u", ";
  line += FormatNameField(valueName);
  line += u", ";
  const platform::Result<std::uint32_t> number = platform::DwordFromValueData(value.data);
  if (value.type == platform::kRegString) {
    line += u"0x00000000, ";
    line += FormatStringData(platform::StringFromValueData(value.data));
  } else if (value.type == platform::kRegMultiString) {
    line += u"0x00010000, ";
    line += FormatMultiStringData(value.data);
  } else if (value.type == platform::kRegDword && number) {
    line += u"0x00010001, ";
    line += DecimalText(static_cast<std::int32_t>(*number));
  } else {
    // Any other type, and a number of the wrong size, shows its bytes.
    line += u"0x00000001, ";
    line += FormatBinaryData(value.data);
  }
  return line;
}

}  // namespace tessera
