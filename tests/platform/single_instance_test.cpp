// One window per device root: the lock, the knock and the hand-over.
#include "platform/single_instance.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_root.h"

namespace tessera::platform {
namespace {

// Claims in a child process (a later start) and gives its outcome.
pid_t ClaimInChild(int tries, int pause) {
  const pid_t child = fork();
  if (child == 0) {
    const WindowInstance later = WindowInstance::Claim(tries, pause);
    _exit(static_cast<int>(later.outcome()));
  }
  return child;
}

WindowInstance::Outcome OutcomeOf(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return static_cast<WindowInstance::Outcome>(WEXITSTATUS(status));
}

TEST(SingleInstance, ALaterStartHandsOverToTheFirst) {
  testing::TempRoot root;
  WindowInstance first = WindowInstance::Claim(1, 0);
  ASSERT_EQ(first.outcome(), WindowInstance::Outcome::First);
  ASSERT_GE(first.listenDescriptor(), 0);
  const pid_t later = ClaimInChild(40, 50);
  pollfd knock{first.listenDescriptor(), POLLIN, 0};
  ASSERT_EQ(poll(&knock, 1, 10000), 1);
  EXPECT_TRUE(first.TakeRequest());
  EXPECT_EQ(OutcomeOf(later), WindowInstance::Outcome::HandedOver);
}

TEST(SingleInstance, AFirstThatDoesNotAnswerIsGivenUpOn) {
  testing::TempRoot root;
  WindowInstance first = WindowInstance::Claim(1, 0);
  ASSERT_EQ(first.outcome(), WindowInstance::Outcome::First);
  // Nobody takes the request: the later start tries three times, then runs alone.
  EXPECT_EQ(OutcomeOf(ClaimInChild(3, 10)), WindowInstance::Outcome::Alone);
}

TEST(SingleInstance, TheNextStartAfterTheFirstEndedIsFirst) {
  testing::TempRoot root;
  { WindowInstance first = WindowInstance::Claim(1, 0); }
  // A window that died left its socket file; the next one replaces it.
  const pid_t dying = fork();
  if (dying == 0) {
    WindowInstance crashed = WindowInstance::Claim(1, 0);
    _exit(crashed.outcome() == WindowInstance::Outcome::First ? 0 : 1);  // no clean-up
  }
  int status = 0;
  waitpid(dying, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(WindowInstance::Claim(1, 0).outcome(), WindowInstance::Outcome::First);
}

TEST(SingleInstance, EachDeviceRootHasItsOwnWindow) {
  testing::TempRoot one;
  WindowInstance first = WindowInstance::Claim(1, 0);
  ASSERT_EQ(first.outcome(), WindowInstance::Outcome::First);
  testing::TempRoot two;
  EXPECT_EQ(WindowInstance::Claim(1, 0).outcome(), WindowInstance::Outcome::First);
}

}  // namespace
}  // namespace tessera::platform
