#!/usr/bin/env bash
# The end of scripts/test.sh's report: the tests that failed and then passed
# on their retry (ctest --repeat until-pass:2), read from ctest's output, and
# the Windows runs that printed nothing, from wine-run.sh's list.
#   retried-tests.sh CTEST_OUTPUT [SILENT_RUNS]
set -euo pipefail

output=${1:?usage: retried-tests.sh CTEST_OUTPUT [SILENT_RUNS]}
silent=${2:-}

# ctest's result lines: "[k/n ]Test #N: NAME ....   Passed  1.2 sec" or
# "... ***Failed", "***Timeout", "***Exception: ...". A skipped test or one
# not run is neither.
retried=$(awk '
  /^ *([0-9]+\/[0-9]+ +)?Test +#[0-9]+: / {
    name = $0
    sub(/^ *([0-9]+\/[0-9]+ +)?Test +#[0-9]+: /, "", name)
    sub(/ .*/, "", name)
    if ($0 ~ / Passed +[0-9.]+ sec/) {
      if (name in failed && !(name in named)) { named[name] = 1; order[++n] = name }
    } else if ($0 ~ /\*\*\*(Failed|Timeout|Exception)/) {
      failed[name] = 1
    }
  }
  END { for (i = 1; i <= n; ++i) print order[i] }
' "$output")

if [ -n "$retried" ]; then
  echo
  echo "Passed only on the retry (flaky: a fault to find, or Wine's):"
  echo "$retried" | sed 's/^/  /'
fi
if [ -n "$silent" ] && [ -s "$silent" ]; then
  echo
  echo "Windows runs that printed nothing ($silent):"
  sed 's/^/  /' "$silent"
fi
exit 0
