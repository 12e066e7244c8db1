#include "RandomUser.h"

#include "Chart.h"
#include "DecHexFr.h"
#include "EventDriver.h"
#include "HexFr.h"
#include "InputSpace.h"
#include "NumEdit.h"
#include "Panel.h"
#include "Program.h"
#include "TagButton.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <chrono>

namespace {

bool IsBitCell(const QString &name) {
    return name.size() == 5 && name.startsWith(QLatin1Char('H')) && name[1].isDigit();
}
bool IsDigitPanel(const QString &name) { return name == QLatin1String("HexPnl"); }

constexpr int DecHexPage = 2;

} // namespace

RandomUser::RandomUser(TProgram &program, ManualClock &clock, EventDriver &driver,
                       InputSpace &space)
    : program(program), clock(clock), driver(driver), space(space), text(space) {}

void RandomUser::Act() {
    // How often each action comes, in thousandths; answering whole drills costs the most events.
    using Action = void (*)(RandomUser &);
    static const std::pair<int, Action> actions[] = {
        {320, [](RandomUser &user) { user.ClickSomething(); }},
        {30, [](RandomUser &user) { user.RightClickMargin(); }},
        {70, [](RandomUser &user) { user.SwitchPage(); }},
        {180, [](RandomUser &user) { user.TypeKeys(); }},
        {60, [](RandomUser &user) { user.PasteIntoField(); }},
        {180, [](RandomUser &user) { user.UseChart(); }},
        {30, [](RandomUser &user) { user.PassTime(); }},
        {20, [](RandomUser &user) { user.TurnWheelAnywhere(); }},
        {40, [](RandomUser &user) { user.AnswerHexDrill(false); }},
        {20, [](RandomUser &user) { user.AnswerHexDrill(true); }},
        {35, [](RandomUser &user) { user.AnswerDecHexDrill(false); }},
        {15, [](RandomUser &user) { user.AnswerDecHexDrill(true); }},
    };
    int roll = space.Below(1000);
    for (const auto &[weight, action] : actions) {
        if (roll < weight) {
            action(*this);
            break;
        }
        roll -= weight;
    }
    DealWithPopup();
}

void RandomUser::ClickSomething() {
    TMainF &window = program.MainF;
    QList<QWidget *> targets;
    const auto add = [&targets](const auto &widgets) {
        for (QWidget *widget : widgets)
            targets.append(widget);
    };
    switch (space.Below(9)) {
    case 0:
    case 1:
        add(InputSpace::Shown<Panel>(&window, IsBitCell));
        break;
    case 2:
        add(InputSpace::Shown<Panel>(&window, IsDigitPanel));
        break;
    case 3:
        add(InputSpace::Shown<TagButton>(&window));
        break;
    case 4:
        add(InputSpace::Shown<QLabel>(&window));
        break;
    case 5:
        add(InputSpace::Shown<TNumEdit>(&window));
        break;
    case 6:
        add(InputSpace::Shown<THFr>(&window));
        add(InputSpace::Shown<TDHFr>(&window));
        break;
    case 7: {
        const QPoint at = MarginPoint();
        const Qt::MouseButton button = space.Chance(0.5) ? Qt::LeftButton : Qt::MiddleButton;
        driver.Note(QStringLiteral("click on the window's margin"));
        driver.Click(&window, at, button);
        return;
    }
    default:
        break;
    }
    if (targets.isEmpty()) {
        driver.Note(QStringLiteral("click anywhere"));
        driver.Click(&window, space.PointIn(window.rect()), space.Button(), space.Modifiers());
        return;
    }
    QWidget *target = space.Pick(targets);
    const QPoint at = space.PointIn(target->rect());
    // Answer fields have a context menu, worth opening more often.
    const bool field = qobject_cast<TNumEdit *>(target);
    const Qt::MouseButton button = field && space.Chance(0.3) ? Qt::RightButton : space.Button();
    if (space.Chance(0.05)) {
        driver.Note(QStringLiteral("double click on ") + target->objectName());
        driver.DoubleClick(target, at, button);
    } else {
        driver.Note(QStringLiteral("click on ") + target->objectName());
        driver.Click(target, at, button, space.Modifiers());
    }
}

void RandomUser::RightClickMargin() {
    const QPoint at = MarginPoint();
    driver.Note(QStringLiteral("right click on the window's margin"));
    driver.Click(&program.MainF, at, Qt::RightButton);
}

void RandomUser::SwitchPage() {
    QTabWidget *tabs = space.Chance(0.5) ? program.MainF.PgControl1 : program.MainF.PgControl2;
    const int index = space.Below(tabs->count());
    driver.Note(QStringLiteral("tab %1 of %2").arg(index).arg(tabs->objectName()));
    driver.Click(tabs->tabBar(), space.PointIn(tabs->tabBar()->tabRect(index)),
                 space.Chance(0.9) ? Qt::LeftButton : space.Button());
}

