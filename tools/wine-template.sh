#!/usr/bin/env bash
# Creates the template prefix once (per Wine version): a fresh 64-bit prefix with the settings
# the program and its tests need. Sessions copy it.
set -euo pipefail
template=$1
stamp="$(/usr/lib/wine/wine64 --version) $(sha1sum "$0" | cut -c1-12)"
[[ -f $template/.velmado-template && "$(cat "$template/.velmado-template")" == "$stamp" ]] && exit 0

rm -rf "$template"
mkdir -p "$(dirname "$template")"
export WINEPREFIX=$template
echo "wine: creating the template prefix (once)"
"$WINELOADER" wineboot -i >/dev/null 2>&1 || true
reg=$(mktemp --suffix=.reg)
cat >"$reg" <<'REG'
Windows Registry Editor Version 5.00

; Japanese menus need a real font behind the Windows font names.
[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
"Meiryo UI"="IPAPGothic"
"Yu Gothic UI"="IPAPGothic"

; Plain X without a window manager: no stall when another program's window is hidden.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

; Report Windows 10, as the program's manifest declares it.
[HKEY_CURRENT_USER\Software\Wine]
"Version"="win10"
REG
"$WINELOADER" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
"$WINESERVER" -w
rm -f "$reg"
echo "$stamp" >"$template/.velmado-template"
