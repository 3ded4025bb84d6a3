# Driving the station as a user would, and reading what it leaves behind;
# sourced by lib.sh. Each Wine program started costs a second or more, so
# readings that belong together go through one probe run.

WM_CLOSE=16
WM_COMMAND=273

# satellite NAME [VALUE NUMBER]...: satellite NAME's key, its Name and DWORD values.
satellite() {
    local key="Software\\Kova\\Satellites\\$1"
    reg_sz "$key" Name "$1"
    shift
    reg_dword "$key" "$@"
}

# Starts Tarvon.exe and waits for its main window.
start_station() {
    start_tarvon "$@"
    probe find --class Tarvon --title Tarvon --timeout 60 >/dev/null || fail "no main window"
}

# Closes Tarvon through its main window, as the user would; it must end with 0.
close_tarvon() {
    probe post --class Tarvon --msg $WM_CLOSE >/dev/null || fail "no main window to close"
    wait_exit "$TARVON_PID" 60 || fail "Tarvon did not end after WM_CLOSE"
    expect_eq "$EXIT_CODE" 0 "exit code after WM_CLOSE"
}

menu() { probe post --class Tarvon --msg $WM_COMMAND --wparam "$1" >/dev/null; }

# Opens the dialog of menu command $1, titled $2.
open_dialog() {
    menu "$1"
    probe find --class '#32770' --title "$2" --timeout 20 >/dev/null || fail "menu command $1 opened no \"$2\""
}

# Shows page $2 (0 = the first) of property sheet $1 (PSM_SETCURSEL).
show_page() {
    probe post --class '#32770' --title "$1" --msg 1125 --wparam "$2" >/dev/null
    sleep 1
}

field() { probe text --title "$1" --id "$2"; }
# A dialog just opened on a busy machine may not take the first text yet.
set_field() {
    wait_until 5 probe set-text --title "$1" --id "$2" --text "$3" >/dev/null || fail "cannot type into $1/$2"
}
choose() { probe select --title "$1" --id "$2" --item "$3" >/dev/null || fail "no item \"$3\" in $1/$2"; }
check() { probe check --title "$1" --id "$2" --set "$3" >/dev/null || fail "cannot click $1/$2"; }
press() { probe press --title "$1" --button "$2" --timeout 5 >/dev/null || fail "no button $2 in $1"; }

# Presses OK (or the button $2) of dialog $1 and waits for it to close.
close_with() {
    press "$1" "${2:-OK}"
    probe gone --class '#32770' --title "$1" --timeout 20 || fail "\"$1\" stayed open after ${2:-OK}"
}

# Presses Help of dialog $1 and expects help page $2 (.html) to open.
expect_help() {
    press "$1" Help
    expect_help_page "$2.html"
}

# Presses OK on the message box captioned $1 once it shows (within $2 s) and
# prints its text.
answer_box() {
    local box
    box=$(probe msgbox --title "$1" --timeout "$2" --press OK) || fail "no '$1' box"
    sleep 1  # the box is gone before another of the same caption is looked for
    echo "$box" | tail -n +2
}

# Presses OK of dialog $1 and expects a message box captioned $2 whose text
# starts with $3; answers it and expects the dialog still open.
expect_refused() {
    press "$1" OK
    local box
    box=$(probe msgbox --title "$2" --timeout 15 --press OK) || fail "no \"$2\" box for: $3"
    [[ "$(echo "$box" | sed -n 2p)" == "$3"* ]] || fail "message: expected \"$3...\", got \"$box\""
    probe gone --class '#32770' --title "$2" --timeout 10 || fail "the \"$2\" box stayed"
    probe find --class '#32770' --title "$1" >/dev/null || fail "\"$1\" closed on bad input: $3"
}

