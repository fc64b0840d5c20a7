#!/usr/bin/env bash
# Installs the Debian packages Tessera needs to build and test, when missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config   # toolchain
  libgtest-dev libgmock-dev          # tests
  libsqlite3-dev                     # the device registry
  qt6-base-dev fonts-noto-cjk        # the window and dialogs, with a font for Japanese text
  qt6-translations-l10n              # the toolkit's own buttons and dialogs in a library's language
  clang-format                       # the committed format, checked by CI
  clang libclang-rt-14-dev           # the fuzz harnesses (libFuzzer and the sanitizers)
  xvfb xauth                         # the window's tests and screenshots without a display
  dpkg-dev                           # cpack -G DEB: dpkg-shlibdeps finds the package's dependencies
)

missing=()
for p in "${packages[@]}"; do
  [[ "$p" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
