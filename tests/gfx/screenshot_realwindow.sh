#!/bin/sh
# Screenshots as a person takes them: the built program under a virtual X display, Ctrl+S,
# a file name typed into the save dialog. Checks the JPEG and BMP files (size, format, no
# command buttons in them, the matrix as on screen) and that "shot.JPG" saves a topic file.
#
# usage: screenshot_realwindow.sh VELTRANE_BINARY WORK_DIR   (run inside xvfb-run)
set -eu

binary=$1
work=$2
. "$(dirname "$0")/../common/fresh_home.sh"

# The save dialog opens in the work folder, so only names are typed (a typed path brings up
# the dialog's completion list, which takes the Return key).
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tormask\\Veltrane]\r\n"LastUsedDir"="%s/"\r\n\r\n' \
    "$work" > "$work/registry/HKEY_CURRENT_USER.reg"
printf '[Topic]\nName=Where to go\nTotalOptions=2\nTotalAttributes=2\nInvertWeights=False\n[Attributes]\nAttribute0_Name=Weather\nAttribute0_Weighting=0.8\nAttribute1_Name=Cost\nAttribute1_Weighting=0.4\n[Option0]\nName=Lisbon\nRating0=0.8\nRating1=0.6\n[Option1]\nName=Oslo\nRating0=0.3\nRating1=0.4\n' > "$work/Where.vtp"

"$binary" "$work/Where.vtp" > "$work/program.log" 2>&1 &
pid=$!
fail() {
    echo "FAIL: $*"
    xwd -root -silent | /usr/bin/convert xwd:- "png:$work/failure.png" || true
    kill "$pid" 2> /dev/null || true
    exit 1
}
# The main window, looked up afresh each time: while starting, the program may replace
# its native window.
main_window() {
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Where to go - Veltrane$' | tail -n 1) || true
    [ -n "$wid" ] || fail "no main window"
}
main_window
sleep 1

# Ctrl+S, then the name typed into the save dialog; waits until the dialog has gone and the
# file is there.
save_as() {
    # A key sent just as the previous dialog goes can be lost under a bare X server: retry.
    dialog=
    for _ in 1 2 3; do
        main_window
        xdotool windowfocus --sync "$wid" || continue
        xdotool key --window "$wid" ctrl+s || continue
        dialog=$(timeout 8 xdotool search --sync --onlyvisible --name '^Save As$' | head -n 1) || true
        [ -n "$dialog" ] && break
    done
    [ -n "$dialog" ] || fail "no save dialog for $1"
    xdotool windowfocus --sync "$dialog"
    sleep 0.5
    xdotool key ctrl+a
    xdotool type --delay 15 "$1"
    sleep 0.3
    xdotool key Return
    for _ in $(seq 1 80); do
        if [ -s "$work/$1" ] && ! xdotool search --onlyvisible --name '^Save As$' > /dev/null 2>&1; then
            sleep 0.5
            return 0
        fi
        sleep 0.25
    done
    fail "nothing saved to $work/$1"
}

save_as picture.jpg
main_window
xwd -id "$wid" -silent | /usr/bin/convert xwd:- "png:$work/window.png"
save_as bitmap.bmp
save_as topic.JPG

file -b "$work/picture.jpg" | grep -q '^JPEG image data.*, 607x415, components 3' || fail "JPEG: $(file -b "$work/picture.jpg")"
file -b "$work/bitmap.bmp" | grep -q '^PC bitmap, Windows 3.x format, 607 x 415 x 24' || fail "BMP: $(file -b "$work/bitmap.bmp")"
head -c 64 "$work/topic.JPG" | grep -q 'Veltrane - Parameter Settings' || fail "topic.JPG is not a topic file"

# Pixels that differ between the window on screen and the picture, in a part of the window.
differing() { # IMAGE X Y W H
    /usr/bin/convert "$work/window.png" -crop "$4x$5+$2+$3" +repage "png:$work/a.png"
    /usr/bin/convert "$1" -crop "$4x$5+$2+$3" +repage "png:$work/b.png"
    /usr/bin/compare -metric AE -fuzz 6% "$work/a.png" "$work/b.png" null: 2>&1 || true
}
buttons=$(differing "$work/picture.jpg" 420 0 187 40)
# Up to the chart button, which the pictures leave out like the other command buttons.
matrix=$(differing "$work/picture.jpg" 10 45 530 95)
[ "$buttons" -gt 300 ] || fail "the command buttons show in the JPEG ($buttons pixels differ)"
[ "$matrix" -lt 300 ] || fail "the score panel differs from the screen ($matrix pixels)"
buttons=$(differing "$work/bitmap.bmp" 420 0 187 40)
matrix=$(differing "$work/bitmap.bmp" 10 45 530 95)
[ "$buttons" -gt 300 ] || fail "the command buttons show in the BMP ($buttons pixels differ)"
[ "$matrix" -eq 0 ] || fail "the score panel in the BMP differs from the screen ($matrix pixels)"

main_window
xdotool windowfocus --sync "$wid"
# The window may be gone before the key is released: xdotool then reports a bad window.
xdotool key --window "$wid" ctrl+q 2> /dev/null || true
for _ in $(seq 1 40); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.25
done
kill -0 "$pid" 2> /dev/null && fail "Ctrl+Q did not end the program"
echo "screenshots through the save dialog: checks passed"
