#pragma once

#include "ChartShapes.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <memory>

class QWidget;

// The picture every contender shows, as the progress graph looks in the window: 561 × 255
// pixels, the title at the top, both axis titles, value labels along the bottom only, a red
// one-pixel line, nothing antialiased.
constexpr int ChartWidth = 561;
constexpr int ChartHeight = 255;
QString ChartTitle();
QString BottomTitle();
QString LeftTitle();
// The chart's font for every text, with antialiasing off.
QFont TextFont();

struct TRange {
    double Low;
    double High;
};

// A wheel turn of that many notches moves the value range of the picture by 3 % of it a notch:
// a notch away from the user shows lower values.
TRange WheelShifted(TRange y, int notches);

enum class TLibrary { Radixtrek, QCustomPlot, QtCharts };
QString LibraryName(TLibrary library);

// One library's chart in a shown window of its own.
class TContender {
public:
    virtual ~TContender() = default;
    // The points of a drill record, as one line.
    virtual void Add(const TPoints &points) = 0;
    // Shows x along the bottom and y up the side, and repaints the window: at once, or, where
    // the library puts its repaint off, when the events waiting are handled.
    virtual void Show(TRange x, TRange y) = 0;
    // One wheel event of that many notches over the plot: the value range moves (see
    // WheelShifted) and the window repaints.
    virtual void Wheel(int notches) = 0;
    // The widget whose paint events put the picture on the screen.
    virtual QWidget &Painted() = 0;
};

std::unique_ptr<TContender> MakeContender(TLibrary library);

// The plot rectangle of our chart in its window, which the others are given too.
QRect RadixtrekPlotArea();
std::unique_ptr<TContender> MakeRadixtrek();
std::unique_ptr<TContender> MakeQCustomPlot(const QRect &plotArea);
std::unique_ptr<TContender> MakeQtCharts(const QRect &plotArea);
