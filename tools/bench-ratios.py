#!/usr/bin/env python3
"""Prints the benchmarks' figures and the ratios the goals are stated in, as markdown tables,
from the JSON files that chart_bench and startup_bench write with --benchmark_out.

Chart figures are the median of the repetitions with their range [min–max], in processor time
(--real-time: wall-clock time instead)."""
import json
import statistics
import sys

SIZES = (10, 1000, 10000, 100000, 1000000, 10000000)
SHAPES = ("Noise", "Walk")
LIBRARIES = (("Radixtrek", "Radixtrek"), ("QCustomPlot", "QCustomPlot"),
             ("QtCharts", "Qt Charts"))
CASES = (  # name in the benchmark, table title, name in the goals
    ("Full", "Full view: repaint after a change", "full view"),
    ("ZoomStart", "Zoomed to 1 % of the x range at its start", "zoomed 1 % at the start"),
    ("ZoomMiddle", "Zoomed to 1 % of the x range in its middle", "zoomed 1 % in the middle"),
    ("ZoomEnd", "Zoomed to 1 % of the x range at its end", "zoomed 1 % at the end"),
    ("OneNotch", "One wheel notch", "one notch"),
    ("ThreeNotches", "One wheel event of three notches", "three notches in one event"),
    ("Build", "Adding N points to a shown chart and its first repaint", "adding the points"),
)
UNIT = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}  # to microseconds
SKIPPED = "not run (one repaint > 5 s)"


class Runs:
    """The repetitions of each chart benchmark, by (case, shape, library, N)."""

    def __init__(self, report, time_field):
        self.times = {}
        self.counters = {}
        for b in report["benchmarks"]:
            if b.get("run_type", "iteration") != "iteration" or b.get("error_occurred"):
                continue
            case, shape, library, n = b["name"].split("/")[:4]
            key = (case, shape, library, int(n))
            self.times.setdefault(key, []).append(b[time_field] * UNIT[b["time_unit"]])
            for counter in ("paints", "bytes_per_point"):
                if counter in b:
                    self.counters.setdefault((counter,) + key, []).append(b[counter])

    def time(self, case, shape, library, n):
        return self.times.get((case, shape, library, n))

    def counter(self, name, case, shape, library, n):
        return self.counters.get((name, case, shape, library, n))


def spread(samples, digits, scale=1.0):
    """median [min–max] of the samples divided by scale, to the given significant digits."""
    values = [s / scale for s in samples]
    fmt = f"{{:,.{digits}g}}"

    def show(v):
        text = fmt.format(v)
        return f"{v:,.0f}" if "e" in text else text

    return f"{show(statistics.median(values))} [{show(min(values))}–{show(max(values))}]"


def duration(samples):
    if not samples:
        return "–"
    middle = statistics.median(samples)
    for scale, unit in ((1e6, "s"), (1e3, "ms"), (1.0, "µs"), (1e-3, "ns")):
        if middle >= scale or unit == "ns":
            return f"{spread(samples, 3, scale)} {unit}"
    return "–"


def size_label(n):
    return {10: "10", 1000: "1k", 10000: "10k", 100000: "100k", 1000000: "1M",
            10000000: "10M"}.get(n, f"{n:,}")


def header(first):
    print(f"| {first} | " + " | ".join(f"N = {size_label(n)}" for n in SIZES) + " |")
    print("|---|" + "---:|" * len(SIZES))


def skipped(runs, case, shape, library, n):
    return library == "QtCharts" and runs.time(case, shape, "Radixtrek", n) and \
        not runs.time(case, shape, library, n)


def contender_rows(runs, case, show, after_shape=None):
    """A row per shape and contender, a cell per N: show(shape, library, n), or the reason
    the case was not run; after_shape(shape) may add rows to each shape's group."""
    for shape in SHAPES:
        for library, label in LIBRARIES:
            cells = [SKIPPED if skipped(runs, case, shape, library, n) else show(shape, library, n)
                     for n in SIZES]
            print(f"| {label}, {shape.lower()} | " + " | ".join(cells) + " |")
        if after_shape:
            after_shape(shape)


