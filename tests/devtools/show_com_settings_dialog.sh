#!/usr/bin/env bash
# Shows the serial settings dialog under Xvfb with the Japanese locale and
# saves a screenshot, so that anyone can look at it as a user would.
#   tests/devtools/show_com_settings_dialog.sh [OUT.png]
# OUT defaults to $VOSTREL_BUILD_DIR/com_settings_dialog.png. Needs the
# Windows tree built (scripts/test.sh) for the libraries and the golden Wine
# prefix; uses its own copy of that prefix with the X11 driver.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
out=${1:-$build/com_settings_dialog.png}
work="$build/com-settings-viewer"
. "$root/scripts/lib/wine.sh"

[ -f "$build/win/wine/golden/.vostrel-ready" ] || { echo "build the Windows tree first (scripts/test.sh)" >&2; exit 1; }
mkdir -p "$work"

x86_64-w64-mingw32-windres -I "$root/src/res" "$root/src/res/com_settings_dialog.rc" -O coff -o "$work/dialog.res"
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -DUNICODE -D_UNICODE -DNOMINMAX -DWIN32_LEAN_AND_MEAN \
  -I "$root/src" -municode -mwindows "$root/tests/devtools/com_settings_viewer.cpp" "$work/dialog.res" \
  -L "$build/win/src" -lvostrel_win -lvostrel_core -lvostrel_platform \
  -lcomctl32 -lgdi32 -luser32 -static -static-libgcc -static-libstdc++ -o "$work/viewer.exe"

# A prefix of our own that draws through X11.
wine_env "$work/prefix"
wine_copy_golden "$build/win/wine/golden"
wine_draw_on_x11

xvfb_start 400x300x24
viewer_pid=
cleanup() {
  [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null || true
  wine_stop
  xvfb_stop
}
trap cleanup EXIT

"$wine" "$work/viewer.exe" >/dev/null 2>&1 </dev/null &
viewer_pid=$!
# Wait until Wine has made a window for the dialog, then let it draw.
for _ in $(seq 1 60); do
  if [ "$(xwininfo -root -children 2>/dev/null | grep -c '^ *0x')" -gt 0 ]; then break; fi
  sleep 0.5
done
sleep 3
import -window root "$out"
echo "$out"
