#include "commands/registry_line.h"

#include <gtest/gtest.h>

#include "support/shell_fixture.h"

namespace tessera {
namespace {

using platform::RegistryRoot;
using platform::RegistryValue;
using testing::U;
using testing::Utf8;

std::uint32_t FaultOf(const std::string& line) {
  const LineResult<AddRegLine> parsed = ParseAddRegLine(U(line));
  const LineFault* fault = std::get_if<LineFault>(&parsed);
  return fault ? fault->message : 0;
}

AddRegLine Parsed(const std::string& line) {
  LineResult<AddRegLine> parsed = ParseAddRegLine(U(line));
  if (const LineFault* fault = std::get_if<LineFault>(&parsed)) {
    ADD_FAILURE() << line << " gave message " << fault->message;
    return {};
  }
  return std::get<AddRegLine>(std::move(parsed));
}

std::u16string StringOf(const AddRegLine& line) {
  EXPECT_EQ(line.type, platform::kRegString);
  return platform::StringFromValueData(line.data);
}

TEST(RegistryInteger, DecimalHexadecimalAndSigns) {
  EXPECT_EQ(ParseRegistryInteger(u"12"), 12u);
  EXPECT_EQ(ParseRegistryInteger(u" 0x10001 "), 0x10001u);
  EXPECT_EQ(ParseRegistryInteger(u"0XfF"), 0xFFu);
  EXPECT_EQ(ParseRegistryInteger(u"010"), 10u);  // a leading zero is still decimal
  EXPECT_EQ(ParseRegistryInteger(u"-1"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseRegistryInteger(u"+7"), 7u);
  EXPECT_EQ(ParseRegistryInteger(u"4294967295"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseRegistryInteger(u"-2147483648"), 0x80000000u);
  EXPECT_EQ(ParseRegistryInteger(u"0xFFFFFFFF"), 0xFFFFFFFFu);
  // Nothing is taken from text that is not wholly a number in range.
  for (const char16_t* bad : {u"", u"  ", u"-", u"0x", u"12abc", u"x1", u"1 2", u"4294967296",
                              u"-2147483649", u"0x100000000", u"0x0x1", u"１２"}) {
    EXPECT_EQ(ParseRegistryInteger(bad), std::nullopt) << Utf8(bad);
  }
}

TEST(RegistryLine, FieldFaultsGiveTheirMessages) {
  EXPECT_EQ(FaultOf("HKCU Software"), 120u);
  EXPECT_EQ(FaultOf("HKXX, K, N, 0, x"), 120u);
  EXPECT_EQ(FaultOf("HKEY_CURRENT_USER, K, N, 0, x"), 120u);
  EXPECT_EQ(FaultOf("HKCU, , N, 0, x"), 121u);
  EXPECT_EQ(FaultOf("HKCU, \"  \", N, 0, x"), 121u);
  EXPECT_EQ(FaultOf("HKCU, Key"), 121u);
  EXPECT_EQ(FaultOf("HKCU, \"Key\" x, N, 0, 1"), 121u);
  EXPECT_EQ(FaultOf("HKCU, \"Key, N, 0, 1"), 121u);
  EXPECT_EQ(FaultOf("HKCU, " + std::string(260, 'k') + ", N, 0, x"), 121u);
  EXPECT_EQ(FaultOf("HKCU, " + std::string(259, 'k') + ", N, 0, x"), 0u);
  EXPECT_EQ(FaultOf("HKCU, K, " + std::string(260, 'n') + ", 0, x"), 122u);
  EXPECT_EQ(FaultOf("HKCU, K, \"" + std::string(260, 'n') + "\", 0, x"), 122u);
  EXPECT_EQ(FaultOf("HKCU, K, Name"), 122u);
  EXPECT_EQ(FaultOf("HKCU, K, \"Name\" more, 0, x"), 122u);
  EXPECT_EQ(FaultOf("HKCU, K, N, , x"), 123u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0"), 123u);
  EXPECT_EQ(FaultOf("HKCU, K, N, zero, x"), 123u);
  EXPECT_EQ(FaultOf("HKCU, K, , 0x10001, 5"), 129u);
  EXPECT_EQ(FaultOf("HKCU, K, , 0x4, 5"), 129u);
  EXPECT_EQ(FaultOf("HKCU, K, , 0x2, 5"), 0u);  // not overwriting the default value is fine
  EXPECT_EQ(FaultOf("HKCU, K, N, 0,"), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0,   "), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x4, 5"), 128u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x20000, 5"), 128u);
}

TEST(RegistryLine, DataFaultsByType) {
  EXPECT_EQ(FaultOf("HKCU, K, N, 1, 0a,,ff"), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 1, 0a,ff,"), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 1, 0g"), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 1, 100"), 124u);  // more than a byte
  EXPECT_EQ(FaultOf("HKCU, K, N, 1, 0x0a"), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 1, " + std::string(61, '0')), 0u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 1, " + std::string(62, '0')), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x10001, twelve"), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x10001, 1, 2"), 124u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x10000, \"open"), 127u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x10000, \"a\" b, c"), 127u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x10000, a,,b"), 127u);  // would cut the list short
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x10000, a, \"\""), 127u);
  EXPECT_EQ(FaultOf("HKCU, K, N, 0x10000, a,"), 127u);
}

