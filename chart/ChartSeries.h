#pragma once

#include "ChartValueList.h"
#include "ColorValue.h"
#include "PointList.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class TCustomAxisPanel;
class TCustomChartAxis;

enum THorizAxis : std::uint8_t {
    aTopAxis = 0,
    aBottomAxis = 1,
    aBothHorizAxis = 2,
    aCustomHorizAxis = 3
};
enum TVertAxis : std::uint8_t {
    aLeftAxis = 0,
    aRightAxis = 1,
    aBothVertAxis = 2,
    aCustomVertAxis = 3
};

// The data side of a series: its points in ascending order of X, their colours and labels,
// the axes they are drawn against, and the range of them that shows.
class TChartSeries {
public:
    TChartSeries();
    virtual ~TChartSeries();
    TChartSeries(const TChartSeries &) = delete;
    TChartSeries &operator=(const TChartSeries &) = delete;

    // A point's colour: its own, or the series colour when it carries AutoColor.
    virtual TColor PointColor(int valueIndex) const;
    // A point's label; empty when it has none or there is no such point.
    virtual QString PointLabel(int valueIndex) const;
    virtual double XValueOf(int valueIndex) const { return XValues.ValueAt(valueIndex); }
    virtual double YValueOf(int valueIndex) const { return YValues.ValueAt(valueIndex); }
    // Called once a point has been added at valueIndex.
    virtual void PointAdded(TChartSeries *sender, int valueIndex);
    // Inserts the point after every point with the same or a smaller X and returns its index,
    // or -1 when OnBeforeAdd refuses it.
    virtual int AddPointXY(double x, double y, const QString &label, TColor color);
    virtual bool FeedsAxis(const TCustomChartAxis *axis) const;
    virtual void ClearPoints();
    virtual void DeletePoint(int valueIndex);
    virtual double HighestX() const { return XValues.HighestValue(); }
    virtual double HighestY() const { return YValues.HighestValue(); }
    virtual double LowestX() const { return XValues.LowestValue(); }
    virtual double LowestY() const { return YValues.LowestValue(); }
    // The point's position in pixels on the chart.
    virtual int PointX(int valueIndex) const;
    virtual int PointY(int valueIndex) const;
    // Pixels the series wants kept free beside its outermost points.
    virtual void HorizMargins(int &left, int &right) const;
    virtual void VertMargins(int &top, int &bottom) const;
    virtual bool UsesAxes() const { return true; }
    // Whether the series must have a Y value for every point (its labels then run along X).
    virtual bool YMandatory() const { return true; }
    // The text a point's mark would show: its Y value.
    virtual QString MarkText(int valueIndex) const;
    // Draws the points FirstShown to LastShown onto the parent chart's canvas.
    virtual void DrawValues() {}
    // The index of the point whose drawing covers the pixel (x, y), or -1.
    virtual int HitPoint(int, int) const { return -1; }

    int PointCount() const { return XValues.ValueCount(); }
    double PointValue(bool x, int valueIndex) const {
        return x ? XValueOf(valueIndex) : YValueOf(valueIndex);
    }
    // Sets FirstShown and LastShown to the points that fall in the horizontal axis's range.
    void FindShownRange();
    // Asks the parent chart to repaint on its next paint.
    // Whether the points show in the picture: drawn while active, and even while not, setting
    // the range of an axis that no active series feeds.
    bool Shows() const;
    void RequestRepaint();

    TColor SeriesColor() const { return seriesColor; }
    virtual void SetSeriesColor(TColor value);
    bool ColorEachPoint() const { return colorEachPoint; }
    void SetColorEachPoint(bool value);
    bool Active() const { return active; }
    void SetActive(bool value);
    THorizAxis HorizAxis() const { return horizAxis; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return vertAxis; }
    void SetVertAxis(TVertAxis value);
    TCustomAxisPanel *ParentChart() const { return parentChart; }
    // Attaches the series to a chart (or detaches it with nullptr).
    void SetParentChart(TCustomAxisPanel *chart);
    TCustomChartAxis *ActualHorizAxis() const { return actualHorizAxis; }
    TCustomChartAxis *ActualVertAxis() const { return actualVertAxis; }

    TChartValueList XValues{this, QStringLiteral("X"), loAscending, false};
    TChartValueList YValues{this, QStringLiteral("Y"), loNone, false};
    TChartValueLists AllValueLists{&XValues, &YValues};
    TPointList<TColor> PointColors{AutoColor};
    TPointList<QString> PointLabels; // an empty label reads as a null text

    int FirstShown = -1;
    int LastShown = -1;
    bool LimitToVisible = true;
    bool KeepPointBeyondEnd = false;

    std::function<bool(TChartSeries *sender)> OnBeforeAdd;
    std::function<void(TChartSeries *sender, int valueIndex)> OnAfterAdd;
    std::function<void(TChartSeries *sender)> OnClearValues;
    std::function<void(TChartSeries *sender)> BeforeDrawValues;
    std::function<void(TChartSeries *sender)> AfterDrawValues;

private:
    void ResolveAxes();

    TColor seriesColor = AutoColor;
    bool colorEachPoint = false;
    bool active = true;
    THorizAxis horizAxis = aBottomAxis;
    TVertAxis vertAxis = aLeftAxis;
    TCustomAxisPanel *parentChart = nullptr;
    TCustomChartAxis *actualHorizAxis = nullptr;
    TCustomChartAxis *actualVertAxis = nullptr;
};
