#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (with sanitizers),
# the threaded code under ThreadSanitizer with a scheduling soak, fuzzing of
# the element readers, the Windows-side tests and the end-to-end
# scenarios under Wine, and the 32-bit build of the program (compiled and
# linked only).
#
# The end-to-end scenarios spend most of their time waiting for the passes
# they stage, so they run in the background, side by side, while the native
# work keeps the processors busy; that work runs niced so that the scenarios'
# timing is not starved. Their output is shown when they end. Every step runs
# even when an earlier one failed (except what needs a failed build), and the
# exit status is non-zero when any step failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh

jobs=$(nproc)
build="$root/build"
mkdir -p "$build"
failed=()
step() {
    local name=$1
    shift
    echo "== $name"
    if "$@"; then return 0; fi
    echo "!! $name failed" >&2
    failed+=("$name")
    return 1
}
# The background job has a process group of its own: an interrupted run
# takes its X server and scenarios with it.
wine_pid=""
win32_pid=""
trap 'for pid in $wine_pid $win32_pid; do kill -- -"$pid" 2>/dev/null || true; done' EXIT

win64_build() {
    cmake -S . -B "$build/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null &&
        cmake --build "$build/win64" -j "$jobs"
}

# The Windows-side tests share one X server; each scenario starts its own.
wine_tests() {
    local fifo="$build/display.fifo" n="" xvfb status=0
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb=$!
    read -r -t 30 n <"$fifo" || true
    rm -f "$fifo"
    [ -n "$n" ] || { echo "Xvfb did not start" >&2; return 1; }
    (cd "$build/win64" && DISPLAY=":$n" ctest --output-on-failure -j 16) || status=$?
    kill "$xvfb" 2>/dev/null || true
    WINEPREFIX="$build/win64/wineprefix" wineserver -k 2>/dev/null || true
    return "$status"
}

native_build() {
    cmake -S . -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVON_SANITIZE=ON >/dev/null &&
        nice cmake --build "$build/native" -j "$jobs"
}

# The threaded code's tests and the scheduling soak under ThreadSanitizer,
# with the standard library's checked iterators.
tsan_build() {
    cmake -S . -B "$build/tsan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVON_TSAN=ON >/dev/null &&
        nice cmake --build "$build/tsan" -j "$jobs"
}

# Built to show that the program compiles and links for 32-bit Windows; it is
# not run here, so it is not optimised (a sixth faster to build).
win32_build() {
    cmake -S . -B "$build/win32" -G Ninja -DCMAKE_BUILD_TYPE= \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DTARVON_PROGRAM_ONLY=ON >/dev/null &&
        nice cmake --build "$build/win32" -j "$jobs"
}

# The scenarios wait on this build, so it comes first.
wine_log="$build/wine-tests.log"
if step "64-bit Windows build" win64_build; then
    echo "== Windows-side and end-to-end tests under Wine: started, shown when they end ($wine_log)"
    set -m
    wine_tests >"$wine_log" 2>&1 &
    wine_pid=$!
    set +m
fi

step "native build" native_build &&
    step "native unit tests" bash -c "cd '$build/native' && nice ctest --output-on-failure -j $jobs" || true
# The soak and the fuzzing keep one processor busy most of the time; the
# 32-bit build takes the other meanwhile. Its output is shown when it ends.
tsan_built=""
step "ThreadSanitizer build" tsan_build && tsan_built=1 || true
win32_log="$build/win32-build.log"
set -m
win32_build >"$win32_log" 2>&1 &
win32_pid=$!
set +m
[ -z "$tsan_built" ] || step "threaded tests and the scheduling soak under ThreadSanitizer" \
    bash -c "cd '$build/tsan' && nice ctest --output-on-failure -j $jobs" || true
# A short run per target in the test command; longer runs are for fuzz.sh alone.
if [ -f scripts/fuzz.sh ]; then
    step "fuzzing the element readers" env FUZZ_SECONDS="${FUZZ_SECONDS:-3}" nice bash scripts/fuzz.sh || true
fi
echo "== 32-bit Windows program (link only)"
win32_status=0
wait "$win32_pid" || win32_status=$?
win32_pid=""
tail -n 5 "$win32_log"
[ "$win32_status" -eq 0 ] || { cat "$win32_log"; echo "!! 32-bit Windows program failed" >&2; failed+=("32-bit Windows program"); }

if [ -n "$wine_pid" ]; then
    echo "== Windows-side and end-to-end tests under Wine"
    wine_status=0
    wait "$wine_pid" || wine_status=$?
    wine_pid=""
    cat "$wine_log"
    [ "$wine_status" -eq 0 ] || { echo "!! Windows-side and end-to-end tests failed" >&2; failed+=("Wine tests"); }
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED: ${failed[*]}" >&2
    exit 1
fi
echo "all steps passed"
