#pragma once

#include "DrillTexts.h"
#include "OneBasedArray.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>
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

// The wrong frames in reading order, rows from the top and left to right within a row, each
// named by name(frame); with places, by its row and column too ("3行2列 C"), since the same
// question may stand in several frames.
template <typename Frame, std::size_t N, typename Name>
QStringList InReadingOrder(const OneBasedArray<Frame *, N> &frames,
                           const std::vector<std::size_t> &wrong, Name name, bool withPlaces) {
    const auto place = [&](std::size_t i) {
        const QPoint at = frames[i]->mapTo(frames[i]->window(), QPoint());
        return std::pair(at.y(), at.x());
    };
    std::vector<std::size_t> order(N);
    std::iota(order.begin(), order.end(), std::size_t(1));
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return place(a) < place(b); });
    QStringList names;
    int row = 0;
    int column = 0;
    std::optional<int> rowTop;
    for (std::size_t i : order) {
        if (place(i).first != rowTop) {
            rowTop = place(i).first;
            ++row;
            column = 0;
        }
        ++column;
        if (std::find(wrong.begin(), wrong.end(), i) == wrong.end())
            continue;
        names << (withPlaces
                      ? QStringLiteral("%1行%2列 %3").arg(row).arg(column).arg(name(frames[i]))
                      : name(frames[i]));
    }
    return names;
}

// Green congratulations when every item is right, red encouragement otherwise; screen readers
// hear it as an alert.
void ShowVerdict(AutoLabel *label, bool allCorrect);
