#pragma once

#include "ChartCanvas.h"

#include <QRect>

// What the canvas's drawing operations share: the painter of one operation and the pixels of
// a rectangle.

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

// The pixels of a rectangle given by its edges, Right and Bottom excluded.
inline QRect PixelsOf(int left, int top, int right, int bottom) {
    if (left >= right || top >= bottom)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
