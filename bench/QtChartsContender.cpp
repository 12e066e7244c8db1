#include "Contender.h"

#include <QApplication>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <cmath>

namespace {

// About ten labels along the bottom, at steps of 1, 2 or 5 times a power of ten.
double LabelStep(TRange x) {
    const double least = (x.High - x.Low) / 10;
    const double power = std::pow(10, std::floor(std::log10(least)));
    for (double step : {1.0, 2.0, 5.0})
        if (step * power >= least)
            return step * power;
    return 10 * power;
}

// A Qt Charts view without a frame, its plot area fixed on ours. It repaints after a change of
// range when the events waiting are handled, as it would in the program's event loop; asked
// to repaint at once as well, it would paint twice.
class TQtChartsContender : public TContender {
public:
    explicit TQtChartsContender(const QRect &plotArea) : chart(new QChart), view(chart) {
        series->setPen(QPen(Qt::red, 1));
        chart->addSeries(series);
        chart->setTitle(ChartTitle());
        chart->setTitleFont(TextFont());
        chart->legend()->hide();
        chart->setMargins(QMargins());
        chart->layout()->setContentsMargins(0, 0, 0, 0);
        bottom->setTitleText(BottomTitle());
        bottom->setTitleFont(TextFont());
        bottom->setLabelsFont(TextFont());
        bottom->setLabelFormat(QStringLiteral("%g"));
        bottom->setTickType(QValueAxis::TicksDynamic);
        bottom->setTickAnchor(0);
        left->setTitleText(LeftTitle());
        left->setTitleFont(TextFont());
        left->setLabelsVisible(false);
        left->setGridLineVisible(false);
        chart->addAxis(bottom, Qt::AlignBottom);
        chart->addAxis(left, Qt::AlignLeft);
        series->attachAxis(bottom);
        series->attachAxis(left);
        view.setFrameShape(QFrame::NoFrame);
        view.setRenderHint(QPainter::Antialiasing, false);
        view.setRenderHint(QPainter::TextAntialiasing, false);
        view.resize(ChartWidth, ChartHeight);
        view.show();
        QApplication::processEvents();
        chart->setPlotArea(QRectF(plotArea));
        QApplication::processEvents();
    }

    void Add(const TPoints &points) override {
        QList<QPointF> list;
        list.reserve(points.x.size());
        for (qsizetype i = 0; i < points.x.size(); ++i)
            list.append(QPointF(points.x[i], points.y[i]));
        series->replace(list);
    }

    void Show(TRange x, TRange y) override {
        shownX = x;
        shownY = y;
        bottom->setTickInterval(LabelStep(x));
        bottom->setRange(x.Low, x.High);
        left->setRange(y.Low, y.High);
    }

    void Wheel(int notches) override { Show(shownX, WheelShifted(shownY, notches)); }

    QWidget &Painted() override { return *view.viewport(); }

private:
    QLineSeries *series = new QLineSeries;
    QValueAxis *bottom = new QValueAxis;
    QValueAxis *left = new QValueAxis;
    QChart *chart;
    QChartView view;
    TRange shownX{0, 1};
    TRange shownY{0, 1};
};

} // namespace

std::unique_ptr<TContender> MakeQtCharts(const QRect &plotArea) {
    return std::make_unique<TQtChartsContender>(plotArea);
}
