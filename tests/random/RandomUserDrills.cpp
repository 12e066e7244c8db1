// The random user as a learner who knows the answers: now and then a few frames, or a whole
// drill, answered right, so that drills get finished and the graph gets points.
#include "DecHexFr.h"
#include "EventDriver.h"
#include "HexFr.h"
#include "InputSpace.h"
#include "NumEdit.h"
#include "Panel.h"
#include "Program.h"
#include "RandomUser.h"
#include "TagButton.h"

#include <QLabel>
#include <QTabWidget>
#include <chrono>

namespace {

constexpr int HexPage = 0;
constexpr int DecHexPage = 2;

// The frames to answer: all of them, or a few.
QList<int> FramesToAnswer(InputSpace &space, int count, bool whole) {
    QList<int> frames;
    if (whole) {
        for (int i = 1; i <= count; ++i)
            frames.append(i);
    } else {
        for (int i = 0, n = 1 + space.Below(6); i < n; ++i)
            frames.append(1 + space.Below(count));
    }
    return frames;
}

Qt::Key KeyOf(QChar character) {
    if (character.isDigit())
        return Qt::Key(Qt::Key_0 + character.digitValue());
    return Qt::Key(Qt::Key_A + (character.toLower().unicode() - u'a'));
}

} // namespace

void RandomUser::AnswerHexDrill(bool whole) {
    TMainF &window = program.MainF;
    ShowPage(window.PgControl2, HexPage);
    if (!window.ExamBtn->isVisible() || driver.Stopped())
        return;
    driver.Note(whole ? QStringLiteral("answer the whole drill") : QStringLiteral("answer a few"));
    if (window.ExamBtn->Tag == 0)
        driver.Click(window.ExamBtn, window.ExamBtn->rect().center());
    for (int index : FramesToAnswer(space, 48, whole)) {
        const THFr *frame = window.findChild<THFr *>(QStringLiteral("HFr%1").arg(index));
        bool ok = false;
        const int digit = frame->HexPnl->Caption().toInt(&ok, 16);
        if (!ok)
            continue;
        Panel *bits[] = {frame->H0Pnl, frame->H1Pnl, frame->H2Pnl, frame->H3Pnl};
        for (int bit = 0; bit < 4 && !driver.Stopped(); ++bit)
            if (bits[bit]->Caption() != QString::number(digit >> bit & 1))
                driver.Click(bits[bit], bits[bit]->rect().center());
    }
    if (!whole || driver.Stopped())
        return;
    driver.Other([this] { clock.Advance(std::chrono::seconds(20 + space.Below(300))); });
    const int before = window.ExamBtn->Tag;
    driver.Click(window.ExamBtn, window.ExamBtn->rect().center());
    if (before == 1 && window.ExamBtn->Tag == 0)
        ++reached.hexDrillsFinished;
}

void RandomUser::AnswerDecHexDrill(bool whole) {
    TMainF &window = program.MainF;
    ShowPage(window.PgControl2, DecHexPage);
    if (!window.ExamBtn2->isVisible() || driver.Stopped())
        return;
    driver.Note(whole ? QStringLiteral("answer the whole decimal/hex drill")
                      : QStringLiteral("answer a few decimal/hex frames"));
    if (window.ExamBtn2->Tag == 0)
        driver.Click(window.ExamBtn2, window.ExamBtn2->rect().center());
    for (int index : FramesToAnswer(space, 36, whole)) {
        if (driver.Stopped())
            return;
        const TDHFr *frame = window.findChild<TDHFr *>(QStringLiteral("DHFr%1").arg(index));
        const QString question = frame->QuesionLbl->text();
        bool ok = false;
        QString answer;
        if (frame->AnswerNum->NumericType() == ntDecimal) {
            answer = QString::number(question.toInt(&ok, 16));
        } else {
            answer = QString::number(question.toInt(&ok), 16);
            if (space.Chance(0.5))
                answer = answer.toUpper();
        }
        if (ok)
            TypeAnswer(frame->AnswerNum, answer);
    }
    if (!whole || driver.Stopped())
        return;
    const int before = window.ExamBtn2->Tag;
    driver.Click(window.ExamBtn2, window.ExamBtn2->rect().center());
    if (before == 1 && window.ExamBtn2->Tag == 0)
        ++reached.decHexDrillsFinished;
}

void RandomUser::TypeAnswer(QWidget *field, const QString &answer) {
    // Into the field, all of its text selected, then typed over.
    driver.Click(field, field->rect().center());
    driver.Key(field, Qt::Key_End);
    driver.Key(field, Qt::Key_Home, {}, Qt::ShiftModifier);
    for (QChar character : answer)
        driver.Key(field, KeyOf(character), QString(character),
                   character.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
}
