// Starting the help viewer: the command line it gets, and not waiting.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "launch/help_viewer.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

namespace fs = std::filesystem;

class HelpViewerStart : public testing::ShellTest {};

TEST_F(HelpViewerStart, TheViewerGetsThePageAndRunsOnItsOwn) {
  // A stand-in viewer that notes its arguments, then lingers.
  const std::string viewer = root_->Host("\\Windows\\peghelp.exe");
  const std::string noted = root_->host() + "/arguments";
  root_->WriteHostFile(viewer, "#!/bin/sh\necho \"$@\" > '" + noted + ".part'\nmv '" + noted +
                                   ".part' '" + noted + "'\nsleep 5\n");
  fs::permissions(viewer, fs::perms::owner_all);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(ShowHelpPage(kCommandReferencePage));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));  // not waited for
  for (int i = 0; i < 200 && !fs::exists(noted); ++i) usleep(20 * 1000);
  EXPECT_EQ(root_->ReadHostFile(noted), "file:TSXREF.HTM#Main_Contents\n");
}

TEST_F(HelpViewerStart, NoViewerNoStart) { EXPECT_FALSE(ShowHelpPage(kUserGuidePage)); }

}  // namespace
}  // namespace tessera
