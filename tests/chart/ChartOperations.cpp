#include "ChartOperations.h"

#include "Chart.h"
#include "ChartExceptions.h"
#include "Differences.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QWheelEvent>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace {

using TKind = TChartOperation::TKind;

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Choices the bytes make; past their end every choice is the first one.
class TChoices {
public:
    TChoices(const std::uint8_t *data, std::size_t size) : data(data), size(size) {}
    bool Done() const { return at >= size; }
    int Next(int count) {
        const int byte = at < size ? data[at] : 0;
        ++at;
        return byte % count;
    }
    template <typename T, std::size_t N> const T &From(const std::array<T, N> &table) {
        return table[std::size_t(Next(int(N)))];
    }

private:
    const std::uint8_t *data;
    std::size_t size;
    std::size_t at = 0;
};

// Added points come more often than anything else, as in a program.
constexpr std::array Kinds{
    TKind::AddPoint, TKind::AddPoint,  TKind::AddPoint,    TKind::AddPoint,    TKind::AddRun,
    TKind::AddRun,   TKind::SetValue,  TKind::DeletePoint, TKind::Clear,       TKind::Minimum,
    TKind::Maximum,  TKind::Automatic, TKind::Inverted,    TKind::LabelFormat, TKind::LabelAngle,
    TKind::Font,     TKind::FontSize,  TKind::Title,       TKind::Wheel,       TKind::Wheel,
    TKind::Drag,     TKind::Drag,      TKind::UndoZoom,    TKind::Resize,      TKind::Ratio,
    TKind::Active,
};
// Equal X values come up often; the Y values reach far and are not always numbers.
constexpr std::array Xs{0.0, 1.0, 2.0, 3.0, 5.0, 8.0, 13.0, 0.5, 2.5, 7.25, -4.0, 1e6};
constexpr std::array Ys{0.0,    1.0, 2.5,  -3.0, 7.0,      40.0,     100.0,
                        -250.0, 1e5, 1e-3, NaN,  Infinity, -Infinity};
constexpr std::array RunCounts{8, 9, 16, 40, 300};
constexpr std::array RunSteps{1.0 / 512, 1.0 / 64, 0.25, 1.0};
constexpr std::array Ends{-100.0, -1.0, 0.0, 0.5, 3.0, 12.0, 40.0, 1000.0, 1e7};
constexpr std::array Formats{"#,##0.###", "0.00", "0", "#,##0.0\"円\"", "0.0;(0.0);-", ""};
constexpr std::array Angles{0, 45, 90, 180, 270, 315};
constexpr std::array Families{"ＭＳ Ｐ明朝", "IPAGothic", "DejaVu Sans", "DejaVu Serif"};
// Titles of a thousand lines and more write more texts than a font keeps.
constexpr std::array TitleLines{0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 40, 40, 1100};
constexpr std::array WheelAngles{15, -30, 120, -360, 7};
constexpr std::array Sizes{QSize(561, 255), QSize(320, 200), QSize(240, 150), QSize(160, 110),
                           QSize(90, 60)};
constexpr std::array Ratios{1.0, 1.25, 2.0};

