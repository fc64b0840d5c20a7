// Shortcut files (".lnk") of the file browser: "<length>#<target>".
//
// Input: the bytes of a shortcut file. Checked: no more than 520 bytes are
// ever read (a longer file follows exactly as its first 520 bytes do); the
// target text is trimmed and single-line; every candidate is a device path;
// a followed shortcut leads to one of the candidates, which exists.
#include <cstdint>
#include <string>
#include <string_view>

#include "browser/shortcut.h"
#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "platform/files.h"
#include "platform/text.h"

using namespace tessera;

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

void WriteFile(std::u16string_view path, std::string_view bytes) {
  auto file = platform::File::Open(path, platform::OpenMode::CreateAlways);
  FUZZ_REQUIRE(file.ok());
  FUZZ_REQUIRE(file->Write(bytes.data(), bytes.size()).ok());
  FUZZ_REQUIRE(file->Close().ok());
}

std::optional<browser::FollowedShortcut> FollowFileWith(std::string_view bytes) {
  const std::u16string path = u"\\My Documents\\fuzz.lnk";
  WriteFile(path, bytes);
  return browser::FollowShortcut(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzShell shell;
  // Targets for shortcuts to find: a program in \Windows and one at the root.
  WriteFile(u"\\Windows\\calc.exe", "");
  WriteFile(u"\\tool.exe", "");
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const auto text = browser::ShortcutTargetText(bytes.substr(0, browser::kShortcutReadLimit));
  if (text) {
    FUZZ_REQUIRE(text->find(u'\r') == std::u16string::npos);
    FUZZ_REQUIRE(text->find(u'\n') == std::u16string::npos);
    FUZZ_REQUIRE(text->empty() || (!IsBlank(text->front()) && !IsBlank(text->back())));
    for (const std::u16string& candidate : browser::ShortcutCandidates(*text)) {
      FUZZ_REQUIRE(!candidate.empty() && candidate.front() == u'\\');
    }
  }

  const auto followed = FollowFileWith(bytes);
  if (followed) {
    FUZZ_REQUIRE(text.has_value());
    bool isCandidate = false;
    for (const std::u16string& candidate : browser::ShortcutCandidates(*text)) {
      isCandidate = isCandidate || platform::EqualsNoCase(candidate, followed->target);
    }
    FUZZ_REQUIRE(isCandidate);
    FUZZ_REQUIRE(platform::PathExists(followed->target));
  }
  if (size > browser::kShortcutReadLimit) {
    const auto cut = FollowFileWith(bytes.substr(0, browser::kShortcutReadLimit));
    FUZZ_REQUIRE(cut.has_value() == followed.has_value());
    if (cut) FUZZ_REQUIRE(cut->target == followed->target);
  }
  return 0;
}
