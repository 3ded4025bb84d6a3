# Helpers of the main-window scenarios; sourced by ../lib.sh. Rows are found
# from what the window shows: the schedule pane is where its scroll bar is,
# and a line's height is the step by which the window grows and shrinks.

WM_RBUTTONDOWN=516

# LINE, SCHEDULE_TOP, SCHEDULE_BOTTOM, PANE_X (client coordinates) and the
# window's WIDTH and HEIGHT. Shrinking the window by one pixel takes exactly
# one line off; it is grown back.
measure_panes() {
    local left top right bottom smaller
    read -r left top right bottom < <(probe rect --class Tarvon) || fail "no main window"
    WIDTH=$((right - left))
    HEIGHT=$((bottom - top))
    probe resize --class Tarvon --width "$WIDTH" --height $((HEIGHT - 1)) >/dev/null || fail "resize"
    read -r left top right bottom < <(probe rect --class Tarvon)
    smaller=$((bottom - top))
    LINE=$((HEIGHT - smaller))
    [ "$LINE" -gt 5 ] && [ "$LINE" -lt 40 ] || fail "one pixel less took $LINE pixels off"
    probe resize --class Tarvon --width "$WIDTH" --height "$HEIGHT" >/dev/null
    measure_schedule_pane
}

# SCHEDULE_TOP, SCHEDULE_BOTTOM and PANE_X again, after the panes changed.
measure_schedule_pane() {
    local left
    read -r left SCHEDULE_TOP _ SCHEDULE_BOTTOM < <(probe child-rect --class Tarvon --child ScrollBar) ||
        fail "no scroll bar"
    PANE_X=$((left - 150))
}

# Right-click on line $2 of pane $1 (schedule or tracking), then choose item
# $3 of its popup menu (0 = the first).
pane_command() {
    local y
    case "$1" in
        schedule) y=$((SCHEDULE_TOP + $2 * LINE + LINE / 2)) ;;
        tracking) y=$((SCHEDULE_BOTTOM + 5 + LINE + 2 + $2 * LINE + LINE / 2)) ;;
    esac
    probe post --class Tarvon --msg $WM_RBUTTONDOWN --wparam 2 --lparam $((y << 16 | PANE_X)) >/dev/null
    probe popup --item "$3" --timeout 10 >/dev/null || fail "no popup menu on $1 line $2"
}

tracking_value() { probe reg-string 'Software\Kova\Tarvon' Tracking; }