def case_tables(runs, clock):
    def read_all(shape):
        cells = [duration(runs.time("ReadAll", shape, "Radixtrek", n)) for n in SIZES]
        print(f"| Limit: read every x and y, {shape.lower()} | " + " | ".join(cells) + " |")

    for case, title, _ in CASES:
        print()
        print(f"**{title}** ({clock}, median [min–max])")
        print()
        header("Contender")
        contender_rows(runs, case,
                       lambda shape, library, n: duration(runs.time(case, shape, library, n)),
                       read_all if case == "Full" else None)
    print()
    print(f"**Empty chart, no points** ({clock}, median [min–max])")
    print()
    print("| Contender | Repaint after a change |")
    print("|---|---:|")
    for library, label in LIBRARIES:
        print(f"| {label} | {duration(runs.time('Empty', 'None', library, 0))} |")


def memory_table(runs):
    def held(shape, library, n):
        samples = runs.counter("bytes_per_point", "Build", shape, library, n)
        return spread(samples, 3) if samples else "–"

    print()
    print("**Heap held per point** after adding N points and one repaint, in bytes "
          "(median [min–max])")
    print()
    header("Contender")
    contender_rows(runs, "Build", held)


def ratio(a, b):
    """Median ratio of two sets of samples and its range from their extremes."""
    if not a or not b:
        return None
    return (statistics.median(a) / statistics.median(b), min(a) / max(b), max(a) / min(b))


def goal_rows(runs):
    """(goal, shape, N, ratio or None, goal text, test)."""
    ours = "Radixtrek"
    for shape in SHAPES:
        for n in SIZES:
            yield ("Full view: QCustomPlot ÷ ours", shape, n,
                   ratio(runs.time("Full", shape, "QCustomPlot", n), runs.time("Full", shape, ours, n)),
                   "≥ 1.25", lambda r: r >= 1.25)
    for shape in SHAPES:
        for n in (100000, 1000000, 10000000):
            yield ("Full view: Qt Charts ÷ ours", shape, n,
                   ratio(runs.time("Full", shape, "QtCharts", n), runs.time("Full", shape, ours, n)),
                   "≥ 30", lambda r: r >= 30)
    for case, where in (("ZoomStart", "start"), ("ZoomMiddle", "middle"), ("ZoomEnd", "end")):
        for shape in SHAPES:
            yield (f"Zoomed to 1 % at the {where}: QCustomPlot ÷ ours", shape, 10000000,
                   ratio(runs.time(case, shape, "QCustomPlot", 10000000),
                         runs.time(case, shape, ours, 10000000)),
                   "≥ 1", lambda r: r >= 1)
    for shape in SHAPES:
        for n in SIZES:
            yield ("Ours: one event of three notches ÷ one notch", shape, n,
                   ratio(runs.time("ThreeNotches", shape, ours, n),
                         runs.time("OneNotch", shape, ours, n)),
                   "about 1 (0.8–1.25)", lambda r: 0.8 <= r <= 1.25)
    for shape in SHAPES:
        yield ("Ours: one notch ÷ full view", shape, 1000000,
               ratio(runs.time("OneNotch", shape, ours, 1000000),
                     runs.time("Full", shape, ours, 1000000)),
               "≤ 1", lambda r: r <= 1)
    for case, _, short in CASES[:6]:
        for shape in SHAPES:
            yield (f"N = 10, {short}: QCustomPlot ÷ ours", shape, 10,
                   ratio(runs.time(case, shape, "QCustomPlot", 10), runs.time(case, shape, ours, 10)),
                   "> 1", lambda r: r > 1)


