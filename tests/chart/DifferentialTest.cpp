// Many random sequences of what a program does to a chart: after every operation the chart
// shows what a chart built afresh in the same state shows, whatever it kept from earlier paints.
#include "ChartOperations.h"

#include <QDir>
#include <gtest/gtest.h>
#include <random>

namespace {

// Shards run side by side; under the sanitizers a paint costs many times more.
constexpr int Shards = 8;
#if defined(__SANITIZE_ADDRESS__)
constexpr int SequencesPerShard = 25;
#else
constexpr int SequencesPerShard = 250;
#endif
constexpr std::size_t LongestSequence = 40;

class ChartDifferential : public ::testing::TestWithParam<int> {};

TEST_P(ChartDifferential, EveryPaintShowsTheStateWhateverCameBefore) {
    for (int n = 0; n < SequencesPerShard; ++n) {
        const unsigned seed = unsigned(GetParam() * SequencesPerShard + n);
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(std::uniform_int_distribution<std::size_t>(4, 100)(random));
        for (std::uint8_t &byte : bytes)
            byte = std::uint8_t(random());
        const TChartOperations operations =
            DecodeOperations(bytes.data(), bytes.size(), LongestSequence);
        if (!FindMismatch(operations))
            continue;
        const QString name = QStringLiteral("chart-differential-%1").arg(seed);
        FAIL() << "seed " << seed << ": "
               << ReportMismatch(Shrink(operations), QDir::tempPath(), name).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ChartDifferential, ::testing::Range(0, Shards));

} // namespace
