#!/usr/bin/env bash
# How long ZKQ_Vostrel.exe takes to start, and how much memory it takes,
# against an empty dialog program built the same way and started under the
# same Wine in the same run (not a test; the figures vary with the machine).
#   scripts/time-startup.sh [RUNS]    (default 15)
# Measured: from the process's creation until its main window is idle, and
# the peak working set at that moment; medians of RUNS starts each, taken in
# turns. Prints both and the ratios program / empty. A first start (no
# Vostrel.ini, no Recent.dat, no printer queues) in the Wine prefix of the
# build tree's golden copy, null graphics driver, Japanese code page.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
win="$build/win"
runs=${1:-15}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$win" --target ZKQ_Vostrel empty_dialog startup_timer >/dev/null
"$root/scripts/wine-prefix.sh" prepare "$win" >/dev/null

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
work="$build/timing"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
"$wineserver" -k >/dev/null 2>&1 || true
"$wineserver" -w >/dev/null 2>&1 || true
rm -rf "$work"
mkdir -p "$work/program" "$work/empty"
cp -a "$win/wine/golden" "$WINEPREFIX"
cp "$win/src/ZKQ_Vostrel.exe" "$work/program/"
cp "$win/tests/app/empty_dialog.exe" "$work/empty/"
cleanup() {
  # Only this script's own prefix.
  "$wineserver" -k >/dev/null 2>&1 || true
  "$wineserver" -w >/dev/null 2>&1 || true
}
trap cleanup EXIT
"$wineserver" -p >/dev/null 2>&1 </dev/null
"$wine" cmd /c exit >/dev/null 2>&1 </dev/null

# One start of each first, so that neither pays for what Wine loads once.
"$wine" "$win/tests/app/startup_timer.exe" 1 "Z:$work/empty/empty_dialog.exe" "Z:$work/program/ZKQ_Vostrel.exe" \
  >/dev/null 2>&1 </dev/null
"$wine" "$win/tests/app/startup_timer.exe" "$runs" "Z:$work/empty/empty_dialog.exe" \
  "Z:$work/program/ZKQ_Vostrel.exe" </dev/null 2>"$work/timer.err" | tr -d '\r' >"$work/timer.out" || {
  cat "$work/timer.err" >&2
  exit 1
}
read -r empty_ms empty_kib < <(sed -n 1p "$work/timer.out")
read -r program_ms program_kib < <(sed -n 2p "$work/timer.out")
awk -v runs="$runs" -v em="$empty_ms" -v ek="$empty_kib" -v pm="$program_ms" -v pk="$program_kib" 'BEGIN {
  printf "medians of %d starts each, until the main window is idle:\n", runs
  printf "  empty dialog program   %8.1f ms  %8.0f KiB peak working set\n", em, ek
  printf "  ZKQ_Vostrel.exe        %8.1f ms  %8.0f KiB peak working set\n", pm, pk
  printf "  ratio                  %8.2f     %8.2f\n", pm / em, pk / ek
  printf "start within 1.3 times the empty program: %s\n", (pm / em <= 1.3 ? "yes" : "no")
}'
