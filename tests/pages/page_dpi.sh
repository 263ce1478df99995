#!/usr/bin/env bash
# Runs the DPI tests at another DPI than the suite's 96: the page tests
# (win_tests, PageDpi* and the pictures) and, at 120 and 144 dpi, the real program
# (app_tests, ProgramDpiTest*). The DPI is a setting of the Wine prefix
# (HKCU\Control Panel\Desktop, LogPixels), read by every process when it
# starts: the suite's shared prefix must keep 96, so this runs in a prefix and
# a wine server of its own, made from the golden prefix and removed after.
#   page_dpi.sh WIN_BUILD_DIR DPI WIN_TESTS_EXE [APP_TESTS_EXE]
set -euo pipefail

build=$(cd "${1:?usage: page_dpi.sh WIN_BUILD_DIR DPI WIN_TESTS_EXE [APP_TESTS_EXE]}" && pwd)
dpi=${2:?DPI}
win_tests=${3:?WIN_TESTS_EXE}
app_tests=${4:-}
. "$(dirname "$0")/../../scripts/lib/wine.sh"

[ -f "$build/wine/golden/.vostrel-ready" ] || { echo "page_dpi: no golden prefix (scripts/wine-prefix.sh prepare)" >&2; exit 1; }
wine_env "$build/wine/dpi-$dpi"
export VOSTREL_EXPECT_DPI=$dpi

wine_copy_golden "$build/wine/golden"
trap 'wine_stop; rm -rf "$WINEPREFIX"' EXIT
# The services start here, with their output going nowhere, not from inside
# a test (where they would hold its output open).
wine_start "$dpi"

status=0
"$wine" "$win_tests" --gtest_filter='*PageDpi*:PicturesAtDpi.*' </dev/null || status=1
if [ -n "$app_tests" ]; then
  "$wine" "$app_tests" --gtest_filter='ProgramDpiTest.*' </dev/null || status=1
fi
exit "$status"
