#!/usr/bin/env bash
# Shows a page under Xvfb with the Japanese locale and saves a screenshot, so
# that anyone can look at the page as a user would.
#   tests/pages/show_page.sh PAGE [MODEL] [OUT.png] [OPTIONS...]
# PAGE: easy, standard, information, calibration or print; MODEL 0 (default)
# or 1; OUT defaults to $VOSTREL_BUILD_DIR/PAGE_page_MODEL.png. OPTIONS:
# "end" shows a scrolling page scrolled to its end, "stored" sample values on
# the Information page, "marks" the black-mark guide on the Calibration page.
# Needs the Windows tree built (scripts/test.sh) for the libraries and the
# golden Wine prefix; uses its own copy of that prefix with the X11 driver.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
page=${1:?page: easy, standard, information, calibration or print}
model=${2:-0}
out=${3:-$build/${page}_page_$model.png}
shift $(($# < 3 ? $# : 3))
options="$*"
work="$build/page-viewer"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
display=:${VIEWER_DISPLAY:-97}

[ -f "$build/win/wine/golden/.vostrel-ready" ] || { echo "build the Windows tree first (scripts/test.sh)" >&2; exit 1; }
mkdir -p "$work"

# Every page's template and pictures.
for rc in "$root"/src/res/*.rc; do
  x86_64-w64-mingw32-windres -I "$root/src/res" --include-dir "$root/src/res" "$rc" -O coff \
    -o "$work/$(basename "$rc" .rc).res"
done
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -DUNICODE -D_UNICODE -DNOMINMAX -DWIN32_LEAN_AND_MEAN \
  -I "$root/src" -municode -mwindows "$root/tests/pages/page_viewer.cpp" "$work"/*.res \
  -L "$build/win/src" -lvostrel_win -lvostrel_core -lvostrel_platform \
  -lcomctl32 -lcomdlg32 -lgdi32 -luser32 -static -static-libgcc -static-libstdc++ -o "$work/viewer.exe"

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

"$wine" "$work/viewer.exe" "$page $model $options" >/dev/null 2>&1 </dev/null &
viewer_pid=$!
# Wait for the page to be drawn: its window shows up in the X tree.
for _ in $(seq 1 60); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Page"'; then break; fi
  sleep 0.5
done
sleep 2
import -window root "$out"
echo "$out"
