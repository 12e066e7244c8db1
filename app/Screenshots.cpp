// Renders every page of both tab controls into PNG files, headless.
#include "StartUp.h"
#include "main.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <cstdio>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SetUpApplication();

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }

    TMainF MainF;
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
    return ok ? 0 : 1;
}
