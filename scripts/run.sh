#!/usr/bin/env bash
# Runs the program against the bundled printer simulator.
#   scripts/run.sh [SIMULATOR ARGUMENTS]        the program, ZKQ_Vostrel.exe
#   scripts/run.sh --cli [SIMULATOR ARGUMENTS]  the command-line companion's demo
#   scripts/run.sh --help                       this text
# Builds what it needs, starts the simulator (a VX-120-ZKQ with its factory
# settings unless told otherwise, e.g. --model VX-135-ZKQ --rfid) on a free
# port of 127.0.0.1, prepares a run folder with ZKQ_Vostrel.exe and a
# Vostrel.ini that points the program at the simulator (NET, 127.0.0.1, that
# port) and starts the program through Wine: on the display when there is
# one, otherwise under Xvfb with a short scripted look at its tabs whose
# screenshots go to the folder it names. It stops only what it started.
# Environment: VOSTREL_RUN_DPI=144 shows the program at 150 % (any DPI: 120,
# 192, ...); VOSTREL_BUILD_DIR chooses the build tree (default build/).
set -euo pipefail

case "${1:-}" in
  -h | --help)
    sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"
    echo "Simulator arguments (after the options above):"
    echo "  --model VX-120-ZKQ|VX-135-ZKQ, --rfid, ... (tools/vx-printer-sim/README.md)"
    exit 0
    ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
win="$build/win"
mode=program
if [ "${1:-}" = "--cli" ]; then
  mode=cli
  shift
fi

"$root/scripts/setup.sh"

cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null

. "$root/scripts/lib/wine.sh"
sim="$win/tools/vx-printer-sim/vx-printer-sim.exe"
work=$(mktemp -d)
sim_pid=""

# Starts the simulator through `$1` (a launcher) with the rest as its
# arguments; sets port once it listens.
start_sim() {
  local launcher=$1
  shift
  wine_start_sim "$launcher" "$sim" "$work/sim.out" "$@"
  if [ -z "$port" ]; then
    echo "run: the printer simulator did not start:" >&2
    cat "$work/sim.out" >&2
    exit 1
  fi
  echo "run: printer simulator listening on 127.0.0.1:$port"
}

show_sim_log() {
  echo "run: the simulator's log:"
  grep -v '^listening on' "$work/sim.out" | tr -d '\r' | sed 's/^/   /' || true
}

# The command-line companion: receive and info against the simulator.
run_cli() {
  cmake --build "$win" --target vostrel-cli vx-printer-sim
  "$root/scripts/wine-prefix.sh" prepare "$win"
  "$root/scripts/wine-prefix.sh" start "$win"
  trap 'wine_stop_sim; "$root/scripts/wine-prefix.sh" stop "$win"; rm -rf "$work"' EXIT
  local run="$win/wine-run.sh" cli="$win/tools/vostrel-cli/vostrel-cli.exe"
  # Three connections: the pre-request and the configuration request of
  # receive, the information request of info. The simulator ends after them.
  start_sim "$run" --connections 3 --capture "Z:$work" "$@"
  local link="net:127.0.0.1:$port" status=0
  echo
  echo "== vostrel-cli receive --link $link -o received.prn"
  "$run" "$cli" receive --link "$link" -o "Z:$work/received.prn" || status=$?
  if [ "$status" -eq 0 ]; then
    echo "   received $(wc -c <"$work/received.prn") bytes; the settings it holds:"
    "$run" "$cli" dump "Z:$work/received.prn" | sed 's/^/   /' || status=$?
  fi
  echo
  echo "== vostrel-cli info --link $link"
  "$run" "$cli" info --link "$link" | sed 's/^/   /' || status=$?
  wait "$sim_pid" 2>/dev/null || true
  sim_pid=""
  echo
  show_sim_log
  exit "$status"
}

[ "$mode" = cli ] && run_cli "$@"

echo "run: building ZKQ_Vostrel.exe, the simulator and the demo's driver in $win (a first build takes some minutes)"
if ! cmake --build "$win" --target ZKQ_Vostrel vx-printer-sim gui_step >"$work/build.log" 2>&1; then
  cat "$work/build.log" >&2
  echo "run: the build failed" >&2
  exit 1
fi
echo "run: preparing the Wine prefix of the run"
# The golden prefix of the build tree, made once. (Not "prepare" each time:
# that also renews the tests' prefix, which a test run may be using.)
[ -f "$win/wine/golden/.vostrel-ready" ] || "$root/scripts/wine-prefix.sh" prepare "$win" >/dev/null

