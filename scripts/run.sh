#!/usr/bin/env bash
# Builds Tarvon and starts it under Wine on a demo station: a fresh Wine
# prefix with a station in Cambridge, four satellites and an element database
# imported from the element file shipped in the repository.
# With no usable display it runs on Xvfb and saves a screenshot every minute.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh

build="$root/build"
jobs=$(nproc)
echo "== building"
cmake -S . -B "$build/native-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVON_TESTS=OFF >/dev/null
cmake --build "$build/native-release" -j "$jobs" --target tarvon-cli
cmake -S . -B "$build/win64-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVON_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
cmake --build "$build/win64-release" -j "$jobs"
bin="$build/win64-release/bin"

demo="$build/demo"
export WINEPREFIX="$demo/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || command -v wine)

# The display: the user's own when it answers, else a virtual one.
if [ -z "${DISPLAY:-}" ] || ! xwd -root -display "$DISPLAY" >/dev/null 2>&1; then
    export DISPLAY=:55
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    headless=1
    sleep 1
fi

echo "== preparing the demo station in $demo"
wineserver -k >/dev/null 2>&1 || true
rm -rf "$demo"
mkdir -p "$demo/screenshots"
"$wine" wineboot -i >/dev/null 2>&1 || true
if [ -n "${headless:-}" ]; then
    # Without a window manager only a Wine desktop draws the windows' frames.
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
fi
wineserver -w
kova="$WINEPREFIX/drive_c/Kova"
mkdir -p "$kova"
cp "$bin"/*.exe "$kova/"
program='C:\\\\Kova\\\\standin.exe'
[ -f "$kova/standin.exe" ] || program='C:\\\\Kova\\\\missing-satellite-program.exe'
sed "s|@PROGRAM@|$program|" demo/station.reg >"$demo/station.reg"
"$wine" reg import "$demo/station.reg" >/dev/null 2>&1
if "$build/native-release/bin/tarvon-cli" import --keps "$kova/Kova.KEP" \
    tests/data/tle_bbs_bulletin_2026-05.txt >"$demo/import-report.txt" 2>&1; then
    echo "element import report: $demo/import-report.txt"
else
    echo "the element import failed; see $demo/import-report.txt" >&2
fi

echo "== starting Tarvon"
"$wine" "$kova/Tarvon.exe" &
tarvon_pid=$!
if [ -n "${headless:-}" ]; then
    echo "No display: Tarvon runs on Xvfb $DISPLAY; a screenshot is saved every minute in $demo/screenshots"
    while kill -0 "$tarvon_pid" 2>/dev/null; do
        sleep 5
        xwd -root -display "$DISPLAY" 2>/dev/null |
            convert xwd:- "png:$demo/screenshots/tarvon-$(date -u +%Y%m%dT%H%M%SZ).png" 2>/dev/null || true
        for _ in $(seq 11); do kill -0 "$tarvon_pid" 2>/dev/null && sleep 5; done
    done
    kill "$xvfb_pid" 2>/dev/null || true
else
    wait "$tarvon_pid"
fi
