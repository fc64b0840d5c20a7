// TYPE through the interpreter: the stop poll after each line and the
// question it asks.
#include <gtest/gtest.h>

#include "support/shell_fixture.h"

namespace tessera {
namespace {

class TypeTest : public testing::ShellTest {};

TEST_F(TypeTest, AStopAnsweredYesEndsTheListingAfterTheCurrentLine) {
  root_->WriteHostFile(root_->Host("/t.txt"), "1\r\n2\r\n3\r\n4");
  host_.stopAfterPumps = 2;
  host_.answers = {MessageBoxAnswer::Yes};
  const std::string shown = Run("type t.txt");
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(testing::Utf8(host_.questions[0]), "処理を中止しますか？");
  EXPECT_EQ(shown.find("4"), std::string::npos) << shown;
  EXPECT_EQ(shown.rfind("1\r\n", 0), 0u) << shown;
  EXPECT_EQ(Value("ERRORLEVEL"), "0");
}

TEST_F(TypeTest, AStopAnsweredNoGoesOn) {
  root_->WriteHostFile(root_->Host("/t.txt"), "1\r\n2\r\n3");
  host_.stopAfterPumps = 1;
  host_.answers = {MessageBoxAnswer::No};
  EXPECT_EQ(Run("type t.txt"), "1\r\n2\r\n3\r\n");
}

}  // namespace
}  // namespace tessera
