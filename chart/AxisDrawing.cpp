// How an axis takes its room from the plot and draws its title, labels, line, ticks and grid.
#include "AxisPanel.h"
#include "ChartAxis.h"
#include "ChartSeries.h"
#include "PixelRounding.h"
#include "TextMeasurer.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

constexpr TColor Grey = 0x808080;

int LineCount(const QString &text) { return int(text.count(QLatin1Char('\r'))) + 1; }

} // namespace

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const {
    if (LabelStyle() != talAuto || !ParentChart)
        return LabelStyle();
    TAxisLabelStyle style = talNone;
    for (const TChartSeries *series : ParentChart->SeriesList()) {
        if (!series->Active() || !series->FeedsAxis(this))
            continue;
        style = talValue;
        const bool labelAxis = IsHorizontal == series->YMandatory();
        if (labelAxis && !series->PointLabels.empty() && !series->PointLabels.front().isEmpty())
            style = talText;
    }
    return style;
}

int TCustomChartAxis::TickRoom() const {
    const int room = (Axis.Visible() ? Axis.Width() : 0) + (Ticks.Visible() ? TickLength : 0);
    return MinorTicks.Visible() ? std::max(room, MinorTickLength) : room;
}

int TCustomChartAxis::TextBandRoom(const TChartFont &font, int angle, int fixedSize,
                                   const QString *text) const {
    if (fixedSize != 0)
        return fixedSize;
    const TTextMeasurer measurer = ParentChart->Measurer(font);
    const bool along = IsHorizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
    if (along)
        return measurer.Height();
    return text ? measurer.Width(*text) : WidestLabel();
}

int TCustomChartAxis::TitleRoom() const {
    const QString caption = Title.Caption();
    return TextBandRoom(Title.Font, Title.Angle(), TitleSize, &caption);
}

int TCustomChartAxis::LabelsRoom() const {
    return TextBandRoom(LabelsFont, labelsAngle, LabelsSize, nullptr);
}

TTextMeasurer TCustomChartAxis::LabelsMeasurer() const { return ParentChart->Measurer(LabelsFont); }

int TCustomChartAxis::WidestLabel() const {
    const TTextMeasurer measurer = LabelsMeasurer();
    switch (EffectiveLabelStyle()) {
    case talValue: {
        double lo = WorkMin();
        double hi = WorkMax();
        if ((HasDateTimeValues() && exactDateTime) || roundFirstLabel) {
            const double s = CalcLabelStep();
            lo = std::trunc(WorkMin() / s) * s;
            hi = std::trunc(WorkMax() / s) * s;
        }
        const int widest = std::max(measurer.BlockWidth(LabelText(hi)).first,
                                    measurer.BlockWidth(LabelText(lo)).first);
        return widest + measurer.Width(QStringLiteral(" "));
    }
    case talMark:
    case talText: {
        int widest = 0;
        for (const TChartSeries *series : ParentChart->SeriesList()) {
            if (EffectiveLabelStyle() == talMark && !series->Active())
                continue;
            for (int i = 0; i < series->PointCount(); ++i) {
                const QString text =
                    EffectiveLabelStyle() == talMark ? series->MarkText(i) : series->PointLabel(i);
                widest = std::max(widest, measurer.BlockWidth(text).first);
            }
        }
        return widest;
    }
    default:
        return 0;
    }
}

int TCustomChartAxis::ShiftInward(int position, const TRect &rect) const {
    if (PositionPercent == 0)
        return position;
    const int extent = IsHorizontal ? rect.Bottom - rect.Top : rect.Right - rect.Left;
    const int shift = RoundPixels(0.01 * PositionPercent * extent);
    if (IsHorizontal)
        return IsFarSide ? position + shift : position - shift;
    return IsFarSide ? position - shift : position + shift;
}

void TCustomChartAxis::ReserveRoom(TRect &r, bool) {
    if (!ParentChart)
        return;
    const auto shrink = [&](int n) {
        if (IsHorizontal)
            (IsFarSide ? r.Top += n : r.Bottom -= n);
        else
            (IsFarSide ? r.Right -= n : r.Left += n);
    };
    const auto edge = [&] {
        if (IsHorizontal)
            return IsFarSide ? r.Top : r.Bottom;
        return IsFarSide ? r.Right : r.Left;
    };
    layout.DateTimeActive = HasDateTimeValues();
    if (!Title.Caption().isEmpty()) {
        shrink(TitleRoom());
        layout.TitlePos = edge();
    }
    if (labels) {
        shrink(LabelsRoom());
        layout.LabelsPos = edge();
    }
    const int n = TickRoom() + ParentChart->AxisWallSize(this);
    if (n > 0)
        shrink(n);
    layout.TitlePos = ShiftInward(layout.TitlePos, r);
    layout.LabelsPos = ShiftInward(layout.LabelsPos, r);
}