TEST(RegistryLine, FieldsQuotingAndControlCharacters) {
  AddRegLine line = Parsed("hkcu, \"  My Key \" , , 0, hello world");
  EXPECT_EQ(line.root, RegistryRoot::CurrentUser);
  EXPECT_EQ(line.key, u"My Key");
  EXPECT_EQ(line.valueName, u"");
  EXPECT_FALSE(line.noOverwrite);
  EXPECT_EQ(StringOf(line), u"hello world");

  line = Parsed("HkLm ,Soft\x01ware\\A b  ,Na\tme,3,ab");
  EXPECT_EQ(line.root, RegistryRoot::LocalMachine);
  EXPECT_EQ(line.key, u"Soft ware\\A b");
  EXPECT_EQ(line.valueName, u"Na me");
  EXPECT_TRUE(line.noOverwrite);
  EXPECT_EQ(line.type, platform::kRegBinary);
  EXPECT_EQ(Parsed("HKCR, \"a\"\"b,c\", \"\"\"q\", 0, x").key, u"a\"b,c");
  EXPECT_EQ(Parsed("HKCR, \"a\"\"b,c\", \"\"\"q\", 0, x").valueName, u"\"q");
  EXPECT_EQ(Parsed("HKCR, a\"b, n\"m, 0, x").valueName, u"n\"m");
}

TEST(RegistryLine, DataOfEachType) {
  EXPECT_EQ(StringOf(Parsed("HKCU, K, N, 0,   as it   stands  ")), u"as it   stands  ");
  EXPECT_EQ(StringOf(Parsed("HKCU, K, N, 0, \"  kept  \"  ")), u"  kept  ");
  EXPECT_EQ(StringOf(Parsed("HKCU, K, N, 0, \"a\"b\"")), u"a\"b");
  EXPECT_EQ(StringOf(Parsed("HKCU, K, N, 0, \"abc\" def")), u"\"abc\" def");
  EXPECT_EQ(StringOf(Parsed("HKCU, K, N, 0, \"")), u"\"");
  EXPECT_EQ(StringOf(Parsed("HKCU, K, N, 0, \"\"")), u"");
  EXPECT_EQ(StringOf(Parsed("HKCU, K, N, 0, a,b\tc")), u"a,b\tc");
  EXPECT_EQ(Parsed("HKCU, K, N, 0, ab").data.size(), 6u);  // with its terminating zero

  AddRegLine line = Parsed("HKCU, K, N, 1, 0a,ff,1");
  EXPECT_EQ(line.data, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x01}));
  EXPECT_EQ(Parsed("HKCU, K, N, 1,  A , 0000ff").data, (std::vector<std::uint8_t>{0x0A, 0xFF}));
  EXPECT_TRUE(Parsed("HKCU, K, N, 1, \"\"").data.empty());

  line = Parsed("HKCU, K, N, 0x10001, -1");
  EXPECT_EQ(line.type, platform::kRegDword);
  EXPECT_EQ(line.data, platform::DwordValueData(0xFFFFFFFF));
  EXPECT_EQ(Parsed("HKCU, K, N, 65537, 0x7fffffff").data, platform::DwordValueData(0x7FFFFFFF));

  line = Parsed("HKCU, K, N, 0x10000, a b  , \" c,\"\"d \", e\x02");
  EXPECT_EQ(line.type, platform::kRegMultiString);
  EXPECT_EQ(platform::MultiStringFromValueData(line.data),
            (std::vector<std::u16string>{u"a b", u" c,\"d ", u"e"}));
  line = Parsed("HKCU, K, N, 0x10002, \"\"");
  EXPECT_TRUE(line.noOverwrite);
  EXPECT_EQ(line.data, platform::MultiStringValueData({}));
}

