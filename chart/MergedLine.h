#pragma once

#include "ChartCanvas.h"

#include <cstdint>
#include <memory>

struct TAxisMap;
struct TRunMemory;

// A series' points as the merged line reads them: raw values times their multipliers.
struct TLineValues {
    const double *Xs;
    const double *Ys;
    double XMultiplier;
    double YMultiplier;
    bool XsAscending;      // every X a number, none below the one before it
    std::uint64_t Changes; // grows with every change of the values or multipliers
};

// Draws a polyline of one-pixel solid segments in one opaque colour with the same pixels as
// drawing it segment by segment, but with far fewer drawing calls. Keeps its working memory
// from paint to paint.
class TMergedLine {
public:
    TMergedLine();
    ~TMergedLine();
    TMergedLine(const TMergedLine &) = delete;
    TMergedLine &operator=(const TMergedLine &) = delete;

    // Whether the pen and target allow merging: every segment must set exactly the pixels of a
    // one-pixel solid line in one opaque colour, so that order and overlap do not matter.
    static bool Mergeable(const TCanvasPen &pen, const QPaintDevice *target);

    // The line through the points first ... last, coming in from the pixel `entry` when given
    // (the point before first). Answers the last point's pixel, where the canvas's pen is left.
    TPoint Draw(TChartCanvas3D &canvas, const TAxisMap &horizontal, const TAxisMap &vertical,
                const TLineValues &values, int first, int last, const TPoint *entry);

private:
    struct TColumns;

    std::unique_ptr<TRunMemory> memory;
    std::unique_ptr<TColumns> columns;
};
