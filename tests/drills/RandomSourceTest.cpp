#include "RandomSource.h"

#include <gtest/gtest.h>

TEST(RandomSource, FollowsTheLinearCongruentialSequence) {
    RandomSource source;
    source.SetSeed(1);
    const std::int32_t expected[] = {0, 13, 3, 4, 10};
    const std::uint32_t seeds[] = {134775814u, 3698175007u, 870078620u, 1172187917u, 2884733762u};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(source.RandomBelow(16), expected[i]) << "draw " << i;
        EXPECT_EQ(source.Seed(), seeds[i]) << "draw " << i;
    }
}

TEST(RandomSource, TakesTheUpperHalfOfTheWideProduct) {
    RandomSource source;
    source.SetSeed(0xFFFFFFFFu); // the next seed wraps around 2^32
    EXPECT_EQ(source.RandomBelow(2147483647), 2080095741);
    EXPECT_EQ(source.Seed(), 4160191484u);
}

TEST(RandomSource, SameSeedGivesTheSameDraws) {
    RandomSource first;
    RandomSource second;
    first.SetSeedCounter([] { return 987654321u; });
    second.SetSeedCounter([] { return 987654321u; });
    first.ReseedRandom();
    second.ReseedRandom();
    for (int i = 0; i < 100; ++i) {
        const std::int32_t draw = first.RandomBelow(16);
        EXPECT_EQ(draw, second.RandomBelow(16));
        EXPECT_GE(draw, 0);
        EXPECT_LT(draw, 16);
    }
}

TEST(RandomSource, NonPositiveBoundGivesZeroAndKeepsTheSeed) {
    RandomSource source;
    source.SetSeed(42);
    EXPECT_EQ(source.RandomBelow(0), 0);
    EXPECT_EQ(source.RandomBelow(-5), 0);
    EXPECT_EQ(source.Seed(), 42u);
}

TEST(RandomSource, ReseedWithoutInjectedCounterUsesTheClock) {
    RandomSource source;
    source.SetSeedCounter([] { return 7u; });
    source.ReseedRandom();
    EXPECT_EQ(source.Seed(), 7u);
    source.SetSeedCounter({});
    source.ReseedRandom();
    const std::uint32_t first = source.Seed();
    // A high-resolution counter moves between two readings, however close.
    bool moved = false;
    for (int i = 0; i < 1000 && !moved; ++i) {
        source.ReseedRandom();
        moved = source.Seed() != first;
    }
    EXPECT_TRUE(moved);
}