TEST(RegistryLine, TargetsOfDeleteAndList) {
  auto target = [](const std::string& text, bool ignoreValue = false) {
    return ParseRegistryTarget(U(text), ignoreValue);
  };
  auto fault = [&](const std::string& text) {
    const auto parsed = target(text);
    const LineFault* found = std::get_if<LineFault>(&parsed);
    return found ? found->message : 0u;
  };
  EXPECT_EQ(fault("HKLM,"), 121u);
  EXPECT_EQ(fault("HKLM, \"\""), 121u);
  EXPECT_EQ(fault("HKLM"), 120u);
  EXPECT_EQ(fault("HKLM, \"a\" b"), 121u);
  EXPECT_EQ(fault("HKLM, a, " + std::string(260, 'n')), 122u);
  EXPECT_EQ(fault("HKLM, a, \"n"), 122u);
  EXPECT_EQ(fault("HKLM, a, n, more"), 122u);

  auto key = std::get<RegistryTarget>(target("HKCU, Software\\Test"));
  EXPECT_EQ(key.key, u"Software\\Test");
  EXPECT_FALSE(key.valueName);
  auto value = std::get<RegistryTarget>(target("HKCU, \"My Key\","));
  EXPECT_EQ(value.key, u"My Key");
  EXPECT_EQ(value.valueName, u"");
  value = std::get<RegistryTarget>(target("HKCU, K, \"Two Words\""));
  EXPECT_EQ(value.valueName, u"Two Words");
  // A tree listing reads no further than the key.
  auto tree = std::get<RegistryTarget>(target("HKCU, K, \"unclosed, 5", true));
  EXPECT_EQ(tree.key, u"K");
  EXPECT_FALSE(tree.valueName);
}

RegistryValue Value(std::uint32_t type, std::vector<std::uint8_t> data) {
  return RegistryValue{u"", type, std::move(data)};
}

TEST(RegistryLine, PrintsAsTheTablesShow) {
  EXPECT_EQ(Utf8(FormatRegistryLine(RegistryRoot::CurrentUser, u"Software\\Test", u"Name",
                                    Value(platform::kRegDword, platform::DwordValueData(12)))),
            "HKCU, Software\\Test, Name, 0x00010001, 12");
  EXPECT_EQ(Utf8(FormatRegistryLine(
                RegistryRoot::ClassesRoot, u"My Key", u"",
                Value(platform::kRegString, platform::StringValueData(u"hello world")))),
            "HKCR, \"My Key\", , 0x00000000, hello world");
  EXPECT_EQ(Utf8(FormatRegistryLine(RegistryRoot::LocalMachine, u"K", u"a,b",
                                    Value(platform::kRegBinary, {0x0A, 0xFF, 0x01}))),
            "HKLM, K, \"a,b\", 0x00000001, a, ff, 1");
  EXPECT_EQ(
      Utf8(FormatRegistryLine(RegistryRoot::CurrentUser, u"K", u"N",
                              Value(platform::kRegDword, platform::DwordValueData(0xFFFFFFFE)))),
      "HKCU, K, N, 0x00010001, -2");
  EXPECT_EQ(Utf8(FormatRegistryLine(
                RegistryRoot::CurrentUser, u"K", u"N",
                Value(platform::kRegMultiString,
                      platform::MultiStringValueData({u"one", u"two three", u"x,y"})))),
            "HKCU, K, N, 0x00010000, one, \"two three\", \"x,y\"");
  // Types without a line form of their own, and a number of the wrong size,
  // show their bytes.
  EXPECT_EQ(Utf8(FormatRegistryLine(RegistryRoot::CurrentUser, u"K", u"N", Value(2, {0x41, 0}))),
            "HKCU, K, N, 0x00000001, 41, 0");
  EXPECT_EQ(Utf8(FormatRegistryLine(RegistryRoot::CurrentUser, u"K", u"N",
                                    Value(platform::kRegDword, {1, 2}))),
            "HKCU, K, N, 0x00000001, 1, 2");
}

