// The canvas's target, tools and painter, its text, clip and copying.
#include "ChartCanvas.h"

#include "CanvasOperation.h"
#include "TextMeasurer.h"
#include "TurnedText.h"

#include <QPaintDevice>
#include <QWidget>
#include <algorithm>

namespace {

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

// Whether drawing a text's shaped glyphs sets the same pixels as drawing the text: not where
// the text fills its background, draws lines through or under it, or holds control characters.
bool DrawsGlyphsAlone(const QPainter &out, const QString &text) {
    const QFont &font = out.font();
    if (out.backgroundMode() == Qt::OpaqueMode || font.underline() || font.overline() ||
        font.strikeOut())
        return false;
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
}

} // namespace

TChartCanvas::TChartCanvas()
    : inkPen(ThinPen(clBlack)), gapPen(ThinPen(clWhite)), textPen(ToQColor(clBlack)),
      widePen(WidePen(TCanvasPen())) {
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
    textsValid = false;
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
    if (textsValid && font.Font == textsFont)
        return;
    texts = textCache.For(font.Font, target);
    textsFont = font.Font;
    textsValid = true;
    fontSelected = false;
}

std::shared_ptr<TFontTexts> TChartCanvas::TextsOf(const QFont &font) const {
    return textCache.For(font, target);
}

void TChartCanvas::SelectFont(QPainter &out) {
    RefreshFont();
    if (fontSelected)
        return;
    out.setFont(texts->Font());
    fontSelected = true;
}

QPainter::CompositionMode TChartCanvas::PenComposition() const {
    return pen.Mode == pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                : QPainter::CompositionMode_SourceOver;
}

QSize TChartCanvas::TargetSize() const { return target ? LogicalSize(target) : QSize(0, 0); }

QRgb *TChartCanvas::PixelsToSet(QRect &area, qsizetype &pixelsPerLine) {
    if (!target || target->devType() != QInternal::Image)
        return nullptr;
    QImage &image = *static_cast<QImage *>(target);
    const QImage::Format format = image.format();
    if (image.devicePixelRatio() != 1.0 ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
         format != QImage::Format_ARGB32_Premultiplied))
        return nullptr;
    area = VisibleArea();
    // Qt copies an image being painted instead of sharing it, so these are the painter's pixels.
    pixelsPerLine = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    return reinterpret_cast<QRgb *>(image.bits());
}

QRect TChartCanvas::VisibleArea() const {
    const QRect device(QPoint(0, 0), LogicalSize(target));
    return clipActive ? device.intersected(clipRect) : device;
}

void TChartCanvas::WriteText(int x, int y, int angle, const QString &text) {
    TOperation operation(*this);
    if (!operation.painter)
        return;
    QPainter &out = *operation.painter;
    SelectFont(out);
    const QFontMetrics &metrics = texts->Metrics();
    const int width = texts->Width(text);
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
        if (DrawsGlyphsAlone(out, text)) {
            const QPointF baseline(x + dx, y + dy);
            for (const QGlyphRun &run : texts->Glyphs(text))
                out.drawGlyphRun(baseline, run);
        } else {
            out.drawText(x + dx, y + dy, text);
        }
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
    return texts->Width(text);
}

int TChartCanvas::TextHeight() {
    RefreshFont();
    return texts->Metrics().height();
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
