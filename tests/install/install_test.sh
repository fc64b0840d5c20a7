#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and runs the installed
# shell and a tool from there. Arguments: the build tree, the cmake program.
set -euo pipefail
build=$1
cmake=${2:-cmake}
work=$(mktemp -d "${TMPDIR:-/tmp}/tessera-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
export LC_ALL=C.UTF-8 TZ=UTC
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM TESSERA_ROOT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

lib=$prefix/lib/tessera
for file in Tessera.exe libtessera-window.so bin/diff.exe bin/sort.exe bin/TSXKF.exe bin/upcase.exe bin/hostreport.exe \
  bin/question.exe bin/peghelp.exe HELPBRIEF.TXT; do
  [[ -f $lib/$file ]] || fail "$file is not installed"
done
for page in "$build"/*.HTM; do
  [[ -e $page ]] || continue
  [[ -f $lib/$(basename "$page") ]] || fail "$(basename "$page") is not installed"
done
if [[ -d $build/Language ]]; then
  [[ -d $lib/Language ]] || fail "Language/ is not installed"
fi
[[ -f $prefix/share/applications/tessera.desktop ]] || fail "no desktop entry"
[[ -f $prefix/share/icons/hicolor/scalable/apps/tessera.svg ]] || fail "no icon"
[[ -L $prefix/bin/tessera ]] || fail "bin/tessera is not a link"
[[ $(readlink -f "$prefix/bin/tessera") == $(readlink -f "$lib/Tessera.exe") ]] ||
  fail "bin/tessera does not lead to the program"

# The installed shell on a device of its own runs a companion tool.
root=$work/device
transcript=$(printf 'echo b> \\x.txt\necho a>> \\x.txt\nsort \\x.txt\nhelp sort\n' |
  "$prefix/bin/tessera" --tty --root "$root")
grep -qx 'a' <<<"$transcript" || fail "sort gave no a: $transcript"
grep -qx 'b' <<<"$transcript" || fail "sort gave no b: $transcript"
grep -q '^sort \[/R\]' <<<"$transcript" || fail "HELP SORT found nothing: $transcript"
# Its program folder and \Windows lead to the installed files, not the build.
[[ $(readlink "$root/Program Files/Tessera/Tessera.exe") == "$lib/Tessera.exe" ]] ||
  fail "the program folder does not lead to the installed program"
[[ $(readlink "$root/Windows/peghelp.exe") == "$lib/bin/peghelp.exe" ]] ||
  fail "\\Windows\\peghelp.exe does not lead to the installed viewer"

# A tool started from bash takes host paths.
printf 'b\na\n' >"$work/in.txt"
[[ $("$lib/bin/sort.exe" "$work/in.txt") == $'a\nb' ]] || fail "sort.exe from bash"
echo "installed into $prefix and ran"
