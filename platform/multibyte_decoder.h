// Decoding multibyte text that arrives in pieces (a file read block by
// block) into UTF-16, with the same result as decoding it whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessera::platform {

class MultiByteDecoder {
 public:
  // A decoder of its own for the code page; ok() is false for a code page
  // the system cannot convert.
  explicit MultiByteDecoder(int codePage);
  MultiByteDecoder(const MultiByteDecoder&) = delete;
  MultiByteDecoder& operator=(const MultiByteDecoder&) = delete;
  ~MultiByteDecoder();

  bool ok() const { return converter_ != nullptr; }
  // Appends the text of the bytes to out. Bytes that do not decode become
  // U+30FB, one for each byte skipped. A character cut off by the end of
  // the piece waits for the next piece; when last is set, no piece follows
  // and such a character becomes one U+30FB.
  void Decode(std::string_view bytes, bool last, std::u16string& out);

 private:
  friend bool DecodeWhole(std::string_view bytes, int codePage, std::u16string& out);
  // A decoder that uses a converter kept by someone else.
  MultiByteDecoder(int codePage, void* sharedConverter);

  void DecodeWithTable(std::string_view bytes, bool last, std::u16string& out);
  void DecodeWithConverter(std::string_view bytes, bool last, std::u16string& out);

  void* converter_ = nullptr;  // iconv_t
  bool ownsConverter_ = true;
  // Shift_JIS goes through a table of the characters met so far, filled
  // from the converter; anything the table cannot say goes to the converter.
  bool useTable_ = false;
  std::string pending_;  // the start of a character cut off by the last piece
};

// The whole text at once, through the converter this thread keeps open for
// the code page; false for a code page the system cannot convert.
bool DecodeWhole(std::string_view bytes, int codePage, std::u16string& out);

}  // namespace tessera::platform
