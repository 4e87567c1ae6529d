#!/usr/bin/python3
# Prints what a screen reader hears of a program's controls, through the accessibility bus: one
# "ROLE|NAME" line each. Exits 1 when the program is not on the bus.
#   accessible_names.py APPLICATION
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            print(f"{child.get_role_name()}|{child.get_name()}")
            walk(child)


desktop = Atspi.get_desktop(0)
apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
app = next((a for a in apps if a is not None and a.get_name() == sys.argv[1]), None)
if app is None:
    sys.exit(1)
walk(app)
