#include "shell/execute.h"

#include "launch/external.h"
#include "platform/text.h"
#include "shell/expand.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

std::optional<std::size_t> Successor(const BatchPosition* batch) {
  if (!batch || !batch->lines || !batch->current) return std::nullopt;
  const std::size_t next = *batch->current + 1;
  if (next >= batch->lines->lines.size()) return std::nullopt;
  return next;
}

std::optional<std::size_t> LineAt(const BatchPosition* batch, std::size_t index) {
  if (!batch || !batch->lines || index >= batch->lines->lines.size()) return std::nullopt;
  return index;
}

bool IsCommentWord(std::u16string_view word) {
  if (word.empty()) return false;
  return word[0] == u'#' || word[0] == u'\'' || word[0] == u':' || word.starts_with(u"//");
}

void RunCommand(const BuiltinCommand& command, CommandCall& call) {
  switch (command.reset) {
    case LevelReset::Before:
      SetErrorLevel(call.context, 0);
      command.handler(call);
      break;
    case LevelReset::AfterSuccess:
      if (command.handler(call) == kOk) SetErrorLevel(call.context, 0);
      break;
    case LevelReset::None:
      command.handler(call);
      break;
    case LevelReset::ReadThenReset:
      call.previousErrorLevel = GetErrorLevel(call.context);
      SetErrorLevel(call.context, 0);
      command.handler(call);
      break;
  }
}

}  // namespace

std::optional<std::size_t> ExecuteLine(std::u16string_view received, ShellContext& context,
                                       const BatchPosition* batch, std::uint32_t flags,
                                       LineOutcome* outcome) {
  const std::u16string_view line = SkipBlanks(received);
  if (line.empty()) return Successor(batch);
  if (batch && batch->lines && !batch->current) return std::nullopt;

  std::u16string expanded;
  if (flags & kNoExpand) {
    expanded = std::u16string(line);
  } else {
    Expansion expansion = ExpandVariables(line, context, flags);
    if (expansion.tooLong) {
      // Run unexpanded, the line could do something else entirely.
      ShowError(msg::kOutOfMemory);
      SetErrorLevel(context, 1);
      return Successor(batch);
    }
    expanded = std::move(expansion.text);
  }
  std::u16string_view text = SkipBlanks(expanded);
  if (!text.empty() && text[0] == u'@') {
    text = SkipBlanks(text.substr(1));
  } else if ((flags & kInBatch) && !(flags & kNoExpand)) {
    const std::u16string* echo = context.GetValueText(kEchoMode);
    if (echo && *echo == u"ON") PrintLine(line);
  }

  CommandCall call{.word = {}, .arguments = {}, .context = context, .flags = flags, .batch = batch};
  const std::optional<Token> word = GetToken(text, 0, true);
  if (!word) {
    if (SkipBlanks(text).empty()) {
      RunExternalCommand(u"", context);
    } else {
      // A quote that is never closed: run the rest as if it were.
      std::u16string closed(SkipBlanks(text));
      closed += u'"';
      RunExternalCommand(closed, context);
    }
  } else {
    const std::u16string upperWord =
        platform::ToUpper(text.substr(word->start, word->end - word->start));
    call.word = upperWord;
    call.arguments = text.substr(SkipBlanksFrom(text, word->next));
    const BuiltinCommand* command = nullptr;
    if (call.arguments.starts_with(u"/?")) {
      ShowCommandHelp(upperWord, context);
    } else if ((command = FindBuiltin(upperWord)) != nullptr) {
      RunCommand(*command, call);
    } else if (!IsCommentWord(upperWord)) {
      // The launcher gets the whole line, expanded once more.
      const Expansion again = ExpandVariables(line, context, flags);
      RunExternalCommand(again.substitutions ? std::u16string_view(again.text) : line, context);
    }
  }

  if (flags == 0) {
    if (Host* host = CurrentHost()) host->AddToHistory(received);
  }

  if (outcome) {
    outcome->jumped = call.flow == BatchFlow::JumpToLabel;
    outcome->endedFile = call.flow == BatchFlow::EndFile;
  }
  if (!batch || !batch->lines) return std::nullopt;
  switch (call.flow) {
    case BatchFlow::EndFile:
      return std::nullopt;
    case BatchFlow::JumpToLabel:
      return (flags & kNoExpand) ? LineAt(batch, call.labelLine)
                                 : LineAt(batch, call.labelLine + 1);
    case BatchFlow::Next:
      break;
  }
  return Successor(batch);
}

}  // namespace tessera
