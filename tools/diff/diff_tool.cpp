#include "tools/diff/diff_tool.h"

#include <new>
#include <optional>

#include "platform/files.h"
#include "tools/common/file_argument.h"
#include "tools/common/line_reader.h"

namespace tessera::tools {

namespace {

constexpr std::size_t kLineBuffer = 10240;
constexpr std::size_t kProbeBytes = 1024;

constexpr std::u16string_view kUsage[] = {
    u"使用方法:",
    u"  diff [/I] [/U] file1 [/U] file2",
    u"",
    u" /I  空白文字のみの差異なら無視",
    u" /U  Unicodeファイルとして処理",
    u"file1, file2 比較対照のファイル",
};

struct DiffFile {
  std::u16string path;
  bool unicode = false;
  std::u16string text;
};

bool IsDiffBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

std::size_t SkipDiffBlanks(std::u16string_view text, std::size_t pos) {
  while (pos < text.size() && IsDiffBlank(text[pos])) ++pos;
  return pos;
}

bool StartsWithOption(std::u16string_view text, std::size_t pos, char16_t letter) {
  if (pos + 2 > text.size() || text[pos] != u'/') return false;
  const char16_t c = text[pos + 1];
  return c == letter || c == static_cast<char16_t>(letter - u'a' + u'A');
}

std::u16string Number(int value) {
  std::u16string out;
  for (char c : std::to_string(value)) out += static_cast<char16_t>(c);
  return out;
}

void PrintUsage(ToolOutput& out) {
  for (const auto line : kUsage) out.WriteLine(line);
}

// Looks at one named file and reads it; prints why when it cannot.
bool OpenDiffFile(DiffFile& file, int number, bool forcedUnicode, int codePage, ToolOutput& out) {
  auto info = platform::GetFileInfo(file.path);
  if (!info) {
    out.Write(u"指定のファイルが存在しません：" + file.path + u"\n");
    return false;
  }
  if (info->attributes & platform::kAttrDirectory) {
    out.Write(u"file" + Number(number) + u" に指定されているのはフォルダです：" + file.path +
              u"\n");
    return false;
  }
  auto bytes = ReadFileBytes(file.path);
  if (!bytes) {
    out.Write(u"ファイルのオープンでエラーが発生しました：" + file.path + u"\n");
    return false;
  }
  file.unicode = forcedUnicode || LooksLikeUnicode(std::string_view(*bytes).substr(0, kProbeBytes));
  if (file.unicode) {
    file.text = std::u16string(SkipByteOrderMark(DecodeUtf16Le(*bytes)));
    return true;
  }
  DecodedText decoded = DecodeMultiByteText(*bytes, codePage);
  if (!decoded.ok()) {
    out.WriteLine(UndecodableTextMessage(file.path, decoded));
    return false;
  }
  file.text = std::move(decoded.text);
  return true;
}

void PrintBanner(const DiffFile& a, const DiffFile& b, ToolOutput& out) {
  if (a.unicode == b.unicode) return;
  out.WriteLine(a.unicode ? u"< [Unicode]" : u"< [シフトJIS]");
  out.WriteLine(b.unicode ? u"> [Unicode]" : u"> [シフトJIS]");
  out.WriteLine(u"--------------");
}

void Compare(DiffFile& fileA, DiffFile& fileB, bool ignoreBlanks, ToolOutput& out) {
  std::vector<DiffLine> a;
  std::vector<DiffLine> b;
  try {
    a = SplitDiffLines(fileA.text);
    b = SplitDiffLines(fileB.text);
  } catch (const std::bad_alloc&) {
    out.WriteLine(u"メモリー不足が発生しました。");
    return;
  }
  PrintBanner(fileA, fileB, out);
  CompareDiffLines(a, b, ignoreBlanks);
  PrintDiffRegions(a, b, out);
}

}  // namespace

bool LooksLikeUnicode(std::string_view bytes) {
  if (bytes.size() >= 2) {
    const auto first = static_cast<unsigned char>(bytes[0]);
    const auto second = static_cast<unsigned char>(bytes[1]);
    if ((first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF)) return true;
  }
  return bytes.find('\0') != std::string_view::npos;
}

std::vector<DiffLine> SplitDiffLines(std::u16string_view text) {
  std::vector<DiffLine> lines;
  LineReader reader(text, kLineBuffer);
  std::u16string_view line;
  while (reader.Next(line)) {
    if (line.size() >= 2 && line.substr(line.size() - 2) == u"\r\n") {
      line.remove_suffix(2);
    } else if (!line.empty() && line.back() == u'\n') {
      line.remove_suffix(1);
    }
    DiffLine entry;
    entry.text = line;
    lines.push_back(entry);
  }
  return lines;
}

int RunDiff(const ToolContext& context) {
  ToolOutput& out = *context.output;
  const std::u16string_view text = context.commandLine;
  std::size_t pos = SkipDiffBlanks(text, 0);
  if (pos == text.size()) {
    PrintUsage(out);
    (void)out.Flush();
    return 1;
  }
  bool ignoreBlanks = false;
  if (StartsWithOption(text, pos, u'i')) {
    ignoreBlanks = true;
    pos = SkipDiffBlanks(text, pos + 2);
  }
  DiffFile files[2];
  bool opened[2] = {false, false};
  for (int n = 0; n < 2; ++n) {
    const int number = n + 1;
    if (pos >= text.size()) {
      out.Write(u"file" + Number(number) + u" を指定してください\n\n");
      PrintUsage(out);
      (void)out.Flush();
      return 0;
    }
    bool unicode = false;
    if (StartsWithOption(text, pos, u'u')) {
      unicode = true;
      pos = SkipBlanks(text, pos + 2);
    }
    FileArgument argument = ReadFileArgument(text, pos, NameEnd::FirstBlank, context.directory);
    if (argument.path.empty()) {
      out.Write(u"file" + Number(number) + u" の指定に誤りがあります。\n\n");
      PrintUsage(out);
      (void)out.Flush();
      return 0;
    }
    pos = SkipDiffBlanks(text, argument.end);
    files[n].path = std::move(argument.path);
    opened[n] = OpenDiffFile(files[n], number, unicode, context.fileCodePage, out);
  }
  if (opened[0] && opened[1]) Compare(files[0], files[1], ignoreBlanks, out);
  (void)out.Flush();
  return 0;
}

}  // namespace tessera::tools
