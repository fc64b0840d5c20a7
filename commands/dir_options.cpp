#include "commands/dir_options.h"

#include "platform/device.h"
#include "platform/files.h"
#include "platform/text.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

std::uint32_t AttributeLetterBit(char16_t letter) {
  switch (platform::ToUpper(letter)) {
    case u'R':
      return platform::kAttrReadOnly;
    case u'H':
      return platform::kAttrHidden;
    case u'S':
      return platform::kAttrSystem;
    case u'D':
      return platform::kAttrDirectory;
    case u'A':
      return platform::kAttrArchive;
    default:
      return 0;
  }
}

// One group, the text after its '/'. Gives false for a refused group.
bool ParseGroup(std::u16string_view group, DirParse& parse) {
  DirOptions& options = parse.options;
  const bool negate = !group.empty() && group.front() == u'-';
  std::size_t k = negate ? 1 : 0;
  const int value = negate ? -1 : 1;
  for (; k < group.size(); ++k) {
    switch (platform::ToUpper(group[k])) {
      case u'A': {
        if (negate) {
          parse.badOption = u"/-A";
          return false;
        }
        // The rest of the group is attribute letters; after a '-' they exclude.
        options.filter = true;
        bool excluding = false;
        for (++k; k < group.size(); ++k) {
          if (group[k] == u'-') {
            excluding = true;
            continue;
          }
          (excluding ? options.exclude : options.include) |= AttributeLetterBit(group[k]);
        }
        return true;
      }
      case u'O':
        if (negate) {
          parse.badOption = u"/-O";
          return false;
        }
        options.sortKeys = std::u16string(group.substr(k + 1));
        return true;
      case u'B':
        options.bare = value;
        break;
      case u'C':
        options.grouping = value;
        break;
      case u'L':
        options.letterCase = value;
        break;
      case u'S':
        options.recursive = value;
        break;
      case u'W':
        options.wide = value;
        break;
      default:
        return true;  // an unknown letter ends its group
    }
  }
  return true;
}

}  // namespace

DirParse ParseDirArguments(std::u16string_view text) {
  DirParse parse;
  std::size_t i = 0;
  while (true) {
    i = SkipBlanksFrom(text, i);
    if (i >= text.size()) break;
    if (text[i] == u'/') {
      const std::size_t end = WordEnd(text, false, i);
      if (!ParseGroup(text.substr(i + 1, end - i - 1), parse)) {
        parse.error = DirParseError::BadOption;
        return parse;
      }
      i = end;
      continue;
    }
    const auto token = GetToken(text, i, false);
    if (!token || token->end - token->start > platform::kMaxDevicePath) {
      parse.error = DirParseError::Syntax;
      return parse;
    }
    parse.options.path = std::u16string(text.substr(token->start, token->end - token->start));
    i = token->next;
  }
  return parse;
}

}  // namespace tessera
