#!/usr/bin/env bash
# Runs every fuzz target of build/fuzz for the given number of seconds (default 30) on a scratch
# copy of its seed corpus, with address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shopt -s nullglob
targets=(build/fuzz/bin/*_fuzz)
((${#targets[@]})) || { echo "fuzz: no fuzz targets built" >&2; exit 1; }
for target in "${targets[@]}"; do
  name=$(basename "$target" _fuzz)
  corpus=$(mktemp -d)
  cp -r "$name"/fuzz/corpus/. "$corpus"/ 2>/dev/null || true
  echo "fuzz: $name for $seconds s"
  if ! "$target" -max_total_time="$seconds" -artifact_prefix=build/fuzz/ "$corpus" >"build/fuzz-$name.log" 2>&1; then
    tail -40 "build/fuzz-$name.log" >&2
    rm -rf "$corpus"
    exit 1
  fi
  grep -E '^#[0-9]+.*DONE|Done [0-9]+ runs' "build/fuzz-$name.log" | tail -1 || true
  rm -rf "$corpus"
done
