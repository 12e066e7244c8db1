#pragma once

#include "ChartCanvas.h"

#include <cstdint>
#include <vector>

// Working memory of the run painter, kept from paint to paint.
struct TRunMemory {
    // A run of pixels on consecutive rows, not yet filled.
    struct TOpenRun {
        int Left;
        int Right; // included
        int Top;   // the first row, counted from the top of the target
    };
    // A vertical run starting (+1) or having ended (-1) on a row.
    struct TColumnEvent {
        int Row;
        int Column;
        int Change;
    };

    std::vector<std::uint64_t> Words; // a bit per pixel of the horizontal runs, row by row
    std::vector<TColumnEvent> Events; // the vertical runs, as they start and end
    std::vector<TColumnEvent> Sorted;
    std::vector<int> RowStarts;
    std::vector<int> Depth;            // vertical runs covering each column on the current row
    std::vector<std::uint64_t> Active; // the columns covered
    std::vector<std::uint64_t> Row;
    std::vector<std::uint64_t> Previous;
    std::vector<TOpenRun> Open;
    std::vector<TOpenRun> Next;
};

// Draws a polyline of one-pixel solid segments in one opaque colour through the canvas, with
// the same pixels as drawing each segment with DrawLine, but with far fewer drawing calls.
//
// Such a segment sets one pixel per step along its longer axis: step i (0 <= i < length, the
// end excluded) lies i steps along it and round-half-up(i * span / length) steps across it,
// span being the extent across. Grouping the steps by their offset across turns the segment
// into runs parallel to its longer axis. Runs outside the target are left out, since nothing
// shows there. The runs are gathered (horizontal ones as a bit per pixel of the target, vertical
// ones as the rows they start and end on); at the end the pixels set are cut into rectangles
// (the runs along each row, one rectangle for the same run on consecutive rows) and the canvas
// fills those in the pen's colour, clipped as its lines are. On a 32-bit image of one pixel per
// logical pixel the runs are set straight into it instead, within the clip. As the
// pixels are all of one colour and the pen copies, neither their order nor overlaps matter: the
// picture is the same. Nearly diagonal segments, whose runs are a pixel or two long, are drawn
// by the canvas directly; so is everything on a target too large for the pixel bits.
class TRunPainter {
public:
    TRunPainter(TChartCanvas3D &canvas, const TRect &area, TRunMemory &bits);

    // The pixels DrawLine(x0, y0, x1, y1) would set.
    void Segment(int x0, int y0, int x1, int y1);
    // Rows top ... bottom of column x.
    void Vertical(int x, std::int64_t top, std::int64_t bottom);
    // Fills the rectangles of the pixels gathered.
    void Finish();

private:
    // W holds products of a length with twice an offset.
    template <typename W> void Sloped(int x0, int y0, std::int64_t dx, std::int64_t dy);
    void Horizontal(int y, std::int64_t left, std::int64_t right);
    // Calls take(left, right) for each run of set bits in a row, left to right, in columns of
    // the target.
    template <typename Take> void RunsOf(const std::uint64_t *words, Take &&take) const;
    void Fill(const TRunMemory::TOpenRun &run, int endRow);

    // Pixel bits for a target up to 1 MiB of them (a 4K screen); larger ones are drawn run by run.
    static constexpr std::int64_t MostGatheredPixels = std::int64_t(1) << 23;

    TChartCanvas3D &canvas;
    const TRect area;
    TRunMemory &bits;
    bool gathered = false;
    int wordsPerRow = 0;
    // Where the runs are set straight into the target instead, when they can be.
    QRgb *pixels = nullptr;
    qsizetype pixelsPerLine = 0;
    QRect writable;
    QRgb colour = 0;
};
