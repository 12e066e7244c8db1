#include "AutoLabel.h"
#include "Chart.h"
#include "ColorValue.h"
#include "DrillFixture.h"
#include "TagButton.h"

#include <QTabWidget>

using namespace std::chrono_literals;

namespace {

TColor LabelColor(const QWidget *label) {
    return ToColorValue(label->palette().color(QPalette::WindowText));
}

bool FrameIs(THFr *frame, TColor color) {
    for (Panel *cell : {frame->H3Pnl, frame->H2Pnl, frame->H1Pnl, frame->H0Pnl})
        if (ToColorValue(cell->Color()) != color)
            return false;
    return true;
}

} // namespace

TEST_F(DrillTest, StartsIdleWithEmptyRecords) {
    EXPECT_EQ(window.ExamBtn->Tag, 0);
    EXPECT_EQ(window.ExamBtn->text(), "演習開始");
    EXPECT_EQ(window.ExBtn->Tag, 0);
    EXPECT_EQ(window.ExBtn->text(), "例開始");
    EXPECT_EQ(window.MaxTime, 0);
    EXPECT_EQ(window.MinTime, 0);
    EXPECT_EQ(window.ExamCount, 0);
    for (AutoLabel *label :
         {window.TimeLbl, window.MaxLbl, window.Max2Lbl, window.Min2Lbl, window.AlarmLbl})
        EXPECT_TRUE(label->text().isEmpty());
    EXPECT_EQ(window.Series1->PointCount(), 0);
    EXPECT_EQ(window.PgControl1->currentIndex(), 0);
    EXPECT_EQ(window.PgControl2->currentIndex(), 0);
}

TEST_F(DrillTest, FrameArraysFollowFrameNumbersNotScreenOrder) {
    for (std::size_t i = 1; i <= 48; ++i)
        EXPECT_EQ(window.HFrs[i]->objectName(), QStringLiteral("HFr%1").arg(i));
    // HFr14 stands in column 2, row 10.
    THFr *frame = window.HFrs[14];
    const QPoint panel = frame->Panel1->mapTo(frame->parentWidget(), QPoint(0, 0));
    EXPECT_EQ(panel, QPoint(193, 410));
    EXPECT_THROW(window.HFrs[0], std::out_of_range);
    EXPECT_THROW(window.HFrs[49], std::out_of_range);
}

TEST_F(DrillTest, ExampleAsksJudgesAndResets) {
    window.PgControl1->setCurrentIndex(2);
    Press(window.ExBtn);
    EXPECT_EQ(window.ExBtn->Tag, 1);
    EXPECT_EQ(window.ExBtn->text(), "例終了");
    EXPECT_EQ(window.PgControl1->currentIndex(), 1);

    RandomSource expected;
    expected.SetSeed(FixedSeed);
    EXPECT_EQ(window.ExAns, expected.RandomBelow(16));
    EXPECT_EQ(window.THFr1->HexPnl->Caption(), QString::number(window.ExAns, 16).toUpper());

    ClickAnswer(window.THFr1, window.ExAns);
    Press(window.ExBtn);
    EXPECT_TRUE(FrameIs(window.THFr1, clLime));
    EXPECT_EQ(window.ExBtn->Tag, 0);
    EXPECT_EQ(window.ExBtn->text(), "例開始");

    Press(window.ExBtn);
    ClickAnswer(window.THFr1, window.ExAns ^ 8);
    Press(window.ExBtn);
    EXPECT_TRUE(FrameIs(window.THFr1, clRed));
    EXPECT_EQ(window.ExBtn->Tag, 0); // a wrong example ends all the same
    EXPECT_TRUE(window.AlarmLbl->text().isEmpty());
    EXPECT_EQ(window.ExamCount, 0);
}

