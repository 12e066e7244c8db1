#include "AxisPanel.h"

#include "ChartSeries.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<TColor, 12> SeriesPalette{
    clRed, 65280, 65535, clBlue, clWhite, 8421504, 16711935, 8421376, 8388736, 8388608, 128, 32896};

} // namespace

TCustomAxisPanel::TCustomAxisPanel(QWidget *parent) : TCustomChartPanelExtended(parent) {}

TCustomAxisPanel::~TCustomAxisPanel() {
    destroying = true;
    // Series that outlive the chart must not reach back into it.
    for (TChartSeries *series : std::vector<TChartSeries *>(seriesList))
        series->SetParentChart(nullptr);
}

void TCustomAxisPanel::AddSeries(TChartSeries *series) {
    if (std::find(seriesList.begin(), seriesList.end(), series) != seriesList.end())
        return;
    seriesList.push_back(series);
    // A series without a colour of its own gets the first one no other series has.
    if (series->SeriesColor() == AutoColor) {
        for (TColor color : SeriesPalette) {
            const bool taken = std::any_of(
                seriesList.begin(), seriesList.end(),
                [color](const TChartSeries *other) { return other->SeriesColor() == color; });
            if (!taken) {
                series->SetSeriesColor(color);
                break;
            }
        }
    }
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries *series) {
    std::erase(seriesList, series);
    if (!destroying)
        Invalidate();
}

bool TCustomAxisPanel::AxisShown(const TCustomChartAxis *axis) const {
    if (!axisVisible || !axis->Visible())
        return false;
    if (axis == &DepthAxis)
        return View3D();
    bool anyUsesAxes = false;
    for (const TChartSeries *series : seriesList) {
        if (!series->Active() || !series->UsesAxes())
            continue;
        anyUsesAxes = true;
        if (series->FeedsAxis(axis))
            return true;
    }
    return !anyUsesAxes;
}

bool TCustomAxisPanel::TakesPart(const TChartSeries *series, const TCustomChartAxis *axis,
                                 bool isX) const {
    const bool attached =
        isX ? series->HorizAxis() == aBothHorizAxis || series->ActualHorizAxis() == axis
            : series->VertAxis() == aBothVertAxis || series->ActualVertAxis() == axis;
    if (!attached)
        return false;
    return series->Active() ||
           std::none_of(seriesList.begin(), seriesList.end(), [axis](const TChartSeries *other) {
               return other->Active() && other->FeedsAxis(axis);
           });
}

double TCustomAxisPanel::SeriesExtent(const TCustomChartAxis *axis, bool wantMin, bool isX) const {
    double result = 0;
    bool first = true;
    for (const TChartSeries *series : seriesList) {
        if (series->PointCount() == 0 || !TakesPart(series, axis, isX))
            continue;
        const double value = isX ? (wantMin ? series->LowestX() : series->HighestX())
                                 : (wantMin ? series->LowestY() : series->HighestY());
        if (first || (wantMin ? value < result : value > result))
            result = value;
        first = false;
    }
    return result;
}

bool TCustomAxisPanel::SeriesTakesPartInAnAxis(const TChartSeries *series) const {
    return std::any_of(axes.begin(), axes.end(), [&](const TCustomChartAxis *axis) {
        return (axis->Automatic() || axis->AutomaticMaximum() || axis->AutomaticMinimum()) &&
               TakesPart(series, axis, axis->IsHorizontal);
    });
}

int TCustomAxisPanel::AxisWallSize(const TCustomChartAxis *) const { return 0; }

void TCustomAxisPanel::UseFont(const TChartFont &font) {
    Canvas.Font().Font = font.Font();
    Canvas.Font().Color = font.Color();
}

TTextMeasurer TCustomAxisPanel::Measurer(const TChartFont &font) const {
    return TTextMeasurer(Canvas.TextsOf(font.Font()));
}

std::pair<int, int> TCustomAxisPanel::TextBlockWidth(const QString &text) const {
    return TTextMeasurer(Canvas.TextsOf(Canvas.Font().Font)).BlockWidth(text);
}

