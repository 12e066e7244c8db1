#include "TurnedText.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <QTransform>
#include <QtMath>

namespace {

// Fonts sized in points take their pixels from the device's logical resolution.
int DotsPerMeter(int dotsPerInch) { return qRound(dotsPerInch / 0.0254); }

} // namespace

bool IsQuarterTurn(int angle) {
    const int turn = (angle % 360 + 360) % 360;
    return turn == 90 || turn == 180 || turn == 270;
}

// Qt draws turned glyph outlines without the hinting that upright text gets, and without
// antialiasing their strokes break up. Turned whole, the upright pixels stay as crisp.
void WriteTurnedText(QPainter &out, QPoint reference, QPoint baseline, const QRect &box, int angle,
                     const QString &text) {
    const QPaintDevice &device = *out.device();
    const qreal ratio = device.devicePixelRatioF();
    // Physical pixels: the text is turned about the reference point at the device's resolution.
    const QPointF pivot = QPointF(reference) * ratio;
    const QRectF area(QPointF(baseline + box.topLeft()) * ratio, QSizeF(box.size()) * ratio);
    const QPoint origin(qFloor(area.left()), qFloor(area.top()));
    const QSize size(qCeil(area.right()) - origin.x(), qCeil(area.bottom()) - origin.y());

    QImage upright(size, QImage::Format_ARGB32_Premultiplied);
    upright.setDotsPerMeterX(DotsPerMeter(device.logicalDpiX()));
    upright.setDotsPerMeterY(DotsPerMeter(device.logicalDpiY()));
    upright.fill(Qt::transparent);
    {
        // Everything but the clip as `out` has it, so that the text comes out as it would there;
        // the scale to physical pixels, too, so that glyphs fall on the same pixel fractions.
        QPainter side(&upright);
        side.setRenderHints(~out.renderHints(), false);
        side.setRenderHints(out.renderHints());
        side.setFont(out.font());
        side.setPen(out.pen());
        side.setBackgroundMode(out.backgroundMode());
        side.setBackground(out.background());
        side.setTransform(QTransform(ratio, 0, 0, ratio, -origin.x(), -origin.y()));
        side.drawText(baseline, text);
    }

    // A rotation by whole quarters moves pixels without resampling them.
    const QTransform turn = QTransform().rotate(-angle);
    QImage turned = upright.transformed(turn);
    turned.setDevicePixelRatio(ratio);
    const QPointF corner =
        pivot + turn.mapRect(QRectF(QPointF(origin) - pivot, QSizeF(size))).topLeft();
    out.drawImage(QPointF(corner.toPoint()) / ratio, turned);
}