def goal_table(runs):
    print()
    print("**Goals** (ratios of medians; the range divides the extremes of the repetitions)")
    print()
    print("| Ratio | Shape | N | Measured [range] | Goal | Met |")
    print("|---|---|---:|---:|---:|---|")
    met = total = 0
    for label, shape, n, r, goal, test in goal_rows(runs):
        if r is None:
            missing = SKIPPED if "Qt Charts" in label and n > 1000000 else "not in this run"
            print(f"| {label} | {shape} | {size_label(n)} | {missing} | {goal} | – |")
            continue
        total += 1
        met += test(r[0])
        print(f"| {label} | {shape} | {size_label(n)} | {r[0]:.2f} [{r[1]:.2f}–{r[2]:.2f}] | "
              f"{goal} | {'met' if test(r[0]) else 'missed'} |")
    for shape in SHAPES:
        n = max((n for n in SIZES if runs.counter("bytes_per_point", "Build", shape, "Radixtrek", n)),
                default=None)
        if n is None:
            continue
        held = runs.counter("bytes_per_point", "Build", shape, "Radixtrek", n)
        median = statistics.median(held)
        total += 1
        met += median <= 20
        print(f"| Ours: heap bytes per point | {shape} | {size_label(n)} | {spread(held, 3)} | "
              f"≤ 20 | {'met' if median <= 20 else 'missed'} |")
    print()
    print(f"{met} of {total} goals met.")


def paint_check(runs):
    extra = sorted(key[1:] for key, values in runs.counters.items()
                   if key[0] == "paints" and statistics.median(values) != 1)
    if extra:
        print()
        print("Cases that did not paint exactly once per change: " +
              ", ".join("/".join(map(str, k)) for k in extra))


def chart_tables(report, time_field):
    runs = Runs(report, time_field)
    clock = "processor time" if time_field == "cpu_time" else "wall-clock time"
    case_tables(runs, clock)
    memory_table(runs)
    goal_table(runs)
    paint_check(runs)
    print()


def startup_tables(report):
    # Every repetition of every program, in turn: start-up in ms and idle memory in MiB.
    runs = {}
    for b in report["benchmarks"]:
        if b.get("run_type", "iteration") != "iteration" or b.get("error_occurred"):
            continue
        program = b["name"].split("/")[1]
        runs.setdefault(program, []).append(
            (b["real_time"] * UNIT[b["time_unit"]] / 1e3, b["idle_rss_kib"] / 1024))

    def median(values):
        return statistics.median(values)

    def spread(values, digits):
        return f"{median(values):.{digits}f} [{min(values):.{digits}f}–{max(values):.{digits}f}]"

    print()
    print("| Program | Start-up to first frame (ms) | Idle resident memory (MiB) |")
    print("|---|---:|---:|")
    for program, measured in runs.items():
        ms = [m for m, _ in measured]
        mib = [r for _, r in measured]
        print(f"| {program} | {spread(ms, 1)} | {spread(mib, 1)} |")
    ours = runs.get("Radixtrek")
    text, empty = runs.get("MinimalWindowWithJapaneseText"), runs.get("MinimalQtWindow")
    if not ours:
        print()
        return
    print()
    print("| Ratio of medians | Measured | Goal | Met |")
    print("|---|---:|---:|---|")
    for label, k, goal in (("Start-up", 0, 1.5), ("Idle memory", 1, 1.3)):
        mine = median([m[k] for m in ours])
        if text:
            r = mine / median([m[k] for m in text])
            print(f"| {label} ÷ the window with one line of Japanese | {r:.2f} | ≤ {goal} | "
                  f"{'met' if r <= goal else 'missed'} |")
        if empty:
            r = mine / median([m[k] for m in empty])
            print(f"| {label} ÷ the empty window | {r:.2f} | (for reading) | |")
    print()


def main():
    args = sys.argv[1:]
    time_field = "cpu_time"
    if "--real-time" in args:
        args.remove("--real-time")
        time_field = "real_time"
    for path in args:
        with open(path, encoding="utf-8") as f:
            report = json.load(f)
        if any(b["name"].startswith("BM_Startup") for b in report["benchmarks"]):
            startup_tables(report)
        else:
            chart_tables(report, time_field)


if __name__ == "__main__":
    main()
