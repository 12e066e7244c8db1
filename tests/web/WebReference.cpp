// The desktop program's own pictures for the browser tests. Runs offscreen with a manual clock
// and a fixed seed.
//   web_reference layout SEED FILE      writes where the widgets are (window coordinates) and the
//                                       questions the seed gives, as JSON
//   web_reference shots SEED DIR ACTION...
//                                       performs the actions a browser test performed and saves
//                                       the window (or the version dialog) at each "shot"
// Actions: click X Y | tap X Y | rclick X Y DIALOG_SHOT | type TEXT | key End|Home|Backspace |
//          wheel X Y ANGLE | drag X1 Y1 X2 Y2 | advance MS | shot NAME
#include "Clock.h"
#include "DecHexFr.h"
#include "HexFr.h"
#include "NumEdit.h"
#include "Panel.h"
#include "Program.h"
#include "RandomSource.h"
#include "StartUp.h"
#include "Version.h"
#include "main.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSaveFile>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cstdio>

namespace {

QJsonArray RectOf(const QWidget *widget, const QWidget *window) {
    const QRect rect(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QJsonObject Layout(TProgram &program) {
    TMainF &window = program.MainF;
    QJsonObject widgets;
    for (const char *name : {"ExBtn", "ExamBtn", "ExamBtn2", "Chart1"})
        widgets[QLatin1String(name)] = RectOf(window.findChild<QWidget *>(name), &window);
    for (QTabWidget *tabs : {window.PgControl1, window.PgControl2}) {
        QJsonArray rects;
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect tab = tabs->tabBar()->tabRect(i);
            const QPoint at = tabs->tabBar()->mapTo(&window, tab.topLeft());
            rects.append(QJsonArray{at.x(), at.y(), tab.width(), tab.height()});
        }
        widgets[tabs->objectName() + QStringLiteral("Tabs")] = rects;
    }
    // Bit cells, lowest bit first, of the example frame and the 48 drill frames.
    QJsonArray hexFrames;
    for (THFr *frame : window.findChildren<THFr *>()) {
        QJsonObject item;
        item[QStringLiteral("name")] = frame->objectName();
        item[QStringLiteral("bits")] =
            QJsonArray{RectOf(frame->H0Pnl, &window), RectOf(frame->H1Pnl, &window),
                       RectOf(frame->H2Pnl, &window), RectOf(frame->H3Pnl, &window)};
        hexFrames.append(item);
    }
    widgets[QStringLiteral("hexFrames")] = hexFrames;
    // A point of the window's own surface, which no widget covers.
    for (int y = window.height() - 2; y > 0; --y) {
        if (!window.childAt(window.width() - 3, y)) {
            widgets[QStringLiteral("margin")] = QJsonArray{window.width() - 3, y};
            break;
        }
    }

    QJsonObject questions;
    window.ExBtnClick();
    questions[QStringLiteral("example")] = window.THFr1->HexPnl->Caption().toInt(nullptr, 16);
    window.ExBtnClick();
    window.ExamBtnClick();
    QJsonObject drill;
    for (THFr *frame : window.findChildren<THFr *>())
        if (frame != window.THFr1)
            drill[frame->objectName()] = frame->HexPnl->Caption().toInt(nullptr, 16);
    questions[QStringLiteral("drill")] = drill;
    window.ExamBtn2Click();
    QJsonArray decHex;
    for (int i = 1; i <= 36; ++i) {
        auto *frame = window.findChild<TDHFr *>(QStringLiteral("DHFr%1").arg(i));
        const bool decimalAnswer = frame->AnswerNum->NumericType() == ntDecimal;
        const QString shown = frame->QuesionLbl->text().trimmed();
        const qlonglong number = shown.toLongLong(nullptr, decimalAnswer ? 16 : 10);
        QJsonObject item;
        item[QStringLiteral("field")] = RectOf(frame->AnswerNum, &window);
        item[QStringLiteral("answer")] =
            decimalAnswer ? QString::number(number) : QString::number(number, 16).toUpper();
        item[QStringLiteral("decimal")] = decimalAnswer;
        item[QStringLiteral("question")] = shown;
        item[QStringLiteral("maxLength")] = frame->AnswerNum->MaxLength();
        decHex.append(item);
    }
    questions[QStringLiteral("decHex")] = decHex;
    return {{QStringLiteral("widgets"), widgets}, {QStringLiteral("questions"), questions}};
}

// The widget under a point of the window, and the point in its coordinates.
std::pair<QWidget *, QPoint> Under(QWidget &window, QPoint at) {
    QWidget *target = window.childAt(at);
    if (!target)
        target = &window;
    return {target, target->mapFrom(&window, at)};
}

bool Save(QWidget *widget, const QString &path) {
    if (widget->grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool Perform(TProgram &program, ManualClock &clock, const QDir &folder, QStringList actions) {
    TMainF &window = program.MainF;
    auto number = [&] { return actions.takeFirst().toInt(); };
    // A point's two numbers in the order they are written.
    auto point = [&] {
        const int x = number();
        return QPoint(x, number());
    };
    bool ok = true;
    while (!actions.isEmpty()) {
        const QString action = actions.takeFirst();
        if (action == QLatin1String("click") || action == QLatin1String("tap")) {
            const QPoint at = point();
            const auto [target, local] = Under(window, at);
            QTest::mouseClick(target, Qt::LeftButton, {}, local);
        } else if (action == QLatin1String("rclick")) {
            const QPoint at = point();
            const QString name = actions.takeFirst();
            // The dialog waits in its own event loop; it is saved and closed from there.
            QTimer::singleShot(0, [&] {
                ok = Save(&program.VersionF, folder.filePath(name + QStringLiteral(".png"))) && ok;
                program.VersionF.close();
            });
            const auto [target, local] = Under(window, at);
            QTest::mouseClick(target, Qt::RightButton, {}, local);
            // Closed, the dialog hands the keyboard back to the window.
            QApplication::setActiveWindow(&window);
        } else if (action == QLatin1String("type") || action == QLatin1String("key")) {
            if (!QApplication::focusWidget()) {
                std::fprintf(stderr, "%s: nothing has the keyboard\n", qPrintable(action));
                return false;
            }
            if (action == QLatin1String("type")) {
                QTest::keyClicks(QApplication::focusWidget(), actions.takeFirst());
                continue;
            }
            const QString name = actions.takeFirst();
            const Qt::Key key = name == QLatin1String("End")    ? Qt::Key_End
                                : name == QLatin1String("Home") ? Qt::Key_Home
                                                                : Qt::Key_Backspace;
            QTest::keyClick(QApplication::focusWidget(), key);
        } else if (action == QLatin1String("wheel")) {
            const QPoint at = point();
            const int angle = number();
            const auto [target, local] = Under(window, at);
            QWheelEvent wheel(local, target->mapToGlobal(local), {}, {0, angle}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        } else if (action == QLatin1String("drag")) {
            const QPoint from = point();
            const QPoint to = point();
            const auto [target, local] = Under(window, from);
            const QPoint end = target->mapFrom(&window, to);
            QTest::mousePress(target, Qt::LeftButton, {}, local);
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(target, local + (end - local) * step / 4);
            QTest::mouseRelease(target, Qt::LeftButton, {}, end);
        } else if (action == QLatin1String("advance")) {
            clock.Advance(std::chrono::milliseconds(number()));
        } else if (action == QLatin1String("shot")) {
            ok = Save(&window, folder.filePath(actions.takeFirst() + QStringLiteral(".png"))) && ok;
        } else {
            std::fprintf(stderr, "unknown action %s\n", qPrintable(action));
            return false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SetUpApplication();
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: web_reference layout SEED FILE | shots SEED DIR ACTION...\n");
        return 2;
    }
    const std::uint32_t seed = arguments[1].toUInt();
    ProcessRandom().SetSeedCounter([seed] { return seed; });
    ManualClock clock;
    TProgram program(clock);
    program.Show();
    program.MainF.activateWindow();
    QTest::qWait(0);

    if (arguments[0] == QLatin1String("layout")) {
        QSaveFile file(arguments[2]);
        const QByteArray json = QJsonDocument(Layout(program)).toJson();
        return file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit()
                   ? 0
                   : 1;
    }
    const QDir folder(arguments[2]);
    if (!QDir().mkpath(folder.path()))
        return 1;
    return Perform(program, clock, folder, arguments.mid(3)) ? 0 : 1;
}
