# Helpers of the pass-execution scenarios; sourced after ../lib.sh.
# A station with satellites whose program is the stand-in (tools/standin),
# a schedule file seeded with chosen passes, and readers of the results.

BIN_WIN="Z:$(echo "$TARVON_BIN" | tr / '\\')"
WORK_WIN="Z:$(echo "$WORK" | tr / '\\')"
STANDIN_WIN="$BIN_WIN\\standin.exe"

now() { date +%s; }

# Satellite key NAME with Program PROGRAM (a registry text: backslashes as is).
add_satellite() {
    local key="HKLM\\Software\\Kova\\Satellites\\$1"
    "$WINE" reg add "$key" /v Name /t REG_SZ /d "$1" /f >/dev/null 2>&1
    "$WINE" reg add "$key" /v State /t REG_DWORD /d 2 /f >/dev/null 2>&1
    "$WINE" reg add "$key" /v Program /t REG_SZ /d "$2" /f >/dev/null 2>&1
}

# The stand-in as a satellite's Program, logging to $WORK/standin.log.
standin_program() { echo "$STANDIN_WIN --log $WORK_WIN\\standin.log $* %s"; }

# A scheduled event: NAME RUN TIME ASSOCIATE SATELLITE PROGRAM.
add_event() {
    local key="HKLM\\Software\\Kova\\Tarvon\\Events\\$1"
    "$WINE" reg add "$key" /v Name /t REG_SZ /d "$1" /f >/dev/null 2>&1
    "$WINE" reg add "$key" /v Run /t REG_DWORD /d "$2" /f >/dev/null 2>&1
    "$WINE" reg add "$key" /v Time /t REG_DWORD /d "$3" /f >/dev/null 2>&1
    "$WINE" reg add "$key" /v Associate /t REG_DWORD /d "$4" /f >/dev/null 2>&1
    "$WINE" reg add "$key" /v Satellite /t REG_SZ /d "$5" /f >/dev/null 2>&1
    "$WINE" reg add "$key" /v Program /t REG_SZ /d "$6" /f >/dev/null 2>&1
    "$WINE" reg add "$key" /v Active /t REG_DWORD /d 1 /f >/dev/null 2>&1
}

# "Kova Schedule.DAT" with one pass per argument "NAME:AOS:LOS:LISTENONLY".
write_schedule() {
    python3 - "$KOVA_DIR/Kova Schedule.DAT" "$@" <<'PY'
import struct, sys
out = bytearray(struct.pack('<H', 2007))
for spec in sys.argv[2:]:
    name, aos, los, listen = spec.split(':')
    out += struct.pack('<12siiii8xiiiiii4xiiiiiiIiI', name.encode(), int(aos), int(los),
                       0, 25, 0, 0, 45, 50, 50, 0, 0, int(listen), 1, 0, 0, 0, 0, 0, 0)
open(sys.argv[1], 'wb').write(out)
PY
}

# A field of the named pass in the schedule file: aos, los, lastRunEnd or
# endedByScheduler. Empty when the pass is not in the file.
pass_field() {
    python3 - "$KOVA_DIR/Kova Schedule.DAT" "$1" "$2" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()[2:]
names = ['aos', 'los', 'endedByScheduler', 'lastRunEnd']
for i in range(0, len(data) - 99, 100):
    r = data[i:i + 100]
    if r[:12].split(b'\0')[0].decode() != sys.argv[2]:
        continue
    aos, los = struct.unpack_from('<ii', r, 12)
    ended, = struct.unpack_from('<i', r, 40)
    last, = struct.unpack_from('<i', r, 92)
    print(dict(zip(names, [aos, los, ended, last]))[sys.argv[3]])
    break
PY
}

# Lines of the stand-in's log with this word: "<time> <word> <wParam> <lParam>".
standin_lines() { grep " $1" "$WORK/standin.log" 2>/dev/null | tr -d '\r' || true; }

# Waits up to $2 seconds for a stand-in log line with word $1.
wait_standin() {
    for _ in $(seq "$2"); do
        [ -n "$(standin_lines "$1")" ] && return 0
        sleep 1
    done
    return 1
}

# Closes Tarvon through its main window, as the user would, and waits.
close_tarvon() {
    probe post --class Tarvon --msg 16 >/dev/null || fail "no main window to close"
    wait_exit "$TARVON_PID" 30 || fail "Tarvon did not end after WM_CLOSE"
}

# |$1 - $2| <= $3
expect_near() {
    local d=$(($1 - $2))
    [ "${d#-}" -le "$3" ] || fail "$4: $1 is not within $3 of $2"
}
