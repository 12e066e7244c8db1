#pragma once

#include <QString>
#include <cstddef>
#include <vector>

// One ordered list of values of a series (its X or its Y values).
class TChartValueList {
public:
    explicit TChartValueList(QString name) : Name(std::move(name)) {}

    std::size_t ValueCount() const { return values.size(); }
    // Throws std::out_of_range for an index outside the list.
    double ValueAt(std::size_t index) const;
    void InsertValueAt(std::size_t index, double value);
    void ClearAllValues() { values.clear(); }

    QString Name;
    bool DateTime = false;

private:
    std::vector<double> values;
};
