#pragma once

#include "ChartCanvas.h"
#include "ChartFont.h"
#include "ChartPen.h"
#include "StoreChanged.h"

#include <QStringList>
#include <functional>

// A brush of a chart object; AutoColor stands for the default of whatever carries it.
class TChartBrush {
public:
    TColor Color() const { return color; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return style; }
    void SetStyle(TBrushStyle value);

    std::function<void()> OnChange;

private:
    void Changed();

    TColor color = AutoColor;
    TBrushStyle style = bsSolid;
};

class TCustomChartPanel;

// A chart object that owns a font and knows its panel.
class TChartFontObject {
public:
    explicit TChartFontObject(TCustomChartPanel *panel);
    virtual ~TChartFontObject() = default;
    TChartFontObject(const TChartFontObject &) = delete;
    TChartFontObject &operator=(const TChartFontObject &) = delete;

    TChartFont Font;
    TCustomChartPanel *const ParentChart;

protected:
    void Invalidate();
    template <typename T> void Store(T &field, const T &value) {
        StoreChanged(field, value, [this] { Invalidate(); });
    }
};

// A title above or a foot below the plot: lines of text in the title font.
class TChartTitle : public TChartFontObject {
public:
    explicit TChartTitle(TCustomChartPanel *panel);

    const QStringList &Text() const { return text; }
    void SetText(const QStringList &value) { Store(text, value); }
    bool Visible() const { return visible; }
    void SetVisible(bool value) { Store(visible, value); }
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment; }
    void SetAlignment(Qt::Alignment value) { Store(alignment, value); }
    bool AdjustFrame() const { return adjustFrame; }
    void SetAdjustFrame(bool value) { Store(adjustFrame, value); }
    TColor Color() const { return color; }
    void SetColor(TColor value) { Store(color, value); }

    TChartBrush Brush;
    TChartPen Frame;
    // Where the last layout put the title, for drawing it and for the mouse to find it.
    TRect TitleBounds;

private:
    QStringList text;
    bool visible = true;
    Qt::Alignment alignment = Qt::AlignHCenter;
    bool adjustFrame = true;
    TColor color = AutoColor;
};

// The wall behind the plot: in two dimensions a frame around the plot rectangle.
class TChartWall {
public:
    explicit TChartWall(TCustomChartPanel *panel);
    TChartWall(const TChartWall &) = delete;
    TChartWall &operator=(const TChartWall &) = delete;

    TColor Color() const { return color; }
    void SetColor(TColor value);

    TChartBrush Brush;
    TChartPen Pen;
    int Size = 0;
    bool Dark3D = true;
    TCustomChartPanel *const ParentChart;

private:
    TColor color = AutoColor;
};

// The legend; the progress graph keeps it hidden and nothing draws it.
class TChartLegend {
public:
    explicit TChartLegend(TCustomChartPanel *panel) : ParentChart(panel) {}
    bool Visible() const { return visible; }
    void SetVisible(bool value);

    TCustomChartPanel *const ParentChart;

private:
    bool visible = true;
};
