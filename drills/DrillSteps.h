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

// Colours every frame by whether its answer is the value it asked, and tells whether all are.
template <typename Frame, std::size_t N>
bool JudgeEveryFrame(const OneBasedArray<Frame *, N> &frames,
                     const OneBasedArray<std::int32_t, N> &asked) {
    bool allCorrect = true;
    for (std::size_t i = 1; i <= N; ++i) {
        const bool correct = frames[i]->GetAnswer() == asked[i];
        allCorrect = allCorrect && correct;
        frames[i]->ShowJudgement(correct);
    }
    return allCorrect;
}

// The numbers of the frames whose answer is not the value they asked.
template <typename Frame, std::size_t N>
std::vector<std::size_t> WrongFrames(const OneBasedArray<Frame *, N> &frames,
                                     const OneBasedArray<std::int32_t, N> &asked) {
    std::vector<std::size_t> wrong;
    for (std::size_t i = 1; i <= N; ++i)
        if (frames[i]->GetAnswer() != asked[i])
            wrong.push_back(i);
    return wrong;
}

// Green congratulations when every item is right, red encouragement otherwise; screen readers
// hear it as an alert.
void ShowVerdict(AutoLabel *label, bool allCorrect);
