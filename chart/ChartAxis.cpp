#include "ChartAxis.h"

#include "AxisPanel.h"
#include "ChartExceptions.h"
#include "PixelRounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

QString AngleMessage(const QString &what) {
    return QStringLiteral("%1の角度は 0 から 359 の間でなければなりません").arg(what);
}

} // namespace

void TChartAxisTitle::SetAngle(int value) {
    if (value < 0 || value > 359)
        throw ChartException(AngleMessage(QStringLiteral("軸タイトル")));
    StoreChanged(angle, value, [this] { Axis->Invalidate(); });
}

void TChartAxisTitle::SetCaption(const QString &value) {
    StoreChanged(caption, value, [this] { Axis->Invalidate(); });
}

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel *chart, bool horizontal, bool farSide,
                                   int titleAngle)
    : ParentChart(chart), IsHorizontal(horizontal), IsFarSide(farSide),
      StandardTitleAngle(titleAngle) {
    Title.angle = titleAngle;
    layout.Map.Horizontal = horizontal;
    const auto invalidate = [this] { Invalidate(); };
    for (TChartPen *pen :
         {static_cast<TChartPen *>(&Axis), static_cast<TChartPen *>(&Grid),
          static_cast<TChartPen *>(&MinorGrid), static_cast<TChartPen *>(&MinorTicks),
          static_cast<TChartPen *>(&Ticks), static_cast<TChartPen *>(&TicksInner)})
        pen->OnChange = invalidate;
    Title.Font.OnChange = invalidate;
    LabelsFont.OnChange = invalidate;
    if (chart)
        chart->AddAxis(this);
}

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel *chart)
    : TCustomChartAxis(chart, false, true, 0) {
    IsZAxis = true;
    SetVisible(false);
}

void TCustomChartAxis::Invalidate() {
    if (ParentChart)
        ParentChart->Invalidate();
}

void TCustomChartAxis::SetRange(double aMin, double aMax) {
    automatic = automaticMinimum = automaticMaximum = false;
    if (aMin > aMax)
        std::swap(aMin, aMax);
    Store(minimum, aMin);
    Store(maximum, aMax);
    // An empty range would map every value to one pixel.
    constexpr double narrowest = 1e-10;
    if (maximum - minimum < narrowest)
        Store(maximum, minimum + narrowest);
}

void TCustomChartAxis::ShiftRange(double delta) {
    automatic = automaticMaximum = automaticMinimum = false;
    maximum += delta;
    minimum += delta;
}

void TCustomChartAxis::SetAutomatic(bool value) {
    Store(automatic, value);
    if (!(ParentChart && ParentChart->Loading())) {
        Store(automaticMinimum, value);
        Store(automaticMaximum, value);
    }
}

void TCustomChartAxis::SetAutomaticMaximum(bool value) {
    Store(automaticMaximum, value);
    if (!value)
        Store(automatic, false);
    else if (automaticMinimum)
        Store(automatic, true);
}

void TCustomChartAxis::SetAutomaticMinimum(bool value) {
    Store(automaticMinimum, value);
    if (!value)
        Store(automatic, false);
    else if (automaticMaximum)
        Store(automatic, true);
}

void TCustomChartAxis::SetIncrement(double value) {
    if (value < 0)
        throw AxisException(QStringLiteral("軸の増加単位は 0 以上でなければなりません"));
    Store(increment, value);
}

void TCustomChartAxis::SetMaximum(double value) {
    if (!(ParentChart && ParentChart->Loading()) && value < minimum)
        throw AxisException(QStringLiteral("軸の最大値は最小値以上でなければなりません"));
    Store(maximum, value);
}

void TCustomChartAxis::SetMinimum(double value) {
    if (!(ParentChart && ParentChart->Loading()) && value > maximum)
        throw AxisException(QStringLiteral("軸の最小値は最大値以下でなければなりません"));
    Store(minimum, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value) {
    if (value < 0)
        throw AxisException(QStringLiteral("ラベルの間隔 % は 0 以上でなければなりません"));
    Store(labelsSeparation, value);
}

void TCustomChartAxis::SetLabelsAngle(int value) {
    if (value < 0 || value > 359)
        throw ChartException(AngleMessage(QStringLiteral("軸ラベル")));
    Store(labelsAngle, value);
}

void TCustomChartAxis::UpdateRange() {
    if (ParentChart) {
        if (automatic || automaticMaximum)
            maximum = ParentChart->SeriesExtent(this, false, IsHorizontal);
        if (automatic || automaticMinimum)
            minimum = ParentChart->SeriesExtent(this, true, IsHorizontal);
    }
    layout.Map.WorkMax = maximum;
    layout.Map.WorkMin = minimum;
    layout.Map.Horizontal = IsHorizontal;
    layout.Map.Inverted = inverted;
    layout.Map.Logarithmic = Logarithmic;
    layout.Map.LogarithmicBase = LogarithmicBase;
}

void TCustomChartAxis::CalcPixelRange() {
    if (!ParentChart)
        return;
    const TRect &plot = ParentChart->PlotRect;
    const int origin = IsHorizontal ? plot.Left : plot.Top;
    const int extent = IsHorizontal ? ParentChart->PlotWidth : ParentChart->PlotHeight;
    layout.Map.PixelStart = origin + RoundPixels(extent * 0.01 * startPosition);
    layout.Map.PixelEnd = origin + RoundPixels(extent * 0.01 * endPosition);
}

void TCustomChartAxis::WidenForMargins(const TRect &margins) {
    const int a = IsHorizontal ? margins.Left : margins.Top;
    const int b = IsHorizontal ? margins.Right : margins.Bottom;
    // The old range drawn inside the margins: the range that covers the full pixels.
    TAxisMap narrowed = layout.Map;
    narrowed.PixelStart += a;
    narrowed.PixelEnd -= b;
    const double lo = narrowed.ToValue(layout.Map.PixelStart);
    const double hi = narrowed.ToValue(layout.Map.PixelEnd);
    layout.Map.WorkMin = lo;
    layout.Map.WorkMax = hi;
    if (layout.Map.WorkMin > layout.Map.WorkMax)
        std::swap(layout.Map.WorkMin, layout.Map.WorkMax);
}
