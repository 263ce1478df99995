#!/usr/bin/env bash
# End-to-end checks of the simulator that need the Unix side of the test bed:
#   sim_links_test.sh com    WINE_RUN SIM_EXE PREFIX   a COM port on a socat pty pair
#   sim_links_test.sh ctrl-c WINE_RUN SIM_EXE PREFIX   Ctrl+C ends it cleanly
# Every process this script starts is recorded and ended by its own pid.
set -euo pipefail

mode=${1:?mode}
wine_run=${2:?wine-run.sh}
sim=${3:?simulator}
work=$(mktemp -d)
pids=()
links=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for link in "${links[@]}"; do rm -f "$link"; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  for f in "$work"/out.txt "$work"/capture/sim.log; do [ -f "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }; done
  exit 1
}

# Waits up to 20 s for a line matching $2 in file $1.
wait_for_line() {
  for _ in $(seq 200); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Waits up to 30 s for pid $1 to end; its exit code in $exit_code.
wait_for_exit() {
  for _ in $(seq 300); do
    if ! kill -0 "$1" 2>/dev/null; then
      exit_code=0
      wait "$1" || exit_code=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}

prefix17=$'~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n'

case "$mode" in
  com)
    wineprefix=${4:?wine prefix}
    socat pty,raw,echo=0,link="$work/sim" pty,raw,echo=0,link="$work/peer" 2>"$work/socat.txt" &
    pids+=($!)
    for _ in $(seq 100); do [ -e "$work/sim" ] && [ -e "$work/peer" ] && break; sleep 0.05; done
    [ -e "$work/peer" ] || fail "socat made no pty pair"
    # A COM number no one else in this prefix uses.
    n=200
    while [ -e "$wineprefix/dosdevices/com$n" ] || [ -L "$wineprefix/dosdevices/com$n" ]; do n=$((n + 1)); done
    ln -sfn "$work/sim" "$wineprefix/dosdevices/com$n"
    links+=("$wineprefix/dosdevices/com$n")

    "$wine_run" "$sim" --quiet --com "COM$n" --baud 9600 --connections 2 --capture "Z:${work//\//\\}\\capture" \
      >"$work/out.txt" 2>&1 &
    sim_pid=$!
    pids+=("$sim_pid")
    wait_for_line "$work/out.txt" "^serving COM$n" || fail "the simulator did not open COM$n"

    exec 3<>"$work/peer"
    script="${prefix17}PRINT DARKNESS"$'\t:\t'"22"$'\r\n'"END"$'\r\n'
    request="${prefix17}SEND CONFIG"$'\t:\t'"STANDARD"$'\r\n'"EXIT"$'\r\n'
    printf '%s' "$script" >&3
    # The client closes the port between commands; the pause ends the first connection.
    wait_for_line "$work/capture/sim.log" "connection 1 closed" || fail "the script's connection did not end"
    printf '%s' "$request" >&3
    reply=""
    while IFS= read -r -t 20 -u 3 line; do
      reply+="$line"$'\n'
      [ "$line" = $'END\r' ] && break
    done
    exec 3>&-
    wait_for_exit "$sim_pid" || fail "the simulator did not end after two connections"
    [ "$exit_code" -eq 0 ] || fail "exit code $exit_code"

    header=$'~!!\r\n\x02\x1b~A\r\n'
    [[ "$reply" == "$header"* ]] || fail "the listing does not start with its header"
    [[ "$reply" == *$'\nPRINT DARKNESS\t:\t22\r\n'* ]] || fail "the script did not change the listing"
    [[ "$reply" == *$'\r\nEND\r\n' ]] || fail "the listing does not end with END"
    printf '%s' "$script" | cmp - "$work/capture/conn-0001-in.bin" || fail "capture of the script differs"
    printf '%s' "$request" | cmp - "$work/capture/conn-0002-in.bin" || fail "capture of the request differs"
    printf '%s' "$reply" | cmp - "$work/capture/conn-0002-out.bin" || fail "capture of the listing differs"
    ;;
  ctrl-c)
    # Under wine64 itself, not through wine-run.sh (whose child it would be),
    # so that the signal reaches the console program as its Ctrl+C.
    . "$(dirname "$0")/../../../scripts/lib/wine.sh"
    wine_env "${4:?wine prefix}"
    "$wine" "$sim" --listen 127.0.0.1:0 >"$work/out.txt" 2>&1 &
    sim_pid=$!
    pids+=("$sim_pid")
    wait_for_line "$work/out.txt" "^listening on 127.0.0.1:" || fail "the simulator did not start"
    kill -INT "$sim_pid"
    wait_for_exit "$sim_pid" || fail "Ctrl+C did not end the simulator"
    [ "$exit_code" -eq 0 ] || fail "exit code $exit_code"
    grep -q "^[-0-9: .]*served 0 connection(s)" "$work/out.txt" || fail "no clean end"
    ;;
  *) fail "unknown mode $mode" ;;
esac
echo "PASS: $mode"
