#include "shell/shell_context.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/text.h"
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

// The behaviour the index must keep, as the plain ordered list it replaces:
// lookups walk the list, creation appends, removal unlinks.
class PlainList {
 public:
  ContextValue* Find(std::u16string_view name) {
    for (auto& entry : entries_) {
      if (entry.name == name) return &entry;
    }
    return nullptr;
  }
  void Create(std::u16string_view name, std::uint32_t flags) {
    entries_.push_back({std::u16string(name), std::nullopt, flags});
  }
  void Remove(std::u16string_view name) {
    std::erase_if(entries_, [&](const ContextValue& entry) { return entry.name == name; });
  }
  const ContextValue* FirstVisibleWithPrefix(std::u16string_view prefix) const {
    for (const auto& entry : entries_) {
      if (!(entry.flags & kValueHidden) && platform::StartsWithNoCase(entry.name, prefix))
        return &entry;
    }
    return nullptr;
  }
  const std::vector<ContextValue>& entries() const { return entries_; }

 private:
  std::vector<ContextValue> entries_;
};

void ExpectSameList(const ShellContext& context, const PlainList& model, int step) {
  const auto& entries = context.entries();
  ASSERT_EQ(entries.size(), model.entries().size()) << "step " << step;
  EXPECT_EQ(context.empty(), model.entries().empty());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ASSERT_NE(entries[i], nullptr) << "step " << step;
    EXPECT_EQ(entries[i]->name, model.entries()[i].name) << "step " << step << " slot " << i;
    EXPECT_EQ(entries[i]->value, model.entries()[i].value) << "step " << step;
    EXPECT_EQ(entries[i]->flags, model.entries()[i].flags) << "step " << step;
  }
}

// Random finds, creations, settings, removals, flag changes, prefix
// lookups and copies, on few short names that differ in case (so that many
// share a prefix), compared after every step with the plain list.
TEST(ShellContext, IndexAgreesWithThePlainListUnderRandomOperations) {
  const std::u16string letters = u"AaBb\u00e9\u00c9 ";
  std::mt19937 random(20240518);
  auto randomName = [&] {
    std::u16string name;
    const std::size_t length = 1 + random() % 4;
    for (std::size_t i = 0; i < length; ++i) name += letters[random() % letters.size()];
    return name;
  };
  ShellContext context;
  PlainList model;
  for (int step = 0; step < 20000; ++step) {
    const std::u16string name = randomName();
    switch (random() % 8) {
      case 0: {  // find only
        const ContextValue* found = context.FindValue(name, kFindOnly);
        const ContextValue* expected = model.Find(name);
        ASSERT_EQ(found == nullptr, expected == nullptr) << "step " << step;
        if (found) {
          EXPECT_EQ(found->value, expected->value);
        }
        break;
      }
      case 1: {  // find or create, visible or hidden
        const std::uint32_t mode = random() % 2 ? std::uint32_t{kCreateHidden} : 0u;
        ContextValue* entry = context.FindValue(name, mode);
        if (!model.Find(name)) model.Create(name, mode ? std::uint32_t{kValueHidden} : 0u);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->name, name);
        break;
      }
      case 2:
      case 3: {  // set, creating with flags
        const std::u16string value =
            u"v" + std::u16string(1, static_cast<char16_t>(u'0' + step % 10));
        const std::uint32_t flags = random() % 3 == 0 ? std::uint32_t{kValueNotDeletable} : 0u;
        context.Set(name, value, flags);
        if (!model.Find(name)) model.Create(name, flags);
        model.Find(name)->value = value;
        break;
      }
      case 4:
      case 5:  // remove (often absent)
        context.RemoveValue(name);
        model.Remove(name);
        break;
      case 6: {  // internal code changes flags and values through the entry
        ContextValue* entry = context.FindValue(name, kFindOnly);
        if (!entry) break;
        entry->flags ^= kValueHidden;
        entry->value.reset();
        model.Find(name)->flags ^= kValueHidden;
        model.Find(name)->value.reset();
        break;
      }
      default: {  // a copy is independent; an assigned copy carries on
        if (step % 50 == 0) {
          ShellContext copy = context;
          copy.Set(u"only in the copy", u"x");
          context = copy;
          context.RemoveValue(u"only in the copy");
        }
        break;
      }
    }
    const std::u16string prefix = name.substr(0, 1 + random() % name.size());
    const ContextValue* byPrefix = context.FindVisibleByPrefix(prefix);
    const ContextValue* expected = model.FirstVisibleWithPrefix(prefix);
    ASSERT_EQ(byPrefix == nullptr, expected == nullptr) << "step " << step;
    if (byPrefix) {
      EXPECT_EQ(byPrefix->name, expected->name) << "step " << step;
    }
    if (step % 97 == 0) ExpectSameList(context, model, step);
  }
  ExpectSameList(context, model, -1);
}

TEST(ShellContext, EntriesStayWhereTheyAreWhileOthersComeAndGo) {
  ShellContext context;
  ContextValue* kept = &context.Set(u"KEPT", u"1");
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 500; ++i) context.Set(u"V" + testing::U(std::to_string(i)), u"x");
    for (int i = 0; i < 500; ++i) context.RemoveValue(u"V" + testing::U(std::to_string(i)));
  }
  EXPECT_EQ(context.FindValue(u"KEPT", kFindOnly), kept);
  EXPECT_EQ(Utf8(*kept->value), "1");
  ASSERT_EQ(context.entries().size(), 1u);
  EXPECT_EQ(context.entries().front().get(), kept);
  // A name removed and made again goes to the end.
  context.Set(u"B", u"2");
  context.RemoveValue(u"KEPT");
  context.Set(u"KEPT", u"3");
  ASSERT_EQ(context.entries().size(), 2u);
  EXPECT_EQ(Utf8(context.entries()[0]->name), "B");
  EXPECT_EQ(Utf8(context.entries()[1]->name), "KEPT");
}

}  // namespace
}  // namespace tessera
