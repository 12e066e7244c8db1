#include "CustomChart.h"

#include "ChartAccessible.h"
#include "ChartSeries.h"

#include <algorithm>

namespace {

// Room between a title and the plot, and where the running edge starts before any line.
constexpr int TitleSpacing = 5;

} // namespace

TCustomChart::TCustomChart(QWidget *parent) : TCustomAxisPanel(parent) {
    InstallChartAccessibility();
}

void TCustomChart::DrawContents() {
    PaintBackground(PanelBounds);
    if (Title.Visible())
        DrawTitle(Title, true);
    if (Foot.Visible())
        DrawTitle(Foot, false);
    LayoutAxes();
    ApplySeriesMargins();
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

void TCustomChart::DrawTitle(TChartTitle &title, bool atTop) {
    UseFont(title.Font);
    const int h = Canvas.CharHeight();
    const QStringList &lines = title.Text();
    const int n = int(lines.size());

    TCanvasBrush &brush = Canvas.Brush();
    if (title.Color() == AutoColor) {
        if (title.Brush.Style() != bsSolid) {
            brush.Color = title.Brush.Color();
            brush.Style = title.Brush.Style();
            Canvas.SetBackgroundMode(Qt::TransparentMode);
        } else if (title.Brush.Color() == AutoColor) {
            brush.Style = bsClear;
        } else {
            title.SetColor(title.Brush.Color());
            brush.Color = title.Color();
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

    const bool framed = title.Frame.Visible() && title.Frame.Color() != AutoColor;
    const int f = framed ? title.Frame.Width() : 0;
    if (framed)
        Canvas.UsePen(title.Frame);
    else
        Canvas.Pen().Style = psClear;

    TRect &bounds = title.TitleBounds;
    int y0 = 0;
    if (atTop) {
        y0 = PlotRect.Top + f;
        bounds = TRect{PlotRect.Left + f, y0, PlotRect.Right - f, y0 + n * h};
    } else {
        const int bottom = PlotRect.Bottom - f;
        bounds = TRect{PlotRect.Left + f, bottom - n * h, PlotRect.Right - f, bottom};
        y0 = bounds.Top;
    }
    bounds = TRect{bounds.Left - f, bounds.Top - f, bounds.Right + f, bounds.Bottom + f};

    const int wWidth = Canvas.MeasureWidth(QStringLiteral("W"));
    if (framed || brush.Style != bsClear) {
        if (title.AdjustFrame()) {
            int widest = 0;
            for (const QString &line : lines)
                widest = std::max(widest, Canvas.MeasureWidth(line));
            const int w = widest + wWidth;
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
        Canvas.DrawRectAt(bounds);
    }

    Canvas.SetBackgroundMode(Qt::TransparentMode);
    Canvas.SetAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i < n; ++i) {
        const QString &line = lines[i];
        const int lineWidth = Canvas.MeasureWidth(line);
        int x = 0;
        if (title.Alignment() & Qt::AlignLeft)
            x = bounds.Left + wWidth / 2;
        else if (title.Alignment() & Qt::AlignRight)
            x = bounds.Right - lineWidth - wWidth / 2;
        else
            x = (bounds.Left + bounds.Right) / 2 - lineWidth / 2;
        Canvas.OutText(x, y0 + i * h, line);
    }

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
