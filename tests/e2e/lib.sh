# Shared harness of the end-to-end scenarios; sourced by scenarios/*.sh.
# A scenario gets, so that any number of them run side by side: its own work
# folder ($WORK, also the station's Kova Directory as $KOVA_DIR /
# $KOVA_DIR_WIN, named $KOVA_FOLDER if the scenario sets it), its own Wine
# prefix (a fresh copy of one made once), its own X server, free TCP ports on
# request, and these helpers.
set -euo pipefail

: "${TARVON_BIN:?built programs folder}" "${E2E_WORK:?e2e work folder}" "${TARVON_SOURCE:?source tree}"
SCENARIO=$(basename "$0" .sh)
WORK="$E2E_WORK/$SCENARIO"
ARTIFACTS="$E2E_WORK/artifacts"
KOVA_DIR="$WORK/${KOVA_FOLDER:-kova}"
# The path of a file as Windows programs see it.
win_path() { echo "Z:$(echo "$1" | tr / '\\')"; }
KOVA_DIR_WIN=$(win_path "$KOVA_DIR")
WORK_WIN=$(win_path "$WORK")
BIN_WIN=$(win_path "$TARVON_BIN")
KEPS_WIN="$KOVA_DIR_WIN\\Kova.KEP"

export WINEPREFIX="$WORK/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=$(command -v wine64 || command -v wine)

