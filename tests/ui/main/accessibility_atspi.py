#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Walks the accessibility tree of a running Veltrane over AT-SPI, as a screen reader sees
# it, and checks that the sliders, score bars and command buttons are there with their
# roles, names and values, that a rating slider can be set from outside, and that the
# analysis window's chart, opened by pressing its button, says in words what it draws.
#
# Expects the worked example (examples/car.vtp) in the window; with "measured", the
# measured example (examples/laptop-measured.vtp), whose prices must be heard in dollars.
#
# usage: accessibility_atspi.py [TIMEOUT_SECONDS [measured]]
import sys
import time

import pyatspi

TIMEOUT = float(sys.argv[1]) if len(sys.argv) > 1 else 30.0
MEASURED = len(sys.argv) > 2 and sys.argv[2] == "measured"


def fail(message):
    print("accessibility: " + message, file=sys.stderr)
    sys.exit(1)


def find_application():
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("veltrane"):
                return app
        time.sleep(0.2)
    fail("no application named Veltrane on the accessibility bus within %g s" % TIMEOUT)


def walk(node, found, depth=0):
    if node is None or depth > 30:
        return
    found.append(node)
    for child in node:
        walk(child, found, depth + 1)


def controls(app):
    """The tree once the main window has its sliders (they come with the loaded topic)."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        found = []
        walk(app, found)
        if any(n.getRole() == pyatspi.ROLE_SLIDER for n in found) or time.monotonic() > deadline:
            return found
        time.sleep(0.2)


def value_of(node):
    return node.queryValue().currentValue


def by_name(nodes, role, name):
    for node in nodes:
        if node.getRole() == role and node.name == name:
            return node
    names = sorted({n.name for n in nodes if n.getRole() == role})
    fail("no %s named %r; there are: %s" % (str(role), name, names))


def measured(nodes):
    """A measured cell is heard as its value in the unit: the label by its name, the
    slider (which moves the rating) by its description."""
    slider = by_name(nodes, pyatspi.ROLE_SLIDER, "Rating of Aster 14 on Price")
    said = slider.description
    if not said.endswith(" $ rates 0.701"):
        fail("the price slider of Aster 14 says %r" % said)
    value = said[: -len(" rates 0.701")]
    labels = [n for n in nodes if n.name == value and n.description == said]
    if not labels:
        fail("no label reads %r with the description %r" % (value, said))
    print("accessibility: the price of Aster 14 is heard as %r (%r)" % (value, said))


def main():
    app = find_application()
    nodes = controls(app)
    if MEASURED:
        return measured(nodes)

    rating = by_name(nodes, pyatspi.ROLE_SLIDER, "Rating of Car A on Price")
    weighting = by_name(nodes, pyatspi.ROLE_SLIDER, "Weighting of Quality")
    score = by_name(nodes, pyatspi.ROLE_PROGRESS_BAR, "Score of Car A")
    for node, expected in ((rating, 80), (weighting, 25)):
        value = node.queryValue()
        if (value.minimumValue, value.maximumValue) != (0, 100):
            fail("%s ranges %g to %g" % (node.name, value.minimumValue, value.maximumValue))
        if abs(value.currentValue - expected) > 1e-6:
            fail("%s is %g, expected %g" % (node.name, value.currentValue, expected))
    for name in ("Start New Topic", "Load Topic", "Save Topic", "Change Veltrane Settings"):
        button = by_name(nodes, pyatspi.ROLE_PUSH_BUTTON, name)
        action = button.queryAction()
        if "Press" not in [action.getName(i) for i in range(action.nActions)]:
            fail("button %r cannot be pressed" % name)
    editable = [n for n in nodes if n.description.endswith("; click to edit")]
    if not any(n.name == "Car A" and n.description == "Option name; click to edit" for n in editable):
        fail("the option name Car A does not say it can be edited")

    # Setting the rating moves the score, as it would from the keyboard.
    before = value_of(score)
    rating.queryValue().currentValue = 100
    deadline = time.monotonic() + TIMEOUT
    while abs(value_of(score) - before) < 1e-6:
        if time.monotonic() > deadline:
            fail("setting %s left %s at %g" % (rating.name, score.name, before))
        time.sleep(0.1)

    # The chart button opens the analysis window, whose chart tells its crossovers.
    chart_button = by_name(nodes, pyatspi.ROLE_PUSH_BUTTON, "How sure is the decision? Sensitivity chart (F9)")
    chart_button.queryAction().doAction(0)
    deadline = time.monotonic() + TIMEOUT
    chart = None
    while chart is None:
        found = []
        walk(app, found)
        chart = next((n for n in found if n.name == "Sensitivity chart"), None)
        if chart is None:
            if time.monotonic() > deadline:
                fail("pressing the chart button showed no sensitivity chart")
            time.sleep(0.2)
    if "takes over from" not in chart.description:
        fail("the sensitivity chart says %r" % chart.description)

    sliders = sum(1 for n in nodes if n.getRole() == pyatspi.ROLE_SLIDER)
    bars = sum(1 for n in nodes if n.getRole() == pyatspi.ROLE_PROGRESS_BAR)
    buttons = sum(1 for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    print("accessibility: %d sliders, %d score bars, %d buttons, %d editable labels; "
          "a rating set from outside moved the score from %g to %g; the chart says: %s"
          % (sliders, bars, buttons, len(editable), before, value_of(score), chart.description))


main()
