#!/usr/bin/env bash
# Runs every fuzz target of the host tree (tests/fuzz/fuzz_*.cpp) for SECONDS
# each (default 60), one after the other, outside ctest: a longer campaign
# than the ctest runs, on corpora kept between runs.
#   scripts/fuzz.sh [SECONDS]
# Each target works in build/fuzz/NAME/: its corpus grows in corpus/ (the
# seeds in tests/fuzz/seeds/NAME/ are read, never written), what it finds is
# written there as crash-*, leak-*, timeout-* or oom-*, and the fuzzer's own
# output of the last run is in last-run.log. A target stops at its first
# finding. The exit status is 1 when a target found something or failed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${VOSTREL_BUILD_DIR:-$root/build}
seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS]  (each target's run, default 60)" >&2
  exit 2
fi

"$root/scripts/setup.sh"

# A tree of its own, configured like the host tree of scripts/test.sh (clang,
# ASan/UBSan and the fuzzers' coverage) but optimised: the readers run about
# twice as fast as in the Debug tree, so a campaign gets through more inputs.
# Only the fuzz targets are built.
tree=$build/fuzz-host
cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null

targets=()
for source in "$root"/tests/fuzz/fuzz_*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no fuzz target in tests/fuzz" >&2
  exit 1
fi
cmake --build "$tree" --target "${targets[@]}"

# The value of one "stat::NAME: value" line of libFuzzer's final statistics.
stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

found_any=0
summary=()
for name in "${targets[@]}"; do
  short=${name#fuzz_}
  work=$build/fuzz/$name
  log=$work/last-run.log
  mkdir -p "$work/corpus"
  stamp=$(mktemp "$work/.run-XXXXXX")
  printf '\n== %s: %s s ==\n' "$name" "$seconds"

  status=0
  (cd "$work" && exec "$tree/tests/$name" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" \
    "$work/corpus" "$root/tests/fuzz/seeds/$short") >"$log" 2>&1 || status=$?

  findings=()
  while IFS= read -r file; do findings+=("$file"); done < <(
    find "$work" -maxdepth 1 -type f -newer "$stamp" \
      \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \
         -o -name 'slow-unit-*' \) | sort)
  rm -f "$stamp"

  inputs=$(stat number_of_executed_units "$log")
  rate=$(stat average_exec_per_sec "$log")
  corpus=$(find "$work/corpus" -type f | wc -l)
  line="$name: ${inputs:-?} inputs (${rate:-?}/s), corpus $corpus files"
  if [ ${#findings[@]} -gt 0 ]; then
    found_any=1
    line+=", ${#findings[@]} finding(s) (report in $log)"
    # The sanitizer's or libFuzzer's report of what it found.
    grep -E '^(==[0-9]+==ERROR|SUMMARY:|Test unit written|.*deadly signal|.*ERROR: libFuzzer)' "$log" || true
  elif [ "$status" -ne 0 ]; then
    found_any=1
    line+=", fuzzer exited with status $status (see $log)"
  else
    line+=", no findings"
  fi
  echo "$line"
  for file in "${findings[@]}"; do echo "  $file"; done
  summary+=("$line")
  for file in "${findings[@]}"; do summary+=("  $file"); done
done

printf '\n== summary (%s s per target; corpora and findings in %s/fuzz/) ==\n' "$seconds" "$build"
printf '%s\n' "${summary[@]}"
if [ "$found_any" -ne 0 ]; then
  echo "fuzz: a target found something; reproduce with build/fuzz-host/tests/NAME FILE" >&2
  exit 1
fi
