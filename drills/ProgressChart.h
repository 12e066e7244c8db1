#pragma once

class TChart;
class TFastLineSeries;

// Gives the progress graph and its one series the settings the window stores for them: a
// flat chart titled "演習スピードグラフ" with a hidden legend, the drill ordinals along the
// bottom and drill times in minutes up the left, drawn as a red line. Each point is told as
// the drill's number and time.
void SetUpProgressChart(TChart &chart, TFastLineSeries &series);