# A prefix of the run's own that draws through X11 (the tests' draws nothing).
runs="$build/run"
prefix="$runs/prefix"
program="$runs/program"
shots="$runs/screenshots"
mkdir -p "$runs"
wine_env "$prefix"
wine_copy_golden "$win/wine/golden"
# Of Wine's fonts only Marlett: Wine's Tahoma has no Japanese and, unlike
# Windows, finds no linked font for it, so the main window's texts would
# turn to boxes (without it Wine draws them with a Japanese font).
wine_draw_on_x11

xvfb_pid=""
headless=1
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  headless=0
  # On a desktop with a window manager, let it manage the window.
  sed -i '/^"Managed"="N"$/d' "$prefix/user.reg"
else
  screen=1024x700x24
  [ -n "${VOSTREL_RUN_DPI:-}" ] && screen=1600x1100x24
  xvfb_start "$screen"
fi

program_pid=""
cleanup() {
  # Only what this script started: the program, the simulator, the run
  # prefix's wine server and the Xvfb.
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  wine_stop_sim
  wine_stop
  xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT

# VOSTREL_RUN_DPI=144 shows the program at 150 %.
wine_start "${VOSTREL_RUN_DPI:-}"

start_sim "$wine" "$@"

# The run folder: the program and preferences that point at the simulator
# (UTF-16 with a byte-order mark, as the program writes the file itself).
rm -rf "$program"
mkdir -p "$program"
cp "$win/src/ZKQ_Vostrel.exe" "$program/"
printf '[Vostrel]\r\nPORT_TYPE=NET\r\nPORT_NAME=127.0.0.1\r\nPORT_NUMBER=%s\r\n' "$port" |
  iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$program/Vostrel.ini"
echo "run: the program's folder: $program"

if [ "$headless" -eq 0 ]; then
  echo "run: starting ZKQ_Vostrel.exe on $DISPLAY; close its window to end"
  (cd "$program" && "$wine" ZKQ_Vostrel.exe) || true
  show_sim_log
  exit 0
fi

# No display: a short scripted look at the program, a screenshot per step.
step() { "$wine" "$win/tests/devtools/gui_step.exe" "$@" </dev/null 2>/dev/null; }
# A screenshot once the window is idle: the screen grabbed every quarter of a
# second until it has not changed for a second (the busy window counts its
# pause's seconds in the title), at most some 20 s, so that no row is caught
# half painted.
shot() {
  local grab="$work/grab" previous="$work/grab.previous" still=0
  rm -f "$previous"
  for _ in $(seq 80); do
    sleep 0.25
    import -window root -depth 8 "rgb:$grab"
    if [ -f "$previous" ] && cmp -s "$grab" "$previous"; then
      still=$((still + 1))
      [ "$still" -ge 4 ] && break
    else
      still=0
    fi
    mv "$grab" "$previous"
  done
  [ -f "$grab" ] || mv "$previous" "$grab"
  convert -size "${screen%x*}" -depth 8 "rgb:$grab" "$shots/$1.png"
  echo "run:   $shots/$1.png"
}
rm -rf "$shots"
mkdir -p "$shots"
(cd "$program" && exec "$wine" ZKQ_Vostrel.exe) >/dev/null 2>&1 </dev/null &
program_pid=$!
step wait || { echo "run: the program's window did not show" >&2; exit 1; }
echo "run: screenshots of the program (Japanese, as its users see it):"
for model in 0 1; do
  name=$([ "$model" = 0 ] && echo VX-120-ZKQ || echo VX-135-ZKQ)
  step tab 0
  step model "$model"
  shot "$name-1-easy"
  step tab 1 && shot "$name-2-standard"
  if [ "$model" = 0 ]; then
    # Receive from the simulator: the printer's listing on the pages.
    echo "run: Receive from the simulator: the printer needs a 20-second pause between its two requests"
    step receive || echo "run: the receive did not end cleanly; see the screenshot" >&2
    shot "$name-2-standard-received"
  fi
  step tab 2 && shot "$name-3-information"
  step tab 3 && shot "$name-4-sensor-adjustment"
  step tab 4 && shot "$name-5-print-test"
  if [ "$model" = 0 ]; then
    step ask-tab 5 && shot "$name-6-advanced-warning"
    step answer yes
  else
    step tab 5
  fi
  shot "$name-6-advanced"
done
step close || true
wait "$program_pid" 2>/dev/null || true
program_pid=""
echo "run: the program ended; screenshots in $shots"
show_sim_log
