#pragma once

// What a program does to a chart, as a sequence decoded from bytes, and a chart put through
// such a sequence held against a chart built afresh in the state the sequence leaves: after
// every operation both are painted and must show the same pixels.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct TChartOperation {
    enum class TKind : std::uint8_t {
        AddPoint,
        AddRun,
        SetValue,
        DeletePoint,
        Clear,
        Minimum,
        Maximum,
        Automatic,
        Inverted,
        LabelFormat,
        LabelAngle,
        Font,
        FontSize,
        Title,
        Wheel,
        Drag,
        UndoZoom,
        Resize,
        Ratio,
        Active,
    };
    TKind Kind = TKind::Clear;
    int Axis = 0;  // 0 the left axis, 1 the bottom one; for fonts, which font
    int Index = 0; // a point (taken modulo the count), a format, a first title number
    int Count = 0; // points of a run, lines of a title, wheel angle units, degrees, points
    double X = 0;
    double Y = 0;
    bool Flag = false;
    QFont Font;
    QPoint From; // drag ends in percent of the chart's size
    QPoint To;
    QSize Size;
    double Ratio = 1;
};

using TChartOperations = std::vector<TChartOperation>;

// As many operations as the bytes make, at most maxOperations; every byte sequence makes some.
TChartOperations DecodeOperations(const std::uint8_t *data, std::size_t size,
                                  std::size_t maxOperations);

// One operation a line, numbered, for a person reading a failure.
QString Describe(const TChartOperations &operations);

struct TMismatch {
    std::size_t Step = 0; // the operation after which the pictures differ
    QImage Tested;
    QImage Fresh;
};

// Puts one chart through the operations, comparing after each; the first difference.
std::optional<TMismatch> FindMismatch(const TChartOperations &operations);

// A failing sequence cut down, operations and runs of them deleted while it still fails.
TChartOperations Shrink(TChartOperations operations);

// The shortest failing sequence in words, with both pictures saved as PNG files in folder.
QString ReportMismatch(const TChartOperations &failing, const QString &folder, const QString &name);
