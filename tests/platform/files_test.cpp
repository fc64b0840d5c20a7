#include "platform/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/text.h"
#include "support/temp_root.h"

namespace tessera::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempRoot;

std::string StoredRecord(const std::string& hostPath) {
  char buffer[32];
  const ssize_t n = getxattr(hostPath.c_str(), "user.tessera.attrib", buffer, sizeof buffer);
  return n < 0 ? std::string("<none>") : std::string(buffer, static_cast<std::size_t>(n));
}

bool HostHasXattrs(const std::string& dir) {
  const std::string probe = dir + "/.xattr-probe";
  const int fd = open(probe.c_str(), O_CREAT | O_WRONLY, 0600);
  const bool ok = fd >= 0 && fsetxattr(fd, "user.tessera.probe", "1", 1, 0) == 0;
  if (fd >= 0) close(fd);
  unlink(probe.c_str());
  return ok;
}

std::string Text(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// The quick questions answer as the full description of the entry does.
TEST(FilesAttributes, ExistsAndIsDirectoryAgreeWithTheEntrysDescription) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Temp/plain.txt", "abc");
  fs::create_symlink(root.host() + "/Temp", root.host() + "/dirlink");
  fs::create_symlink(root.host() + "/nowhere", root.host() + "/dangling");
  for (const char16_t* path : {u"\\Temp", u"\\temp\\PLAIN.txt", u"\\dirlink", u"\\dangling",
                               u"\\nothing", u"\\nothing\\below", u"\\Temp\\plain.txt\\x", u"\\"}) {
    const auto info = GetFileInfo(path);
    EXPECT_EQ(PathExists(path), info.ok()) << Utf16ToUtf8(path);
    EXPECT_EQ(IsDirectory(path), info.ok() && (info->attributes & kAttrDirectory) != 0)
        << Utf16ToUtf8(path);
  }
  EXPECT_TRUE(PathExists(u"\\dangling"));
  EXPECT_FALSE(IsDirectory(u"\\dangling"));
}

TEST(FilesAttributes, DerivedFromTheHostEntry) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Temp/plain.txt", "abc");
  root.WriteHostFile(root.host() + "/Temp/.profile", "");

  auto file = GetFileInfo(u"\\temp\\PLAIN.TXT");
  ASSERT_TRUE(file.ok());
  EXPECT_EQ(file->attributes, kAttrArchive);  // files read as archived until cleared
  EXPECT_EQ(file->size, 3u);
  EXPECT_FALSE(file->isSymlink);
  EXPECT_NE(file->lastWriteTime, 0u);
  EXPECT_NE(file->creationTime, 0u);

  EXPECT_EQ(*GetFileAttributes(u"\\Temp"), kAttrDirectory);
  EXPECT_EQ(*GetFileAttributes(u"\\Temp\\.profile"), kAttrArchive | kAttrHidden);
  EXPECT_TRUE(IsDirectory(u"\\TEMP"));
  EXPECT_FALSE(IsDirectory(u"\\Temp\\plain.txt"));
  EXPECT_TRUE(PathExists(u"\\Temp\\plain.txt"));
}

TEST(FilesAttributes, NormalOnlyWhenNothingElseIsSet) {
  TempRoot root;
  if (!HostHasXattrs(root.host())) GTEST_SKIP() << "no extended attributes on this file system";
  root.WriteHostFile(root.host() + "/f", "");
  ASSERT_TRUE(SetFileAttributes(u"\\f", kAttrNormal).ok());
  EXPECT_EQ(*GetFileAttributes(u"\\f"), kAttrNormal);
  ASSERT_TRUE(SetFileAttributes(u"\\f", kAttrReadOnly).ok());
  EXPECT_EQ(*GetFileAttributes(u"\\f"), kAttrReadOnly);
}

