#!/usr/bin/env bash
# Runs the benchmarks and prints, for each, our time, the baseline's time and their ratio, all
# measured side by side in this one run.  bench/run.sh [--quick] [name-filter]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/wine-session.sh" "$root/tools/wine-exec" "$root/build/x64/bin/velmado_bench.exe" "$@"
