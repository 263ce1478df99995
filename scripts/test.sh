#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test with one
# ctest run: the host tree (platform-neutral core under ASan and UBSan) and the
# Windows tree (under wine64, ANSI code page 932).
# Extra arguments go to ctest, e.g. scripts/test.sh -R host.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"

# Compiles go through ccache, shared by every clone on the machine (paths
# below the clones' common parent are made relative), so that a fresh clone
# rebuilds only what changed since the last build anywhere.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$root")}
fi

cmake -S "$root" -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build/host"

cmake -S "$root" -B "$build/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/win"

# One ctest over both trees, so that one summary closes the run.
printf 'subdirs("host" "win")\n' >"$build/CTestTestfile.cmake"

"$root/scripts/wine-prefix.sh" prepare "$build/win"
"$root/scripts/wine-prefix.sh" start "$build/win"
trap '"$root/scripts/wine-prefix.sh" stop "$build/win"' EXIT

cd "$build"
# A test that fails is run once more, and fails the run only if it fails
# again: now and then Wine ends a process at its start, before the test's
# first line, without a word. The first failure still shows in the output,
# and the run ends by naming every test that passed only on its retry and
# every Windows run that printed nothing (its exit status and Wine's error
# output, from wine-run.sh), so that a flaky test is seen.
export VOSTREL_SILENT_RUNS="$build/silent-runs.log"
: >"$VOSTREL_SILENT_RUNS"
status=0
ctest --output-on-failure --timeout 300 --repeat until-pass:2 -j "$(nproc)" "$@" 2>&1 |
  tee "$build/ctest-output.log" || status=$?
"$root/scripts/lib/retried-tests.sh" "$build/ctest-output.log" "$VOSTREL_SILENT_RUNS"
exit "$status"
