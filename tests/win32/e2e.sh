#!/bin/sh
# The Windows program end to end under Wine on Xvfb, with real keystrokes and
# a real click from xdotool: Tab, 1.3, a click on Convert gives 20 turns and
# "50." divisions. The controls are read from outside by their IDs; a
# screenshot goes to ARTIFACTS/e2e-windows.png.
# Usage: e2e.sh WINE_RUN BRANTILE_EXE CONTROLS_EXE ARTIFACTS
set -eu
wine_run=$1
program=$2
controls=$3
artifacts=$4
mkdir -p "$artifacts"

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r number <"$fifo"
rm -f "$fifo"
export DISPLAY=":$number"
export BRANTILE_WINE_SESSION=e2e
export BRANTILE_WINE_REGION=en_US
prefix=${BRANTILE_WINE_HOME:?}/$BRANTILE_WINE_REGION-$BRANTILE_WINE_SESSION
stop() {
    [ ! -d "$prefix" ] || WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
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
