#include "AppIcon.h"
#include "HexFr.h"
#include "NumEdit.h"
#include "Panel.h"
#include "TagButton.h"
#include "Version.h"
#include "main.h"

#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.SetVersionDialog(&dialog);
        window.show();
    }

    // Presses a mouse button on the widget and reports whether the version dialog came up.
    bool PressOpensDialog(QWidget *target, QPoint position,
                          Qt::MouseButton button = Qt::RightButton) {
        bool shown = false;
        QTimer::singleShot(0, &dialog, [&] {
            shown = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
            dialog.reject();
        });
        QTest::mouseClick(target, button, {}, position);
        // When no dialog ran its own loop, the timer fires here.
        QCoreApplication::processEvents();
        return shown;
    }

    template <typename T = QWidget> T *Child(const char *name) {
        auto *child = window.findChild<T *>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    TMainF window;
    TVersionF dialog{&window};
};

} // namespace

TEST_F(MainWindowTest, RightClickOnTheMarginOpensTheVersionDialog) {
    EXPECT_TRUE(PressOpensDialog(&window, QPoint(2, 300)));   // left of the tab controls
    EXPECT_TRUE(PressOpensDialog(&window, QPoint(388, 300))); // between them
    EXPECT_TRUE(PressOpensDialog(&window, QPoint(200, 20)));  // beside the headings
    EXPECT_FALSE(dialog.isVisible());
    // The same dialog comes up again each time.
    EXPECT_TRUE(PressOpensDialog(&window, QPoint(1012, 590)));
}

TEST_F(MainWindowTest, WindowTakesNoInputWhileTheDialogIsUp) {
    auto *examBtn = Child<TagButton>("ExamBtn");
    const QString caption = examBtn->text();
    bool shown = false;
    QTimer::singleShot(0, &dialog, [&] {
        shown = dialog.isVisible();
        // Through the window system, as a real click would come, so that modality applies.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          examBtn->mapTo(&window, examBtn->rect().center()));
        dialog.reject();
    });
    QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(2, 300));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(dialog.isVisible());
    // The drill did not start behind the dialog; once it is closed, the same click starts it.
    EXPECT_EQ(examBtn->Tag, 0);
    EXPECT_EQ(examBtn->text(), caption);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      examBtn->mapTo(&window, examBtn->rect().center()));
    EXPECT_EQ(examBtn->Tag, 1);
}

TEST_F(MainWindowTest, MenuKeyAndShiftF10OpenTheVersionDialogButNotInAnAnswerField) {
    struct Press {
        QWidget *focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    };
    const Press presses[] = {
        {Child("ExamBtn"), Qt::Key_Menu, {}, true},
        {Child("ExBtn"), Qt::Key_F10, Qt::ShiftModifier, true},
        {Child("ExBtn"), Qt::Key_F10, {}, false},
        {window.findChild<TNumEdit *>(), Qt::Key_Menu, {}, false},
    };
    window.PgControl2->setCurrentIndex(2); // where the answer fields are
    for (const Press &press : presses) {
        press.focus->setFocus();
        bool shown = false;
        QTimer::singleShot(0, &dialog, [&] {
            shown = dialog.isVisible();
            dialog.reject();
        });
        // To the widget with the focus, which leaves the key to its window.
        QTest::keyClick(press.focus, press.key, press.modifiers);
        QCoreApplication::processEvents();
        EXPECT_EQ(shown, press.opens) << press.focus->objectName().toStdString() << press.key;
    }
    EXPECT_EQ(dialog.accessibleName(), "バージョン情報");
}

TEST_F(MainWindowTest, OtherButtonsOnTheMarginDoNothing) {
    EXPECT_FALSE(PressOpensDialog(&window, QPoint(2, 300), Qt::LeftButton));
    EXPECT_FALSE(PressOpensDialog(&window, QPoint(2, 300), Qt::MiddleButton));
}

TEST_F(MainWindowTest, RightClickOnWidgetsDoesNotOpenTheDialog) {
    auto *tabs = Child<QTabWidget>("PgControl1");
    EXPECT_FALSE(PressOpensDialog(tabs->tabBar(), tabs->tabBar()->tabRect(1).center()));
    EXPECT_FALSE(PressOpensDialog(tabs, QPoint(tabs->width() - 2, tabs->height() - 2)));
    EXPECT_FALSE(PressOpensDialog(Child("TabSheet2"), QPoint(300, 500)));
    EXPECT_FALSE(PressOpensDialog(Child("TabSheet4"), QPoint(5, 300)));
    EXPECT_FALSE(PressOpensDialog(Child("Label104"), QPoint(3, 3)));
    EXPECT_FALSE(PressOpensDialog(Child("Label100"), QPoint(3, 3)));
    EXPECT_FALSE(PressOpensDialog(Child("GroupBox2"), QPoint(100, 100)));
    EXPECT_FALSE(PressOpensDialog(Child("Chart1"), QPoint(100, 100)));
    auto *frame = Child<THFr>("HFr11");
    EXPECT_FALSE(PressOpensDialog(frame, QPoint(100, 30))); // its plain extra area
    EXPECT_FALSE(PressOpensDialog(frame->H3Pnl, QPoint(5, 5)));
    EXPECT_FALSE(PressOpensDialog(frame->HexPnl, QPoint(5, 5)));
    EXPECT_FALSE(PressOpensDialog(Child("ExamBtn"), QPoint(5, 5)));
}

TEST_F(MainWindowTest, WindowIsFixedAndCannotBeMaximised) {
    EXPECT_EQ(window.objectName(), "MainF");
    EXPECT_EQ(window.windowTitle(), "Radixtrek");
    EXPECT_EQ(window.size(), QSize(1016, 594));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowTest, WindowStartsCentredOnThePrimaryScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint centre = window.frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(centre.y() - screen.center().y()), 1);
}

TEST(AppIcon, IsThirtyTwoPixelsSquareInAtMostSixteenColours) {
    const QImage image = AppIcon().pixmap(32, 32).toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            colours.insert(image.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_GT(colours.size(), 2);
}
