#!/usr/bin/env bash
# A person's whole journey through the real windows, under Xvfb (run through xvfb-run -a):
# the start dialog on an empty settings store (its three tabs), Begin, an in-place edit of
# two ratings with Tab and Enter, Ctrl+S through the real save dialog, Ctrl+Q, and a second
# start on the saved file. Screenshots go to $VELTRANE_SHOTS_DIR (default /tmp/veltrane-shots).
#
#   journey.sh /path/to/veltrane
set -euo pipefail

veltrane=$1
shots=${VELTRANE_SHOTS_DIR:-/tmp/veltrane-shots}
mkdir -p "$shots"
work=$(mktemp -d)
pid=
cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
    rm -rf "$work"
}
trap cleanup EXIT

export VELTRANE_REGISTRY_DIR=$work/registry XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work/home
mkdir -p "$VELTRANE_REGISTRY_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$HOME/Documents"
export QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER

fail() {
    echo "journey: $*" >&2
    exit 1
}

# The id of the visible window whose name matches, waiting up to 20 seconds for it.
window() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    [[ -n $id ]] || fail "no window named '$1'"
    echo "$id"
}

shot() {
    xwd -id "$1" -silent | /usr/bin/convert xwd:- "png:$shots/$2.png"
    echo "journey: screenshot $shots/$2.png"
}

click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.4
}

# Where the first rating label sits: right below the top-left green rating slider, centred
# on the slider (whose left half is filled at the start value 0.5). Prints "x y".
first_rating_label() {
    /usr/bin/convert "$shots/$1.png" -strip ppm:- | python3 -c '
import sys
data = sys.stdin.buffer.read()
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace(): pos += 1
    if data[pos:pos + 1] == b"#":
        pos = data.index(b"\n", pos)
        continue
    start = pos
    while not data[pos:pos + 1].isspace(): pos += 1
    fields.append(data[start:pos])
width, height = int(fields[1]), int(fields[2])
pixels = data[pos + 1:]
green = lambda x, y: tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3]) == (150, 203, 50)
hits = [(y, x) for y in range(height) for x in range(width) if green(x, y)]
if not hits: sys.exit("no rating slider found")
top, left = hits[0]
# The fill of the first slider: the run of green to the right and below its first pixel.
right = left
while right + 1 < width and green(right + 1, top + 2): right += 1
bottom = top
while bottom + 1 < height and green(left + 1, bottom + 1): bottom += 1
print(left + (right - left + 1), bottom + 12)
'
}

# 1. First start: no settings yet, so New shows the settings dialog as the start dialog.
"$veltrane" &
pid=$!
dialog=$(window '^Veltrane Settings$')
sleep 0.5
xdotool windowfocus --sync "$dialog"
shot "$dialog" start-dialog
click "$dialog" 185 23
shot "$dialog" settings-preferences
click "$dialog" 298 23
shot "$dialog" settings-about
click "$dialog" 72 23
shot "$dialog" settings-topic
# A title of our own: the title box selects its text when it takes the focus.
click "$dialog" 250 91
xdotool type --delay 30 'Journey Topic'
click "$dialog" 145 273 # Begin

main=$(window '^Journey Topic - Veltrane$')
xdotool windowfocus --sync "$main"
sleep 0.5
shot "$main" main-window

# 2. Edit the first two ratings in place: click, type, Tab, type, Enter.
read -r x y < <(first_rating_label main-window)
click "$main" "$x" "$y"
xdotool type --delay 40 '0.8'
shot "$main" edit-in-progress
xdotool key Tab
xdotool type --delay 40 '0.3'
xdotool key Return
sleep 0.5
shot "$main" after-edit

# 3. Ctrl+S through the real save dialog: type the full path into its name box.
saved=$work/journey.vtp
xdotool key ctrl+s
save=$(window '^Save As$')
xdotool windowfocus --sync "$save"
sleep 0.5
shot "$save" save-dialog
xdotool key ctrl+a
xdotool type --delay 20 "$saved"
xdotool key Return
for _ in $(seq 50); do [[ -s $saved ]] && break; sleep 0.2; done
[[ -s $saved ]] || fail "the topic was not saved"

# 4. Ctrl+Q: nothing unsaved, so the program ends at once and writes its settings.
xdotool windowfocus --sync "$main"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
wait "$pid" || fail "the first run did not end cleanly"
pid=

grep -q $'^Name=Journey Topic\r$' "$saved" || fail "title not saved"
sed -n '/^\[Option0\]/,/^$/p' "$saved" | grep -q $'^Rating0=0.8\r$' || fail "first rating not saved"
sed -n '/^\[Option0\]/,/^$/p' "$saved" | grep -q $'^Rating1=0.3\r$' || fail "second rating not saved"
registry=$VELTRANE_REGISTRY_DIR/HKEY_CURRENT_USER.reg
grep -q '"ShowSettingsOnNew"="True"' "$registry" || fail "settings not written at exit"

# 5. Second start on the saved file: no start dialog, the saved topic is shown.
"$veltrane" "$saved" &
pid=$!
main=$(window '^Journey Topic - Veltrane$')
sleep 0.5
if xdotool search --onlyvisible --name '^Veltrane Settings$' >/dev/null 2>&1; then
    fail "the settings dialog opened for a topic file"
fi
xdotool windowfocus --sync "$main"
shot "$main" reloaded
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
wait "$pid" || fail "the second run did not end cleanly"
pid=
echo "journey: passed"
