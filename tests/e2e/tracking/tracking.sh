# Helpers of the tracking scenarios; sourced by ../lib.sh. The hamlib dummy
# daemons on ports of our own with their command logs, the ISS in the element
# database, a station placed under one of its passes, and the orbit model's
# view (tarvon-cli look) to compare.

DAEMON_PIDS=()
stop_daemons() { kill "${DAEMON_PIDS[@]}" 2>/dev/null; }
AT_EXIT+=(stop_daemons)

# start_daemon rotctld|rigctld PORT: the dummy device, logging every call with
# its time to $WORK/<daemon>-<port>.log; its pid is in DAEMON_PID.
start_daemon() {
    "$1" -m 1 -T 127.0.0.1 -t "$2" -vvvv -Z >"$WORK/$1-$2.log" 2>&1 &
    started_daemon "$2"
}

# The daemon just started in the background listens on port $1.
started_daemon() {
    DAEMON_PID=$!
    DAEMON_PIDS+=("$DAEMON_PID")
    wait_until 5 listening "$1" || fail "no daemon listens on $1"
}
listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# A little-endian double as a .reg hex value.
reg_double() {
    local hex
    hex=$(python3 -c 'import struct,sys; print(",".join("%02x" % b for b in struct.pack("<d", float(sys.argv[1]))))' "$3")
    printf '\n[HKEY_LOCAL_MACHINE\\%s]\n"%s"=hex:%s\n' "$1" "$2" "$hex" >>"$PENDING_REG"
}

# The Level1 rotator type, reaching the daemons on ports $1 (rotctld) and $2 (rigctld).
level1_rotator() {
    reg_dword 'Software\Kova\Rotator' 'Rotator Type' 2 'Rotctld Port' "$1" 'Rigctld Port' "$2"
    reg_sz 'Software\Kova\Rotator' 'Rotctld Host' 127.0.0.1
    reg_sz 'Software\Kova\Rotator' 'Rigctld Host' 127.0.0.1
}

# The ISS: element set, satellite key without a program (a pass then lasts
# until the engine ends it), downlink 437.8 MHz USB, uplink 145.99 MHz LSB.
iss_satellite() {
    import_keps tle_bbs_bulletin_2026-05.txt
    local key='Software\Kova\Satellites\ISS'
    satellite ISS State 2
    reg_double "$key" 'Downlink 1' 437.8
    reg_double "$key" 'Uplink 1' 145.99
    reg_dword "$key" 'Downlink Mode' 3
    reg_dword "$key" 'Uplink Mode' 4
}

# look TIME: "azimuth elevation range_rate" of the ISS from the station.
look() { look_from ISS "$STATION_LAT" "$STATION_LON" 100 "$1" azimuth elevation range_rate; }

# The ISS (iss_satellite), and the station 4 degrees beside its ground track
# $1 seconds from now, square to its motion: the closest approach comes then,
# some 60 degrees up.
iss_overhead() {
    local before after
    iss_satellite
    before=$(subpoint $(($(now) + $1 - 5)))
    after=$(subpoint $(($(now) + $1 + 5)))
    read -r STATION_LAT STATION_LON <<<"$(python3 -c '
import math, sys
la0, lo0, la1, lo1 = map(float, sys.argv[1:])
dlo = (lo1 - lo0 + 180) % 360 - 180
north, east = la1 - la0, -dlo * math.cos(math.radians(la0))
n = math.hypot(north, east)
lat = (la0 + la1) / 2 + 4 * east / n
lon = ((lo0 + dlo / 2) + 4 * north / n / math.cos(math.radians(lat))) % 360
print("%.4f %.4f" % (lat, lon if lon < 180 else lon - 360))' $before $after)"
    seed_station
    reg_double 'Software\Kova\Station' Latitude "$STATION_LAT"
    reg_double 'Software\Kova\Station' Longitude "$STATION_LON"
    # The pre-pass notification shows or not depending on how long start-up
    # took; these scenarios look for other boxes.
    reg_dword 'Software\Kova\Tarvon' 'Message Pop Ups' 0
}

# "latitude longitude" (west positive) of the point under the ISS at time $1.
subpoint() { look_from ISS 0 0 0 "$1" sub_lat sub_lon; }

# "UNIXTIME VALUE..." per command a daemon carried out: rotctld positions
# ("az el") or rigctld downlink ("freq") and uplink ("tx_freq") frequencies.
daemon_calls() {
    local log=$1 pattern=$2
    grep -a "$pattern" "$log" 2>/dev/null | python3 -c '
import sys, re, datetime
for line in sys.stdin:
    stamp = datetime.datetime.strptime(line[:26], "%Y-%m-%dT%H:%M:%S.%f").replace(tzinfo=datetime.timezone.utc)
    values = re.findall(r"(?:az|el|freq)=(-?[0-9.]+)", line[27:])
    print("%.3f %s" % (stamp.timestamp(), " ".join(values)))'
}
positions() { daemon_calls "$WORK/rotctld-$1.log" ': rot_set_position called'; }
downlinks() { daemon_calls "$WORK/rigctld-$1.log" ': rig_set_freq called'; }
uplinks() { daemon_calls "$WORK/rigctld-$1.log" ': rig_set_split_freq called'; }

# A daemon that accepts connections on port $1, reads, and never answers; its
# pid is in DAEMON_PID.
start_silent_daemon() {
    python3 -c '
import socket, sys, threading
server = socket.socket()
server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
server.bind(("127.0.0.1", int(sys.argv[1])))
server.listen(8)
def swallow(connection):
    while connection.recv(4096):
        pass
while True:
    threading.Thread(target=swallow, args=(server.accept()[0],), daemon=True).start()' "$1" &
    started_daemon "$1"
}

# Stops the daemon with pid $1 and waits until it is gone. Its number may be
# another process's by the end: it is not killed again then.
stop_daemon() {
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null || true
    DAEMON_PIDS=($(printf '%s\n' "${DAEMON_PIDS[@]}" | grep -vx "$1" || true))
}

# The DDE service's text line, without its NUL.
tracking_text() {
    dde Tarvon Tracking request text | sed -n 3p | xxd -r -p | tr -d '\0'
}

# Whether the DDE service tracks satellite $1, or nothing.
tracking_satellite() { [[ "$(tracking_text)" == "SN$1 AZ"* ]]; }
tracking_nothing() { [ "$(tracking_text)" == "** NO SATELLITE **" ]; }
