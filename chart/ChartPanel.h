#pragma once

#include "ChartCanvas.h"
#include "StoreChanged.h"

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <utility>

enum TPanelBevel : std::uint8_t { bvNone = 0, bvLowered = 1, bvRaised = 2 };

// The state of a mouse drag that zooms or pans the chart, in the control's pixels.
struct TZoomPanningRecord {
    bool InProgress = false;
    int StartX = 0;
    int StartY = 0;
    int EndX = 0;
    int EndY = 0;

    void StartDrag(int x, int y) {
        StartX = EndX = x;
        StartY = EndY = y;
        InProgress = true;
    }
    // Puts the start at the top left and the end at the bottom right.
    void Normalize() {
        if (EndX < StartX)
            std::swap(StartX, EndX);
        if (EndY < StartY)
            std::swap(StartY, EndY);
    }
};

// The panel a chart draws on: a bevelled background, drawn with the rest of the chart into an
// off-screen bitmap that a repaint without changes only copies to the screen.
class TCustomChartPanel : public QWidget {
    Q_OBJECT
public:
    explicit TCustomChartPanel(QWidget *parent = nullptr);

    // Draws the whole chart onto target, at the top-left corner of r.
    void PaintTo(QPaintDevice *target, const TRect &r);
    // Repairs an empty or inverted plot rectangle and recomputes the sizes derived from it.
    void UpdatePlotSize();
    // Marks the picture out of date and asks for a repaint on the next paint cycle.
    void Invalidate();
    // Outside a paint the window shows a copy of the off-screen picture, so drawing meant to
    // go straight onto the window goes into that picture, and a plain update copies it again.
    // Without an up-to-date picture nothing is drawn: the full paint that is due draws all.
    void DrawOnPicture(const std::function<void()> &draw);

    QColor Color() const { return color; }
    void SetColor(const QColor &value) { SetAndInvalidate(color, value); }
    TPanelBevel BevelOuter() const { return bevelOuter; }
    void SetBevelOuter(TPanelBevel value) { SetAndInvalidate(bevelOuter, value); }
    TPanelBevel BevelInner() const { return bevelInner; }
    void SetBevelInner(TPanelBevel value) { SetAndInvalidate(bevelInner, value); }
    int BevelWidth() const { return bevelWidth; }
    void SetBevelWidth(int value) { SetAndInvalidate(bevelWidth, value); }
    int BorderWidth() const { return borderWidth; }
    void SetBorderWidth(int value) { SetAndInvalidate(borderWidth, value); }
    // Room between the panel's edges and the plot, in percent of the panel's size.
    int MarginLeft() const { return marginLeft; }
    void SetMarginLeft(int value) { SetAndInvalidate(marginLeft, value); }
    int MarginTop() const { return marginTop; }
    void SetMarginTop(int value) { SetAndInvalidate(marginTop, value); }
    int MarginRight() const { return marginRight; }
    void SetMarginRight(int value) { SetAndInvalidate(marginRight, value); }
    int MarginBottom() const { return marginBottom; }
    void SetMarginBottom(int value) { SetAndInvalidate(marginBottom, value); }
    bool View3D() const { return view3D; }
    void SetView3D(bool value) { SetAndInvalidate(view3D, value); }

    TChartCanvas3D Canvas;
    TZoomPanningRecord ZoomDrag;
    TZoomPanningRecord PanDrag;

    // The last layout's: recomputed before every full paint.
    TRect PanelBounds;
    TRect PlotRect;
    int PlotWidth = 0;
    int PlotHeight = 0;
    int PlotXCenter = 0;
    int PlotYCenter = 0;

    // How many times the chart was drawn in full, and how many times a paint only copied the
    // picture drawn before.
    int FullPaints = 0;
    int BufferedPaints = 0;

protected:
    // Places what the panel holds once the margins have placed the plot; the base has nothing
    // to place.
    virtual void LayOut() {}
    // Everything inside the panel, in drawing order, as the layout placed it; the base draws
    // only the background.
    virtual void DrawContents();
    void PaintBackground(const TRect &bounds);
    template <typename T> void SetAndInvalidate(T &field, const T &value) {
        StoreChanged(field, value, [this] { Invalidate(); });
    }
    // On at the end of the most derived constructor, so that setting defaults does not paint.
    void SetRepaintEnabled(bool on) { repaintEnabled = on; }

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor color;
    TPanelBevel bevelOuter = bvRaised;
    TPanelBevel bevelInner = bvNone;
    int bevelWidth = 1;
    int borderWidth = 0;
    int marginLeft = 3;
    int marginTop = 4;
    int marginRight = 3;
    int marginBottom = 4;
    bool view3D = true;
    bool repaintEnabled = false;
    bool updatePending = false; // update() asked for and its paint not yet come
};
