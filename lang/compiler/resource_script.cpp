#include "lang/compiler/resource_script.h"

#include <optional>
#include <set>

#include "platform/text.h"
#include "shell/resource_table.h"

namespace tessera::rescomp {

namespace {

// Resource identifiers are 16-bit and never 0 (0 means "none").
constexpr std::uint32_t kLargestIdentifier = 0xFFFF;

struct Token {
  enum Kind { Word, Number, Text } kind = Word;
  std::string word;
  std::uint32_t number = 0;
  std::u16string text;
};

struct LineTokens {
  std::vector<Token> tokens;
  std::string error;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads a quoted text starting after its opening quote; `i` ends after the
// closing quote.
std::optional<std::string> ReadQuoted(std::string_view line, std::size_t& i, std::string& error) {
  std::string bytes;
  while (i < line.size()) {
    const char c = line[i++];
    if (c == '"') return bytes;
    if (c != '\\') {
      bytes += c;
      continue;
    }
    if (i >= line.size()) break;
    switch (const char escaped = line[i++]) {
      case 'n':
        bytes += '\n';
        break;
      case 'r':
        bytes += '\r';
        break;
      case 't':
        bytes += '\t';
        break;
      case '"':
      case '\\':
        bytes += escaped;
        break;
      default:
        error = std::string("unknown escape \\") + escaped;
        return std::nullopt;
    }
  }
  error = "a text without its closing quote";
  return std::nullopt;
}

LineTokens Tokenize(std::string_view line) {
  LineTokens out;
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    Token token;
    if (line[i] == '"') {
      ++i;
      auto bytes = ReadQuoted(line, i, out.error);
      if (!bytes) return out;
      token.kind = Token::Text;
      token.text = platform::Utf8ToUtf16(*bytes);
      if (platform::Utf16ToUtf8(token.text) != *bytes) {
        out.error = "a text that is not UTF-8";
        return out;
      }
    } else {
      const std::size_t start = i;
      while (i < line.size() && !IsBlank(line[i]) && line[i] != '"' && line[i] != '#') ++i;
      token.word = std::string(line.substr(start, i - start));
      bool digits = true;
      for (char c : token.word) digits = digits && c >= '0' && c <= '9';
      if (digits) {
        if (token.word.size() > 5 || std::stoul(token.word) == 0 ||
            std::stoul(token.word) > kLargestIdentifier) {
          out.error = "identifier " + token.word + " outside 1..65535";
          return out;
        }
        token.kind = Token::Number;
        token.number = static_cast<std::uint32_t>(std::stoul(token.word));
      }
    }
    out.tokens.push_back(std::move(token));
  }
  return out;
}

// Checks the tokens of a statement against a pattern: 'w' a given word,
// 'n' a number, 't' a text.
bool Matches(const std::vector<Token>& tokens, std::string_view pattern,
             std::string_view word = {}) {
  if (tokens.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    switch (pattern[i]) {
      case 'w':
        if (tokens[i].kind != Token::Word || tokens[i].word != word) return false;
        break;
      case 'n':
        if (tokens[i].kind != Token::Number) return false;
        break;
      case 't':
        if (tokens[i].kind != Token::Text) return false;
        break;
    }
  }
  return true;
}

class Reader {
 public:
  Reader(std::string_view fileName, ResourceScript& into) : fileName_(fileName), into_(into) {}

  // Gives false (with the error set) at the first fault.
  bool Line(std::size_t number, std::string_view text) {
    lineNumber_ = number;
    LineTokens line = Tokenize(text);
    if (!line.error.empty()) return Fail(line.error);
    if (line.tokens.empty()) return true;
    const std::vector<Token>& t = line.tokens;
    switch (block_) {
      case Block::None:
        return Open(t);
      case Block::Strings:
        if (Matches(t, "w", "END")) return Close();
        if (!Matches(t, "nt")) return Fail("expected: identifier \"text\", or END");
        if (!Once(strings_, t[0].number, "string")) return false;
        into_.strings[t[0].number] = t[1].text;
        return true;
      case Block::Menu:
        return MenuLine(t);
      case Block::Dialog: {
        if (Matches(t, "w", "END")) return Close();
        if (!Matches(t, "nt")) return Fail("expected: control \"text\", or END");
        if (!dialogControls_.insert(t[0].number).second)
          return Fail("control " + t[0].word + " appears twice");
        into_.dialogs[id_].controls[t[0].number] = t[1].text;
        return true;
      }
      case Block::Accelerators: {
        if (Matches(t, "w", "END")) return Close();
        if (!Matches(t, "tn")) return Fail("expected: \"keys\" command, or END");
        if (!IsPortableKeyText(t[0].text))
          return Fail("keys \"" + platform::Utf16ToUtf8(t[0].text) + "\" are not understood");
        for (const ScriptAccelerator& entry : into_.accelerators[id_]) {
          if (entry.keys == t[0].text)
            return Fail("keys \"" + platform::Utf16ToUtf8(t[0].text) + "\" appear twice");
        }
        into_.accelerators[id_].push_back({t[1].number, t[0].text});
        return true;
      }
    }
    return true;
  }

  bool Finish() {
    if (block_ != Block::None) return Fail("the file ends inside a block (END missing)");
    return true;
  }

  const std::string& error() const { return error_; }