void TCustomChartAxis::PlaceMarks() {
    layout.Labels.clear();
    layout.TickPositions.clear();
    if (!ParentChart)
        return;
    layout.DateTimeActive = HasDateTimeValues();
    const double s = CalcLabelStep();
    const TRect &plot = ParentChart->PlotRect;
    const int edge =
        IsHorizontal ? (IsFarSide ? plot.Top : plot.Bottom) : (IsFarSide ? plot.Right : plot.Left);
    layout.AxisPos = ShiftInward(edge, plot);
    const int i = ChooseTableStep(s);
    if ((s > 0 || (i >= 18 && i <= 24)) && WorkMax() >= WorkMin()) {
        const TAxisLabelStyle style = EffectiveLabelStyle();
        if (style == talValue)
            PlaceValueLabels(s, i);
        else if (style == talMark || style == talText)
            PlaceSeriesLabels(style);
    }
}

void TCustomChartAxis::PaintAxis() const {
    if (!ParentChart)
        return;
    if (!Title.Caption().isEmpty())
        DrawTitle();
    for (const TAxisLabel &label : layout.Labels)
        DrawLabel(label);
    DrawLineTicksAndGrid();
}

void TCustomChartAxis::AddTickPosition(int position) {
    if (layout.TickPositions.size() < MaxTickPositions)
        layout.TickPositions.push_back(position);
}

void TCustomChartAxis::AddLabel(int position, const QString &text) {
    if (TickOnLabelsOnly)
        AddTickPosition(position);
    layout.Labels.push_back({position, text});
}

void TCustomChartAxis::PlaceValueLabels(double s, int i) {
    constexpr int mostLabels = 10000;
    if (!(std::fabs(WorkRange() / s) < mostLabels))
        return;
    double v = 0;
    if (layout.DateTimeActive && exactDateTime && i >= 14 && i <= 24)
        v = RoundDateDown(i, WorkMax());
    else if (WorkMin() == WorkMax())
        v = WorkMax();
    else if (roundFirstLabel)
        v = std::trunc(WorkMax() / s) * s;
    else
        v = WorkMax();
    // A step too small to change v (far from zero) would never end these loops.
    while (v > WorkMax()) {
        const double next = StepValue(v, i, s);
        if (!(next < v))
            return;
        v = next;
    }
    // A label a rounding error below the lower end still belongs to it, whatever its sign; one
    // a whole smallest step below it (the step of an empty range at 0) does not.
    const double lower = WorkMin() - 1e-12 * std::max(1.0, std::fabs(WorkMin()));
    // Labels, and so ticks and grid lines, lie on the axis's own pixels: over a range narrower
    // than the step, those below it would lie far beyond it. Its ends count with LabelsOnAxis.
    const int low = std::min(PixelStart(), PixelEnd());
    const int high = std::max(PixelStart(), PixelEnd());
    for (int placed = 0; v > lower && placed <= mostLabels; ++placed) {
        const int pos = ValueToPos(v);
        if (labelsOnAxis ? low <= pos && pos <= high : low < pos && pos < high) {
            if (!TickOnLabelsOnly)
                AddTickPosition(pos);
            if (labels)
                AddLabel(pos, LabelText(v));
        }
        const double next = StepValue(v, i, s);
        if (!(next < v))
            break;
        v = next;
    }
}

