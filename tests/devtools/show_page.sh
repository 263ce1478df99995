#!/usr/bin/env bash
# Shows a page under Xvfb with the Japanese locale and saves a screenshot, so
# that anyone can look at the page as a user would.
#   tests/devtools/show_page.sh PAGE [MODEL] [top|middle|end] [OUT.png]
# PAGE is a name of page_viewer.cpp's table (standard, advanced, ...); MODEL 0
# (default) or 1; "end" shows the page scrolled to its end, "middle" three
# pages down; OUT defaults to
# $VOSTREL_BUILD_DIR/PAGE_page_MODEL_WHERE.png (PAGE_page_MODEL_WHERE_DPI.png
# at another DPI). VOSTREL_SHOW_DPI=144 shows the page at 150 % (any DPI).
# Needs the Windows tree built (scripts/test.sh) for the libraries and the
# golden Wine prefix; uses its own copy of that prefix with the X11 driver.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
page=${1:?usage: show_page.sh PAGE [MODEL] [top|middle|end] [OUT.png]}
model=${2:-0}
where=${3:-top}
dpi=${VOSTREL_SHOW_DPI:-96}
suffix=""
[ "$dpi" = 96 ] || suffix="_$dpi"
out=${4:-$build/${page}_page_${model}_${where}${suffix}.png}
work="$build/page-viewer"
. "$root/scripts/lib/wine.sh"

[ -f "$build/win/wine/golden/.vostrel-ready" ] || { echo "build the Windows tree first (scripts/test.sh)" >&2; exit 1; }
mkdir -p "$work"

# Every template of the program, as the program links them.
resources=()
for rc in "$root"/src/res/*.rc; do
  res="$work/$(basename "${rc%.rc}").res.o"
  x86_64-w64-mingw32-windres -I "$root/src/res" -I "$build/win/generated" "$rc" -O coff -o "$res"
  resources+=("$res")
done
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -DUNICODE -D_UNICODE -DNOMINMAX -DWIN32_LEAN_AND_MEAN \
  -I "$root/src" -municode -mwindows "$root/tests/devtools/page_viewer.cpp" "${resources[@]}" \
  -L "$build/win/src" -lvostrel_win -lvostrel_core -lvostrel_platform \
  -lcomctl32 -lcomdlg32 -lgdi32 -luser32 -lws2_32 -luxtheme -static -static-libgcc -static-libstdc++ -o "$work/viewer.exe"

# A prefix of our own that draws through X11.
wine_env "$work/prefix"
wine_copy_golden "$build/win/wine/golden"
wine_draw_on_x11

xvfb_start "$((640 * dpi / 96))x$((540 * dpi / 96))x24"
viewer_pid=
cleanup() {
  [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null || true
  wine_stop
  xvfb_stop
}
trap cleanup EXIT
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null

"$wine" "$work/viewer.exe" "$page" "$model" "$where" >/dev/null 2>&1 </dev/null &
viewer_pid=$!
# Wait for the page to be drawn: its window shows up in the X tree.
for _ in $(seq 1 60); do
  if xwininfo -root -tree 2>/dev/null | grep -q "\"Page $page\""; then break; fi
  sleep 0.5
done
# Then until it is idle: two grabs a quarter of a second apart the same.
size="$((640 * dpi / 96))x$((540 * dpi / 96))"
rm -f "$work/grab.previous"
sleep 1
for _ in $(seq 60); do
  import -window root -depth 8 "rgb:$work/grab"
  if [ -f "$work/grab.previous" ] && cmp -s "$work/grab" "$work/grab.previous"; then break; fi
  mv "$work/grab" "$work/grab.previous"
  sleep 0.25
done
[ -f "$work/grab" ] || mv "$work/grab.previous" "$work/grab"
convert -size "$size" -depth 8 "rgb:$work/grab" "$out"
echo "$out"
