"""Types answers as a Japanese learner does, with a real input method (ibus or fcitx5, with
anthy) on.

Runs inside its own X display and D-Bus session (tools/ime-test.sh). Starts the input method
with the anthy engine, switches anthy to hiragana in a plain line edit and checks that the line edit
composes there, so that the test cannot pass merely because no input method was running. Then
starts the program, turns to the decimal and hexadecimal drill, starts it and types into its
answer fields with real X key events, moving on with Tab. Each field must hold exactly the
digits of its base that were typed, and the field's context menu must name the field's own
keys, not X11's keys of other keyboards. The plain line edit must still compose at the end.
Text that does not come from typed keys must keep to the same rule: a middle-click paste of the
X selection and a drag of selected text from the plain line edit, which offers a copy or a move,
each a careless reading's form of the field's answer ("4541:" for 45420), leave only their
digits, the drill judges them wrong, and the dragged text stays where it was.
Everything is read through the accessibility bus; keys and clicks go through the X server.
"""

import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "atspi"))
from atspi_client import (application, centre, find, find_all, focused,  # noqa: E402
                          showing, text_of, wait_for)

TYPED = ["123", "1a2b", "ff", "beef"]
HEXADECIMAL = "0123456789abcdefABCDEF"


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)
    time.sleep(0.15)  # lets the input method and the program take the key in turn


def click(node):
    x, y = centre(node)
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")


def start_ibus():
    subprocess.run(["ibus-daemon", "-d", "-x", "-r", "--panel", "disable"], check=True)

    # Setting the engine answers failure while no program has an input context, yet it is set.
    def anthy():
        subprocess.run(["ibus", "engine", "anthy"], capture_output=True)
        return subprocess.run(["ibus", "engine"], capture_output=True,
                              text=True).stdout.strip() == "anthy"
    wait_for("ibus with the anthy engine", anthy)


