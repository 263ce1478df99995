#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, and only
# what is missing: a second run costs a dpkg query and nothing more.
set -euo pipefail

packages=(
  cmake ninja-build make
  g++ clang libclang-rt-14-dev
  googletest libbenchmark-dev
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine64 xvfb xauth x11-utils socat imagemagick fonts-ipafont-gothic locales
  # Wine's own fonts: Marlett draws the caption buttons (scripts/run.sh and
  # tests/devtools/show_page.sh put it into their prefixes).
  fonts-wine
  clang-format ccache
  python3-pil fonts-dejavu-core
  nftables
  wixl zip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

# The Windows tests run with LANG=ja_JP.UTF-8 so that the ANSI code page is 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
