#!/usr/bin/env bash
# Runs the benchmarks and prints, for each, our figure, the baseline's and their ratio, all
# measured side by side in this one run.  bench/run.sh [--quick] [name-filter]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=60
[[ ${1:-} == --quick ]] && seconds=15
"$root/tools/wine-session.sh" "$root/tools/wine-exec" "$root/build/x64/bin/velmado_bench.exe" "$@"
"$root/tools/wine-session.sh" "$root/bench/idle.sh" "$seconds"
