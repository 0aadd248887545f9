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
"$WINESERVER" -k 2>/dev/null || true
"$WINELOADER" wineboot </dev/null >/dev/null 2>&1 || true

# The rule editor's three pages, opened from the tray menu as a user would, over a rule file with
# a few rules and a few windows on the desktop.
appdata=$("$WINELOADER" cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
data=$("$WINELOADER" winepath -u "$appdata\\Tovarel\\Velmado" 2>/dev/null)
mkdir -p "$data"
python3 - "$data/Window.ibk" <<'PY'
import sys
rules = [
    (r"C:\windows\system32\notepad.exe", "無題 - メモ帳", "全部", "Notepad", "通常", "40", "40", "640", "480", "位置大きさ"),
    (r"C:\windows\system32\notepad.exe", "", "", "Notepad", "優先度：低", "", "", "", "", ""),
    (r"C:\windows\regedit.exe", "レジストリ エディター", "全部", "RegEdit_RegEdit", "最大化", "0", "0", "1024", "700", ""),
    (r"C:\Program Files\Editor\editor.exe", "- エディタ", "一部", "", "通常", "(右下基準)1900", "(右下基準)1040", "900", "700", "位置"),
    (r"C:\Tools\Player\player.exe", "", "", "PlayerMain", "半透明：80%", "", "", "", "", ""),
]
text = "[List]\r\nCount=%d\r\n\r\n" % (len(rules) - 1)
for i, r in enumerate(rules):
    text += "[Window%d]\r\nEnabled=%d\r\n" % (i, 0 if i == 4 else 1)
    fields = list(r) + [""] * (16 - len(r))
    text += "".join("%d=%s\r\n" % (k, v) for k, v in enumerate(fields)) + "\r\n"
open(sys.argv[1], "wb").write(b"\xff\xfe" + text.encode("utf-16-le"))
PY
"$root/tools/wine-exec" notepad &
"$root/tools/wine-exec" "$bin/probe.exe" --caption "ダウンロード - 進行状況" --rect 900,300,420,200 &
"$root/tools/wine-exec" "$bin/Velmado.exe" &
velmado=$!
sleep 5
tray=$(xdotool search --name "Wine System Tray" 2>/dev/null | head -1 || true)
if [[ -n $tray ]]; then
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  xdotool mousemove $((X + 13)) $((Y + HEIGHT - 12)) click 3
  sleep 1.5
  # "位置と大きさの監視設定" > "設定"
  "$root/tools/wine-exec" "$bin/sendkeys.exe" down down down down down right down down return
  editor=""
  for _ in $(seq 50); do
    editor=$(xdotool search --onlyvisible --name "^Velmado - 位置と大きさの監視設定\$" 2>/dev/null | head -1 || true)
    [[ -n $editor ]] && break
    sleep 0.2
  done
  if [[ -n $editor ]]; then
    sleep 1
    import -window "$editor" "$out/rule-editor-rules.png"
    "$root/tools/wine-exec" "$bin/sendkeys.exe" alt+y
    sleep 1.5
    import -window "$editor" "$out/rule-editor-windows.png"
    "$root/tools/wine-exec" "$bin/sendkeys.exe" z return # the probe: the only program on Z:
    sleep 1
    import -window "$editor" "$out/rule-editor-register.png"
    echo "screenshots: docs/rule-editor-{rules,windows,register}.png"
  else
    echo "screenshots: the rule editor did not open" >&2
  fi
else
  echo "screenshots: no Wine tray window" >&2
fi
kill "$velmado" 2>/dev/null || true
