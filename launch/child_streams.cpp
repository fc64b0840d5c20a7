#include "launch/child_streams.h"

#include "commands/echo_command.h"
#include "commands/type_command.h"
#include "launch/resting_files.h"
#include "launch/stream_switches.h"
#include "platform/device.h"
#include "platform/files.h"
#include "shell/output.h"

namespace tessera {

namespace {

using platform::StandardStream;
using platform::StreamMode;

namespace id {
constexpr std::int32_t kTempFileFailed = 141;
constexpr std::int32_t kInputMissing = 142;
constexpr std::int32_t kInputIsDirectory = 143;
constexpr std::int32_t kInputReopenFailed = 144;
constexpr std::int32_t kOutputReopenFailed = 145;
constexpr std::int32_t kInputUnreadable = 147;
constexpr std::int32_t kOutputOpenFailed = 149;
constexpr std::int32_t kOutputIsDirectory = 150;
constexpr std::int32_t kOutputReadOnly = 151;
constexpr std::int32_t kCaptureOpenFailed = 152;
constexpr std::int32_t kCaptureReopenFailed = 153;
constexpr std::int32_t kErrorCaptureNotMade = 156;
constexpr std::int32_t kErrorIsDirectory = 157;
constexpr std::int32_t kErrorReadOnly = 158;
constexpr std::int32_t kErrorCaptureFailed = 159;
}  // namespace id

constexpr std::size_t kMaxCapturePath = 259;

std::optional<std::u16string> MakeCaptureFile() {
  auto made = platform::CreateUniqueTempFile(platform::TempDirectory(), u"TSXRedSTDOut");
  if (!made.ok() || made->size() > kMaxCapturePath) {
    if (made.ok()) (void)platform::DeleteFile(*made);
    return std::nullopt;
  }
  return *made;
}

// Checks a target the child will write: a directory or a read-only file
// is refused; an existing file must open, a missing one is made.
std::int32_t CheckWriteTarget(const std::u16string& path, std::int32_t isDirectory,
                              std::int32_t readOnly, std::int32_t cannotOpen) {
  const auto info = platform::GetFileInfo(path);
  if (info.ok()) {
    if (info->attributes & platform::kAttrDirectory) return isDirectory;
    if (info->attributes & platform::kAttrReadOnly) return readOnly;
    if (!platform::File::Open(path, platform::OpenMode::ReadWrite).ok()) return cannotOpen;
  } else if (!platform::File::Open(path, platform::OpenMode::OpenOrCreate).ok()) {
    return cannotOpen;
  }
  return 0;
}

void ShowCapture(const std::u16string& path, ShellContext& context) {
  const auto info = platform::GetFileInfo(path);
  if (!info.ok() || info->size == 0) return;
  CommandCall call{.word = u"TYPE", .arguments = path, .context = context};
  TypeCommand(call);
}

void DeleteCaptures(ChildStreams& streams) {
  for (std::u16string* capture : {&streams.outputCapture, &streams.errorCapture}) {
    if (!capture->empty()) (void)platform::DeleteFile(*capture);
    capture->clear();
  }
}

}  // namespace

void PutBackChildStreams(ChildStreams& streams) {
  if (streams.inputReopened) RestStream(StandardStream::Input);
  if (streams.outputReopened) RestStream(StandardStream::Output);
  if (streams.errorReopened) RestStream(StandardStream::Error);
  streams.inputReopened = streams.outputReopened = streams.errorReopened = false;
  DeleteCaptures(streams);
}

std::optional<ChildStreams> SetUpChildStreams(const RedirectSpec& redirect, ShellContext& context) {
  const StreamSwitches& switches = CurrentStreamSwitches();
  ChildStreams streams;
  streams.unicode = UnicodeTextMode(context);
  auto fail = [&streams](std::int32_t message) -> std::optional<ChildStreams> {
    ShowError(message);
    PutBackChildStreams(streams);
    return std::nullopt;
  };

  if (!redirect.inputPath.empty() && switches.useStdin) {
    const auto info = platform::GetFileInfo(redirect.inputPath);
    if (!info.ok()) return fail(id::kInputMissing);
    if (info->attributes & platform::kAttrDirectory) return fail(id::kInputIsDirectory);
    if (!platform::File::Open(redirect.inputPath, platform::OpenMode::Read).ok())
      return fail(id::kInputUnreadable);
    if (!platform::ReopenStandardStream(StandardStream::Input, redirect.inputPath, StreamMode::Read)
             .ok()) {
      return fail(id::kInputReopenFailed);
    }
    streams.inputReopened = true;
  }

  const StreamMode outputMode = redirect.append ? StreamMode::Append : StreamMode::Write;
  if (switches.useStdout && !(redirect.background && redirect.outputPath.empty())) {
    std::u16string target = redirect.outputPath;
    const bool capture = target.empty();
    if (capture) {
      const std::optional<std::u16string> made = MakeCaptureFile();
      if (!made) return fail(id::kTempFileFailed);
      streams.outputCapture = *made;
      target = *made;
    }
    const std::int32_t refused =
        CheckWriteTarget(target, id::kOutputIsDirectory, id::kOutputReadOnly,
                         capture ? id::kCaptureOpenFailed : id::kOutputOpenFailed);
    if (refused) return fail(refused);
    if (!platform::ReopenStandardStream(StandardStream::Output, target,
                                        capture ? StreamMode::Write : outputMode)
             .ok()) {
      return fail(capture ? id::kCaptureReopenFailed : id::kOutputReopenFailed);
    }
    streams.outputReopened = true;
  }

  if (switches.useStderr && !redirect.background) {
    const std::optional<std::u16string> made = MakeCaptureFile();
    if (!made) return fail(id::kErrorCaptureNotMade);
    streams.errorCapture = *made;
    const std::int32_t refused =
        CheckWriteTarget(*made, id::kErrorIsDirectory, id::kErrorReadOnly, id::kErrorCaptureFailed);
    if (refused) return fail(refused);
    if (!platform::ReopenStandardStream(StandardStream::Error, *made, outputMode).ok()) {
      return fail(id::kErrorCaptureFailed);
    }
    streams.errorReopened = true;
  }
  return streams;
}

void FinishChildStreams(ChildStreams& streams, ShellContext& context) {
  if (!streams.outputCapture.empty()) {
    RestStream(StandardStream::Output);
    streams.outputReopened = false;
    ShowCapture(streams.outputCapture, context);
  }
  if (!streams.errorCapture.empty()) {
    RestStream(StandardStream::Error);
    streams.errorReopened = false;
    ShowCapture(streams.errorCapture, context);
  }
  PutBackChildStreams(streams);
}

}  // namespace tessera
