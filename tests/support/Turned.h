#pragma once

#include <QImage>
#include <QPoint>

// The picture turned counter-clockwise by `angle`, a multiple of 90 degrees, each pixel moved
// whole to its turned place.
inline QImage Turned(const QImage &image, int angle) {
    const int w = image.width();
    const int h = image.height();
    const int quarters = (angle / 90 % 4 + 4) % 4;
    QImage turned(quarters % 2 ? QSize(h, w) : QSize(w, h), image.format());
    turned.setDevicePixelRatio(image.devicePixelRatio());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QPoint to = quarters == 1   ? QPoint(y, w - 1 - x)
                              : quarters == 2 ? QPoint(w - 1 - x, h - 1 - y)
                              : quarters == 3 ? QPoint(h - 1 - y, x)
                                              : QPoint(x, y);
            turned.setPixel(to, image.pixel(x, y));
        }
    return turned;
}
