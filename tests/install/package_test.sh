#!/usr/bin/env bash
# Packs the build tree as a Debian package and checks its declared
# run-time dependencies. Arguments: the build tree, the cpack program.
# Skipped (77) without the Debian packaging tools.
set -euo pipefail
build=$1
cpack=${2:-cpack}
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || exit 77
work=$(mktemp -d "${TMPDIR:-/tmp}/tessera-package-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
package=$(ls "$work"/tessera_*.deb)
info=$(dpkg-deb -I "$package")
depends=$(grep '^ Depends:' <<<"$info")
for needed in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libsqlite3-0 qt6-qpa-plugins \
  fonts-noto-cjk; do
  grep -q "$needed" <<<"$depends" || { echo "FAIL: $needed not in$depends" >&2; exit 1; }
done
contents=$(dpkg-deb -c "$package")
for file in ./usr/lib/tessera/Tessera.exe ./usr/lib/tessera/libtessera-window.so ./usr/lib/tessera/bin/peghelp.exe ./usr/bin/tessera \
  ./usr/share/applications/tessera.desktop; do
  grep -q " $file" <<<"$contents" || { echo "FAIL: $file not in the package" >&2; exit 1; }
done
echo "$(basename "$package"):$depends"
