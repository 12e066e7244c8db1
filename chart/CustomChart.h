#pragma once

#include "AxisPanel.h"
#include "ChartTitle.h"

#include <functional>

// The chart with titles, back wall and legend, and the order in which it draws them.
class TCustomChart : public TCustomAxisPanel {
    Q_OBJECT
public:
    explicit TCustomChart(QWidget *parent = nullptr);

    TChartTitle Title{this};
    TChartTitle Foot{this};
    TChartWall BackWall{this};
    TChartLegend Legend{this};
    bool MouseHandled = false;
    bool HasSavedScales = false;
    // The axes are drawn before the series, so that the line lies on top of the grid.
    bool AxesBeforeSeries = true;

    std::function<void(TCustomChart *sender)> OnAfterDraw;

protected:
    void DrawContents() override;
    void DrawTitle(TChartTitle &title, bool atTop);
    void DrawBackWall();
    // Drawn when a zoom drag is under way; the mouse handling fills it in.
    virtual void DrawZoomFrame() {}

private:
    void SetWallBrush(TColor color, TBrushStyle style, TColor background);
};
