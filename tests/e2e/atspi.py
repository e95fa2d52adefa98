#!/usr/bin/python3
"""What a screen reader finds in the running program, through AT-SPI.

  atspi.py name REGEX   waits up to 10 s for an object whose name matches the
                        whole regular expression, and prints its name
"""
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def objects():
    """Every object of every application."""
    desktop = Atspi.get_desktop(0)
    pending = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    while pending:
        node = pending.pop()
        if node is None:
            continue
        try:
            pending.extend(node.get_child_at_index(i) for i in range(node.get_child_count()))
            yield node
        except gi.repository.GLib.Error:
            continue  # went away while being read


def find_name(pattern):
    wanted = re.compile(pattern)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        names = [node.get_name() for node in objects()]
        found = [name for name in names if wanted.fullmatch(name)]
        if found:
            print(found[0])
            return 0
        time.sleep(0.2)
    print(f"atspi: no object named /{pattern}/ among {sorted(set(names))}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(find_name(sys.argv[2]))
