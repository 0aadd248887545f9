#!/usr/bin/env bash
# Starts Velmado under Wine: on the user's display when there is one, else on a private Xvfb
# display (the command says how to look at it). Ends when Velmado ends or on Ctrl+C.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEARCH=win64
# A prefix of its own that persists between runs, so settings survive like on Windows.
export WINEPREFIX=${WINEPREFIX:-$root/build/wine/run}
"$root/tools/wine-template.sh" "$root/build/wine/template"
[[ -d $WINEPREFIX ]] || cp -a "$root/build/wine/template" "$WINEPREFIX"

if [[ -z ${DISPLAY:-} ]]; then
  fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -screen 0 1920x1080x24 -nolisten tcp -displayfd 3 3>"$fifo" >/dev/null 2>&1 &
  xvfb=$!
  read -r number <"$fifo"; rm -f "$fifo"
  export DISPLAY=:$number
  trap 'kill $xvfb 2>/dev/null' EXIT
  echo "run: no display; Velmado runs on the private display $DISPLAY."
  echo "run: look at it with: DISPLAY=$DISPLAY import -window root shot.png   (or x11vnc -display $DISPLAY)"
fi
echo "run: starting Velmado (prefix $WINEPREFIX); end it from its tray menu or with Ctrl+C"
exec "$WINELOADER" "$root/build/x64/bin/Velmado.exe" "$@"
