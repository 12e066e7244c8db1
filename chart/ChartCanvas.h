#pragma once

#include "ChartPen.h"
#include "TextCache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QPaintDevice;
class TView3DOptions;

// A rectangle by its edges: Left and Top lie inside it, Right and Bottom just outside.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect &) const = default;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint &) const = default;
};

// Wraps the current drawing target (any QPaintDevice) with the pen, brush and font the chart
// draws with. The tools belong to the canvas and stay when the target changes; the clip region
// and the pen position belong to the target and start afresh with a new one.
//
// A painter is kept open on an image or pixmap target until the target changes. A widget can
// only be painted during its paint event, so on a widget every operation opens and closes its
// own painter, and outside a paint event it draws nothing.
class TChartCanvas {
public:
    TChartCanvas();
    virtual ~TChartCanvas();
    TChartCanvas(const TChartCanvas &) = delete;
    TChartCanvas &operator=(const TChartCanvas &) = delete;

    void SetTarget(QPaintDevice *device);
    QPaintDevice *Target() const { return target; }
    // The target's size in logical pixels, the unit everything is drawn in.
    QSize TargetSize() const;

    // Black one-pixel solid pen, white solid brush, black 10-point font, white transparent
    // background.
    void ResetTools();
    void UsePen(const TChartPen &chartPen);

    TCanvasPen &Pen() { return pen; }
    const TCanvasPen &Pen() const { return pen; }
    TCanvasBrush &Brush() { return brush; }
    const TCanvasBrush &Brush() const { return brush; }
    TCanvasFont &Font() { return font; }
    const TCanvasFont &Font() const { return font; }

    // The pixels of a 32-bit image target whose logical pixels are its pixels, for setting
    // opaque ones straight where the painter would fill them; area is the part drawing may
    // change. Null for other targets.
    QRgb *PixelsToSet(QRect &area, qsizetype &pixelsPerLine);
    // What is known of the texts of a font on the current target, for measuring them.
    std::shared_ptr<TFontTexts> TextsOf(const QFont &font) const;

protected:
    // The drawing primitives the operations are built from. Lines set their start pixel and
    // not their end pixel; rectangles cover Left/Top and not Right/Bottom.
    void MovePen(int x, int y);
    void StrokeTo(int x, int y);
    void StrokePolyline(const TPoint *points, int count);
    void DrawFramedRect(int left, int top, int right, int bottom);
    void FillWithBrush(const TRect &rect);
    void WriteText(int x, int y, int angle, const QString &text);
    int TextWidth(const QString &text);
    int TextHeight();
    void IntersectClip(const TRect &rect);
    void RemoveClip();
    // Copies the image pixel for pixel, top-left corner at `at`; no pen mode applies.
    void CopyImage(QPaintDevice *device, const QImage &image, TPoint at);

    TColor backgroundColor = clWhite;
    Qt::BGMode backgroundMode = Qt::TransparentMode;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;

private:
    class TOperation;
    enum class TPainterPen { None, Ink, Gap, Text, Wide };

    QPainter *OpenPainter();
    void ClosePainter();
    void SelectPen(QPainter &out, TPainterPen which);
    void SelectComposition(QPainter &out, QPainter::CompositionMode mode);
    void SelectBackground(QPainter &out, Qt::BGMode mode);
    void SelectFont(QPainter &out);
    void RefreshFont();
    QRect VisibleArea() const;
    void StrokeSegment(QPainter &out, int x0, int y0, int x1, int y1, bool thin,
                       std::int64_t &phase);
    void StrokeRing(QPainter &out, const QRect &ring);
    // Fills the visible part of the rectangle with an opaque colour in the selected composition.
    void FillPixels(QPainter &out, const QRect &rect, TColor color);
    QPainter::CompositionMode PenComposition() const;

    QPaintDevice *target = nullptr;
    QPainter painter;
    bool keepPainter = false;
    // Whether a logical pixel of the painted target is one physical pixel.
    bool wholePixels = true;

