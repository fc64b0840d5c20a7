// A temporary device root, a prompter whose answers the test chooses, and
// file-system calls that refuse what the test names.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "browser/file_operations.h"
#include "browser/list_entry.h"
#include "support/temp_root.h"

namespace tessera::browser::testing {

struct AskedPrompt {
  std::string text;  // UTF-8
  MessageBoxButtons buttons;
  MessageBoxIcon icon;
  MessageBoxAnswer defaultAnswer;
};

class ScriptedPrompter : public Prompter {
 public:
  MessageBoxAnswer Ask(const MessageBoxRequest& request) override;

  std::deque<MessageBoxAnswer> answers;  // taken in order; then the default answer
  std::vector<AskedPrompt> asked;
  // The texts asked, in order.
  std::vector<std::string> Texts() const;
};

// Refuses the changes to the paths named (device paths as the engine
// spells them); everything else goes to the platform.
class RefusingCalls : public FileSystemCalls {
 public:
  platform::Status MoveFile(std::u16string_view source, std::u16string_view target) override;
  platform::Status DeleteFile(std::u16string_view path) override;
  platform::Status CopyFile(std::u16string_view source, std::u16string_view target) override;

  std::set<std::u16string> refused;
};

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override { root_ = std::make_unique<tessera::testing::TempRoot>(); }
  void TearDown() override { root_.reset(); }

  // Writes a file of the device (path in UTF-8 with '\').
  void Write(const std::string& path, const std::string& bytes = "x");
  std::string Read(const std::string& path) const;
  bool Exists(const std::string& path) const;
  void MakeFolder(const std::string& path);
  void SetReadOnly(const std::string& path, bool readOnly = true);
  bool IsReadOnly(const std::string& path) const;
  // A copy or cut set of names taken from folder.
  FileClipboard Set(ClipboardMode mode, const std::string& folder,
                    const std::vector<std::string>& names) const;

  std::unique_ptr<tessera::testing::TempRoot> root_;
  ScriptedPrompter prompter_;
  RefusingCalls calls_;
  FileOperations operations_{prompter_, u"", calls_};
};

std::u16string U(const std::string& utf8);
std::string Utf8(std::u16string_view text);
// The names the list shows, in order.
std::vector<std::u16string> ShownNames(const std::vector<ListEntry>& entries);
// The text of string `id` with its %s filled with path, as UTF-8.
std::string PromptText(std::uint32_t id, const std::string& path = "");

}  // namespace tessera::browser::testing
