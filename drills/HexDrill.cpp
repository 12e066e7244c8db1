// The example item and the timed hexadecimal-to-binary drill on the page "16進⇒2進".
#include "main.h"

#include "AutoLabel.h"
#include "DrillSteps.h"
#include "DrillTime.h"
#include "HexFr.h"
#include "Panel.h"
#include "ProgressChart.h"
#include "RandomSource.h"
#include "TagButton.h"

#include <QTabWidget>

void TMainF::ExBtnClick() {
    if (ExBtn->Tag == 0) {
        ProcessRandom().ReseedRandom();
        ExAns = ProcessRandom().RandomBelow(16);
        THFr1->SetQuestion(ExAns);
        ShowDrillRunning(ExBtn, true, DrillTexts::ExampleStart, DrillTexts::ExampleFinish);
        ShowNumberTable();
        Announce({DrillTexts::Started(DrillTexts::Example), THFr1->HexPnl->SpokenName(),
                  DrillTexts::PageShown(ShownExplanation()),
                  DrillTexts::ButtonNow(DrillTexts::ExampleFinish)});
    } else {
        const bool correct = THFr1->GetAnswer() == ExAns;
        THFr1->ShowJudgement(correct);
        ShowDrillRunning(ExBtn, false, DrillTexts::ExampleStart, DrillTexts::ExampleFinish);
        Announce({DrillTexts::Finished(DrillTexts::Example), DrillTexts::Judgement(correct),
                  DrillTexts::ButtonNow(DrillTexts::ExampleStart)});
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
        ShowDrillRunning(ExamBtn, true);
        StartTime = clock.LocalNow();
        steadyStart = clock.SteadyNow();
        TimeLbl->SetCaption(QString());
        ShowNumberTable();
        Announce({DrillTexts::Started(DrillTexts::Drill), DrillTexts::ItemCount(HFrs.size()),
                  DrillTexts::PageShown(ShownExplanation()),
                  DrillTexts::ButtonNow(DrillTexts::DrillFinish)});
        return;
    }

    // The wall clock may be set or jump for daylight saving during a drill, so the duration
    // comes from the clock that never jumps; EndTime still records the wall-clock reading.
    EndTime = clock.LocalNow();
    const auto steadyElapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock.SteadyNow() - steadyStart);
    const double elapsed = MillisecondsToDays(steadyElapsed.count());
    TimeLbl->SetCaption(FormatDrillTime(elapsed));

    const std::vector<std::size_t> wrong = JudgeEveryFrame(HFrs, HexAns);
    if (!wrong.empty()) {
        ShowVerdict(AlarmLbl, false);
        const QStringList places = InReadingOrder(
            HFrs, wrong, [](const THFr *frame) { return frame->HexPnl->Caption(); }, true);
        Announce({DrillTexts::KeepGoing, DrillTexts::DrillTime(TimeLbl->text()),
                  DrillTexts::WrongItems(places), DrillTexts::ButtonNow(DrillTexts::DrillFinish)});
        return;
    }
    QStringList records;
    if (MaxTime == 0 || MaxTime > elapsed) {
        MaxTime = elapsed;
        MaxLbl->SetCaption(FormatDrillTime(MaxTime));
        Max2Lbl->SetCaption(FormatDrillTime(MaxTime));
        records << DrillTexts::NewFastest(FormatDrillTime(MaxTime));
    }
    if (MinTime == 0 || MinTime < elapsed) {
        MinTime = elapsed;
        Min2Lbl->SetCaption(FormatDrillTime(MinTime));
        records << DrillTexts::NewSlowest(FormatDrillTime(MinTime));
    }
    ShowVerdict(AlarmLbl, true);
    ShowDrillRunning(ExamBtn, false);
    ++ExamCount;
    AddProgressPoint(*Series1, ExamCount, elapsed);
    DescribeProgress();
    Announce(QStringList{DrillTexts::AllRight, DrillTexts::DrillTime(TimeLbl->text())} + records +
             QStringList{DrillTexts::Finished(DrillTexts::Drill),
                         DrillTexts::ButtonNow(DrillTexts::DrillStart)});
}

void TMainF::ShowNumberTable() {
    // The learner may look at the table of 0 to 15 while answering.
    PgControl1->setCurrentWidget(Find<QWidget>("TabSheet1"));
}
