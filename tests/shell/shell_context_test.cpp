#include "shell/shell_context.h"

#include <gtest/gtest.h>

#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::Utf8;

TEST(ShellContext, FindOnlyOnAnEmptyContextCreatesNothing) {
  ShellContext context;
  EXPECT_EQ(context.FindValue(u"A", kFindOnly), nullptr);
  EXPECT_TRUE(context.empty());
  ContextValue* created = context.FindValue(u"A", 0);
  ASSERT_NE(created, nullptr);
  EXPECT_FALSE(created->value);
  EXPECT_EQ(created->flags, 0u);
  EXPECT_EQ(context.entries().front().get(), created);
  EXPECT_EQ(context.FindValue(u"H", kCreateHidden)->flags,
            static_cast<std::uint32_t>(kValueHidden));
}

TEST(ShellContext, NamesAreExactAndOrderIsCreationOrder) {
  ShellContext context;
  context.Set(u"B", u"1");
  context.Set(u"A", u"2");
  context.Set(u"b", u"3");
  ASSERT_EQ(context.entries().size(), 3u);
  EXPECT_EQ(Utf8(context.entries()[0]->name), "B");
  EXPECT_EQ(Utf8(context.entries()[2]->name), "b");
  context.Set(u"B", u"4");
  EXPECT_EQ(Utf8(*context.GetValueText(u"B")), "4");
  EXPECT_EQ(Utf8(context.entries()[0]->name), "B");
  context.RemoveValue(u"A");
  context.RemoveValue(u"absent");
  EXPECT_EQ(context.entries().size(), 2u);
}

TEST(ShellContext, ANullValueKeepsTheEntry) {
  ShellContext context;
  context.Set(u"X", u"v");
  context.FindValue(u"X", 0)->value.reset();
  EXPECT_EQ(context.GetValueText(u"X"), nullptr);
  EXPECT_NE(context.FindValue(u"X", kFindOnly), nullptr);
}

TEST(ShellContext, CloneIsDeepAndKeepsFlags) {
  ShellContext context;
  context.Set(u"BATCH ARGS", u"x", kValueHidden);
  context.Set(u"A", u"1");
  ShellContext copy = context;
  EXPECT_EQ(copy.FindValue(u"BATCH ARGS", kFindOnly)->flags,
            static_cast<std::uint32_t>(kValueHidden));
  copy.Set(u"A", u"2");
  EXPECT_EQ(Utf8(*context.GetValueText(u"A")), "1");
}

TEST(ShellContext, ErrorLevel) {
  ShellContext context;
  EXPECT_EQ(GetErrorLevel(context), 0);
  SetErrorLevel(context, -1);
  EXPECT_EQ(Utf8(*context.GetValueText(u"ERRORLEVEL")), "-1");
  EXPECT_EQ(GetErrorLevel(context), -1);
  EXPECT_EQ(context.FindValue(u"ERRORLEVEL", kFindOnly)->flags, 0u);
}

}  // namespace
}  // namespace tessera
