// The example item and the timed hexadecimal-to-binary drill on the page "16進⇒2進".
#include "main.h"

#include "AutoLabel.h"
#include "Chart.h"
#include "ColorValue.h"
#include "DrillMessage.h"
#include "DrillTime.h"
#include "HexFr.h"
#include "RandomSource.h"
#include "TagButton.h"

#include <QTabWidget>

namespace {

constexpr int ExplanationTablePage = 1;

} // namespace

void TMainF::ExBtnClick() {
    if (ExBtn->Tag == 0) {
        ProcessRandom().ReseedRandom();
        ExAns = ProcessRandom().RandomBelow(16);
        THFr1->SetQuestion(ExAns);
        ExBtn->Tag = 1;
        ExBtn->setText(QStringLiteral("例終了"));
        PgControl1->setCurrentIndex(ExplanationTablePage);
    } else {
        THFr1->ShowJudgement(THFr1->GetAnswer() == ExAns);
        ExBtn->Tag = 0;
        ExBtn->setText(QStringLiteral("例開始"));
    }
}

void TMainF::ExamBtnClick() {
    if (ExamBtn->Tag == 0) {
        ProcessRandom().ReseedRandom();
        for (std::size_t i = 1; i <= HFrs.size(); ++i) {
            const std::int32_t v = ProcessRandom().RandomBelow(16);
            HexAns[i] = v;
            HFrs[i]->SetQuestion(v);
        }
        AlarmLbl->SetCaption(QString());
        ExamBtn->Tag = 1;
        ExamBtn->setText(QStringLiteral("演習終了"));
        StartTime = clock.LocalNow();
        steadyStart = clock.SteadyNow();
        TimeLbl->SetCaption(QString());
        PgControl1->setCurrentIndex(ExplanationTablePage);
        return;
    }

    // The wall clock may be set or jump for daylight saving during a drill, so the duration
    // comes from the clock that never jumps; EndTime still records the wall-clock reading.
    EndTime = clock.LocalNow();
    const auto steadyElapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock.SteadyNow() - steadyStart);
    const double elapsed = MillisecondsToDays(steadyElapsed.count());
    TimeLbl->SetCaption(FormatDrillTime(elapsed));

    bool allCorrect = true;
    for (std::size_t i = 1; i <= HFrs.size(); ++i) {
        const bool correct = HFrs[i]->GetAnswer() == HexAns[i];
        allCorrect = allCorrect && correct;
        HFrs[i]->ShowJudgement(correct);
    }

    if (!allCorrect) {
        ShowDrillMessage(AlarmLbl, false);
        return;
    }
    if (MaxTime == 0 || MaxTime > elapsed) {
        MaxTime = elapsed;
        MaxLbl->SetCaption(FormatDrillTime(MaxTime));
        Max2Lbl->SetCaption(FormatDrillTime(MaxTime));
    }
    if (MinTime == 0 || MinTime < elapsed) {
        MinTime = elapsed;
        Min2Lbl->SetCaption(FormatDrillTime(MinTime));
    }
    ShowDrillMessage(AlarmLbl, true);
    ExamBtn->Tag = 0;
    ExamBtn->setText(QStringLiteral("演習開始"));
    ++ExamCount;
    Series1->AddPointXY(ExamCount, elapsed, QString(), AutoColor);
    DescribeProgress();
}

void TMainF::DescribeProgress() {
    // For screen readers, which cannot see the graph: how many drills, the fastest, the slowest.
    Chart1->setAccessibleName(Chart1->Title.Text().join(QLatin1Char(' ')));
    Chart1->setAccessibleDescription(
        ExamCount == 0 ? QStringLiteral("演習の記録はまだありません")
                       : QStringLiteral("%1 回の演習　最速タイム %2　最低タイム %3")
                             .arg(ExamCount)
                             .arg(FormatDrillTime(MaxTime), FormatDrillTime(MinTime)));
}
