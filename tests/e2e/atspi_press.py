#!/usr/bin/env python3
"""Presses a button of a running program through AT-SPI, as a screen reader
would, and waits for a label to be announced under a new name.

Usage: atspi_press.py APPLICATION BUTTON LABEL_NAME

APPLICATION is the program's name on the accessibility bus, BUTTON the name
of a push button, LABEL_NAME the name a label must announce (a change of its
accessible name) after the press. Waits for the bus and the program to
appear, with bounded retries, so that a loaded machine only slows it down.
"""
import sys
import time

import pyatspi
from gi.repository import GLib

TRIES = 150  # of 0.1 s each, for the program and its button to appear
ANNOUNCE_SECONDS = 10


def find(root, wanted, depth=0):
    """The first accessible below root for which wanted(accessible) holds."""
    if depth > 12:
        return None
    try:
        children = list(root)
    except Exception:  # the tree changes while it is walked
        return None
    for child in children:
        if child is None:
            continue
        try:
            if wanted(child):
                return child
        except Exception:
            continue
        found = find(child, wanted, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(what, look):
    for _ in range(TRIES):
        try:
            found = look()
        except Exception:  # the bus may not answer yet
            found = None
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear on the accessibility bus")


def main():
    application, button_name, label_name = sys.argv[1:4]
    app = wait_for(f"the program {application}",
                   lambda: find(pyatspi.Registry.getDesktop(0), lambda a: a.name == application, depth=11))
    button = wait_for(f"the button {button_name}",
                      lambda: find(app, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == button_name))
    states = button.getState()
    if not states.contains(pyatspi.STATE_ENABLED) or not states.contains(pyatspi.STATE_FOCUSABLE):
        sys.exit(f"FAIL: the button {button_name} is not shown as enabled and focusable")
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        sys.exit(f"FAIL: the button {button_name} offers {names}, no Press")

    heard = []

    def listen(event):
        if event.source is not None and event.source.getRole() == pyatspi.ROLE_LABEL and \
                event.source.name == label_name:
            heard.append(event.source.name)
            pyatspi.Registry.stop()

    def press():
        action.doAction(names.index("Press"))
        return False

    def give_up():
        pyatspi.Registry.stop()
        return False

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")
    GLib.idle_add(press)
    GLib.timeout_add_seconds(ANNOUNCE_SECONDS, give_up)
    pyatspi.Registry.start()
    if not heard:
        sys.exit(f"FAIL: pressing {button_name} announced no label named '{label_name}'")
    print(f"pressed {button_name} through AT-SPI; heard '{heard[0]}'")


if __name__ == "__main__":
    main()