# A previous run's Wine server of this scenario must not outlive its folder.
[ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1 || true
rm -rf "$WORK"
mkdir -p "$WORK" "$KOVA_DIR" "$ARTIFACTS"

fail() {
    echo "FAIL [$SCENARIO]: $*" >&2
    screenshot failure || true
    exit 1
}

# An X server of our own. Xvfb picks a free display itself (-displayfd), so
# scenarios started together never race for one; it answers once it is ready.
start_display() {
    local fifo="$WORK/display.fifo" n=""
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r -t 30 n <"$fifo" || true
    rm -f "$fifo"
    [ -n "$n" ] || fail "Xvfb did not start"
    export DISPLAY=":$n"
}

# Functions that end what the helpers started, run as the scenario ends.
AT_EXIT=()
cleanup() {
    local rc=$? hook
    set +e
    for hook in "${AT_EXIT[@]}"; do "$hook"; done
    # Only this scenario's Wine server: WINEPREFIX is our own.
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null || true
    fi
    exit $rc
}
trap cleanup EXIT

# Each scenario's prefix is a copy of one template (see make_prefix.sh):
# files hard-linked, except the registry files, which the Wine server
# rewrites; copies of our own keep the template safe whatever it does.
prepare_prefix() {
    bash "$TARVON_SOURCE/tests/e2e/make_prefix.sh" || fail "no Wine prefix template"
    cp -al "$E2E_WORK/prefix-template" "$WINEPREFIX"
    cp --remove-destination "$E2E_WORK/prefix-template"/*.reg "$WINEPREFIX/"
}

# A TCP port nobody listens on now, for a daemon or emulator of this scenario.
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

# Registry values are gathered in one .reg file and imported by one
# `wine reg import` at the next apply_registry or start_tarvon: every Wine
# program started costs a second or more, many more on a busy machine.
PENDING_REG="$WORK/pending.reg"

# The shared station: data/station.reg without its header line, its Kova
# Directory this scenario's.
seed_station() {
    local escaped=${KOVA_DIR_WIN//\\/\\\\\\\\}
    sed -e '1d' -e "s|@KOVA_DIR@|$escaped|g" "$TARVON_SOURCE/tests/e2e/data/station.reg" >>"$PENDING_REG"
}

# Values of key HKLM\KEY: reg_sz KEY NAME TEXT, reg_dword KEY NAME NUMBER
# [NAME NUMBER]... (decimal or 0x..).
reg_quoted() { local text=${1//\\/\\\\}; printf '"%s"' "${text//\"/\\\"}"; }
reg_sz() { printf '\n[HKEY_LOCAL_MACHINE\\%s]\n%s=%s\n' "$1" "$(reg_quoted "$2")" "$(reg_quoted "$3")" >>"$PENDING_REG"; }
reg_dword() {
    printf '\n[HKEY_LOCAL_MACHINE\\%s]\n' "$1" >>"$PENDING_REG"
    shift
    for ((; $# > 1; )); do
        printf '%s=dword:%08x\n' "$(reg_quoted "$1")" $(($2)) >>"$PENDING_REG"
        shift 2
    done
}

# Help pages open in a stand-in browser that notes each address it is given,
# one a line, in $BROWSER_LOG (Wine's launcher hands it a Unix file URL).
fake_browser() {
    BROWSER_LOG="$WORK/browser.log"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$BROWSER_LOG" >"$WORK/browser.sh"
    chmod +x "$WORK/browser.sh"
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\n"Browsers"=%s\n' "$(reg_quoted "$WORK/browser.sh")" \
        >>"$PENDING_REG"
}

# Waits up to 20 s for the stand-in browser to be given help page $1.
expect_help_page() {
    wait_until 20 grep -q "/help/$1" "$BROWSER_LOG" 2>/dev/null ||
        fail "help page $1 not opened (browser got: $(cat "$BROWSER_LOG" 2>/dev/null))"
}

apply_registry() {
    [ -s "$PENDING_REG" ] || return 0
    # In UTF-16: a REGEDIT4 file is read in the ANSI code page, which would
    # garble texts beyond ASCII.
    { printf 'Windows Registry Editor Version 5.00\n'; cat "$PENDING_REG"; } | sed 's/$/\r/' |
        iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$WORK/seed.reg"
    rm -f "$PENDING_REG"
    "$WINE" reg import "$WORK/seed.reg" >/dev/null 2>&1 || fail "reg import of $WORK/seed.reg"
}

# Starts Tarvon.exe in the background (registry values applied first); its
# pid is in TARVON_PID.
start_tarvon() {
    apply_registry
    "$WINE" "$TARVON_BIN/Tarvon.exe" "$@" >"$WORK/tarvon.out" 2>&1 &
    TARVON_PID=$!
}

# Waits up to $2 seconds for the background process $1; its exit code is in EXIT_CODE.
process_ended() { ! kill -0 "$1" 2>/dev/null; }
wait_exit() {
    wait_until "$2" process_ended "$1" || return 1
    EXIT_CODE=0
    wait "$1" || EXIT_CODE=$?
}

# Runs the probe; its output without carriage returns.
probe() { "$WINE" "$TARVON_BIN/probe.exe" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# Saves a PNG of the whole screen as a test artefact. A capture can fail
# while windows change under it; it is tried again, and never fails the test.
screenshot() { capture "$1" -root; }
capture() {
    local label=$1
    shift
    for _ in 1 2 3; do
        xwd "$@" -display "$DISPLAY" 2>/dev/null | convert xwd:- "png:$ARTIFACTS/$SCENARIO-$label.png" 2>/dev/null &&
            return 0
        sleep 0.5
    done
    echo "note [$SCENARIO]: no screenshot '$label'" >&2
}

now() { date +%s; }

# Runs "$@" every half second until it succeeds, for at most $1 seconds.
wait_until() {
    local deadline=$(($(now) + $1))
    shift
    until "$@"; do
        [ "$(now)" -lt "$deadline" ] || return 1
        sleep 0.5
    done
}

# A PNG of the one window titled $2. Property sheets come out black in a
# capture of the whole screen under Xvfb, though they are drawn: their own
# window's capture shows them.
screenshot_window() {
    local id
    id=$(xwininfo -root -tree -display "$DISPLAY" | grep -F "\"$2\": (" | awk '{print $1; exit}') || true
    capture "$1" -id "${id:-none}"
}

expect_eq() { [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"; }

# |$1 - $2| <= $3: numbers or Python expressions.
expect_near() {
    python3 -c "import sys; sys.exit(abs(($1) - ($2)) > $3)" || fail "$4: $1 is not within $3 of $2"
}

# Sleeps until unix time $1; at once when it has passed (a busy machine can
# get there late).
sleep_until() {
    local left=$(($1 - $(now)))
    [ "$left" -le 0 ] || sleep "$left"
}

for helpers in station mainwin/mainwin map/map passrun/passrun serial/serial tracking/tracking; do
    source "$TARVON_SOURCE/tests/e2e/$helpers.sh"
done

start_display
prepare_prefix
