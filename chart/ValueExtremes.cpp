// The extremes of a run of values, as the merged line reads a pixel column.
#include "ValueExtremes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

TValueExtremes ScalarExtremes(const double *values, std::size_t count) {
    double lowest = values[0];
    double highest = values[0];
    bool numbers = true;
    for (std::size_t k = 0; k < count; ++k) {
        const double v = values[k];
        numbers &= v == v;
        lowest = v < lowest ? v : lowest;
        highest = v > highest ? v : highest;
    }
    return {lowest, highest, numbers};
}

#if defined(__SSE2__)

namespace {

// Each lane keeps the extremes of every other value. Apart from the sign of a zero, which
// lanes do not keep in the scalar order, extremes of numbers do not depend on the order they
// are read in; runs with a value that is not a number or with a zero for an extreme are left
// to the scalar loop.
TValueExtremes PackedExtremes(const double *values, std::size_t count) {
    __m128d low0 = _mm_loadu_pd(values);
    __m128d low1 = _mm_loadu_pd(values + 2);
    __m128d low2 = _mm_loadu_pd(values + 4);
    __m128d low3 = _mm_loadu_pd(values + 6);
    __m128d high0 = low0;
    __m128d high1 = low1;
    __m128d high2 = low2;
    __m128d high3 = low3;
    __m128d unordered = _mm_or_pd(_mm_cmpunord_pd(low0, low1), _mm_cmpunord_pd(low2, low3));
    const auto take = [&](const double *at) {
        const __m128d v0 = _mm_loadu_pd(at);
        const __m128d v1 = _mm_loadu_pd(at + 2);
        const __m128d v2 = _mm_loadu_pd(at + 4);
        const __m128d v3 = _mm_loadu_pd(at + 6);
        low0 = _mm_min_pd(v0, low0);
        low1 = _mm_min_pd(v1, low1);
        low2 = _mm_min_pd(v2, low2);
        low3 = _mm_min_pd(v3, low3);
        high0 = _mm_max_pd(v0, high0);
        high1 = _mm_max_pd(v1, high1);
        high2 = _mm_max_pd(v2, high2);
        high3 = _mm_max_pd(v3, high3);
        unordered =
            _mm_or_pd(unordered, _mm_or_pd(_mm_cmpunord_pd(v0, v1), _mm_cmpunord_pd(v2, v3)));
    };
    std::size_t k = 8;
    for (; k + 8 <= count; k += 8)
        take(values + k);
    // The last eight again: reading a value twice changes no extreme.
    if (k < count)
        take(values + count - 8);
    __m128d low = _mm_min_pd(_mm_min_pd(low0, low1), _mm_min_pd(low2, low3));
    __m128d high = _mm_max_pd(_mm_max_pd(high0, high1), _mm_max_pd(high2, high3));
    low = _mm_min_sd(low, _mm_unpackhi_pd(low, low));
    high = _mm_max_sd(high, _mm_unpackhi_pd(high, high));
    const double lowest = _mm_cvtsd_f64(low);
    const double highest = _mm_cvtsd_f64(high);
    if (_mm_movemask_pd(unordered) != 0 || lowest == 0 || highest == 0)
        return ScalarExtremes(values, count);
    return {lowest, highest, true};
}

} // namespace

TValueExtremes FindExtremes(const double *values, std::size_t count) {
    return count < 8 ? ScalarExtremes(values, count) : PackedExtremes(values, count);
}

#else

TValueExtremes FindExtremes(const double *values, std::size_t count) {
    return ScalarExtremes(values, count);
}

#endif