    TCanvasPen pen;
    TCanvasBrush brush;
    TCanvasFont font;

    TPoint penPosition;
    std::int64_t patternPhase = 0;
    bool clipActive = false;
    QRect clipRect;

    // What the open painter currently has, so that unchanged state is not set again.
    TPainterPen selectedPen = TPainterPen::None;
    QPainter::CompositionMode selectedComposition = QPainter::CompositionMode_SourceOver;
    bool backgroundSelected = false;
    Qt::BGMode selectedBackgroundMode = Qt::TransparentMode;
    TColor selectedBackgroundColor = clWhite;
    bool fontSelected = false;

    // Qt pens and font built from the canvas tools, rebuilt only when those change.
    QPen inkPen;
    TColor inkPenColor = clBlack;
    QPen gapPen;
    TColor gapPenColor = clWhite;
    QPen textPen;
    TColor textPenColor = clBlack;
    QPen widePen;
    TCanvasPen widePenSource;
    // The texts of every font written with, and those of the current font.
    mutable TTextCache textCache;
    std::shared_ptr<TFontTexts> texts;
    QFont textsFont;
    bool textsValid = false;

    std::vector<QPoint> inkPoints;
    std::vector<QPoint> gapPoints;
};

// The drawing operations of the chart, in a form shared by flat and projected drawing.
class TCanvas3D : public TChartCanvas {
public:
    virtual TColor GetBackgroundColor() const = 0;
    virtual Qt::BGMode GetBackgroundMode() const = 0;
    virtual void SetBackgroundColor(TColor color) = 0;
    virtual void SetBackgroundMode(Qt::BGMode mode) = 0;
    // Where OutText puts the reference point: Qt::AlignLeft, AlignRight or AlignHCenter with
    // Qt::AlignTop, AlignBottom or AlignBaseline.
    virtual void SetAlignment(Qt::Alignment flags) = 0;
    virtual void UseBuffer(bool on) = 0;
    virtual void FillArea(const TRect &rect) = 0;
    // Answers the rectangle inside the rings.
    virtual TRect DrawBevelRing(const TRect &rect, TColor topColor, int rings,
                                TColor bottomColor) = 0;
    virtual void LineToPoint(int x, int y) = 0;
    virtual void MoveToPoint(int x, int y) = 0;
    virtual void DrawRect(int left, int top, int right, int bottom) = 0;
    virtual void OutText(int x, int y, const QString &text) = 0;
    virtual int MeasureWidth(const QString &text) = 0;
    virtual int MeasureHeight(const QString &text) = 0;
    virtual void ClipTo(const TRect &rect) = 0;
    virtual void PlainHLine(int left, int right, int y) = 0;
    virtual void DrawRectAt(const TRect &rect) = 0;
    virtual void PlainVLine(int x, int top, int bottom) = 0;
    virtual void MarkNeedsRedraw() = 0;
    virtual void DrawLine(int x0, int y0, int x1, int y1) = 0;
    // Turns the text counter-clockwise by angle degrees about its reference point.
    virtual void OutRotatedText(int x, int y, int angle, const QString &text) = 0;
    virtual void Unclip() = 0;
    // Answers the rectangle to draw the chart in.
    virtual TRect BeginChartPaint(QPaintDevice *paintTarget, const TView3DOptions *options,
                                  const TRect &bounds, bool is3D) = 0;
    virtual void SetProjectionCenter(int depth, const TRect &bounds, const TRect &plotRect) = 0;
    virtual void EndChartPaint(QPaintDevice *destination, QPaintDevice *defaultTarget,
                               const TRect &rect) = 0;
    virtual bool RepaintFromBuffer() = 0;
    virtual void DrawHLine(int left, int right, int y, int z) = 0;
    virtual void DrawVLine(int x, int top, int bottom, int z) = 0;
    virtual void MoveToZ(int x, int y, int z) = 0;
    virtual void LineToZ(int x, int y, int z) = 0;
    virtual void OutRotatedTextZ(int x, int y, int angle, const QString &text, int z) = 0;
    virtual void OutTextZ(int x, int y, const QString &text, int z) = 0;

