#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on the worked example in a virtual X display with its own
# session bus and accessibility bus, and lets accessibility_atspi.py read it as a screen
# reader would.
#
# usage: accessibility.sh VELTRANE_BINARY EXAMPLE_TOPIC WORK_DIR [measured]
set -eu

binary=$1
topic=$2
work=$3
mode=${4:-}
here=$(dirname "$0")

. "$(dirname "$0")/../../common/fresh_home.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0

# The system python: it is the one with the AT-SPI bindings.
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- sh -eu -c '
    binary=$1; topic=$2; work=$3; script=$4; mode=$5
    "$binary" "$topic" > "$work/stdout.txt" 2> "$work/stderr.txt" &
    pid=$!
    status=0
    timeout 90 /usr/bin/python3 "$script" 30 $mode || status=$?
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    exit $status
' accessibility "$binary" "$topic" "$work" "$here/accessibility_atspi.py" "$mode"