TChartOperation Decode(TChoices &in) {
    TChartOperation op;
    op.Kind = in.From(Kinds);
    switch (op.Kind) {
    case TKind::AddPoint:
        op.X = in.From(Xs);
        op.Y = in.From(Ys);
        break;
    case TKind::AddRun:
        op.X = in.From(Xs);
        op.Y = in.From(RunSteps);
        op.Count = in.From(RunCounts);
        op.Index = in.Next(256);
        op.Flag = in.Next(2); // the last point alone above all the others
        break;
    case TKind::SetValue:
        op.Index = in.Next(256);
        op.Flag = in.Next(4) == 0; // an X value, which may break the order
        op.X = in.From(Xs);
        op.Y = in.From(Ys);
        break;
    case TKind::DeletePoint:
        op.Index = in.Next(256);
        break;
    case TKind::Minimum:
    case TKind::Maximum:
        op.Axis = in.Next(2);
        op.X = in.From(Ends);
        break;
    case TKind::Automatic:
        op.Axis = in.Next(2);
        break;
    case TKind::Inverted:
        op.Axis = in.Next(2);
        op.Flag = in.Next(2);
        break;
    case TKind::LabelFormat:
        op.Axis = in.Next(2);
        op.Index = in.Next(int(Formats.size()));
        break;
    case TKind::LabelAngle:
        op.Axis = in.Next(2);
        op.Count = in.From(Angles);
        break;
    case TKind::Font: {
        op.Axis = in.Next(5);
        op.Font = QFont(QString::fromUtf8(in.From(Families)));
        const int size = 5 + in.Next(20);
        // Point sizes depend on the resolution of what is painted on; pixel sizes do not.
        if (in.Next(2))
            op.Font.setPointSize(size);
        else
            op.Font.setPixelSize(size);
        op.Font.setBold(in.Next(2));
        break;
    }
    case TKind::FontSize:
        op.Axis = in.Next(5);
        op.Count = 5 + in.Next(20);
        break;
    case TKind::Title:
        op.Count = in.From(TitleLines);
        op.Index = in.Next(256) * 256 + in.Next(256);
        break;
    case TKind::Wheel:
        op.Count = in.From(WheelAngles);
        break;
    case TKind::Drag:
        op.From = QPoint(in.Next(100), in.Next(100));
        // Mostly across the plot, sometimes too short to count.
        op.To = in.Next(3) ? QPoint(in.Next(100), in.Next(100))
                           : op.From + QPoint(in.Next(12), in.Next(12));
        break;
    case TKind::Resize:
        op.Size = in.From(Sizes);
        break;
    case TKind::Ratio:
        op.Ratio = in.From(Ratios);
        break;
    case TKind::Active:
        op.Flag = in.Next(2);
        break;
    case TKind::Clear:
    case TKind::UndoZoom:
        break;
    }
    return op;
}

// The Y value of point i of a run: a saw of many rows, now and then not a number.
double RunY(const TChartOperation &op, int i) {
    if (op.Flag && i == op.Count - 1)
        return 500;
    const int wave = (i * 37 + op.Index * 11) % 101;
    return wave == 13 ? NaN : wave - 50;
}

QStringList TitleText(const TChartOperation &op) {
    QStringList lines;
    for (int i = 0; i < op.Count; ++i)
        lines << QStringLiteral("演習 %1").arg(op.Index * 2000 + i);
    return lines;
}

QString DescribeOne(const TChartOperation &op) {
    const QString axis = op.Axis ? QStringLiteral("bottom") : QStringLiteral("left");
    const auto number = [](double value) { return QString::number(value, 'g', 17); };
    switch (op.Kind) {
    case TKind::AddPoint:
        return QStringLiteral("add point (%1, %2)").arg(number(op.X), number(op.Y));
    case TKind::AddRun:
        return QStringLiteral("add %1 points from x %2 by %3, wave %4%5")
            .arg(op.Count)
            .arg(number(op.X), number(op.Y))
            .arg(op.Index)
            .arg(op.Flag ? QStringLiteral(", last at 500") : QString());
    case TKind::SetValue:
        return op.Flag ? QStringLiteral("set x of point %1 to %2").arg(op.Index).arg(number(op.X))
                       : QStringLiteral("set y of point %1 to %2").arg(op.Index).arg(number(op.Y));
    case TKind::DeletePoint:
        return QStringLiteral("delete point %1").arg(op.Index);
    case TKind::Clear:
        return QStringLiteral("clear points");
    case TKind::Minimum:
        return QStringLiteral("%1 axis minimum %2").arg(axis, number(op.X));
    case TKind::Maximum:
        return QStringLiteral("%1 axis maximum %2").arg(axis, number(op.X));
    case TKind::Automatic:
        return QStringLiteral("%1 axis automatic").arg(axis);
    case TKind::Inverted:
        return QStringLiteral("%1 axis inverted %2").arg(axis).arg(op.Flag);
    case TKind::LabelFormat:
        return QStringLiteral("%1 axis format \"%2\"")
            .arg(axis, QString::fromUtf8(Formats[std::size_t(op.Index)]));
    case TKind::LabelAngle:
        return QStringLiteral("%1 axis label angle %2").arg(axis).arg(op.Count);
    case TKind::Font:
        return QStringLiteral("font %1 = %2").arg(op.Axis).arg(op.Font.toString());
    case TKind::FontSize:
        return QStringLiteral("font %1 size %2").arg(op.Axis).arg(op.Count);
    case TKind::Title:
        return QStringLiteral("title of %1 lines from number %2").arg(op.Count).arg(op.Index);
    case TKind::Wheel:
        return QStringLiteral("wheel %1").arg(op.Count);
    case TKind::Drag:
        return QStringLiteral("drag from (%1%, %2%) to (%3%, %4%)")
            .arg(op.From.x())
            .arg(op.From.y())
            .arg(op.To.x())
            .arg(op.To.y());
    case TKind::UndoZoom:
        return QStringLiteral("undo zoom");
    case TKind::Resize:
        return QStringLiteral("resize to %1 x %2").arg(op.Size.width()).arg(op.Size.height());
    case TKind::Ratio:
        return QStringLiteral("device pixel ratio %1").arg(op.Ratio);
    case TKind::Active:
        return QStringLiteral("series active %1").arg(op.Flag);
    }
    return {};
}

