#include "launch/stream_probe.h"

#include <chrono>
#include <optional>
#include <vector>

#include "launch/resting_files.h"
#include "launch/stream_switches.h"
#include "platform/device.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/standard_streams.h"
#include "platform/termination.h"
#include "shell/settings.h"

namespace tessera {

namespace {

using platform::StandardStream;

// A probe result absent from the settings reads as this.
constexpr std::int32_t kNotProbed = 256;
// The answer reads one line into a zeroed buffer of this many bytes.
constexpr std::size_t kAnswerBuffer = 256;

constexpr std::string_view kAnswerWord = "Tessera!";
constexpr std::string_view kAnswerErrorWord = "Tessera:Stderr Check";

constexpr StandardStream kStreams[] = {StandardStream::Input, StandardStream::Output,
                                       StandardStream::Error};

bool ProbeResultMissing(std::u16string_view key) {
  return ReadSettingInt(kSettingsSection, key, kNotProbed) == kNotProbed;
}

void StoreFindings(const ProbeFindings& found) {
  const struct {
    std::u16string_view support;
    std::u16string_view use;
    bool on;
  } rows[] = {{u"SUPPORT_STDIN", u"USE_STDIN", found.input},
              {u"SUPPORT_STDOUT", u"USE_STDOUT", found.output},
              {u"SUPPORT_STDERR", u"USE_STDERR", found.error}};
  for (const auto& row : rows) {
    // A value that cannot be stored is probed again at the next start.
    (void)WriteSettingInt(kSettingsSection, row.support, row.on ? 1 : 0);
    (void)WriteSettingInt(kSettingsSection, row.use, row.on ? 1 : 0);
  }
  StreamSwitches& switches = CurrentStreamSwitches();
  switches.useStdin = found.input;
  switches.useStdout = found.output;
  switches.useStderr = found.error;
}

// Size of a probe file as read back; none when it cannot be opened.
std::optional<std::uint64_t> FileSize(const std::u16string& path) {
  auto file = platform::File::Open(path, platform::OpenMode::Read);
  if (!file) return std::nullopt;
  auto size = file->Size();
  if (!size) return std::nullopt;
  return *size;
}

// The probe files and where the shell's streams stand, so that every way
// out puts them back and removes the files.
class ProbeFiles {
 public:
  ~ProbeFiles() {
    for (StandardStream stream : kStreams) {
      if (onProbeFile_[static_cast<std::size_t>(stream)]) RestStream(stream);
    }
    for (const auto& path : created_) (void)platform::DeleteFile(path);
  }

  std::optional<std::u16string> Create() {
    auto path = platform::CreateUniqueTempFile(u"\\", u"TSX");
    if (!path) return std::nullopt;
    created_.push_back(*path);
    return *path;
  }
  bool Reopen(StandardStream stream, const std::u16string& path, platform::StreamMode mode) {
    if (!platform::ReopenStandardStream(stream, path, mode).ok()) return false;
    onProbeFile_[static_cast<std::size_t>(stream)] = true;
    return true;
  }
  void Rest(StandardStream stream) {
    RestStream(stream);
    onProbeFile_[static_cast<std::size_t>(stream)] = false;
  }

 private:
  std::vector<std::u16string> created_;
  bool onProbeFile_[3] = {false, false, false};
};

enum class Waited { Ended, Failed, SessionEnding };

Waited StartAndWait(const StreamProbeOptions& options) {
  platform::SpawnRequest request;
  request.program = options.program.empty() ? platform::ModulePath() : options.program;
  if (request.program.empty()) return Waited::Failed;
  request.commandLine = std::u16string(kStreamCheckArgument.begin(), kStreamCheckArgument.end());
  auto child = platform::SpawnProgram(request);
  if (!child) return Waited::Failed;
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(options.timeoutMilliseconds);
  for (;;) {
    const auto code = child->ExitCode();
    if (!code) return Waited::Failed;
    if (*code != platform::kStillActive) return Waited::Ended;
    if (platform::TerminationSignal() != 0) {
      (void)child->Terminate();
      return Waited::SessionEnding;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    // A child that never ends is left running; the probe counts as failed.
    if (left.count() <= 0) return Waited::Failed;
    child->WaitForExit(static_cast<int>(left.count()));
  }
}

}  // namespace

ProbeFindings FindingsFromOutputSize(std::uint64_t size) {
  ProbeFindings found;
  if (size >= 40) {
    found.input = found.output = true;
  } else if (size >= 30) {
    found.input = true;
  } else if (size >= 1) {
    found.output = true;
  }
  return found;
}

bool RunStreamProbe(const StreamProbeOptions& options) {
  ProbeFindings found;
  {
    ProbeFiles files;
    const auto input = files.Create();
    if (input) {
      auto file = platform::File::Open(*input, platform::OpenMode::CreateAlways);
      if (!file || !file->Write(kProbeInput.data(), kProbeInput.size()).ok()) {
        StoreFindings(found);
        return true;
      }
    }
    const auto output = files.Create();
    const auto error = files.Create();
    if (!input || !output || !error ||
        !files.Reopen(StandardStream::Input, *input, platform::StreamMode::Read) ||
        !files.Reopen(StandardStream::Output, *output, platform::StreamMode::Write) ||
        !files.Reopen(StandardStream::Error, *error, platform::StreamMode::Write)) {
      StoreFindings(found);
      return true;
    }
    switch (StartAndWait(options)) {
      case Waited::SessionEnding: {
        StreamSwitches& switches = CurrentStreamSwitches();
        switches = StreamSwitches{false, false, false};
        return false;
      }
      case Waited::Failed:
        StoreFindings(found);
        return true;
      case Waited::Ended:
        break;
    }
    files.Rest(StandardStream::Output);
    const auto outputSize = FileSize(*output);
    if (outputSize && *outputSize > 0) {
      found = FindingsFromOutputSize(*outputSize);
      files.Rest(StandardStream::Error);
      const auto errorSize = FileSize(*error);
      found.error = errorSize && *errorSize > 0;
    }
    // Leaving the block puts input (and anything still on a probe file)
    // back on its resting file and deletes the probe files.
  }
  StoreFindings(found);
  return true;
}

void DecideStreamSwitches(const StreamProbeOptions& options) {
  if (ProbeResultMissing(u"SUPPORT_STDIN") || ProbeResultMissing(u"SUPPORT_STDOUT") ||
      ProbeResultMissing(u"SUPPORT_STDERR")) {
    RunStreamProbe(options);
    return;
  }
  LoadStreamSwitches();
  const StreamSwitches& switches = CurrentStreamSwitches();
  if (switches.useStdin) RestStream(StandardStream::Input);
  if (switches.useStdout) RestStream(StandardStream::Output);
  if (switches.useStderr) RestStream(StandardStream::Error);
}

int AnswerStreamCheck() {
  std::string line = platform::ReadStandardInputLine(kAnswerBuffer - 1);
  // Read as C text: the line ends at a zero byte; a CR before the line end
  // belongs to the line end.
  if (const auto zero = line.find('\0'); zero != std::string::npos) line.resize(zero);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.empty()) return 0;
  (void)platform::WriteStandardOutput(line + "\n");
  (void)platform::WriteStandardOutput(std::string(kAnswerWord) + "\n");
  (void)platform::WriteStandardError(kAnswerErrorWord);
  return 0;
}

}  // namespace tessera
