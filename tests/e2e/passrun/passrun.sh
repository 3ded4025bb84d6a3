# Helpers of the pass-execution scenarios; sourced by ../lib.sh.
# A station with satellites whose program is the stand-in (tools/standin),
# a schedule file seeded with chosen passes, and readers of the results.

STANDIN_WIN="$BIN_WIN\\standin.exe"

# Satellite key NAME with Program PROGRAM (a registry text: backslashes as is).
add_satellite() {
    satellite "$1" State 2
    reg_sz "Software\\Kova\\Satellites\\$1" Program "$2"
}

# The stand-in as a satellite's Program, logging to $WORK/standin.log.
standin_program() { echo "$STANDIN_WIN --log $WORK_WIN\\standin.log $* %s"; }

# A scheduled event: NAME RUN TIME ASSOCIATE SATELLITE PROGRAM.
add_event() {
    local key="Software\\Kova\\Tarvon\\Events\\$1"
    reg_sz "$key" Name "$1"
    reg_sz "$key" Satellite "$5"
    reg_sz "$key" Program "$6"
    reg_dword "$key" Run "$2" Time "$3" Associate "$4" Active 1
}

# Four bytes, little-endian, of a non-negative number.
le32() { printf '%b' "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)))"; }

# "Kova Schedule.DAT" with one pass per argument
# "NAME:AOS:LOS:LISTENONLY[:ELEVATIONOK[:MAXELEVATION]]": priority 50, state
# 0, start lead 25, elevation good unless ELEVATIONOK is 0, 45 degrees up.
write_schedule() {
    local file="$KOVA_DIR/Kova Schedule.DAT" entry name aos los listen elevation top
    printf '\xd7\x07' >"$file"  # format word 2007
    for entry in "$@"; do
        IFS=: read -r name aos los listen elevation top <<<"$entry"
        {
            printf '%s' "$name"
            head -c $((12 - ${#name})) /dev/zero
            le32 "$aos"; le32 "$los"; le32 0; le32 25  # minPassTime, startLead
            head -c 16 /dev/zero                       # reserved, runNow, endedByScheduler
            le32 "${top:-45}"; le32 50; le32 50; le32 0 # maxElevation, priority, effective, state
            head -c 8 /dev/zero                        # reserved, overhead
            le32 "$listen"; le32 "${elevation:-1}"     # listenOnly, elevationOk
            head -c 24 /dev/zero                       # the rest, lastRunEnd included
        } >>"$file"
    done
}

# Field $2 (as tarvon-cli dump names it) of the first pass of satellite $1 in
# the schedule file; empty when there is none.
pass_field() {
    schedule_dump | awk -v sat="$1" -v field="$2" '$1 == "satName" {on = $2 == sat} on && $1 == field && !got {print $2; got = 1}'
}

# Lines of the stand-in's log with this word: "<time> <word> <wParam> <lParam>".
standin_lines() { grep " $1" "$WORK/standin.log" 2>/dev/null | tr -d '\r' || true; }

# Waits up to $2 seconds for a stand-in log line with word $1.
wait_standin() { wait_until "$2" grep -q " $1" "$WORK/standin.log" 2>/dev/null; }

# Unix time of the station log's last line with text $1; empty when none.
# The station's own times: a busy machine is slow to start the programs that
# watch it, not to keep its timers.
logged_at() {
    local line
    line=$(grep -F "$1" "$KOVA_DIR/Tarvon.log" 2>/dev/null | tail -1) || return 0
    date -d "$(echo "$line" | cut -c1-19)Z" +%s
}
