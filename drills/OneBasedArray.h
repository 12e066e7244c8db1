#pragma once

#include <array>
#include <cstddef>

// A fixed array indexed from 1 to N, as the frames are numbered; an index outside that
// range throws std::out_of_range.
template <typename T, std::size_t N> class OneBasedArray {
public:
    T &operator[](std::size_t index) { return items.at(index - 1); }
    const T &operator[](std::size_t index) const { return items.at(index - 1); }
    static constexpr std::size_t size() { return N; }

private:
    std::array<T, N> items{};
};
