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

// The code page of multibyte files the tool opens itself: the device's ANSI
// code page when the shell started it (it passes stream modes), else UTF-8.
int ToolCodePage();

// Bytes read in text mode: decoded from the code page, every CR LF read as
// LF.
std::u16string DecodeTextBytes(std::string_view bytes, int codePage);
// Bytes read in binary mode: little-endian UTF-16 (an odd last byte is lost).
std::u16string DecodeUtf16Le(std::string_view bytes);
// Standard input as its mode says.
std::u16string DecodeStreamBytes(std::string_view bytes, StreamMode mode);

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
