#include "ProgressChart.h"

#include "Chart.h"
#include "DrillTime.h"

#include <QLocale>

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

    // "3回目 01:23.456": the drill's number and its time, as the time labels show it.
    chart.PointDescriber = [](const TChartSeries &drills, int index) {
        return QStringLiteral("%1回目 %2")
            .arg(QLocale::c().toString(drills.XValueOf(index), 'f', 0),
                 FormatDrillTime(drills.YValueOf(index)));
    };
    series.SetSeriesColor(clRed);
    series.YValues.SetDateTime(true);
    chart.SetLoading(false);
}

QWidget *MakeProgressChart(QWidget *parent) { return new TChart(parent); }

ProgressGraph AttachProgressGraph(QWidget *made) {
    auto *chart = qobject_cast<TChart *>(made);
    TFastLineSeries *series = chart->AddFastLineSeries();
    SetUpProgressChart(*chart, *series);
    return {chart, series};
}

void ClearProgress(TFastLineSeries &series) { series.ClearPoints(); }

void FixProgressRange(TChart &chart) { chart.LeftAxis.SetRange(0, 1.0 / 360); }

void AddProgressPoint(TFastLineSeries &series, int drill, double duration) {
    series.AddPointXY(drill, duration, QString(), AutoColor);
}

void SummariseProgress(TChart &chart, int drills, double fastest, double slowest) {
    chart.setAccessibleName(chart.Title.Text().join(QLatin1Char(' ')));
    chart.setAccessibleDescription(
        drills == 0 ? QStringLiteral("演習の記録はまだありません")
                    : QStringLiteral("%1 回の演習　最速タイム %2　最低タイム %3")
                          .arg(drills)
                          .arg(FormatDrillTime(fastest), FormatDrillTime(slowest)));
}
