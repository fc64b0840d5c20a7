#include "commands/attrib_command.h"

#include <string>

#include "commands/path_limits.h"
#include "commands/rest_path.h"
#include "platform/files.h"
#include "platform/find.h"
#include "platform/text.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

namespace attribmsg {
constexpr std::int32_t kRomFile = 12;
constexpr std::int32_t kChangeFailed = 47;
constexpr std::int32_t kNotFound = 67;
}  // namespace attribmsg

struct AttribOptions {
  std::uint32_t set = 0;
  std::uint32_t clear = 0;
  bool fullPaths = false;
  std::u16string path;
};

std::uint32_t LetterBit(char16_t letter) {
  switch (platform::ToUpper(letter)) {
    case u'A':
      return platform::kAttrArchive;
    case u'H':
      return platform::kAttrHidden;
    case u'R':
      return platform::kAttrReadOnly;
    case u'S':
      return platform::kAttrSystem;
    default:
      return 0;
  }
}

AttribOptions ReadAttribOptions(std::u16string_view text) {
  AttribOptions options;
  std::size_t i = SkipBlanksFrom(text, 0);
  while (i < text.size()) {
    const char16_t lead = text[i];
    const bool isP = lead == u'/' && i + 1 < text.size() && platform::ToUpper(text[i + 1]) == u'P';
    if (lead != u'+' && lead != u'-' && !isP) break;
    const std::size_t end = WordEnd(text, false, i);
    if (isP) {
      options.fullPaths = true;
    } else {
      std::uint32_t& mask = lead == u'+' ? options.set : options.clear;
      for (std::size_t k = i + 1; k < end; ++k) mask |= LetterBit(text[k]);
    }
    i = SkipBlanksFrom(text, end);
  }
  options.path = ReadRestPath(text.substr(i));
  return options;
}

}  // namespace

std::u16string AttributeField(std::uint32_t attributes) {
  struct Place {
    std::uint32_t bit;
    char16_t letter;
  };
  static constexpr Place kPlaces[] = {
      {platform::kAttrInRom, u'*'},   {platform::kAttrDirectory, u'D'},
      {platform::kAttrArchive, u'A'}, {platform::kAttrSystem, u'S'},
      {platform::kAttrHidden, u'H'},  {platform::kAttrReadOnly, u'R'},
  };
  std::u16string field;
  for (const Place& place : kPlaces) field += (attributes & place.bit) ? place.letter : u'-';
  return field;
}

ResultCode AttribCommand(CommandCall& call) {
  const AttribOptions options = ReadAttribOptions(call.arguments);
  const std::u16string path =
      MakeAbsolute(call.context, options.path.empty() ? u"*.*" : options.path);
  if (IsTooLongPath(path)) {
    ShowPathTooLong(path);
    SetErrorLevel(call.context, 1);
    return kFileError;
  }
  auto found = platform::FindFiles(path);
  if (!found) {
    ShowError(attribmsg::kNotFound, path);
    SetErrorLevel(call.context, 1);
    return kFileError;
  }
  const bool change = options.set != 0 || options.clear != 0;
  for (const platform::FindData& entry : *found) {
    const std::u16string full = ReplaceFileName(path, entry.name);
    if (IsTooLongPath(full)) {
      ShowPathTooLong(full);
      continue;
    }
    const std::uint32_t attributes = entry.info.attributes;
    if (!change) {
      PrintLine(AttributeField(attributes),
                options.fullPaths ? std::u16string_view(full) : entry.name);
      continue;
    }
    if (attributes & platform::kAttrInRom) {
      ShowError(attribmsg::kRomFile, full);
      continue;
    }
    const std::uint32_t wanted = (attributes & ~options.clear) | options.set;
    if (!platform::SetFileAttributes(full, wanted)) ShowError(attribmsg::kChangeFailed, full);
  }
  return kOk;
}

}  // namespace tessera
