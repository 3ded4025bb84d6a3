#!/usr/bin/env bash
# Every command of the main window's menu, chosen in turn: each opens its
# dialog, window, program or message (what it opened is closed again), none
# says it is not there yet, and the station is still running afterwards.
source "$(dirname "$0")/../lib.sh"

seed_station
import_elements
fake_browser
t=$(now)
write_schedule "SO-50:$((t + 4000)):$((t + 4600)):0"
start_station

# In menu order; Scheduling twice, so that it ends as it began.
ids=110,101,109,111,148,127,128,116,123,118,124,119,142,120
ids+=,114,149,137,140,145
ids+=,125,126,139,132,132,152,150,151,143
ids+=,130,131,144,135,136,141,901,905,999
walk=$(probe walk --class Tarvon --ids "$ids" --wait 3) || fail "the walk did not run"
echo "$walk"

missing=$(echo "$walk" | grep 'not available yet' || true)
[ -z "$missing" ] || fail "commands not available: $missing"
# Only the toggles and the rebuild open nothing; help goes to the browser.
silent=$(echo "$walk" | awk '$2 == "none" {print $1}' | sort -u | paste -sd ' ')
expect_eq "$silent" "132 150 901 905" "commands that opened nothing"
expect_help_page index.html
expect_help_page using-help.html
echo "$walk" | grep -q "^151 .*Error getting HDC" || fail "Print Schedule without a printer gave no error"
echo "$walk" | grep -q "^135 .*unable to start" || fail "a missing suite program gave no message"
for dialog in "139 Tracking tracking" "148 Setup.Programs setup-programs"; do
    read -r id title page <<<"$dialog"
    title=${title/./ }
    open_dialog "$id" "$title"
    expect_help "$title" "$page"
    press "$title" Cancel
done

left=$(probe find --class "#32770" --timeout 1) && fail "a dialog of the walk is still open: $left"
screenshot after-walk
close_tarvon
echo "ok"
