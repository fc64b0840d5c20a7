// What a name typed into the browser's name field asks for.
#include "browser/typed_name.h"

#include <gtest/gtest.h>

#include "browser_fixture.h"

namespace tessera::browser::testing {
namespace {

class TypedNameTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    MakeFolder("\\Docs");
    Write("\\Docs\\a.txt");
  }
};

TEST_F(TypedNameTest, NothingTypedChoosesTheFolderShownExceptWhenSaving) {
  const TypedName open = InterpretTypedName(BrowseMode::SelectPath, u"\\Docs", u"  ");
  EXPECT_EQ(open.action, TypedNameAction::ChooseFolderShown);
  EXPECT_EQ(open.path, u"\\Docs");
  EXPECT_EQ(InterpretTypedName(BrowseMode::Open, u"", u"").path, u"\\");
  EXPECT_EQ(InterpretTypedName(BrowseMode::Save, u"\\Docs", u"").action, TypedNameAction::Stay);
}

TEST_F(TypedNameTest, AFolderIsShownAndAFileChosenWhetherRelativeQuotedOrAbsolute) {
  const TypedName folder = InterpretTypedName(BrowseMode::Open, u"\\", u"Docs");
  EXPECT_EQ(folder.action, TypedNameAction::GoToFolder);
  EXPECT_EQ(folder.path, u"\\Docs");
  const TypedName file = InterpretTypedName(BrowseMode::Open, u"\\", u" \"Docs\\a.txt\" ");
  EXPECT_EQ(file.action, TypedNameAction::Choose);
  EXPECT_EQ(file.path, u"\\Docs\\a.txt");
  EXPECT_EQ(InterpretTypedName(BrowseMode::Open, u"\\Docs", u"..").path, u"\\");
  EXPECT_EQ(InterpretTypedName(BrowseMode::Open, u"\\Other", u"\\Docs\\a.txt").path,
            u"\\Docs\\a.txt");
}

TEST_F(TypedNameTest, AMissingNameIsNotFoundWhenOpeningButChosenOtherwise) {
  EXPECT_EQ(InterpretTypedName(BrowseMode::Open, u"\\Docs", u"new.txt").action,
            TypedNameAction::NotFound);
  const TypedName save = InterpretTypedName(BrowseMode::Save, u"\\Docs", u"new.txt");
  EXPECT_EQ(save.action, TypedNameAction::Choose);
  EXPECT_EQ(save.path, u"\\Docs\\new.txt");
  EXPECT_EQ(InterpretTypedName(BrowseMode::SelectPath, u"\\Docs", u"new.txt").action,
            TypedNameAction::Choose);
  // A trailing separator asks for a folder, which must exist.
  EXPECT_EQ(InterpretTypedName(BrowseMode::Save, u"\\Docs", u"a.txt\\").action,
            TypedNameAction::NotFound);
}

TEST_F(TypedNameTest, WildcardsBecomeThePatternsOfTheirFolder) {
  const TypedName filter = InterpretTypedName(BrowseMode::Open, u"\\", u"Docs\\*.txt; *.log");
  EXPECT_EQ(filter.action, TypedNameAction::Filter);
  EXPECT_EQ(filter.path, u"\\Docs");
  EXPECT_EQ(filter.patterns, (std::vector<std::u16string>{u"*.txt", u"*.log"}));
  EXPECT_EQ(InterpretTypedName(BrowseMode::Open, u"\\", u"Gone\\*.txt").action,
            TypedNameAction::NotFound);
}

}  // namespace
}  // namespace tessera::browser::testing
