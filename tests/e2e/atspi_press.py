#!/usr/bin/env python3
"""atspi_press.py APPLICATION BUTTON LABEL_NAME: presses the push button named
BUTTON of a running program through AT-SPI, as a screen reader would, and
waits for a label to announce LABEL_NAME as its new name. The bus and the
program are waited for with bounded retries, so load only slows it down."""
import sys
import time

import pyatspi
from gi.repository import GLib


def find(root, wanted, depth=0):
    """The first accessible below root for which wanted(accessible) holds."""
    for child in (list(root) if depth < 12 else []):
        try:
            if wanted(child):
                return child
        except Exception:  # the tree changes while it is walked
            continue
        found = find(child, wanted, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(what, look, tries=150):
    for _ in range(tries):
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
    app = wait_for(application, lambda: find(pyatspi.Registry.getDesktop(0), lambda a: a.name == application, 11))
    button = wait_for(button_name, lambda: find(
        app, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == button_name))
    if not button.getState().contains(pyatspi.STATE_FOCUSABLE):
        sys.exit(f"FAIL: the button {button_name} cannot take the focus")
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        sys.exit(f"FAIL: the button {button_name} offers {names}, no Press")

    heard = []

    def listen(event):
        try:
            if event.source.getRole() == pyatspi.ROLE_LABEL and event.source.name == label_name:
                heard.append(label_name)
                pyatspi.Registry.stop()
        except Exception:  # the sender went away, or the bus is slow to answer
            pass

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")
    GLib.idle_add(lambda: action.doAction(names.index("Press")) and False)
    GLib.timeout_add_seconds(10, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    if not heard:
        sys.exit(f"FAIL: pressing {button_name} announced no label named '{label_name}'")
    print(f"pressed {button_name} through AT-SPI; heard '{heard[0]}'")


if __name__ == "__main__":
    main()