# refuse_fields DIALOG CAPTION: every field of the table REFUSED (id ->
# "Label|numbers") is given each of its bad texts (the numbers index "",
# abc, 99999999999, -5 and 300 digits) and OK pressed: each time a box
# captioned CAPTION must start with the field's label and the focus come back
# to the field, which then gets its shown text back. A field with a partner
# in PAIRED (id -> id) is tried with the partner holding 10, emptied after.
refuse_fields() {
    local dlg=$1 id i shown batch="$WORK/bad.batch" expected="$WORK/bad.expected"
    local -a bad=("" abc 99999999999 -5 "$(printf '7%.0s' $(seq 300))")
    : >"$batch"
    : >"$expected"
    for id in $(printf '%s\n' "${!REFUSED[@]}" | sort -n); do
        shown=$(field "$dlg" "$id")
        [ -z "${PAIRED[$id]:-}" ] || echo "set-text --title \"$dlg\" --id ${PAIRED[$id]} --text 10" >>"$batch"
        for i in ${REFUSED[$id]#*|}; do
            printf 'set-text --title "%s" --id %s --text "%s"\npress --title "%s" --button OK\n' "$dlg" "$id" "${bad[$i]}" "$dlg"
            printf 'msgbox --title "%s" --timeout 10 --press OK\nfocus --title "%s"\n' "$2" "$dlg"
            printf '%s\n%s\n%s\n' "$2" "${REFUSED[$id]%%|*}" "$id" >>"$expected"
        done >>"$batch"
        echo "set-text --title \"$dlg\" --id $id --text \"$shown\"" >>"$batch"
        [ -z "${PAIRED[$id]:-}" ] || echo "set-text --title \"$dlg\" --id ${PAIRED[$id]} --text \"\"" >>"$batch"
    done
    probe batch <"$batch" >"$WORK/bad.out" || fail "bad-input batch stopped (see $WORK/bad.out)"
    # Of each message only its start counts: the label it names.
    paste -d'\t' "$expected" "$WORK/bad.out" |
        awk -F'\t' '(NR % 3 == 2 ? index($2, $1 " ") != 1 : $1 != $2) {print "expected " $1 ", got " $2; bad = 1}
                    END {exit bad}' || fail "bad input: messages or focus differ"
}

# "REG_DWORD 4 300": a value's type, size and number (or text).
reg_value() {
    local type
    type=$(probe reg-type "$1" "$2") || { echo missing; return 0; }
    case "$type" in
        REG_DWORD*) echo "$type $(probe reg-dword "$1" "$2")" ;;
        *) echo "$type $(probe reg-string "$1" "$2")" ;;
    esac
}
expect_reg() { expect_eq "$(reg_value "$1" "$2")" "$3" "$1 $2"; }

# dwords KEY NAME...: the DWORD values of key KEY, separated by spaces; one
# that is missing ends the list.
dwords() {
    local key=$1 name
    shift
    for name; do printf 'reg-dword "%s" "%s"\n' "$key" "$name"; done | probe batch | paste -sd' '
}

# doubles KEY NAME...: the 8-byte (double) values of key KEY, separated by spaces.
doubles() {
    local key=$1 name
    shift
    for name; do printf 'reg-binary "%s" "%s"\n' "$key" "$name"; done | probe batch |
        python3 -c 'import struct, sys; print(*(struct.unpack("<d", bytes.fromhex(h))[0] for h in sys.stdin.read().split()))'
}

# tarvon-cli and the DDE client (tools/ddeclient); their output without
# carriage returns.
cli() { "$WINE" "$TARVON_BIN/tarvon-cli.exe" "$@" 2>/dev/null | tr -d '\r'; }
dde() { "$WINE" "$TARVON_BIN/ddeclient.exe" "$@" 2>/dev/null | tr -d '\r'; }

# look_from SAT LAT LON ALT TIME FIELD...: these fields of tarvon-cli's look at
# SAT from that place at that time, on one line.
look_from() {
    cli look --keps "$KEPS_WIN" --sat "$1" --lat "$2" --lon "$3" --alt "$4" --time "$5" |
        awk -v want="${*:6}" '{v[$1] = $2} END {n = split(want, f, " ")
            for (i = 1; i <= n; i++) printf "%s%s", v[f[i]], i < n ? " " : "\n"}'
}

# Element files (paths, or names in tests/data) imported into Kova.KEP.
import_keps() {
    local file
    for file; do
        [[ "$file" == /* ]] || file="$TARVON_SOURCE/tests/data/$file"
        cli import --keps "$KEPS_WIN" "$(win_path "$file")" >/dev/null
    done
    [ -s "$KOVA_DIR/Kova.KEP" ] || fail "no element database"
}

# The saved "Kova Schedule.DAT" as tarvon-cli dumps it, and its AOS times.
schedule_dump() { cli dump "$KOVA_DIR_WIN\\Kova Schedule.DAT"; }
schedule_aos() { schedule_dump | sed -n 's/^ *aos *\([0-9]*\).*/\1/p'; }

# predicted_aos SAT LAT LON ALT START: the AOS times of two days of SAT's passes.
predicted_aos() {
    cli passes --keps "$KEPS_WIN" --sat "$1" --lat "$2" --lon "$3" --alt "$4" --start "$5" --days 2 |
        cut -d, -f2 | grep -v aos
}

# expect_first_aos NEW OLD: the saved schedule's first AOS is one of the
# times NEW (one a line) and none of OLD.
expect_first_aos() {
    local aos
    aos=$(schedule_aos | sed -n 1p)
    [ -n "$aos" ] || fail "no pass in the schedule"
    grep -qx "$aos" <<<"$1" || fail "first AOS $aos is not one of ($(echo $1))"
    ! grep -qx "$aos" <<<"$2" || fail "first AOS $aos is still one of the old ones"
}
