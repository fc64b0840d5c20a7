#include "shell/message_overrides.h"

#include "platform/device.h"
#include "platform/files.h"
#include "shell/message_catalogue.h"
#include "shell/resources.h"
#include "shell/scanner.h"
#include "shell/text_lines.h"

namespace tessera {

namespace {

// Longest file name a resource may choose, terminator included.
constexpr std::size_t kFileNameBuffer = 260;

std::u16string g_messageFile = u"\\STRRESOURCE.TXT";
std::u16string g_helpFile = u"\\HELPBRIEF.TXT";

// The program's folder with its trailing '\', or empty when unknown.
std::u16string ProgramFolder() { return platform::ProgramDirectory(); }

void ChooseName(std::uint32_t stringId, std::u16string& name) {
  const std::u16string folder = ProgramFolder();
  if (folder.empty()) return;
  std::u16string candidate = LoadResourceString(stringId);
  if (candidate.empty() || candidate.size() >= kFileNameBuffer) return;
  const std::u16string path = folder + candidate;
  if (platform::PathExists(path) && !platform::IsDirectory(path)) name = u"\\" + candidate;
}

}  // namespace

void ChooseProgramFileNames() {
  g_messageFile = u"\\STRRESOURCE.TXT";
  g_helpFile = u"\\HELPBRIEF.TXT";
  ChooseName(kStringMessageFileName, g_messageFile);
  ChooseName(kStringHelpFileName, g_helpFile);
}

const std::u16string& MessageFileName() { return g_messageFile; }
const std::u16string& HelpFileName() { return g_helpFile; }

std::optional<MessageFileLine> ParseMessageFileLine(std::u16string_view line) {
  line = SkipBlanks(line);
  if (line.empty() || line[0] == u'#' || line[0] == u'\'' || line[0] == u':') return std::nullopt;
  const std::size_t wordEnd = WordEnd(line, false);
  MessageFileLine parsed;
  parsed.id = ParseLong(line.substr(0, wordEnd));
  if (wordEnd < line.size()) parsed.text = std::u16string(line.substr(wordEnd + 1));
  // "\n" in a message file stands for a line break (CR LF, same length).
  for (std::size_t i = 0; i + 1 < parsed.text.size(); ++i) {
    if (parsed.text[i] == u'\\' && parsed.text[i + 1] == u'n') {
      parsed.text[i] = u'\r';
      parsed.text[i + 1] = u'\n';
      ++i;
    }
  }
  return parsed;
}

void ApplyMessageOverrideLine(std::u16string_view line) {
  const auto parsed = ParseMessageFileLine(line);
  if (!parsed || parsed->id <= 0) return;
  SetMessageText(static_cast<std::uint32_t>(parsed->id), parsed->text);
}

void LoadMessageOverrides() {
  std::u16string folder = ProgramFolder();
  if (folder.empty()) return;
  // The folder keeps its '\' and the chosen name begins with one.
  if (!folder.empty() && folder.back() == u'\\') folder.pop_back();
  TextLines file;
  if (ReadTextLines(folder + g_messageFile, 0, file) != kOk) return;
  for (const auto& line : file.lines) ApplyMessageOverrideLine(line);
}

}  // namespace tessera
