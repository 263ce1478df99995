#!/usr/bin/env bash
# Shows the Standard page under Xvfb with the Japanese locale and saves a
# screenshot, so that anyone can look at the page as a user would.
#   tests/pages/show_standard_page.sh [MODEL] [OUT.png] [end]
# MODEL 0 (default) or 1; OUT defaults to $VOSTREL_BUILD_DIR/standard_page_MODEL.png;
# "end" shows the page scrolled to its end.
# Needs the Windows tree built (scripts/test.sh) for the libraries and the
# golden Wine prefix; uses its own copy of that prefix with the X11 driver.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
model=${1:-0}
out=${2:-$build/standard_page_$model.png}
where=${3:-top}
work="$build/page-viewer"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
display=:${VIEWER_DISPLAY:-97}

[ -f "$build/win/wine/golden/.vostrel-ready" ] || { echo "build the Windows tree first (scripts/test.sh)" >&2; exit 1; }
mkdir -p "$work"

x86_64-w64-mingw32-windres -I "$root/src/res" "$root/src/res/pages.rc" -O coff -o "$work/pages.res"
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -DUNICODE -D_UNICODE -DNOMINMAX -DWIN32_LEAN_AND_MEAN \
  -I "$root/src" -municode -mwindows "$root/tests/pages/standard_page_viewer.cpp" "$work/pages.res" \
  -L "$build/win/src" -lvostrel_win -lvostrel_core -lvostrel_platform \
  -lcomctl32 -lgdi32 -luser32 -static -static-libgcc -static-libstdc++ -o "$work/viewer.exe"

# A prefix of our own that draws through X11.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
"$wineserver" -k >/dev/null 2>&1 || true
"$wineserver" -w >/dev/null 2>&1 || true
rm -rf "$WINEPREFIX"
cp -a "$build/win/wine/golden" "$WINEPREFIX"
sed -i '/^"Graphics"="null"$/d' "$WINEPREFIX/user.reg"

Xvfb "$display" -screen 0 640x540x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
viewer_pid=
cleanup() {
  [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null || true
  "$wineserver" -k >/dev/null 2>&1 || true
  "$wineserver" -w >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display

"$wine" "$work/viewer.exe" "$model $where" >/dev/null 2>&1 </dev/null &
viewer_pid=$!
# Wait for the page to be drawn: its window shows up in the X tree.
for _ in $(seq 1 60); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Standard"'; then break; fi
  sleep 0.5
done
sleep 2
import -window root "$out"
echo "$out"
