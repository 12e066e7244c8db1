#!/usr/bin/env python3
"""Prints the chart benchmark's figures and the ratios the speed goals are stated in, as
markdown tables, from the JSON that chart_bench writes with --benchmark_out."""
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


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        report = json.load(f)
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


if __name__ == "__main__":
    main()
