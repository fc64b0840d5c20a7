#include "shell/output.h"

#include "shell/message_catalogue.h"

namespace tessera {

namespace {

ConsoleSurface* g_surface = nullptr;
Host* g_host = nullptr;

// Texts longer than this go to the console in pieces, so that trimming
// can keep it bounded even for one enormous line.
constexpr std::size_t kPrintPiece = 8192;

// Drops about the oldest 80 % of the lines and leaves the caret at the end.
// When the lines are too few for that to make room (one very long line),
// the oldest characters go instead, down to a fifth of the limit.
void TrimConsole(ConsoleSurface& surface) {
  const std::size_t lines = surface.LineCount();
  std::size_t cut = surface.LineIndex(lines * 80 / 100);
  const std::size_t keep = kConsoleTextLimit / 5;
  if (surface.TextLength() - cut > keep + kPrintPiece) cut = surface.TextLength() - keep;
  surface.SetSelection(0, cut);
  surface.ReplaceSelection(u"");
  const std::size_t end = surface.TextLength();
  surface.SetSelection(end, end);
}

void CaretToEnd(ConsoleSurface& surface) {
  const std::size_t end = surface.TextLength();
  surface.SetSelection(end, end);
}

}  // namespace

void SetConsoleSurface(ConsoleSurface* surface) { g_surface = surface; }
ConsoleSurface* CurrentConsoleSurface() { return g_surface; }
void SetHost(Host* host) { g_host = host; }
Host* CurrentHost() { return g_host; }

SessionFlags& Session() {
  static SessionFlags flags;
  return flags;
}

void PrintText(std::u16string_view text, std::uint32_t flags) {
  if (!g_surface) return;
  if (text.size() > kPrintPiece && !(flags & kPrintNoLengthCheck)) {
    // Piece by piece, each checked against the limit; only the last one
    // ends the line.
    for (std::size_t at = 0; at < text.size(); at += kPrintPiece) {
      const bool last = at + kPrintPiece >= text.size();
      PrintText(text.substr(at, kPrintPiece), last ? flags : flags | kPrintNoLineEnd);
    }
    return;
  }
  ConsoleSurface& surface = *g_surface;
  if (!(flags & kPrintNoLengthCheck)) {
    if (surface.TextLength() + text.size() + 2 >= kConsoleTextLimit) {
      TrimConsole(surface);
    } else if (!(flags & kPrintAtCaret)) {
      CaretToEnd(surface);
    }
  } else if (!(flags & kPrintAtCaret)) {
    CaretToEnd(surface);
  }
  if ((flags & kPrintNoLineEnd) || text.empty()) {
    surface.ReplaceSelection(text);
    if (!(flags & kPrintNoLineEnd)) surface.ReplaceSelection(u"\r\n");
    return;
  }
  // The line and its end go in one piece, as PrintLine gives them: the
  // console's text comes out the same, for half the work per line.
  static std::u16string line;
  line.assign(text);
  line += u"\r\n";
  surface.ReplaceSelection(line);
}

void LinePrinter::Add(std::u16string_view part) {
  // A piece goes out once more text follows it: the last piece of a line
  // is the one that carries the line end.
  while (pending_.size() + part.size() > kPrintPiece) {
    const std::size_t take = kPrintPiece - pending_.size();
    if (pending_.empty()) {
      PrintText(part.substr(0, take), kPrintNoLineEnd);
    } else {
      pending_ += part.substr(0, take);
      PrintText(pending_, kPrintNoLineEnd);
      pending_.clear();
    }
    part.remove_prefix(take);
  }
  pending_ += part;
}

void LinePrinter::End(std::u16string_view last) {
  // A line that came whole (the usual case) goes out as it is.
  if (pending_.empty()) {
    PrintText(last);
    return;
  }
  Add(last);
  PrintText(pending_);
  pending_.clear();
}

void PrintLineParts(std::optional<std::u16string_view> first,
                    std::optional<std::u16string_view> second,
                    std::optional<std::u16string_view> third) {
  if (!g_surface || !first) return;
  std::u16string line(*first);
  if (second) {
    line += u' ';
    line += *second;
  } else if (third) {
    line += u" (NULL)";
  }
  if (third) {
    line += u' ';
    line += *third;
  }
  // Room for the line end and the terminator of the fixed line buffer.
  constexpr std::size_t kRoom = kPrintLineBuffer - 3;
  if (line.size() > kRoom) line.resize(kRoom);
  line += u"\r\n";

  ConsoleSurface& surface = *g_surface;
  const std::size_t length = surface.TextLength();
  surface.SetSelection(length, length);
  if (length + line.size() >= kConsoleTextLimit) TrimConsole(surface);
  surface.ReplaceSelection(line);
}

void PrintLine(std::u16string_view first) { PrintLineParts(first, std::nullopt, std::nullopt); }
void PrintLine(std::u16string_view first, std::u16string_view second) {
  PrintLineParts(first, second, std::nullopt);
}
void PrintLine(std::u16string_view first, std::u16string_view second, std::u16string_view third) {
  PrintLineParts(first, second, third);
}

void ShowError(std::int32_t id, std::optional<std::u16string_view> argument) {
  const std::u16string_view prefix = ErrorPrefix();
  std::u16string_view text;
  if (id >= 0 && static_cast<std::uint32_t>(id) < kMessageCount)
    text = GetMessageText(static_cast<std::uint32_t>(id));
  if (text.empty() && id == kPreformattedError && argument) {
    if (!prefix.empty()) {
      PrintLineParts(prefix, argument, std::nullopt);
    } else {
      PrintLineParts(argument, std::nullopt, std::nullopt);
    }
    return;
  }
  if (text.empty()) text = argument ? u"Error Occured:" : u"Error Occured.";
  if (!prefix.empty()) {
    PrintLineParts(prefix, text, argument);
  } else {
    PrintLineParts(text, argument, std::nullopt);
  }
}

void ClearConsole() {
  if (!g_surface) return;
  g_surface->SetSelection(0, g_surface->TextLength());
  g_surface->ReplaceSelection(u"");
}

MessageBoxAnswer AskUser(std::u16string_view text, MessageBoxButtons buttons, MessageBoxIcon icon,
                         MessageBoxAnswer defaultAnswer) {
  if (!g_host) return defaultAnswer;
  MessageBoxRequest request;
  request.text = text;
  request.caption = Session().applicationTitle;
  request.buttons = buttons;
  request.icon = icon;
  request.defaultAnswer = defaultAnswer;
  return g_host->ShowMessageBox(request);
}

bool PollForStop(std::optional<std::u16string_view> question) {
  if (g_host) g_host->PumpEvents();
  SessionFlags& session = Session();
  if (!session.stopRequested) return false;
  const std::u16string_view text = question ? *question : GetMessageText(msg::kStopQuestion);
  if (AskUser(text, MessageBoxButtons::YesNo, MessageBoxIcon::Question, MessageBoxAnswer::No) ==
      MessageBoxAnswer::Yes) {
    return true;
  }
  session.stopRequested = false;
  return false;
}

}  // namespace tessera
