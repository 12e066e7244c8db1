#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class TChartSeries;

enum TChartListOrder : std::uint8_t { loNone = 0, loAscending = 1, loDescending = 2 };

// One list of values of a series (its X or its Y values), in the order its Order asks for,
// with cached statistics of the values as read out (raw value times Multiplier).
class TChartValueList {
public:
    TChartValueList(TChartSeries *owner, QString name, TChartListOrder order, bool dateTime);
    virtual ~TChartValueList() = default;
    TChartValueList(const TChartValueList &) = delete;
    TChartValueList &operator=(const TChartValueList &) = delete;

    // Indices outside 0 ... ValueCount() - 1 throw std::out_of_range naming the index.
    virtual double ValueAt(int index) const;
    virtual void SetValueAt(int index, double value);
    virtual void ClearAllValues();
    // Puts the value where the order wants it, after any equal values; returns its index.
    virtual int AddInOrder(double value);
    virtual void InsertValueAt(int index, double value);
    virtual int ValueCount() const { return int(values.size()); }
    virtual void DeleteValueAt(int index);
    // Moves the first value to the end.
    virtual void RotateValues();

    double LastValue() const { return ValueAt(ValueCount() - 1); }
    double HighestValue() const;
    double LowestValue() const;
    double ValueSum() const;
    double AbsValueSum() const;

    bool DateTime() const { return dateTime; }
    void SetDateTime(bool value);
    QString Name() const { return name; }
    void SetName(const QString &value) { name = value; }
    double Multiplier() const { return multiplier; }
    void SetMultiplier(double value);
    TChartListOrder Order() const { return order; }
    // Keeps the values where they are; only later additions follow the new order.
    void SetOrder(TChartListOrder value) { order = value; }
    QString ValueSource;

    // The value on its way in while a point is being added; a handler may change it.
    double PendingValue = 0;
    TChartSeries *const Owner;

    std::size_t Capacity() const { return values.capacity(); }
    // The stored values before the multiplier, for loops that read many at once: value i is
    // RawValues()[i] * Multiplier(), exactly as ValueAt gives it.
    const double *RawValues() const { return values.data(); }
    // Whether the stored values are all numbers, none below the one before it, so that a search
    // may bisect them. Kept up to date as values come and go, so asking is cheap.
    bool RawAscending() const;
    // Counts the changes of the stored values and of the multiplier: what was worked out from
    // them holds while the count stays.
    std::uint64_t Changes() const { return changes; }

private:
    void CheckIndex(int index) const;
    void MarkStale() {
        statsStale = true;
        ++changes;
    }
    // Brings the ordering knowledge up to date after values[index] has been written or added.
    void NoteWrittenAt(std::size_t index);
    void RecomputeStatistics() const;

    bool dateTime;
    std::vector<double> values; // raw values, as added
    QString name;
    double multiplier = 1.0;
    TChartListOrder order;

    mutable double highestValue = 0;
    mutable double lowestValue = 0;
    mutable double valueSum = 0;
    mutable double absValueSum = 0;
    mutable bool statsStale = true;
    std::uint64_t changes = 0;
    enum class TOrdering : std::uint8_t { Ascending, Unordered, Unknown };
    mutable TOrdering ordering = TOrdering::Ascending;
};

// The value lists of one series in creation order: the X list, then the Y list.
using TChartValueLists = std::vector<TChartValueList *>;
