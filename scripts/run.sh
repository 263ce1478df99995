#!/usr/bin/env bash
# The program's main job, end to end, on this machine: builds the Windows
# tree, starts the printer simulator (a VX-120-ZKQ with its factory settings)
# on a free loopback port, asks it for its configuration and its serial number
# and counters with vostrel-cli, shows what came back, and stops the simulator
# and the wine server it started.
# Arguments go to the simulator, e.g. scripts/run.sh --model VX-135-ZKQ --rfid
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
win="$build/win"

"$root/scripts/setup.sh"

cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$win" --target vostrel-cli vx-printer-sim

"$root/scripts/wine-prefix.sh" prepare "$win"
"$root/scripts/wine-prefix.sh" start "$win"

work=$(mktemp -d)
sim_pid=""
cleanup() {
  # Only what this script started: its simulator and its prefix's wine server.
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  "$root/scripts/wine-prefix.sh" stop "$win"
  rm -rf "$work"
}
trap cleanup EXIT

run() { "$win/wine-run.sh" "$@"; }
cli="$win/tools/vostrel-cli/vostrel-cli.exe"
sim="$win/tools/vx-printer-sim/vx-printer-sim.exe"

# Three connections: the pre-request and the configuration request of
# receive, the information request of info. The simulator ends after them.
run "$sim" --listen 127.0.0.1:0 --connections 3 --capture "Z:$work" "$@" >"$work/sim.out" 2>&1 &
sim_pid=$!
port=""
for _ in $(seq 300); do
  line=$(head -n 1 "$work/sim.out" 2>/dev/null | tr -d '\r')
  case "$line" in
    "listening on 127.0.0.1:"*) port=${line##*:}; break ;;
  esac
  kill -0 "$sim_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "run: the printer simulator did not start:" >&2
  cat "$work/sim.out" >&2
  exit 1
fi
link="net:127.0.0.1:$port"
echo "run: printer simulator listening on 127.0.0.1:$port"

status=0
echo
echo "== vostrel-cli receive --link $link -o received.prn"
run "$cli" receive --link "$link" -o "Z:$work/received.prn" || status=$?
if [ "$status" -eq 0 ]; then
  echo "   received $(wc -c <"$work/received.prn") bytes; the settings it holds:"
  run "$cli" dump "Z:$work/received.prn" | sed 's/^/   /' || status=$?
fi

echo
echo "== vostrel-cli info --link $link"
run "$cli" info --link "$link" | sed 's/^/   /' || status=$?

wait "$sim_pid" 2>/dev/null || true
sim_pid=""
echo
echo "run: the simulator's log:"
grep -v '^listening on' "$work/sim.out" | tr -d '\r' | sed 's/^/   /' || true
exit "$status"
