#pragma once

#include "ColorValue.h"

#include <QFont>
#include <functional>

// A font of a chart object with its colour. Every font the chart creates starts as
// "ＭＳ Ｐ明朝", 9 points, black, no style; a change repaints the chart through OnChange.
class TChartFont {
public:
    TChartFont();
    TChartFont(const TChartFont &) = delete;
    TChartFont &operator=(const TChartFont &) = delete;

    const QFont &Font() const { return font; }
    void SetFont(const QFont &value);
    TColor Color() const { return color; }
    void SetColor(TColor value);
    // The size in points, at the 96 dots per inch the chart is laid out in.
    int Size() const { return size; }
    void SetSize(int points);

    std::function<void()> OnChange;

private:
    void Changed();

    QFont font;
    TColor color = clBlack;
    int size = 9;
};
