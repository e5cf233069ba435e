#!/usr/bin/env python3
"""atspi_find.py APPLICATION ROLE NAME...: waits until every NAME is on the
accessibility bus as an object of ROLE (an AT-SPI role name such as "list
item") in the running program, as a screen reader would read it, and prints
where each is on the screen: the "X Y" of its centre, a line each."""
import sys

import pyatspi

from atspi_press import find, wait_for


def main():
    application, role, *names = sys.argv[1:]
    app = wait_for(application, lambda: find(pyatspi.Registry.getDesktop(0), lambda a: a.name == application, 11))
    for name in names:
        found = wait_for(f"the {role} '{name}'", lambda: find(app, lambda a: a.getRoleName() == role and a.name == name))
        box = found.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x + box.width // 2, box.y + box.height // 2)
    print(f"read {len(names)} {role} objects through AT-SPI", file=sys.stderr)


if __name__ == "__main__":
    main()
