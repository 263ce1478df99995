#!/usr/bin/env bash
# scripts/test.sh's closing report, against this machine's ctest: a test that
# failed and passed on its retry is named, one that passed at once or failed
# twice is not, and the Windows runs that printed nothing are listed.
#   retried_tests_test.sh REPORT_SCRIPT
set -euo pipefail

report=${1:?usage: retried_tests_test.sh REPORT_SCRIPT}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  for f in "$work/ctest.out" "$work/report.out"; do [ -f "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }; done
  exit 1
}

mkdir -p "$work/project"
cat >"$work/project/CMakeLists.txt" <<EOT
cmake_minimum_required(VERSION 3.20)
project(retries NONE)
enable_testing()
add_test(NAME steady COMMAND sh -c "echo fine")
add_test(NAME flaky.once COMMAND sh -c "[ -e '$work/marker' ] && echo second || { touch '$work/marker'; echo first; exit 1; }")
add_test(NAME broken COMMAND sh -c "echo never; exit 1")
EOT
cmake -S "$work/project" -B "$work/build" >/dev/null || fail "cmake"
(cd "$work/build" && ctest --output-on-failure --repeat until-pass:2 -j 2 >"$work/ctest.out" 2>&1) && fail "ctest passed with a broken test"
printf 'wine-run: x.exe wrote nothing on standard output; exit status 5\n' >"$work/silent.log"
"$report" "$work/ctest.out" "$work/silent.log" >"$work/report.out" || fail "the report failed"

names=$(sed -n '/^Passed only on the retry/,/^$/{/^  /p}' "$work/report.out" | sed 's/^ *//')
[ "$names" = "flaky.once" ] || fail "named as retried: '$names', not flaky.once alone"
grep -q '^  wine-run: x.exe wrote nothing on standard output; exit status 5$' "$work/report.out" ||
  fail "the silent run is not listed"
: >"$work/silent.log"
"$report" "$work/ctest.out" "$work/silent.log" | grep -q 'printed nothing' && fail "an empty list of silent runs is shown"
echo "PASS"
