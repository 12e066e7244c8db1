// A day of heavy use in one run: ten thousand all-correct timed drills and a thousand failed
// checks, driven through the window's own handlers with an injected clock. The records, the
// labels and the graph must agree with what was done after every drill, and the heap may grow
// by no more than the points the graph keeps.
#include "AutoLabel.h"
#include "Chart.h"
#include "DrillFixture.h"
#include "DrillTime.h"
#include "FastLineSeries.h"
#include "HeapInUse.h"
#include "TimeValue.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <algorithm>
#include <cstddef>
#include <random>
#include <string>

namespace {

// What the graph keeps per point: its two coordinates, its colour and its (empty) label.
constexpr std::size_t BytesPerPoint = 2 * sizeof(double) + sizeof(TColor) + sizeof(QString);

class SoakTest : public DrillTest {
protected:
    // Clicks the bit cells that differ from the answer wanted, through the cells' handler.
    void SetAnswer(THFr *frame, int value) {
        Panel *cells[] = {frame->H0Pnl, frame->H1Pnl, frame->H2Pnl, frame->H3Pnl};
        const int have = frame->GetAnswer();
        for (int bit = 0; bit < 4; ++bit)
            if ((have ^ value) >> bit & 1)
                frame->H3PnlClick(cells[bit]);
    }

    // One drill; with a failed check first when asked. Answers the drill's time in days.
    double Drill(std::chrono::milliseconds duration, bool failFirst, std::size_t wrongFrame) {
        window.ExamBtnClick();
        for (std::size_t i = 1; i <= 48; ++i)
            SetAnswer(window.HFrs[i], window.HexAns[i]);
        if (failFirst) {
            SetAnswer(window.HFrs[wrongFrame], window.HexAns[wrongFrame] ^ 8);
            const int pointsBefore = window.Series1->PointCount();
            window.ExamBtnClick();
            EXPECT_EQ(window.ExamBtn->Tag, 1);
            EXPECT_EQ(window.ExamBtn->text(), QStringLiteral("演習終了"));
            EXPECT_EQ(window.AlarmLbl->text(), QStringLiteral("全問正解になるまでガンバッテ！"));
            EXPECT_EQ(window.Series1->PointCount(), pointsBefore);
            SetAnswer(window.HFrs[wrongFrame], window.HexAns[wrongFrame]);
        }
        clock.Advance(duration);
        window.ExamBtnClick();
        return MillisecondsToDays(duration.count());
    }

    void ExpectConsistent(int drills, double fastest, double slowest) {
        EXPECT_EQ(window.ExamCount, drills);
        EXPECT_EQ(window.ExamBtn->Tag, 0);
        EXPECT_EQ(window.ExamBtn->text(), QStringLiteral("演習開始"));
        EXPECT_EQ(window.AlarmLbl->text(), QStringLiteral("全問正解オメデトウ！"));
        EXPECT_EQ(window.MaxTime, fastest);
        EXPECT_EQ(window.MinTime, slowest);
        EXPECT_EQ(window.MaxLbl->text(), FormatDrillTime(fastest));
        EXPECT_EQ(window.Max2Lbl->text(), FormatDrillTime(fastest));
        EXPECT_EQ(window.Min2Lbl->text(), FormatDrillTime(slowest));
        const TFastLineSeries &series = *window.Series1;
        EXPECT_EQ(series.PointCount(), drills);
        EXPECT_EQ(series.XValues.ValueCount(), drills);
        EXPECT_EQ(series.YValues.ValueCount(), drills);
        EXPECT_EQ(series.PointColors.size(), std::size_t(drills));
        EXPECT_EQ(series.PointLabels.size(), std::size_t(drills));
        EXPECT_EQ(series.XValues.LastValue(), drills);
    }
};

TEST_F(SoakTest, TenThousandDrillsKeepRecordsGraphAndMemoryInStep) {
    constexpr int Drills = 10000;
    constexpr int FailedEvery = 10; // a thousand failed checks in all
    // Caches, first allocations and the graph's picture settle before the heap is measured.
    constexpr int WarmUp = 1000;
    std::mt19937 random(FixedSeed);
    std::uniform_int_distribution<int> milliseconds(20'000, 300'000); // some above four minutes
    std::uniform_int_distribution<std::size_t> frame(1, 48);

    double fastest = 0;
    double slowest = 0;
    std::size_t heapAtWarmUp = 0;
    int failedChecks = 0;
    for (int drill = 1; drill <= Drills; ++drill) {
        const bool fail = drill % FailedEvery == 0;
        failedChecks += fail;
        const double days =
            Drill(std::chrono::milliseconds(milliseconds(random)), fail, frame(random));
        fastest = fastest == 0 ? days : std::min(fastest, days);
        slowest = std::max(slowest, days);
        ExpectConsistent(drill, fastest, slowest);
        if (::testing::Test::HasFailure())
            FAIL() << "inconsistent after drill " << drill;

        if (drill % 1000 == 0) {
            // The graph is drawn now and then, as a learner looks at it.
            window.PgControl2->setCurrentIndex(1);
            const QImage picture = window.Chart1->grab().toImage();
            EXPECT_EQ(picture.size(), window.Chart1->size());
            window.PgControl2->setCurrentIndex(0);
        }
        if (drill % 100 == 0)
            QCoreApplication::processEvents();
        if (drill == WarmUp)
            heapAtWarmUp = HeapInUse();
    }
    EXPECT_EQ(failedChecks, 1000);

    // The point lists may double their capacity once more than they hold; everything else
    // must come back to where it was.
    const std::size_t grown = HeapInUse() - std::min(HeapInUse(), heapAtWarmUp);
    const std::size_t allowed = 2 * BytesPerPoint * std::size_t(Drills) + (256u << 10);
    RecordProperty("heap_growth_bytes", std::to_string(grown));
    EXPECT_LE(grown, allowed) << "the heap grew by " << grown << " bytes over " << Drills - WarmUp
                              << " drills";
}

} // namespace
