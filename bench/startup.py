#!/usr/bin/python3
"""Times Coinwell's start against a bare Qt Widgets program.

    bench/startup.py BASELINE COINWELL [--runs N]

On an X display of its own (Xvfb, no window manager) it launches the bare
program (bench/startup_baseline.cpp) and Coinwell in turn, N times each, and
times each launch from just before it starts to the moment the X server maps
the first dialog, the window titled " Setting the number of guests". It also
notes when the program first draws into that dialog (a DAMAGE report). Each
program is then killed. It prints the medians and Coinwell's ratio to the
bare program. Both run with the same throwaway configuration and runtime
folders, so that no stored setting and no sound server of the desktop count.
"""

import argparse
import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display as xdisplay, error as xerror
from Xlib.ext import damage

DIALOG_TITLE = " Setting the number of guests"
TARGET_RATIO = 1.15
LAUNCH_LIMIT_S = 30.0


def start_xvfb():
    """Starts Xvfb on a free display; returns the process and the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            server.kill()
            sys.exit("startup: Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


class Watcher:
    """Watches the display's top-level windows from a connection of its own."""

    def __init__(self, name):
        self.display = xdisplay.Display(name)
        self.display.set_error_handler(lambda *args: None)  # windows vanish as programs are killed
        if not self.display.has_extension("DAMAGE"):
            sys.exit("startup: the X server has no DAMAGE extension")
        self.display.damage_query_version()
        self.damage_notify = self.display.query_extension("DAMAGE").first_event + damage.DamageNotifyCode
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.net_wm_name = self.display.intern_atom("_NET_WM_NAME")
        self.display.sync()

    def title(self, window):
        try:
            prop = window.get_full_property(self.net_wm_name, X.AnyPropertyType)
        except xerror.XError:
            return None
        if prop is None:
            return None
        value = prop.value
        return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)

    def time_launch(self, command, env):
        """Launches command; returns (seconds to the dialog's map, seconds to
        its first drawing or None) and kills the program."""
        self.display.sync()
        while self.display.pending_events():
            self.display.next_event()  # what the previous program left
        watched = {}  # window id -> damage id, for windows created since the launch
        dialog = None
        mapped = drawn = None
        start = time.perf_counter()
        program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            while drawn is None:
                now = time.perf_counter()
                if now - start > LAUNCH_LIMIT_S or (mapped is not None and now - mapped > 2.0):
                    break
                if not self.display.pending_events():
                    select.select([self.display.fileno()], [], [], 0.05)
                arrived = time.perf_counter()
                while self.display.pending_events():
                    event = self.display.next_event()
                    if event.type == X.CreateNotify and event.parent == self.root:
                        watched[event.window.id] = event.window.damage_create(damage.DamageReportNonEmpty)
                        self.display.flush()
                    elif event.type == X.MapNotify and event.window.id in watched and dialog is None:
                        if self.title(event.window) == DIALOG_TITLE:
                            dialog, mapped = event.window.id, arrived
                        arrived = time.perf_counter()  # events read while asking came in meanwhile
                    elif event.type == self.damage_notify and event.drawable.id == dialog:
                        drawn = arrived
                if program.poll() is not None:
                    sys.exit(f"startup: {command[0]} ended with status {program.returncode}")
        finally:
            program.send_signal(signal.SIGKILL)
            program.wait()
        if mapped is None:
            sys.exit(f"startup: no dialog titled '{DIALOG_TITLE}' from {command[0]}")
        return mapped - start, (drawn - start) if drawn is not None else None


def median_ms(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) * 1000 if values else float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("baseline")
    parser.add_argument("coinwell")
    parser.add_argument("--runs", type=int, default=20, help="launches of each program (default 20)")
    args = parser.parse_args()

    server, name = start_xvfb()
    try:
        with tempfile.TemporaryDirectory(prefix="coinwell-startup-") as work:
            env = {k: v for k, v in os.environ.items()
                   if k not in ("QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "DBUS_SESSION_BUS_ADDRESS")}
            env.update(DISPLAY=name, LANG="C.UTF-8", XDG_CONFIG_HOME=os.path.join(work, "config"),
                       XDG_RUNTIME_DIR=os.path.join(work, "runtime"))
            os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
            watcher = Watcher(name)
            programs = {"bare Qt program": [os.path.abspath(args.baseline)],
                        "Coinwell": [os.path.abspath(args.coinwell), "--lang", "en"]}
            for command in programs.values():
                watcher.time_launch(command, env)  # the libraries into the page cache
            times = {label: [] for label in programs}
            for _ in range(args.runs):
                for label, command in programs.items():
                    times[label].append(watcher.time_launch(command, env))
                    time.sleep(0.1)
    finally:
        server.kill()
        server.wait()

    print(f"Start-up on Xvfb {name}, {args.runs} launches of each, alternating (milliseconds):")
    print(f"  {'':16} {'dialog mapped':>14} {'min':>7} {'max':>7} {'dialog drawn':>13}")
    mapped, drawn = {}, {}
    for label, runs in times.items():
        first = [m for m, _ in runs]
        mapped[label], drawn[label] = median_ms(first), median_ms([d for _, d in runs])
        print(f"  {label:16} {mapped[label]:14.1f} {min(first) * 1000:7.1f} {max(first) * 1000:7.1f}"
              f" {drawn[label]:13.1f}")
    ratio = mapped["Coinwell"] / mapped["bare Qt program"]
    verdict = "within" if ratio <= TARGET_RATIO else "above"
    print(f"  Coinwell / bare: {ratio:.3f} of the medians to the map ({verdict} {TARGET_RATIO}),"
          f" {drawn['Coinwell'] / drawn['bare Qt program']:.3f} to the first drawing")


if __name__ == "__main__":
    main()
