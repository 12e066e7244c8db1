#include "ProgressChart.h"

#include "Chart.h"

void SetUpProgressChart(TChart &chart, TFastLineSeries &series) {
    // Applied as stored settings: the automatic flags do not pull each other along.
    chart.SetLoading(true);
    chart.SetView3D(false);
    chart.AllowPanning = pmNone;
    chart.Title.SetText({QStringLiteral("演習スピードグラフ")});
    chart.BackWall.Brush.SetColor(clWhite);
    chart.BackWall.Brush.SetStyle(bsClear);
    chart.Legend.SetVisible(false);

    chart.BottomAxis.Title.SetCaption(QStringLiteral("演習回数"));

    TChartAxis &left = chart.LeftAxis;
    left.SetAutomatic(false);
    left.SetAutomaticMinimum(false);
    left.SetIncrement(1.0 / 1440); // one minute
    left.SetLabelsSeparation(0);
    left.SetExactDateTime(false);
    left.SetRoundFirstLabel(false);
    left.SetDateTimeFormat(QStringLiteral("nn:ss"));
    left.SetLabelStyle(talMark);
    left.SetLabels(false);
    left.SetLabelsOnAxis(false);
    left.Title.SetCaption(QStringLiteral("演習時間"));

    series.SetSeriesColor(clRed);
    series.YValues.SetDateTime(true);
    chart.SetLoading(false);
}
