#include "ChartAccessible.h"

#include "ChartPoints.h"
#include "ChartSeries.h"
#include "CustomChart.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace {

// One point of the chart, as a list item named by the chart's description of it. It follows
// its place in the list, so that it tells whatever point stands there now.
class ChartPointAccessible : public QAccessibleInterface {
public:
    ChartPointAccessible(TCustomChart *chart, int position) : chart(chart), position(position) {}

    bool isValid() const override { return Point().has_value(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return chart ? chart->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override {
        return QAccessible::queryAccessibleInterface(chart.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        const std::optional<TChartPointRef> point = Point();
        if (!point || kind != QAccessible::Name)
            return QString();
        return chart->DescribePoint(*point->Series, point->Index);
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override {
        if (!Point())
            return QRect();
        // The items stand as lines of text over the chart, top to bottom in list order, so that
        // a screen reader reviewing the screen line by line reads each one. They share the
        // chart's height once there are more than fit at a line's height each.
        constexpr int lineHeight = 16;
        const QRect area = chart->rect().adjusted(4, 4, -4, -4);
        const int count = TChartPoints(*chart).Count();
        const int height = std::max(1, std::min(lineHeight, area.height() / std::max(1, count)));
        const QRect line(area.left(), area.top() + position * height, area.width(), height);
        return QRect(chart->mapToGlobal(line.topLeft()), line.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    std::optional<TChartPointRef> Point() const {
        if (!chart)
            return std::nullopt;
        return TChartPoints(*chart).At(position);
    }

    QPointer<TCustomChart> chart;
    int position;
};

// The chart itself, with an item for every point after whatever widgets it holds.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(TCustomChart *chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    ~ChartAccessible() override {
        for (QAccessible::Id id : items)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return WidgetCount() + Points().Count(); }
    QAccessibleInterface *child(int index) const override {
        if (index < WidgetCount())
            return QAccessibleWidget::child(index);
        const int position = index - WidgetCount();
        if (position >= Points().Count())
            return nullptr;
        while (int(items.size()) <= position) {
            auto *item = new ChartPointAccessible(Chart(), int(items.size()));
            items.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(items[std::size_t(position)]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == id)
                return WidgetCount() + int(i);
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    TCustomChart *Chart() const { return static_cast<TCustomChart *>(widget()); }
    TChartPoints Points() const { return TChartPoints(*Chart()); }
    int WidgetCount() const { return QAccessibleWidget::childCount(); }

    // Point items made so far, by their place in the list; they live as long as this does.
    mutable std::vector<QAccessible::Id> items;
};

QAccessibleInterface *ChartFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("TCustomChart") && object && object->isWidgetType())
        return new ChartAccessible(static_cast<TCustomChart *>(object));
    return nullptr;
}

} // namespace

void InstallChartAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ChartFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void AnnouncePointAdded(TCustomChart *chart, const TChartSeries *series, int index) {
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(chart);
    if (!accessible)
        return;
    const int position = TChartPoints(*chart).PositionOf(series, index);
    QAccessibleInterface *item =
        accessible->child(accessible->childCount() - TChartPoints(*chart).Count() + position);
    if (!item)
        return;
    QAccessibleEvent created(item, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
}
