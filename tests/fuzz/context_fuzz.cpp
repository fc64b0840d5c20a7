// The session's named values against a plain list kept beside them: every
// set, removal, lookup, prefix lookup and copy must give what walking the
// list in creation order gives, however the index underneath is laid out.
//
// Names are drawn from a few units (cases, accented and Japanese letters) so
// that names collide, share beginnings and differ only in case.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "platform/text.h"
#include "shell/shell_context.h"

using namespace tessera;

namespace {

struct ModelEntry {
  std::u16string name;
  std::optional<std::u16string> value;
  std::uint32_t flags = 0;
};

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::u16string Name() {
    static constexpr char16_t kUnits[] = {u'A',      u'a',      u'B',      u'b',      u'_',
                                          u'\u00C9', u'\u00E9', u'\u00DF', u'\u30A2', u'1'};
    const std::size_t length = Byte() % 5;
    std::u16string name;
    for (std::size_t i = 0; i < length; ++i) name += kUnits[Byte() % std::size(kUnits)];
    return name;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

ModelEntry* FindInModel(std::vector<ModelEntry>& model, std::u16string_view name) {
  for (auto& entry : model) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

void RequireSame(const ShellContext& context, const std::vector<ModelEntry>& model) {
  std::size_t i = 0;
  for (const auto& entry : context.entries()) {
    if (!entry) continue;
    FUZZ_REQUIRE(i < model.size());
    FUZZ_REQUIRE(entry->name == model[i].name);
    FUZZ_REQUIRE(entry->value == model[i].value);
    FUZZ_REQUIRE(entry->flags == model[i].flags);
    ++i;
  }
  FUZZ_REQUIRE(i == model.size());
  FUZZ_REQUIRE(context.empty() == model.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in(data, size);
  ShellContext context;
  std::vector<ModelEntry> model;
  while (!in.done()) {
    const std::uint8_t op = in.Byte();
    const std::u16string name = in.Name();
    switch (op % 7) {
      case 0: {  // SET
        const std::uint32_t flags = (op & 0x80) ? kValueHidden : 0;
        const std::u16string value = in.Name() + u"=v";
        ContextValue& set = context.Set(name, value, flags);
        FUZZ_REQUIRE(set.name == name && set.value == value);
        ModelEntry* entry = FindInModel(model, name);
        if (!entry) entry = &model.emplace_back(ModelEntry{name, std::nullopt, flags});
        entry->value = value;
        break;
      }
      case 1:  // removal
        context.RemoveValue(name);
        std::erase_if(model, [&](const ModelEntry& entry) { return entry.name == name; });
        break;
      case 2: {  // lookup only
        const ContextValue* found = context.FindValue(name, kFindOnly);
        const ModelEntry* expected = FindInModel(model, name);
        FUZZ_REQUIRE((found == nullptr) == (expected == nullptr));
        if (found) FUZZ_REQUIRE(found->name == name && found->value == expected->value);
        const std::u16string* text = context.GetValueText(name);
        FUZZ_REQUIRE((text != nullptr) == (expected && expected->value.has_value()));
        break;
      }
      case 3: {  // lookup that creates
        const std::uint32_t mode = (op & 0x80) ? kCreateHidden : 0;
        ContextValue* found = context.FindValue(name, mode);
        FUZZ_REQUIRE(found != nullptr && found->name == name);
        if (!FindInModel(model, name)) {
          model.push_back(
              ModelEntry{name, std::nullopt, mode == kCreateHidden ? kValueHidden : 0u});
        }
        break;
      }
      case 4: {  // %NAME% prefix lookup: first visible in creation order
        const ContextValue* found = context.FindVisibleByPrefix(name);
        const ModelEntry* expected = nullptr;
        for (const auto& entry : model) {
          if (!(entry.flags & kValueHidden) && platform::StartsWithNoCase(entry.name, name)) {
            expected = &entry;
            break;
          }
        }
        FUZZ_REQUIRE((found == nullptr) == (expected == nullptr));
        if (found) FUZZ_REQUIRE(found->name == expected->name);
        break;
      }
      case 5: {  // copies keep everything, and go on working on their own
        ShellContext copy(context);
        RequireSame(copy, model);
        if (op & 0x80) context = std::move(copy);
        break;
      }
      default:
        RequireSame(context, model);
        break;
    }
  }
  RequireSame(context, model);
  return 0;
}
