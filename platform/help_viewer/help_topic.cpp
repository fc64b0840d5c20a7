#include "platform/help_viewer/help_topic.h"

#include <limits.h>
#include <stdlib.h>

#include "platform/device.h"
#include "platform/files.h"
#include "platform/text.h"

namespace tessera::help {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

HelpTopic ParseHelpCommandLine(std::u16string_view commandLine) {
  std::u16string_view text = Trim(commandLine);
  if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
    text = Trim(text.substr(1, text.size() - 2));
  }
  if (platform::StartsWithNoCase(text, u"file:")) text.remove_prefix(5);
  HelpTopic topic;
  const auto hash = text.find(u'#');
  topic.file = std::u16string(Trim(text.substr(0, hash)));
  if (hash != std::u16string_view::npos) topic.anchor = std::u16string(Trim(text.substr(hash + 1)));
  return topic;
}

std::optional<std::string> HelpFileHostPath(const HelpTopic& topic,
                                            const std::string& installFolder) {
  if (topic.file.empty()) return std::nullopt;
  if (topic.file.front() == u'\\') {
    auto host = platform::HostPath(topic.file);
    if (!host) return std::nullopt;
    return *host;
  }
  // A name, not a path: nothing of it may lead out of the folder.
  if (topic.file.find_first_of(u"\\/") != std::u16string::npos || topic.file == u"." ||
      topic.file == u"..") {
    return std::nullopt;
  }
  const std::u16string folder = platform::ProgramDirectory();
  if (!folder.empty() && platform::PathExists(folder + topic.file)) {
    if (auto host = platform::HostPath(folder + topic.file)) return *host;
  }
  return installFolder + "/" + platform::Utf16ToUtf8(topic.file);
}

std::string InstallFolderOfViewer() {
  char buffer[PATH_MAX];
  const std::string self = realpath("/proc/self/exe", buffer) ? buffer : "/proc/self/exe";
  const std::string folder = FolderOf(self);
  const auto slash = folder.rfind('/');
  if (slash != std::string::npos && folder.substr(slash + 1) == "bin") return FolderOf(folder);
  return folder;
}

}  // namespace tessera::help
