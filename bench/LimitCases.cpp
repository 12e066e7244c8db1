// The least any repaint of every point must do: read each x and y once, here summed with as
// many additions at a time as the processor takes, so that memory bandwidth bounds it.
#include "ChartCases.h"
#include "RadixtrekContender.h"

#include <benchmark/benchmark.h>

namespace {

double SumOfAll(const double *xs, const double *ys, int n) {
    constexpr int lanes = 8;
    double sums[lanes] = {};
    int i = 0;
    for (; i + lanes <= n; i += lanes)
        for (int k = 0; k < lanes; ++k)
            sums[k] += xs[i + k] + ys[i + k];
    double sum = 0;
    for (; i < n; ++i)
        sum += xs[i] + ys[i];
    for (double partial : sums)
        sum += partial;
    return sum;
}

void RunReadAll(benchmark::State &state, TShape shape, int n) {
    auto &ours = static_cast<TRadixtrekContender &>(ShownContender(TLibrary::Radixtrek, shape, n));
    const double *xs = ours.series->XValues.RawValues();
    const double *ys = ours.series->YValues.RawValues();
    for (auto _ : state)
        benchmark::DoNotOptimize(SumOfAll(xs, ys, n));
}

} // namespace

void RegisterLimitCases() {
    for (int n : Sizes)
        for (TShape shape : Shapes)
            benchmark::RegisterBenchmark(
                CaseName(QStringLiteral("ReadAll"), ShapeName(shape), TLibrary::Radixtrek, n)
                    .toStdString()
                    .c_str(),
                [=](benchmark::State &state) { RunReadAll(state, shape, n); })
                ->Unit(benchmark::kMicrosecond)
                ->UseRealTime()
                ->MinTime(0.2);
}
