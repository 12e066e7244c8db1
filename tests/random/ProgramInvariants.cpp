#include "ProgramInvariants.h"

#include "Chart.h"
#include "GuardedApplication.h"
#include "HexFr.h"
#include "Panel.h"
#include "Program.h"
#include "TagButton.h"

#include <cmath>

namespace {

// The drill count, which the window keeps to itself.
class DrillCount : public TMainF {
public:
    static std::int32_t Of(const TMainF &window) { return window.*(&DrillCount::ExamCount); }
};

// The captions that a drill button shows when idle (tag 0) and when running (tag 1).
std::pair<QString, QString> CaptionsOf(const TagButton *button) {
    if (button->objectName() == QLatin1String("ExBtn"))
        return {QStringLiteral("例開始"), QStringLiteral("例終了")};
    return {QStringLiteral("演習開始"), QStringLiteral("演習終了")};
}

QString Join(const QString &a, const QString &b) {
    return a.isEmpty() ? b : b.isEmpty() ? a : a + QLatin1Char('\n') + b;
}

} // namespace

ProgramInvariants::ProgramInvariants(const TProgram &program) : program(program) {}

QString ProgramInvariants::Check() {
    QString wrong;
    if (GuardedApplication *application = GuardedApplication::Instance())
        for (const QString &escaped : application->TakeEscaped())
            wrong = Join(wrong, QStringLiteral("escaped from a handler: ") + escaped);
    const int tag = program.MainF.ExamBtn->Tag;
    if (examTag == 1 && tag == 0)
        ++finishedDrills;
    examTag = tag;
    return Join(Join(wrong, CheckButtons()), Join(CheckBitCells(), CheckGraph()));
}

QString ProgramInvariants::CheckButtons() const {
    QString wrong;
    for (const TagButton *button : program.MainF.findChildren<TagButton *>()) {
        const auto [idle, running] = CaptionsOf(button);
        const QString expected = button->Tag == 0 ? idle : button->Tag == 1 ? running : QString();
        if (button->text() != expected)
            wrong = Join(wrong, QStringLiteral("%1 has tag %2 and caption \"%3\"")
                                    .arg(button->objectName())
                                    .arg(button->Tag)
                                    .arg(button->text()));
    }
    return wrong;
}

QString ProgramInvariants::CheckBitCells() const {
    QString wrong;
    for (const THFr *frame : program.MainF.findChildren<THFr *>())
        for (const Panel *cell : {frame->H0Pnl, frame->H1Pnl, frame->H2Pnl, frame->H3Pnl})
            if ((cell->Tag != 0 && cell->Tag != 1) || cell->Caption() != QString::number(cell->Tag))
                wrong = Join(wrong, QStringLiteral("%1.%2 has tag %3 and caption \"%4\"")
                                        .arg(frame->objectName(), cell->objectName())
                                        .arg(cell->Tag)
                                        .arg(cell->Caption()));
    return wrong;
}

QString ProgramInvariants::CheckGraph() const {
    QString wrong;
    for (const TChartSeries *series : program.MainF.Chart1->SeriesList()) {
        const std::size_t points = std::size_t(series->PointCount());
        bool even = series->PointColors.size() == points && series->PointLabels.size() == points;
        for (const TChartValueList *list : series->AllValueLists)
            even = even && std::size_t(list->ValueCount()) == points;
        if (!even)
            wrong = Join(wrong, QStringLiteral("a series' lists differ in length"));
    }
    const TFastLineSeries &line = *program.MainF.Series1;
    const int drills = DrillCount::Of(program.MainF);
    if (drills != line.PointCount() || drills != finishedDrills)
        wrong = Join(wrong, QStringLiteral("%1 drills counted, %2 finished, %3 points")
                                .arg(drills)
                                .arg(finishedDrills)
                                .arg(line.PointCount()));
    // Drill times come from the clock that never runs backwards.
    for (int i = 0; i < line.PointCount(); ++i)
        if (!std::isfinite(line.YValues.ValueAt(i)) || line.YValues.ValueAt(i) < 0)
            wrong = Join(
                wrong,
                QStringLiteral("drill %1 took %2 days").arg(i + 1).arg(line.YValues.ValueAt(i)));
    return wrong;
}
