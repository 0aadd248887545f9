#!/usr/bin/env bash
# Runs a command inside a private Wine session: a fresh 64-bit prefix copied from a cached
# template, a private X display, and a persistent wineserver. Everything is stopped afterwards.
#
#   tools/wine-session.sh [--monitors 1|2|3] [--keep] command [args...]
#
# --monitors 2|3 nests Xephyr with Xinerama in an Xvfb host, which gives Wine real monitors
# side by side: (0,0)-(1280,1024) primary, (1280,0)-(2304,768) and, with 3, (2304,0)-(3104,600).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
monitors=1
keep=0
while [[ $# -gt 0 ]]; do
  case "$1" in
    --monitors) monitors=$2; shift 2 ;;
    --keep) keep=1; shift ;;
    *) break ;;
  esac
done
[[ $# -gt 0 ]] || { echo "usage: $0 [--monitors N] command..." >&2; exit 2; }

export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEARCH=win64

template=$root/build/wine/template
"$root/tools/wine-template.sh" "$template"

session=$(mktemp -d "$root/build/wine/session.XXXXXX")
export WINEPREFIX=$session/prefix
cp -a "$template" "$WINEPREFIX"

pids=()
cleanup() {
  local status=$?
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [[ $keep -eq 1 ]] || rm -rf "$session"
  exit $status
}
trap cleanup EXIT INT TERM

start_x() { # start_x program args... ; sets $display
  local fifo=$session/displayfd
  rm -f "$fifo"; mkfifo "$fifo"
  "$@" -displayfd 3 3>"$fifo" >"$session/x.log" 2>&1 &
  pids+=($!)
  read -r -t 20 display <"$fifo" || { echo "wine-session: X server did not start" >&2; cat "$session/x.log" >&2; exit 1; }
}

case "$monitors" in
  1)
    start_x Xvfb -screen 0 1920x1080x24 -nolisten tcp -noreset
    export DISPLAY=:$display ;;
  2|3)
    start_x Xvfb -screen 0 3200x1200x24 -nolisten tcp -noreset
    host=:$display
    screens=(-screen 1280x1024 -screen 1024x768)
    [[ $monitors -eq 3 ]] && screens+=(-screen 800x600)
    DISPLAY=$host start_x Xephyr "${screens[@]}" +xinerama -extension RANDR -no-host-grab -nolisten tcp -noreset
    export DISPLAY=:$display ;;
  *) echo "wine-session: --monitors takes 1, 2 or 3" >&2; exit 2 ;;
esac

"$WINESERVER" -p
# Start Wine's own services now, detached from our output: started later by the first program,
# they would inherit its pipes and keep a caller such as ctest waiting for end of file.
"$WINELOADER" wineboot </dev/null >/dev/null 2>&1
set +e
"$@"
status=$?
set -e
exit $status
