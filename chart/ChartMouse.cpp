// Zooming the chart with the mouse: dragging a frame, applying or undoing the zoom, and the
// wheel.
#include "ChartSeries.h"
#include "CustomChart.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>
#include <cstdint>

namespace {

// Left and top edges count, right and bottom ones do not.
bool Inside(const TRect &r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

bool AxisBandHit(const TCustomChartAxis &axis, int x, int y) {
    const int along = axis.IsHorizontal ? x : y;
    const int across = axis.IsHorizontal ? y : x;
    const int lo = std::min(axis.PixelStart(), axis.PixelEnd());
    const int hi = std::max(axis.PixelStart(), axis.PixelEnd());
    const TRect band = axis.LabelsPos() < axis.AxisPos()
                           ? TRect{lo, axis.LabelsPos(), hi, axis.AxisPos() + 3}
                           : TRect{lo, axis.AxisPos() - 3, hi, axis.LabelsPos()};
    return Inside(band, along, across);
}

} // namespace

TCustomChart::TChartClickedPart TCustomChart::HitPart(int x, int y) const {
    const auto &series = SeriesList();
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        if (!(*it)->Active())
            continue;
        const int index = (*it)->HitPoint(x, y);
        if (index != -1)
            return {TChartClickedPartStyle::Series, *it, index, nullptr};
    }
    for (TCustomChartAxis *axis : Axes())
        if (AxisShown(axis) && AxisBandHit(*axis, x, y))
            return {TChartClickedPartStyle::Axis, nullptr, -1, axis};
    if (Title.Visible() && Inside(Title.TitleBounds, x, y))
        return {TChartClickedPartStyle::Title};
    if (Foot.Visible() && Inside(Foot.TitleBounds, x, y))
        return {TChartClickedPartStyle::Foot};
    const bool anyActive = std::any_of(series.begin(), series.end(),
                                       [](const TChartSeries *s) { return s->Active(); });
    if (Inside(PlotRect, x, y) && anyActive)
        return {TChartClickedPartStyle::ChartRect};
    return {};
}

bool TCustomChart::BackgroundClicked() {
    if (!OnClickBackground)
        return false;
    MouseHandled = true;
    OnClickBackground(this);
    return MouseHandled;
}

void TCustomChart::mousePressEvent(QMouseEvent *event) {
    event->accept();
    const Qt::MouseButton button = event->button();
    const Qt::KeyboardModifiers shift = event->modifiers();
    const QPoint at = event->position().toPoint();
    if (ZoomDrag.InProgress || PanDrag.InProgress)
        return;
    if (MouseHandled) {
        MouseHandled = false;
        return;
    }
    const TChartClickedPart part = HitPart(at.x(), at.y());
    bool handled = false;
    switch (part.Part) {
    case TChartClickedPartStyle::Axis:
        if (OnClickAxis) {
            MouseHandled = true;
            OnClickAxis(this, part.Axis);
            handled = MouseHandled;
        }
        if (!handled)
            handled = StartZoomOrPan(button, shift, at.x(), at.y());
        break;
    case TChartClickedPartStyle::Series:
        // The fast line series reacts to no click of its own.
        MouseHandled = false;
        if (OnClickSeries) {
            MouseHandled = true;
            OnClickSeries(this, part.Series, part.PointIndex);
            handled = MouseHandled;
        }
        if (!handled)
            handled = StartZoomOrPan(button, shift, at.x(), at.y());
        break;
    case TChartClickedPartStyle::ChartRect:
        handled = BackgroundClicked();
        if (!handled)
            handled = StartZoomOrPan(button, shift, at.x(), at.y());
        break;
    case TChartClickedPartStyle::Legend:
        if (OnClickLegend) {
            MouseHandled = true;
            OnClickLegend(this);
            handled = MouseHandled;
        }
        break;
    default:
        break;
    }
    if (!handled)
        BackgroundClicked();
    MouseHandled = false;
}

bool TCustomChart::StartZoomOrPan(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                  int y) {
    bool handled = false;
    if (AllowZoom && button == ZoomButton && (shift & ZoomShift) == ZoomShift) {
        unsetCursor();
        ZoomDrag.StartDrag(x, y);
        ToggleZoomFrame();
        handled = true;
    }
    if (AllowPanning != pmNone && button == PanButton && (shift & PanShift) == PanShift) {
        unsetCursor();
        PanDrag.StartDrag(x, y);
        handled = true;
    }
    return handled;
}

void TCustomChart::DrawZoomFrame() {
    const TColor panel = ToColorValue(Color());
    Canvas.Pen().Color = panel == clWhite ? clBlack : panel;
    Canvas.Pen().Mode = pmNotXor;
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Width = 1;
    Canvas.Brush().Style = bsClear;
    Canvas.DrawRect(ZoomDrag.StartX, ZoomDrag.StartY, ZoomDrag.EndX, ZoomDrag.EndY);
}

void TCustomChart::ToggleZoomFrame() {
    DrawOnPicture([this] { DrawZoomFrame(); });
}

