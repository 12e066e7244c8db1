#include "ChartCanvas.h"

#include "LineWalk.h"
#include "TextMeasurer.h"
#include "TurnedText.h"

#include <QPaintDevice>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <utility>

namespace {

// The pixels a patterned one-pixel pen sets: bit k stands for pixel k of every period.
struct TLinePattern {
    std::uint32_t ink = 0;
    int period = 0; // 0: solid
};

constexpr TLinePattern MakePattern(std::initializer_list<int> runs) {
    TLinePattern pattern;
    bool on = true;
    for (int run : runs) {
        for (int k = 0; k < run; ++k, ++pattern.period)
            if (on)
                pattern.ink |= 1u << pattern.period;
        on = !on;
    }
    return pattern;
}

// Qt's own on/off lengths for its dotted and dashed one-pixel pens.
constexpr TLinePattern DotPattern = MakePattern({1, 2});
constexpr TLinePattern DashPattern = MakePattern({4, 2});
constexpr TLinePattern DashDotPattern = MakePattern({4, 2, 1, 2});
constexpr TLinePattern DashDotDotPattern = MakePattern({4, 2, 1, 2, 1, 2});
constexpr TLinePattern AlternatePattern = MakePattern({1, 1});

TLinePattern PatternOf(TPenStyle style) {
    switch (style) {
    case psDot:
        return DotPattern;
    case psDash:
        return DashPattern;
    case psDashDot:
        return DashDotPattern;
    case psDashDotDot:
        return DashDotDotPattern;
    case psAlternate:
        return AlternatePattern;
    case psSolid:
    case psClear:
        break;
    }
    return {};
}

QPen ThinPen(TColor color) {
    QPen pen(ToQColor(color));
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPen WidePen(const TCanvasPen &source) {
    QPen pen(ToQColor(source.Color));
    pen.setWidth(std::max(1, source.Width));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (source.Style) {
    case psDash:
        pen.setStyle(Qt::DashLine);
        break;
    case psDot:
        pen.setStyle(Qt::DotLine);
        break;
    case psDashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    case psDashDotDot:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    case psAlternate:
        pen.setDashPattern({1, 1});
        break;
    case psClear:
        pen.setStyle(Qt::NoPen);
        break;
    case psSolid:
        break;
    }
    return pen;
}

bool CanPaintOn(QPaintDevice *device) {
    if (!device || device->width() <= 0 || device->height() <= 0)
        return false;
    // Qt refuses (with a warning) to paint a widget outside its paint event.
    if (device->devType() == QInternal::Widget)
        return static_cast<QWidget *>(device)->testAttribute(Qt::WA_WState_InPaintEvent);
    return true;
}

// Images and pixmaps count their size in physical pixels, widgets in logical ones.
QSize LogicalSize(const QPaintDevice *device) {
    const QSize size(device->width(), device->height());
    const int type = device->devType();
    if (type != QInternal::Image && type != QInternal::Pixmap)
        return size;
    return (QSizeF(size) / device->devicePixelRatioF()).toSize();
}

// Fills each point as a whole logical pixel. Where a logical pixel is not one physical pixel
// a point drawn with a pen would cover part of it, or spill into its neighbours; filled cells
// tile the line without gaps or overlaps, which the not-xor pen needs. A point next to a run
// one pixel thick, in line with it, extends the run, so that each straight stretch of the walk
// is one fill.
void FillCells(QPainter &out, const std::vector<QPoint> &points, const QColor &color) {
    QRect run;
    for (const QPoint &point : points) {
        const QRect cell(point, QSize(1, 1));
        const QRect joined = run | cell;
        if (!run.isEmpty() && joined.width() * joined.height() == run.width() * run.height() + 1) {
            run = joined;
            continue;
        }
        if (!run.isEmpty())
            out.fillRect(run, color);
        run = cell;
    }
    if (!run.isEmpty())
        out.fillRect(run, color);
}

// The pixels of an axis-parallel segment from its start up to, not including, its end.
QRect AxisParallelRun(int x0, int y0, int x1, int y1) {
    if (y0 == y1) {
        const int left = x0 < x1 ? x0 : x1 + 1;
        const int right = x0 < x1 ? x1 - 1 : x0;
        return QRect(QPoint(left, y0), QPoint(right, y0));
    }
    const int top = y0 < y1 ? y0 : y1 + 1;
    const int bottom = y0 < y1 ? y1 - 1 : y0;
    return QRect(QPoint(x0, top), QPoint(x0, bottom));
}

// The pixels of a rectangle given by its edges, Right and Bottom excluded.
QRect PixelsOf(int left, int top, int right, int bottom) {
    if (left >= right || top >= bottom)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// First i in [low, high) for which the monotone predicate holds, or high.
template <typename Predicate>
std::int64_t FirstWhere(std::int64_t low, std::int64_t high, Predicate holds) {
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (holds(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace

// Opens the painter for one operation; on a target that keeps no painter it closes it again.
class TChartCanvas::TOperation {
public:
    explicit TOperation(TChartCanvas &canvas) : painter(canvas.OpenPainter()), canvas(canvas) {}
    ~TOperation() {
        if (painter && !canvas.keepPainter)
            canvas.ClosePainter();
    }
    TOperation(const TOperation &) = delete;
    TOperation &operator=(const TOperation &) = delete;

    QPainter *const painter;

private:
    TChartCanvas &canvas;
};

TChartCanvas::TChartCanvas()
    : inkPen(ThinPen(clBlack)), gapPen(ThinPen(clWhite)), textPen(ToQColor(clBlack)),
      widePen(WidePen(TCanvasPen())), metrics(QFont()) {
    ResetTools();
}

TChartCanvas::~TChartCanvas() { ClosePainter(); }

void TChartCanvas::SetTarget(QPaintDevice *device) {
    ClosePainter();
    target = device;
    const int type = device ? device->devType() : QInternal::UnknownDevice;
    keepPainter = type == QInternal::Image || type == QInternal::Pixmap;
    clipActive = false;
    penPosition = {};
    patternPhase = 0;
    metricsValid = false;
}

void TChartCanvas::ResetTools() {
    pen.Color = clBlack;
    pen.Width = 1;
    pen.Style = psSolid;
    brush = {clWhite, bsSolid};
    font.Color = clBlack;
    font.Font.setPointSize(10);
    backgroundColor = clWhite;
    backgroundMode = Qt::TransparentMode;
}

void TChartCanvas::UsePen(const TChartPen &chartPen) {
    if (!chartPen.Visible()) {
        pen.Style = psClear;
        return;
    }
    pen.Color = chartPen.Color();
    pen.Mode = chartPen.Mode();
    if (chartPen.SmallDots() && chartPen.Width() == 1) {
        pen.Width = 1;
        pen.Style = psAlternate;
        return;
    }
    pen.Width = chartPen.Width();
    pen.Style = chartPen.Style();
}

QPainter *TChartCanvas::OpenPainter() {
    if (painter.isActive())
        return &painter;
    if (!CanPaintOn(target) || !painter.begin(target))
        return nullptr;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    wholePixels = target->devicePixelRatioF() == 1.0;
    selectedPen = TPainterPen::None;
    selectedComposition = QPainter::CompositionMode_SourceOver;
    backgroundSelected = false;
    fontSelected = false;
    if (clipActive)
        painter.setClipRect(clipRect);
    return &painter;
}

void TChartCanvas::ClosePainter() {
    if (painter.isActive())
        painter.end();
}

void TChartCanvas::SelectPen(QPainter &out, TPainterPen which) {
    const QPen *chosen = nullptr;
    auto refresh = [&](QPen &cached, auto &key, const auto &value, auto build) {
        if (!(key == value)) {
            key = value;
            cached = build(value);
            if (selectedPen == which)
                selectedPen = TPainterPen::None;
        }
        chosen = &cached;
    };
    switch (which) {
    case TPainterPen::Ink:
        refresh(inkPen, inkPenColor, pen.Color, ThinPen);
        break;
    case TPainterPen::Gap:
        refresh(gapPen, gapPenColor, backgroundColor, ThinPen);
        break;
    case TPainterPen::Text:
        refresh(textPen, textPenColor, font.Color, [](TColor c) { return QPen(ToQColor(c)); });
        break;
    case TPainterPen::Wide:
        refresh(widePen, widePenSource, pen, WidePen);
        break;
    case TPainterPen::None:
        return;
    }
    if (selectedPen != which) {
        out.setPen(*chosen);
        selectedPen = which;
    }
}

void TChartCanvas::SelectComposition(QPainter &out, QPainter::CompositionMode mode) {
    if (selectedComposition == mode)
        return;
    out.setCompositionMode(mode);
    selectedComposition = mode;
}

void TChartCanvas::SelectBackground(QPainter &out, Qt::BGMode mode) {
    if (backgroundSelected && selectedBackgroundMode == mode &&
        selectedBackgroundColor == backgroundColor)
        return;
    out.setBackgroundMode(mode);
    out.setBackground(ToQColor(backgroundColor));
    backgroundSelected = true;
    selectedBackgroundMode = mode;
    selectedBackgroundColor = backgroundColor;
}

void TChartCanvas::RefreshFont() {
    if (metricsValid && font.Font == paintFontSource && metricsDevice == target)
        return;
    if (!(font.Font == paintFontSource) || !metricsValid) {
        paintFontSource = font.Font;
        paintFont = TTextMeasurer::PaintFont(font.Font);
        fontSelected = false;
    }
    metrics = TTextMeasurer::MetricsOn(paintFont, target);
    metricsDevice = target;
    metricsValid = true;
}

void TChartCanvas::SelectFont(QPainter &out) {
    RefreshFont();
    if (fontSelected)
        return;
    out.setFont(paintFont);
    fontSelected = true;
}

QPainter::CompositionMode TChartCanvas::PenComposition() const {
    return pen.Mode == pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                : QPainter::CompositionMode_SourceOver;
}

QSize TChartCanvas::TargetSize() const { return target ? LogicalSize(target) : QSize(0, 0); }

QRect TChartCanvas::VisibleArea() const {
    const QRect device(QPoint(0, 0), LogicalSize(target));
    return clipActive ? device.intersected(clipRect) : device;
}

void TChartCanvas::StrokeSegment(QPainter &out, int x0, int y0, int x1, int y1, bool thin,
                                 std::int64_t &phase) {
    const std::int64_t dx = std::int64_t(x1) - x0;
    const std::int64_t dy = std::int64_t(y1) - y0;
    const std::int64_t length = std::max(std::abs(dx), std::abs(dy));
    if (length == 0 || pen.Style == psClear)
        return;
    const std::int64_t startPhase = std::exchange(phase, phase + length);
    const TLinePattern pattern = PatternOf(pen.Style);
    const bool axisParallel = dx == 0 || dy == 0;
    const int width = thin ? 1 : std::max(1, pen.Width);
    SelectComposition(out, PenComposition());

    if (pattern.period == 0 && axisParallel) {
        // A wide pen grows the run to both sides, one more pixel up or left when even.
        QRect run = AxisParallelRun(x0, y0, x1, y1);
        const int before = width / 2;
        const int after = width - 1 - before;
        if (dy == 0)
            run.adjust(0, -before, 0, after);
        else
            run.adjust(-before, 0, after, 0);
        out.fillRect(run.intersected(VisibleArea()), ToQColor(pen.Color));
        return;
    }
    if (width > 1) {
        SelectBackground(out, backgroundMode);
        SelectPen(out, TPainterPen::Wide);
        out.drawLine(x0, y0, x1, y1);
        return;
    }

    // One pixel per step along the longer axis; the other coordinate is rounded to the
    // nearest pixel. Only the steps inside the visible area are walked, so a line running
    // far off the target costs no more than its visible part.
    const QRect area = VisibleArea();
    if (area.isEmpty())
        return;
    const TLineWalk walk(x0, y0, dx, dy);
    const bool alongX = walk.alongX;
    const std::int64_t majorLow = alongX ? area.left() : area.top();
    const std::int64_t majorHigh = alongX ? area.right() : area.bottom();
    const std::int64_t minorLow = alongX ? area.top() : area.left();
    const std::int64_t minorHigh = alongX ? area.bottom() : area.right();
    auto minorOffset = [&](std::int64_t i) {
        return std::int64_t((__int128(2) * i * walk.span + length) / (2 * __int128(length)));
    };

    std::int64_t first = 0;
    std::int64_t last = length - 1;
    walk.KeepMajor(majorLow, majorHigh, first, last);
    if (first > last)
        return;
    const std::int64_t lowOffset = walk.LowestOffset(minorLow, minorHigh);
    const std::int64_t highOffset = walk.HighestOffset(minorLow, minorHigh);
    const std::int64_t end = last + 1;
    first = FirstWhere(first, end, [&](std::int64_t i) { return minorOffset(i) >= lowOffset; });
    last = FirstWhere(first, end, [&](std::int64_t i) { return minorOffset(i) > highOffset; }) - 1;

    inkPoints.clear();
    gapPoints.clear();
    const bool fillGaps = backgroundMode == Qt::OpaqueMode;
    for (std::int64_t i = first; i <= last; ++i) {
        const int major = int(walk.major0 + walk.majorStep * i);
        const int minor = int(walk.minor0 + walk.minorStep * minorOffset(i));
        const QPoint point = alongX ? QPoint(major, minor) : QPoint(minor, major);
        if (pattern.period == 0 || (pattern.ink >> ((startPhase + i) % pattern.period)) & 1u)
            inkPoints.push_back(point);
        else if (fillGaps)
            gapPoints.push_back(point);
    }
    if (!wholePixels) {
        FillCells(out, inkPoints, ToQColor(pen.Color));
        FillCells(out, gapPoints, ToQColor(backgroundColor));
        return;
    }
    if (!inkPoints.empty()) {
        SelectPen(out, TPainterPen::Ink);
        out.drawPoints(inkPoints.data(), int(inkPoints.size()));
    }
    if (!gapPoints.empty()) {
        SelectPen(out, TPainterPen::Gap);
        out.drawPoints(gapPoints.data(), int(gapPoints.size()));
    }
}

void TChartCanvas::MovePen(int x, int y) {
    penPosition = {x, y};
    patternPhase = 0;
}

void TChartCanvas::StrokeTo(int x, int y) {
    {
        TOperation operation(*this);
        if (operation.painter)
            StrokeSegment(*operation.painter, penPosition.X, penPosition.Y, x, y, false,
                          patternPhase);
    }
    penPosition = {x, y};
}

void TChartCanvas::StrokePolyline(const TPoint *points, int count) {
    TOperation operation(*this);
    if (!operation.painter)
        return;
    std::int64_t phase = 0;
    for (int k = 1; k < count; ++k)
        StrokeSegment(*operation.painter, points[k - 1].X, points[k - 1].Y, points[k].X,
                      points[k].Y, false, phase);
}

// One pixel wide ring along the border of `ring`, every pixel set exactly once so that a
// not-xor pen leaves no gaps at the corners.
void TChartCanvas::StrokeRing(QPainter &out, const QRect &ring) {
    std::int64_t phase = 0;
    const int left = ring.left();
    const int top = ring.top();
    const int right = ring.right();
    const int bottom = ring.bottom();
    if (left == right || top == bottom) {
        StrokeSegment(out, left, top, left == right ? left : right + 1,
                      left == right ? bottom + 1 : top, true, phase);
        return;
    }
    StrokeSegment(out, left, top, right, top, true, phase);
    StrokeSegment(out, right, top, right, bottom, true, phase);
    StrokeSegment(out, right, bottom, left, bottom, true, phase);
    StrokeSegment(out, left, bottom, left, top, true, phase);
}

void TChartCanvas::DrawFramedRect(int left, int top, int right, int bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    TOperation operation(*this);
    if (!operation.painter)
        return;
    QPainter &out = *operation.painter;
    // A wide outline stays inside the rectangle, so that the whole figure always covers
    // exactly Left..Right-1 and Top..Bottom-1.
    const bool outlined = pen.Style != psClear;
    const int width = std::max(1, pen.Width);
    const int inset = outlined ? width : 0;
    if (brush.Style == bsSolid) {
        const QRect inside = PixelsOf(left + inset, top + inset, right - inset, bottom - inset);
        if (!inside.isEmpty()) {
            SelectComposition(out, PenComposition());
            out.fillRect(inside, ToQColor(brush.Color));
        }
    }
    if (!outlined)
        return;
    for (int k = 0; k < width; ++k) {
        const QRect ring = PixelsOf(left + k, top + k, right - k, bottom - k);
        if (ring.isEmpty())
            break;
        StrokeRing(out, ring);
    }
}

void TChartCanvas::FillWithBrush(const TRect &rect) {
    const QRect pixels = PixelsOf(rect.Left, rect.Top, rect.Right, rect.Bottom);
    if (brush.Style != bsSolid || pixels.isEmpty())
        return;
    TOperation operation(*this);
    if (!operation.painter)
        return;
    SelectComposition(*operation.painter, QPainter::CompositionMode_SourceOver);
    operation.painter->fillRect(pixels, ToQColor(brush.Color));
}

void TChartCanvas::WriteText(int x, int y, int angle, const QString &text) {
    TOperation operation(*this);
    if (!operation.painter)
        return;
    QPainter &out = *operation.painter;
    SelectFont(out);
    const int width = metrics.horizontalAdvance(text);
    int dx = 0;
    if (alignment.testFlag(Qt::AlignRight))
        dx = -width;
    else if (alignment.testFlag(Qt::AlignHCenter))
        dx = -(width / 2);
    int dy = metrics.ascent();
    if (alignment.testFlag(Qt::AlignBottom))
        dy = -metrics.descent();
    else if (alignment.testFlag(Qt::AlignBaseline))
        dy = 0;
    else if (alignment.testFlag(Qt::AlignVCenter))
        dy = metrics.ascent() - metrics.height() / 2;

    // Text is written plainly whatever the pen mode. A clear brush keeps the text background
    // transparent even in opaque mode: labels and rotated titles are written with a clear
    // brush and must not blank what lies under them.
    SelectComposition(out, QPainter::CompositionMode_SourceOver);
    SelectBackground(out, backgroundMode == Qt::OpaqueMode && brush.Style == bsSolid
                              ? Qt::OpaqueMode
                              : Qt::TransparentMode);
    SelectPen(out, TPainterPen::Text);
    if (angle == 0) {
        out.drawText(x + dx, y + dy, text);
        return;
    }
    if (IsQuarterTurn(angle)) {
        // The glyphs' bounding rectangle holds their pixels at the metrics' resolution; one
        // pixel more on every side for glyphs drawn finer on a device of a higher ratio.
        const QRect box =
            (metrics.boundingRect(text) | QRect(0, -metrics.ascent(), width, metrics.height()))
                .adjusted(-1, -1, 1, 1);
        WriteTurnedText(out, {x, y}, {x + dx, y + dy}, box, angle, text);
        return;
    }
    out.translate(x, y);
    out.rotate(-angle);
    out.drawText(dx, dy, text);
    out.resetTransform();
}

int TChartCanvas::TextWidth(const QString &text) {
    RefreshFont();
    return metrics.horizontalAdvance(text);
}

int TChartCanvas::TextHeight() {
    RefreshFont();
    return metrics.height();
}

void TChartCanvas::IntersectClip(const TRect &rect) {
    const QRect pixels = PixelsOf(std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom),
                                  std::max(rect.Left, rect.Right), std::max(rect.Top, rect.Bottom));
    clipRect = clipActive ? clipRect.intersected(pixels) : pixels;
    clipActive = true;
    if (painter.isActive())
        painter.setClipRect(clipRect);
}

void TChartCanvas::RemoveClip() {
    clipActive = false;
    if (painter.isActive())
        painter.setClipping(false);
}

void TChartCanvas::CopyImage(QPaintDevice *device, const QImage &image, TPoint at) {
    if (!device || image.isNull())
        return;
    if (device == target) {
        TOperation operation(*this);
        if (!operation.painter)
            return;
        SelectComposition(*operation.painter, QPainter::CompositionMode_Source);
        operation.painter->drawImage(QPoint(at.X, at.Y), image);
        return;
    }
    QPainter other;
    if (!CanPaintOn(device) || !other.begin(device))
        return;
    other.setCompositionMode(QPainter::CompositionMode_Source);
    other.drawImage(QPoint(at.X, at.Y), image);
}

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
