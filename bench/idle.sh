#!/usr/bin/env bash
# Idle cost, run inside a Wine session: the resident program's CPU time over a quiet period with
# 100 windows open, against a minimal program with a 250 ms timer (bench/idle_baseline.cpp)
# running beside it over the same period. CPU time is read from /proc, as Wine does not report
# other processes' times.  bench/idle.sh SECONDS
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
bin=$root/build/x64/bin

cpu_ms() { # utime + stime of a Unix process, in milliseconds
  awk -v hz="$(getconf CLK_TCK)" '{print ($14 + $15) * 1000 / hz}' "/proc/$1/stat"
}
unix_pid() { # the Wine process running a program, by its file name
  for _ in $(seq 50); do
    pid=$(pgrep -f "$1" | head -1 || true)
    [[ -n $pid ]] && { echo "$pid"; return; }
    sleep 0.1
  done
  echo "idle: $1 did not start" >&2; exit 1
}

"$root/tools/wine-exec" "$bin/probe.exe" --count 100 --caption 窓 --rect 10,10,300,200 &
sleep 2
"$root/tools/wine-exec" "$bin/Velmado.exe" &
"$root/tools/wine-exec" "$bin/idle_baseline.exe" &
ours=$(unix_pid 'Velmado.exe')
base=$(unix_pid 'idle_baseline.exe')
sleep 5
a0=$(cpu_ms "$ours"); b0=$(cpu_ms "$base")
sleep "$seconds"
a1=$(cpu_ms "$ours"); b1=$(cpu_ms "$base")
awk -v a="$(echo "$a1 - $a0" | bc -l)" -v b="$(echo "$b1 - $b0" | bc -l)" -v s="$seconds" \
  'BEGIN { printf "%-32s Velmado.exe %.0f ms, 250 ms timer program %.0f ms over %d s with 100 windows: ratio %s\n",
           "idle CPU", a, b, s, (b > 0 ? sprintf("%.2f", a / b) : "n/a (baseline below the clock resolution)") }'
