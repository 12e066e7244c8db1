#include "ChartPanel.h"

#include <QPaintEvent>
#include <QResizeEvent>

namespace {

// Percent of a length in whole pixels, rounded to the nearest.
int PercentOf(int percent, int length) {
    const std::int64_t product = std::int64_t(percent) * length;
    return int((product * 2 + (product >= 0 ? 100 : -100)) / 200);
}

} // namespace

TCustomChartPanel::TCustomChartPanel(QWidget *parent)
    : QWidget(parent), color(palette().color(QPalette::Button)) {
    resize(400, 250);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Canvas.SetTarget(this);
}

void TCustomChartPanel::Invalidate() {
    if (!repaintEnabled)
        return;
    // A picture already waiting to be drawn again has its paint on the way: adding a million
    // points asks once, not a million times.
    if (Canvas.NeedsRedraw() && updatePending)
        return;
    Canvas.MarkNeedsRedraw();
    updatePending = true;
    update();
}

void TCustomChartPanel::DrawOnPicture(const std::function<void()> &draw) {
    QImage *picture = Canvas.Picture();
    if (Canvas.Buffered() && picture && !Canvas.NeedsRedraw()) {
        QPaintDevice *previous = Canvas.Target();
        Canvas.SetTarget(picture);
        draw();
        Canvas.SetTarget(previous);
    }
    update();
}

void TCustomChartPanel::paintEvent(QPaintEvent *) {
    updatePending = false;
    if (Canvas.RepaintFromBuffer()) {
        ++BufferedPaints;
        return;
    }
    PaintTo(this, TRect{0, 0, width(), height()});
}

void TCustomChartPanel::resizeEvent(QResizeEvent *event) {
    // Resize events also arrive without a change of size (a hidden widget gets one with every
    // grab); only a picture of another size is out of date.
    if (Canvas.Bitmap() && Canvas.BitmapSize() != event->size())
        Canvas.MarkNeedsRedraw();
    QWidget::resizeEvent(event);
}

void TCustomChartPanel::PaintTo(QPaintDevice *target, const TRect &r) {
    ++FullPaints;
    PanelBounds = Canvas.BeginChartPaint(target, nullptr, r, view3D);
    const int w = PanelBounds.Width();
    const int h = PanelBounds.Height();
    const int b = borderWidth;
    PlotRect = TRect{PanelBounds.Left + b + PercentOf(marginLeft, w),
                     PanelBounds.Top + b + PercentOf(marginTop, h),
                     PanelBounds.Right - b - PercentOf(marginRight, w),
                     PanelBounds.Bottom - b - PercentOf(marginBottom, h)};
    UpdatePlotSize();
    LayOut();
    DrawContents();
    Canvas.EndChartPaint(target, this, r);
}

void TCustomChartPanel::UpdatePlotSize() {
    if (PlotRect.Left < PanelBounds.Left)
        PlotRect.Left = PanelBounds.Left;
    if (PlotRect.Top < PanelBounds.Top)
        PlotRect.Top = PanelBounds.Top;
    if (PlotRect.Left > PlotRect.Right)
        PlotRect.Right = PlotRect.Left + 1;
    else if (PlotRect.Left == PlotRect.Right)
        PlotRect.Right = PlotRect.Left + width();
    if (PlotRect.Top > PlotRect.Bottom)
        PlotRect.Bottom = PlotRect.Top + 1;
    else if (PlotRect.Top == PlotRect.Bottom)
        PlotRect.Bottom = PlotRect.Top + height();
    PlotWidth = PlotRect.Right - PlotRect.Left;
    PlotHeight = PlotRect.Bottom - PlotRect.Top;
    PlotXCenter = (PlotRect.Left + PlotRect.Right) / 2;
    PlotYCenter = (PlotRect.Top + PlotRect.Bottom) / 2;
}

void TCustomChartPanel::PaintBackground(const TRect &bounds) {
    Canvas.Brush().Color = ToColorValue(color);
    Canvas.Brush().Style = bsSolid;
    Canvas.FillArea(bounds);

    Canvas.Pen() = TCanvasPen{};
    Canvas.Brush().Style = bsClear;
    const TColor highlight = ToColorValue(palette().color(QPalette::Light));
    const TColor shadow = ToColorValue(palette().color(QPalette::Dark));
    const auto bevel = [&](TRect r, TPanelBevel kind) {
        if (kind == bvNone)
            return r;
        const bool raised = kind == bvRaised;
        return Canvas.DrawBevelRing(r, raised ? highlight : shadow, bevelWidth,
                                    raised ? shadow : highlight);
    };
    TRect r = bevel(bounds, bevelOuter);
    if (borderWidth > 0)
        r = Canvas.DrawBevelRing(r, ToColorValue(color), borderWidth, ToColorValue(color));
    bevel(r, bevelInner);
}

void TCustomChartPanel::DrawContents() { PaintBackground(PanelBounds); }
