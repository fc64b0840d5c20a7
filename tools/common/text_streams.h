// How a tool's text meets bytes: the stream modes the shell hands down,
// decoding input, and wide-character output to standard output.
#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"

namespace tessera::tools {

// text: the ANSI code page with CR LF line ends; binary: UTF-16LE as it
// stands; Utf8 (no mode given, started outside the shell): UTF-8 with LF.
enum class StreamMode { Utf8, Text, Binary };

// The mode named by a TESSERA_*_MODE value ("text", "binary"); Utf8 when the
// value is missing or unknown.
StreamMode ParseStreamMode(const char* value);
StreamMode StreamModeFromEnvironment(const char* variable);

// Multibyte text of a tool started outside the shell: read as UTF-8 when
// its bytes are valid UTF-8, else in the device's ANSI code page (932 unless
// TESSERA_ACP names another), and refused when that cannot read it either.
inline constexpr int kCodePageUtf8OrAnsi = -1;

// The code page of multibyte text the tool reads (files it opens itself and
// standard input without a mode): the device's ANSI code page when the shell
// started it (it passes stream modes), else kCodePageUtf8OrAnsi.
int ToolCodePage();

// Multibyte text decoded, every CR LF read as LF.
struct DecodedText {
  std::u16string text;
  int codePage = 0;  // the code page the bytes were read in
  // With kCodePageUtf8OrAnsi, the index of the first byte that neither
  // reading accepts; the text is then not to be used. npos otherwise.
  std::size_t undecodable = std::string_view::npos;
  bool ok() const { return undecodable == std::string_view::npos; }
};
DecodedText DecodeMultiByteText(std::string_view bytes, int codePage);

// The text of DecodeMultiByteText (undecodable bytes as the code page
// replaces them).
std::u16string DecodeTextBytes(std::string_view bytes, int codePage);

// The line that tells why text could not be read; `source` names the file
// or standard input.
std::u16string UndecodableTextMessage(std::u16string_view source, const DecodedText& decoded);
inline constexpr std::u16string_view kStandardInputName = u"標準入力";
// Bytes read in binary mode: little-endian UTF-16 (an odd last byte is lost).
std::u16string DecodeUtf16Le(std::string_view bytes);
// Standard input as its mode says (Utf8: UTF-8 or the ANSI code page, as
// kCodePageUtf8OrAnsi reads it).
DecodedText DecodeStreamBytes(std::string_view bytes, StreamMode mode);

// Drops a leading U+FEFF or U+FFFE.
std::u16string_view SkipByteOrderMark(std::u16string_view text);

// Where a tool's text goes. Text is written with '\n' line ends.
class ToolOutput {
 public:
  virtual ~ToolOutput() = default;
  virtual void Write(std::u16string_view text) = 0;
  void WriteLine(std::u16string_view text) {
    Write(text);
    Write(u"\n");
  }
  // Everything written so far has reached its target; the first failure.
  virtual platform::Status Flush() = 0;
};

// Collects the text, for tests and for the tools' own units.
class StringOutput : public ToolOutput {
 public:
  void Write(std::u16string_view text) override { text_ += text; }
  platform::Status Flush() override { return platform::Status::Ok(); }
  const std::u16string& text() const { return text_; }

 private:
  std::u16string text_;
};

// Encodes wide text for a stream mode, chunk by chunk: text mode writes LF
// as CR LF (a CR already before it is not doubled) in the ANSI code page.
class StreamEncoder {
 public:
  explicit StreamEncoder(StreamMode mode);
  std::string Encode(std::u16string_view text);
  // Encode onto the end of `bytes`.
  void EncodeInto(std::u16string_view text, std::string& bytes);
  // Bytes held back at a chunk's end (half a surrogate pair).
  std::string Finish();

 private:
  void AppendUnits(std::u16string_view units, std::string& bytes) const;
  void EncodeText(std::u16string_view text, std::string& bytes);
  StreamMode mode_;
  int codePage_;
  bool lastWasCr_ = false;
  std::u16string pending_;
};

// Standard output in the mode of TESSERA_STDOUT_MODE, buffered.
class StandardOutput : public ToolOutput {
 public:
  StandardOutput();
  explicit StandardOutput(StreamMode mode);
  ~StandardOutput() override;
  void Write(std::u16string_view text) override;
  platform::Status Flush() override;

 private:
  void Drain();
  StreamMode mode_;
  StreamEncoder encoder_;
  std::u16string text_;  // text mode: waiting for the code page converter
  std::string bytes_;    // encoded, waiting to be written
  platform::Status status_;
};

}  // namespace tessera::tools
