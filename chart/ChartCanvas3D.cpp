// The chart's canvas: its off-screen picture and the drawing operations of the chart.
#include "ChartCanvas.h"

#include <QPaintDevice>
#include <algorithm>

TChartCanvas3D::~TChartCanvas3D() { FreeBitmap(); }

TColor TChartCanvas3D::GetBackgroundColor() const { return backgroundColor; }
Qt::BGMode TChartCanvas3D::GetBackgroundMode() const { return backgroundMode; }
void TChartCanvas3D::SetBackgroundColor(TColor color) { backgroundColor = color; }
void TChartCanvas3D::SetBackgroundMode(Qt::BGMode mode) { backgroundMode = mode; }
void TChartCanvas3D::SetAlignment(Qt::Alignment flags) { alignment = flags; }

void TChartCanvas3D::UseBuffer(bool on) {
    buffered = on;
    if (on)
        return;
    FreeBitmap();
    needsRedraw = true;
}

void TChartCanvas3D::FreeBitmap() {
    if (!bitmap)
        return;
    if (Target() == bitmap.get())
        SetTarget(nullptr);
    bitmap.reset();
    bitmapSize = QSize();
}

void TChartCanvas3D::FillArea(const TRect &rect) { FillWithBrush(rect); }

TRect TChartCanvas3D::DrawBevelRing(const TRect &rect, TColor topColor, int rings,
                                    TColor bottomColor) {
    Pen().Width = 1;
    TRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    for (int ring = 0; ring < rings; ++ring) {
        Pen().Color = topColor;
        const TPoint upperLeft[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
        StrokePolyline(upperLeft, 3);
        Pen().Color = bottomColor;
        const TPoint lowerRight[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
        StrokePolyline(lowerRight, 3);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    return {r.Left, r.Top, r.Right + 1, r.Bottom + 1};
}

void TChartCanvas3D::LineToPoint(int x, int y) { StrokeTo(x, y); }
void TChartCanvas3D::MoveToPoint(int x, int y) { MovePen(x, y); }

void TChartCanvas3D::DrawRect(int left, int top, int right, int bottom) {
    DrawFramedRect(left, top, right, bottom);
}

void TChartCanvas3D::OutText(int x, int y, const QString &text) { WriteText(x, y, 0, text); }
int TChartCanvas3D::MeasureWidth(const QString &text) { return TextWidth(text); }
int TChartCanvas3D::MeasureHeight(const QString &) { return TextHeight(); }
void TChartCanvas3D::ClipTo(const TRect &rect) { IntersectClip(rect); }

void TChartCanvas3D::PlainHLine(int left, int right, int y) {
    MovePen(left, y);
    StrokeTo(right, y);
}

void TChartCanvas3D::DrawRectAt(const TRect &rect) {
    DrawRect(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TChartCanvas3D::PlainVLine(int x, int top, int bottom) {
    MovePen(x, top);
    StrokeTo(x, bottom);
}

void TChartCanvas3D::MarkNeedsRedraw() { needsRedraw = true; }

void TChartCanvas3D::DrawLine(int x0, int y0, int x1, int y1) {
    MovePen(x0, y0);
    StrokeTo(x1, y1);
}

void TChartCanvas3D::OutRotatedText(int x, int y, int angle, const QString &text) {
    Brush().Style = bsClear;
    if (angle > 360)
        angle -= 360;
    WriteText(x, y, angle, text);
}

void TChartCanvas3D::Unclip() { RemoveClip(); }

TRect TChartCanvas3D::BeginChartPaint(QPaintDevice *paintTarget, const TView3DOptions *options,
                                      const TRect &paintBounds, bool is3D) {
    bounds = paintBounds;
    view3DOptions = options;
    projectIn3D = is3D;
    if (!buffered) {
        SetTarget(paintTarget);
        return paintBounds;
    }
    const int width = std::max(0, paintBounds.Width());
    const int height = std::max(0, paintBounds.Height());
    // The bitmap has as many pixels as the target shows for the same area, so that copying it
    // neither blurs nor coarsens the picture; drawing into it stays in logical pixels.
    const qreal ratio = paintTarget ? paintTarget->devicePixelRatioF() : 1.0;
    if (bitmap && (bitmapSize != QSize(width, height) || bitmap->devicePixelRatio() != ratio))
        FreeBitmap();
    if (!bitmap) {
        bitmapSize = QSize(width, height);
        bitmap = std::make_unique<QImage>(bitmapSize * ratio, QImage::Format_RGB32);
        bitmap->setDevicePixelRatio(ratio);
        bitmap->fill(Qt::white);
        ++bitmapAllocations;
    }
    // The bitmap keeps its last picture; the panel paints all of it again.
    SetTarget(bitmap.get());
    return {0, 0, width, height};
}

void TChartCanvas3D::SetProjectionCenter(int, const TRect &, const TRect &plotRect) {
    projectionCenter = {(plotRect.Left + plotRect.Right) / 2, (plotRect.Top + plotRect.Bottom) / 2};
}

void TChartCanvas3D::EndChartPaint(QPaintDevice *destination, QPaintDevice *defaultTarget,
                                   const TRect &rect) {
    if (buffered && bitmap) {
        if (Target() == bitmap.get())
            SetTarget(nullptr);
        CopyImage(destination, *bitmap, {rect.Left, rect.Top});
        needsRedraw = false;
    }
    // Drawing outside a paint, such as the zoom frame, goes straight to the window.
    SetTarget(defaultTarget);
}

bool TChartCanvas3D::RepaintFromBuffer() {
    if (needsRedraw || !bitmap)
        return false;
    // A picture made for a screen of another ratio would be scaled up blurred or down coarse.
    if (Target() && Target()->devicePixelRatioF() != bitmap->devicePixelRatio())
        return false;
    CopyImage(Target(), *bitmap, {0, 0});
    return true;
}

void TChartCanvas3D::DrawHLine(int left, int right, int y, int z) {
    const TPoint from = ToScreen(left, y, z);
    const TPoint to = ToScreen(right, y, z);
    MovePen(from.X, from.Y);
    StrokeTo(to.X, to.Y);
}

void TChartCanvas3D::DrawVLine(int x, int top, int bottom, int z) {
    const TPoint from = ToScreen(x, top, z);
    const TPoint to = ToScreen(x, bottom, z);
    MovePen(from.X, from.Y);
    StrokeTo(to.X, to.Y);
}

void TChartCanvas3D::MoveToZ(int x, int y, int z) {
    const TPoint point = ToScreen(x, y, z);
    MovePen(point.X, point.Y);
}

void TChartCanvas3D::LineToZ(int x, int y, int z) {
    const TPoint point = ToScreen(x, y, z);
    StrokeTo(point.X, point.Y);
}

void TChartCanvas3D::OutRotatedTextZ(int x, int y, int angle, const QString &text, int z) {
    const TPoint point = ToScreen(x, y, z);
    OutRotatedText(point.X, point.Y, angle, text);
}

void TChartCanvas3D::OutTextZ(int x, int y, const QString &text, int z) {
    const TPoint point = ToScreen(x, y, z);
    OutText(point.X, point.Y, text);
}

TPoint TChartCanvas3D::ToScreen(int x, int y, int) const { return {x, y}; }