TEST(FilesAttributes, ReadOnlyIsTheOwnerWriteBit) {
  TempRoot root;
  const std::string host = root.host() + "/My Documents/r.txt";
  root.WriteHostFile(host, "keep");
  ASSERT_TRUE(SetFileAttributes(u"\\My Documents\\r.txt", kAttrReadOnly | kAttrArchive).ok());
  EXPECT_EQ(fs::status(host).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(*GetFileAttributes(u"\\My Documents\\r.txt"), kAttrReadOnly | kAttrArchive);
  // Untouched by a record: archive was what it read as already.
  EXPECT_EQ(StoredRecord(host), "<none>");

  // A read-only file refuses to be written or deleted, whoever runs the shell.
  EXPECT_EQ(File::Open(u"\\My Documents\\r.txt", OpenMode::CreateAlways).error(),
            ErrorCode::AccessDenied);
  EXPECT_EQ(File::Open(u"\\My Documents\\r.txt", OpenMode::Append).error(),
            ErrorCode::AccessDenied);
  EXPECT_EQ(DeleteFile(u"\\My Documents\\r.txt").error(), ErrorCode::AccessDenied);
  EXPECT_TRUE(File::Open(u"\\My Documents\\r.txt", OpenMode::Read).ok());
  EXPECT_EQ(root.ReadHostFile(host), "keep");

  ASSERT_TRUE(SetFileAttributes(u"\\My Documents\\r.txt", kAttrArchive).ok());
  EXPECT_NE(fs::status(host).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_TRUE(DeleteFile(u"\\My Documents\\r.txt").ok());
}

TEST(FilesAttributes, HiddenSystemArchiveRoundTripThroughTheRecord) {
  TempRoot root;
  if (!HostHasXattrs(root.host())) GTEST_SKIP() << "no extended attributes on this file system";
  const std::string host = root.host() + "/Windows/sys.dat";
  root.WriteHostFile(host, "");
  ASSERT_TRUE(SetFileAttributes(u"\\Windows\\sys.dat", kAttrHidden | kAttrSystem).ok());
  EXPECT_EQ(*GetFileAttributes(u"\\Windows\\sys.dat"), kAttrHidden | kAttrSystem);
  EXPECT_EQ(StoredRecord(host), "6");

  // Also on a read-only file; directory and ROM bits are not stored.
  ASSERT_TRUE(SetFileAttributes(u"\\Windows\\sys.dat", kAttrReadOnly | kAttrSystem | kAttrArchive |
                                                           kAttrDirectory | kAttrInRom)
                  .ok());
  EXPECT_EQ(*GetFileAttributes(u"\\Windows\\sys.dat"), kAttrReadOnly | kAttrSystem | kAttrArchive);
  EXPECT_EQ(StoredRecord(host), "36");
  ASSERT_TRUE(SetFileAttributes(u"\\Windows\\sys.dat", kAttrReadOnly | kAttrHidden).ok());
  EXPECT_EQ(*GetFileAttributes(u"\\Windows\\sys.dat"), kAttrReadOnly | kAttrHidden);

  // Directories read as not archived until the bit is set.
  ASSERT_TRUE(SetFileAttributes(u"\\Windows", kAttrArchive | kAttrHidden).ok());
  EXPECT_EQ(*GetFileAttributes(u"\\Windows"), kAttrDirectory | kAttrArchive | kAttrHidden);
}

TEST(FilesAttributes, AGarbledRecordReadsAsNoRecord) {
  TempRoot root;
  if (!HostHasXattrs(root.host())) GTEST_SKIP() << "no extended attributes on this file system";
  const std::string host = root.host() + "/g";
  root.WriteHostFile(host, "");
  ASSERT_EQ(setxattr(host.c_str(), "user.tessera.attrib", "x7", 2, 0), 0);
  EXPECT_EQ(*GetFileAttributes(u"\\g"), kAttrArchive);
}

TEST(FilesMissing, TellsAMissingFileFromAMissingDirectory) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/Temp/file", "");
  EXPECT_EQ(GetFileInfo(u"\\Temp\\nothing").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(GetFileInfo(u"\\NoDir\\nothing").error(), ErrorCode::PathNotFound);
  EXPECT_EQ(GetFileInfo(u"\\Temp\\file\\below").error(), ErrorCode::PathNotFound);
  EXPECT_EQ(File::Open(u"\\Temp\\nothing", OpenMode::Read).error(), ErrorCode::FileNotFound);
  EXPECT_EQ(File::Open(u"\\NoDir\\new", OpenMode::CreateAlways).error(), ErrorCode::PathNotFound);
  EXPECT_EQ(ReadWholeFile(u"\\NoDir\\x").error(), ErrorCode::PathNotFound);
  EXPECT_EQ(DeleteFile(u"\\Temp\\nothing").error(), ErrorCode::FileNotFound);
  EXPECT_EQ(SetFileAttributes(u"\\NoDir\\x", 0).error(), ErrorCode::PathNotFound);
  EXPECT_FALSE(PathExists(u"\\Temp\\nothing"));
}

TEST(FilesOpen, ModesCreateTruncateAppendAndRefuse) {
  TempRoot root;
  const std::u16string path = u"\\Temp\\Out.TXT";
  {
    auto file = File::Open(path, OpenMode::CreateNew);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->Write("hello", 5).ok());
    EXPECT_EQ(*file->Size(), 5u);
    EXPECT_TRUE(file->Close().ok());
    EXPECT_FALSE(file->isOpen());
    EXPECT_EQ(file->Write("x", 1).error(), ErrorCode::InvalidHandle);
  }
  // New names keep the spelling given; later lookups find them in any case.
  EXPECT_TRUE(fs::exists(root.host() + "/Temp/Out.TXT"));
  EXPECT_EQ(File::Open(u"\\temp\\out.txt", OpenMode::CreateNew).error(), ErrorCode::FileExists);
  {
    auto file = File::Open(u"\\temp\\out.txt", OpenMode::Append);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->Write(" world", 6).ok());
  }
  EXPECT_EQ(Text(*ReadWholeFile(path)), "hello world");
  {
    auto file = File::Open(path, OpenMode::OpenOrCreate);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(file->Write("J", 1).ok());
  }
  EXPECT_EQ(Text(*ReadWholeFile(path)), "Jello world");
  {
    auto file = File::Open(path, OpenMode::CreateAlways);
    ASSERT_TRUE(file.ok());
  }
  EXPECT_EQ(ReadWholeFile(path)->size(), 0u);

  auto reader = File::Open(path, OpenMode::Read);
  ASSERT_TRUE(reader.ok());
  char buffer[4];
  EXPECT_EQ(*reader->Read(buffer, sizeof buffer), 0u);
  EXPECT_EQ(reader->Write("x", 1).error(), ErrorCode::InvalidHandle);
}

