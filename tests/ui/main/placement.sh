#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's size and place across restarts under a real window manager (openbox, which
# adds a title bar and borders), in a virtual X display:
# - the first start (nothing stored) has an inner area of 607 x 415;
# - a restart puts the window where it was, at the size it had;
# - closing maximized, restarting (it comes back maximized) and restoring gives the last
#   normal size, not one grown by the frame.
#
# usage: placement.sh VELTRANE_BINARY EXAMPLE_TOPIC WORK_DIR
set -eu

binary=$1
topic=$2
work=$3

. "$(dirname "$0")/../../common/fresh_home.sh"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
    binary=$1; topic=$2; work=$3
    fail() { echo "placement: $*" >&2; exit 1; }

    openbox > "$work/openbox.txt" 2>&1 &
    wm=$!
    trap "kill $wm 2>/dev/null || true" EXIT
    for i in $(seq 1 100); do wmctrl -m > /dev/null 2>&1 && break; sleep 0.1; done
    wmctrl -m > /dev/null 2>&1 || fail "openbox did not start"

    # Starts the program and waits until the window manager has framed its window.
    start() {
        "$binary" "$topic" >> "$work/stdout.txt" 2>> "$work/stderr.txt" &
        pid=$!
        wid=
        for i in $(seq 1 300); do
            wid=$(xdotool search --onlyvisible --name "^Choosing a car - Veltrane\$" 2>/dev/null | head -n 1) || true
            [ -n "$wid" ] && xprop -id "$wid" _NET_FRAME_EXTENTS 2>/dev/null | grep -q "=" && break
            sleep 0.1
        done
        [ -n "$wid" ] || fail "no window"
        sleep 0.5
    }
    # Inner geometry "X Y WIDTH HEIGHT" in screen coordinates.
    geometry() {
        eval "$(xdotool getwindowgeometry --shell "$wid")"
        echo "$X $Y $WIDTH $HEIGHT"
    }
    # Ctrl+Q, once more when the first key reached the window before it took the focus.
    quit() {
        for attempt in 1 2 3; do
            xdotool windowactivate --sync "$wid" 2>/dev/null || true
            xdotool key --window "$wid" ctrl+q 2>/dev/null || true
            for i in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
            kill -0 $pid 2>/dev/null || break
        done
        kill -0 $pid 2>/dev/null && { kill $pid; fail "still running after Ctrl+Q"; }
        wait $pid || fail "exit code $?"
    }
    maximized() { xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }

    start
    set -- $(geometry)
    [ "$3x$4" = 607x415 ] || fail "first start: inner size $3x$4, expected 607x415"
    echo "first start: inner $3x$4 at $1,$2; frame $(xprop -id "$wid" _NET_FRAME_EXTENTS | sed "s/.*= //")"

    # Somewhere else, at another size.
    xdotool windowsize "$wid" 700 480
    xdotool windowmove "$wid" 200 150
    sleep 0.5
    moved=$(geometry)
    quit
    start
    again=$(geometry)
    [ "$again" = "$moved" ] || fail "restart: inner geometry $again, expected $moved"
    echo "restart: inner geometry $again as left"

    wmctrl -i -r "$wid" -b add,maximized_vert,maximized_horz
    for i in $(seq 1 50); do maximized && break; sleep 0.1; done
    maximized || fail "the window manager did not maximize the window"
    sleep 0.5
    quit
    grep -q "^\"Maximized\"=\"True\"" "$work/registry/HKEY_CURRENT_USER.reg" || fail "Maximized not stored"
    start
    for i in $(seq 1 50); do maximized && break; sleep 0.1; done
    maximized || fail "restart after closing maximized: not maximized"
    wmctrl -i -r "$wid" -b remove,maximized_vert,maximized_horz
    for i in $(seq 1 50); do maximized || break; sleep 0.1; done
    sleep 0.5
    restored=$(geometry)
    set -- $restored
    set -- $moved $3 $4
    [ "$5x$6" = "$3x$4" ] || fail "restored after a maximized restart: inner size $5x$6, expected $3x$4"
    echo "maximized restart, restored: inner size $5x$6 as before"
    quit
' placement "$binary" "$topic" "$work"
