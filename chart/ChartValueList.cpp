#include "ChartValueList.h"

#include <QString>
#include <algorithm>
#include <stdexcept>

double TChartValueList::ValueAt(std::size_t index) const {
    if (index >= values.size())
        throw std::out_of_range(QStringLiteral("リストのインデックスが範囲を超えています (%1)")
                                    .arg(index)
                                    .toStdString());
    return values[index];
}

void TChartValueList::InsertValueAt(std::size_t index, double value) {
    values.insert(values.begin() + std::ptrdiff_t(std::min(index, values.size())), value);
}
