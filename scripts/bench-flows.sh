#!/usr/bin/env bash
# How long Send and Receive take over TCP against the printer simulator on
# loopback, above the waits the printer protocol makes on purpose (not a
# test; the figures vary with the machine).
#   scripts/bench-flows.sh [SEND_RUNS] [RECEIVE_RUNS]    (default 5 and 2)
# Both commands run through the companion vostrel-cli, which drives the same
# printer exchange as the main window's buttons. Each run is one process
# under Wine in the build tree's prefix; its start is measured apart (the
# companion's --help) and taken off. The protocol's own waits taken off too:
# per connection the drain of old input (100 ms of quiet), and for Receive
# the pause of 20 s between the pre-request and the request. Prints the
# median of each. Then the fleet: one receive from FLEET printers at once (a
# simulator process with --printers FLEET, all of them --strict) against one
# receive from a single strict printer; the goal is under 1.5 times.
#   scripts/bench-flows.sh [SEND_RUNS] [RECEIVE_RUNS] [FLEET]    (FLEET default 10)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
win="$build/win"
send_runs=${1:-5}
receive_runs=${2:-2}
fleet=${3:-10}

cmake --build "$win" --target vostrel-cli vx-printer-sim >/dev/null
[ -d "$win/wine/prefix" ] || "$root/scripts/wine-prefix.sh" prepare "$win" >/dev/null
run="$win/wine-run.sh"
. "$root/scripts/lib/wine.sh"
cli="$win/tools/vostrel-cli/vostrel-cli.exe"
sim="$win/tools/vx-printer-sim/vx-printer-sim.exe"
work=$(mktemp -d /tmp/vostrel-bench-flows.XXXXXX)
sim_pid=""
cleanup() {
  wine_stop_sim
  rm -rf "$work"
}
trap cleanup EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A simulator with the arguments given; sets sim_port.
start_sim() {
  wine_start_sim "$run" "$sim" "$work/sim.out" --quiet "$@"
  sim_port=$port
  [ -n "$sim_port" ] || { echo "bench-flows: the simulator did not start" >&2; exit 1; }
}

# Milliseconds of one run of the companion with `$@`.
time_cli() {
  local start end
  start=$(now_ms)
  "$run" "$cli" "$@" >/dev/null 2>&1 || { echo "bench-flows: vostrel-cli $* failed" >&2; exit 1; }
  end=$(now_ms)
  echo $((end - start))
}

printf '~!!\r\n\002\033~A\r\n~\033~A\r\nPRINT DARKNESS\t:\t12\r\nHOST NAME\t:\tbench\r\nEND\r\n' >"$work/bench.prn"
file_arg="Z:${work//\//\\}\\bench.prn"

starts=()
for _ in $(seq "$send_runs"); do
  start=$(now_ms)
  "$run" "$cli" --help >/dev/null 2>&1
  starts+=($(($(now_ms) - start)))
done
start_ms=$(printf '%s\n' "${starts[@]}" | median)

start_sim --connections "$((send_runs + 2 * receive_runs))"
sends=()
for _ in $(seq "$send_runs"); do sends+=("$(time_cli send --link "net:127.0.0.1:$sim_port" "$file_arg")"); done
receives=()
for _ in $(seq "$receive_runs"); do receives+=("$(time_cli receive --link "net:127.0.0.1:$sim_port")"); done
wait "$sim_pid" || true
sim_pid=""

send_ms=$(printf '%s\n' "${sends[@]}" | median)
receive_ms=$(printf '%s\n' "${receives[@]}" | median)
send_waits=100
receive_waits=$((20000 + 2 * 100))
printf 'process start (vostrel-cli --help): %d ms (median of %d)\n' "$start_ms" "$send_runs"
printf 'Send over TCP:    %6d ms in all, %6d ms of protocol waits, %5d ms above them (median of %d)\n' \
  "$send_ms" "$send_waits" "$((send_ms - start_ms - send_waits))" "$send_runs"
printf 'Receive over TCP: %6d ms in all, %6d ms of protocol waits, %5d ms above them (median of %d)\n' \
  "$receive_ms" "$receive_waits" "$((receive_ms - start_ms - receive_waits))" "$receive_runs"

# The fleet: FLEET strict printers in one simulator process, received at once.
"$run" "$sim" --quiet --strict --listen 127.0.0.1:0 --printers "$fleet" --connections 2 >"$work/fleet.out" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do
  [ "$(grep -c '^listening on' "$work/fleet.out" 2>/dev/null)" -ge "$fleet" ] && break
  sleep 0.1
done
: >"$work/links.txt"
for port in $(sed -n 's/^listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/fleet.out"); do
  echo "net:127.0.0.1:$port" >>"$work/links.txt"
done
[ "$(wc -l <"$work/links.txt")" -eq "$fleet" ] || { echo "bench-flows: the fleet did not start" >&2; exit 1; }
fleet_ms=$(time_cli receive --jobs "$fleet" --links "Z:${work//\//\\}\\links.txt")
wait "$sim_pid" || true
sim_pid=""
start_sim --strict --connections 2
single_ms=$(time_cli receive --link "net:127.0.0.1:$sim_port")
wait "$sim_pid" || true
sim_pid=""
printf 'Receive from %d strict printers at once: %6d ms; from one: %6d ms; ratio %s (goal under 1.5)\n' \
  "$fleet" "$fleet_ms" "$single_ms" "$(awk -v a="$fleet_ms" -v b="$single_ms" 'BEGIN { printf "%.2f", a / b }')"
