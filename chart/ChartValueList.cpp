#include "ChartValueList.h"

#include "ChartSeries.h"
#include "StoreChanged.h"

#include <cmath>
#include <stdexcept>

namespace {

// Lists of millions of values are common; growing by a quarter rather than doubling keeps the
// room held beyond the values small, at the price of a few more moves while they are added.
void MakeRoomForOne(std::vector<double> &values) {
    if (values.size() == values.capacity())
        values.reserve(values.size() + values.size() / 4 + 16);
}

} // namespace

TChartValueList::TChartValueList(TChartSeries *owner, QString name, TChartListOrder order,
                                 bool dateTime)
    : Owner(owner), dateTime(dateTime), name(std::move(name)), order(order) {}

void TChartValueList::CheckIndex(int index) const {
    if (index < 0 || index >= ValueCount())
        throw std::out_of_range(QStringLiteral("リストのインデックスが範囲を超えています (%1)")
                                    .arg(index)
                                    .toStdString());
}

double TChartValueList::ValueAt(int index) const {
    CheckIndex(index);
    return values[std::size_t(index)] * multiplier;
}

void TChartValueList::SetValueAt(int index, double value) {
    CheckIndex(index);
    values[std::size_t(index)] = value;
    MarkStale();
    if (ordering == TOrdering::Unordered)
        ordering = TOrdering::Unknown; // the value that broke the order may be gone
    NoteWrittenAt(std::size_t(index));
}

void TChartValueList::ClearAllValues() {
    values.clear();
    values.shrink_to_fit();
    MarkStale();
    ordering = TOrdering::Ascending;
}

void TChartValueList::NoteWrittenAt(std::size_t index) {
    if (ordering != TOrdering::Ascending)
        return;
    // Comparisons with a value that is no number fail, which breaks the order as it should.
    const double value = values[index];
    if (std::isnan(value)) {
        ordering = TOrdering::Unordered;
        return;
    }
    const bool afterPrevious = index == 0 || values[index - 1] <= value;
    const bool beforeNext = index + 1 == values.size() || value <= values[index + 1];
    if (!(afterPrevious && beforeNext))
        ordering = TOrdering::Unordered;
}

bool TChartValueList::RawAscending() const {
    if (ordering == TOrdering::Unknown) {
        bool ascending = values.empty() || !std::isnan(values.front());
        for (std::size_t i = 1; ascending && i < values.size(); ++i)
            ascending = values[i - 1] <= values[i];
        ordering = ascending ? TOrdering::Ascending : TOrdering::Unordered;
    }
    return ordering == TOrdering::Ascending;
}

int TChartValueList::AddInOrder(double value) {
    MarkStale();
    const bool ascending = order == loAscending;
    if (order == loNone || values.empty() || (ascending && !(value < values.back())) ||
        (!ascending && !(value > values.back()))) {
        MakeRoomForOne(values);
        values.push_back(value);
        NoteWrittenAt(values.size() - 1);
        return int(values.size()) - 1;
    }
    // Step back past every value the new one must precede; it lands after equal values.
    std::size_t at = values.size() - 1;
    while (at > 0 && (ascending ? value < values[at - 1] : value > values[at - 1]))
        --at;
    MakeRoomForOne(values);
    values.insert(values.begin() + std::ptrdiff_t(at), value);
    NoteWrittenAt(at);
    return int(at);
}

void TChartValueList::InsertValueAt(int index, double value) {
    if (index < 0 || index > ValueCount())
        CheckIndex(index);
    MakeRoomForOne(values);
    values.insert(values.begin() + index, value);
    MarkStale();
    NoteWrittenAt(std::size_t(index));
}

void TChartValueList::DeleteValueAt(int index) {
    CheckIndex(index);
    values.erase(values.begin() + index);
    MarkStale();
    // Taking a value out keeps an order; it may also mend a broken one.
    if (ordering == TOrdering::Unordered)
        ordering = TOrdering::Unknown;
}

void TChartValueList::RotateValues() {
    if (values.size() > 1) {
        const double first = values.front();
        values.erase(values.begin());
        values.push_back(first);
        ordering = TOrdering::Unknown;
    }
    MarkStale();
}

void TChartValueList::SetDateTime(bool value) {
    StoreChanged(dateTime, value, [this] {
        if (Owner)
            Owner->RequestRepaint();
    });
}

void TChartValueList::SetMultiplier(double value) {
    StoreChanged(multiplier, value, [this] {
        MarkStale();
        if (Owner)
            Owner->RequestRepaint();
    });
}

void TChartValueList::RecomputeStatistics() const {
    statsStale = false;
    if (values.empty()) {
        highestValue = lowestValue = valueSum = absValueSum = 0;
        return;
    }
    double w = values[0] * multiplier;
    lowestValue = highestValue = valueSum = w;
    absValueSum = std::fabs(w);
    for (std::size_t i = 1; i < values.size(); ++i) {
        w = values[i] * multiplier;
        if (w < lowestValue)
            lowestValue = w;
        else if (w > highestValue)
            highestValue = w;
        valueSum += w;
        absValueSum += std::fabs(w);
    }
}

double TChartValueList::HighestValue() const {
    if (statsStale)
        RecomputeStatistics();
    return highestValue;
}

double TChartValueList::LowestValue() const {
    if (statsStale)
        RecomputeStatistics();
    return lowestValue;
}

double TChartValueList::ValueSum() const {
    if (statsStale)
        RecomputeStatistics();
    return valueSum;
}

double TChartValueList::AbsValueSum() const {
    if (statsStale)
        RecomputeStatistics();
    return absValueSum;
}
