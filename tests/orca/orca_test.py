"""A blind learner's session with Orca, judged only by what Orca says.

Runs inside its own X display, D-Bus session and home (tools/orca-test.sh). Starts Orca with a
debug log of its own and the program, then works with Orca's desktop layout and real key
presses: Tab and space for the buttons, the keypad's flat review keys to read lines and words,
KP_Divide to click the bit cell under review, Insert+KP_5 to read an object. Does the example
wrong and right, a timed drill with one wrong item that is then put right, a second drill that
clears the first's 104 ones, reads the graph page's record, and types the decimal-hexadecimal
drill's answers, each after hearing its question and direction, and opens the version dialog
with Shift+F10. Checks that every press is followed within a second by what it changed, that
every click flips its cell exactly once, that review keys never move the focus or turn a page,
and that an empty message line is never read out.
"""

import os
import re
import subprocess
import sys
import time

from orca_client import Orca, key

# The questions are fixed by the seed: the timed drill's 48 digits in reading order, which hold
# 104 ones.
SEED = "23"
DIGITS = "BC091443BBF5D7D77DD28152BF79047E9FD68D7716642A9C"
CELL = re.compile(r"16進 ([0-9A-F]) の ([1248]) の位")
TIME = r"\d\d:\d\d\.\d\d\d"
ANNOUNCED_CELL = re.compile(r"(16進 [0-9A-F] の [1248] の位) ([01])\.?$")
# What Orca echoes of the keys this test uses for review and clicks.
ECHOES = {"dash ", "slash "}
# A decimal-hexadecimal answer field as Orca names it on focus: its question and direction.
FIELD = re.compile(r"([0-9A-F]+) を(10|16)進で")
# How soon a press must be followed by what it changed, in seconds. A drill start sends a handful
# of events and is heard within 0.3 s once Orca has the key. A check that judges all 48 items sends
# their 192 verdicts before its sentence, and Orca takes 1.1 to 1.8 s to work through them on a
# machine with two cores, depending on its load; the looser bound still catches a program that
# leaves Orca seconds behind.
STARTED_WITHIN = 1.0
HEARD_WITHIN = 3.0
# Words Orca says only when the focus moves, or for the message line's role.
FOCUS_WORDS = re.compile(r"push button|page tab|警告|alert")


