// How long the progress graph takes to draw N drills, against QCustomPlot and Qt Charts drawing
// the same points at the same size, and against merely reading the points and converting them
// to pixels. Every measurement uses the same data: x = 1 ... N, y uniform in 0 ... 4 minutes.
#include "Appearance.h"
#include "Chart.h"
#include "ProgressChart.h"

#include <QApplication>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPixmap>
#include <QValueAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <cstdint>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr int Width = 561;
constexpr int Height = 255;
constexpr double FourMinutes = 4.0 / 1440;
const QString Title = QStringLiteral("演習スピードグラフ");

struct TPoints {
    QVector<double> x;
    QVector<double> y;
};

const TPoints &Points(int n) {
    static std::map<int, TPoints> made;
    auto found = made.find(n);
    if (found != made.end())
        return found->second;
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> minutes(0, FourMinutes);
    TPoints points;
    points.x.reserve(n);
    points.y.reserve(n);
    for (int i = 1; i <= n; ++i) {
        points.x.push_back(i);
        points.y.push_back(minutes(random));
    }
    return made.emplace(n, std::move(points)).first->second;
}

// The progress graph as the window sets it up, holding the points.
struct TProgressGraph {
    explicit TProgressGraph(int n) {
        chart.resize(Width, Height);
        series = chart.AddFastLineSeries();
        SetUpProgressChart(chart, *series);
        chart.LeftAxis.SetRange(0, FourMinutes);
        const TPoints &points = Points(n);
        for (int i = 0; i < n; ++i)
            series->AddPointXY(points.x[i], points.y[i], QString(), AutoColor);
    }

    void Repaint(QImage &image) {
        chart.Canvas.MarkNeedsRedraw();
        chart.PaintTo(&image, TRect{0, 0, Width, Height});
    }

    TChart chart;
    TFastLineSeries *series = nullptr;
};

bool HasRed(const QImage &image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0))
                return true;
    return false;
}

void BM_RadixtrekRepaint(benchmark::State &state) {
    TProgressGraph graph(int(state.range(0)));
    QImage image(Width, Height, QImage::Format_RGB32);
    graph.Repaint(image);
    if (!HasRed(image))
        state.SkipWithError("no line drawn");
    for (auto _ : state) {
        graph.Repaint(image);
        benchmark::ClobberMemory();
    }
}

void BM_RadixtrekAddPointXY(benchmark::State &state) {
    const int n = int(state.range(0));
    const TPoints &points = Points(n);
    TProgressGraph graph(0);
    for (auto _ : state) {
        graph.series->ClearPoints();
        for (int i = 0; i < n; ++i)
            graph.series->AddPointXY(points.x[i], points.y[i], QString(), AutoColor);
    }
}

// Only the line: what the chart's series painting does, on a picture already laid out.
void BM_RadixtrekLineOnly(benchmark::State &state) {
    TProgressGraph graph(int(state.range(0)));
    QImage image(Width, Height, QImage::Format_RGB32);
    graph.Repaint(image);
    TChartCanvas3D &canvas = graph.chart.Canvas;
    const TRect &plot = graph.chart.PlotRect;
    canvas.SetTarget(&image);
    canvas.ClipTo(TRect{plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom - 1});
    for (auto _ : state) {
        graph.series->FindShownRange();
        graph.series->DrawPoints();
        benchmark::ClobberMemory();
    }
    canvas.SetTarget(&graph.chart);
}

// The least any drawing must do: read every point and turn it into pixels, the way the line
// drawing does.
void BM_ReadAndConvertFloor(benchmark::State &state) {
    const int n = int(state.range(0));
    TProgressGraph graph(n);
    QImage image(Width, Height, QImage::Format_RGB32);
    graph.Repaint(image); // lays the axes out
    const TAxisPixels<> toX(graph.chart.BottomAxis.Map(), true);
    const TAxisPixels<> toY(graph.chart.LeftAxis.Map(), false);
    const TFastLineSeries &series = *graph.series;
    const double *xs = series.XValues.RawValues();
    const double *ys = series.YValues.RawValues();
    const double xMultiplier = series.XValues.Multiplier();
    const double yMultiplier = series.YValues.Multiplier();
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int i = 0; i < n; ++i)
            sum += toX(xs[i] * xMultiplier) + toY(ys[i] * yMultiplier);
        benchmark::DoNotOptimize(sum);
    }
}

