#!/usr/bin/env bash
# Builds the benchmarks (tests/bench/bench_*.cpp) optimised, without the
# sanitizers and without libFuzzer's coverage, in a tree of their own
# (build/bench), and runs each of them, so that the figures measure the
# program's code and not the instrumentation of the host test tree.
# Extra arguments go to every benchmark program, e.g.
#   scripts/bench.sh --benchmark_filter=ReadListing --benchmark_repetitions=5
# ("Library was built as DEBUG" in the output is about the system's benchmark
# library itself, not about the code measured.)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
tree=$build/bench

"$root/scripts/setup.sh"

cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVOSTREL_SANITIZE=OFF -DVOSTREL_FUZZ=OFF >/dev/null

benchmarks=()
for source in "$root"/tests/bench/bench_*.cpp; do
  benchmarks+=("$(basename "$source" .cpp)")
done
if [ ${#benchmarks[@]} -eq 0 ]; then
  echo "bench: no benchmark in tests/bench" >&2
  exit 1
fi

cmake --build "$tree" --target "${benchmarks[@]}"

for name in "${benchmarks[@]}"; do
  printf '\n== %s ==\n' "$name"
  "$tree/tests/$name" "$@"
done
