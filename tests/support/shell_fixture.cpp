#include "support/shell_fixture.h"

#include "platform/text.h"
#include "shell/environment.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"

namespace tessera::testing {

std::u16string U(const std::string& utf8) { return platform::Utf8ToUtf16(utf8); }
std::string Utf8(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

void RecordingHost::PumpEvents() {
  if (stopAfterPumps >= 0 && pumps++ >= stopAfterPumps) {
    Session().stopRequested = true;
    stopAfterPumps = -1;
  } else if (stopAfterPumps < 0) {
    ++pumps;
  }
}

MessageBoxAnswer RecordingHost::ShowMessageBox(const MessageBoxRequest& request) {
  questions.emplace_back(request.text);
  captions.emplace_back(request.caption);
  if (answers.empty()) return request.defaultAnswer;
  const MessageBoxAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

void ShellTest::SetUp() {
  root_ = std::make_unique<TempRoot>();
  FreeMessageTexts();
  Session() = SessionFlags();
  SetConsoleSurface(&console_);
  SetHost(&host_);
  InitContextDefaults(context_);
}

void ShellTest::TearDown() {
  SetConsoleSurface(nullptr);
  SetHost(nullptr);
  FreeMessageTexts();
  root_.reset();
}

std::string ShellTest::Run(const std::string& line) {
  const std::size_t before = console_.TextLength();
  ExecuteLine(U(line), context_, nullptr, 0);
  return Utf8(std::u16string_view(console_.text()).substr(std::min(before, console_.TextLength())));
}

std::optional<std::size_t> ShellTest::RunInBatch(const TextLines& lines, std::size_t current,
                                                 std::uint32_t extraFlags) {
  BatchPosition position{&lines, current};
  return ExecuteLine(lines.lines[current], context_, &position, kInBatch | extraFlags);
}

std::string ShellTest::ConsoleText() const { return Utf8(console_.text()); }

std::string ShellTest::Value(const std::string& name) const {
  const std::u16string* value = context_.GetValueText(U(name));
  return value ? Utf8(*value) : std::string("<none>");
}

}  // namespace tessera::testing
