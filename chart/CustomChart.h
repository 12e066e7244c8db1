#pragma once

#include "AxisPanel.h"
#include "ChartPoints.h"
#include "ChartTitle.h"

#include <array>
#include <functional>

// The chart with titles, back wall and legend, and the order in which it draws them.
class TCustomChart : public TCustomAxisPanel {
    Q_OBJECT
public:
    explicit TCustomChart(QWidget *parent = nullptr);

    // What lies under a point of the chart, first match first.
    enum class TChartClickedPartStyle { None, Legend, Axis, Series, Title, Foot, ChartRect };
    struct TChartClickedPart {
        TChartClickedPartStyle Part = TChartClickedPartStyle::None;
        TChartSeries *Series = nullptr;
        int PointIndex = -1;
        TCustomChartAxis *Axis = nullptr;
    };
    TChartClickedPart HitPart(int x, int y) const;

    // Mouse zoom: a drag right and down zooms every side axis to the dragged rectangle, a
    // drag the other way brings back the scales from before the first zoom.
    void ZoomTo(double leftMin, double leftMax, double rightMin, double rightMax, double topMin,
                double topMax, double bottomMin, double bottomMax);
    void UndoZoom();
    // A wheel notch shifts the vertical axes by 3 percent of their range and repaints.
    void WheelScroll(bool up);

    TChartTitle Title{this};
    TChartTitle Foot{this};
    TChartWall BackWall{this};
    TChartLegend Legend{this};
    bool MouseHandled = false;
    bool ZoomApplied = false;
    bool HasSavedScales = false;
    // The scales of the top, bottom, left and right axes from before the first zoom.
    struct TSavedScale {
        bool Automatic = true;
        bool AutomaticMinimum = true;
        bool AutomaticMaximum = true;
        double Minimum = 0;
        double Maximum = 0;
    };
    std::array<TSavedScale, 4> SavedScales;
    Qt::MouseButton ZoomButton = Qt::LeftButton;
    Qt::MouseButton PanButton = Qt::RightButton;
    Qt::KeyboardModifiers ZoomShift;
    Qt::KeyboardModifiers PanShift;

    std::function<void(TCustomChart *sender)> OnZoom;
    std::function<void(TCustomChart *sender)> OnUndoZoom;
    std::function<void(TCustomChart *sender, TCustomChartAxis *axis)> OnClickAxis;
    std::function<void(TCustomChart *sender, TChartSeries *series, int pointIndex)> OnClickSeries;
    std::function<void(TCustomChart *sender)> OnClickBackground;
    std::function<void(TCustomChart *sender)> OnClickLegend;
    // The axes are drawn before the series, so that the line lies on top of the grid.
    bool AxesBeforeSeries = true;

    std::function<void(TCustomChart *sender)> OnAfterDraw;

    // How a point is told in words, in the tooltip of the point nearest the mouse and to
    // screen readers; plain X and Y values unless set.
    TPointDescriber PointDescriber;
    QString DescribePoint(const TChartSeries &series, int index) const;

protected:
    void LayOut() override;
    void DrawContents() override;
    // Puts the title's box at the top or the bottom of the plot and takes its room from it.
    void LayOutTitle(TChartTitle &title, bool atTop);
    void DrawTitle(const TChartTitle &title);
    void DrawBackWall();
    // The inverting frame of a zoom drag: drawing it twice leaves no trace.
    void DrawZoomFrame();
    bool StartZoomOrPan(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void ApplyZoomRect();

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool event(QEvent *event) override;
    void SeriesPointAdded(TChartSeries *series, int valueIndex) override;

private:
    void SetWallBrush(TColor color, TBrushStyle style, TColor background);
    bool BackgroundClicked();
    // One notch of WheelScroll without the repaint.
    void ShiftVerticalAxes(bool up);
    // The frame of the drag, onto the picture the window shows or, during a paint, into it.
    void ToggleZoomFrame();
    std::array<TCustomChartAxis *, 4> SideAxes() {
        return {&TopAxis, &BottomAxis, &LeftAxis, &RightAxis};
    }
    // The wheel's turn short of a whole notch, in angle units (120 a notch), signed.
    int wheelAngle = 0;
};
