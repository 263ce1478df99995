#!/usr/bin/env bash
# How long ZKQ_Vostrel.exe takes to start, and how much memory it takes,
# against two programs built the same way and started under the same Wine in
# the same run (not a test; the figures vary with the machine): an empty
# dialog program, and the floor (tests/devtools/floor_dialog.cpp: the sockets, the
# mutex, the common controls, the spooler's queues and ports, and the
# program's own main and six page templates with procedures that do
# nothing, which any program showing this window must pay for), once as it
# is and once under the program's manifest (floor_manifest: the templates
# then make the same common controls 6 windows the program's do).
#   scripts/time-startup.sh [RUNS]    (default 15)
# Measured: from the process's creation until its main window is idle, the
# peak working set and the loaded libraries at that moment; medians of RUNS
# starts each, taken in turns. Prints them, the machine's load, and the
# ratios program / floor for both floors (the goal: 1.15 for the time, 1.1
# for the memory). A first start (no
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
cmake --build "$win" --target ZKQ_Vostrel empty_dialog floor_dialog floor_manifest startup_timer >/dev/null
"$root/scripts/wine-prefix.sh" prepare "$win" >/dev/null

. "$root/scripts/lib/wine.sh"
work="$build/timing"
wine_env "$work/prefix"
wine_stop
rm -rf "$work"
mkdir -p "$work/program" "$work/empty" "$work/floor" "$work/floor_manifest"
wine_copy_golden "$win/wine/golden"
cp "$win/src/ZKQ_Vostrel.exe" "$work/program/"
cp "$win/tests/devtools/empty_dialog.exe" "$work/empty/"
cp "$win/tests/devtools/floor_dialog.exe" "$work/floor/"
cp "$win/tests/devtools/floor_manifest.exe" "$work/floor_manifest/"
# Only this script's own prefix.
trap wine_stop EXIT
wine_start

# One start of each first, so that none pays for what Wine loads once.
programs=("Z:$work/empty/empty_dialog.exe" "Z:$work/floor/floor_dialog.exe"
  "Z:$work/floor_manifest/floor_manifest.exe" "Z:$work/program/ZKQ_Vostrel.exe")
"$wine" "$win/tests/devtools/startup_timer.exe" 1 "${programs[@]}" >/dev/null 2>&1 </dev/null
load_before=$(cut -d' ' -f1 /proc/loadavg)
"$wine" "$win/tests/devtools/startup_timer.exe" "$runs" "${programs[@]}" </dev/null 2>"$work/timer.err" |
  tr -d '\r' >"$work/timer.out" || {
  cat "$work/timer.err" >&2
  exit 1
}
load_after=$(cut -d' ' -f1 /proc/loadavg)
read -r empty_ms empty_kib empty_dlls < <(sed -n 1p "$work/timer.out")
read -r floor_ms floor_kib floor_dlls < <(sed -n 2p "$work/timer.out")
read -r manifest_ms manifest_kib manifest_dlls < <(sed -n 3p "$work/timer.out")
read -r program_ms program_kib program_dlls < <(sed -n 4p "$work/timer.out")
awk -v runs="$runs" -v cores="$(nproc)" -v l1="$load_before" -v l2="$load_after" \
  -v em="$empty_ms" -v ek="$empty_kib" -v ed="$empty_dlls" \
  -v fm="$floor_ms" -v fk="$floor_kib" -v fd="$floor_dlls" \
  -v mm="$manifest_ms" -v mk="$manifest_kib" -v md="$manifest_dlls" \
  -v pm="$program_ms" -v pk="$program_kib" -v pd="$program_dlls" 'BEGIN {
  printf "medians of %d starts each, in turns, until the main window is idle\n", runs
  printf "(load average %s before, %s after, %d cores):\n", l1, l2, cores
  printf "  empty dialog program   %8.1f ms  %8.0f KiB peak working set  %3d libraries\n", em, ek, ed
  printf "  floor                  %8.1f ms  %8.0f KiB peak working set  %3d libraries\n", fm, fk, fd
  printf "  floor, manifest        %8.1f ms  %8.0f KiB peak working set  %3d libraries\n", mm, mk, md
  printf "  ZKQ_Vostrel.exe        %8.1f ms  %8.0f KiB peak working set  %3d libraries\n", pm, pk, pd
  printf "  program / floor        %8.2f     %8.2f\n", pm / fm, pk / fk
  printf "  program / floor, man.  %8.2f     %8.2f\n", pm / mm, pk / mk
  printf "  program / empty        %8.2f     %8.2f\n", pm / em, pk / ek
  printf "start within 1.15 times the floor: %s (under the manifest: %s); peak within 1.1 times: %s (%s)\n", \
    (pm / fm <= 1.15 ? "yes" : "no"), (pm / mm <= 1.15 ? "yes" : "no"), \
    (pk / fk <= 1.1 ? "yes" : "no"), (pk / mk <= 1.1 ? "yes" : "no")
}'
