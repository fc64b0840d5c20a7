#include "terminal/line_editor.h"

#include <algorithm>

#include "platform/terminal.h"
#include "platform/termination.h"
#include "platform/text.h"
#include "shell/function_keys.h"

namespace tessera::terminal {

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

Key FunctionKey(int number) {
  Key key;
  key.kind = Key::Function;
  key.number = number;
  return key;
}

Key Simple(Key::Kind kind) {
  Key key;
  key.kind = kind;
  return key;
}

// Decodes ESC [ ... and ESC O ... sequences; none while incomplete.
std::optional<Key> DecodeEscape(std::string& bytes) {
  if (bytes.size() < 2) return std::nullopt;
  const char kind = bytes[1];
  if (kind == 'O') {
    if (bytes.size() < 3) return std::nullopt;
    const char c = bytes[2];
    bytes.erase(0, 3);
    switch (c) {
      case 'P':
        return FunctionKey(1);
      case 'Q':
        return FunctionKey(2);
      case 'R':
        return FunctionKey(3);
      case 'S':
        return FunctionKey(4);
      case 'H':
        return Simple(Key::Home);
      case 'F':
        return Simple(Key::End);
      default:
        return Simple(Key::Other);
    }
  }
  if (kind != '[') {
    bytes.erase(0, 1);
    return Simple(Key::Other);
  }
  std::size_t end = 2;
  while (end < bytes.size() && !(bytes[end] >= 0x40 && bytes[end] <= 0x7E)) ++end;
  if (end >= bytes.size()) return std::nullopt;
  const std::string params = bytes.substr(2, end - 2);
  const char final = bytes[end];
  bytes.erase(0, end + 1);
  switch (final) {
    case 'A':
      return Simple(Key::Up);
    case 'B':
      return Simple(Key::Down);
    case 'C':
      return Simple(Key::Right);
    case 'D':
      return Simple(Key::Left);
    case 'H':
      return Simple(Key::Home);
    case 'F':
      return Simple(Key::End);
    case '~': {
      const int code = std::atoi(params.c_str());
      switch (code) {
        case 1:
        case 7:
          return Simple(Key::Home);
        case 4:
        case 8:
          return Simple(Key::End);
        case 3:
          return Simple(Key::Delete);
        case 11:
          return FunctionKey(1);
        case 12:
          return FunctionKey(2);
        case 13:
          return FunctionKey(3);
        case 14:
          return FunctionKey(4);
        case 15:
          return FunctionKey(5);
        case 17:
          return FunctionKey(6);
        case 18:
          return FunctionKey(7);
        case 19:
          return FunctionKey(8);
        case 20:
          return FunctionKey(9);
        case 21:
          return FunctionKey(10);
        default:
          return Simple(Key::Other);
      }
    }
    default:
      return Simple(Key::Other);
  }
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
         (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Calls visit with the column width of each character of text.
template <typename Visit>
void ForEachWidth(std::u16string_view text, Visit visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    visit(std::size_t{IsWide(c) ? 2u : 1u});
  }
}

std::string Csi(std::size_t count, char command) {
  return "\x1b[" + std::to_string(count) + command;
}

}  // namespace

std::size_t DisplayWidth(std::u16string_view text) {
  std::size_t width = 0;
  ForEachWidth(text, [&](std::size_t w) { width += w; });
  return width;
}

ScreenPlace PlaceAfter(std::u16string_view text, std::size_t columns) {
  columns = std::max<std::size_t>(columns, 1);
  ScreenPlace place;
  ForEachWidth(text, [&](std::size_t w) {
    if (place.column + w > columns && place.column > 0) {
      ++place.row;
      place.column = 0;
    }
    place.column += w;
  });
  return place;
}

std::string RedrawBytes(std::u16string_view prompt, std::u16string_view text, std::size_t cursor,
                        std::size_t columns, std::size_t& cursorRow) {
  columns = std::max<std::size_t>(columns, 1);
  // Back to where the prompt begins, everything below cleared, all written
  // again.
  std::string out;
  if (cursorRow > 0) out += Csi(cursorRow, 'A');
  out += "\r\x1b[J";
  platform::AppendUtf8(out, prompt);
  platform::AppendUtf8(out, text);
  std::u16string whole(prompt);
  whole += text.substr(0, cursor);
  const std::size_t cursorUnits = whole.size();
  whole += text.substr(cursor);
  ScreenPlace end = PlaceAfter(whole, columns);
  // A line that fills its last row exactly: the cursor is taken to the next
  // row, where the terminal would put what comes next anyway.
  if (end.column == columns) {
    out += "\r\n";
    ++end.row;
    end.column = 0;
  }
  ScreenPlace at = PlaceAfter(std::u16string_view(whole).substr(0, cursorUnits), columns);
  if (at.column == columns) {
    ++at.row;
    at.column = 0;
  }
  if (end.row > at.row) out += Csi(end.row - at.row, 'A');
  out += '\r';
  if (at.column > 0) out += Csi(at.column, 'C');
  cursorRow = at.row;
  return out;
}

std::optional<Key> DecodeKey(std::string& bytes) {
  if (bytes.empty()) return std::nullopt;
  const unsigned char b = static_cast<unsigned char>(bytes[0]);
  if (b == 0x1B) return DecodeEscape(bytes);
  if (b == '\r' || b == '\n') {
    bytes.erase(0, 1);
    return Simple(Key::Enter);
  }
  if (b == 0x7F || b == 0x08) {
    bytes.erase(0, 1);
    return Simple(Key::Backspace);
  }
  if (b == 0x04) {
    bytes.erase(0, 1);
    return Simple(Key::EndOfInput);
  }
  if (b == 0x03) {
    bytes.erase(0, 1);
    return Simple(Key::Interrupt);
  }
  // Ctrl+A, E, B, F, P, N, U, K, W and L as a terminal user's fingers
  // expect them from the shells they know.
  struct ControlKey {
    unsigned char byte;
    Key::Kind kind;
  };
  static constexpr ControlKey kControlKeys[] = {
      {0x01, Key::Home},        {0x05, Key::End},       {0x02, Key::Left},
      {0x06, Key::Right},       {0x10, Key::Up},        {0x0E, Key::Down},
      {0x15, Key::KillToStart}, {0x0B, Key::KillToEnd}, {0x17, Key::KillWordBefore},
      {0x0C, Key::ClearScreen},
  };
  for (const ControlKey& control : kControlKeys) {
    if (b == control.byte) {
      bytes.erase(0, 1);
      return Simple(control.kind);
    }
  }
  if (b < 0x20) {
    bytes.erase(0, 1);
    return Simple(Key::Other);
  }
  // A byte that cannot start or continue a character is refused alone, so
  // that a good character after it is still typed.
  const platform::Utf8Front front = platform::Utf8CharacterAtFront(bytes);
  if (front.incomplete) return std::nullopt;
  if (front.length == 0) {
    bytes.erase(0, 1);
    return Simple(Key::NotText);
  }
  Key key;
  key.kind = Key::Text;
  key.text = platform::Utf8ToUtf16(std::string_view(bytes).substr(0, front.length));
  bytes.erase(0, front.length);
  return key;
}

void EditBuffer::Left() {
  if (cursor_ == 0) return;
  --cursor_;
  if (cursor_ > 0 && IsLowSurrogate(text_[cursor_]) && IsHighSurrogate(text_[cursor_ - 1])) {
    --cursor_;
  }
}

void EditBuffer::Right() {
  if (cursor_ >= text_.size()) return;
  ++cursor_;
  if (cursor_ < text_.size() && IsLowSurrogate(text_[cursor_]) &&
      IsHighSurrogate(text_[cursor_ - 1])) {
    ++cursor_;
  }
}

void EditBuffer::Insert(std::u16string_view text) {
  text_.insert(cursor_, text);
  cursor_ += text.size();
}

void EditBuffer::Backspace() {
  const std::size_t end = cursor_;
  Left();
  text_.erase(cursor_, end - cursor_);
}

void EditBuffer::Delete() {
  const std::size_t start = cursor_;
  Right();
  text_.erase(start, cursor_ - start);
  cursor_ = start;
}

void EditBuffer::KillToStart() {
  text_.erase(0, cursor_);
  cursor_ = 0;
}

void EditBuffer::KillToEnd() { text_.erase(cursor_); }

void EditBuffer::KillWordBefore() {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  std::size_t start = cursor_;
  while (start > 0 && blank(text_[start - 1])) --start;
  while (start > 0 && !blank(text_[start - 1])) --start;
  text_.erase(start, cursor_ - start);
  cursor_ = start;
}

void EditBuffer::Replace(std::u16string_view text) {
  text_ = std::u16string(text);
  cursor_ = text_.size();
}

LineEditor::LineEditor(int inputFd, int outputFd, CommandHistory& history)
    : inputFd_(inputFd), outputFd_(outputFd), history_(history) {}

void LineEditor::Redraw(const std::u16string& prompt, const EditBuffer& buffer) {
  const auto columns = static_cast<std::size_t>(platform::TerminalColumns(outputFd_));
  platform::WriteAll(outputFd_,
                     RedrawBytes(prompt, buffer.text(), buffer.cursor(), columns, cursorRow_));
}

void LineEditor::Finish(const std::u16string& prompt, const EditBuffer& buffer,
                        std::string_view after) {
  EditBuffer atEnd = buffer;
  atEnd.End();
  Redraw(prompt, atEnd);
  platform::WriteAll(outputFd_, after);
  cursorRow_ = 0;
}

bool LineEditor::TypeCommand(std::u16string_view command, EditBuffer& buffer) {
  const std::size_t enter = command.find(kFunctionKeyEnter);
  buffer.Insert(command.substr(0, enter));
  if (enter == std::u16string_view::npos) return false;
  queued_ = std::u16string(command.substr(enter + kFunctionKeyEnter.size()));
  return true;
}

std::optional<std::u16string> LineEditor::ReadLine(const std::u16string& prompt) {
  platform::RawMode raw(inputFd_);
  EditBuffer buffer;
  long historyCursor = -1;
  // The prompt is on the screen already, from the start of a row.
  cursorRow_ =
      PlaceAfter(prompt, static_cast<std::size_t>(platform::TerminalColumns(outputFd_))).row;
  // The rest of a function key's command after its first Enter.
  if (!queued_.empty()) {
    const std::u16string queued = std::move(queued_);
    queued_.clear();
    const bool entered = TypeCommand(queued, buffer);
    if (entered) {
      Finish(prompt, buffer, "\r\n");
      return buffer.text();
    }
    Redraw(prompt, buffer);
  }
  for (;;) {
    std::optional<Key> key = DecodeKey(pending_);
    if (!key) {
      const std::optional<std::string> bytes = platform::ReadSome(inputFd_);
      if (!bytes)
        return buffer.text().empty() ? std::nullopt : std::optional<std::u16string>(buffer.text());
      // Asked to end (SIGTERM, SIGHUP): the line being typed is dropped.
      if (bytes->empty() && platform::TerminationSignal() != 0) return std::nullopt;
      if (bytes->empty() && platform::TakeInterrupt()) {
        key = Simple(Key::Interrupt);
      } else {
        pending_ += *bytes;
        continue;
      }
    }
    switch (key->kind) {
      case Key::Text:
        buffer.Insert(key->text);
        break;
      case Key::NotText:
        platform::WriteAll(outputFd_, "\a");
        break;
      case Key::Enter:
        Finish(prompt, buffer, "\r\n");
        return buffer.text();
      case Key::Backspace:
        buffer.Backspace();
        break;
      case Key::Delete:
        buffer.Delete();
        break;
      case Key::Left:
        buffer.Left();
        break;
      case Key::Right:
        buffer.Right();
        break;
      case Key::Home:
        buffer.Home();
        break;
      case Key::End:
        buffer.End();
        break;
      case Key::KillToStart:
        buffer.KillToStart();
        break;
      case Key::KillToEnd:
        buffer.KillToEnd();
        break;
      case Key::KillWordBefore:
        buffer.KillWordBefore();
        break;
      case Key::ClearScreen:
        // The prompt and the line are drawn again at the top.
        platform::WriteAll(outputFd_, "\x1b[H\x1b[2J");
        cursorRow_ = 0;
        break;
      case Key::Up:
      case Key::Down: {
        const long next = historyCursor + (key->kind == Key::Up ? 1 : -1);
        if (next >= 0 && static_cast<std::size_t>(next) < history_.size()) {
          historyCursor = next;
          buffer.Replace(history_.at(static_cast<std::size_t>(next)));
        } else {
          platform::WriteAll(outputFd_, "\a");
        }
        break;
      }
      case Key::Function:
        if (TypeCommand(ReadFunctionKey(key->number).command, buffer)) {
          Finish(prompt, buffer, "\r\n");
          return buffer.text();
        }
        break;
      case Key::Interrupt:
        Finish(prompt, buffer, "^C\r\n");
        return std::u16string();
      case Key::EndOfInput:
        if (buffer.text().empty()) {
          Finish(prompt, buffer, "\r\n");
          return std::nullopt;
        }
        buffer.Delete();
        break;
      case Key::Other:
        break;
    }
    Redraw(prompt, buffer);
  }
}

}  // namespace tessera::terminal