// The chart's state, all that a picture may depend on.
struct TChartState {
    struct TFont {
        QFont Font;
        int Size = 0;
    };
    using TRange = TCustomChart::TSavedScale;
    struct TAxis {
        bool Inverted = false;
        QString Format;
        int Angle = 0;
    };
    std::vector<std::pair<double, double>> Points;
    bool Active = true;
    double Ratio = 1;
    QSize Size;
    QStringList Title;
    std::array<TFont, 5> Fonts;
    std::array<TAxis, 2> Axes;
    // Every axis's, in the chart's order: zooms and the wheel move them, and the ends an
    // automatic axis last found are where the wheel starts from.
    std::vector<TRange> Ranges;
};

TFastLineSeries &Series(TChart &chart) {
    return *static_cast<TFastLineSeries *>(chart.SeriesList().front());
}

TChartAxis &AxisOf(TChart &chart, int axis) { return axis ? chart.BottomAxis : chart.LeftAxis; }

TChartFont &FontOf(TChart &chart, int font) {
    switch (font) {
    case 0:
        return chart.Title.Font;
    case 1:
        return chart.LeftAxis.LabelsFont;
    case 2:
        return chart.BottomAxis.LabelsFont;
    case 3:
        return chart.LeftAxis.Title.Font;
    default:
        return chart.BottomAxis.Title.Font;
    }
}

// A chart as the progress graph sets it up, with titled axes.
void SetUp(TChart &chart, QSize size) {
    chart.resize(size);
    chart.SetView3D(false);
    chart.Legend.SetVisible(false);
    chart.Title.SetText({QStringLiteral("演習スピードグラフ")});
    chart.LeftAxis.Title.SetCaption(QStringLiteral("速さ"));
    chart.BottomAxis.Title.SetCaption(QStringLiteral("回"));
    chart.AddFastLineSeries()->SetSeriesColor(clRed);
}

void ReadRanges(TChart &chart, TChartState &state) {
    state.Ranges.clear();
    for (const TCustomChartAxis *axis : chart.Axes())
        state.Ranges.push_back({axis->Automatic(), axis->AutomaticMinimum(),
                                axis->AutomaticMaximum(), axis->Minimum(), axis->Maximum()});
}

TChartState StateOf(TChart &chart) {
    TChartState state;
    state.Size = chart.size();
    state.Title = chart.Title.Text();
    for (int i = 0; i < 5; ++i)
        state.Fonts[std::size_t(i)] = {FontOf(chart, i).Font(), FontOf(chart, i).Size()};
    for (int i = 0; i < 2; ++i)
        state.Axes[std::size_t(i)] = {AxisOf(chart, i).Inverted(),
                                      AxisOf(chart, i).AxisValuesFormat(),
                                      AxisOf(chart, i).LabelsAngle()};
    ReadRanges(chart, state);
    return state;
}

// Where the series puts a new point: after every point with the same or a smaller X, looking
// back from the end.
void AddToState(TChartState &state, double x, double y) {
    auto &points = state.Points;
    std::size_t at = points.size();
    while (at > 0 && x < points[at - 1].first)
        --at;
    points.insert(points.begin() + std::ptrdiff_t(at), {x, y});
}

void SendMouse(TChart &chart, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), chart.mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
}

QPoint PercentOf(QPoint percent, QSize size) {
    return {percent.x() * size.width() / 100, percent.y() * size.height() / 100};
}