 private:
  enum class Block { None, Strings, Menu, Dialog, Accelerators };

  bool Fail(const std::string& what) {
    error_ = std::string(fileName_) + ":" + std::to_string(lineNumber_) + ": " + what;
    return false;
  }

  bool Once(std::set<std::uint32_t>& seen, std::uint32_t id, const char* kind) {
    if (seen.insert(id).second) return true;
    return Fail(std::string(kind) + " " + std::to_string(id) + " appears twice");
  }

  bool Open(const std::vector<Token>& t) {
    if (Matches(t, "w", "STRINGS")) {
      block_ = Block::Strings;
      return true;
    }
    if (Matches(t, "wn", "MENU")) {
      if (!Once(menus_, t[1].number, "menu")) return false;
      block_ = Block::Menu;
      id_ = t[1].number;
      depth_ = 0;
      into_.menus[id_].clear();
      return true;
    }
    if (Matches(t, "wnt", "DIALOG")) {
      if (!Once(dialogs_, t[1].number, "dialog")) return false;
      block_ = Block::Dialog;
      id_ = t[1].number;
      dialogControls_.clear();
      into_.dialogs[id_] = ScriptDialog{t[2].text, {}};
      return true;
    }
    if (Matches(t, "wn", "ACCELERATORS")) {
      if (!Once(acceleratorTables_, t[1].number, "accelerator table")) return false;
      block_ = Block::Accelerators;
      id_ = t[1].number;
      into_.accelerators[id_].clear();
      return true;
    }
    return Fail("expected STRINGS, MENU id, DIALOG id \"title\" or ACCELERATORS id");
  }

  bool MenuLine(const std::vector<Token>& t) {
    std::vector<ScriptMenuItem>& items = into_.menus[id_];
    if (Matches(t, "w", "END")) {
      if (depth_ == 0) {
        if (items.empty()) return Fail("menu " + std::to_string(id_) + " is empty");
        return Close();
      }
      if (items.back().kind == kMenuPopup && items.back().depth == depth_ - 1)
        return Fail("an empty pop-up");
      --depth_;
      return true;
    }
    ScriptMenuItem item;
    item.depth = depth_;
    if (Matches(t, "wnt", "ITEM")) {
      if (t[2].text.empty()) return Fail("an item without text");
      item.kind = kMenuItem;
      item.command = t[1].number;
      item.text = t[2].text;
    } else if (Matches(t, "w", "SEPARATOR")) {
      item.kind = kMenuSeparator;
    } else if (Matches(t, "wt", "POPUP")) {
      if (t[1].text.empty()) return Fail("a pop-up without text");
      item.kind = kMenuPopup;
      item.text = t[1].text;
      ++depth_;
    } else {
      return Fail("expected ITEM command \"text\", SEPARATOR, POPUP \"text\" or END");
    }
    items.push_back(std::move(item));
    return true;
  }

  bool Close() {
    block_ = Block::None;
    return true;
  }

  std::string_view fileName_;
  ResourceScript& into_;
  std::string error_;
  std::size_t lineNumber_ = 0;
  Block block_ = Block::None;
  std::uint32_t id_ = 0;
  std::uint32_t depth_ = 0;
  std::set<std::uint32_t> strings_, menus_, dialogs_, acceleratorTables_, dialogControls_;
};

}  // namespace

std::string ReadResourceScript(std::string_view text, std::string_view fileName,
                               ResourceScript& into) {
  // A byte-order mark in front of the first line is no part of it.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Reader reader(fileName, into);
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!reader.Line(++number, line)) return reader.error();
  }
  if (!reader.Finish()) return reader.error();
  return {};
}

bool IsPortableKeyText(std::u16string_view keys) {
  static const std::u16string_view kModifiers[] = {u"Ctrl", u"Shift", u"Alt", u"Meta"};
  static const std::u16string_view kNamedKeys[] = {
      u"Backspace", u"Del",  u"Ins",   u"Home", u"End", u"PgUp",   u"PgDown", u"Up",
      u"Down",      u"Left", u"Right", u"Tab",  u"Esc", u"Return", u"Enter",  u"Space"};
  std::vector<std::u16string_view> parts;
  while (true) {
    const std::size_t plus = keys.find(u'+');
    parts.push_back(keys.substr(0, plus));
    if (plus == std::u16string_view::npos) break;
    keys.remove_prefix(plus + 1);
  }
  const std::u16string_view key = parts.back();
  parts.pop_back();
  std::set<std::u16string_view> modifiers;
  for (std::u16string_view modifier : parts) {
    bool known = false;
    for (std::u16string_view name : kModifiers) known = known || modifier == name;
    if (!known || !modifiers.insert(modifier).second) return false;
  }
  if (key.size() == 1)
    return (key[0] >= u'A' && key[0] <= u'Z') || (key[0] >= u'0' && key[0] <= u'9');
  if (key.size() >= 2 && key.size() <= 3 && key[0] == u'F') {
    int number = 0;
    for (char16_t c : key.substr(1)) {
      if (c < u'0' || c > u'9') return false;
      number = number * 10 + (c - u'0');
    }
    return number >= 1 && number <= 24 && key[1] != u'0';
  }
  for (std::u16string_view name : kNamedKeys) {
    if (key == name) return true;
  }
  return false;
}

}  // namespace tessera::rescomp
