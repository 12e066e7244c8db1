// What the program tells screen readers, on a real display with the accessibility bus on (make
// test-atspi runs it there): the events caught as they leave for the bus, and the keypad while
// the bus says a screen reader runs.
#include "Announcer.h"
#include "AutoLabel.h"
#include "DecHexFr.h"
#include "DrillFixture.h"
#include "NumEdit.h"
#include "ScreenReader.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusVariant>
#include <QTabWidget>
#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Heard = std::pair<QAccessible::Event, QObject *>;

// The update handler is a plain function, so what it hears goes to a list the test owns.
std::vector<Heard> *heard = nullptr;

void Hear(QAccessibleEvent *event) { heard->emplace_back(event->type(), event->object()); }

// As a desktop's switch for its screen reader sets it.
void SetScreenReader(bool running) {
    QDBusInterface properties(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                              QStringLiteral("org.freedesktop.DBus.Properties"),
                              QDBusConnection::sessionBus());
    properties.call(QStringLiteral("Set"), QStringLiteral("org.a11y.Status"),
                    QStringLiteral("ScreenReaderEnabled"),
                    QVariant::fromValue(QDBusVariant(running)));
}

class BusTest : public DrillTest {
protected:
    void SetUp() override {
        // Qt waits for the bus's launcher, which a screen reader's first call starts.
        SetScreenReader(false);
        DrillTest::SetUp();
        ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 20'000))
            << "no accessibility bus";
        // No window manager gives it the focus.
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        heard = &events;
        QAccessible::installUpdateHandler(Hear);
    }
    void TearDown() override {
        QAccessible::installUpdateHandler(nullptr);
        heard = nullptr;
        SetScreenReader(false);
        DrillTest::TearDown();
    }

    // Whether these events came in this order, with others between them.
    bool HeardInOrder(const std::vector<Heard> &wanted) const {
        auto next = events.begin();
        for (const Heard &event : wanted) {
            next = std::find(next, events.end(), event);
            if (next == events.end())
                return false;
            ++next;
        }
        return true;
    }

    // The events heard from these objects, for a failure's message.
    std::string Trace(std::initializer_list<QObject *> objects) const {
        std::string trace;
        for (const auto &[type, object] : events)
            if (std::find(objects.begin(), objects.end(), object) != objects.end())
                trace += object->objectName().toStdString() + ':' + std::to_string(type) + ' ';
        return trace;
    }

    std::vector<Heard> events;
};

} // namespace

TEST_F(BusTest, TheMessageLineAppearsWithAnAlertAndGoesAndEveryPressIsAnnounced) {
    auto *announcer = window.findChild<Announcer *>();
    AutoLabel *message = window.AlarmLbl;
    // What a screen reader read of every cell, which it keeps while the cell keeps its identity.
    const auto read = [this] {
        std::vector<std::tuple<QAccessible::Id, QString, QString>> cells;
        for (std::size_t i = 1; i <= window.HFrs.size(); ++i) {
            THFr *f = window.HFrs[i];
            for (Panel *cell : {f->HexPnl, f->H3Pnl, f->H2Pnl, f->H1Pnl, f->H0Pnl}) {
                QAccessibleInterface *it = QAccessible::queryAccessibleInterface(cell);
                cells.emplace_back(QAccessible::uniqueId(it), it->text(QAccessible::Name),
                                   it->text(QAccessible::Description));
            }
        }
        return cells;
    };
    // A start leaves no cell judged and none with what a reader kept of the drill before.
    const auto start = [&] {
        const auto kept = read();
        Press(window.ExamBtn);
        const auto fresh = read();
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            const auto &[id, name, description] = fresh[i];
            EXPECT_TRUE(description.isEmpty() &&
                        (id != std::get<0>(kept[i]) || fresh[i] == kept[i]))
                << name.toStdString();
        }
    };
    start();
    AnswerDrill(7);
    Press(window.ExamBtn);
    // The same answers checked again change no verdict, and tell none again; a start after an
    // all-correct drill, with new digits, tells its 192 cleared cells by new identities: a
    // handful of events each, or a screen reader falls seconds behind.
    std::size_t before = events.size();
    Press(window.ExamBtn);
    EXPECT_LE(events.size() - before, 16u) << Trace({window.ExamBtn});
    ClickAnswer(window.HFrs[7], 1); // flips the wrong bit back
    Press(window.ExamBtn);
    ProcessRandom().SetSeedCounter([] { return FixedSeed + 1; });
    before = events.size();
    start();
    EXPECT_LE(events.size() - before, 16u) << Trace({window.ExamBtn});
    EXPECT_TRUE(HeardInOrder({{QAccessible::Selection, announcer},
                              {QAccessible::ObjectShow, announcer},
                              {QAccessible::ObjectShow, message},
                              {QAccessible::Alert, message},
                              {QAccessible::Selection, announcer},
                              {QAccessible::ObjectShow, announcer},
                              {QAccessible::Alert, message},
                              {QAccessible::Selection, announcer},
                              {QAccessible::ObjectShow, announcer},
                              {QAccessible::ObjectHide, message},
                              {QAccessible::Selection, announcer},
                              {QAccessible::ObjectShow, announcer}}))
        << Trace({announcer, message});
}

TEST_F(BusTest, KeypadDigitsTypeAndKeypadEditingKeysAreLeftToTheScreenReader) {
    SetScreenReader(true);
    ASSERT_TRUE(ScreenReaderRunning());
    window.PgControl2->setCurrentIndex(2);
    // A start renews its 36 answer fields rather than telling each change of them.
    const auto heard = std::ssize(events);
    Press(window.ExamBtn2);
    EXPECT_EQ(
        std::count_if(events.begin() + heard, events.end(),
                      [](const Heard &event) { return qobject_cast<TNumEdit *>(event.second); }),
        0);
    TNumEdit *field = window.DHFrs[1]->AnswerNum;
    field->setFocus();
    field->end(false);
    const QString before = field->text();
    // Num Lock on: the keypad's digits are digits.
    QTest::keyClick(field, Qt::Key_9, Qt::KeypadModifier);
    QTest::keyClick(field, Qt::Key_0, Qt::KeypadModifier);
    // Num Lock off: the screen reader reviews with these; the field's caret and the focus stay.
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Left, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(field, key, Qt::KeypadModifier);
    QTest::keyClick(field, Qt::Key_3);
    EXPECT_EQ(field->text(), before + "903");
    EXPECT_EQ(QApplication::focusWidget(), field);
}
