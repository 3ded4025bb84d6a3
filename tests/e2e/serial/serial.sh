# Helpers of the serial-device scenarios; sourced by ../lib.sh.
# Each device sits on the far end of a socat pty pair whose near end is
# mapped to a COM port of the prefix; the emulator (tools/emulator) answers
# as the device would and records every command it receives in
# $WORK/devN.log as "<unix time> <command, escaped>".

EMULATOR="$TARVON_SOURCE/tools/emulator/serial_device.py"
SERIAL_PIDS=()

serial_cleanup() {
    local p
    for p in "${SERIAL_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${SERIAL_PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
    SERIAL_PIDS=()
}
SERIAL_PAIRS=0
AT_EXIT+=(serial_cleanup)

# serial_device N TYPE [emulator options...]: COM N with a TYPE device on it.
# Call them all before start_tarvon: the mapping is read when Wine starts,
# so it is written at once and the prefix's Wine server ended.
serial_device() {
    local n=$1 type=$2
    shift 2
    # Each pair has names of its own: a pair going away removes its links.
    SERIAL_PAIRS=$((SERIAL_PAIRS + 1))
    local near="$WORK/com$n-$SERIAL_PAIRS" far="$WORK/dev$n-$SERIAL_PAIRS"
    socat pty,raw,echo=0,link="$near" pty,raw,echo=0,link="$far" 2>/dev/null &
    SERIAL_PIDS+=($!)
    wait_until 5 test -e "$near" -a -e "$far" || fail "no pty pair for COM$n"
    # The emulator's end takes the pair with it (as a pulled USB adapter
    # would), and killing the pair ends the emulator.
    local pair=$! ready="$WORK/dev$n-$SERIAL_PAIRS.ready"
    (python3 "$EMULATOR" --device "$type" --port "$far" --log "$WORK/dev$n.log" --ready "$ready" "$@"
        kill $pair 2>/dev/null) &
    "$WINE" reg add 'HKLM\Software\Wine\Ports' /v "COM$n" /t REG_SZ /d "$near" /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true
    # Python starts slowly on a busy machine; the station must not talk first.
    wait_until 30 test -e "$ready" || fail "the COM$n device did not start"
}

# The commands device N received, without their times; the unix time of its first.
device_commands() { cut -d' ' -f2- "$WORK/dev$1.log" 2>/dev/null || true; }
first_command() { head -1 "$WORK/dev$1.log" | cut -d' ' -f1 | cut -d. -f1; }

# Waits up to $3 seconds for device N to receive a command matching $2 (grep -E).
device_received() { device_commands "$1" | grep -Eq "$2"; }
wait_device() { wait_until "$3" device_received "$1" "$2"; }

# Satellite NAME's modem: TNC type, port, speed and DSP mode (4 bytes).
satellite_modem() {
    reg_dword "Software\\Kova\\Satellites\\$1" 'TNC Type' "$2" Port "$3" Speed "$4"
    reg_sz "Software\\Kova\\Satellites\\$1" 'DSP Mode' "$5"
}

# iss_pass TYPE PORT DEVICE [emulator options...]: rotator TYPE on COM PORT
# with a DEVICE there, the ISS in view of the station (../tracking) and one of
# its passes, $ISS_PASS_SECONDS long (20 by default), whose runner is due
# at once (start lead 25 s), so it starts with the station however long that
# takes; AOS and LOS in $AOS and $LOS. Returns once the main window is up.
iss_pass() {
    local type=$1 port=$2
    shift 2
    # Placed for the AOS below give or take the set-up's time, which only
    # moves the closest approach by a few seconds.
    iss_overhead 45
    reg_dword 'Software\Kova\Rotator' 'Rotator Type' "$type" Port "$port"
    serial_device "$port" "$@"
    apply_registry
    AOS=$(($(now) + 25))
    LOS=$((AOS + ${ISS_PASS_SECONDS:-20}))
    write_schedule "ISS:$AOS:$LOS:0"
    start_tarvon
    probe find --class Tarvon --timeout 60 >/dev/null || fail "no main window"
}
