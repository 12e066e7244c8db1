#include "RandomSource.h"

#include <chrono>

namespace {

std::uint32_t HighResolutionCounter() {
    return static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

void RandomSource::ReseedRandom() { seed = counter ? counter() : HighResolutionCounter(); }

std::int32_t RandomSource::RandomBelow(std::int32_t n) {
    if (n <= 0)
        return 0;
    seed = seed * 134775813u + 1u; // wraps modulo 2^32
    return static_cast<std::int32_t>((std::uint64_t(seed) * std::uint64_t(n)) >> 32);
}

void RandomSource::SetSeedCounter(SeedCounter value) { counter = std::move(value); }

RandomSource &ProcessRandom() {
    static RandomSource source;
    return source;
}
