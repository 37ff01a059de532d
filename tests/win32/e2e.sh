#!/bin/sh
# The Windows program end to end under Wine on Xvfb, with real keystrokes and
# a real click from xdotool: Tab, 1.3, a click on Convert gives 20 turns and
# "50." divisions. Then the entry: six digits typed or pasted stay in view,
# Undo after a key taken back over a selection brings the selection back,
# Select All keeps the number, and a drag into the unfocused entry selects
# what it dragged over. In de_DE, the keypad's decimal key types ",". Last,
# under a window manager,
# the notice of a failed Convert: a click on it dismisses it and leaves the
# window in the foreground, and the keys go on to the window. The controls are read from
# outside by their IDs; screenshots go to ARTIFACTS/e2e-windows.png and
# ARTIFACTS/e2e-windows-entry.png. It runs on a display of its own:
# Usage: scripts/desktop-session --display e2e.sh WINE_RUN BRANTILE_EXE CONTROLS_EXE ARTIFACTS
set -eu
wine_run=$1
program=$2
controls=$3
artifacts=$4
mkdir -p "$artifacts"
: "${DISPLAY:?no display: run it under scripts/desktop-session --display}"

wm=
if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi
export BRANTILE_WINE_SESSION=e2e
export BRANTILE_WINE_REGION=en_US
prefix=${BRANTILE_WINE_HOME:?}/$BRANTILE_WINE_REGION-$BRANTILE_WINE_SESSION
stop() {
    [ ! -d "$prefix" ] || WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
}
trap stop EXIT
[ ! -d "$prefix" ] || WINEPREFIX=$prefix wineserver -k 2>/dev/null || true

"$wine_run" "$program" &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brantile$' | head -n 1)
read_controls() {
    "$wine_run" "$controls" | tr -d '\r'
}
# The window is ready once the first focus is on Convert (ID 100).
for _ in $(seq 100); do
    read_controls | grep -qx 'focus 100' && break
    sleep 0.1
done

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --window "$window" Tab
xdotool type --delay 50 '1.3'
# shellcheck disable=SC2046
xdotool mousemove --sync $("$wine_run" "$controls" convert | tr -d '\r') click 1

expected='102 1.3
104 20
105 50.
focus 100'
for _ in $(seq 100); do
    [ "$(read_controls)" = "$expected" ] && break
    sleep 0.1
done
sleep 1.2 # the clock's first tick, for the screenshot
import -window "$window" "$artifacts/e2e-windows.png"
actual=$(read_controls)
if [ "$actual" != "$expected" ]; then
    printf 'expected:\n%s\nread:\n%s\n' "$expected" "$actual" >&2
    exit 1
fi
echo "Tab, 1.3, Convert: 20 turns and 50. divisions; screenshot in $artifacts/e2e-windows.png"

probe() {
    "$wine_run" "$controls" "$@" | tr -d '\r'
}
fail() {
    printf '%s\n' "$*" >&2
    exit 1
}
# Runs the command until it succeeds, for five seconds at most.
within_5s() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
entry_holds() {
    [ "$(read_controls | sed -n 's/^102 //p')" = "$1" ]
}
# Waits until the entry holds the text.
entry_is() {
    within_5s entry_holds "$1" ||
        fail "$2: the entry holds \"$(read_controls | sed -n 's/^102 //p')\", not \"$1\""
}
# The whole text in view, centred: its first character and the caret behind
# it inside the text area, as far from its left edge as from its right.
whole() {
    set -- "$1" $(probe entry | sed -n 's/^shown //p')
    [ "$2" -ge "$4" ] && [ "$3" -le "$5" ] && [ $(($2 - $4 - ($5 - $3))) -le 2 ] &&
        [ $(($5 - $3 - ($2 - $4))) -le 2 ] ||
        fail "$1: first character at x=$2, caret at x=$3, text area $4 to $5"
    echo "$1: first character at x=$2, caret at x=$3, text area $4 to $5"
}
selection_holds() {
    [ "$(probe entry | sed -n 's/^selection //p')" = "$1" ]
}
# Waits until the entry's selection is "START END".
selection_is() {
    within_5s selection_holds "$1" ||
        fail "$2: selection $(probe entry | sed -n 's/^selection //p'), not $1"
    echo "$2: selection $1"
}
convert=$(probe convert)

xdotool key Tab
xdotool type --delay 50 '123456'
entry_is 123456 "typed"
whole "123456 typed"
import -window "$window" "$artifacts/e2e-windows-entry.png"
# shellcheck disable=SC2086
xdotool mousemove --sync $convert click 1
xdotool key Tab
whole "123456 converted, back in the entry"
probe paste 123456
xdotool key Tab Tab ctrl+v
entry_is 123456 "pasted"
xdotool key End
whole "123456 pasted"

