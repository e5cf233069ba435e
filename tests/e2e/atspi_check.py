#!/usr/bin/env python3
"""atspi_check.py APPLICATION ROLE NAME WHAT EXPECTED: waits until the running
program has an object of ROLE named NAME whose WHAT, its "description" (no-break
spaces read as spaces) or a state ("focused"), is EXPECTED ("true" for a state).
atspi_check.py menu KEY...: presses the keys and prints, a line each, the items
of the menu that then takes the keyboard."""
import subprocess
import sys

import pyatspi
from gi.repository import GLib

from atspi_press import find, wait_for


def value(accessible, what):
    if what == "description":
        return accessible.description.replace("\u00a0", " ")
    return str(accessible.getState().contains(getattr(pyatspi, "STATE_" + what.upper()))).lower()


def main():
    if sys.argv[1] == "menu":
        items = []

        def listen(event):
            if event.detail1 and event.source.getRoleName() == "menu item":
                items.extend(item.name for item in event.source.parent)
                pyatspi.Registry.stop()

        pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused")
        GLib.idle_add(lambda: subprocess.run(["xdotool", "key", *sys.argv[2:]], check=True) and False)
        GLib.timeout_add_seconds(10, lambda: pyatspi.Registry.stop() or False)
        pyatspi.Registry.start()
        print("\n".join(items))
        return
    application, role, name, what, expected = sys.argv[1:6]
    app = wait_for(application, lambda: find(pyatspi.Registry.getDesktop(0), lambda a: a.name == application, 11))
    wait_for(f"the {role} '{name}' with the {what} '{expected}'", lambda: find(
        app, lambda a: a.getRoleName() == role and a.name == name and value(a, what) == expected))


if __name__ == "__main__":
    main()
