#!/usr/bin/env python3
"""Prints the benchmarks' figures and the ratios the goals are stated in, as markdown tables,
from the JSON files that chart_bench and startup_bench write with --benchmark_out."""
import json
import sys

SIZES = (10, 10000, 1000000)
ROWS = (
    ("BM_RadixtrekRepaint", "Radixtrek: full repaint (title, axes, line)"),
    ("BM_RadixtrekLineOnly", "Radixtrek: the line alone"),
    ("BM_RadixtrekAddPointXY", "Radixtrek: AddPointXY of all points"),
    ("BM_ReadAndConvertFloor", "Floor: read and convert to pixels"),
    ("BM_ReadAndConvertWithAxisCalls", "Floor through XValueToPos/YValueToPos"),
    ("BM_QCustomPlotReplot", "QCustomPlot: replot into a pixmap"),
    ("BM_QtChartsRender", "Qt Charts: render the view into an image"),
)
UNIT = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}  # to microseconds


def chart_tables(report):
    us = {}
    for b in report["benchmarks"]:
        if b.get("run_type", "iteration") != "iteration" or b.get("error_occurred"):
            continue
        name, _, size = b["name"].partition("/")
        us[(name, int(size))] = b["real_time"] * UNIT[b["time_unit"]]

    def cell(name, n):
        t = us.get((name, n))
        return "–" if t is None else f"{t:.3g}" if t < 100 else f"{t:,.0f}"

    print()
    print("| Microseconds per run | " + " | ".join(f"N = {n:,}" for n in SIZES) + " |")
    print("|---|" + "---:|" * len(SIZES))
    for name, label in ROWS:
        print(f"| {label} | " + " | ".join(cell(name, n) for n in SIZES) + " |")

    def ratio(a, b):
        if a not in us or b not in us:
            return None
        return us[a] / us[b]

    ours = "BM_RadixtrekRepaint"
    goals = (
        ("1,000,000 points: QCustomPlot ÷ our repaint", ("BM_QCustomPlotReplot", 1000000),
         (ours, 1000000), "> 1", lambda r: r > 1),
        ("1,000,000 points: Qt Charts ÷ our repaint", ("BM_QtChartsRender", 1000000),
         (ours, 1000000), "≥ 30", lambda r: r >= 30),
        ("1,000,000 points: our repaint ÷ floor", (ours, 1000000),
         ("BM_ReadAndConvertFloor", 1000000), "≤ 2", lambda r: r <= 2),
        ("10,000 points: QCustomPlot ÷ our repaint", ("BM_QCustomPlotReplot", 10000),
         (ours, 10000), "> 1", lambda r: r > 1),
    )
    line = "BM_RadixtrekLineOnly"
    shares = (
        ("1,000,000 points: our line alone ÷ floor", (line, 1000000),
         ("BM_ReadAndConvertFloor", 1000000)),
        ("1,000,000 points: our line alone ÷ our repaint", (line, 1000000), (ours, 1000000)),
        ("1,000,000 points: QCustomPlot ÷ our line alone", ("BM_QCustomPlotReplot", 1000000),
         (line, 1000000)),
        ("1,000,000 points: Qt Charts ÷ our line alone", ("BM_QtChartsRender", 1000000),
         (line, 1000000)),
    )
    print()
    print("| Ratio | Measured | Goal | Met |")
    print("|---|---:|---:|---|")
    for label, a, b, goal, met in goals:
        r = ratio(a, b)
        if r is None:
            print(f"| {label} | – | {goal} | – |")
        else:
            print(f"| {label} | {r:.2f} | {goal} | {'yes' if met(r) else 'no'} |")
    for label, a, b in shares:
        r = ratio(a, b)
        print(f"| {label} | {'–' if r is None else f'{r:.2f}'} | (for reading) | |")
    print()


def startup_tables(report):
    runs = {}
    for b in report["benchmarks"]:
        if b.get("run_type", "iteration") != "iteration" or b.get("error_occurred"):
            continue
        program = b["name"].split("/")[1]
        runs[program] = (b["real_time"] * UNIT[b["time_unit"]] / 1e3, b["idle_rss_kib"] / 1024)
    print()
    print("| Program | Start-up to first frame (ms) | Idle resident memory (MiB) |")
    print("|---|---:|---:|")
    for program, (ms, mib) in runs.items():
        print(f"| {program} | {ms:.1f} | {mib:.1f} |")
    ours, minimal = runs.get("Radixtrek"), runs.get("MinimalQtWindow")
    if ours and minimal:
        print()
        print("| Ratio to the minimal window | Measured | Goal | Met |")
        print("|---|---:|---:|---|")
        for label, k, goal in (("Start-up", 0, 1.5), ("Idle memory", 1, 1.3)):
            r = ours[k] / minimal[k]
            print(f"| {label} | {r:.2f} | ≤ {goal} | {'yes' if r <= goal else 'no'} |")
        text = runs.get("MinimalWindowWithJapaneseText")
        if text:
            for label, k in (("Start-up", 0), ("Idle memory", 1)):
                print(f"| {label}, against the window with Japanese text | "
                      f"{ours[k] / text[k]:.2f} | (for reading) | |")
    print()


def main():
    for path in sys.argv[1:]:
        with open(path, encoding="utf-8") as f:
            report = json.load(f)
        if any(b["name"].startswith("BM_Startup") for b in report["benchmarks"]):
            startup_tables(report)
        else:
            chart_tables(report)


if __name__ == "__main__":
    main()
