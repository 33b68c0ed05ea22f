#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up time to a visible window: Veltrane on the worked example and on the ten-by-ten
example, against a bare Qt window of the same size that only shows itself, in one X session.

usage: bench_ui_startup.py BUILD_DIR [RUNS]     (on an X display; scripts/bench gives it Xvfb)

The three programs take turns in a shuffled order, RUNS times each, so that all see the same load
on the machine and none always follows another.
A run lasts from starting the program until a window with the expected title is viewable,
found by polling the window tree every 10 ms through Xlib, from this one process; the processor
time the program has used by then is taken too, a figure that other load on the machine hardly
moves. Every run gets a settings store of its own, so each is a first start.
"""
import ctypes
import ctypes.util
import os
import random
import signal
import statistics
import subprocess
import sys
import tempfile
import time

POLL_SECONDS = 0.010
TIMEOUT_SECONDS = 30
IS_VIEWABLE = 2

xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
Window = ctypes.c_ulong


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", Window), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDefaultRootWindow.restype = Window
xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
xlib.XQueryTree.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window), ctypes.POINTER(Window),
                            ctypes.POINTER(ctypes.POINTER(Window)), ctypes.POINTER(ctypes.c_uint)]
xlib.XFetchName.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(ctypes.c_char_p)]
xlib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(WindowAttributes)]
xlib.XFree.argtypes = [ctypes.c_void_p]
# A window may vanish between listing and asking; that is no error here.
ErrorHandler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
ignore_errors = ErrorHandler(lambda display, event: 0)
xlib.XSetErrorHandler(ignore_errors)


def children(display, window):
    root, parent = Window(), Window()
    items = ctypes.POINTER(Window)()
    count = ctypes.c_uint()
    if not xlib.XQueryTree(display, window, ctypes.byref(root), ctypes.byref(parent), ctypes.byref(items),
                           ctypes.byref(count)):
        return []
    found = [items[i] for i in range(count.value)]
    if items:
        xlib.XFree(items)
    return found


def title_is_shown(display, title):
    """A viewable window named title among the top-level windows (or one level below, for a frame)."""
    root = xlib.XDefaultRootWindow(display)
    for top in children(display, root):
        for window in [top] + children(display, top):
            name = ctypes.c_char_p()
            if not xlib.XFetchName(display, window, ctypes.byref(name)) or not name.value:
                continue
            matches = name.value == title
            xlib.XFree(name)
            if matches:
                attributes = WindowAttributes()
                if xlib.XGetWindowAttributes(display, window, ctypes.byref(attributes)) \
                        and attributes.map_state == IS_VIEWABLE:
                    return True
    return False


def cpu_milliseconds(pid):
    """User and system time the process has used so far."""
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1000 / os.sysconf("SC_CLK_TCK")


def time_one_start(display, title, command, environment):
    """Milliseconds from the start to the visible window, and the processor time used by then."""
    start = time.monotonic()
    program = subprocess.Popen(command, env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while not title_is_shown(display, title):
            if program.poll() is not None:
                sys.exit(f"{command[0]} ended (exit {program.returncode}) before its window showed")
            if time.monotonic() - start > TIMEOUT_SECONDS:
                sys.exit(f"no window '{title.decode()}' within {TIMEOUT_SECONDS} s")
            time.sleep(POLL_SECONDS)
        return (time.monotonic() - start) * 1000, cpu_milliseconds(program.pid)
    finally:
        program.send_signal(signal.SIGTERM)
        program.wait()


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) == 3 else 15
    examples = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples")
    veltrane = os.path.join(build, "veltrane")
    programs = [
        ("bare Qt window", b"Bare Qt window", [os.path.join(build, "bench", "startup_bare_window")]),
        ("car.vtp (2 x 2)", b"Choosing a car - Veltrane", [veltrane, os.path.join(examples, "car.vtp")]),
        ("large.vtp (10 x 10)", b"Choosing a laptop - Veltrane", [veltrane, os.path.join(examples, "large.vtp")]),
    ]
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("no X display")
    times = {name: [] for name, _, _ in programs}
    cpu = {name: [] for name, _, _ in programs}
    with tempfile.TemporaryDirectory() as work:
        shuffle = random.Random(1)
        for run in range(runs):
            for name, title, command in shuffle.sample(programs, len(programs)):
                environment = dict(os.environ, VELTRANE_REGISTRY_DIR=os.path.join(work, f"registry{run}-{len(times[name])}"),
                                   XDG_CONFIG_HOME=os.path.join(work, "config"))
                environment.pop("QT_QPA_PLATFORM", None)
                wall, used = time_one_start(display, title, command, environment)
                times[name].append(wall)
                cpu[name].append(used)
                time.sleep(0.2)  # the ended program's window and connection are gone before the next starts
    bare = programs[0][0]
    print(f"start-up to a visible window, {runs} runs each, polled every {POLL_SECONDS * 1000:.0f} ms")
    for name, _, _ in programs:
        median = statistics.median(times[name])
        fastest = min(times[name])
        used = statistics.median(cpu[name])
        print(f"  {name:20} median {median:4.0f} ms = {median / statistics.median(times[bare]):.2f} x bare;"
              f" fastest {fastest:4.0f} ms = {fastest / min(times[bare]):.2f} x;"
              f" processor {used:4.0f} ms = {used / statistics.median(cpu[bare]):.2f} x")
        print(f"  {'':20} (ms, sorted: {' '.join(f'{t:.0f}' for t in sorted(times[name]))})")


if __name__ == "__main__":
    main()
