#include "commands/dir_options.h"

#include <gtest/gtest.h>

#include "platform/files.h"

namespace tessera {
namespace {

TEST(DirOptions, LettersGroupsAndNegation) {
  DirParse p = ParseDirArguments(u"/BQW /-c\t/L x");
  ASSERT_EQ(p.error, DirParseError::None);
  EXPECT_EQ(p.options.bare, 1);
  EXPECT_EQ(p.options.wide, 0);  // the group ended at Q
  EXPECT_EQ(p.options.grouping, -1);
  EXPECT_EQ(p.options.letterCase, 1);
  EXPECT_EQ(p.options.path, u"x");
  EXPECT_EQ(ParseDirArguments(u"/-BW").options.wide, -1);
}

TEST(DirOptions, AttributeMasksTakeTheRestOfTheGroup) {
  DirParse p = ParseDirArguments(u"/AHr-dXs");
  ASSERT_EQ(p.error, DirParseError::None);
  EXPECT_TRUE(p.options.filter);
  EXPECT_EQ(p.options.include, platform::kAttrHidden | platform::kAttrReadOnly);
  EXPECT_EQ(p.options.exclude, platform::kAttrDirectory | platform::kAttrSystem);
  EXPECT_EQ(p.options.bare, 0);
  EXPECT_TRUE(ParseDirArguments(u"/A").options.filter);
  EXPECT_EQ(ParseDirArguments(u"/A").options.include, 0u);
}

TEST(DirOptions, SortKeysEndAtTheBlank) {
  DirParse p = ParseDirArguments(u"/O-NS /S");
  EXPECT_EQ(p.options.sortKeys, u"-NS");
  EXPECT_EQ(p.options.recursive, 1);
  EXPECT_EQ(ParseDirArguments(u"/O").options.sortKeys, u"");
  EXPECT_FALSE(ParseDirArguments(u"/B").options.sortKeys.has_value());
}

TEST(DirOptions, RefusedGroupsAndBadPaths) {
  EXPECT_EQ(ParseDirArguments(u"/-A").badOption, u"/-A");
  EXPECT_EQ(ParseDirArguments(u"/b /-oN").badOption, u"/-O");
  EXPECT_EQ(ParseDirArguments(u"/-O").error, DirParseError::BadOption);
  EXPECT_EQ(ParseDirArguments(u"\"\\Temp").error, DirParseError::Syntax);
  EXPECT_EQ(ParseDirArguments(u"\\" + std::u16string(258, u'x')).error, DirParseError::None);
  EXPECT_EQ(ParseDirArguments(u"\\" + std::u16string(259, u'x')).error, DirParseError::Syntax);
}

TEST(DirOptions, QuotedAndLaterPaths) {
  EXPECT_EQ(ParseDirArguments(u"one /w \"two words\"").options.path, u"two words");
  EXPECT_EQ(ParseDirArguments(u"\"/w\"").options.path, u"/w");
  EXPECT_FALSE(ParseDirArguments(u"/w").options.path.has_value());
}

}  // namespace
}  // namespace tessera
