#!/usr/bin/env bash
# General Setup and the companion programs' setup dialogs, opened from the
# menu: each loads the stored values, refuses bad input without writing,
# writes nothing on Cancel, and on OK writes every value in its type and
# unit. A longer schedule is searched at once. The About box lists a
# companion program found in the suite directory with its version.
source "$(dirname "$0")/../lib.sh"

seed_station
satellite ISS State 0 Priority 1
satellite AO-7 'Satellite Type' 1
reg_dword 'SOFTWARE\Kova\VANT' Switching 7
import_keps tle_bbs_bulletin_2026-05.txt
cp "$TARVON_BIN/standin.exe" "$KOVA_DIR/VANT.EXE"  # version 3.1.4.15
touch "$KOVA_DIR/in-the-way"
start=$(date +%s)
start_station
tarvon_key='Software\Kova\Tarvon'

# ---- General Setup
G="General Setup"
open_dialog 110 "$G"
expect_eq "$(field "$G" 5502) $(field "$G" 5503) $(field "$G" 5504)" "3 10 1" "stored values shown"
screenshot general-setup
set_field "$G" 5502 5
set_field "$G" 5504 2
choose "$G" 5506 Local
set_field "$G" 5507 "$KOVA_DIR_WIN\\in-the-way"
expect_refused "$G" Tarvon "Unable to create directory \"$KOVA_DIR_WIN\\in-the-way\": a file"
set_field "$G" 5507 'C:\Kova|Data'
expect_refused "$G" Tarvon 'Unable to create directory "C:\Kova|Data": a directory name cannot'
set_field "$G" 5507 "C:\\$(printf 'd%.0s' $(seq 300))"
expect_refused "$G" Tarvon "Kova Program Directory can be at most 259 characters long."
set_field "$G" 5504 99x
expect_refused "$G" Tarvon "Number of days to schedule must be a whole number from 1 to 99."
probe reg-dword "$tarvon_key" 'Pop Up Time' >/dev/null && fail "a refused General Setup wrote values"
close_with "$G" Cancel
probe reg-dword "$tarvon_key" 'Pop Up Time' >/dev/null && fail "Cancel wrote values"

open_dialog 110 "$G"
set_field "$G" 5502 5
set_field "$G" 5504 2
choose "$G" 5506 Local
check "$G" 5505 0
set_field "$G" 5507 "$KOVA_DIR_WIN\\data\\"
press "$G" OK
answer_box Tarvon 15 | grep -q 'next start' || fail "no word on the new directory"
probe gone --class '#32770' --title "$G" --timeout 20 || fail "General Setup stayed open"
expect_reg "$tarvon_key" 'Pop Up Time' "REG_DWORD 4 300"
expect_reg "$tarvon_key" 'Schedule Days' "REG_DWORD 4 2"
expect_eq "$(dwords "$tarvon_key" 'Display Time' 'Map Display')" "0 0" "Display Time, Map Display"
expect_reg 'Software\Kova\General' 'Kova Directory' "REG_SZ $(( (${#KOVA_DIR_WIN} + 6) * 2 )) $KOVA_DIR_WIN\\data"
[ -d "$KOVA_DIR/data" ] || fail "the new suite directory was not made"
screenshot general-local-time

# ---- VANT Setup: a stored 7 shows as Manual; Cancel keeps it.
V="VANT Setup"
open_dialog 116 "$V"
expect_eq "$(probe state --title "$V" --id 5522)" "enabled visible Manual" "Switching 7 shown"
screenshot vant-setup
choose "$V" 5522 "Ask First"
close_with "$V" Cancel
expect_eq "$(probe reg-dword 'Software\Kova\VANT' Switching)" 7 "Switching after Cancel"
open_dialog 116 "$V"
choose "$V" 5522 "Ask First"
check "$V" 5521 0
close_with "$V"
expect_eq "$(dwords 'Software\Kova\VANT' Switching 'Maximise Upload')" "2 0" "VANT values"

# ---- Pevrin Setup: an empty number keeps the stored one.
P="Pevrin Setup"
open_dialog 118 "$P"
screenshot pevrin-setup
set_field "$P" 5541 12
set_field "$P" 5542 ""
check "$P" 5545 0
close_with "$P"
expect_reg 'Software\Kova\Pevrin' 'Maximum PFH Files' "REG_DWORD 4 12"
expect_eq "$(dwords 'Software\Kova\Pevrin' 'Maximum Messages' 'Confirm Delete')" "450 0" "Pevrin values"

# ---- Scrivet Setup
S="Scrivet Setup"
open_dialog 119 "$S"
expect_eq "$(field "$S" 5562)" Hello "default greeting"
screenshot scrivet-setup
set_field "$S" 5562 "$(printf 'g%.0s' $(seq 300))"
expect_refused "$S" Tarvon "Greeting can be at most 29 characters long."
set_field "$S" 5562 "Hi all"
set_field "$S" 5561 MYSIG.TXT
set_field "$S" 5564 "$KOVA_DIR_WIN\\sent\\"
choose "$S" 5567 LHArc
close_with "$S"
expect_reg 'Software\Kova\Scrivet' 'Compression Type' "REG_DWORD 4 3"
expect_reg 'Software\Kova\Scrivet' Greeting "REG_SZ 14 Hi all"
expect_eq "$(probe reg-string 'Software\Kova\Scrivet' 'Source Save Directory')" "$KOVA_DIR_WIN\\sent" "source directory"
[ -d "$KOVA_DIR/sent" ] || fail "the source save directory was not made"
expect_eq "$(probe reg-string 'Software\Kova\Scrivet' Editor)" NOTEPAD.EXE "default editor written"

# ---- Brisko Setup: the Spacecraft list holds the PacSats and [All].
B="Brisko Setup"
open_dialog 120 "$B"
expect_eq "$(probe list --title "$B" --id 5591 | tr '\n' ' ')" "ISS [All] " "Spacecraft list"
expect_eq "$(probe state --title "$B" --id 5591)" "enabled visible [All]" "Spacecraft shown"
screenshot brisko-setup
choose "$B" 5591 ISS
check "$B" 5588 1
set_field "$B" 5590 G0ABC
close_with "$B"
expect_reg 'Software\Kova\Brisko' 'Update Keps' "REG_DWORD 4 2"
expect_reg 'Software\Kova\Brisko' 'Update Spacecraft' "REG_SZ 8 ISS"
expect_eq "$(probe reg-string 'Software\Kova\Brisko' 'Update Callsign')" G0ABC "callsign"

# ---- About: this program's version and the companion found.
open_dialog 999 "About Tarvon"
expect_eq "$(field 'About Tarvon' 5601)" "Version 1.0.0.0" "own version"
about=$(field 'About Tarvon' 5602)
echo "$about" | grep -q 'VANT:  3.1.4.15' || fail "VANT's version not listed: $about"
echo "$about" | grep -q 'Pevrin:  not installed' || fail "a missing program not said so: $about"
screenshot about
close_with "About Tarvon"

# The two-day schedule is searched at once: passes beyond the first day
# are saved when the station closes (in the directory it runs in).
sleep 5
close_tarvon
last=$(schedule_aos | sort -n | tail -1)
[ "${last:-0}" -gt $((start + 138240)) ] || fail "no pass beyond the first day (last AOS ${last:-none})"
echo "ok"