    int CharHeight() { return MeasureHeight(QStringLiteral("W")); }
    const TView3DOptions *View3DOptions() const { return view3DOptions; }

protected:
    const TView3DOptions *view3DOptions = nullptr;
};

// The canvas of a chart panel. It can draw a paint into an off-screen bitmap, kept from paint
// to paint while the size and the device pixel ratio stay, and copy that to the window.
class TChartCanvas3D final : public TCanvas3D {
public:
    TChartCanvas3D() = default;
    ~TChartCanvas3D() override;

    TColor GetBackgroundColor() const override;
    Qt::BGMode GetBackgroundMode() const override;
    void SetBackgroundColor(TColor color) override;
    void SetBackgroundMode(Qt::BGMode mode) override;
    void SetAlignment(Qt::Alignment flags) override;
    void UseBuffer(bool on) override;
    void FillArea(const TRect &rect) override;
    TRect DrawBevelRing(const TRect &rect, TColor topColor, int rings, TColor bottomColor) override;
    void LineToPoint(int x, int y) override;
    void MoveToPoint(int x, int y) override;
    void DrawRect(int left, int top, int right, int bottom) override;
    void OutText(int x, int y, const QString &text) override;
    int MeasureWidth(const QString &text) override;
    int MeasureHeight(const QString &text) override;
    void ClipTo(const TRect &rect) override;
    void PlainHLine(int left, int right, int y) override;
    void DrawRectAt(const TRect &rect) override;
    void PlainVLine(int x, int top, int bottom) override;
    void MarkNeedsRedraw() override;
    void DrawLine(int x0, int y0, int x1, int y1) override;
    void OutRotatedText(int x, int y, int angle, const QString &text) override;
    void Unclip() override;
    TRect BeginChartPaint(QPaintDevice *paintTarget, const TView3DOptions *options,
                          const TRect &bounds, bool is3D) override;
    void SetProjectionCenter(int depth, const TRect &bounds, const TRect &plotRect) override;
    void EndChartPaint(QPaintDevice *destination, QPaintDevice *defaultTarget,
                       const TRect &rect) override;
    bool RepaintFromBuffer() override;
    void DrawHLine(int left, int right, int y, int z) override;
    void DrawVLine(int x, int top, int bottom, int z) override;
    void MoveToZ(int x, int y, int z) override;
    void LineToZ(int x, int y, int z) override;
    void OutRotatedTextZ(int x, int y, int angle, const QString &text, int z) override;
    void OutTextZ(int x, int y, const QString &text, int z) override;

    // Projection is not supported, so points pass unchanged even when ProjectIn3D is set.
    TPoint ToScreen(int x, int y, int z) const;

    bool Buffered() const { return buffered; }
    bool NeedsRedraw() const { return needsRedraw; }
    bool ProjectIn3D() const { return projectIn3D; }
    const TRect &Bounds() const { return bounds; }
    TPoint ProjectionCenter() const { return projectionCenter; }
    // The off-screen bitmap, or nullptr while there is none. It has the device pixel ratio of
    // the target it was last painted for.
    const QImage *Bitmap() const { return bitmap.get(); }
    // The bitmap's size in logical pixels.
    QSize BitmapSize() const { return bitmapSize; }
    // The same bitmap, for drawing into the picture between paints.
    QImage *Picture() { return bitmap.get(); }
    // How many bitmaps have been created so far.
    int BitmapAllocations() const { return bitmapAllocations; }

private:
    void FreeBitmap();

    std::unique_ptr<QImage> bitmap;
    QSize bitmapSize;
    int bitmapAllocations = 0;
    bool buffered = true;
    bool needsRedraw = true;
    bool projectIn3D = false;
    TRect bounds;
    TPoint projectionCenter;
};
