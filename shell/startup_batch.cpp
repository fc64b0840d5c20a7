#include "shell/startup_batch.h"

#include "platform/device.h"
#include "platform/files.h"
#include "shell/format.h"
#include "shell/output.h"
#include "shell/resources.h"
#include "shell/startup_record.h"

namespace tessera {

namespace {

bool IsFile(std::u16string_view path) {
  return !path.empty() && platform::PathExists(path) && !platform::IsDirectory(path);
}

// Offers the default file; on Yes it becomes the start-up file for good.
std::optional<std::u16string> OfferDefault(const std::u16string& file) {
  const std::u16string question =
      FormatMessage(LoadResourceString(kStringStartupOffer), {std::u16string_view(file)});
  if (AskUser(question, MessageBoxButtons::YesNo, MessageBoxIcon::Question, MessageBoxAnswer::No) !=
      MessageBoxAnswer::Yes) {
    return std::nullopt;
  }
  // Run now even if the record cannot be written; the question then comes
  // again at the next start.
  (void)WriteStartupRecord(StartupRecord{true, file});
  return file;
}

}  // namespace

std::u16string DefaultStartupBatch() {
  const std::u16string folder = platform::ProgramDirectory();
  return folder.empty() ? std::u16string() : folder + u"AUTOEXEC.BAT";
}

std::u16string StartupBatchArgument(std::u16string_view path) {
  const bool blank = path.find_first_of(u" \t") != std::u16string_view::npos;
  return FormatMessage(blank ? u"/I \"%s\"" : u"/I %s", {path});
}

std::optional<std::u16string> ChooseStartupBatch() {
  const std::u16string fallback = DefaultStartupBatch();
  std::optional<std::u16string> chosen;
  if (const auto record = ReadStartupRecord(); !record) {
    if (IsFile(fallback)) chosen = OfferDefault(fallback);
  } else if (record->enabled) {
    if (IsFile(record->path)) {
      chosen = record->path;
    } else {
      // Gone for this start only: the record keeps the user's choice.
      AskUser(FormatMessage(LoadResourceString(kStringStartupMissing),
                            {std::u16string_view(record->path)}),
              MessageBoxButtons::Ok, MessageBoxIcon::None, MessageBoxAnswer::Ok);
    }
  } else if (record->path.empty() && IsFile(fallback)) {
    chosen = OfferDefault(fallback);
  }
  if (!chosen || !IsFile(*chosen)) return std::nullopt;
  return StartupBatchArgument(*chosen);
}

}  // namespace tessera