void TCustomChartAxis::PlaceSeriesLabels(TAxisLabelStyle style) {
    // Without labels, and with ticks only at labels, the walk over the points would place
    // nothing (the progress graph's left axis): skip it.
    if (!labels && TickOnLabelsOnly)
        return;
    std::vector<TChartSeries *> collected;
    for (TChartSeries *series : ParentChart->SeriesList())
        if (series->Active() && series->FeedsAxis(this) && !series->PointLabels.empty())
            collected.push_back(series);
    int first = -1;
    int last = -1;
    for (TChartSeries *series : collected) {
        series->FindShownRange();
        if (first == -1 && series->FirstShown != -1)
            first = series->FirstShown;
        last = std::max(last, series->LastShown);
    }
    if (first == -1)
        return;
    const TTextMeasurer measurer = LabelsMeasurer();
    const bool alongIsWidth = IsHorizontal != (labelsAngle == 90 || labelsAngle == 270);
    int lastPos = -1;
    int lastHalf = 0;
    for (int k = first; k <= last; ++k) {
        const auto owner = std::find_if(collected.begin(), collected.end(), [k](auto *series) {
            return int(series->PointLabels.size()) > k;
        });
        if (owner == collected.end())
            continue;
        const TChartSeries &series = **owner;
        const QString text = style == talMark ? series.MarkText(k) : series.PointLabel(k);
        const double value = series.PointValue(IsHorizontal, k);
        if (!(WorkMin() <= value && value <= WorkMax()))
            continue;
        const int pos = ValueToPos(value);
        if (!TickOnLabelsOnly)
            AddTickPosition(pos);
        if (!labels)
            continue;
        int size =
            alongIsWidth ? measurer.BlockWidth(text).first : measurer.Height() * LineCount(text);
        if (labelsSeparation != 0 && lastPos != -1) {
            size += RoundPixels(std::trunc(size * 0.02 * labelsSeparation));
            const int half = size / 2;
            const bool fits = pos >= lastPos ? pos - half >= lastPos + lastHalf
                                             : pos + half <= lastPos - lastHalf;
            if (!fits)
                continue;
            AddLabel(pos, text);
            lastPos = pos;
            lastHalf = half;
        } else {
            AddLabel(pos, text);
            lastPos = pos;
            lastHalf = size / 2;
        }
    }
}

void TCustomChartAxis::DrawLabel(const TAxisLabel &label) const {
    ParentChart->UseFont(LabelsFont);
    TCanvas3D &canvas = ParentChart->Canvas;
    canvas.Brush().Color = ToColorValue(ParentChart->Color());
    canvas.Brush().Style = bsClear;
    if (IsHorizontal)
        DrawAxisText(label.Position, layout.LabelsPos, labelsAngle, label.Text);
    else
        DrawAxisText(layout.LabelsPos, label.Position, labelsAngle, label.Text);
}

void TCustomChartAxis::DrawTitle() const {
    ParentChart->UseFont(Title.Font);
    TCanvas3D &canvas = ParentChart->Canvas;
    canvas.Brush().Color = ToColorValue(ParentChart->Color());
    canvas.Brush().Style = bsClear;
    if (IsHorizontal)
        DrawAxisText(PixelCenter(), layout.TitlePos, Title.Angle(), Title.Caption());
    else
        DrawAxisText(layout.TitlePos, PixelCenter(), Title.Angle(), Title.Caption());
}

