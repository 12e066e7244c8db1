#pragma once

#include "Clock.h"
#include "HexFr.h"
#include "Panel.h"
#include "RandomSource.h"
#include "TagButton.h"
#include "main.h"

#include <QTest>
#include <chrono>
#include <gtest/gtest.h>

// The main window with its private records readable.
class MainFProbe : public TMainF {
public:
    using TMainF::DecHexAns;
    using TMainF::DHFrs;
    using TMainF::EndTime;
    using TMainF::ExamCount;
    using TMainF::ExAns;
    using TMainF::HexAns;
    using TMainF::HFrs;
    using TMainF::MaxTime;
    using TMainF::MinTime;
    using TMainF::StartTime;
    using TMainF::TMainF;
};

// Clicks the bit cells of a frame so that it answers value (from an all-zero answer).
inline void ClickAnswer(THFr *frame, int value) {
    Panel *cells[] = {frame->H0Pnl, frame->H1Pnl, frame->H2Pnl, frame->H3Pnl};
    for (int bit = 0; bit < 4; ++bit)
        if (value >> bit & 1)
            QTest::mouseClick(cells[bit], Qt::LeftButton);
}

inline constexpr std::uint32_t FixedSeed = 20261207;

class DrillTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProcessRandom().SetSeedCounter([] { return FixedSeed; });
        window.show();
    }
    void TearDown() override { ProcessRandom().SetSeedCounter({}); }

    // Answers every drill frame: all right, or all right but one.
    void AnswerDrill(std::size_t wrongFrame = 0) {
        for (std::size_t i = 1; i <= 48; ++i) {
            const int answer = i == wrongFrame ? (window.HexAns[i] ^ 1) : window.HexAns[i];
            ClickAnswer(window.HFrs[i], answer);
        }
    }

    void Press(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // One complete drill that takes the given time.
    void RunDrill(std::chrono::milliseconds duration) {
        Press(window.ExamBtn);
        AnswerDrill();
        clock.Advance(duration);
        Press(window.ExamBtn);
    }

    ManualClock clock;
    MainFProbe window{clock};
};

inline double Days(std::chrono::milliseconds duration) {
    return MillisecondsToDays(duration.count());
}