void RandomUser::TypeKeys() {
    const QList<TNumEdit *> fields = InputSpace::Shown<TNumEdit>(&program.MainF);
    if (!fields.isEmpty() && space.Chance(0.5)) {
        TNumEdit *field = space.Pick(fields);
        driver.Note(QStringLiteral("click into ") + field->parentWidget()->objectName());
        driver.Click(field, space.PointIn(field->rect()));
    }
    for (int i = 0, keys = 1 + space.Below(8); i < keys && !driver.Stopped(); ++i) {
        const KeyStroke stroke = text.Key();
        driver.Note(QStringLiteral("key %1 \"%2\" with %3")
                        .arg(int(stroke.key), 0, 16)
                        .arg(stroke.text.toHtmlEscaped())
                        .arg(int(stroke.modifiers), 0, 16));
        driver.Key(&program.MainF, stroke.key, stroke.text, stroke.modifiers);
    }
}

void RandomUser::PasteIntoField() {
    ShowPage(program.MainF.PgControl2, DecHexPage);
    const QList<TNumEdit *> fields = InputSpace::Shown<TNumEdit>(&program.MainF);
    if (fields.isEmpty())
        return;
    TNumEdit *field = space.Pick(fields);
    const QString clip = text.Paste();
    QGuiApplication::clipboard()->setText(clip);
    ++reached.pastes;
    const QString what = QStringLiteral("%1 characters into %2")
                             .arg(clip.size())
                             .arg(field->parentWidget()->objectName());
    if (space.Chance(0.5)) {
        driver.Note(QStringLiteral("paste from the context menu: ") + what);
        driver.Click(field, space.PointIn(field->rect()), Qt::RightButton);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        ++reached.menus;
        for (QAction *action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("&Paste")) && action->isEnabled()) {
                driver.Other([action, menu] {
                    action->trigger();
                    menu->close();
                });
                break;
            }
    } else {
        driver.Note(QStringLiteral("paste with Shift+Insert: ") + what);
        driver.Click(field, space.PointIn(field->rect()));
        driver.Key(&program.MainF, Qt::Key_Insert, {}, Qt::ShiftModifier);
    }
}

void RandomUser::PassTime() {
    using namespace std::chrono;
    const int roll = space.Below(20);
    if (roll == 0) {
        // The wall clock is set back an hour; the drill times must not notice.
        driver.Note(QStringLiteral("the wall clock goes back an hour"));
        driver.Other([this] { clock.local -= 1.0 / 24; });
        return;
    }
    const milliseconds step = roll < 12   ? milliseconds(space.Below(2000))
                              : roll < 19 ? milliseconds(seconds(space.Below(600)))
                                          : milliseconds(hours(1 + space.Below(48)));
    driver.Note(QStringLiteral("%1 ms pass").arg(step.count()));
    driver.Other([this, step] { clock.Advance(step); });
}

void RandomUser::TurnWheelAnywhere() {
    TMainF &window = program.MainF;
    const QPoint at = space.PointIn(window.rect());
    QWidget *under = window.childAt(at);
    QWidget *target = under ? under : &window;
    const int delta = space.Chance(0.5) ? 120 : -120;
    driver.Note(QStringLiteral("wheel %1 over %2").arg(delta).arg(target->objectName()));
    driver.Wheel(target, target->mapFrom(&window, at), QPoint(0, delta));
}

void RandomUser::DealWithPopup() {
    // A popup (the answer field's context menu) takes the next input; the user picks from it,
    // dismisses it or clicks elsewhere. Whatever is still open after a few tries is closed.
    for (int tries = 0; tries < 3 && !driver.Stopped(); ++tries) {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        ++reached.menus;
        auto *menu = qobject_cast<QMenu *>(popup);
        QList<QAction *> commands;
        if (menu)
            for (QAction *action : menu->actions())
                if (action->isEnabled() && !action->isSeparator() && !action->menu())
                    commands.append(action);
        const int roll = space.Below(3);
        if (roll == 0 && !commands.isEmpty()) {
            QAction *command = space.Pick(commands);
            driver.Note(QStringLiteral("menu command ") + command->text());
            driver.Other([command, menu] {
                command->trigger();
                menu->close();
            });
        } else if (roll == 1) {
            driver.Note(QStringLiteral("Escape on the popup"));
            driver.Key(popup, Qt::Key_Escape);
        } else {
            const QPoint at =
                space.Chance(0.5) ? MarginPoint() : space.PointIn(program.MainF.rect());
            driver.Note(QStringLiteral("click beside the popup at %1, %2").arg(at.x()).arg(at.y()));
            driver.Click(&program.MainF, at, space.Button());
        }
    }
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

void RandomUser::ShowPage(QTabWidget *tabs, int index) {
    if (tabs->currentIndex() == index || driver.Stopped())
        return;
    driver.Note(QStringLiteral("tab %1 of %2").arg(index).arg(tabs->objectName()));
    driver.Click(tabs->tabBar(), space.PointIn(tabs->tabBar()->tabRect(index)));
}

QPoint RandomUser::MarginPoint() {
    TMainF &window = program.MainF;
    for (int tries = 0; tries < 100; ++tries) {
        const QPoint at(space.Below(window.width()), space.Below(window.height()));
        if (!window.childAt(at))
            return at;
    }
    return {2, 300}; // left of the tab controls
}