class Learner:
    def __init__(self, orca):
        self.orca = orca
        self.clicks = 0
        self.flips = []  # (cell, new value) as announced
        self.delays = []  # (what was expected, seconds from the press until it was said)

    def press(self, *keys, expect, seconds=5):
        """Presses keys and returns the first utterance that matches expect, once Orca has
        worked through what the keys changed, as a learner listening to the end would."""
        mark = self.orca.mark()
        pressed = time.monotonic()
        key(*keys)
        said = self.orca.wait_for(expect, mark, lambda s: any(re.search(expect, u) for u in s),
                                  seconds)
        self.delays.append((expect, time.monotonic() - pressed))
        self.orca.quiet(mark, settle=0.3)
        return next(u for u in said if re.search(expect, u))

    def review(self, *keys):
        """A flat review key: returns what Orca says for it, the focus staying where it is."""
        mark = self.orca.mark()
        key(*keys)
        said = self.orca.wait_for(f"something for {keys}", mark,
                                  lambda s: [u for u in s if u not in ECHOES])
        heard = [u for u in said if u not in ECHOES][0]
        assert not FOCUS_WORDS.search(heard), f"review key {keys} gave {heard!r}"
        return heard

    def focus(self, caption):
        for _ in range(50):
            mark = self.orca.mark()
            key("Tab")
            if any(f"{caption} push button" in u for u in self.orca.quiet(mark)):
                return
        raise AssertionError(f"Tab never reached {caption}")

    def enter_review(self):
        """Enters flat review and waits for the zone it starts on, which Orca reads once it has
        gathered the window's text."""
        mark = self.orca.mark()
        key("KP_Subtract")

        def started(said):
            return "Entering flat review." in said and \
                said.index("Entering flat review.") < len(said) - 1
        self.orca.wait_for("flat review's first zone", mark, started, seconds=20)

    def leave_review(self):
        self.press("KP_Subtract", expect="Leaving flat review")

    def click(self, cell):
        """Clicks the cell under review and hears its new value."""
        mark = self.orca.mark()
        key("KP_Divide")
        self.clicks += 1
        self.orca.wait_for(f"{cell}'s new value", mark,
                           lambda s: any(cell in u and ANNOUNCED_CELL.search(u) for u in s))
        self.orca.quiet(mark, settle=0.4)

    def answer_line(self, wanted):
        """Goes through the line under review word by word and clicks every bit cell for which
        wanted(item, digit, weight) differs from its value, item counting the line's items from
        0; returns the digits of the line."""
        line = self.review("KP_Up")
        names = [m.group(0) for m in CELL.finditer(line)]
        states = re.findall(r"(not checked|checked) 16進 [0-9A-F] の [1248] の位", line)
        # Back to the line's first word: up a line and down again, unless this is the first.
        self.review("KP_Home")
        if self.review("KP_Prior") != line:
            raise AssertionError(f"lost the line {line!r}")
        position = 0
        for _ in range(12 * len(names) + 10):
            if position == len(names):
                break
            word = self.review("KP_Right")
            if word != names[position]:
                continue
            digit, weight = CELL.fullmatch(word).groups()
            checked = states[position] == "checked" if position < len(states) else False
            if wanted(position // 4, digit, int(weight)) != checked:
                self.click(word)
            position += 1
        assert position == len(names), f"found {position} of {len(names)} cells in {line!r}"
        return [m.group(1) for m in CELL.finditer(line)][::4]

    def record_flips(self, mark):
        self.flips = [m.groups() for u in self.orca.said_since(mark)
                      if (m := ANNOUNCED_CELL.search(u))]


def bit_set(digit, weight):
    return bool(int(digit, 16) & weight)


def main(program, prefs, logs):
    orca = Orca(prefs, os.path.join(logs, "orca.log"))
    app = None
    try:
        start = orca.wait_until_on()
        program_log = open(os.path.join(logs, "program.log"), "w")
        app = subprocess.Popen([program], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                                                   RADIXTREK_SEED=SEED),
                               stdout=program_log, stderr=subprocess.STDOUT)
        orca.wait_for("the program's window", start,
                      lambda s: any(u.startswith("Radixtrek frame") for u in s), seconds=60)
        orca.quiet(start)
        learner = Learner(orca)
        session = orca.mark()

        # The example, answered wrong on purpose, then right.
        learner.focus("例開始")
        said = learner.press("space", expect="例を開始")
        digit = re.search(r"16進 ([0-9A-F])", said).group(1)
        assert "解説は 各進数の関連" in said and "ボタンは 例終了" in said, said
        print(f"heard: {said}")
        learner.enter_review()
        learner.answer_line(lambda i, d, w: bit_set(f"{int(digit, 16) ^ 1:X}", w))
        learner.leave_review()
        said = learner.press("space", expect="例を終了")
        assert "不正解" in said and "ボタンは 例開始" in said, said
        print(f"heard: {said}")

        said = learner.press("space", expect="例を開始")
        digit = re.search(r"16進 ([0-9A-F])", said).group(1)
        learner.enter_review()
        learner.answer_line(lambda i, d, w: bit_set(digit, w))
        learner.leave_review()
        said = learner.press("space", expect="例を終了")
        assert "。正解。" in said, said
        print(f"heard: {said}")

        # The timed drill: every item answered but one, which the check names; then put right.
        learner.focus("演習開始")
        said = learner.press("space", expect="演習を開始")
        assert "48問" in said and "ボタンは 演習終了" in said, said
        print(f"heard: {said}")
        learner.enter_review()
        # Review starts at the button, below the example; the item left wrong is the first on
        # the drill's second line that asks for a 1 somewhere.
        lines = []
        left_wrong = None
        table_rows = 0  # of the number table, the page the example turned to
        while sum(len(digits) for digits in lines) < 48:
            line = learner.review("KP_Prior")
            table_rows += bool(re.match(r"\d+ [0-9A-F] [01] [01] [01] [01]", line))
            if not CELL.search(line):
                continue
            row = len(lines)

            def wanted(item, d, w, row=row):
                nonlocal left_wrong
                if left_wrong is None and row > 0 and d != "0":
                    left_wrong = (row, item, d)
                return bit_set(d, w) and (left_wrong is None or left_wrong[:2] != (row, item))
            lines.append(learner.answer_line(wanted))
        wrong_row, wrong_item, wrong_digit = left_wrong
        assert table_rows >= 10, f"the number table was not reviewable: {table_rows} rows"
        learner.leave_review()
        said = learner.press("space", expect="ガンバッテ")
        assert re.search(f"タイム {TIME}", said), said
        assert re.search(rf"不正解 1問: \d+行\d+列 {wrong_digit}。", said), (said, left_wrong)
        print(f"heard: {said}")
        # Put right: the wrong item's line, found again by review.
        learner.enter_review()
        row = -1
        while row < wrong_row:
            if CELL.search(learner.review("KP_Prior")):
                row += 1
        learner.answer_line(lambda item, d, w: bit_set(d, w))
        learner.leave_review()
        said = learner.press("space", expect="オメデトウ")
        time_taken = re.search(f"タイム ({TIME})", said).group(1)
        assert f"最速タイム更新 {time_taken}" in said and "ボタンは 演習開始" in said, said
        print(f"heard: {said}")
        digits = "".join("".join(line) for line in lines)
        ones = sum(bin(int(d, 16)).count("1") for d in digits)
        assert digits == DIGITS, f"the drill's digits {digits} are not those of seed {SEED}"

        # A second drill clears every one; its start is heard at once all the same. Checked
        # unanswered, it names every item that is not 0.
        said = learner.press("space", expect="演習を開始")
        said = learner.press("space", expect="ガンバッテ")
        nonzero = len(digits) - digits.count("0")
        assert f"不正解 {nonzero}問" in said, (said, digits)
        print(f"second drill: {ones} ones cleared; heard: {said[:60]}…")

        # The graph page: its record by flat review, and the chart's description.
        learner.press("shift+Tab", "shift+Tab", expect="page tab list")
        learner.press("Right", expect="演習グラフ page tab")
        said = learner.press("KP_Enter", expect=r"\d+ of \d+")
        assert "2 of 3" in said, f"where am I on the second of three pages: {said}"
        learner.enter_review()
        found = {}  # the record is the last of these, the line review stops on
        for _ in range(40):
            line = learner.review("KP_Prior")
            for text in (f"1回目 {time_taken}", "最速タイム", "最低タイム"):
                if text in line:
                    found[text] = line
            if len(found) == 3:
                break
        assert f"1回目 {time_taken}" in found, f"no record line; lines with: {found}"
        print(f"review: {found[f'1回目 {time_taken}']}")
        assert time_taken in found["最速タイム"], found["最速タイム"]
        said = learner.press("Insert+KP_Begin", expect="1回目")
        print(f"Insert+KP_5: {said}")
        learner.leave_review()

        # The decimal-hexadecimal drill, every answer typed after its question and direction.
        learner.press("Right", expect="10進⇔16進 page tab")
        learner.focus("演習開始")
        said = learner.press("space", expect="演習を開始")
        assert "36問" in said, said
        answered = {}
        for _ in range(60):
            mark = orca.mark()
            key("Tab")
            heard = " ".join(orca.quiet(mark, settle=0.4))
            if "演習終了 push button" in heard and len(answered) == 36:
                break
            field = FIELD.search(heard)
            if not field or field.group(0) in answered:
                continue
            question, base = field.groups()
            value = int(question, 16 if base == "10" else 10)
            answer = str(value) if base == "10" else f"{value:x}"
            key(*answer)
            answered[field.group(0)] = answer
        assert len(answered) == 36, f"heard {len(answered)} fields: {answered}"
        directions = sorted({name.split("を")[1] for name in answered})
        print(f"36 fields heard with their question and direction ({directions}), answered")
        said = learner.press("space", expect="オメデトウ")
        assert "ボタンは 演習開始" in said, said
        print(f"heard: {said}")

        # The version dialog, from the keyboard, by its Japanese name; like its title bar's close
        # button, the window manager's Alt+F4 closes it.
        said = learner.press("shift+F10", expect="バージョン情報")
        learner.press("alt+F4", expect="演習開始 push button")
        print(f"Shift+F10: {said}")

        print("seconds from each press until it was heard: " +
              ", ".join(f"{what} {delay:.2f}" for what, delay in learner.delays))
        slow = [(what, round(delay, 2)) for what, delay in learner.delays
                if delay > (STARTED_WITHIN if what.endswith("を開始") else HEARD_WITHIN)]
        assert not slow, f"heard later than {STARTED_WITHIN} s (a start) or {HEARD_WITHIN} s: {slow}"

        learner.record_flips(session)
        assert len(learner.flips) == learner.clicks, (
            f"{learner.clicks} clicks, {len(learner.flips)} flips: {learner.flips}")
        print(f"{learner.clicks} clicks, each flipped its cell once")
        for utterance in orca.said_since(session):
            assert not re.search(r"警告|alert", utterance), f"an empty message: {utterance!r}"
        program_log.flush()
        with open(os.path.join(logs, "program.log")) as file:
            late = file.read().count("keyEventError")
        print(f"{late} keys answered late by Orca and handed on; none moved the focus or "
              f"turned a page")
        with open(os.path.join(logs, "transcript.txt"), "w") as file:
            file.write("\n".join(orca.said_since(start)) + "\n")
        return 0
    finally:
        if app:
            app.terminate()
            app.wait(10)
        orca.stop()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
