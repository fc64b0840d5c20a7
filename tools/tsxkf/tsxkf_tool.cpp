#include "tools/tsxkf/tsxkf_tool.h"

#include <new>

#include "platform/files.h"
#include "tools/tsxkf/detection.h"
#include "tools/tsxkf/kanji_convert.h"
#include "tools/tsxkf/tsxkf_options.h"

namespace tessera::tools {

namespace {

constexpr std::u16string_view kMessages[] = {
    u"",
    u"***** Error\n指定された入力ファイルは存在しません： ",
    u"***** Error\n入力ファイルにディレクトリが指定されています：",
    u"***** Error\nメモリー不足が発生しました。",
    u"***** Error\nファイルにアクセスできません： ",
    u"下記出力ファイルは既に存在します。上書きしますか？\n\n",
    u"***** Error\n同名のフォルダが既に存在するため、出力ファイルを作成できません： ",
    u"出力ファイルは読み取り専用です。読み取り専用属性を解除して上書きしますか？\n\n",
    u"***** Error\nファイル属性の変更でエラーが発生しました： ",
    u"***** Error\n/I の指定に誤りがあります。/I "
    u"の後ろに指定できるキーワードを以下に示します：\n\nSJIS  JIS  EUC  UNICODE  UTF8",
    u"***** Error\n/O の指定に誤りがあります。/O "
    u"の後ろに指定できるキーワードを以下に示します：\n\nSJIS JIS EUC UNICODE UTF8 UTF8N",
    u"***** Error\n/N の指定に誤りがあります。/N "
    u"の後ろに指定できるキーワードを以下に示します：\n\nCRLF  LF  CR",
    u"***** Error\n出力ファイルのオープンでエラーが発生しました：  ",
    u"***** Error\n出力ファイルの書き込みでエラーが発生しました： ",
};

constexpr std::u16string_view kUsage[] = {
    u"TSXKF [/I SJIS|JIS|EUC|UNIODE|UTF8]",
    u"      [/O SJIS|JIS|EUC|UNIODE|UTF8|UTF8N]",
    u"      [/N CRLF|CR|LF] [filename]",
    u"      InputFile  [OutputFile]",
    u"",
    u" /I     入力ファイルの文字コード",
    u" /O     出力ファイルの文字コード",
    u" /N     出力ファイルの改行コード",
    u" InputFile   入力ファイル名",
    u" OutputFile  出力ファイル名",
};

int Fail(ToolOutput& out, int id, std::u16string_view path = {}) {
  out.WriteLine(std::u16string(TsxkfMessage(id)) + std::u16string(path));
  (void)out.Flush();
  return 1;
}

Encoding EffectiveInput(std::string_view data, Encoding requested) {
  Encoding code = requested == kDetect ? DetectEncoding(data) : requested;
  return code == kAscii || code == kUnknown ? kSjis : code;
}

// Asks the two questions about an existing output file; false when the run
// ends (a No, or a message already printed).
bool PrepareOutputFile(const std::u16string& path, const TsxkfQuestion& ask, ToolOutput& out,
                       int& exitCode) {
  auto info = platform::GetFileInfo(path);
  if (!info) return true;  // a new file
  exitCode = 1;
  if (info->attributes & platform::kAttrDirectory) {
    Fail(out, 6, path);
    return false;
  }
  if (ask(std::u16string(TsxkfMessage(5)) + path) != platform::QuestionAnswer::Yes) return false;
  if (info->attributes & platform::kAttrReadOnly) {
    if (ask(std::u16string(TsxkfMessage(7)) + path) != platform::QuestionAnswer::Yes) return false;
    if (!platform::SetFileAttributes(path, info->attributes & ~platform::kAttrReadOnly).ok()) {
      Fail(out, 8, path);
      return false;
    }
  }
  exitCode = 0;
  return true;
}

// The input as SJIS: SJIS itself is used where it lies, anything else is
// converted into `storage`.
std::string_view AsSjis(std::string_view input, Encoding inputCode, std::string& storage) {
  if (inputCode == kSjis || inputCode == kAscii) return input;
  storage = ToSjis(input, inputCode);
  return storage;
}

std::u16string TextForStandardOutput(std::string_view input, Encoding inputCode) {
  const LineEnd detected = DetectLineEnd(input);
  std::string storage;
  std::u16string text = SjisToWide(AsSjis(input, inputCode, storage));
  // The stream gives each line the line end of its mode.
  if (detected != kNoLineEnd && detected != kLf) text = ReplaceLineEnds(text, detected, kLf);
  return text;
}

}  // namespace

std::u16string_view TsxkfMessage(int id) {
  if (id < 1 || id > 13) return {};
  return kMessages[id];
}

std::string ConvertForFile(std::string_view input, Encoding inputCode, Encoding output,
                           LineEnd lineEnd) {
  const LineEnd detected = DetectLineEnd(input);
  std::string storage;
  const std::string_view sjis = AsSjis(input, inputCode, storage);
  const bool replace = detected != lineEnd && lineEnd != kNoLineEnd;
  if (output == kUnicode) {
    std::u16string wide = SjisToWide(sjis);
    if (replace) wide = ReplaceLineEnds(wide, detected, lineEnd);
    std::string bytes(2 + wide.size() * 2, '\0');
    bytes[0] = '\xFF';
    bytes[1] = '\xFE';
    for (std::size_t i = 0; i < wide.size(); ++i) {
      bytes[2 + 2 * i] = static_cast<char>(wide[i] & 0xFF);
      bytes[3 + 2 * i] = static_cast<char>(wide[i] >> 8);
    }
    return bytes;
  }
  std::string bytes;
  switch (output) {
    case kJis:
      bytes = SjisToJisText(sjis);
      break;
    case kEuc:
      bytes = SjisToEucText(sjis);
      break;
    case kUtf8:
    case kUtf8N:
      bytes = SjisToUtf8Text(sjis);
      break;
    default:
      bytes = sjis;
      break;
  }
  if (replace) bytes = ReplaceLineEnds(bytes, detected, lineEnd);
  if (output == kUtf8) bytes.insert(0, "\xEF\xBB\xBF");
  return bytes;
}

int RunTsxkf(const ToolContext& context, const TsxkfQuestion& ask) {
  ToolOutput& out = *context.output;
  TsxkfOptions options = ParseTsxkfCommandLine(context.commandLine, context.directory);
  if (options.errorMessage != 0) return Fail(out, options.errorMessage);
  if (options.usage) {
    for (const auto line : kUsage) out.WriteLine(line);
    (void)out.Flush();
    return 0;
  }

  auto inputInfo = platform::GetFileInfo(options.inputFile);
  if (!inputInfo) return Fail(out, 1, options.inputFile);
  if (inputInfo->attributes & platform::kAttrDirectory) return Fail(out, 2, options.inputFile);
  if (options.outputFile) {
    int exitCode = 0;
    if (!PrepareOutputFile(*options.outputFile, ask, out, exitCode)) return exitCode;
  } else {
    options.output = kSjis;
  }
  if (options.lineEnd == kNoLineEnd) {
    options.lineEnd = options.output == kJis || options.output == kEuc ? kLf : kCrLf;
  }

  try {
    auto input = ReadFileBytes(options.inputFile);
    if (!input) {
      if (input.error() == platform::ErrorCode::OutOfMemory) return Fail(out, 3);
      return Fail(out, 4, options.inputFile);
    }
    const Encoding inputCode = EffectiveInput(*input, options.input);
    if (!options.outputFile) {
      out.WriteLine(TextForStandardOutput(*input, inputCode));
      (void)out.Flush();
      return 0;
    }
    const std::string bytes = ConvertForFile(*input, inputCode, options.output, options.lineEnd);
    input->clear();
    auto file = platform::File::Open(*options.outputFile, platform::OpenMode::CreateAlways);
    if (!file) return Fail(out, 12, *options.outputFile);
    if (!file->Write(bytes.data(), bytes.size()).ok() || !file->Close().ok()) {
      return Fail(out, 13, *options.outputFile);
    }
  } catch (const std::bad_alloc&) {
    return Fail(out, 3);
  }
  return 0;
}

}  // namespace tessera::tools
