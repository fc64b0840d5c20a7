#include "shell/text_stream.h"

#include <algorithm>
#include <cstring>

#include "platform/codepage.h"
#include "platform/multibyte_decoder.h"
#include "shell/text_lines.h"

namespace tessera {

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr char16_t kUndecodable = 0x30FB;

// The encoding ReadTextLines would choose without a flag: UTF-16 when the
// file starts with FF FE or holds a zero byte anywhere.
platform::Result<bool> LooksLikeUtf16(platform::File& file, std::vector<char>& block) {
  std::size_t seen = 0;
  char first[2] = {1, 1};
  for (;;) {
    auto n = file.Read(block.data(), block.size());
    if (!n) return n.error();
    if (*n == 0) break;
    for (std::size_t i = 0; i < *n && seen + i < 2; ++i) first[seen + i] = block[i];
    seen += *n;
    if (seen >= 2 && first[0] == '\xFF' && first[1] == '\xFE') return true;
    if (std::memchr(block.data(), 0, *n) != nullptr) return true;
  }
  return false;
}

}  // namespace

TextLineStream::TextLineStream() : block_(kBlockSize) {}
TextLineStream::~TextLineStream() = default;

ResultCode TextLineStream::Open(std::u16string_view path, std::uint32_t flags, bool endAtNul) {
  endAtNul_ = endAtNul;
  auto file = platform::File::Open(path, platform::OpenMode::Read);
  if (!file) return kFileError;
  file_ = std::move(*file);
  // What cannot be read twice (a pipe, a device) is read whole, as before.
  inMemory_ = !file_.SeekTo(0);
  whole_.clear();
  if (inMemory_) {
    for (;;) {
      auto n = file_.Read(block_.data(), block_.size());
      if (!n) return kFileError;
      if (*n == 0) break;
      whole_.append(block_.data(), *n);
    }
  }
  if (flags & kTextUtf16) {
    encoding_ = Encoding::Utf16;
  } else if (flags & kTextAnsi) {
    encoding_ = Encoding::Ansi;
  } else if (inMemory_) {
    const bool marked = whole_.size() >= 2 && whole_[0] == '\xFF' && whole_[1] == '\xFE';
    encoding_ = marked || whole_.find('\0') != std::string::npos ? Encoding::Utf16 : Encoding::Ansi;
  } else {
    auto utf16 = LooksLikeUtf16(file_, block_);
    if (!utf16) return kFileError;
    encoding_ = *utf16 ? Encoding::Utf16 : Encoding::Ansi;
    if (!file_.SeekTo(0)) return kFileError;
  }
  // An ANSI code page that is UTF-16 itself reads like UTF-16 without the
  // mark being skipped.
  if (encoding_ == Encoding::Ansi && platform::AnsiCodePage() == platform::kCodePageUtf16Le)
    encoding_ = Encoding::Utf16Unmarked;
  Restart();
  return kOk;
}

void TextLineStream::Restart() {
  decoder_.reset();
  if (encoding_ == Encoding::Ansi) {
    decoder_ = std::make_unique<platform::MultiByteDecoder>(platform::AnsiCodePage());
  }
  wholeAt_ = 0;
  text_.clear();
  at_ = 0;
  atStart_ = true;
  oddByte_.clear();
  endOfFile_ = false;
  finished_ = false;
}

ResultCode TextLineStream::Rewind() {
  if (!inMemory_ && !file_.SeekTo(0)) return kFileError;
  Restart();
  return kOk;
}

void TextLineStream::DecodeUtf16(std::string_view bytes, bool last) {
  std::string joined;
  if (!oddByte_.empty()) {
    joined = oddByte_ + std::string(bytes);
    oddByte_.clear();
    bytes = joined;
  }
  const std::size_t whole = bytes.size() & ~std::size_t{1};
  const std::size_t start = text_.size();
  text_.resize(start + whole / 2);
  for (std::size_t i = 0; i < whole; i += 2) {
    text_[start + i / 2] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                                 static_cast<std::uint8_t>(bytes[i + 1]) << 8);
  }
  if (whole < bytes.size()) {
    if (!last) {
      oddByte_.assign(1, bytes.back());
    } else if (encoding_ == Encoding::Utf16) {
      // An odd last byte reads as if a zero byte followed it.
      text_ += static_cast<char16_t>(static_cast<std::uint8_t>(bytes.back()));
    } else {
      text_ += kUndecodable;
    }
  }
  if (atStart_ && encoding_ == Encoding::Utf16 && text_.size() > start) {
    if (text_[start] == 0xFEFF) text_.erase(start, 1);
  }
  if (text_.size() > start || last) atStart_ = false;
}

void TextLineStream::Fill() {
  std::string_view bytes;
  if (inMemory_) {
    bytes = std::string_view(whole_).substr(wholeAt_, block_.size());
    wholeAt_ += bytes.size();
  } else {
    auto n = file_.Read(block_.data(), block_.size());
    bytes = std::string_view(block_.data(), n ? *n : 0);
  }
  endOfFile_ = bytes.empty();
  if (encoding_ == Encoding::Ansi) {
    if (decoder_->ok()) decoder_->Decode(bytes, endOfFile_, text_);
  } else {
    DecodeUtf16(bytes, endOfFile_);
  }
}

bool TextLineStream::Next(Part& part) {
  for (;;) {
    if (finished_) return false;
    const std::u16string_view text(text_);
    // The next line end, or the NUL that ends the text; both lie at or
    // below CR, which most characters do not.
    for (std::size_t i = at_; i < text.size(); ++i) {
      const char16_t c = text[i];
      if (c > u'\r') continue;
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
        part = {text.substr(at_, i - at_), true};
        at_ = i + 2;
        return true;
      }
      if (c == u'\0' && endAtNul_) {
        part = {text.substr(at_, i - at_), true};
        finished_ = true;
        return true;
      }
    }
    if (endOfFile_) {
      part = {text.substr(at_), true};
      at_ = text.size();
      finished_ = true;
      return true;
    }
    // What cannot be the start of a line end goes out now; a CR at the end
    // waits to see whether an LF follows.
    const std::size_t held = !text.empty() && text.back() == u'\r' ? 1 : 0;
    if (text.size() > at_ + held) {
      part = {text.substr(at_, text.size() - held - at_), false};
      at_ = text.size() - held;
      return true;
    }
    text_.erase(0, at_);
    at_ = 0;
    Fill();
  }
}

}  // namespace tessera
