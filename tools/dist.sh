#!/usr/bin/env bash
# Copies the Windows deliverables to dist/x64 and dist/x86 and checks what they are: PE32+ or
# PE32 GUI programs with their manifest embedded.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for arch in x64 x86; do
  mkdir -p "dist/$arch"
  for program in Velmado Velmado_Admin; do
    cp "build/$arch/bin/$program.exe" "dist/$arch/"
  done
done

check() { # file objdump-format manifest-level
  local file=$1 format=$2 level=$3 triple=$4
  local header
  header=$("$triple-objdump" -p "$file")
  grep -q "file format $format" <<<"$header" || { echo "dist: $file is not $format" >&2; status=1; }
  grep -qE 'Subsystem\s+0+2\s' <<<"$header" || { echo "dist: $file is not a GUI program" >&2; status=1; }
  grep -q "level=\"$level\"" "$file" || { echo "dist: $file lacks the $level manifest" >&2; status=1; }
  if "$triple-objdump" -p "$file" | grep -qiE 'DLL Name: lib(gcc|stdc|winpthread)'; then
    echo "dist: $file needs a MinGW runtime DLL" >&2; status=1
  fi
}
check dist/x64/Velmado.exe pei-x86-64 asInvoker x86_64-w64-mingw32
check dist/x64/Velmado_Admin.exe pei-x86-64 requireAdministrator x86_64-w64-mingw32
check dist/x86/Velmado.exe pei-i386 asInvoker i686-w64-mingw32
check dist/x86/Velmado_Admin.exe pei-i386 requireAdministrator i686-w64-mingw32
[[ $status -eq 0 ]] && echo "dist: x64 (PE32+) and x86 (PE32) GUI programs with their manifests in dist/"
exit $status
