#pragma once

#include <QString>
#include <stdexcept>

// Raised by a chart property setter that refuses a value; the property keeps its old value.
class ChartException : public std::runtime_error {
public:
    explicit ChartException(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

// Raised by an axis property setter that refuses a value.
class AxisException : public ChartException {
public:
    using ChartException::ChartException;
};
