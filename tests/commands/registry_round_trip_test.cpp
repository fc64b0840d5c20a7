// Random values written with ADDREG, listed with DIRREG /s, replayed into an
// emptied registry and listed again must give the same listing and values.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "platform/registry.h"
#include "platform/text.h"
#include "support/shell_fixture.h"

namespace tessera {
namespace {

using platform::RegistryRoot;
using testing::U;
using testing::Utf8;

struct ModelValue {
  std::u16string name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
};

struct ModelKey {
  RegistryRoot root = RegistryRoot::CurrentUser;
  std::u16string path;
  std::vector<ModelValue> values;  // in creation order
};

constexpr const char* kRootNames[] = {"HKCR", "HKCU", "HKLM"};

class LineGenerator {
 public:
  explicit LineGenerator(unsigned seed) : random_(seed) {}

  // One ADDREG line (as typed) for a new or replaced value; updates the model.
  std::string NextLine() {
    ModelKey& key = PickKey();
    ModelValue value;
    const bool replace = !key.values.empty() && Chance(10);
    if (replace) {
      value.name = key.values[Below(key.values.size())].name;
    } else if (Chance(8) && !HasName(key, u"")) {
      value.name = u"";  // the default value
    } else if (Chance(8) && !HasName(key, u"Default")) {
      value.name = u"Default";
    } else {
      value.name = u"V" + Number(next_++) + Junk(8, true);
      while (value.name.back() == u' ') value.name.pop_back();
    }
    const std::u16string data = MakeData(value.name.empty() ? 0 : Below(4), value);
    std::uint32_t flags = FlagsOf(value.type);
    if (!replace && Chance(4)) flags |= 0x2;  // the value is new: written all the same

    std::u16string line = U(kRootNames[static_cast<int>(key.root) - 1]);
    if (Chance(3)) {
      for (char16_t& c : line) c = static_cast<char16_t>(c | 0x20);  // roots in any case
    }
    line += Blanks() + u"," + Blanks() + NameField(key.path) + Blanks() + u"," + Blanks();
    line += (value.name.empty() && Chance(2)) ? u"" : NameField(value.name);
    line += Blanks() + u"," + Blanks() + FlagsText(flags) + Blanks() + u"," + Blanks() + data;

    auto existing = std::find_if(key.values.begin(), key.values.end(),
                                 [&](const ModelValue& v) { return v.name == value.name; });
    if (existing != key.values.end()) {
      existing->type = value.type;
      existing->data = value.data;
    } else {
      key.values.push_back(value);
    }
    return "ADDREG " + Utf8(ForCommandLine(line));
  }

  const std::vector<ModelKey>& keys() const { return keys_; }

 private:
  bool Chance(unsigned oneIn) { return Below(oneIn) == 0; }
  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  static std::u16string Number(std::size_t n) { return U(std::to_string(n)); }

  bool HasName(const ModelKey& key, std::u16string_view name) {
    for (const ModelValue& v : key.values) {
      if (platform::EqualsNoCase(v.name, name)) return true;
    }
    return false;
  }

  // Characters the line syntax has to carry.
  std::u16string Junk(std::size_t most, bool forName) {
    static const std::u16string kPool = u"aZ9 ,\"%\\.-_日本語ｶﾅ😀";
    static const std::u16string kDataOnly = u"\t\x01\x1b";
    std::u16string text;
    const std::size_t length = Below(most + 1);
    while (text.size() < length) {
      if (!forName && Chance(8)) {
        text += kDataOnly[Below(kDataOnly.size())];
        continue;
      }
      const std::size_t at = Below(kPool.size());
      if (kPool[at] >= 0xD800 && kPool[at] <= 0xDFFF) {
        text += u"😀";
      } else {
        text += kPool[at];
      }
    }
    return text;
  }

