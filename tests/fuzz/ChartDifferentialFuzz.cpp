// Decodes its input into what a program does to a chart and holds every paint of that chart
// against a chart built afresh in the same state; a difference prints the shortest sequence
// that still shows it and aborts.
#include "Appearance.h"
#include "ChartOperations.h"

#include <QApplication>
#include <QDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void StartApplication() {
    static int argc = 1;
    static char name[] = "chart_differential_fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto *made = new QApplication(argc, argv);
        // The fonts and look the tests have.
        SetUpAppearance();
        return made;
    }();
    (void)application;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    StartApplication();
    const TChartOperations operations = DecodeOperations(data, size, 24);
    if (!FindMismatch(operations))
        return 0;
    const QString report = ReportMismatch(Shrink(operations), QDir::tempPath(),
                                          QStringLiteral("chart_differential_fuzz"));
    std::fprintf(stderr, "%s", report.toLocal8Bit().constData());
    std::abort();
}
