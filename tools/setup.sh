#!/usr/bin/env bash
# Installs what building and testing need from Debian's packages. Idempotent and quick when
# everything is there already. Never installs wine32: no 32-bit code runs on these machines,
# and with it installed /usr/bin/wine would prefer the 32-bit loader.
set -euo pipefail

packages=(
  make cmake g++ python3 bc procps googletest clang-format clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine64 xvfb xserver-xephyr xdotool x11-utils
  fonts-ipafont-gothic locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine's ANSI code page follows the locale: Japanese Windows uses code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
