#include "launch/resting_files.h"

#include <array>

#include "platform/device.h"
#include "platform/files.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

using platform::StandardStream;
using platform::StreamMode;

constexpr std::size_t kMaxRestingPath = 259;

std::array<std::u16string, 3>& RestingPaths() {
  static std::array<std::u16string, 3> paths;
  return paths;
}

std::u16string_view FileName(StandardStream stream) {
  return stream == StandardStream::Input ? u"\\TSXSTDINN.tmp" : u"\\TSXSTDOUT.tmp";
}

StreamMode RestingMode(StandardStream stream) {
  return stream == StandardStream::Input ? StreamMode::Read : StreamMode::Write;
}

// Works the path out once: the temporary directory, else the program's.
bool ResolveRestingPath(StandardStream stream, std::u16string& path) {
  std::u16string directory = platform::TempDirectory();
  if (!platform::IsDirectory(directory)) directory = platform::ProgramDirectory();
  while (!directory.empty() && (directory.back() == u'\\' || IsBlank(directory.back())))
    directory.pop_back();
  std::u16string candidate = directory + std::u16string(FileName(stream));
  if (candidate.size() > kMaxRestingPath) return false;
  if (!platform::PathExists(candidate)) {
    auto created = platform::File::Open(candidate, platform::OpenMode::CreateAlways);
    if (!created.ok()) return false;
  } else if (platform::IsDirectory(candidate)) {
    return false;
  }
  path = std::move(candidate);
  return true;
}

}  // namespace

bool RestStream(StandardStream stream) {
  std::u16string& path = RestingPaths()[static_cast<std::size_t>(stream)];
  if (path.empty() && !ResolveRestingPath(stream, path)) return false;
  return platform::ReopenStandardStream(stream, path, RestingMode(stream)).ok();
}

void ReleaseRestingFile(StandardStream stream) {
  std::u16string& path = RestingPaths()[static_cast<std::size_t>(stream)];
  if (path.empty()) return;
  // The stream moves to a placeholder in the root so the resting file can
  // go; the placeholder goes too.
  const std::u16string placeholder = u"\\TSX200 x x x.tmp";
  const bool input = stream == StandardStream::Input;
  if (!input || !platform::PathExists(placeholder)) {
    auto made = platform::File::Open(placeholder, platform::OpenMode::CreateAlways);
    if (!made.ok()) return;
  }
  const bool reopened =
      platform::ReopenStandardStream(stream, placeholder, RestingMode(stream)).ok();
  (void)platform::DeleteFile(path);
  if (reopened) (void)platform::DetachStandardStream(stream);
  (void)platform::DeleteFile(placeholder);
  path.clear();
}

void ResetRestingFiles() {
  for (auto& path : RestingPaths()) path.clear();
}

}  // namespace tessera
