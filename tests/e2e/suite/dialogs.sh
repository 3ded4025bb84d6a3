# Helpers of the setup-dialog scenarios; sourced after ../lib.sh.

WM_COMMAND=273

# Opens the dialog of menu command $1, titled $2.
open_dialog() {
    probe post --class Tarvon --msg $WM_COMMAND --wparam "$1" >/dev/null
    probe find --class '#32770' --title "$2" --timeout 20 >/dev/null || fail "menu command $1 opened no \"$2\""
}

field() { probe text --title "$1" --id "$2"; }
# A dialog just opened on a busy machine may not take the first text yet.
set_field() {
    wait_until 5 probe set-text --title "$1" --id "$2" --text "$3" >/dev/null || fail "cannot type into $1/$2"
}
choose() { probe select --title "$1" --id "$2" --item "$3" >/dev/null || fail "no item \"$3\" in $1/$2"; }
check() { probe check --title "$1" --id "$2" --set "$3" >/dev/null || fail "cannot click $1/$2"; }
press() { probe press --title "$1" --button "$2" >/dev/null || fail "no button $2 in $1"; }

# Presses OK (or the button $2) of dialog $1 and waits for it to close.
close_with() {
    press "$1" "${2:-OK}"
    probe gone --class '#32770' --title "$1" --timeout 20 || fail "\"$1\" stayed open after ${2:-OK}"
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
