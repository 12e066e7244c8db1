#include "IconSvg.h"

#include <QColor>

namespace {

QString RunRect(int x, int y, int width, QRgb pixel) {
    QString rect = QStringLiteral(R"(<rect x="%1" y="%2" width="%3" height="1" fill="%4")")
                       .arg(x)
                       .arg(y)
                       .arg(width)
                       .arg(QColor(pixel).name());
    // XPM colours are opaque or None, but a PNG-like source may carry partial alpha.
    if (qAlpha(pixel) != 255)
        rect += QStringLiteral(R"( fill-opacity="%1")").arg(qAlpha(pixel) / 255.0, 0, 'g', 4);
    return rect + QStringLiteral("/>\n");
}

} // namespace

QByteArray IconSvg(const QImage &image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QString svg = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%2" viewBox="0 0 %1 %2" shape-rendering="crispEdges">
)")
                      .arg(pixels.width())
                      .arg(pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        int x = 0;
        while (x < pixels.width()) {
            const QRgb pixel = pixels.pixel(x, y);
            int end = x + 1;
            while (end < pixels.width() && pixels.pixel(end, y) == pixel)
                ++end;
            if (qAlpha(pixel) != 0)
                svg += RunRect(x, y, end - x, pixel);
            x = end;
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}
