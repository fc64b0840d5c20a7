#include "tools/common/text_streams.h"

#include <cstring>

#include "platform/codepage.h"
#include "platform/standard_streams.h"
#include "platform/text.h"
#include "tools/common/line_reader.h"

namespace tessera::tools {

namespace {

constexpr std::size_t kOutputChunk = 1 << 16;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::string ToUtf16LeBytes(std::u16string_view text) {
  std::string out(text.size() * 2, '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    out[2 * i] = static_cast<char>(text[i] & 0xFF);
    out[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return out;
}

}  // namespace

StreamMode ParseStreamMode(const char* value) {
  if (value == nullptr) return StreamMode::Utf8;
  if (std::strcmp(value, "text") == 0) return StreamMode::Text;
  if (std::strcmp(value, "binary") == 0) return StreamMode::Binary;
  return StreamMode::Utf8;
}

StreamMode StreamModeFromEnvironment(const char* variable) {
  const auto value = platform::EnvironmentValue(variable);
  return ParseStreamMode(value ? value->c_str() : nullptr);
}

int ToolCodePage() {
  const bool fromShell = platform::EnvironmentValue("TESSERA_STDOUT_MODE").has_value() ||
                         platform::EnvironmentValue("TESSERA_STDIN_MODE").has_value();
  return fromShell ? platform::AnsiCodePage() : kCodePageUtf8OrAnsi;
}

DecodedText DecodeMultiByteText(std::string_view bytes, int codePage) {
  DecodedText decoded;
  std::u16string& text = decoded.text;
  if (codePage == kCodePageUtf8OrAnsi) {
    platform::GuessedText guessed = platform::DecodeUtf8OrAnsi(bytes);
    text = std::move(guessed.text);
    decoded.codePage = guessed.codePage;
    decoded.undecodable = guessed.undecodable;
  } else {
    decoded.codePage = codePage;
    if (codePage == platform::kCodePageUtf8) {
      text = platform::Utf8ToUtf16(bytes);
    } else if (auto wide = platform::MultiByteToWide(bytes, codePage)) {
      text = std::move(*wide);
    } else {
      text = platform::Utf8ToUtf16(bytes);
    }
  }
  // Most text has no CR at all: nothing moves before the first one. Every
  // code page writes CR with a 0x0D byte, so the bytes show it fastest.
  if (bytes.find('\r') == std::string_view::npos) return decoded;
  std::size_t out = FindUnit(text, u'\r');
  if (out == std::u16string::npos) return decoded;
  for (std::size_t i = out; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    text[out++] = text[i];
  }
  text.resize(out);
  return decoded;
}

std::u16string DecodeTextBytes(std::string_view bytes, int codePage) {
  return std::move(DecodeMultiByteText(bytes, codePage).text);
}

std::u16string UndecodableTextMessage(std::u16string_view source, const DecodedText& decoded) {
  const auto number = [](std::size_t value) {
    return platform::Utf8ToUtf16(std::to_string(value));
  };
  std::u16string line = u"文字コードを判別できません。UTF-8 でもコードページ ";
  line += number(static_cast<std::size_t>(decoded.codePage));
  line += u" でも読めないバイトが ";
  line += number(decoded.undecodable);
  line += u" バイト目（先頭を 0 として）にあります：";
  line += source;
  return line;
}

std::u16string DecodeUtf16Le(std::string_view bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return text;
}

DecodedText DecodeStreamBytes(std::string_view bytes, StreamMode mode) {
  switch (mode) {
    case StreamMode::Binary:
      return DecodedText{DecodeUtf16Le(bytes), platform::kCodePageUtf16Le};
    case StreamMode::Text:
      return DecodeMultiByteText(bytes, platform::AnsiCodePage());
    case StreamMode::Utf8:
      break;
  }
  return DecodeMultiByteText(bytes, kCodePageUtf8OrAnsi);
}

std::u16string_view SkipByteOrderMark(std::u16string_view text) {
  if (!text.empty() && (text.front() == 0xFEFF || text.front() == 0xFFFE)) text.remove_prefix(1);
  return text;
}

StreamEncoder::StreamEncoder(StreamMode mode)
    : mode_(mode), codePage_(mode == StreamMode::Text ? platform::AnsiCodePage() : 0) {}

std::string StreamEncoder::Encode(std::u16string_view text) {
  std::string bytes;
  EncodeInto(text, bytes);
  return bytes;
}

void StreamEncoder::EncodeInto(std::u16string_view text, std::string& bytes) {
  if (text.empty()) return;
  if (mode_ == StreamMode::Text) {
    EncodeText(text, bytes);
    return;
  }
  // Only the last unit of a piece may be held back, and only a held-back
  // unit can begin the next one: the text itself is encoded in place.
  if (!pending_.empty()) {
    const char16_t pair[2] = {pending_[0], text[0]};
    pending_.clear();
    const bool completes = text[0] >= 0xDC00 && text[0] <= 0xDFFF;
    AppendUnits(std::u16string_view(pair, completes ? 2 : 1), bytes);
    if (completes) text.remove_prefix(1);
    if (text.empty()) return;
  }
  if (IsHighSurrogate(text.back())) {
    pending_ = text.back();
    text.remove_suffix(1);
  }
  AppendUnits(text, bytes);
}

void StreamEncoder::AppendUnits(std::u16string_view units, std::string& bytes) const {
  if (mode_ == StreamMode::Binary) {
    const std::size_t start = bytes.size();
    bytes.resize(start + units.size() * 2);
    char* out = bytes.data() + start;
    for (char16_t c : units) {
      *out++ = static_cast<char>(c & 0xFF);
      *out++ = static_cast<char>(c >> 8);
    }
  } else {
    platform::AppendUtf8(bytes, units);
  }
}

void StreamEncoder::EncodeText(std::u16string_view text, std::string& bytes) {
  std::u16string chunk = std::move(pending_);
  pending_.clear();
  chunk.reserve(chunk.size() + text.size() + text.size() / 16);
  for (char16_t c : text) {
    if (c == u'\n' && !lastWasCr_) chunk += u'\r';
    chunk += c;
    lastWasCr_ = c == u'\r';
  }
  if (!chunk.empty() && IsHighSurrogate(chunk.back())) {
    pending_ = chunk.back();
    chunk.pop_back();
  }
  auto encoded = platform::WideToMultiByte(chunk, codePage_);
  if (encoded) {
    bytes += *encoded;
  } else {
    platform::AppendUtf8(bytes, chunk);
  }
}

std::string StreamEncoder::Finish() {
  if (pending_.empty()) return {};
  const std::u16string rest = std::move(pending_);
  pending_.clear();
  if (mode_ == StreamMode::Binary) return ToUtf16LeBytes(rest);
  if (mode_ == StreamMode::Text) {
    auto bytes = platform::WideToMultiByte(rest, codePage_);
    if (bytes) return std::move(*bytes);
  }
  return platform::Utf16ToUtf8(rest);
}

StandardOutput::StandardOutput()
    : StandardOutput(StreamModeFromEnvironment("TESSERA_STDOUT_MODE")) {}

StandardOutput::StandardOutput(StreamMode mode) : mode_(mode), encoder_(mode) {}

StandardOutput::~StandardOutput() { (void)Flush(); }

void StandardOutput::Write(std::u16string_view text) {
  // The code page converter works best on big pieces; UTF-8 and UTF-16 are
  // encoded as the text comes.
  if (mode_ == StreamMode::Text) {
    text_.append(text);
    if (text_.size() >= kOutputChunk) Drain();
    return;
  }
  encoder_.EncodeInto(text, bytes_);
  if (bytes_.size() >= kOutputChunk) Drain();
}

void StandardOutput::Drain() {
  if (!text_.empty()) {
    encoder_.EncodeInto(text_, bytes_);
    text_.clear();
  }
  if (status_.ok() && !bytes_.empty()) status_ = platform::WriteStandardOutput(bytes_);
  bytes_.clear();
}

platform::Status StandardOutput::Flush() {
  Drain();
  const std::string rest = encoder_.Finish();
  if (status_.ok() && !rest.empty()) status_ = platform::WriteStandardOutput(rest);
  return status_;
}

}  // namespace tessera::tools
