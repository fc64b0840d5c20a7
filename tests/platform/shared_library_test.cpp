#include "platform/shared_library.h"

#include <gtest/gtest.h>

namespace tessera::platform {
namespace {

TEST(SharedLibraryTest, OpensALibraryAndCallsItsExport) {
  auto library = SharedLibrary::Open(TLIB_PATH);
  ASSERT_TRUE(library.ok()) << LastLoadError();
  auto* answer = library->FunctionNamed<int()>("TesseraTestAnswer");
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(library->Symbol("NoSuchExport"), nullptr);

  SharedLibrary moved = std::move(library.value());
  EXPECT_TRUE(moved.isOpen());
  EXPECT_FALSE(library->isOpen());
  EXPECT_TRUE(IsSharedLibraryLoaded(TLIB_PATH));
  moved.Close();
  EXPECT_FALSE(moved.isOpen());
  // Closed by its only handle: unloaded, and asking does not load it.
  EXPECT_FALSE(IsSharedLibraryLoaded(TLIB_PATH));
  EXPECT_FALSE(IsSharedLibraryLoaded(TLIB_PATH));
  EXPECT_EQ(moved.Symbol("TesseraTestAnswer"), nullptr);
}

TEST(SharedLibraryTest, RefusesMissingFilesAndFilesThatAreNoLibrary) {
  auto missing = SharedLibrary::Open("/nonexistent/tessera/none.so");
  EXPECT_FALSE(missing.ok());
  EXPECT_FALSE(LastLoadError().empty());
  // A file that is no shared object.
  EXPECT_FALSE(SharedLibrary::Open("/etc/hostname").ok());
  EXPECT_FALSE(SharedLibrary::Open("").ok());
}

}  // namespace
}  // namespace tessera::platform
