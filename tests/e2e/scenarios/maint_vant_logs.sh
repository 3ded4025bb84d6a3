#!/usr/bin/env bash
# "VANT Logs" and "Upload Logging" from the Housekeeping menu: the sessions of
# a real log with their average efficiency, the uploads, Print without a
# printer, Clear deleting the log on disk; and the open time of a 50 MB log.
source "$(dirname "$0")/../lib.sh"

seed_registry "$TARVON_SOURCE/tests/e2e/data/station.reg"
seed_registry "$TARVON_SOURCE/tests/e2e/data/maint_satellites.reg"
mkdir -p "$KOVA_DIR/AO-16" "$KOVA_DIR/UO-22"
cp "$TARVON_SOURCE/tests/data/maint/VANT.LOG" "$KOVA_DIR/AO-16/"
# About 50 MB of sessions, each with an upload, for the open time.
python3 - "$KOVA_DIR/UO-22/VANT.LOG" <<'PY'
import sys
session = ("Session started at 10:02:33 13-May-2026\r\nTOTAL bytes moved  :    97280\r\n"
           "Average BPS        :   402\r\nEFFICIENCY         :  79%\r\nUploads Made\r\n"
           "    G0TST1.UL 40k   40960 bytes in        101 s, average speed:     405|OK\r\n"
           "Session closed at 10:14:59\r\n09:53:31 Directory: 14 new entries, 2 holes left\r\n")
n = 50 * 1024 * 1024 // len(session) + 1
open(sys.argv[1], "w", newline="").write(session * n)
print(n, file=open(sys.argv[1] + ".count", "w"))
PY

title="VANT Logs"
fake_browser
start_tarvon
probe find --class Tarvon --title Tarvon --timeout 30 >/dev/null || fail "no main window"
probe post --class Tarvon --msg 273 --wparam 140 >/dev/null
probe find --title "$title" --timeout 20 >/dev/null || fail "no VANT Logs dialog"
expect_eq "$(probe list --title "$title" --id 4721 | tr '\n' ' ')" "AO-16 UO-22 " "PacSat satellites"
probe select --title "$title" --id 4721 --item AO-16 >/dev/null || fail "AO-16 not chosen"
expect_eq "$(probe list --title "$title" --id 4723)" "12-May-2026  09:41:07  09:53:30   184320    412   87
12-May-2026  11:22:45  11:33:02    51200    390   71
12-May-2026  23:55:10  00:08:02    20480    198   64
13-May-2026  01:40:00  01:51:19        0      0    0
13-May-2026  10:02:33  10:14:59    97280    402   79" "session rows"
expect_eq "$(probe text --title "$title" --id 4724)" "75" "average efficiency"
probe nudge --title "$title" && screenshot vant-log
probe press --title "$title" --button Help >/dev/null
expect_help_page vant-logs.html

probe press --title "$title" --button Uploads >/dev/null || fail "Uploads not pressed"
probe find --title "Upload Logging" --timeout 10 >/dev/null || fail "no Upload Logging dialog"
expect_eq "$(probe list --title "Upload Logging" --id 4742)" "NEWS01.UL 12k  12288    31   396 OK
KEPS.PUL   3k   3072     9   341 retry 1, OK
G0TST1.UL 40k  40960   101   405 OK" "upload rows"
expect_eq "$(probe text --title "Upload Logging" --id 4743)/$(probe text --title "Upload Logging" --id 4744)" \
    "3/380" "upload count and average speed"
# A dialog opened from a dialog needs a second move before Wine draws it.
probe nudge --title "Upload Logging" && probe nudge --title "Upload Logging" && screenshot upload-logging
probe press --title "Upload Logging" --button Help >/dev/null
expect_help_page upload-logging.html
probe press --title "Upload Logging" --button OK >/dev/null
probe gone --title "Upload Logging" --timeout 10 || fail "Upload Logging stays open"

# No printer in this prefix: the job is refused with the printer message.
probe press --title "$title" --button Print >/dev/null
expect_eq "$(probe msgbox --title "Print Error" --timeout 10 --press OK)" "Print Error
Error getting HDC" "print without a printer"

probe press --title "$title" --button Clear >/dev/null
sleep 1
[ ! -e "$KOVA_DIR/AO-16/VANT.LOG" ] || fail "Clear left VANT.LOG on disk"
expect_eq "$(probe list --title "$title" --id 4723 --count 1)" "0" "rows after Clear"
probe select --title "$title" --id 4721 --item AO-16 --post 1 >/dev/null
expect_eq "$(probe msgbox --title Tarvon --timeout 10 --press OK)" "Tarvon
There is no log file for this satellite." "cleared log chosen again"

ms=$(probe select --title "$title" --id 4721 --item UO-22) || fail "UO-22 not chosen"
expect_eq "$(probe list --title "$title" --id 4723 --count 1)" "$(cat "$KOVA_DIR/UO-22/VANT.LOG.count")" \
    "sessions of the 50 MB log"
echo "50 MB log: $(stat -c %s "$KOVA_DIR/UO-22/VANT.LOG") bytes listed in $ms ms"
screenshot vant-log-50mb

probe press --title "$title" --button OK >/dev/null
probe gone --title "$title" --timeout 10 || fail "VANT Logs stays open"
probe post --class Tarvon --msg 16 >/dev/null
wait_exit "$TARVON_PID" 30 || fail "did not close"
echo "ok"