TEST_F(DrillTest, StartAsksTheSeededDigitsInFrameOrder) {
    window.PgControl1->setCurrentIndex(0);
    Press(window.ExamBtn);
    RandomSource expected;
    expected.SetSeed(FixedSeed);
    for (std::size_t i = 1; i <= 48; ++i) {
        const int digit = expected.RandomBelow(16);
        EXPECT_EQ(window.HexAns[i], digit) << i;
        EXPECT_EQ(window.HFrs[i]->HexPnl->Caption(), QString::number(digit, 16).toUpper()) << i;
    }
    EXPECT_EQ(window.ExamBtn->Tag, 1);
    EXPECT_EQ(window.ExamBtn->text(), "演習終了");
    EXPECT_EQ(window.StartTime, clock.local);
    EXPECT_EQ(window.PgControl1->currentIndex(), 1);
}

TEST_F(DrillTest, WrongItemKeepsTheDrillRunningUntilFixed) {
    Press(window.ExamBtn);
    const TimeValue started = clock.local;
    AnswerDrill(17);
    clock.Advance(40'000ms);
    Press(window.ExamBtn);

    EXPECT_TRUE(FrameIs(window.HFrs[17], clRed));
    for (std::size_t i = 1; i <= 48; ++i) {
        if (i != 17) {
            EXPECT_TRUE(FrameIs(window.HFrs[i], clLime)) << i;
        }
    }
    EXPECT_EQ(window.AlarmLbl->text(), "全問正解になるまでガンバッテ！");
    EXPECT_EQ(LabelColor(window.AlarmLbl), clRed);
    EXPECT_EQ(window.ExamBtn->Tag, 1);
    EXPECT_EQ(window.ExamBtn->text(), "演習終了");
    EXPECT_EQ(window.TimeLbl->text(), "00:40.000");
    EXPECT_EQ(window.ExamCount, 0);
    EXPECT_EQ(window.Series1->PointCount(), 0);
    EXPECT_TRUE(window.MaxLbl->text().isEmpty());
    EXPECT_EQ(window.StartTime, started);

    // Fix the item: it was answered with its lowest bit flipped.
    QTest::mouseClick(window.HFrs[17]->H0Pnl, Qt::LeftButton);
    clock.Advance(5'250ms);
    Press(window.ExamBtn);

    EXPECT_EQ(window.AlarmLbl->text(), "全問正解オメデトウ！");
    EXPECT_EQ(LabelColor(window.AlarmLbl), clLime);
    EXPECT_EQ(window.ExamBtn->Tag, 0);
    EXPECT_EQ(window.ExamBtn->text(), "演習開始");
    EXPECT_EQ(window.TimeLbl->text(), "00:45.250");
    EXPECT_EQ(window.ExamCount, 1);
    ASSERT_EQ(window.Series1->PointCount(), 1);
    EXPECT_EQ(window.Series1->XValues.ValueAt(0), 1.0);
    EXPECT_EQ(window.Series1->YValues.ValueAt(0), Days(45'250ms));
    EXPECT_EQ(window.Series1->PointColors[0], AutoColor);
    EXPECT_TRUE(window.Series1->PointLabels[0].isEmpty());
    EXPECT_EQ(window.EndTime, clock.local);
}

TEST_F(DrillTest, RecordsKeepTheFastestAndTheSlowest) {
    RunDrill(60'000ms);
    EXPECT_EQ(window.MaxTime, Days(60'000ms));
    EXPECT_EQ(window.MinTime, Days(60'000ms));
    EXPECT_EQ(window.MaxLbl->text(), "01:00.000");
    EXPECT_EQ(window.Max2Lbl->text(), "01:00.000");
    EXPECT_EQ(window.Min2Lbl->text(), "01:00.000");

    RunDrill(50'500ms); // faster: only the fastest record moves
    EXPECT_EQ(window.MaxTime, Days(50'500ms));
    EXPECT_EQ(window.MaxLbl->text(), "00:50.500");
    EXPECT_EQ(window.Max2Lbl->text(), "00:50.500");
    EXPECT_EQ(window.Min2Lbl->text(), "01:00.000");

    RunDrill(70'001ms); // slower: only the slowest record moves
    EXPECT_EQ(window.MaxLbl->text(), "00:50.500");
    EXPECT_EQ(window.MinTime, Days(70'001ms));
    EXPECT_EQ(window.Min2Lbl->text(), "01:10.001");

    // A tie with a record moves nothing: make the labels stale to see that they are not
    // rewritten.
    window.MaxLbl->SetCaption("x");
    window.Min2Lbl->SetCaption("y");
    RunDrill(50'500ms);
    RunDrill(70'001ms);
    EXPECT_EQ(window.MaxLbl->text(), "x");
    EXPECT_EQ(window.Min2Lbl->text(), "y");

    ASSERT_EQ(window.ExamCount, 5);
    ASSERT_EQ(window.Series1->PointCount(), 5);
    const double times[] = {60'000, 50'500, 70'001, 50'500, 70'001};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(window.Series1->XValues.ValueAt(std::size_t(n)), n + 1.0);
        EXPECT_EQ(window.Series1->YValues.ValueAt(std::size_t(n)), times[n] / MillisecondsPerDay);
    }
}

TEST_F(DrillTest, WallClockJumpsDoNotChangeTheMeasuredTime) {
    Press(window.ExamBtn);
    const TimeValue started = clock.local;
    AnswerDrill();
    // Thirty seconds pass while the wall clock is set back an hour (as at the end of
    // daylight saving time).
    clock.Advance(30'000ms);
    clock.local -= 1.0 / 24;
    Press(window.ExamBtn);
    EXPECT_EQ(window.TimeLbl->text(), "00:30.000");
    EXPECT_EQ(window.MaxTime, Days(30'000ms));
    EXPECT_EQ(window.Series1->YValues.ValueAt(0), Days(30'000ms));
    EXPECT_EQ(window.StartTime, started);
    EXPECT_EQ(window.EndTime, clock.local);

    // And forward: the wall clock jumps a day ahead.
    Press(window.ExamBtn);
    AnswerDrill();
    clock.Advance(20'000ms);
    clock.local += 1;
    Press(window.ExamBtn);
    EXPECT_EQ(window.TimeLbl->text(), "00:20.000");
    EXPECT_EQ(window.MaxTime, Days(20'000ms));
}

TEST_F(DrillTest, ExampleDuringADrillLeavesTheDrillAlone) {
    Press(window.ExamBtn);
    AnswerDrill();
    std::vector<int> asked;
    for (std::size_t i = 1; i <= 48; ++i)
        asked.push_back(window.HexAns[i]);
    clock.Advance(10'000ms);
    Press(window.ExBtn);
    ClickAnswer(window.THFr1, window.ExAns);
    Press(window.ExBtn);
    clock.Advance(10'000ms);
    Press(window.ExamBtn);
    for (std::size_t i = 1; i <= 48; ++i)
        EXPECT_EQ(window.HexAns[i], asked[i - 1]);
    EXPECT_EQ(window.ExamCount, 1);
    EXPECT_EQ(window.TimeLbl->text(), "00:20.000");
}

TEST_F(DrillTest, RestartClearsAnswersColoursAndMessageText) {
    RunDrill(30'000ms);
    Press(window.ExamBtn);
    EXPECT_TRUE(window.AlarmLbl->text().isEmpty());
    EXPECT_TRUE(window.TimeLbl->text().isEmpty());
    EXPECT_EQ(LabelColor(window.AlarmLbl), clLime); // its colour stays until the next check
    EXPECT_EQ(window.MaxLbl->text(), "00:30.000");
    for (std::size_t i = 1; i <= 48; ++i) {
        EXPECT_EQ(window.HFrs[i]->GetAnswer(), 0);
        EXPECT_TRUE(
            FrameIs(window.HFrs[i], ToColorValue(window.palette().color(QPalette::Button))));
    }
}

TEST_F(DrillTest, TimeLabelsKeepTheirLeftEdge) {
    const int left = window.TimeLbl->x();
    RunDrill(83'456ms);
    EXPECT_EQ(window.TimeLbl->x(), left);
    EXPECT_EQ(window.TimeLbl->x(), 358);
    EXPECT_GT(window.TimeLbl->width(), 20);
    EXPECT_EQ(window.Min2Lbl->x(), 309);
}
