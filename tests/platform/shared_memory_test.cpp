#include "platform/shared_memory.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_root.h"

namespace tessera::platform {
namespace {

TEST(SharedMemory, NameIsQualifiedByUserAndRoot) {
  testing::TempRoot first;
  const std::string a = QualifiedSharedMemoryName(u"TESSERA_CURRENT_DIRECTORY");
  testing::TempRoot second;
  const std::string b = QualifiedSharedMemoryName(u"TESSERA_CURRENT_DIRECTORY");
  EXPECT_NE(a, b);
  EXPECT_EQ(a.find('/', 1), std::string::npos);
  EXPECT_NE(a.find("-" + std::to_string(getuid()) + "-"), std::string::npos);
  EXPECT_EQ(QualifiedSharedMemoryName(u"a/b..c").substr(b.rfind('-') + 1), "a_b__c");
}

TEST(SharedMemory, WrittenBytesAreReadByName) {
  testing::TempRoot root;
  auto block = SharedMemoryBlock::Create(u"TEST_BLOCK", 520);
  ASSERT_TRUE(block.ok());
  const char text[] = "\\\0T\0e\0m\0p\0\\\0\0";
  ASSERT_TRUE(block->Write(0, text, sizeof text).ok());
  EXPECT_EQ(block->Write(519, text, 2).error(), ErrorCode::InvalidParameter);
  auto reader = SharedMemoryBlock::OpenExisting(block->hostName());
  ASSERT_TRUE(reader.ok());
  auto bytes = reader->Read(0, sizeof text);
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), std::string(text, sizeof text));
  EXPECT_EQ(reader->Read(510, 100)->size(), 10u);
}

TEST(SharedMemory, GoneWhenTheLastHolderCloses) {
  testing::TempRoot root;
  std::string name;
  {
    auto first = SharedMemoryBlock::Create(u"TEST_SHARED", 16);
    ASSERT_TRUE(first.ok());
    name = first->hostName();
    auto second = SharedMemoryBlock::Create(u"TEST_SHARED", 16);
    ASSERT_TRUE(second.ok());
    second->Close();
    EXPECT_TRUE(SharedMemoryBlock::OpenExisting(name).ok());  // the first still holds it
  }
  EXPECT_EQ(SharedMemoryBlock::OpenExisting(name).error(), ErrorCode::FileNotFound);
}

TEST(SharedMemory, ABlockLeftByADeadShellCountsAsAbsent) {
  testing::TempRoot root;
  const std::string name = QualifiedSharedMemoryName(u"TEST_DEAD");
  const pid_t child = fork();
  if (child == 0) {
    auto block = SharedMemoryBlock::Create(u"TEST_DEAD", 16);
    _exit(block.ok() ? 0 : 1);  // dies without closing: the name stays behind
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(SharedMemoryBlock::OpenExisting(name).error(), ErrorCode::FileNotFound);
  auto again = SharedMemoryBlock::Create(u"TEST_DEAD", 16);  // a new shell takes the name over
  EXPECT_TRUE(again.ok());
  EXPECT_TRUE(SharedMemoryBlock::OpenExisting(name).ok());
}

TEST(SharedMemory, BadNamesAreRefused) {
  EXPECT_EQ(SharedMemoryBlock::OpenExisting("").error(), ErrorCode::InvalidName);
  EXPECT_EQ(SharedMemoryBlock::OpenExisting("no-slash").error(), ErrorCode::InvalidName);
  EXPECT_EQ(SharedMemoryBlock::OpenExisting("/a/b").error(), ErrorCode::InvalidName);
}

bool NameExists(const std::string& name) {
  const int fd = shm_open(name.c_str(), O_RDONLY, 0);
  if (fd < 0) return false;
  close(fd);
  return true;
}

TEST(SharedMemory, StaleBlocksGoBlocksInUseStay) {
  testing::TempRoot root;
  auto held = SharedMemoryBlock::Create(u"HELD_BLOCK", 64);
  ASSERT_TRUE(held.ok());
  // Left behind by a shell that was killed: the name without a holder.
  const std::string stale = QualifiedSharedMemoryName(u"STALE_BLOCK");
  const int fd = shm_open(stale.c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  close(fd);
  // Another user's kind of name is never looked at.
  const std::string foreign = "/tessera-x-not-ours";
  const int other = shm_open(foreign.c_str(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(other, 0);
  close(other);

  EXPECT_GE(RemoveStaleSharedMemory(), 1u);
  EXPECT_FALSE(NameExists(stale));
  EXPECT_TRUE(NameExists(held->hostName()));
  EXPECT_TRUE(NameExists(foreign));
  shm_unlink(foreign.c_str());
  // A block made again after a removal is a fresh, working one.
  auto again = SharedMemoryBlock::Create(u"STALE_BLOCK", 64);
  ASSERT_TRUE(again.ok());
  EXPECT_TRUE(SharedMemoryBlock::OpenExisting(again->hostName()).ok());
}

}  // namespace
}  // namespace tessera::platform
