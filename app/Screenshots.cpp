// Renders every page of both tab controls into PNG files, headless, and the progress graph
// after 0, 2 and 12 drills answered through the drill's own handlers.
#include "Clock.h"
#include "HexFr.h"
#include "Panel.h"
#include "StartUp.h"
#include "main.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <array>
#include <cstdio>

namespace {

// Answers every drill frame by reading its digit and clicking the bits it needs.
void AnswerEveryFrame(TMainF &window) {
    for (THFr *frame : window.findChildren<THFr *>()) {
        if (frame == window.THFr1)
            continue;
        const int digit = frame->HexPnl->Caption().toInt(nullptr, 16);
        const std::array<Panel *, 4> bits{frame->H0Pnl, frame->H1Pnl, frame->H2Pnl, frame->H3Pnl};
        for (int bit = 0; bit < 4; ++bit)
            if (digit >> bit & 1)
                frame->H3PnlClick(bits[std::size_t(bit)]);
    }
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SetUpApplication();

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }

    ManualClock clock;
    TMainF MainF(clock);
    MainF.show();
    bool ok = true;
    auto save = [&](QWidget *widget, const QString &name) {
        const QString path = QDir(folder).filePath(name);
        if (!widget->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    };
    save(&MainF, QStringLiteral("window.png"));
    for (QTabWidget *tabs : {MainF.PgControl1, MainF.PgControl2}) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            save(tabs, QStringLiteral("%1-page%2.png").arg(tabs->objectName()).arg(page));
        }
    }

    // A learner getting faster, with one slow day; seconds per drill.
    constexpr std::array<int, 12> seconds{95, 82, 88, 71, 64, 76, 59, 61, 52, 55, 49, 46};
    MainF.PgControl2->setCurrentIndex(1);
    save(MainF.PgControl2, QStringLiteral("graph-0-drills.png"));
    for (std::size_t drill = 0; drill < seconds.size(); ++drill) {
        MainF.ExamBtnClick();
        AnswerEveryFrame(MainF);
        clock.Advance(std::chrono::milliseconds(seconds[drill] * 1000 + 137));
        MainF.ExamBtnClick();
        if (drill + 1 == 2 || drill + 1 == 12)
            save(MainF.PgControl2, QStringLiteral("graph-%1-drills.png").arg(drill + 1));
    }
    return ok ? 0 : 1;
}