void TCustomAxisPanel::LayoutAxes() {
    for (TCustomChartAxis *axis : axes)
        axis->UpdateRange();
    UpdatePlotSize();
    const TRect available = PlotRect;
    // The room an axis's labels take depends on their step, which is chosen for the axis's
    // length in pixels, which depends on that room. The labels are measured for the length the
    // axis had in the round before; when the length comes out different, the axes are laid out
    // again with it. A few rounds settle it. Every paint starts from no length, as the first
    // paint of a chart does: where the rounds do not settle, or could settle on more than one
    // length, a start from the last paint's length would make the picture depend on that paint.
    for (TCustomChartAxis *axis : axes) {
        TAxisMap map = axis->Map();
        map.PixelStart = map.PixelEnd = 0;
        axis->SetMap(map);
    }
    constexpr int rounds = 4;
    for (int round = 0; round < rounds; ++round) {
        std::vector<int> measuredFor;
        for (const TCustomChartAxis *axis : axes)
            measuredFor.push_back(axis->PixelSize());
        PlotRect = available;
        UpdatePlotSize();
        TRect work = PlotRect;
        for (std::size_t i = 0; i < axes.size(); ++i) {
            if (!AxisShown(axes[i]))
                continue;
            TRect r = work;
            axes[i]->ReserveRoom(r, i < 5);
            const TRect overlap{std::max(r.Left, work.Left), std::max(r.Top, work.Top),
                                std::min(r.Right, work.Right), std::min(r.Bottom, work.Bottom)};
            if (overlap.Left < overlap.Right && overlap.Top < overlap.Bottom)
                work = overlap;
        }
        PlotRect = work;
        UpdatePlotSize();
        bool settled = true;
        for (std::size_t i = 0; i < axes.size(); ++i) {
            axes[i]->CalcPixelRange();
            settled = settled && axes[i]->PixelSize() == measuredFor[i];
        }
        if (settled)
            break;
    }
}

void TCustomAxisPanel::ApplySeriesMargins() {
    for (TCustomChartAxis *axis :
         {static_cast<TCustomChartAxis *>(&TopAxis), static_cast<TCustomChartAxis *>(&LeftAxis),
          static_cast<TCustomChartAxis *>(&RightAxis),
          static_cast<TCustomChartAxis *>(&BottomAxis)}) {
        TRect margins;
        for (const TChartSeries *series : seriesList) {
            if (!series->Active() || !series->FeedsAxis(axis))
                continue;
            int a = 0;
            int b = 0;
            if (axis->IsHorizontal) {
                series->HorizMargins(a, b);
                margins.Left = std::max(margins.Left, a);
                margins.Right = std::max(margins.Right, b);
            } else {
                series->VertMargins(a, b);
                margins.Top = std::max(margins.Top, a);
                margins.Bottom = std::max(margins.Bottom, b);
            }
        }
        // A side counts only when that end of the axis follows the series.
        if (!axis->AutomaticMinimum())
            margins.Left = margins.Bottom = 0;
        if (!axis->AutomaticMaximum())
            margins.Right = margins.Top = 0;
        axis->WidenForMargins(margins);
    }
}

void TCustomAxisPanel::PlaceAxisMarks() {
    for (TCustomChartAxis *axis : axes)
        if (AxisShown(axis))
            axis->PlaceMarks();
}

void TCustomAxisPanel::DrawAxes() {
    if (OnBeforeDrawAxes)
        OnBeforeDrawAxes(this);
    for (const TCustomChartAxis *axis : axes)
        if (AxisShown(axis))
            axis->PaintAxis();
}

void TCustomAxisPanel::PaintSeries(TChartSeries *series) {
    if (series->FirstShown == -1)
        return;
    if (series->BeforeDrawValues)
        series->BeforeDrawValues(series);
    if (clipPoints)
        Canvas.ClipTo(
            TRect{PlotRect.Left + 1, PlotRect.Top + 1, PlotRect.Right, PlotRect.Bottom - 1});
    series->DrawValues();
    Canvas.Unclip();
    if (series->AfterDrawValues)
        series->AfterDrawValues(series);
}
