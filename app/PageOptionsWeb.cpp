#include "PageOptions.h"

#include "RandomSource.h"

#include <emscripten.h>

// The page's "seed" parameter as a whole number from 0 to 4294967295, or -1 when there is none
// or it is not such a number.
// clang-format off
EM_JS(double, PageSeed, (), {
    const text = new URLSearchParams(window.location.search).get("seed");
    if (text === null || text.length < 1 || text.length > 10 || !Array.from(text).every(
            function(c) { return c >= "0" && c <= "9"; }))
        return -1;
    const seed = Number(text);
    return seed <= 4294967295 ? seed : -1;
});
// clang-format on

void ApplyPageOptions() {
    const double seed = PageSeed();
    if (seed < 0)
        return;
    ProcessRandom().SetSeedCounter([fixed = std::uint32_t(seed)] { return fixed; });
}