xdotool key Tab Tab
xdotool type --delay 50 '12.345'
entry_is 12.345 "12.345 typed"
xdotool key Home Right shift+End
xdotool type a
entry_is 1 "a letter typed over 2.345"
xdotool key ctrl+z
entry_is 12.345 "Undo after the letter that was taken back"
xdotool key ctrl+y
entry_is 1 "Redo"
echo "12.345, Home, Right, Shift+End, a: 1; Undo: 12.345; Redo: 1"

xdotool key Tab Tab
xdotool type --delay 50 '1.'
xdotool key Home Delete
entry_is . "a separator left alone"
xdotool key ctrl+a
selection_is "0 1" "Select All on ."
entry_is . "Select All"

xdotool key Tab Tab
xdotool type --delay 50 '12.5'
xdotool key Tab
entry_is 12.5 "12.5"
# shellcheck disable=SC2046
xdotool mousemove --sync $(probe point -1) mousedown 1
# shellcheck disable=SC2046
xdotool mousemove --sync $(probe point 2) mouseup 1
selection_is "2 4" "a drag from the end of 12.5 to its separator"
read_controls | grep -qx 'focus 102' || fail "the drag gave the entry no focus"

# The keypad's decimal key in a region whose decimal separator is ",": the
# keyboard layout gives the key ".", the group separator there; it types ",".
# The program starts anew in a Wine session of that region.
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
export BRANTILE_WINE_REGION=de_DE
prefix=$BRANTILE_WINE_HOME/$BRANTILE_WINE_REGION-$BRANTILE_WINE_SESSION
[ ! -d "$prefix" ] || WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
"$wine_run" "$program" &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brantile$' | head -n 1)
on_convert() {
    read_controls | grep -qx 'focus 100'
}
within_5s on_convert || fail "de_DE: the window did not come up with the focus on Convert"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
convert=$(probe convert)
xdotool key Tab
xdotool type 1
xdotool key KP_Decimal
xdotool type 3
entry_is 1,3 "de_DE: 1, the keypad's decimal key and 3"
# shellcheck disable=SC2086
xdotool mousemove --sync $convert click 1
converted() {
    [ "$(read_controls | sed -n 's/^10[45] //p' | tr '\n' ' ')" = "20 50, " ]
}
within_5s converted || fail "de_DE: Convert on 1,3 read $(read_controls | tr '\n' ' ')"
echo "de_DE: 1, the keypad's decimal key, 3 and Convert: 1,3 gives 20 turns and 50, divisions"
xdotool key Tab

# The clock watched from outside for 30 s after starts at .2 and .9 s past a
# second, side by side, each in a Wine session and on a screen of its own.
watch_clock() {
    BRANTILE_WINE_REGION=en_US BRANTILE_WINE_SESSION=clock-$1 BRANTILE_WINE_XVFB=clock-$1 \
        "$wine_run" "$controls" \
        watch "0.$1" 30 "Z:$program" | tr -d '\r' >"$artifacts/e2e-windows-clock-$1.txt"
}
watch_clock 2 &
clocks=$!
watch_clock 9
wait "$clocks"
for phase in 2 9; do
    python3 "$(dirname "$0")/../e2e/clock.py" "the clock started .$phase s past a second" 30 \
        <"$artifacts/e2e-windows-clock-$phase.txt" || exit 1
done

if [ -z "$wm" ]; then
    echo "SKIP: the click on the notice: no window manager; install the Debian package openbox"
    exit 0
fi
notice_shows() {
    [ "$(probe notice | head -n 1)" != none ]
}
notice_gone_window_in_front() {
    [ "$(probe notice)" = "none
foreground yes" ]
}
xdotool key ctrl+a
xdotool type --delay 50 '5 '
xdotool key Home Delete
entry_is " " "an entry of one blank"
# shellcheck disable=SC2086
xdotool mousemove --sync $convert click 1
within_5s notice_shows || fail "no notice after Convert on a blank"
at=$(probe notice | head -n 1)
import -window root "$artifacts/e2e-windows-notice.png"
# shellcheck disable=SC2086
xdotool mousemove --sync $at click 1
within_5s notice_gone_window_in_front || fail "after a click on the notice: $(probe notice | tr '\n' ' ')"
read_controls | grep -qx 'focus 100' || fail "the click on the notice moved the focus"
xdotool key Tab
xdotool type --delay 50 '7'
entry_is 7 "a digit typed after the click on the notice"
echo "a click on the notice: dismissed, the window in the foreground, Tab and 7 reach the entry"