// Prints a value and reads the line back: the same root, key, name and data.
void ExpectReadsBack(std::u16string_view key, std::u16string_view name, std::uint32_t type,
                     const std::vector<std::uint8_t>& data) {
  const std::u16string line =
      FormatRegistryLine(RegistryRoot::CurrentUser, key, name, RegistryValue{u"", type, data});
  SCOPED_TRACE(Utf8(line));
  LineResult<AddRegLine> parsed = ParseAddRegLine(line);
  ASSERT_TRUE(std::holds_alternative<AddRegLine>(parsed))
      << "message " << std::get<LineFault>(parsed).message;
  const AddRegLine& back = std::get<AddRegLine>(parsed);
  EXPECT_EQ(back.key, key);
  EXPECT_EQ(back.valueName, name);
  EXPECT_EQ(back.type, type);
  EXPECT_EQ(back.data, data);
}

TEST(RegistryLine, WhatIsPrintedReadsBack) {
  for (const char16_t* text : {u"", u" lead", u"trail ", u"\"", u"\"quoted\"", u"a\"b", u"a,b",
                               u"\"x\" y", u"tab\tin", u"\x01\x1b", u"日本語 テキスト", u"%"}) {
    ExpectReadsBack(u"K", u"N", platform::kRegString, platform::StringValueData(text));
  }
  for (const char16_t* name :
       {u"Default", u"a b", u"a,b", u"\"lead", u"mid\"dle", u"both\" ,\"", u"x\"\""}) {
    ExpectReadsBack(name, name, platform::kRegString, platform::StringValueData(u"v"));
  }
  ExpectReadsBack(u"K", u"N", platform::kRegBinary, {});
  ExpectReadsBack(u"K", u"N", platform::kRegBinary, {0, 0x10, 0xFF});
  ExpectReadsBack(u"K", u"N", platform::kRegDword, platform::DwordValueData(0x80000000));
  ExpectReadsBack(u"K", u"N", platform::kRegMultiString, platform::MultiStringValueData({}));
  ExpectReadsBack(u"K", u"N", platform::kRegMultiString,
                  platform::MultiStringValueData(
                      {u" lead", u"trail ", u"\"q", u"a\"b", u"c,d", u"tab\t", u"\x01", u"\"\""}));
}

TEST(RegistryLine, LineBreaksNeverReachTheLine) {
  const std::u16string line = FormatRegistryLine(
      RegistryRoot::CurrentUser, u"K\r\nDEL x", u"N\n",
      RegistryValue{u"", platform::kRegString, platform::StringValueData(u"a\r\nDEL *.*")});
  EXPECT_EQ(line.find_first_of(u"\r\n"), std::u16string::npos) << Utf8(line);
  const std::u16string multi = FormatRegistryLine(
      RegistryRoot::CurrentUser, u"K", u"N",
      RegistryValue{u"", platform::kRegMultiString, platform::MultiStringValueData({u"a\nb"})});
  EXPECT_EQ(Utf8(multi), "HKCU, K, N, 0x00010000, \"a b\"");
}

}  // namespace
}  // namespace tessera