TEST(FilesOpen, DescriptorsAreCloseOnExecAndMovable) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/a", "data");
  auto opened = File::Open(u"\\a", OpenMode::ReadWrite);
  ASSERT_TRUE(opened.ok());
  File file = std::move(*opened);
  EXPECT_FALSE(opened->isOpen());
  ASSERT_TRUE(file.isOpen());
  // The only descriptor of ours is the file's: find it through /proc.
  bool checked = false;
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (fs::read_symlink(entry.path(), ec) != fs::path(root.host() + "/a")) continue;
    const int fd = std::stoi(entry.path().filename().string());
    EXPECT_NE(fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    checked = true;
  }
  EXPECT_TRUE(checked);
}

TEST(FilesOpen, DirectoriesAreNotFiles) {
  TempRoot root;
  EXPECT_EQ(ReadWholeFile(u"\\Windows").error(), ErrorCode::IsADirectory);
  EXPECT_EQ(File::Open(u"\\Windows", OpenMode::Read).error(), ErrorCode::IsADirectory);
  EXPECT_EQ(File::Open(u"\\Windows", OpenMode::CreateAlways).error(), ErrorCode::IsADirectory);
  EXPECT_EQ(DeleteFile(u"\\Windows").error(), ErrorCode::IsADirectory);
}

TEST(FilesOpen, ReadWholeFileReadsPastTheBuffer) {
  TempRoot root;
  std::string big(200000, 'x');
  big[123456] = 'y';
  root.WriteHostFile(root.host() + "/big.bin", big);
  auto bytes = ReadWholeFile(u"\\BIG.BIN");
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(Text(*bytes), big);
}

TEST(FilesDirectories, CreateAndRemove) {
  TempRoot root;
  ASSERT_TRUE(CreateDirectory(u"\\My Documents\\Projects").ok());
  EXPECT_TRUE(fs::is_directory(root.host() + "/My Documents/Projects"));
  EXPECT_EQ(CreateDirectory(u"\\my documents\\PROJECTS").error(), ErrorCode::AlreadyExists);
  EXPECT_EQ(CreateDirectory(u"\\Missing\\Projects").error(), ErrorCode::PathNotFound);

  root.WriteHostFile(root.host() + "/My Documents/Projects/a.txt", "");
  EXPECT_EQ(RemoveDirectory(u"\\My Documents\\Projects").error(), ErrorCode::DirNotEmpty);
  EXPECT_EQ(RemoveDirectory(u"\\My Documents\\Projects\\a.txt").error(), ErrorCode::NotADirectory);
  ASSERT_TRUE(DeleteFile(u"\\My Documents\\Projects\\A.TXT").ok());
  ASSERT_TRUE(RemoveDirectory(u"\\MY DOCUMENTS\\projects").ok());
  EXPECT_FALSE(fs::exists(root.host() + "/My Documents/Projects"));
  EXPECT_EQ(RemoveDirectory(u"\\My Documents\\Projects").error(), ErrorCode::FileNotFound);
}

TEST(FilesLinks, DeleteRemovesTheLinkNotItsTarget) {
  TempRoot root;
  root.WriteHostFile(root.host() + "/target.txt", "t");
  fs::create_symlink(root.host() + "/target.txt", root.host() + "/link.txt");
  fs::create_symlink("/nonexistent/file", root.host() + "/dangling");
  auto info = GetFileInfo(u"\\link.txt");
  ASSERT_TRUE(info.ok());
  EXPECT_TRUE(info->isSymlink);
  EXPECT_EQ(info->size, 1u);
  // A dangling link still shows up, so that it can be removed.
  EXPECT_TRUE(GetFileInfo(u"\\dangling")->isSymlink);
  ASSERT_TRUE(DeleteFile(u"\\link.txt").ok());
  ASSERT_TRUE(DeleteFile(u"\\dangling").ok());
  EXPECT_TRUE(fs::exists(root.host() + "/target.txt"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(root.host() + "/dangling")));
}

}  // namespace
}  // namespace tessera::platform
