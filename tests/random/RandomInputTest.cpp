// Thousands of random inputs on the whole program, with its invariants checked after each one.
#include "DialogVisitor.h"
#include "EventDriver.h"
#include "InputSpace.h"
#include "Program.h"
#include "ProgramInvariants.h"
#include "RandomSource.h"
#include "RandomUser.h"

#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int EventsPerRun = 5000;

class RandomInputTest : public ::testing::TestWithParam<std::uint32_t> {
protected:
    void SetUp() override {
        // The drills' questions follow from the seed as well.
        ProcessRandom().SetSeedCounter([this] { return std::uint32_t(questions()); });
        program.Show();
    }
    void TearDown() override {
        ProcessRandom().SetSeedCounter({});
        QGuiApplication::clipboard()->clear();
    }

    std::mt19937 random{GetParam()};
    std::mt19937 questions{~GetParam()};
    ManualClock clock;
    TProgram program{clock};
    ProgramInvariants invariants{program};
    EventDriver driver{EventsPerRun, [this] { return invariants.Check(); }};
    InputSpace space{random};
    DialogVisitor visitor{program, clock, driver, space};
    RandomUser user{program, clock, driver, space};
};

} // namespace

TEST_P(RandomInputTest, EveryInvariantHoldsAfterEveryEvent) {
    while (!driver.Stopped()) {
        user.Act();
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
            driver.Fail(QStringLiteral("a modal window or popup stayed open"));
    }
    ASSERT_TRUE(driver.Failure().isEmpty())
        << "seed " << GetParam() << ", " << driver.Failure().toStdString() << "\nlast actions:\n"
        << driver.RecentActions().join(QLatin1Char('\n')).toStdString();

    // The run got into the corners it is meant to shake.
    const RandomUser::Reached &reached = user.Progress();
    EXPECT_GT(visitor.Visits(), 0);
    EXPECT_GT(reached.hexDrillsFinished, 0);
    EXPECT_GT(reached.decHexDrillsFinished, 0);
    EXPECT_GT(reached.pastes, 0);
    EXPECT_GT(reached.zooms, 0);
    EXPECT_GT(reached.wheelNotches, 0);
    EXPECT_GT(reached.menus, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInputTest, ::testing::Values(1u, 2u, 20261207u, 3141592653u));
