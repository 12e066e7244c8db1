#include "CustomChart.h"

#include "ChartAccessible.h"
#include "ChartSeries.h"

#include <algorithm>

namespace {

// Room between a title and the plot, and where the running edge starts before any line.
constexpr int TitleSpacing = 5;

// Whether the title's box is filled: by its own colour, else by its brush's.
bool Filled(const TChartTitle &title) {
    return title.Brush.Style() == bsSolid &&
           (title.Color() != AutoColor || title.Brush.Color() != AutoColor);
}

bool Framed(const TChartTitle &title) {
    return title.Frame.Visible() && title.Frame.Color() != AutoColor;
}

} // namespace

TCustomChart::TCustomChart(QWidget *parent) : TCustomAxisPanel(parent) {
    InstallChartAccessibility();
}

void TCustomChart::LayOut() {
    if (Title.Visible())
        LayOutTitle(Title, true);
    if (Foot.Visible())
        LayOutTitle(Foot, false);
    LayoutAxes();
    ApplySeriesMargins();
    PlaceAxisMarks();
    for (TChartSeries *series : SeriesList())
        if (series->Active())
            series->FindShownRange();
}

void TCustomChart::DrawContents() {
    PaintBackground(PanelBounds);
    if (Title.Visible())
        DrawTitle(Title);
    if (Foot.Visible())
        DrawTitle(Foot);
    DrawBackWall();
    if (AxisVisible() && AxesBeforeSeries)
        DrawAxes();
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries(this);
    for (TChartSeries *series : SeriesList())
        if (series->Active())
            PaintSeries(series);
    if (AxisVisible() && !AxesBeforeSeries)
        DrawAxes();
    if (ZoomDrag.InProgress)
        DrawZoomFrame();
    Canvas.ResetTools();
    if (OnAfterDraw)
        OnAfterDraw(this);
}

void TCustomChart::LayOutTitle(TChartTitle &title, bool atTop) {
    const TTextMeasurer text = Measurer(title.Font);
    const int h = text.Height();
    const QStringList &lines = title.Text();
    const int n = int(lines.size());
    const int f = Framed(title) ? title.Frame.Width() : 0;

    TRect bounds;
    if (atTop) {
        const int y0 = PlotRect.Top + f;
        bounds = TRect{PlotRect.Left + f, y0, PlotRect.Right - f, y0 + n * h};
    } else {
        const int bottom = PlotRect.Bottom - f;
        bounds = TRect{PlotRect.Left + f, bottom - n * h, PlotRect.Right - f, bottom};
    }
    const int y0 = bounds.Top;
    bounds = TRect{bounds.Left - f, bounds.Top - f, bounds.Right + f, bounds.Bottom + f};
    if ((Framed(title) || Filled(title)) && title.AdjustFrame()) {
        int widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, text.Width(line));
        const int w = widest + text.Width(QStringLiteral("W"));
        if (title.Alignment() & Qt::AlignLeft) {
            bounds.Right = bounds.Left + w;
        } else if (title.Alignment() & Qt::AlignRight) {
            bounds.Left = bounds.Right - w;
        } else {
            // Both ends half the width (div 2) from the middle, so an odd width loses a pixel.
            const int middle = (bounds.Left + bounds.Right) / 2;
            bounds.Left = middle - w / 2;
            bounds.Right = middle + w / 2;
        }
    }
    title.TitleBounds = bounds;

    // The plot gives up the title's room; a title without lines takes none.
    if (atTop) {
        const int edge = n > 0 ? y0 + n * h : y0 - TitleSpacing;
        PlotRect.Top = edge + f + TitleSpacing;
    } else {
        const int bottom = PlotRect.Bottom - f;
        const int edge = n > 0 ? bottom - n * h : bottom + TitleSpacing;
        PlotRect.Bottom = edge - f - TitleSpacing;
    }
    UpdatePlotSize();
}

void TCustomChart::DrawTitle(const TChartTitle &title) {
    UseFont(title.Font);
    TCanvasBrush &brush = Canvas.Brush();
    if (title.Color() == AutoColor) {
        if (title.Brush.Style() != bsSolid) {
            brush.Color = title.Brush.Color();
            brush.Style = title.Brush.Style();
            Canvas.SetBackgroundMode(Qt::TransparentMode);
        } else if (title.Brush.Color() == AutoColor) {
            brush.Style = bsClear;
        } else {
            brush.Color = title.Brush.Color();
            brush.Style = bsSolid;
        }
    } else if (title.Brush.Style() != bsSolid) {
        brush.Color = title.Brush.Color();
        brush.Style = title.Brush.Style();
        Canvas.SetBackgroundMode(Qt::OpaqueMode);
        Canvas.SetBackgroundColor(title.Color());
    } else {
        brush.Color = title.Color();
        brush.Style = bsSolid;
    }

    const bool framed = Framed(title);
    const int f = framed ? title.Frame.Width() : 0;
    if (framed)
        Canvas.UsePen(title.Frame);
    else
        Canvas.Pen().Style = psClear;
    const TRect &bounds = title.TitleBounds;
    if (framed || brush.Style != bsClear)
        Canvas.DrawRectAt(bounds);

    const TTextMeasurer text = Measurer(title.Font);
    const int h = text.Height();
    const int wWidth = text.Width(QStringLiteral("W"));
    const int y0 = bounds.Top + f;
    Canvas.SetBackgroundMode(Qt::TransparentMode);
    Canvas.SetAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QStringList &lines = title.Text();
    for (int i = 0; i < int(lines.size()); ++i) {
        const QString &line = lines[i];
        const int lineWidth = text.Width(line);
        int x = 0;
        if (title.Alignment() & Qt::AlignLeft)
            x = bounds.Left + wWidth / 2;
        else if (title.Alignment() & Qt::AlignRight)
            x = bounds.Right - lineWidth - wWidth / 2;
        else
            x = (bounds.Left + bounds.Right) / 2 - lineWidth / 2;
        Canvas.OutText(x, y0 + i * h, line);
    }
}

void TCustomChart::SetWallBrush(TColor color, TBrushStyle style, TColor background) {
    if (style != bsSolid && color == background)
        color = background == clBlack ? clWhite : clBlack;
    Canvas.Brush().Color = color;
    Canvas.Brush().Style = style;
    if (style == bsSolid) {
        Canvas.SetBackgroundMode(Qt::TransparentMode);
    } else {
        Canvas.SetBackgroundMode(Qt::OpaqueMode);
        Canvas.SetBackgroundColor(background);
    }
}

void TCustomChart::DrawBackWall() {
    Canvas.UsePen(BackWall.Pen);
    if (BackWall.Color() == AutoColor && BackWall.Brush.Style() == bsSolid)
        Canvas.Brush().Style = bsClear;
    else
        SetWallBrush(BackWall.Color(), BackWall.Brush.Style(), BackWall.Brush.Color());
    Canvas.DrawRect(PlotRect.Left, PlotRect.Top, PlotRect.Right + 1, PlotRect.Bottom + 1);
}
