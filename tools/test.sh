#!/usr/bin/env bash
# The whole test suite: formatting, both Windows builds and the host build, native unit tests,
# a short fuzzing run, the deliverables' checks, the Windows unit and end-to-end tests under Wine,
# and the benchmark summary. Ends with one "N passed, N failed" line over every test.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
passed=0
failed=0

# Adds the counts of a ctest run (its log in $1) to the totals.
count() {
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$1" | tail -1 || true)
  if [[ $line =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    failed=$((failed + 1))
  fi
}

stage() { echo; echo "== $* ($(($(date +%s) - started)) s)"; }

stage "formatting"
tools/format.sh --check

stage "building host, x64, x86"
tools/build.sh host x64 x86

stage "deliverables"
tools/dist.sh

stage "native unit tests"
ctest --test-dir build/host --output-on-failure | tee build/host-tests.log || true
count build/host-tests.log

stage "fuzzing"
tools/build.sh fuzz
tools/fuzz.sh 30

stage "Windows unit and end-to-end tests under Wine"
ctest --test-dir build/x64 --output-on-failure -j 2 | tee build/x64-tests.log || true
count build/x64-tests.log

stage "benchmarks"
bench/run.sh --quick || echo "benchmarks: failed (not counted as a test)"

echo
echo "total time $(($(date +%s) - started)) s"
echo "velmado: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
