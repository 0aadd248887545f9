#!/usr/bin/env bash
# Configures and builds the named trees: host (pure logic and its tests, natively),
# x64 (the Windows build that runs here under Wine), x86 (the 32-bit Windows build).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

for tree in "$@"; do
  case "$tree" in
    host) args=() ;;
    x64) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake
               -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tools/wine-run") ;;
    x86) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake) ;;
    fuzz) args=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DVELMADO_FUZZ=ON
                -DVELMADO_TESTS=OFF) ;;
    *) echo "build: unknown tree $tree" >&2; exit 2 ;;
  esac
  # Configure every time: cheap, and it picks up new subsystem folders.
  mkdir -p build
  if ! cmake -S . -B "build/$tree" -G "Unix Makefiles" "${args[@]}" >"build/$tree.log" 2>&1; then
    cat "build/$tree.log" >&2
    echo "build: configuring $tree failed" >&2
    exit 1
  fi
  echo "build: $tree"
  if ! cmake --build "build/$tree" -j "$jobs" >"build/$tree.log" 2>&1; then
    grep -vE '^\[ *[0-9]+%\]' "build/$tree.log" >&2
    echo "build: $tree failed (full log: build/$tree.log)" >&2
    exit 1
  fi
  grep -iE 'warning' "build/$tree.log" >&2 || true
done