  ModelKey& PickKey() {
    if (keys_.empty() || Chance(4)) {
      ModelKey key;
      std::u16string component = u"K" + Number(next_++);
      std::u16string junk = Junk(6, true);
      for (char16_t& c : junk) {
        if (c == u'\\') c = u'-';
      }
      while (!junk.empty() && junk.back() == u' ') junk.pop_back();
      component += junk;
      if (!keys_.empty() && Chance(2)) {
        const ModelKey& parent = keys_[Below(keys_.size())];
        if (parent.path.size() < 120) {
          key.root = parent.root;
          key.path = parent.path + u"\\" + component;
        }
      }
      if (key.path.empty()) {
        key.root = static_cast<RegistryRoot>(1 + Below(3));
        key.path = u"RT\\" + component;
      }
      keys_.push_back(key);
      return keys_.back();
    }
    return keys_[Below(keys_.size())];
  }

  static bool IsBlankChar(char16_t c) { return c == u' ' || c == u'\t'; }

  // A key or value name as a field: quoted when it has to be, else at random.
  std::u16string NameField(std::u16string_view name) {
    const bool must = name.find_first_of(u",") != std::u16string_view::npos ||
                      (!name.empty() && name.front() == u'"');
    if (!must && !Chance(3)) return std::u16string(name);
    std::u16string out = u"\"";
    if (Chance(2)) out += u"  ";
    for (char16_t c : name) {
      if (c == u'"') out += u'"';
      out += c;
    }
    if (Chance(2)) out += u" ";
    return out + u"\"";
  }

  std::u16string Blanks() {
    static const char16_t* kBlanks[] = {u"", u"", u" ", u"  ", u"\t"};
    return kBlanks[Below(5)];
  }

  static std::uint32_t FlagsOf(std::uint32_t type) {
    switch (type) {
      case platform::kRegBinary:
        return 0x1;
      case platform::kRegMultiString:
        return 0x10000;
      case platform::kRegDword:
        return 0x10001;
      default:
        return 0;
    }
  }

  std::u16string FlagsText(std::uint32_t flags) {
    if (Chance(2)) return Number(flags);
    char text[16];
    std::snprintf(text, sizeof text, Chance(2) ? "0x%x" : "0x%08X", flags);
    return U(text);
  }

  // Data of a random type (0 string, 1 binary, 2 number, 3 multi-string).
  std::u16string MakeData(std::size_t kind, ModelValue& value) {
    if (kind == 1) {
      value.type = platform::kRegBinary;
      if (Chance(10)) return u"\"\"";
      std::u16string text;
      const std::size_t count = 1 + Below(8);
      for (std::size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<std::uint8_t>(Below(256));
        value.data.push_back(byte);
        char piece[8];
        std::snprintf(piece, sizeof piece, Chance(2) ? "%x" : "%03X", byte);
        if (i > 0) text += u"," + Blanks();
        text += U(piece);
      }
      return text;
    }
    if (kind == 2) {
      value.type = platform::kRegDword;
      const auto number = static_cast<std::uint32_t>(random_());
      value.data = platform::DwordValueData(number);
      switch (Below(3)) {
        case 0:
          return Number(number);
        case 1:
          return U(std::to_string(static_cast<std::int32_t>(number)));
        default: {
          char text[16];
          std::snprintf(text, sizeof text, "0x%x", number);
          return U(text);
        }
      }
    }
    if (kind == 3) {
      value.type = platform::kRegMultiString;
      std::vector<std::u16string> pieces;
      const std::size_t count = Below(4);
      std::u16string text;
      for (std::size_t i = 0; i < count; ++i) {
        std::u16string piece = Junk(6, false);
        if (piece.empty()) piece = u"p";
        pieces.push_back(piece);
        bool must =
            piece.front() == u'"' || IsBlankChar(piece.front()) || IsBlankChar(piece.back());
        for (char16_t c : piece) must = must || c == u',' || c < 0x20;
        if (i > 0) text += u"," + Blanks();
        if (must || Chance(3)) {
          text += u"\"";
          for (char16_t c : piece) {
            if (c == u'"') text += u'"';
            text += c;
          }
          text += u"\"";
        } else {
          text += piece;
        }
      }
      value.data = platform::MultiStringValueData(pieces);
      return pieces.empty() ? u"\"\"" : text;
    }
    value.type = platform::kRegString;
    std::u16string text = Junk(12, false);
    if (Chance(6)) text = u" " + text + u" ";
    value.data = platform::StringValueData(text);
    const bool must = text.empty() || IsBlankChar(text.front()) || IsBlankChar(text.back()) ||
                      text.front() == u'"';
    return (must || Chance(3)) ? u"\"" + text + u"\"" : text;
  }