void Apply(const TChartOperation &op, TChart &chart, TChartState &state) {
    TFastLineSeries &series = Series(chart);
    const int count = series.PointCount();
    switch (op.Kind) {
    case TKind::AddPoint:
        series.AddPointXY(op.X, op.Y, QString(), AutoColor);
        AddToState(state, op.X, op.Y);
        break;
    case TKind::AddRun:
        for (int i = 0; i < op.Count; ++i) {
            series.AddPointXY(op.X + i * op.Y, RunY(op, i), QString(), AutoColor);
            AddToState(state, op.X + i * op.Y, RunY(op, i));
        }
        break;
    case TKind::SetValue:
        if (count == 0)
            break;
        // Values written in place show once the program asks for a repaint.
        if (op.Flag) {
            series.XValues.SetValueAt(op.Index % count, op.X);
            state.Points[std::size_t(op.Index % count)].first = op.X;
        } else {
            series.YValues.SetValueAt(op.Index % count, op.Y);
            state.Points[std::size_t(op.Index % count)].second = op.Y;
        }
        series.RequestRepaint();
        break;
    case TKind::DeletePoint:
        if (count == 0)
            break;
        series.DeletePoint(op.Index % count);
        state.Points.erase(state.Points.begin() + op.Index % count);
        break;
    case TKind::Clear:
        series.ClearPoints();
        state.Points.clear();
        break;
    case TKind::Minimum:
    case TKind::Maximum:
        try {
            if (op.Kind == TKind::Minimum) {
                AxisOf(chart, op.Axis).SetAutomaticMinimum(false);
                AxisOf(chart, op.Axis).SetMinimum(op.X);
            } else {
                AxisOf(chart, op.Axis).SetAutomaticMaximum(false);
                AxisOf(chart, op.Axis).SetMaximum(op.X);
            }
        } catch (const AxisException &) {
            // The end on the wrong side of the other one is refused and the axis keeps its end.
        }
        break;
    case TKind::Automatic:
        AxisOf(chart, op.Axis).SetAutomatic(true);
        break;
    case TKind::Inverted:
        AxisOf(chart, op.Axis).SetInverted(op.Flag);
        state.Axes[std::size_t(op.Axis)].Inverted = op.Flag;
        break;
    case TKind::LabelFormat: {
        const QString format = QString::fromUtf8(Formats[std::size_t(op.Index)]);
        AxisOf(chart, op.Axis).SetAxisValuesFormat(format);
        state.Axes[std::size_t(op.Axis)].Format = format;
        break;
    }
    case TKind::LabelAngle:
        AxisOf(chart, op.Axis).SetLabelsAngle(op.Count);
        state.Axes[std::size_t(op.Axis)].Angle = op.Count;
        break;
    case TKind::Font:
        FontOf(chart, op.Axis).SetFont(op.Font);
        state.Fonts[std::size_t(op.Axis)].Font = op.Font;
        break;
    case TKind::FontSize: {
        // A size in points turns into a pixel size of the font.
        TChartFont &font = FontOf(chart, op.Axis);
        font.SetSize(op.Count);
        state.Fonts[std::size_t(op.Axis)] = {font.Font(), font.Size()};
        break;
    }
    case TKind::Title:
        chart.Title.SetText(TitleText(op));
        state.Title = TitleText(op);
        break;
    case TKind::Wheel: {
        const QPointF at(chart.width() / 2.0, chart.height() / 2.0);
        QWheelEvent event(at, chart.mapToGlobal(at), QPoint(), QPoint(0, op.Count), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&chart, &event);
        break;
    }
    case TKind::Drag: {
        const QPoint from = PercentOf(op.From, chart.size());
        const QPoint to = PercentOf(op.To, chart.size());
        SendMouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton);
        SendMouse(chart, QEvent::MouseMove, to, Qt::LeftButton);
        SendMouse(chart, QEvent::MouseButtonRelease, to, Qt::NoButton);
        break;
    }
    case TKind::UndoZoom:
        chart.UndoZoom();
        break;
    case TKind::Resize:
        chart.resize(op.Size);
        state.Size = op.Size;
        break;
    case TKind::Ratio:
        state.Ratio = op.Ratio;
        break;
    case TKind::Active:
        series.SetActive(op.Flag);
        state.Active = op.Flag;
        break;
    }
    ReadRanges(chart, state);
}

