#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Undo and redo in the real window, in a virtual X display: a drag of a rating slider with
# the mouse, Ctrl+Z, Ctrl+Y. The rating fill on screen (its green pixels) must change with
# the drag, come back with the undo and go again with the redo (give or take the slider's
# dotted focus mark, which the press leaves on it).
#
# usage: undo_realwindow.sh VELTRANE_BINARY EXAMPLE_TOPIC WORK_DIR
set -eu

binary=$1
topic=$2
work=$3

. "$(dirname "$0")/../../common/fresh_home.sh"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
    binary=$1; topic=$2; work=$3
    "$binary" "$topic" > "$work/stderr.txt" 2>&1 &
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name "^Choosing a car - Veltrane\$" | head -n 1)
    sleep 1
    shot() { xwd -id "$wid" -silent | /usr/bin/convert xwd:- png:"$work/$1.png"; }
    shot before
    # Car B'"'"'s Quality rating: pressed inside the slider, dragged off its left end.
    xdotool mousemove --window "$wid" 480 355 mousedown 1
    for x in 460 440 420 400 380 360; do xdotool mousemove --window "$wid" "$x" 355; sleep 0.05; done
    xdotool mouseup 1
    sleep 0.5; shot dragged
    xdotool key --window "$wid" ctrl+z; sleep 0.5; shot undone
    xdotool key --window "$wid" ctrl+y; sleep 0.5; shot redone
    xdotool key --window "$wid" ctrl+z; sleep 0.3
    xdotool key --window "$wid" ctrl+q 2> /dev/null || true
    wait
' undo_realwindow "$binary" "$topic" "$work" || { echo "undo_realwindow: xvfb-run failed" >&2; exit 1; }

fail() { echo "undo_realwindow: $*" >&2; exit 1; }
green() { /usr/bin/convert "$work/$1.png" -fill black +opaque "rgb(150,203,50)" -fill white -opaque "rgb(150,203,50)" -format "%[fx:int(mean*w*h)]" info:; }
before=$(green before); dragged=$(green dragged); undone=$(green undone); redone=$(green redone)
[ "$before" -gt 1000 ] || fail "no rating fill on screen ($before green pixels)"
[ "$dragged" -lt $((before - 500)) ] || fail "the drag changed no rating ($before, then $dragged green pixels)"
near() { [ $(($1 - $2)) -lt 100 ] && [ $(($2 - $1)) -lt 100 ]; }
near "$undone" "$before" || fail "Ctrl+Z did not bring the rating back ($before before, $undone after)"
near "$redone" "$dragged" || fail "Ctrl+Y did not do the drag again ($dragged dragged, $redone redone)"
echo "undo_realwindow: drag $before -> $dragged green pixels, Ctrl+Z -> $undone, Ctrl+Y -> $redone"
