"""Orca, as a learner runs it: started in the test's own session, driven by real key presses,
and heard through its debug log, where it records every utterance."""

import os
import pty
import re
import subprocess
import threading
import time
import tty

UTTERANCE = re.compile(r" - SPEECH OUTPUT: '(.*)'\s*[\[{]")


def announce_screen_reader():
    """Tells the session's accessibility bus that a screen reader runs, as a desktop's
    screen-reader switch does before it starts Orca (Orca only reads this)."""
    from gi.repository import Gio, GLib
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                         GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, -1, None)


class Orca:
    def __init__(self, prefs, log_path):
        announce_screen_reader()
        # The log is line-buffered only on a terminal, so Orca writes it to a pseudo-terminal
        # that this reads on the fly.
        self._master, self._slave = pty.openpty()
        tty.setraw(self._slave)
        self._log = open(log_path, "wb")
        self._lines = []
        self._lock = threading.Lock()
        self.process = subprocess.Popen(
            ["orca", "--user-prefs", prefs, "--debug-file", os.ttyname(self._slave)],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            try:
                data = os.read(self._master, 65536)
            except OSError:
                return
            if not data:
                return
            self._log.write(data)
            self._log.flush()
            pending += data
            *complete, pending = pending.split(b"\n")
            with self._lock:
                self._lines.extend(line.decode("utf-8", "replace") for line in complete)

    def wait_until_on(self):
        """Waits until Orca says it is on; returns the mark from which it said so."""
        start = self.mark()
        self.wait_for("that it is on", start, lambda s: "Screen reader on." in s, seconds=60)
        return start

    def mark(self):
        """Where the log stands now; what Orca says from here on is heard after it."""
        with self._lock:
            return len(self._lines)

    def lines_since(self, mark):
        with self._lock:
            return self._lines[mark:]

    def said_since(self, mark):
        return [m.group(1) for line in self.lines_since(mark) if (m := UTTERANCE.search(line))]

    def wait_for(self, what, mark, condition, seconds=10):
        """Waits until condition holds for what Orca has said since mark, and returns that."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise AssertionError(f"Orca ended (status {self.process.returncode}) while "
                                     f"waiting for {what}")
            said = self.said_since(mark)
            if condition(said):
                return said
            time.sleep(0.05)
        raise AssertionError(f"Orca never said {what}; it said {self.said_since(mark)}")

    def quiet(self, mark, settle=0.6, seconds=15):
        """Waits until Orca has said nothing new for settle seconds, and returns what it said."""
        deadline = time.monotonic() + seconds
        count, since = -1, time.monotonic()
        while time.monotonic() < deadline:
            now = len(self.lines_since(mark))
            if now != count:
                count, since = now, time.monotonic()
            elif time.monotonic() - since >= settle:
                break
            time.sleep(0.05)
        return self.said_since(mark)

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self._log.close()


def key(*names):
    """Real key presses through the X server, as a learner's keyboard gives them."""
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
