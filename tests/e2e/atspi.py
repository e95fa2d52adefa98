#!/usr/bin/python3
"""What a screen reader finds in the running program, through AT-SPI.

  atspi.py name REGEX       waits up to 10 s for an object whose name matches
                            the whole regular expression, and prints its name
  atspi.py inside W H ROLE  fails unless every object of that role, named
                            as in Atspi.Role (e.g. PUSH_BUTTON), as far as
                            its window shows it, lies within the screen's W x H

Roles are compared by their value, not by the name AT-SPI gives them: that
name changes between releases (a push button is "push button" in AT-SPI 2.46
of Debian 12 and "button" in 2.56 of Debian 13), the value does not, and
Atspi.Role.PUSH_BUTTON is in both (in 2.56 another name of BUTTON).
"""
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def objects():
    """Every object of every application, with the window it lies in."""
    desktop = Atspi.get_desktop(0)
    pending = [(desktop.get_child_at_index(i), None) for i in range(desktop.get_child_count())]
    while pending:
        node, window = pending.pop()
        if node is None:
            continue
        try:
            is_window = window is None and node.get_role() != Atspi.Role.APPLICATION
            children = [node.get_child_at_index(i) for i in range(node.get_child_count())]
            pending.extend((child, node if is_window else window) for child in children)
            yield node, window
        except gi.repository.GLib.Error:
            continue  # went away while being read


def find_name(pattern):
    wanted = re.compile(pattern)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        names = [node.get_name() for node, _ in objects()]
        found = [name for name in names if wanted.fullmatch(name)]
        if found:
            print(found[0])
            return 0
        time.sleep(0.2)
    print(f"atspi: no object named /{pattern}/ among {sorted(set(names))}", file=sys.stderr)
    return 1


def all_inside(width, height, role_name):
    role = getattr(Atspi.Role, role_name)
    outside = []
    count = 0
    for node, window in objects():
        if node.get_role() != role:
            continue
        count += 1
        # The part its window shows: Init runs past the main window's edge by design.
        box = node.get_extents(Atspi.CoordType.SCREEN)
        if window is not None:
            frame = window.get_extents(Atspi.CoordType.SCREEN)
            right = min(box.x + box.width, frame.x + frame.width)
            bottom = min(box.y + box.height, frame.y + frame.height)
            box.x, box.y = max(box.x, frame.x), max(box.y, frame.y)
            box.width, box.height = right - box.x, bottom - box.y
        if box.x < 0 or box.y < 0 or box.x + box.width > width or box.y + box.height > height:
            outside.append(f"{node.get_name()!r} at {box.x},{box.y} {box.width}x{box.height}")
    print(f"atspi: {count} objects of role {role_name}, {len(outside)} off the {width}x{height} screen")
    for item in outside:
        print(f"atspi: off screen: {item}", file=sys.stderr)
    return 1 if outside or count == 0 else 0


if __name__ == "__main__":
    if sys.argv[1] == "name":
        sys.exit(find_name(sys.argv[2]))
    sys.exit(all_inside(int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]))
