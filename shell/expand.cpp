#include "shell/expand.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "platform/filetime.h"
#include "platform/text.h"
#include "shell/format.h"
#include "shell/multi_string.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

constexpr std::size_t kMaxArgumentPath = 259;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string Element(const ShellContext& context, std::size_t index) {
  const std::u16string* value = context.GetValueText(kBatchArgs);
  if (!value) return std::u16string();
  return std::u16string(MultiStringElement(*value, index).value_or(u""));
}

// The argument without its surrounding quotes.
std::u16string Unquote(std::u16string value) {
  if (!value.empty() && value[0] == u'"') {
    std::size_t start = SkipBlanksFrom(value, 1);
    value.erase(0, start);
    if (!value.empty() && value.back() == u'"') value.pop_back();
    TrimTrailing(value);
  }
  if (value.size() > kMaxArgumentPath) value.resize(kMaxArgumentPath);
  return value;
}

std::u16string AttributeLetters(std::uint32_t attributes) {
  using namespace platform;
  std::u16string out;
  out += (attributes & kAttrDirectory) ? u'd' : u'-';
  out += (attributes & kAttrReadOnly) ? u'r' : u'-';
  out += (attributes & kAttrArchive) ? u'a' : u'-';
  out += (attributes & kAttrHidden) ? u'h' : u'-';
  out += (attributes & kAttrSystem) ? u's' : u'-';
  out += (attributes & kAttrHidden) ? u'c' : u'-';
  out += (attributes & kAttrTemporary) ? u't' : u'-';
  out += (attributes & kAttrInRom) ? u'i' : u'-';
  out += u'-';
  return out;
}

struct Modifiers {
  bool full = false, drive = false, path = false, name = false, extension = false;
  bool attributes = false, time = false, size = false;
  bool any() const {
    return full || drive || path || name || extension || attributes || time || size;
  }
};

bool TakeModifier(char16_t c, Modifiers& m) {
  switch (platform::ToUpper(c)) {
    case u'F':
      m.full = true;
      return true;
    case u'D':
      m.drive = true;
      return true;
    case u'P':
      m.path = true;
      return true;
    case u'N':
      m.name = true;
      return true;
    case u'X':
      m.extension = true;
      return true;
    case u'A':
      m.attributes = true;
      return true;
    case u'T':
      m.time = true;
      return true;
    case u'Z':
      m.size = true;
      return true;
    default:
      return false;
  }
}

std::u16string TildeValue(const std::u16string& argument, const Modifiers& m,
                          ShellContext& context) {
  std::u16string value = Unquote(argument);
  if (!m.any()) return value;
  const std::u16string path = MakeAbsolute(context, value);
  std::u16string out;
  auto group = [&out](const std::u16string& text) {
    if (!out.empty()) out += u' ';
    out += text;
  };
  if (m.attributes || m.time || m.size) {
    if (auto info = platform::GetFileInfo(DirectoryForPlatform(path)); info.ok()) {
      if (m.attributes) group(AttributeLetters(info->attributes));
      if (m.time) {
        const platform::SystemTime t = platform::FileTimeToLocal(info->lastWriteTime);
        group(
            FormatMessage(u"%04d/%02d/%02d %02d:%02d", {t.year, t.month, t.day, t.hour, t.minute}));
      }
      if (m.size) {
        // The whole size: the low 32 bits alone would show large files as
        // negative or wrapped numbers.
        const std::string digits = std::to_string(info->size);
        group(std::u16string(digits.begin(), digits.end()));
      }
    }
  }
  if (m.full) {
    group(path);
  } else if (m.drive || m.path || m.name || m.extension) {
    const std::size_t slash = path.rfind(u'\\');
    const std::size_t nameStart = slash == std::u16string::npos ? 0 : slash + 1;
    const std::u16string_view fileName = std::u16string_view(path).substr(nameStart);
    const std::size_t dot = fileName.rfind(u'.');
    std::u16string piece;
    if (m.path) piece += path.substr(0, nameStart);
    if (m.name) piece += fileName.substr(0, dot);
    if (m.extension && dot != std::u16string_view::npos) piece += fileName.substr(dot);
    group(piece);
  }
  if (out.size() > kMaxTildeResult) out.resize(kMaxTildeResult);
  return out;
}

}  // namespace

Expansion ExpandVariables(std::u16string_view line, ShellContext& context, std::uint32_t flags) {
  const bool inBatch = (flags & kExpandInBatch) != 0;

  Expansion result;
  std::u16string& out = result.text;
  std::size_t i = 0;
  out.reserve(line.size());
  while (i < line.size()) {
    if (out.size() > kMaxExpandedLine) {
      result.text = std::u16string(TrimTrailingView(line));
      result.substitutions = 0;
      result.tooLong = true;
      return result;
    }
    if (line[i] != u'%') {
      // The text up to the next reference as it stands.
      const std::size_t percent = std::min(line.find(u'%', i), line.size());
      out.append(line.substr(i, percent - i));
      i = percent;
      continue;
    }
    const char16_t next = i + 1 < line.size() ? line[i + 1] : u'\0';
    if (next == u'%') {
      out += u'%';
      ++result.substitutions;
      i += 2;
      continue;
    }
    if (inBatch && IsDigit(next)) {
      out += Element(context, static_cast<std::size_t>(next - u'0'));
      ++result.substitutions;
      i += 2;
      continue;
    }
    if (inBatch && next == u'*') {
      for (std::size_t k = 1; k <= 9; ++k) {
        const std::u16string element = Element(context, k);
        if (element.empty()) break;
        out += u' ';
        out += element;
      }
      ++result.substitutions;
      i += 2;
      continue;
    }
    if (inBatch && next == u'~') {
      ++result.substitutions;
      std::size_t j = i + 2;
      Modifiers modifiers;
      while (j < line.size() && !IsDigit(line[j]) && TakeModifier(line[j], modifiers)) ++j;
      if (j < line.size() && IsDigit(line[j])) {
        out += TildeValue(Element(context, static_cast<std::size_t>(line[j] - u'0')), modifiers,
                          context);
        i = j + 1;
      } else {
        i = j;  // not a modifier: the reference gives nothing, the text goes on here
      }
      continue;
    }
    const std::size_t close = line.find(u'%', i + 1);
    if (close == std::u16string_view::npos) break;  // an unpaired % drops the rest
    const std::u16string_view name = line.substr(i + 1, close - i - 1);
    if (const ContextValue* value = context.FindVisibleByPrefix(name)) {
      if (value->value) out += *value->value;
      ++result.substitutions;
    }
    i = close + 1;
  }
  if (result.substitutions == 0) out.assign(line);
  TrimTrailing(out);
  if (out.size() > kMaxExpandedLine) {
    out = std::u16string(TrimTrailingView(line));
    result.substitutions = 0;
    result.tooLong = true;
  }
  return result;
}

}  // namespace tessera
