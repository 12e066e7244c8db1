"""Places the program's windows under a real window manager, as a learner's desktop does.

Runs on an X display of its own, where it starts and ends the window manager (openbox) itself.
Checks, from what the X server reports, that the main window's frame (title bar and borders
included) is centred on the screen when first shown, that the version dialog's frame is
centred over the main window's frame at each opening, also after the main window was moved,
that the window manager's full-screen and maximise commands leave the window at its one size
and place, also when full screen is asked for as soon as a fresh start is framed, and that a
window moved before a window manager started and framed it stays where it was moved.
"""

import re
import subprocess
import sys
import time

CLIENT = (1016, 594)
DIALOG = (316, 132)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def wait_for(what, condition, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def shown(title):
    """The X window of the visible top-level with that title, if there is one."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def client(window):
    """The client area on the screen: x, y, width, height."""
    info = run("xwininfo", "-id", window)
    def number(label):
        return int(re.search(rf"{label}:\s+(-?\d+)", info).group(1))
    return (number("Absolute upper-left X"), number("Absolute upper-left Y"),
            number("Width"), number("Height"))


def frame(window):
    """The frame around the client area as the window manager reports it."""
    x, y, width, height = client(window)
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS")
    left, right, top, bottom = map(int, re.findall(r"\d+", extents.split("=")[1]))
    return x - left, y - top, width + left + right, height + top + bottom


def states(window):
    return run("xprop", "-id", window, "_NET_WM_STATE")


def screen():
    width, height = re.search(r"dimensions:\s+(\d+)x(\d+)", run("xdpyinfo")).groups()
    return 0, 0, int(width), int(height)


def centred(inner, outer):
    """How far inner's middle is from outer's, in pixels along x and y."""
    return (abs(2 * inner[0] + inner[2] - 2 * outer[0] - outer[2]) / 2,
            abs(2 * inner[1] + inner[3] - 2 * outer[1] - outer[3]) / 2)


def check_centred(what, inner, outer, failures):
    off = centred(inner, outer)
    print(f"{what}: frame {inner}, centred on {outer} within {off}")
    if max(off) > 1:
        failures.append(f"{what}: frame {inner} is {off} off the middle of {outer}")


def open_dialog(main):
    """Right-clicks the strip left of the tab controls and waits for the version dialog."""
    x, y, _, _ = client(main)
    run("xdotool", "mousemove", "--sync", str(x + 1), str(y + 300), "click", "3")
    dialog = wait_for("the version dialog", lambda: shown("Version"))
    # The frame is reported as soon as the window manager has framed the dialog.
    wait_for("the dialog's frame", lambda: "=" in run("xprop", "-id", dialog,
                                                      "_NET_FRAME_EXTENTS"))
    return dialog


def close_dialog():
    run("wmctrl", "-c", "Version")
    wait_for("the dialog to close", lambda: shown("Version") is None)


FRESH_STARTS = 8


def framed_main_window():
    main_window = wait_for("the main window", lambda: shown("Radixtrek"))
    wait_for("the main window's frame",
             lambda: "=" in run("xprop", "-id", main_window, "_NET_FRAME_EXTENTS"))
    return main_window


def ask_for(main_window, command, failures, what=""):
    """Asks the window manager for a full-screen or maximised window; the window must keep
    its size and place, and no such state."""
    before = client(main_window)
    run("wmctrl", "-i", "-r", main_window, "-b", f"add,{command}")
    # The request is answered in a few events; a window that took it keeps it.
    time.sleep(1)
    after = client(main_window)
    print(f"{command} asked{what}: client {before} -> {after}, {states(main_window).strip()}")
    if after != before or "FULLSCREEN" in states(main_window) or \
            "MAXIMIZED" in states(main_window):
        failures.append(f"{command}{what}: client {before} became {after}, "
                        f"{states(main_window).strip()}")


def fresh_starts(program, failures):
    """Full screen asked for as soon as the window is framed, on several fresh starts: the
    frame stays centred."""
    for start in range(1, FRESH_STARTS + 1):
        process = subprocess.Popen([program])
        try:
            main_window = framed_main_window()
            ask_for(main_window, "fullscreen", failures, f" on fresh start {start}")
            check_centred(f"main window after full screen, fresh start {start}",
                          frame(main_window), screen(), failures)
        finally:
            process.terminate()
            process.wait(10)
        wait_for("the window to close", lambda: shown("Radixtrek") is None)


def window_exists(window):
    return subprocess.run(["xwininfo", "-id", window], capture_output=True).returncode == 0


def supporting_window():
    """The window the running window manager names on the root window, if that window exists.
    A window manager that has ended may leave the property behind, naming a window gone."""
    found = re.search(r"window id # (0x[0-9a-f]+)",
                      run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
    return found.group(1) if found and window_exists(found.group(1)) else None


def start_window_manager():
    window_manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
    wait_for("openbox to run", supporting_window)
    return window_manager


def end_window_manager(window_manager):
    """Ends the window manager and waits until it and its own window are gone."""
    named = supporting_window()
    window_manager.terminate()
    window_manager.wait(10)
    wait_for("openbox's window to go", lambda: named is None or not window_exists(named))


def late_window_manager(program, window_manager, failures):
    """A window the learner moved before any window manager framed it stays where it was put
    when one starts and frames it."""
    end_window_manager(window_manager)
    process = subprocess.Popen([program])
    window_manager = None
    try:
        main_window = wait_for("the main window", lambda: shown("Radixtrek"))
        run("xdotool", "windowmove", "--sync", main_window, "40", "60")
        window_manager = start_window_manager()
        framed_main_window()
        time.sleep(0.5)
        print(f"moved before a window manager framed it: client {client(main_window)}")
        if client(main_window)[:2] != (40, 60):
            failures.append(f"a window moved to (40, 60) before it was framed went to "
                            f"{client(main_window)[:2]} when it was")
    finally:
        process.terminate()
        process.wait(10)
        if window_manager:
            end_window_manager(window_manager)


def main(program):
    failures = []
    window_manager = start_window_manager()
    fresh_starts(program, failures)
    process = subprocess.Popen([program])
    try:
        main_window = framed_main_window()
        size = client(main_window)[2:]
        if size != CLIENT:
            failures.append(f"client area {size}, not {CLIENT}")
        check_centred("main window", frame(main_window), screen(), failures)

        for opening, move in enumerate([None, (100, 50), None, (300, 160)], 1):
            if move:
                run("xdotool", "windowmove", "--sync", main_window, *map(str, move))
            dialog = open_dialog(main_window)
            check_centred(f"version dialog, opening {opening}", frame(dialog),
                          frame(main_window), failures)
            if client(dialog)[2:] != DIALOG:
                failures.append(f"dialog client area {client(dialog)[2:]}, not {DIALOG}")
            close_dialog()

        for command in ["fullscreen", "maximized_vert,maximized_horz"]:
            ask_for(main_window, command, failures)
    finally:
        process.terminate()
        process.wait(10)
    late_window_manager(program, window_manager, failures)
    assert not failures, "\n".join(failures)
    print("frames centred, one size and place")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
