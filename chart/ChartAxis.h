#pragma once

#include "AxisLayout.h"
#include "ChartFont.h"
#include "ChartPen.h"
#include "StoreChanged.h"
#include "ValueFormat.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class TCustomAxisPanel;
class TTextMeasurer;
struct TRect;

enum TAxisLabelStyle : std::uint8_t {
    talAuto = 0,
    talNone = 1,
    talValue = 2,
    talMark = 3,
    talText = 4
};

class TCustomChartAxis;

// The title of an axis: its caption, angle and font.
class TChartAxisTitle {
public:
    explicit TChartAxisTitle(TCustomChartAxis *axis) : Axis(axis) {}

    int Angle() const { return angle; }
    // Raises ChartException for an angle outside 0 ... 359.
    void SetAngle(int value);
    QString Caption() const { return caption; }
    void SetCaption(const QString &value);

    TChartFont Font;
    TCustomChartAxis *const Axis;

private:
    friend class TCustomChartAxis;
    int angle = 0;
    QString caption;
};

// One axis of a chart: which range of values it shows and how values become pixels.
class TCustomChartAxis {
public:
    TCustomChartAxis(TCustomAxisPanel *chart, bool horizontal, bool farSide, int titleAngle);
    virtual ~TCustomChartAxis() = default;
    TCustomChartAxis(const TCustomChartAxis &) = delete;
    TCustomChartAxis &operator=(const TCustomChartAxis &) = delete;

    // Fixes the range, swapping ends given the wrong way round and keeping the ends at least
    // 1e-10 apart, and turns automatic scaling off.
    void SetRange(double aMin, double aMax);

    // Moves both ends by delta and fixes them there, without the checks of the setters and
    // without a repaint: a wheel turn of many notches shifts many times and repaints once.
    void ShiftRange(double delta);

    bool Automatic() const { return automatic; }
    // Outside form loading, also sets both ends' flags.
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return automaticMaximum; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return automaticMinimum; }
    void SetAutomaticMinimum(bool value);
    double Increment() const { return increment; }
    void SetIncrement(double value);
    double Maximum() const { return maximum; }
    void SetMaximum(double value);
    double Minimum() const { return minimum; }
    void SetMinimum(double value);
    int LabelsSeparation() const { return labelsSeparation; }
    void SetLabelsSeparation(int value);
    int LabelsAngle() const { return labelsAngle; }
    // Raises ChartException for an angle outside 0 ... 359.
    void SetLabelsAngle(int value);

    bool Inverted() const { return inverted; }
    void SetInverted(bool value) { Store(inverted, value); }
    bool ExactDateTime() const { return exactDateTime; }
    void SetExactDateTime(bool value) { Store(exactDateTime, value); }
    bool RoundFirstLabel() const { return roundFirstLabel; }
    void SetRoundFirstLabel(bool value) { Store(roundFirstLabel, value); }
    QString AxisValuesFormat() const { return axisValuesFormat; }
    void SetAxisValuesFormat(const QString &value) {
        if (axisValuesFormat != value)
            numberFormat = TNumberFormat(value);
        Store(axisValuesFormat, value);
    }
    QString DateTimeFormat() const { return dateTimeFormat; }
    void SetDateTimeFormat(const QString &value) { Store(dateTimeFormat, value); }
    double StartPosition() const { return startPosition; }
    void SetStartPosition(double value) { Store(startPosition, value); }
    double EndPosition() const { return endPosition; }
    void SetEndPosition(double value) { Store(endPosition, value); }
    TAxisLabelStyle LabelStyle() const { return labelStyle; }
    void SetLabelStyle(TAxisLabelStyle value) { Store(labelStyle, value); }
    bool Labels() const { return labels; }
    void SetLabels(bool value) { Store(labels, value); }
    bool LabelsOnAxis() const { return labelsOnAxis; }
    void SetLabelsOnAxis(bool value) { Store(labelsOnAxis, value); }
    bool Visible() const { return visible; }
    void SetVisible(bool value) { Store(visible, value); }

    // Layout, on every repaint: the range from the series or the fixed ends, then the pixels
    // the axis spans in the plot rectangle, then room for the series' pixel margins.
    void UpdateRange();
    void CalcPixelRange();
    void WidenForMargins(const TRect &margins);
    // Takes the room the axis needs from the plot rectangle r; builtIn tells that the axis is
    // one of the chart's five own axes.
    virtual void ReserveRoom(TRect &r, bool builtIn);
    // Once the plot and the range are final: the axis line's place, the labels and the ticks.
    void PlaceMarks();
    // Draws the axis as the last layout placed it, onto the chart's canvas.
    virtual void PaintAxis() const;

    // Label steps and texts.
    bool HasDateTimeValues() const;
    QString LabelText(double value) const;
    // The extent of a label along and across the axis, in the canvas's current font.
    int LabelBoxWidth(double value) const;
    int LabelBoxHeight(double value) const;
    double CalcLabelStep() const;
    double CalcStepForSize(int size) const;
    double CalcStepForCount(int maxLabels) const;
    // The next step of the 1-2-5 series; always larger than x for any x > 0.
    static double NextNiceStep(double x);
    double CalcDateTimeStep(int maxLabels) const;
    static double NextTableStep(double x);
    // The index of the table step within one second of x, or 25 for none.
    static int FindTableStep(double x);
    int ChooseTableStep(double step) const;
    // The label value one step below value; calendar steps go by months and years.
    double StepValue(double value, int i, double step) const;
    static double RoundDateDown(int i, double value);
    // Standard date-time steps in days; 18 and above are calendar steps.
    static const std::array<double, 25> DateTimeStepTable;

    // Drawing.
    TAxisLabelStyle EffectiveLabelStyle() const;
    int TickRoom() const;
    int TitleRoom() const;
    int LabelsRoom() const;
    int WidestLabel() const;
    // Moves a position into the plot by PositionPercent of the rectangle's extent.
    int ShiftInward(int position, const TRect &rect) const;
    // Pixel positions of the labels the last layout placed, for ticks and grid lines.
    const std::vector<int> &TickPositions() const { return layout.TickPositions; }
    // Most positions one layout records; later ones are dropped.
    static constexpr std::size_t MaxTickPositions = 2000;

    // What the last layout decided, and how it maps values to pixels and back.
    const TAxisLayout &Layout() const { return layout; }
    const TAxisMap &Map() const { return layout.Map; }
    // Places the axis as a layout decided.
    void SetLayout(const TAxisLayout &value) { layout = value; }
    void SetMap(const TAxisMap &value) { layout.Map = value; }
    int AxisPos() const { return layout.AxisPos; }
    int TitlePos() const { return layout.TitlePos; }
    int LabelsPos() const { return layout.LabelsPos; }
    bool DateTimeActive() const { return layout.DateTimeActive; }
    int XValueToPos(double value) const { return layout.Map.XToPixel(value); }
    int YValueToPos(double value) const { return layout.Map.YToPixel(value); }
    int ValueToPos(double value) const { return layout.Map.ToPixel(value); }
    double PosToValue(int pixel) const { return layout.Map.ToValue(pixel); }
    double WorkMin() const { return layout.Map.WorkMin; }
    double WorkMax() const { return layout.Map.WorkMax; }
    double WorkRange() const { return layout.Map.WorkRange(); }
    int PixelStart() const { return layout.Map.PixelStart; }
    int PixelEnd() const { return layout.Map.PixelEnd; }
    int PixelSize() const { return layout.Map.PixelSize(); }
    int PixelCenter() const { return layout.Map.PixelCenter(); }

    TCustomAxisPanel *const ParentChart;
    const bool IsHorizontal;
    const bool IsFarSide;
    const int StandardTitleAngle;
    bool IsZAxis = false;

    bool Logarithmic = false;
    int LogarithmicBase = 10;
    TChartAxisPen Axis;
    TChartAxisTitle Title{this};
    int TitleSize = 0;
    TDottedGrayPen Grid;
    bool GridCentered = false;
    TChartFont LabelsFont;
    int LabelsSize = 0;
    bool LabelsMultiLine = false;
    TChartHiddenPen MinorGrid;
    int MinorTickCount = 3;
    int MinorTickLength = 2;
    TDarkGrayPen MinorTicks;
    TDarkGrayPen Ticks;
    TDarkGrayPen TicksInner;
    int TickInnerLength = 0;
    int TickLength = 4;
    bool TickOnLabelsOnly = true;
    double PositionPercent = 0;

    // Asks the chart to repaint.
    void Invalidate();

