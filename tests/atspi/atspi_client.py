"""What the client tests share: waiting on the accessibility bus and finding what it shows."""

import re
import time

import pyatspi
from gi.repository import GLib


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump()
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def find_all(root, role, name=None):
    """Every descendant with the role (and name), in the tree's order. What goes away while the
    tree is walked, as a page's elements and a browser's page processes may, is passed over."""
    found = []

    def walk(node):
        try:
            children = [child for child in node if child is not None]
        except GLib.GError:
            return
        for child in children:
            try:
                if child.getRole() == role and \
                        (name is None or re.fullmatch(name, child.name or "")):
                    found.append(child)
            except GLib.GError:
                continue
            walk(child)
    walk(root)
    return found


def find(root, role, name=None):
    found = find_all(root, role, name)
    assert found, f"no {role} named {name!r}"
    return found[0]


def application(name):
    """The running program of that name on the bus, once it shows a window."""
    def found():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name and app.childCount > 0:
                return app
        return None
    return wait_for(f"{name} on the accessibility bus", found)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def centre(node):
    """The middle of what the node shows, in screen pixels."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2
