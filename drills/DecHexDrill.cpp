// The untimed decimal/hexadecimal drill on the page "10進⇔16進".
#include "main.h"

#include "AutoLabel.h"
#include "DecHexFr.h"
#include "DrillMessage.h"
#include "RandomSource.h"
#include "TagButton.h"

#include <QTabWidget>

namespace {

constexpr int ConversionMethodPage = 2;

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
        ExamBtn2->Tag = 1;
        ExamBtn2->setText(QStringLiteral("演習終了"));
        PgControl1->setCurrentIndex(ConversionMethodPage);
        return;
    }

    bool allCorrect = true;
    for (std::size_t i = 1; i <= DHFrs.size(); ++i) {
        const bool correct = DHFrs[i]->GetAnswer() == DecHexAns[i];
        allCorrect = allCorrect && correct;
        DHFrs[i]->ShowJudgement(correct);
    }
    ShowDrillMessage(AlarmLbl2, allCorrect);
    if (allCorrect) {
        ExamBtn2->Tag = 0;
        ExamBtn2->setText(QStringLiteral("演習開始"));
    }
}
