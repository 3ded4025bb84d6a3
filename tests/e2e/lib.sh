# Shared harness of the end-to-end scenarios; sourced by scenarios/*.sh.
# A scenario gets: its own work folder ($WORK, also the station's Kova
# Directory as $KOVA_DIR / $KOVA_DIR_WIN), an X server of its own, the shared
# Wine prefix with SOFTWARE\Kova cleared, and these helpers.
set -euo pipefail

: "${TARVON_BIN:?built programs folder}" "${E2E_WORK:?e2e work folder}" "${TARVON_SOURCE:?source tree}"
SCENARIO=$(basename "$0" .sh)
WORK="$E2E_WORK/$SCENARIO"
ARTIFACTS="$E2E_WORK/artifacts"
KOVA_DIR="$WORK/kova"
KOVA_DIR_WIN="Z:$(echo "$KOVA_DIR" | tr / '\\')"
rm -rf "$WORK"
mkdir -p "$WORK" "$KOVA_DIR" "$ARTIFACTS"

export WINEPREFIX="$E2E_WORK/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=$(command -v wine64 || command -v wine)

fail() {
    echo "FAIL [$SCENARIO]: $*" >&2
    screenshot failure || true
    exit 1
}

# An X server of our own on the first free display from :40. A display whose
# previous server is still going away can refuse the new one: take the next.
start_display() {
    local n=40
    for _ in $(seq 20); do
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do
            if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
        n=$((n + 1))
    done
    fail "Xvfb did not start"
}

cleanup() {
    local rc=$?
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${XVFB_PID:-}" ]; then
        # Waited for, so that its display is free for the next scenario.
        kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true
    fi
    exit $rc
}
trap cleanup EXIT

# The prefix is made once and shared; each scenario starts from an empty
# SOFTWARE\Kova.
prepare_prefix() {
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$WINE" wineboot -i >/dev/null 2>&1 || true
            # A Wine desktop draws the windows' frames and captions, which a
            # bare X server without a window manager would not.
            "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
            "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
            wineserver -w
        fi
    ) 9>"$E2E_WORK/prefix.lock"
    "$WINE" reg delete 'HKLM\Software\Kova' /f >/dev/null 2>&1 || true
}

# Imports a .reg file after replacing @KOVA_DIR@ with the station's folder.
seed_registry() {
    local file="$WORK/seed.reg"
    local escaped=${KOVA_DIR_WIN//\\/\\\\\\\\}
    sed "s|@KOVA_DIR@|$escaped|g" "$1" >"$file"
    "$WINE" reg import "$file" >/dev/null 2>&1 || fail "reg import of $1"
}

# Adds one DWORD value (decimal or 0x..) under HKLM.
reg_dword() { "$WINE" reg add "HKLM\\$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1; }

# Starts Tarvon.exe in the background; its pid is in TARVON_PID.
start_tarvon() {
    "$WINE" "$TARVON_BIN/Tarvon.exe" "$@" >"$WORK/tarvon.out" 2>&1 &
    TARVON_PID=$!
}

# Waits up to $2 seconds for the background process $1; its exit code is in EXIT_CODE.
wait_exit() {
    local pid=$1 limit=$(($2 * 10))
    for _ in $(seq "$limit"); do
        if ! kill -0 "$pid" 2>/dev/null; then
            set +e
            wait "$pid"
            EXIT_CODE=$?
            set -e
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Runs the probe; its output without carriage returns.
probe() { "$WINE" "$TARVON_BIN/probe.exe" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# Saves a PNG of the whole screen as a test artefact. A capture can fail
# while windows change under it; it is tried again, and never fails the test.
screenshot() {
    local attempt
    for attempt in 1 2 3; do
        xwd -root -display "$DISPLAY" 2>/dev/null | convert xwd:- "png:$ARTIFACTS/$SCENARIO-$1.png" 2>/dev/null &&
            return 0
        sleep 0.5
    done
    echo "note [$SCENARIO]: no screenshot '$1'" >&2
    return 0
}

expect_eq() { [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"; }

start_display
prepare_prefix
