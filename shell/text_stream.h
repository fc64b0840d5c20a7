// A text file read a block at a time and cut into the lines ReadTextLines
// would give, in the encoding it would choose. Memory stays bounded whatever
// the size of the file or of its lines: a line comes in parts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "shell/result_codes.h"

namespace tessera {

namespace platform {
class MultiByteDecoder;
}

class TextLineStream {
 public:
  TextLineStream();
  ~TextLineStream();
  TextLineStream(const TextLineStream&) = delete;
  TextLineStream& operator=(const TextLineStream&) = delete;

  // A part of a line; the line goes on in the next part unless endsLine.
  // The text is valid until the next call.
  struct Part {
    std::u16string_view text;
    bool endsLine = false;
  };

  // Opens the file and chooses its encoding (kTextAnsi, kTextUtf16, or 0 to
  // detect it, which reads the file through once). With endAtNul the text
  // ends at its first NUL character, which ends the last line. kFileError
  // when the file cannot be opened or read.
  ResultCode Open(std::u16string_view path, std::uint32_t flags, bool endAtNul = false);
  // The next part; false after the last line. A read failure ends the text.
  bool Next(Part& part);
  // Starts again from the first line.
  ResultCode Rewind();

 private:
  enum class Encoding { Ansi, Utf16, Utf16Unmarked };
  // Decodes the next block onto the text; at the end of the file, marks it.
  void Fill();
  void DecodeUtf16(std::string_view bytes, bool last);
  void Restart();

  platform::File file_;
  Encoding encoding_ = Encoding::Ansi;
  std::unique_ptr<platform::MultiByteDecoder> decoder_;
  std::vector<char> block_;
  bool inMemory_ = false;  // the file cannot seek: its bytes are held whole
  std::string whole_;
  std::size_t wholeAt_ = 0;
  std::u16string text_;  // decoded; handed out up to at_
  std::size_t at_ = 0;
  bool atStart_ = true;  // a byte-order mark may still come
  std::string oddByte_;  // UTF-16: a byte waiting for its partner
  bool endOfFile_ = false;
  bool finished_ = false;  // the last line has been handed out
  bool endAtNul_ = false;
};

}  // namespace tessera
