#pragma once

#include "DrillTexts.h"
#include "OneBasedArray.h"

#include <cstdint>
#include <vector>

class AutoLabel;
class TagButton;

// The steps every drill takes, whatever its frames: a start/finish button, a check of every
// frame against what it asked, and a verdict on the drill's message line.

// A running drill's button holds tag 1 and names the finish; an idle one holds tag 0 and
// names the start.
void ShowDrillRunning(TagButton *button, bool running,
                      const QString &startCaption = DrillTexts::DrillStart,
                      const QString &finishCaption = DrillTexts::DrillFinish);

// Colours every frame by whether its answer is the value it asked, and gives the numbers of the
// frames that are wrong; none when all are right.
template <typename Frame, std::size_t N>
std::vector<std::size_t> JudgeEveryFrame(const OneBasedArray<Frame *, N> &frames,
                                         const OneBasedArray<std::int32_t, N> &asked) {
    std::vector<std::size_t> wrong;
    for (std::size_t i = 1; i <= N; ++i) {
        const bool correct = frames[i]->GetAnswer() == asked[i];
        if (!correct)
            wrong.push_back(i);
        frames[i]->ShowJudgement(correct);
    }
    return wrong;
}

// Green congratulations when every item is right, red encouragement otherwise; screen readers
// hear it as an alert.
void ShowVerdict(AutoLabel *label, bool allCorrect);
