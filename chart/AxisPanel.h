#pragma once

#include "ChartAxis.h"
#include "ChartPanelExtended.h"
#include "TextMeasurer.h"

#include <functional>
#include <utility>
#include <vector>

class TChartSeries;

// The panel with axes and series: it lays the axes out around the plot and draws the series.
class TCustomAxisPanel : public TCustomChartPanelExtended {
    Q_OBJECT
public:
    explicit TCustomAxisPanel(QWidget *parent = nullptr);
    ~TCustomAxisPanel() override;

    // Whether the axis is drawn: only when some active series uses it (or none uses any).
    bool AxisShown(const TCustomChartAxis *axis) const;
    // The smallest (wantMin) or largest value over the series that take part in the axis,
    // on the X (isX) or the Y values; 0 when no series takes part.
    double SeriesExtent(const TCustomChartAxis *axis, bool wantMin, bool isX) const;
    // Whether the series' values take part in the range of some automatic axis, so that a
    // change of its points can move what the chart shows even while it is not drawn.
    bool SeriesTakesPartInAnAxis(const TChartSeries *series) const;
    // Room the three-dimensional walls take beside an axis; none in two dimensions.
    int AxisWallSize(const TCustomChartAxis *axis) const;
    // Makes the font the canvas draws text with.
    void UseFont(const TChartFont &font);
    // Measures text in a font as the canvas writes it on its current target.
    TTextMeasurer Measurer(const TChartFont &font) const;
    // The width of the widest line, in the canvas's font, of a text whose lines are separated
    // by "\r", and the number of lines.
    std::pair<int, int> TextBlockWidth(const QString &text) const;

    // True while settings are applied as a stored description, when setters skip their
    // checks and couplings.
    bool Loading() const { return loading; }
    void SetLoading(bool on) { loading = on; }
    bool Destroying() const { return destroying; }

    const std::vector<TCustomChartAxis *> &Axes() const { return axes; }
    const std::vector<TChartSeries *> &SeriesList() const { return seriesList; }
    // Called by axes and series as they attach themselves and leave.
    void AddAxis(TCustomChartAxis *axis) { axes.push_back(axis); }
    void AddSeries(TChartSeries *series);
    void RemoveSeries(TChartSeries *series);
    // Called by a series once a point has joined it.
    virtual void SeriesPointAdded(TChartSeries *, int) {}

    bool AxisVisible() const { return axisVisible; }
    void SetAxisVisible(bool value) { SetAndInvalidate(axisVisible, value); }
    bool ClipPoints() const { return clipPoints; }
    void SetClipPoints(bool value) { SetAndInvalidate(clipPoints, value); }

    std::function<void(TCustomAxisPanel *sender)> OnBeforeDrawAxes;
    std::function<void(TCustomAxisPanel *sender)> OnBeforeDrawSeries;

protected:
    void LayoutAxes();
    void ApplySeriesMargins();
    // Places the shown axes' lines, labels and ticks on the final plot.
    void PlaceAxisMarks();
    void DrawAxes();
    // Draws the points of the series the layout found shown.
    void PaintSeries(TChartSeries *series);
    // The chart is being torn down: series leaving it no longer ask for repaints.
    void BeginDestroying() { destroying = true; }

private:
    // Whether the series takes part in the axis's range: attached to it, and active or with no
    // active series feeding the axis.
    bool TakesPart(const TChartSeries *series, const TCustomChartAxis *axis, bool isX) const;

    // Declared before the axes, which join it as they are constructed.
    std::vector<TCustomChartAxis *> axes;
    std::vector<TChartSeries *> seriesList;
    bool axisVisible = true;
    bool clipPoints = true;
    bool loading = false;
    bool destroying = false;

public:
    // The axes, in the order of the axis list.
    TChartAxis BottomAxis{this, true, false, 0};
    TChartAxis TopAxis{this, true, true, 0};
    TChartAxis LeftAxis{this, false, false, 90};
    TChartAxis RightAxis{this, false, true, 270};
    TChartDepthAxis DepthAxis{this};
};
