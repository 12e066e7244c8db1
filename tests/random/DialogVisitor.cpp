#include "DialogVisitor.h"

#include "AutoLabel.h"
#include "EventDriver.h"
#include "InputSpace.h"
#include "NumEdit.h"
#include "Panel.h"
#include "Program.h"
#include "TagButton.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <chrono>

namespace {

const QString Address = QStringLiteral("http://radixtrek.example.org/");

} // namespace

DialogVisitor::DialogVisitor(TProgram &program, ManualClock &clock, EventDriver &driver,
                             InputSpace &space)
    : program(program), clock(clock), driver(driver), space(space) {
    program.VersionF.OpenUrl = [this](const QUrl &url) {
        opened.append(url.toString());
        // Whether a browser started must not matter.
        return this->space.Chance(0.5);
    };
    program.VersionF.installEventFilter(this);
}

bool DialogVisitor::eventFilter(QObject *watched, QEvent *event) {
    // Shown by exec(): the visit runs once its modal loop has started.
    if (watched == &program.VersionF && event->type() == QEvent::Show && !scheduled) {
        scheduled = true;
        QTimer::singleShot(0, this, &DialogVisitor::Visit);
    }
    return false;
}

void DialogVisitor::Visit() {
    scheduled = false;
    TVersionF &dialog = program.VersionF;
    if (!dialog.isVisible())
        return;
    ++visits;
    driver.Note(QStringLiteral("the version dialog is up"));
    ReleaseButtons();
    const QString behind = MainWindowState();
    for (int i = 0, steps = space.Below(7); i < steps && dialog.isVisible() && !driver.Stopped();
         ++i) {
        const qsizetype followed = opened.size();
        Step();
        if (opened.size() > followed && dialog.isVisible())
            driver.Fail(QStringLiteral("the dialog stayed open after following its link"));
    }
    if (MainWindowState() != behind)
        driver.Fail(QStringLiteral("input to the main window got past the modal dialog"));
    if (dialog.isVisible())
        Close();
    if (!opened.isEmpty() && opened.last() != Address)
        driver.Fail(QStringLiteral("the link led to ") + opened.last());
    if (dialog.isVisible()) {
        driver.Fail(QStringLiteral("the dialog would not close"));
        dialog.hide(); // ends its loop all the same
    }
}

void DialogVisitor::ReleaseButtons() {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (QGuiApplication::mouseButtons() & button)
            driver.Release(&program.MainF, program.MainF.mapFromGlobal(QCursor::pos()), button);
}

void DialogVisitor::Step() {
    TVersionF &dialog = program.VersionF;
    QLabel *labels[] = {dialog.Label1, dialog.Label2, dialog.Label3, dialog.Label4, dialog.Label5};
    switch (space.Below(7)) {
    case 0:
    case 1: {
        QLabel *label = labels[space.Below(5)];
        driver.Note(QStringLiteral("dialog: click on ") + label->objectName());
        driver.Click(label, space.PointIn(label->rect()), space.Button());
        break;
    }
    case 2:
        driver.Note(QStringLiteral("dialog: click on its face"));
        driver.Click(&dialog, space.PointIn(dialog.rect()), space.Button());
        break;
    case 3:
        driver.Note(QStringLiteral("dialog: press on the link, let go beside it"));
        driver.Press(dialog.Label5, space.PointIn(dialog.Label5->rect()), Qt::LeftButton);
        driver.Release(&dialog, {dialog.width() - 5, dialog.height() - 5}, Qt::LeftButton);
        break;
    case 4: {
        static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space,
                                       Qt::Key_Tab,    Qt::Key_Enter,  Qt::Key_A};
        const Qt::Key key = keys[space.Below(6)];
        driver.Note(QStringLiteral("dialog: key %1").arg(int(key)));
        driver.Key(&dialog, key);
        break;
    }
    case 5:
        driver.Note(QStringLiteral("dialog: click and key on the main window behind it"));
        driver.Click(&program.MainF, space.PointIn(program.MainF.rect()), space.Button());
        driver.Key(&program.MainF, Qt::Key_Space, QStringLiteral(" "));
        break;
    default:
        driver.Note(QStringLiteral("dialog: time passes"));
        driver.Other([this] { clock.Advance(std::chrono::seconds(space.Below(600))); });
        break;
    }
}

void DialogVisitor::Close() {
    TVersionF &dialog = program.VersionF;
    switch (space.Below(3)) {
    case 0:
        driver.Note(QStringLiteral("dialog: rejected"));
        driver.Other([&dialog] { dialog.reject(); });
        break;
    case 1:
        driver.Note(QStringLiteral("dialog: closed from its title bar"));
        driver.Other([&dialog] { dialog.windowHandle()->close(); });
        break;
    default: {
        driver.Note(QStringLiteral("dialog: follows the link"));
        const qsizetype followed = opened.size();
        driver.Click(dialog.Label5, space.PointIn(dialog.Label5->rect()));
        if (opened.size() != followed + 1)
            driver.Fail(QStringLiteral("clicking the link opened %1 addresses")
                            .arg(opened.size() - followed));
        break;
    }
    }
}

QString DialogVisitor::MainWindowState() const {
    const TMainF &window = program.MainF;
    QStringList state{QString::number(window.PgControl1->currentIndex()),
                      QString::number(window.PgControl2->currentIndex())};
    for (const TagButton *button : window.findChildren<TagButton *>())
        state << QStringLiteral("%1 %2").arg(button->Tag).arg(button->text());
    for (const Panel *cell : window.findChildren<Panel *>())
        state << QStringLiteral("%1 %2").arg(cell->Tag).arg(cell->Caption());
    for (const TNumEdit *field : window.findChildren<TNumEdit *>())
        state << QString::number(qHash(field->text()));
    return state.join(QLatin1Char('|'));
}