// The same through the axes' own conversion calls.
void BM_ReadAndConvertWithAxisCalls(benchmark::State &state) {
    const int n = int(state.range(0));
    TProgressGraph graph(n);
    QImage image(Width, Height, QImage::Format_RGB32);
    graph.Repaint(image);
    const TChartAxis &bottom = graph.chart.BottomAxis;
    const TChartAxis &left = graph.chart.LeftAxis;
    const TFastLineSeries &series = *graph.series;
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int i = 0; i < n; ++i)
            sum += bottom.XValueToPos(series.XValues.ValueAt(i)) +
                   left.YValueToPos(series.YValues.ValueAt(i));
        benchmark::DoNotOptimize(sum);
    }
}

void BM_QCustomPlotReplot(benchmark::State &state) {
    const int n = int(state.range(0));
    const TPoints &points = Points(n);
    QCustomPlot plot;
    plot.resize(Width, Height);
    plot.setNotAntialiasedElements(QCP::aeAll);
    plot.plotLayout()->insertRow(0);
    plot.plotLayout()->addElement(0, 0, new QCPTextElement(&plot, Title));
    QCPGraph *graph = plot.addGraph();
    graph->setPen(QPen(Qt::red));
    graph->setData(points.x, points.y, true);
    plot.xAxis->setRange(1, std::max(n, 2));
    plot.xAxis->setLabel(QStringLiteral("演習回数"));
    plot.yAxis->setRange(0, FourMinutes);
    plot.yAxis->setLabel(QStringLiteral("演習時間"));
    if (!HasRed(plot.toPixmap(Width, Height).toImage()))
        state.SkipWithError("no line drawn");
    for (auto _ : state) {
        QPixmap pixmap = plot.toPixmap(Width, Height);
        benchmark::DoNotOptimize(pixmap);
    }
}

void BM_QtChartsRender(benchmark::State &state) {
    const int n = int(state.range(0));
    const TPoints &points = Points(n);
    QList<QPointF> list;
    list.reserve(n);
    for (int i = 0; i < n; ++i)
        list.append(QPointF(points.x[i], points.y[i]));
    auto *series = new QLineSeries;
    series->replace(list);
    series->setPen(QPen(Qt::red));
    auto *chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(Title);
    chart->legend()->hide();
    auto *x = new QValueAxis;
    x->setRange(1, std::max(n, 2));
    x->setTitleText(QStringLiteral("演習回数"));
    auto *y = new QValueAxis;
    y->setRange(0, FourMinutes);
    y->setTitleText(QStringLiteral("演習時間"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing, false);
    view.resize(Width, Height);
    view.show();
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
    QImage image(Width, Height, QImage::Format_RGB32);
    const auto render = [&] {
        QPainter painter(&image);
        view.render(&painter);
    };
    render();
    if (!HasRed(image))
        state.SkipWithError("no line drawn");
    for (auto _ : state) {
        render();
        benchmark::ClobberMemory();
    }
}

void Sizes(benchmark::internal::Benchmark *benchmark) {
    benchmark->Arg(10)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_RadixtrekRepaint)->Apply(Sizes);
BENCHMARK(BM_RadixtrekAddPointXY)->Apply(Sizes);
BENCHMARK(BM_RadixtrekLineOnly)->Apply(Sizes);
BENCHMARK(BM_ReadAndConvertFloor)->Apply(Sizes);
BENCHMARK(BM_ReadAndConvertWithAxisCalls)->Apply(Sizes);
BENCHMARK(BM_QCustomPlotReplot)->Apply(Sizes);
BENCHMARK(BM_QtChartsRender)->Apply(Sizes);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Showing the Qt Charts view on the headless platform warns each time; nothing else is quiet.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.contains(QLatin1String("propagateSizeHints")))
                standard(type, context, text);
        });
    QApplication application(argc, argv);
    SetUpAppearance();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
