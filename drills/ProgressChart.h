#pragma once

class QWidget;
class TChart;
class TFastLineSeries;

// The progress graph: the one place where the window meets the chart component.

// Gives the progress graph and its one series the settings the window stores for them: a
// flat chart titled "演習スピードグラフ" with a hidden legend, the drill ordinals along the
// bottom and drill times in minutes up the left, drawn as a red line. Each point is told as
// the drill's number and time.
void SetUpProgressChart(TChart &chart, TFastLineSeries &series);

// The graph's widget, as the window's layout builds it.
QWidget *MakeProgressChart(QWidget *parent);
// The graph that MakeProgressChart made, with its series added and set up.
struct ProgressGraph {
    TChart *Chart;
    TFastLineSeries *Series;
};
ProgressGraph AttachProgressGraph(QWidget *made);

// What the window does to the graph: forget every drill, fix the time range at 0 to 4
// minutes, and plot a drill's duration (in days) against its number.
void ClearProgress(TFastLineSeries &series);
void FixProgressRange(TChart &chart);
void AddProgressPoint(TFastLineSeries &series, int drill, double duration);

// For screen readers, which cannot see the graph: how many drills, the fastest, the slowest.
void SummariseProgress(TChart &chart, int drills, double fastest, double slowest);
