#include "shell/format.h"

#include <gtest/gtest.h>

#include "support/shell_fixture.h"

namespace tessera {
namespace {

using testing::Utf8;

std::string F(std::u16string_view format, std::initializer_list<FormatArg> args) {
  return Utf8(FormatMessage(format, args));
}

TEST(FormatMessage, FillsTheMessagePlaceholders) {
  EXPECT_EQ(F(u"現在の日付：%d-%02d-%02d", {2011, 2, 3}), "現在の日付：2011-02-03");
  EXPECT_EQ(F(u"%04d/%02d/%02d %02d:%02d", {7, 1, 2, 3, 4}), "0007/01/02 03:04");
  EXPECT_EQ(F(u"ECHO は <%s> です。", {u"ON"}), "ECHO は <ON> です。");
  EXPECT_EQ(F(u"%x, %X, %ld, %5s|%-5s|", {255, 255, -7, u"ab", u"cd"}), "ff, FF, -7,    ab|cd   |");
  EXPECT_EQ(F(u"100%%", {}), "100%");
  EXPECT_EQ(F(u"%+d %.3d %c", {5, 7, 0x41}), "+5 007 A");
}

TEST(FormatMessage, AnArgumentOfTheOtherKindIsShownAsItIs) {
  EXPECT_EQ(F(u"[%d]", {u"name"}), "[name]");
  EXPECT_EQ(F(u"[%s]", {42}), "[42]");
  EXPECT_EQ(F(u"[%05s]", {42}), "[00042]");
}

TEST(FormatMessage, HostilePlaceholdersStayText) {
  // More placeholders than arguments, %n and %p, '*' widths: kept literally.
  EXPECT_EQ(F(u"%s%s%s%n", {u"a"}), "a%s%s%n");
  EXPECT_EQ(F(u"%n%p%*d", {1, 2}), "%n%p%*d");
  EXPECT_EQ(F(u"%s", {}), "%s");
  EXPECT_EQ(F(u"50%", {1}), "50%");
  EXPECT_EQ(F(u"%", {}), "%");
  EXPECT_EQ(F(u"%-", {u"x"}), "%-");
}

TEST(FormatMessage, HugeWidthsAreCut) {
  const std::u16string out = FormatMessage(u"%999999999d|%.999999999s", {1, u"abc"});
  EXPECT_EQ(out.size(), static_cast<std::size_t>(kMaxFieldWidth) + 4);
  EXPECT_EQ(Utf8(out.substr(out.size() - 4)), "|abc");
}

TEST(FormatMessage, ExtremeNumbers) {
  EXPECT_EQ(F(u"%d", {static_cast<long long>(INT64_MIN)}), "-9223372036854775808");
  EXPECT_EQ(F(u"%u %x", {-1, -1}), "4294967295 ffffffff");
}

}  // namespace
}  // namespace tessera

namespace tessera {
namespace {

TEST(FormatPlaceholders, ListsWhatFormattingFills) {
  using List = std::vector<std::u16string>;
  EXPECT_EQ(FormatPlaceholders(u"%d-%02d-%02d"), (List{u"%d", u"%02d", u"%02d"}));
  EXPECT_EQ(FormatPlaceholders(u"ID: %lu\nName: %s %s"), (List{u"%lu", u"%s", u"%s"}));
  // "%%", a conversion this formatter does not fill, and a lone '%' at the end.
  EXPECT_EQ(FormatPlaceholders(u"100%% %n %p %-5.3s %"), (List{u"%-5.3s"}));
  EXPECT_EQ(FormatPlaceholders(u"no placeholders"), List{});
}

}  // namespace
}  // namespace tessera
