#include "platform/directory_watch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "support/temp_root.h"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempRoot;

TEST(DirectoryWatch, WhatOnTheWayCountsAsAChange) {
  TempRoot root;
  fs::create_directories(root.Host("\\a\\b"));
  ASSERT_TRUE(WatchDirectory(u"\\A\\b"));  // found as names are found
  EXPECT_TRUE(WatchedDirectoryUnchanged());

  // Work inside the directory leaves its way alone.
  std::ofstream(root.Host("\\a\\b\\inside.txt")) << "x";
  fs::create_directory(root.Host("\\a\\b\\sub"));
  fs::remove(root.Host("\\a\\b\\inside.txt"));
  EXPECT_TRUE(WatchedDirectoryUnchanged());

  // An entry beside a folder of the way may be a new spelling of its name.
  std::ofstream(root.Host("\\a\\sibling.txt")) << "x";
  EXPECT_FALSE(WatchedDirectoryUnchanged());
  EXPECT_FALSE(WatchedDirectoryUnchanged()) << "a change stays noted until the next watch";

  ASSERT_TRUE(WatchDirectory(u"\\a\\b"));
  EXPECT_TRUE(WatchedDirectoryUnchanged());
  chmod(root.Host("\\a\\b").c_str(), 0500);
  EXPECT_FALSE(WatchedDirectoryUnchanged());

  ASSERT_TRUE(WatchDirectory(u"\\a\\b"));
  fs::rename(root.Host("\\a"), root.Host("\\c"));
  EXPECT_FALSE(WatchedDirectoryUnchanged());

  ASSERT_TRUE(WatchDirectory(u"\\c\\b"));
  fs::remove(root.Host("\\c\\b\\sub"));
  EXPECT_TRUE(WatchedDirectoryUnchanged());
  chmod(root.Host("\\c\\b").c_str(), 0700);
  ASSERT_TRUE(WatchDirectory(u"\\c\\b"));
  fs::remove(root.Host("\\c\\b"));
  EXPECT_FALSE(WatchedDirectoryUnchanged());
}

TEST(DirectoryWatch, TheRootAndMissingDirectories) {
  TempRoot root;
  ASSERT_TRUE(WatchDirectory(u"\\"));
  std::ofstream(root.Host("\\new.txt")) << "x";
  EXPECT_TRUE(WatchedDirectoryUnchanged()) << "the root's own entries are not on its way";
  EXPECT_FALSE(WatchDirectory(u"\\nosuch\\dir"));
  EXPECT_FALSE(WatchedDirectoryUnchanged());
}

TEST(DirectoryWatch, ANewDeviceRootDropsTheWatch) {
  TempRoot first;
  fs::create_directories(first.Host("\\w"));
  ASSERT_TRUE(WatchDirectory(u"\\w"));
  TempRoot second;  // sets up its own root
  EXPECT_FALSE(WatchedDirectoryUnchanged());
}

}  // namespace
}  // namespace tessera::platform
