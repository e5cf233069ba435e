#!/usr/bin/env python3
"""atspi_check.py APPLICATION ROLE NAME WHAT EXPECTED: waits for an object of ROLE named NAME whose
"description" (no-break spaces as spaces) or state ("focused": "true") is EXPECTED.
atspi_check.py menu KEY...: presses the keys, prints the items of the menu then focused."""
import subprocess
import sys

import pyatspi
from gi.repository import GLib

from atspi_press import find, wait_for


def menu_items(keys):
    items = []

    def listen(event):
        if event.detail1 and event.source.getRoleName() == "menu item":
            items.extend(item.name for item in event.source.parent)
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused")
    GLib.idle_add(lambda: subprocess.run(["xdotool", "key", *keys], check=True) and False)
    GLib.timeout_add_seconds(10, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    return items


def main():
    if sys.argv[1] == "menu":
        return print("\n".join(menu_items(sys.argv[2:])))
    application, role, name, what, expected = sys.argv[1:6]
    state = getattr(pyatspi, "STATE_" + what.upper(), None)
    read = (lambda a: str(a.getState().contains(state)).lower()) if state else (
        lambda a: a.description.replace("\u00a0", " "))
    app = wait_for(application, lambda: find(pyatspi.Registry.getDesktop(0), lambda a: a.name == application, 11))
    wait_for(f"the {role} '{name}' with the {what} '{expected}'", lambda: find(
        app, lambda a: a.getRoleName() == role and a.name == name and read(a) == expected))


if __name__ == "__main__":
    main()