void TCustomChart::mouseMoveEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    if (ZoomDrag.InProgress) {
        if (at.x() == ZoomDrag.EndX && at.y() == ZoomDrag.EndY)
            return;
        ToggleZoomFrame();
        ZoomDrag.EndX = at.x();
        ZoomDrag.EndY = at.y();
        ToggleZoomFrame();
        return;
    }
    // Panning is off for the progress graph, and no series has a cursor of its own.
    if (!PanDrag.InProgress)
        unsetCursor();
}

void TCustomChart::mouseReleaseEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    if (ZoomDrag.InProgress && event->button() == ZoomButton) {
        ZoomDrag.InProgress = false;
        ToggleZoomFrame();
        Canvas.Pen().Mode = pmCopy;
        ZoomDrag.EndX = at.x();
        ZoomDrag.EndY = at.y();
        // A drag of 16 pixels or less either way was no drag at all.
        constexpr int smallest = 16;
        if (std::abs(ZoomDrag.EndX - ZoomDrag.StartX) > smallest &&
            std::abs(ZoomDrag.EndY - ZoomDrag.StartY) > smallest) {
            if (ZoomDrag.EndX > ZoomDrag.StartX && ZoomDrag.EndY > ZoomDrag.StartY)
                ApplyZoomRect();
            else
                UndoZoom();
            Invalidate();
        }
    }
    PanDrag.InProgress = false;
}

void TCustomChart::leaveEvent(QEvent *event) {
    unsetCursor();
    PanDrag.InProgress = false;
    TCustomAxisPanel::leaveEvent(event);
}

void TCustomChart::ApplyZoomRect() {
    ZoomDrag.Normalize();
    const TRect r{ZoomDrag.StartX, ZoomDrag.StartY, ZoomDrag.EndX, ZoomDrag.EndY};
    const double topMin = TopAxis.PosToValue(r.Left);
    const double topMax = TopAxis.PosToValue(r.Right);
    const double bottomMin = BottomAxis.PosToValue(r.Left);
    const double bottomMax = BottomAxis.PosToValue(r.Right);
    const double leftMin = LeftAxis.PosToValue(r.Bottom);
    const double leftMax = LeftAxis.PosToValue(r.Top);
    const double rightMin = RightAxis.PosToValue(r.Bottom);
    const double rightMax = RightAxis.PosToValue(r.Top);
    ZoomTo(leftMin, leftMax, rightMin, rightMax, topMin, topMax, bottomMin, bottomMax);
}

void TCustomChart::ZoomTo(double leftMin, double leftMax, double rightMin, double rightMax,
                          double topMin, double topMax, double bottomMin, double bottomMax) {
    if (!HasSavedScales) {
        const auto axes = SideAxes();
        for (std::size_t i = 0; i < axes.size(); ++i)
            SavedScales[i] = {axes[i]->Automatic(), axes[i]->AutomaticMinimum(),
                              axes[i]->AutomaticMaximum(), axes[i]->Minimum(), axes[i]->Maximum()};
        HasSavedScales = true;
    }
    LeftAxis.SetRange(leftMin, leftMax);
    RightAxis.SetRange(rightMin, rightMax);
    TopAxis.SetRange(topMin, topMax);
    BottomAxis.SetRange(bottomMin, bottomMax);
    ZoomApplied = true;
    if (OnZoom)
        OnZoom(this);
}

void TCustomChart::UndoZoom() {
    if (HasSavedScales) {
        const auto axes = SideAxes();
        for (std::size_t i = 0; i < axes.size(); ++i) {
            const TSavedScale &saved = SavedScales[i];
            axes[i]->SetAutomatic(saved.Automatic);
            axes[i]->SetAutomaticMinimum(saved.AutomaticMinimum);
            axes[i]->SetAutomaticMaximum(saved.AutomaticMaximum);
            if (!axes[i]->Automatic())
                axes[i]->SetRange(saved.Minimum, saved.Maximum);
        }
    }
    HasSavedScales = false;
    if (OnUndoZoom)
        OnUndoZoom(this);
    Invalidate();
    ZoomApplied = false;
}

void TCustomChart::ShiftVerticalAxes(bool up) {
    for (TCustomChartAxis *axis : Axes()) {
        if (axis->IsHorizontal)
            continue;
        const double delta = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
        axis->ShiftRange(up ? delta : -delta);
    }
}

void TCustomChart::WheelScroll(bool up) {
    ShiftVerticalAxes(up);
    Invalidate();
    repaint();
}

void TCustomChart::wheelEvent(QWheelEvent *event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    // High-resolution wheels and touchpads send a notch in parts and a fast turn brings several
    // at once: the parts add up and every whole notch scrolls once, and what is left over, with
    // its sign, waits for the next turn.
    const std::int64_t angle = std::int64_t(wheelAngle) + delta;
    const std::int64_t notches = angle / QWheelEvent::DefaultDeltasPerStep;
    wheelAngle = int(angle % QWheelEvent::DefaultDeltasPerStep);
    if (notches == 0)
        return;
    // Turning the wheel towards the user is a notch down.
    for (std::int64_t i = 0; i < std::abs(notches); ++i)
        ShiftVerticalAxes(notches < 0);
    Invalidate();
    repaint();
}
