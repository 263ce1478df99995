#!/usr/bin/env bash
# The Windows build tree's private Wine prefix.
#   wine-prefix.sh prepare BUILD_DIR   make the golden prefix once, then give the
#                                      tests a fresh copy of it (clean registry)
#   wine-prefix.sh start BUILD_DIR     start the wine server for the test run
#   wine-prefix.sh stop BUILD_DIR      stop it and wait until it has gone
# The golden prefix uses Wine's null graphics driver: dialogs and message boxes
# work without a display, nothing is drawn.
set -euo pipefail

cmd=${1:?usage: wine-prefix.sh prepare|start|stop BUILD_DIR}
build=$(cd "${2:?usage: wine-prefix.sh prepare|start|stop BUILD_DIR}" && pwd)
. "$(dirname "$0")/lib/wine.sh"
golden="$build/wine/golden"
prefix="$build/wine/prefix"

make_golden() {
  echo "wine-prefix: preparing the golden prefix (once per build tree)"
  rm -rf "$golden" "$golden.tmp"
  mkdir -p "$golden.tmp"
  (
    wine_env "$golden.tmp"
    "$wine" wineboot -i >/dev/null 2>&1 </dev/null
    # Written before any window exists; the server is stopped right after, so
    # the next start reads the value fresh.
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 </dev/null
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
    wine_stop
  )
  mv "$golden.tmp" "$golden"
  touch "$golden/.vostrel-ready"
}

case "$cmd" in
  prepare)
    [ -f "$golden/.vostrel-ready" ] || make_golden
    wine_env "$prefix"
    wine_copy_golden "$golden"
    ;;
  start)
    wine_env "$prefix"
    # A persistent server, started before the tests, spares every test the
    # start of Wine's services. Its output must not reach the test runner.
    wine_start
    # The desktop process and the services the tests use are started here, with
    # their output going nowhere, rather than from inside a test (where they
    # would hold the test's output pipe open).
    if [ -x "$build/tests/wine_warmup.exe" ]; then
      "$wine" "$build/tests/wine_warmup.exe" --hold >/dev/null 2>&1 </dev/null &
      sleep 1
    fi
    ;;
  stop)
    wine_env "$prefix"
    wine_stop
    ;;
  *)
    echo "usage: wine-prefix.sh prepare|start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
