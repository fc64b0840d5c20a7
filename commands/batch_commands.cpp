#include "commands/batch_commands.h"

#include "platform/files.h"
#include "platform/text.h"
#include "shell/batch.h"
#include "shell/execute.h"
#include "shell/message_catalogue.h"
#include "shell/multi_string.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

constexpr std::int32_t kQuoteNotClosed = 4;
constexpr std::int32_t kBadLevelNumber = 6;
constexpr std::int32_t kBadExistName = 7;
constexpr std::int32_t kNoCondition = 8;
constexpr std::int32_t kIfIncomplete = 9;
constexpr std::int32_t kBadIfCommand = 10;
constexpr std::int32_t kBadCondition = 75;
constexpr std::int32_t kBadSecondString = 86;
constexpr std::size_t kMaxLevelWord = 10;
constexpr std::size_t kMaxExistName = 259;

struct Condition {
  bool holds = false;
  std::size_t rest = 0;  // where the command begins
};

ResultCode SyntaxFailure(ShellContext& context, std::int32_t message,
                         std::optional<std::u16string_view> argument = {}) {
  ShowError(message, argument);
  SetErrorLevel(context, 1);
  return kSyntaxError;
}

bool KeywordAt(std::u16string_view text, std::size_t at, std::u16string_view keyword) {
  return platform::StartsWithNoCase(text.substr(at), keyword);
}

// A string of the a==b test: quoted (without its quotes) or up to `stop`.
struct Operand {
  std::u16string text;
  std::size_t next = 0;
  bool unclosed = false;
};

Operand ReadOperand(std::u16string_view text, std::size_t at, bool stopAtEquals) {
  Operand operand;
  if (at < text.size() && text[at] == u'"') {
    const std::size_t close = text.find(u'"', at + 1);
    if (close == std::u16string_view::npos) {
      operand.unclosed = true;
      operand.text = std::u16string(text.substr(at + 1));
      operand.next = text.size();
    } else {
      operand.text = std::u16string(text.substr(at + 1, close - at - 1));
      operand.next = close + 1;
    }
    return operand;
  }
  std::size_t end = at;
  while (end < text.size() && !IsBlank(text[end]) &&
         !(stopAtEquals && text.substr(end).starts_with(u"==")))
    ++end;
  operand.text = std::u16string(text.substr(at, end - at));
  operand.next = end;
  return operand;
}

}  // namespace

ResultCode CallCommand(CommandCall& call) { return CallBatch(call.arguments, call.context); }

ResultCode IfCommand(CommandCall& call) {
  ShellContext& context = call.context;
  const std::u16string_view text = call.arguments;
  if (text.empty()) {
    ShowError(kNoCondition);
    SetErrorLevel(context, 1);
    return kInvalidArgument;
  }
  std::size_t i = 0;
  bool negate = false;
  if (KeywordAt(text, i, u"NOT") && text.size() > 3 && IsBlank(text[3])) {
    negate = true;
    i = SkipBlanksFrom(text, 3);
  }

  Condition condition;
  if (KeywordAt(text, i, u"ERRORLEVEL")) {
    const std::size_t start = SkipBlanksFrom(text, i + 10);
    const std::size_t end = WordEnd(text, false, start);
    if (start == end) return SyntaxFailure(context, kIfIncomplete);
    if (end - start > kMaxLevelWord) return SyntaxFailure(context, kBadLevelNumber);
    const auto tested = static_cast<std::uint32_t>(call.previousErrorLevel);
    const auto wanted = static_cast<std::uint32_t>(ParseLong(text.substr(start, end - start)));
    condition = {tested >= wanted, end};
  } else if (KeywordAt(text, i, u"EXIST")) {
    const std::size_t start = SkipBlanksFrom(text, i + 5);
    if (start >= text.size()) return SyntaxFailure(context, kIfIncomplete);
    const std::optional<Token> token = GetToken(text, start, true);
    if (!token) return SyntaxFailure(context, kQuoteNotClosed, text.substr(start));
    const std::u16string_view name = text.substr(token->start, token->end - token->start);
    if (name.empty() || name.size() > kMaxExistName) return SyntaxFailure(context, kBadExistName);
    const std::u16string path = MakeAbsolute(context, name);
    condition = {platform::PathExists(DirectoryForPlatform(path)), token->next};
  } else {
    const Operand a = ReadOperand(text, i, true);
    std::size_t at = SkipBlanksFrom(text, a.next);
    if (a.unclosed || !text.substr(at).starts_with(u"=="))
      return SyntaxFailure(context, kBadCondition);
    at = SkipBlanksFrom(text, at + 2);
    if (at >= text.size()) return SyntaxFailure(context, kIfIncomplete);
    const Operand b = ReadOperand(text, at, false);
    if (b.unclosed) return SyntaxFailure(context, kBadSecondString);
    condition = {a.text == b.text, b.next};
  }
  if (condition.holds == negate) return kOk;

  const std::u16string_view command = SkipBlanks(text.substr(condition.rest));
  if (command.empty()) {
    ShowError(kBadIfCommand);
    SetErrorLevel(context, 1);
    return kSyntaxError;
  }
  LineOutcome outcome;
  const std::optional<std::size_t> next =
      ExecuteLine(command, context, call.batch, call.flags | kNoExpand, &outcome);
  // Only a jump that happened moves the batch; a GOTO that found no label
  // goes on with the line after the IF. EXIT ends the file from here too.
  if (outcome.jumped && next && call.batch && call.batch->current) {
    call.flow = BatchFlow::JumpToLabel;
    call.labelLine = *next;
  } else if (outcome.endedFile && call.batch) {
    call.flow = BatchFlow::EndFile;
  }
  return kOk;
}

ResultCode ShiftCommand(CommandCall& call) {
  if (!(call.flags & kInBatch)) return kOk;
  ContextValue* arguments = call.context.FindValue(kBatchArgs, kFindOnly);
  if (!arguments || !arguments->value) return kOk;
  RemoveFirstElement(*arguments->value);
  return kOk;
}

}  // namespace tessera