  // Typed text: %% stands for %.
  static std::u16string ForCommandLine(std::u16string_view text) {
    std::u16string out;
    for (char16_t c : text) {
      if (c == u'%') out += u'%';
      out += c;
    }
    return out;
  }

  std::mt19937 random_;
  std::vector<ModelKey> keys_;
  std::size_t next_ = 0;
};

class RegistryRoundTripTest : public testing::ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    console_.SetAppendObserver([this](std::u16string_view text) { captured_ += text; });
  }

  // What a line printed, however long the console has grown.
  std::u16string Capture(const std::string& line) {
    captured_.clear();
    ExecuteLine(U(line), context_, nullptr, 0);
    return captured_;
  }

  std::u16string ListAll() {
    std::u16string all;
    for (const char* root : kRootNames) {
      all += Capture(std::string("DIRREG /s ") + root + ", RT");
      EXPECT_EQ(Value("ERRORLEVEL"), "0") << root;
    }
    return all;
  }

  void ExpectRegistryHolds(const std::vector<ModelKey>& keys) {
    platform::Result<platform::Registry> registry = platform::DeviceRegistry();
    ASSERT_TRUE(registry.ok());
    for (const ModelKey& key : keys) {
      platform::Result<platform::RegistryKey> opened =
          platform::OpenKey(registry->Root(key.root), key.path);
      ASSERT_TRUE(opened.ok()) << Utf8(key.path);
      for (std::size_t i = 0; i < key.values.size(); ++i) {
        const ModelValue& expected = key.values[i];
        platform::Result<platform::RegistryValue> value = platform::EnumValue(*opened, i);
        ASSERT_TRUE(value.ok()) << Utf8(key.path) << " #" << i;
        EXPECT_EQ(value->name, expected.name) << Utf8(key.path);
        EXPECT_EQ(value->type, expected.type) << Utf8(key.path) << ", " << Utf8(expected.name);
        EXPECT_EQ(value->data, expected.data) << Utf8(key.path) << ", " << Utf8(expected.name);
      }
      EXPECT_EQ(platform::EnumValue(*opened, static_cast<std::uint32_t>(key.values.size())).error(),
                platform::ErrorCode::NoMoreFiles);
    }
  }

  std::u16string captured_;
};

TEST_F(RegistryRoundTripTest, ListingReadsBackToTheSameValues) {
  for (unsigned seed : {1u, 20240611u}) {
    SCOPED_TRACE(seed);
    LineGenerator generator(seed);
    for (int i = 0; i < 300; ++i) {
      const std::string line = generator.NextLine();
      ASSERT_EQ(Utf8(Capture(line)), "") << line;
      ASSERT_EQ(Value("ERRORLEVEL"), "0") << line;
    }
    ExpectRegistryHolds(generator.keys());
    const std::u16string first = ListAll();

    for (const char* root : kRootNames) Capture(std::string("DELREG /q ") + root + ", RT");
    std::size_t replayed = 0;
    std::size_t start = 0;
    while (start < first.size()) {
      std::size_t end = first.find(u"\r\n", start);
      if (end == std::u16string::npos) end = first.size();
      const std::u16string line = first.substr(start, end - start);
      start = end + 2;
      if (line.empty()) continue;
      const std::string command = "ADDREG " + Utf8(line);
      ASSERT_EQ(Utf8(Capture(command)), "") << command;
      ++replayed;
    }
    std::size_t values = 0;
    for (const ModelKey& key : generator.keys()) values += key.values.size();
    EXPECT_EQ(replayed, values);
    ExpectRegistryHolds(generator.keys());
    EXPECT_EQ(Utf8(ListAll()), Utf8(first));
    for (const char* root : kRootNames) Capture(std::string("DELREG /q ") + root + ", RT");
  }
}

}  // namespace
}  // namespace tessera