def start_fcitx5():
    """fcitx5 with a profile whose one group holds the US keyboard and anthy, in a home of the
    test's own; Ctrl+Space turns anthy on."""
    profile = os.path.join(os.environ["XDG_CONFIG_HOME"], "fcitx5", "profile")
    os.makedirs(os.path.dirname(profile), exist_ok=True)
    with open(profile, "w") as file:
        file.write("[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=anthy\n"
                   "[Groups/0/Items/0]\nName=keyboard-us\n[Groups/0/Items/1]\nName=anthy\n"
                   "[GroupOrder]\n0=Default\n")
    # The daemon keeps whatever output it was given, so it is given none to wait on.
    subprocess.run(["fcitx5", "-d", "--disable", "classicui,kimpanel,clipboard,notificationitem"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("fcitx5", lambda: subprocess.run(["fcitx5-remote"], capture_output=True).returncode
             == 0)


# The input method's daemon, the Qt module that talks to it, and its key for hiragana.
INPUT_METHODS = {"ibus": (start_ibus, "ibus", "ctrl+j"),
                 "fcitx5": (start_fcitx5, "fcitx", "ctrl+space")}


def composes(probe_edit, hiragana_key=None):
    """Types "a" and Enter into the plain line edit: with anthy in hiragana it becomes あ."""
    click(probe_edit)
    if hiragana_key:
        xdotool("key", hiragana_key)
    before = text_of(probe_edit)
    xdotool("type", "a")
    xdotool("key", "Return")
    return wait_for("the plain line edit's text", lambda: text_of(probe_edit) != before
                    and text_of(probe_edit)[len(before):], seconds=5)


def type_answers(fields, digits):
    """Clears each field with Backspace, types one text and leaves with Tab; the third text is
    left without Enter, as a learner might while the input method still composes."""
    click(fields[0])
    xdotool("key", "End", "BackSpace")
    for index, text in enumerate(TYPED):
        field = fields[index]
        assert focused(field), f"{field.name} does not have the focus"
        if index > 0:
            xdotool("key", "End", "BackSpace")
        xdotool("type", "--delay", "60", text)
        if index != 2:
            xdotool("key", "Return")
        xdotool("key", "Tab")
        try:
            wait_for("Tab", lambda: focused(fields[index + 1]), 5)
        except AssertionError:
            raise AssertionError(f"Tab stayed in {field.name}, which holds {text_of(field)!r}")
    failures = []
    for field, text in zip(fields, TYPED):
        wanted = "".join(c for c in text if c in digits)
        got = text_of(field)
        print(f"{field.name}: typed {text!r}, holds {got!r}")
        if got != wanted:
            failures.append(f"{field.name}: typed {text!r}, wanted {wanted!r}, holds {got!r}")
    return failures


def folded(field):
    """The answer of a decimal field as a careless reading would take it back: a digit less in
    front and the character after "9" standing for ten (45420 as "4541:")."""
    answer = int(field.name.split(" ")[0], 16)
    return f"{answer // 10 - 1}{chr(ord('0') + 10 + answer % 10)}"


def paste_from_outside(window, pasted, dropped, probe_edit):
    """A middle-click paste into one field and a drop into another, each after emptying the
    field; then the drill's check. Returns the failures."""
    for field in (pasted, dropped):
        click(field)
        xdotool("key", "End", "BackSpace")
    subprocess.run(["xclip", "-selection", "primary"], input=folded(pasted).encode(), check=True)
    x, y = centre(pasted)
    xdotool("mousemove", "--sync", str(x), str(y), "click", "2")

    probe_edit.queryEditableText().setTextContents(folded(dropped))
    probe_edit.queryText().setSelection(0, 0, len(folded(dropped)))
    box = probe_edit.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    start, end = (box.x + 12, box.y + box.height // 2), centre(dropped)
    xdotool("mousemove", "--sync", str(start[0]), str(start[1]), "mousedown", "1")
    for step in range(1, 11):
        xdotool("mousemove", "--sync", str(start[0] + (end[0] - start[0]) * step // 10),
                str(start[1] + (end[1] - start[1]) * step // 10))
    time.sleep(0.5)
    xdotool("mouseup", "1")
    time.sleep(0.5)

    failures = []
    for field, how in ((pasted, "middle-click paste"), (dropped, "drop")):
        wanted = folded(field)[:-1]
        print(f"{field.name}: {how} of {folded(field)!r} holds {text_of(field)!r}")
        if text_of(field) != wanted:
            failures.append(f"{field.name}: {how} of {folded(field)!r} holds {text_of(field)!r}")
    if text_of(probe_edit) != folded(dropped):
        failures.append(f"the dragged text {folded(dropped)!r} left {text_of(probe_edit)!r}")
    click(find(window, pyatspi.ROLE_PUSH_BUTTON, "演習終了"))
    for field in (pasted, dropped):
        judged = wait_for("the check", lambda: field.description)
        print(f"{field.name}: judged {judged}")
        if judged != "不正解":
            failures.append(f"{field.name} holding {text_of(field)!r} was judged {judged}")
    return failures


def menu_keys(field):
    """The keys that the field's context menu names, as shown on X11: right-click, read the
    menu that screen readers are told of (popup menus are not in the window's tree), Escape."""
    menus = []

    def shown(event):
        if event.source.getRole() == pyatspi.ROLE_POPUP_MENU and event.detail1:
            menus.append(event.source)

    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
    x, y = centre(field)
    xdotool("mousemove", "--sync", str(x), str(y), "click", "3")
    menu = wait_for("the context menu", lambda: menus and menus[-1])
    names = [item.name for item in menu]
    xdotool("key", "Escape")
    pyatspi.Registry.deregisterEventListener(shown, "object:state-changed:showing")
    return [name.split("\t")[1] for name in names if "\t" in name], names


def main(program, probe, input_method):
    start, module, hiragana_key = INPUT_METHODS[input_method]
    start()
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_IM_MODULE=module,
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    processes = [subprocess.Popen([probe], env=environment)]
    try:
        probe_edit = find(application("ime_probe"), pyatspi.ROLE_TEXT)
        composed = composes(probe_edit, hiragana_key)
        print(f"plain line edit, 'a' then Enter: {composed!r}")
        assert composed == "あ", "the input method does not compose in a plain line edit"

        processes.append(subprocess.Popen([program], env=environment))
        window = find(application("Radixtrek"), pyatspi.ROLE_FRAME, "Radixtrek")
        click(find(window, pyatspi.ROLE_PAGE_TAB, "10進⇔16進"))
        start = wait_for("the drill's start button", lambda: [
            b for b in find_all(window, pyatspi.ROLE_PUSH_BUTTON, "演習開始") if showing(b)])
        click(start[0])
        wait_for("the drill to start", lambda: find_all(window, pyatspi.ROLE_PUSH_BUTTON,
                                                        "演習終了"))
        decimal = find_all(window, pyatspi.ROLE_TEXT, r".* を10進で")
        hexadecimal = find_all(window, pyatspi.ROLE_TEXT, r".* を16進で")
        assert len(decimal) == 18 and len(hexadecimal) == 18, (len(decimal), len(hexadecimal))
        failures = type_answers(decimal, "0123456789")
        failures += type_answers(hexadecimal, HEXADECIMAL)
        outside = [field for field in decimal[4:-1] if int(field.name.split(" ")[0], 16) >= 100]
        failures += paste_from_outside(window, outside[0], outside[1], probe_edit)

        # The menu names the field's own keys, not X11's keys of other keyboards (F14, F18).
        keys, names = menu_keys(hexadecimal[0])
        print(f"context menu: {names}")
        wanted = ["Alt+Backspace", "Alt+Shift+Backspace", "Shift+Del", "Ctrl+Ins", "Shift+Ins",
                  "Del"]
        if keys != wanted:
            failures.append(f"the context menu names {keys}, not {wanted}")

        # The keypad's editing keys (Num Lock off) edit while no screen reader runs, though this
        # test, a client of the accessibility bus, keeps accessibility on.
        field = decimal[-1]
        click(field)
        xdotool("key", "End", "BackSpace")
        xdotool("type", "123")
        xdotool("key", "KP_Home")
        xdotool("type", "9")
        xdotool("key", "KP_End", "KP_Left", "KP_Delete")
        try:
            wait_for("the keypad's keys", lambda: text_of(field) == "912", 5)
        except AssertionError:
            failures.append(f"the keypad's editing keys left {text_of(field)!r}, not '912'")
        print(f"keypad keys: '123', KP_Home, '9', KP_End, KP_Left, KP_Delete: {text_of(field)!r}")

        composed = composes(probe_edit)
        print(f"plain line edit afterwards, 'a' then Enter: {composed!r}")
        if composed != "あ":
            failures.append("the input method no longer composes in the plain line edit")
        assert not failures, "\n".join(failures)
        print("every field holds exactly the digits typed")
    finally:
        for process in processes:
            process.terminate()
            process.wait(10)
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
