#!/bin/sh
# Starts the built program on a topic file in a virtual X display, as a person would, and
# checks what shows: the window by its title (so the file, named relative to the current
# folder, was loaded), a screenshot of it (size and colours), Ctrl+Q closing it, and the
# settings it leaves in the registry store.
#
# usage: realwindow.sh VELTRANE_BINARY WORK_DIR [SCREENSHOT_COPY]
set -eu

binary=$1
work=$2
copy=${3:-}

. "$(dirname "$0")/../../common/fresh_home.sh"
mkdir -p "$work/Trips abroad"

# Named as a person types it: relative to the folder the program starts in, with a blank and
# letters beyond ASCII.
topic="Trips abroad/Où aller.vtp"
cat > "$work/$topic" <<'TOPIC'
;
; Veltrane - Parameter Settings
;

[Veltrane]
AppVersion=1.0.0

[Topic]
Name=Where to go on holiday
TotalOptions=3
TotalAttributes=3
InvertWeights=False

[Attributes]
Attribute0_Name=Weather
Attribute0_Weighting=0.8
Attribute1_Name=Cost
Attribute1_Weighting=0.6
Attribute2_Name=Food
Attribute2_Weighting=0.4

[Option0]
Name=Lisbon
Rating0=0.8
Rating1=0.6
Rating2=0.9

[Option1]
Name=Reykjavik
Rating0=0.2
Rating1=0.3
Rating2=0.5

[Option2]
Name=Kyoto
Rating0=0.6
Rating1=0.4
Rating2=1
TOPIC

fail() {
    echo "realwindow: $*" >&2
    exit 1
}

# Everything that needs the display runs inside one xvfb-run.
xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
    binary=$1; topic=$2; work=$3
    cd "$work"
    "$binary" "$topic" > "$work/stdout.txt" 2> "$work/stderr.txt" &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name "^Where to go on holiday - Veltrane\$" | head -n 1)
    [ -n "$wid" ] || { kill $pid; echo "no window" > "$work/failure.txt"; exit 1; }
    sleep 1
    xwd -id "$wid" -silent | /usr/bin/convert xwd:- png:"$work/window.png"
    xdotool windowfocus --sync "$wid"
    # The program may close while xdotool still sends the key releases to its window:
    # that error is expected; the exit and the settings are checked below.
    xdotool key --window "$wid" ctrl+q 2> /dev/null || true
    status=0
    for i in $(seq 1 100); do
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 $pid 2>/dev/null; then
        kill $pid; echo "still running after Ctrl+Q" > "$work/failure.txt"; exit 1
    fi
    wait $pid || status=$?
    echo $status > "$work/exit.txt"
' realwindow "$binary" "$topic" "$work" || fail "$(cat "$work/failure.txt" 2>/dev/null || echo 'xvfb-run failed')"

[ "$(cat "$work/exit.txt")" = 0 ] || fail "exit code $(cat "$work/exit.txt")"

# The screenshot: the design's size and its colours.
size=$(/usr/bin/identify -format '%wx%h' "$work/window.png")
[ "$size" = "607x415" ] || fail "window size $size, expected 607x415"
pixel() { /usr/bin/convert "$work/window.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }
[ "$(pixel 0 0)" = "145,200,255" ] || fail "top-left pixel $(pixel 0 0), expected the background's base colour"
count() { /usr/bin/convert "$work/window.png" -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:int(mean*w*h)]' info:; }
gold=$(count 'rgb(254,192,12)')
orange=$(count 'rgb(253,128,9)')
outline=$(count 'rgb(134,149,156)')
[ "$gold" -gt 100 ] || fail "no gold best-score bar ($gold pixels)"
[ "$orange" -gt 100 ] || fail "no orange score bars ($orange pixels)"
[ "$outline" -gt 500 ] || fail "no panel outlines ($outline pixels)"

# The settings written at exit, all as text.
hive="$work/registry/HKEY_CURRENT_USER.reg"
[ -f "$hive" ] || fail "no settings written"
for name in LastUsedDir ShowSettingsOnNew NormaliseWeights DisplayAsDecimal WindowLeft WindowTop WindowWidth WindowHeight Maximized; do
    grep -q "^\"$name\"=\"" "$hive" || fail "setting $name missing"
done
grep -q '^"WindowWidth"="9105"' "$hive" || fail "WindowWidth not 9105: $(grep WindowWidth "$hive")"
grep -q '^"Maximized"="False"' "$hive" || fail "Maximized not False"

if [ -n "$copy" ]; then
    cp "$work/window.png" "$copy"
fi
echo "realwindow: window, screenshot ($size, $gold gold pixels), Ctrl+Q and settings all fine"
