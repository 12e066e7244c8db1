// What each contender holds for its points: the heap in use after adding N points to a shown,
// empty chart and repainting it, less the heap in use before, per point. The time is that of
// adding the points and the first repaint.
#include "ChartCases.h"

#include <QApplication>
#include <QEvent>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

// Handles the events waiting, then frees the objects a library deletes later.
void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::size_t HeapInUse() {
    Settle();
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void RunMemoryCase(benchmark::State &state, TLibrary library, TShape shape, int n) {
    const TPoints &points = Points(shape, n);
    const TRange minutes{0, FourMinutes};
    double held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TContender> contender = MakeContender(library);
        contender->Show(FullRange(n), minutes);
        const std::size_t before = HeapInUse();
        state.ResumeTiming();
        contender->Add(points);
        contender->Show(FullRange(n), minutes);
        QApplication::processEvents();
        state.PauseTiming();
        held = double(HeapInUse()) - double(before);
        contender.reset();
        Settle();
        state.ResumeTiming();
    }
    state.counters["bytes_per_point"] = held / n;
}

} // namespace

void RegisterMemoryCases() {
    for (int n : Sizes)
        for (TShape shape : Shapes)
            for (TLibrary library : Libraries)
                if (Measured(library, n))
                    benchmark::RegisterBenchmark(
                        CaseName(QStringLiteral("Build"), ShapeName(shape), library, n)
                            .toStdString()
                            .c_str(),
                        [=](benchmark::State &state) { RunMemoryCase(state, library, shape, n); })
                        ->Unit(benchmark::kMicrosecond)
                        ->UseRealTime()
                        ->Iterations(1);
}
