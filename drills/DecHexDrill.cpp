// The untimed decimal/hexadecimal drill on the page "10進⇔16進".
#include "main.h"

#include "AutoLabel.h"
#include "DecHexFr.h"
#include "DrillSteps.h"
#include "DrillTexts.h"
#include "RandomSource.h"
#include "TagButton.h"

#include <QLabel>
#include <QTabWidget>

namespace {

// Which way a frame asks and how large its number may be, by frame number: the upper block
// asks hexadecimal to decimal, the lower one decimal to hexadecimal, and the last four frames
// of each block ask from a range twice as wide.
struct Question {
    std::uint8_t direction;
    std::int32_t bound;
};

Question QuestionFor(std::size_t frame) {
    constexpr std::int32_t narrow = 65356;
    constexpr std::int32_t wide = 2 * narrow;
    const std::uint8_t direction = frame <= 18 ? 0 : 1;
    const std::size_t inBlock = (frame - 1) % 18 + 1;
    return {direction, inBlock <= 14 ? narrow : wide};
}

} // namespace

void TMainF::ExamBtn2Click() {
    if (ExamBtn2->Tag == 0) {
        ProcessRandom().ReseedRandom();
        for (std::size_t i = 1; i <= DHFrs.size(); ++i) {
            const Question question = QuestionFor(i);
            const std::int32_t r = ProcessRandom().RandomBelow(question.bound);
            DecHexAns[i] = r;
            DHFrs[i]->SetQuestion(question.direction, r);
        }
        AlarmLbl2->SetCaption(QString());
        ShowDrillRunning(ExamBtn2, true);
        // The conversion methods help with this drill.
        PgControl1->setCurrentWidget(Find<QWidget>("TabSheet3"));
        Announce({DrillTexts::Started(DrillTexts::Drill), DrillTexts::ItemCount(DHFrs.size()),
                  DrillTexts::PageShown(ShownExplanation()),
                  DrillTexts::ButtonNow(DrillTexts::DrillFinish)});
        return;
    }

    const std::vector<std::size_t> wrong = JudgeEveryFrame(DHFrs, DecHexAns);
    ShowVerdict(AlarmLbl2, wrong.empty());
    if (wrong.empty()) {
        ShowDrillRunning(ExamBtn2, false);
        Announce({DrillTexts::AllRight, DrillTexts::Finished(DrillTexts::Drill),
                  DrillTexts::ButtonNow(DrillTexts::DrillStart)});
        return;
    }
    const QStringList questions = InReadingOrder(
        DHFrs, wrong, [](const TDHFr *frame) { return frame->QuesionLbl->text(); }, false);
    Announce({DrillTexts::KeepGoing, DrillTexts::WrongItems(questions),
              DrillTexts::ButtonNow(DrillTexts::DrillFinish)});
}
