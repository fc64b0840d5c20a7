#include "launch/redirection.h"

#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

// Reads a target name from i; returns the position after it.
std::size_t ReadTarget(std::u16string_view text, std::size_t i, ShellContext& context,
                       std::u16string& path) {
  i = SkipBlanksFrom(text, i);
  std::u16string name;
  if (i < text.size() && text[i] == u'"') {
    const std::size_t close = text.find(u'"', i + 1);
    if (close == std::u16string_view::npos) {
      name = std::u16string(text.substr(i + 1));
      i = text.size();
    } else {
      name = std::u16string(text.substr(i + 1, close - i - 1));
      i = SkipBlanksFrom(text, close + 1);
    }
  } else {
    const std::size_t start = i;
    while (i < text.size() && text[i] != u'|' && text[i] != u'<' && text[i] != u'>' &&
           text[i] != u'&')
      ++i;
    name = std::u16string(text.substr(start, i - start));
  }
  TrimTrailing(name);
  if (name.size() > kMaxRedirectTarget) return i;
  if (!name.empty() && name[0] != u'\\') {
    name = MakeAbsolute(context, name);
    // A joined path past the device's limit names no file: keep the old one.
    if (name.size() > kMaxRedirectTarget) return i;
  }
  path = std::move(name);
  return i;
}

}  // namespace

RedirectSpec ParseRedirections(std::u16string_view text, ShellContext& context) {
  RedirectSpec redirect;
  std::u16string& out = redirect.argumentText;
  std::size_t i = SkipBlanksFrom(text, 0);
  while (i < text.size()) {
    const char16_t c = text[i];
    if (c == u'&') {
      const std::size_t after = SkipBlanksFrom(text, i + 1);
      if (after >= text.size()) {
        redirect.background = true;
        break;
      }
      out += u'&';
      ++i;
    } else if (IsBlank(c)) {
      out += u' ';
      i = SkipBlanksFrom(text, i);
    } else if (c == u'<') {
      i = ReadTarget(text, i + 1, context, redirect.inputPath);
      out += u' ';
    } else if (c == u'>') {
      redirect.append = i + 1 < text.size() && text[i + 1] == u'>';
      i = ReadTarget(text, i + (redirect.append ? 2 : 1), context, redirect.outputPath);
      out += u' ';
    } else {
      const std::optional<Token> token = GetToken(text, i, true);
      if (!token) {
        out += text.substr(i);
        break;
      }
      out += text.substr(i, token->next - i);
      i = token->next;
    }
  }
  TrimTrailing(out);
  return redirect;
}

}  // namespace tessera
