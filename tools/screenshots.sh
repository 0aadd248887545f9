#!/usr/bin/env bash
# Takes the README's screenshots inside a Wine session (run through `make screenshots`, which
# provides the session): each shot starts the program, waits for the window, and captures it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command -v import >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq imagemagick >/dev/null
out=$root/docs
mkdir -p "$out"
bin=$root/build/x64/bin

# shot NAME WINDOW-TITLE PROGRAM ARGS...: captures the first window with that title.
shot() {
  local name=$1 title=$2
  shift 2
  "$root/tools/wine-exec" "$@" &
  local pid=$!
  local id=""
  for _ in $(seq 50); do
    id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -1 || true)
    [[ -n $id ]] && break
    sleep 0.2
  done
  if [[ -z $id ]]; then
    echo "screenshots: no window titled $title" >&2
  else
    sleep 0.5
    import -window "$id" "$out/$name.png"
    echo "screenshots: docs/$name.png"
  fi
  kill "$pid" 2>/dev/null || true
  "$WINESERVER" -k 2>/dev/null || true
  "$WINELOADER" wineboot </dev/null >/dev/null 2>&1 || true
}

shot invalid-option "Velmado" "$bin/Velmado.exe" /q

# The tray menu: Velmado's icon is the first one in Wine's stand-alone tray window (plain X).
"$root/tools/wine-exec" "$bin/Velmado.exe" &
velmado=$!
sleep 4
tray=$(xdotool search --name "Wine System Tray" 2>/dev/null | head -1 || true)
if [[ -n $tray ]]; then
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  xdotool mousemove $((X + 13)) $((Y + HEIGHT - 12)) click 3
  sleep 1.5
  import -window root -crop 320x450+0+0 "$out/tray-menu.png"
  echo "screenshots: docs/tray-menu.png"
else
  echo "screenshots: no Wine tray window" >&2
fi
kill "$velmado" 2>/dev/null || true
