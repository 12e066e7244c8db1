// The progress graph's speed and memory against QCustomPlot and Qt Charts drawing the same
// picture, and the limits beside them. With --pictures=FOLDER it writes what each contender
// shows instead.
#include "Appearance.h"
#include "ChartCases.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstring>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Showing the Qt Charts view on the headless platform warns each time; nothing else is quiet.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.contains(QLatin1String("propagateSizeHints")))
                standard(type, context, text);
        });
    QApplication application(argc, argv);
    SetUpAppearance();
    constexpr const char *picturesOption = "--pictures=";
    if (argc == 2 && std::strncmp(argv[1], picturesOption, std::strlen(picturesOption)) == 0) {
        SavePictures(QString::fromLocal8Bit(argv[1] + std::strlen(picturesOption)));
        ForgetShownContenders();
        return 0;
    }
    RegisterScreenCases();
    RegisterMemoryCases();
    RegisterLimitCases();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ForgetShownContenders();
    return 0;
}
