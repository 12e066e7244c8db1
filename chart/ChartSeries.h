#pragma once

#include "ChartValueList.h"
#include "ColorValue.h"

#include <QString>
#include <vector>

class TChart;

// The points of one series, held in ascending order of X.
class TChartSeries {
public:
    explicit TChartSeries(TChart *parentChart) : ParentChart(parentChart) {}
    virtual ~TChartSeries() = default;
    TChartSeries(const TChartSeries &) = delete;
    TChartSeries &operator=(const TChartSeries &) = delete;

    // Inserts the point after every point with the same or a smaller X; returns its index.
    int AddPointXY(double x, double y, const QString &label, TColor color);
    void ClearPoints();
    int Count() const { return int(XValues.ValueCount()); }

    TChartValueList XValues{QStringLiteral("X")};
    TChartValueList YValues{QStringLiteral("Y")};
    std::vector<TColor> PointColors;
    std::vector<QString> PointLabels;
    TColor SeriesColor = AutoColor;
    TChart *ParentChart;

protected:
    void RequestRepaint();
};
