#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (with sanitizers),
# the Windows-side tests and the end-to-end scenarios under Wine, and the
# 32-bit build of the program (compiled and linked only).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh

jobs=$(nproc)
build="$root/build"

echo "== native build and unit tests"
cmake -S . -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVON_SANITIZE=ON >/dev/null
cmake --build "$build/native" -j "$jobs"
(cd "$build/native" && ctest --output-on-failure -j "$jobs")

if [ -f scripts/fuzz.sh ]; then
    echo "== fuzzing the element readers"
    bash scripts/fuzz.sh
fi

echo "== 32-bit Windows program (link only)"
cmake -S . -B "$build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DTARVON_PROGRAM_ONLY=ON >/dev/null
cmake --build "$build/win32" -j "$jobs"

echo "== 64-bit Windows build, Windows-side and end-to-end tests under Wine"
cmake -S . -B "$build/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
cmake --build "$build/win64" -j "$jobs"
export TARVON_WINEPREFIX="$build/win64/wineprefix"
# One X server for every Windows-side test; the scenarios start their own.
display=:87
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; WINEPREFIX=$TARVON_WINEPREFIX wineserver -k 2>/dev/null || true' EXIT
export DISPLAY=$display
(cd "$build/win64" && ctest --output-on-failure)