// A chart made in the state at once, as a program that had stored the state would make it.
void Build(TChart &chart, const TChartState &state) {
    SetUp(chart, state.Size);
    TFastLineSeries &series = Series(chart);
    // The points go in as they lie, in or out of order.
    series.XValues.SetOrder(loNone);
    for (const auto &[x, y] : state.Points)
        series.AddPointXY(x, y, QString(), AutoColor);
    series.XValues.SetOrder(loAscending);
    series.SetActive(state.Active);
    chart.Title.SetText(state.Title);
    for (int i = 0; i < 5; ++i) {
        FontOf(chart, i).SetSize(state.Fonts[std::size_t(i)].Size);
        FontOf(chart, i).SetFont(state.Fonts[std::size_t(i)].Font);
    }
    for (int i = 0; i < 2; ++i) {
        const TChartState::TAxis &axis = state.Axes[std::size_t(i)];
        AxisOf(chart, i).SetInverted(axis.Inverted);
        AxisOf(chart, i).SetAxisValuesFormat(axis.Format);
        AxisOf(chart, i).SetLabelsAngle(axis.Angle);
    }
    // The ranges as a stored description: the ends exactly, without the setters' checks.
    chart.SetLoading(true);
    for (std::size_t i = 0; i < state.Ranges.size(); ++i) {
        const TChartState::TRange &range = state.Ranges[i];
        TCustomChartAxis &axis = *chart.Axes()[i];
        axis.SetMinimum(range.Minimum);
        axis.SetMaximum(range.Maximum);
        axis.SetAutomaticMinimum(range.AutomaticMinimum);
        axis.SetAutomaticMaximum(range.AutomaticMaximum);
        axis.SetAutomatic(range.Automatic);
    }
    chart.SetLoading(false);
}

// The window's own paint at ratio 1, where a picture still valid is only copied; a full paint
// onto an image at other ratios.
QImage Paint(TChart &chart, double ratio) {
    if (ratio == 1)
        return chart.grab().toImage();
    QImage image(chart.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    chart.PaintTo(&image, TRect{0, 0, chart.width(), chart.height()});
    return image;
}

} // namespace

TChartOperations DecodeOperations(const std::uint8_t *data, std::size_t size,
                                  std::size_t maxOperations) {
    TChoices in(data, size);
    TChartOperations operations;
    while (!in.Done() && operations.size() < maxOperations)
        operations.push_back(Decode(in));
    return operations;
}

QString Describe(const TChartOperations &operations) {
    QString text;
    for (std::size_t i = 0; i < operations.size(); ++i)
        text += QStringLiteral("%1. %2\n").arg(i + 1).arg(DescribeOne(operations[i]));
    return text;
}

std::optional<TMismatch> FindMismatch(const TChartOperations &operations) {
    TChart chart;
    SetUp(chart, QSize(320, 200));
    TChartState state = StateOf(chart);
    for (std::size_t step = 0; step < operations.size(); ++step) {
        Apply(operations[step], chart, state);
        QImage tested = Paint(chart, state.Ratio);
        TChart fresh;
        Build(fresh, state);
        QImage expected = Paint(fresh, state.Ratio);
        if (tested != expected)
            return TMismatch{step, std::move(tested), std::move(expected)};
    }
    return std::nullopt;
}

TChartOperations Shrink(TChartOperations operations) {
    if (const auto mismatch = FindMismatch(operations))
        operations.resize(mismatch->Step + 1);
    for (std::size_t chunk = operations.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t at = 0; at + chunk <= operations.size();) {
            TChartOperations shorter = operations;
            shorter.erase(shorter.begin() + std::ptrdiff_t(at),
                          shorter.begin() + std::ptrdiff_t(at + chunk));
            if (FindMismatch(shorter))
                operations = std::move(shorter);
            else
                at += chunk;
        }
    }
    return operations;
}

QString ReportMismatch(const TChartOperations &failing, const QString &folder,
                       const QString &name) {
    const auto mismatch = FindMismatch(failing);
    if (!mismatch)
        return QStringLiteral("no mismatch in:\n") + Describe(failing);
    const QString tested = folder + QLatin1Char('/') + name + QStringLiteral("-tested.png");
    const QString fresh = folder + QLatin1Char('/') + name + QStringLiteral("-fresh.png");
    mismatch->Tested.save(tested);
    mismatch->Fresh.save(fresh);
    return QStringLiteral("After operation %1 of\n%2%3 pixels differ from a chart built in the "
                          "same state.\nPainted: %4\nBuilt afresh: %5\n")
        .arg(mismatch->Step + 1)
        .arg(Describe(failing))
        .arg(Differences(mismatch->Tested, mismatch->Fresh))
        .arg(tested, fresh);
}
