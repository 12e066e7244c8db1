#include "ChartSeries.h"

#include "AxisPanel.h"
#include "ChartAxis.h"
#include "StoreChanged.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Point colours for series that colour each point; never used by the progress graph.
constexpr std::array<TColor, 8> PointPalette{clRed,    65280,   65535,   clBlue,
                                             16711935, 8421376, 8388736, 32896};

} // namespace

TChartSeries::TChartSeries() = default;

TChartSeries::~TChartSeries() {
    if (parentChart)
        parentChart->RemoveSeries(this);
    parentChart = nullptr;
    ClearPoints();
}

TColor TChartSeries::PointColor(int valueIndex) const {
    if (valueIndex < 0 || std::size_t(valueIndex) >= PointColors.size())
        return seriesColor;
    const TColor color = PointColors[std::size_t(valueIndex)];
    if (color != AutoColor)
        return color;
    return colorEachPoint ? PointPalette[std::size_t(valueIndex) % PointPalette.size()]
                          : seriesColor;
}

QString TChartSeries::PointLabel(int valueIndex) const {
    if (valueIndex < 0 || std::size_t(valueIndex) >= PointLabels.size())
        return QString();
    return PointLabels[std::size_t(valueIndex)];
}

void TChartSeries::PointAdded(TChartSeries *sender, int valueIndex) {
    if (OnAfterAdd)
        OnAfterAdd(sender, valueIndex);
    if (parentChart)
        parentChart->SeriesPointAdded(this, valueIndex);
    if (Shows())
        RequestRepaint();
}

int TChartSeries::AddPointXY(double x, double y, const QString &label, TColor color) {
    XValues.PendingValue = x;
    YValues.PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(this))
        return -1;
    const int index = XValues.AddInOrder(XValues.PendingValue);
    YValues.InsertValueAt(index, YValues.PendingValue);
    PointColors.Insert(std::size_t(index), color);
    PointLabels.Insert(std::size_t(index), label.isEmpty() ? QString() : label);
    PointAdded(this, index);
    return index;
}

bool TChartSeries::FeedsAxis(const TCustomChartAxis *axis) const {
    if (!UsesAxes() || !axis)
        return false;
    if (axis->IsHorizontal)
        return horizAxis == aBothHorizAxis || axis == actualHorizAxis;
    return vertAxis == aBothVertAxis || axis == actualVertAxis;
}

void TChartSeries::ClearPoints() {
    for (TChartValueList *list : AllValueLists)
        list->ClearAllValues();
    PointColors.Clear();
    PointLabels.Clear();
    if (OnClearValues)
        OnClearValues(this);
    if (parentChart && !parentChart->Destroying() && Shows())
        RequestRepaint();
}

void TChartSeries::DeletePoint(int valueIndex) {
    for (TChartValueList *list : AllValueLists)
        list->DeleteValueAt(valueIndex);
    PointColors.Erase(std::size_t(valueIndex));
    PointLabels.Erase(std::size_t(valueIndex));
    if (Shows())
        RequestRepaint();
}

QString TChartSeries::MarkText(int valueIndex) const {
    return QString::number(YValueOf(valueIndex), 'g', 15);
}

int TChartSeries::PointX(int valueIndex) const {
    return actualHorizAxis ? actualHorizAxis->XValueToPos(XValueOf(valueIndex)) : 0;
}

int TChartSeries::PointY(int valueIndex) const {
    return actualVertAxis ? actualVertAxis->YValueToPos(YValueOf(valueIndex)) : 0;
}

void TChartSeries::HorizMargins(int &left, int &right) const { left = right = 0; }

void TChartSeries::VertMargins(int &top, int &bottom) const { top = bottom = 0; }

void TChartSeries::FindShownRange() {
    FirstShown = LastShown = -1;
    const int n = PointCount();
    if (n == 0)
        return;
    if (!LimitToVisible || XValues.Order() == loNone || !actualHorizAxis || !parentChart) {
        FirstShown = 0;
        LastShown = n - 1;
        return;
    }
    const TCustomChartAxis &axis = *actualHorizAxis;
    const TRect plot = parentChart->PlotRect;
    const double low = axis.PosToValue(axis.Inverted() ? plot.Right : plot.Left);
    const double high = axis.PosToValue(axis.Inverted() ? plot.Left : plot.Right);
    // The first point not left of the plot, and from there the first not left of its right
    // edge (or the last point): bisected when the values are known to ascend, walked otherwise,
    // with the same answers.
    const double *raw = XValues.RawValues();
    const double multiplier = XValues.Multiplier();
    const bool bisect = multiplier > 0 && std::isfinite(multiplier) && XValues.RawAscending();
    const auto firstNotBelow = [&](int from, int to, double bound) {
        if (bisect) {
            const auto below = [multiplier](double value, double limit) {
                return value * multiplier < limit;
            };
            return int(std::lower_bound(raw + from, raw + to, bound, below) - raw);
        }
        while (from < to && XValues.ValueAt(from) < bound)
            ++from;
        return from;
    };
    const int first = firstNotBelow(0, n, low);
    if (first == n)
        return;
    FirstShown = first;
    if (!(XValues.ValueAt(n - 1) > high)) {
        LastShown = n - 1;
        return;
    }
    int last = firstNotBelow(first, n - 1, high);
    if (!KeepPointBeyondEnd && XValues.ValueAt(last) > high)
        --last;
    LastShown = last;
}

bool TChartSeries::Shows() const {
    return active || (parentChart && parentChart->SeriesTakesPartInAnAxis(this));
}

void TChartSeries::RequestRepaint() {
    if (parentChart)
        parentChart->Invalidate();
}

void TChartSeries::SetSeriesColor(TColor value) {
    StoreChanged(seriesColor, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetColorEachPoint(bool value) {
    StoreChanged(colorEachPoint, value, [this] { RequestRepaint(); });
    if (!value) {
        PointColors.ResetAll();
        if (!PointColors.empty())
            RequestRepaint();
    }
}

void TChartSeries::SetActive(bool value) {
    StoreChanged(active, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetHorizAxis(THorizAxis value) {
    horizAxis = value;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
    vertAxis = value;
    ResolveAxes();
    RequestRepaint();
}

void TChartSeries::SetParentChart(TCustomAxisPanel *chart) {
    if (chart == parentChart)
        return;
    if (parentChart)
        parentChart->RemoveSeries(this);
    parentChart = chart;
    if (parentChart)
        parentChart->AddSeries(this);
    ResolveAxes();
}

void TChartSeries::ResolveAxes() {
    if (!parentChart) {
        actualHorizAxis = actualVertAxis = nullptr;
        return;
    }
    // No custom axes are ever attached, so a custom choice falls back to the standard side.
    actualHorizAxis = horizAxis == aTopAxis ? &parentChart->TopAxis : &parentChart->BottomAxis;
    actualVertAxis = vertAxis == aRightAxis ? &parentChart->RightAxis : &parentChart->LeftAxis;
}