protected:
    template <typename T> void Store(T &field, const T &value) {
        StoreChanged(field, value, [this] { Invalidate(); });
    }

private:
    void PlaceValueLabels(double step, int tableStep);
    void PlaceSeriesLabels(TAxisLabelStyle style);
    void AddTickPosition(int position);
    void AddLabel(int position, const QString &text);
    TTextMeasurer LabelsMeasurer() const;
    void DrawLabel(const TAxisLabel &label) const;
    void DrawTitle() const;
    // Writes a text at (x, y) turned by angle, placed against the axis's side.
    void DrawAxisText(int x, int y, int angle, const QString &text) const;
    void DrawLineTicksAndGrid() const;
    void DrawTick(int position, int offset, int length) const;
    void DrawGridLine(int position) const;
    int TextBandRoom(const TChartFont &font, int angle, int fixedSize, const QString *text) const;

    TAxisLayout layout;
    bool automatic = true;
    bool automaticMaximum = true;
    bool automaticMinimum = true;
    double increment = 0;
    double maximum = 0;
    double minimum = 0;
    int labelsSeparation = 10;
    int labelsAngle = 0;
    bool inverted = false;
    bool exactDateTime = true;
    bool roundFirstLabel = true;
    QString axisValuesFormat = QStringLiteral("#,##0.###");
    TNumberFormat numberFormat{axisValuesFormat};
    QString dateTimeFormat;
    double startPosition = 0;
    double endPosition = 100;
    TAxisLabelStyle labelStyle = talAuto;
    bool labels = true;
    bool labelsOnAxis = true;
    bool visible = true;
};

// The four side axes.
class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};

// The depth axis of a three-dimensional chart; hidden in two dimensions.
class TChartDepthAxis : public TCustomChartAxis {
public:
    explicit TChartDepthAxis(TCustomAxisPanel *chart);
};