void TCustomChartAxis::DrawAxisText(int x, int y, int a, const QString &text) const {
    TCanvas3D &canvas = ParentChart->Canvas;
    const int h = canvas.CharHeight();
    const int half = h / 2;
    const bool near = !IsFarSide; // the bottom or the left axis
    // The alignment that puts a text against each side, as for angle 0.
    const auto sideValue = [this](bool nearSide) -> Qt::Alignment {
        if (IsHorizontal)
            return Qt::AlignHCenter | (nearSide ? Qt::AlignTop : Qt::AlignBottom);
        return (nearSide ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
    };
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    switch (a) {
    case 0:
        alignment = sideValue(near);
        if (!IsHorizontal)
            y -= half;
        break;
    case 90:
        if (IsHorizontal) {
            alignment = (near ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
            x -= half;
        } else {
            alignment = Qt::AlignHCenter | (near ? Qt::AlignBottom : Qt::AlignTop);
        }
        break;
    case 180:
        alignment = sideValue(!near);
        if (!IsHorizontal)
            y += half;
        break;
    case 270:
        if (IsHorizontal) {
            alignment = (near ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop;
            x += half;
        } else {
            alignment = Qt::AlignHCenter | (near ? Qt::AlignTop : Qt::AlignBottom);
        }
        break;
    default:
        break;
    }
    canvas.SetAlignment(alignment);

    const QStringList lines = text.split(QLatin1Char('\r'));
    const int lh = (a == 180 || a == 270) ? -h : h;
    const int total = RoundPixels(double(lh) * lines.size());
    const int block = RoundPixels(lh * 0.5 * (lines.size() + 1));
    if (IsHorizontal) {
        if (a == 0)
            y -= near ? lh : total;
        else if (a == 180)
            y -= near ? total : lh;
        else if (a == 90 || a == 270)
            x -= block;
    } else {
        if (a == 0 || a == 180)
            y -= block;
        else if (a == 90)
            x -= near ? total : lh;
        else if (a == 270)
            x -= near ? lh : total;
    }
    for (const QString &line : lines) {
        if (a == 0 || a == 180)
            y += lh;
        else if (a == 90 || a == 270)
            x += lh;
        if (a == 0)
            canvas.OutTextZ(x, y, line, 0);
        else
            canvas.OutRotatedTextZ(x, y, a, line, 0);
    }
    canvas.SetAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TCustomChartAxis::DrawTick(int p, int o, int length) const {
    TCanvas3D &canvas = ParentChart->Canvas;
    const int w = ParentChart->AxisWallSize(this);
    if (IsHorizontal) {
        const int from = IsFarSide ? layout.AxisPos - o : layout.AxisPos + o + w;
        const int to = IsFarSide ? from - length : from + length;
        canvas.DrawVLine(p, from, to, 0);
    } else {
        const int from = IsFarSide ? layout.AxisPos + o : layout.AxisPos - o - w;
        const int to = IsFarSide ? from + length : from - length;
        canvas.DrawHLine(from, to, p, 0);
    }
}

void TCustomChartAxis::DrawGridLine(int p) const {
    const TRect &plot = ParentChart->PlotRect;
    if (IsHorizontal)
        ParentChart->Canvas.PlainVLine(p, plot.Top, plot.Bottom);
    else
        ParentChart->Canvas.PlainHLine(plot.Left, plot.Right, p);
}

void TCustomChartAxis::DrawLineTicksAndGrid() const {
    TCanvas3D &canvas = ParentChart->Canvas;
    const int w = ParentChart->AxisWallSize(this);

    if (Axis.Visible()) {
        canvas.UsePen(Axis);
        if (IsHorizontal) {
            const int y = IsFarSide ? layout.AxisPos : layout.AxisPos + w;
            const int left = IsFarSide
                                 ? PixelStart()
                                 : PixelStart() - ParentChart->AxisWallSize(&ParentChart->LeftAxis);
            canvas.DrawHLine(left, PixelEnd(), y, 0);
        } else {
            const int x = IsFarSide ? layout.AxisPos : layout.AxisPos - w;
            const int bottom =
                IsFarSide ? PixelEnd()
                          : PixelEnd() + ParentChart->AxisWallSize(&ParentChart->BottomAxis);
            canvas.DrawVLine(x, PixelStart(), bottom, 0);
        }
    }

    if (Ticks.Visible()) {
        canvas.UsePen(Ticks);
        for (int p : layout.TickPositions)
            DrawTick(p, 1, TickLength);
    }

    if (Grid.Visible()) {
        canvas.UsePen(Grid);
        if (Grid.Color() == AutoColor)
            canvas.Pen().Color = Grey;
        canvas.Brush().Style = bsClear;
        canvas.SetBackgroundMode(Qt::TransparentMode);
        if (GridCentered) {
            for (std::size_t k = 1; k < layout.TickPositions.size(); ++k)
                DrawGridLine(RoundPixels(
                    (double(layout.TickPositions[k]) + layout.TickPositions[k - 1]) * 0.5));
        } else {
            for (int p : layout.TickPositions)
                DrawGridLine(p);
        }
        canvas.SetBackgroundMode(Qt::OpaqueMode);
    }

    if (TicksInner.Visible()) {
        canvas.UsePen(TicksInner);
        for (int p : layout.TickPositions)
            DrawTick(p, -1, -TickInnerLength);
    }

    // A count below one asks for no minor marks, and would divide by zero below.
    const int c = MinorTickCount;
    if (layout.TickPositions.empty() || c < 1)
        return;
    // Minor marks between neighbouring labels, and beyond both end labels spaced like the
    // first pair.
    std::vector<int> minor;
    const std::size_t n = layout.TickPositions.size();
    if (n > 1) {
        const double spacing =
            (double(layout.TickPositions[1]) - layout.TickPositions[0]) / (c + 1);
        for (int j = 1; j <= c; ++j) {
            const int d = RoundPixels(j * spacing);
            minor.push_back(layout.TickPositions[0] - d);
            minor.push_back(layout.TickPositions[n - 1] + d);
        }
    }
    for (std::size_t k = 1; k < n; ++k) {
        const double spacing =
            (double(layout.TickPositions[k]) - layout.TickPositions[k - 1]) / (c + 1);
        for (int j = 1; j <= c; ++j)
            minor.push_back(layout.TickPositions[k] - RoundPixels(j * spacing));
    }
    std::erase_if(minor, [this](int q) { return !(PixelStart() < q && q < PixelEnd()); });
    if (MinorTicks.Visible()) {
        canvas.UsePen(MinorTicks);
        for (int q : minor)
            DrawTick(q, 1, MinorTickLength);
    }
    if (MinorGrid.Visible()) {
        canvas.UsePen(MinorGrid);
        for (int q : minor)
            DrawGridLine(q);
    }
}
