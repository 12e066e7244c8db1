#pragma once

#include <cstdint>
#include <functional>

// The one random source of the process: a 32-bit linear congruential generator.
class RandomSource {
public:
    // Where a reseed takes its seed from: by default a high-resolution counter.
    using SeedCounter = std::function<std::uint32_t()>;

    // Sets the seed to the low 32 bits of the counter.
    void ReseedRandom();
    // A number r with 0 <= r < n; 0 when n is not positive (and the seed stays).
    std::int32_t RandomBelow(std::int32_t n);

    std::uint32_t Seed() const { return seed; }
    void SetSeed(std::uint32_t value) { seed = value; }
    // Replaces the counter, so that a reseed gives a known seed; an empty counter restores
    // the default.
    void SetSeedCounter(SeedCounter counter);

private:
    std::uint32_t seed = 0;
    SeedCounter counter;
};

// The process-wide source that the drills draw from.
RandomSource &ProcessRandom();
