#include "launch/process_table.h"

#include "shell/output.h"
#include "shell/resources.h"

namespace tessera {

namespace {

constexpr std::uint32_t kStringAskExit = 35005;
constexpr std::uint32_t kStringCloseHint = 35008;

}  // namespace

ProcessTable& Processes() {
  static ProcessTable table;
  return table;
}

void ProcessTable::Append(ProcessRecord record) { records_.push_back(std::move(record)); }

void ProcessTable::RemoveLast() {
  if (!records_.empty()) records_.pop_back();
}

void ProcessTable::Purge() {
  for (std::size_t i = records_.size(); i-- > 0;) {
    if (!IsAlive(records_[i])) records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void ProcessTable::EndAll() {
  for (auto& record : records_) (void)record.process.Terminate();
  records_.clear();
}

bool IsAlive(ProcessRecord& record) {
  const auto code = record.process.ExitCode();
  return code.ok() && *code == platform::kStillActive;
}

std::u16string ProgramFileName(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

std::size_t PurgeForExit() {
  auto& records = Processes().records();
  for (std::size_t i = records.size(); i-- > 0;) {
    if (!IsAlive(records[i])) {
      (void)records[i].process.Terminate();
      records.erase(records.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  return records.size();
}

bool ConfirmExitWithPrograms() {
  if (AskUser(LoadResourceString(kStringAskExit), MessageBoxButtons::OkCancel,
              MessageBoxIcon::Question, MessageBoxAnswer::Ok) == MessageBoxAnswer::Ok) {
    Processes().EndAll();
    return true;
  }
  AskUser(LoadResourceString(kStringCloseHint), MessageBoxButtons::Ok, MessageBoxIcon::Information,
          MessageBoxAnswer::Ok);
  return false;
}

}  // namespace tessera
