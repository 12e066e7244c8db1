#include "AutoLabel.h"
#include "Ink.h"
#include "Version.h"
#include "main.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QColor Blue(0, 0, 255);

class VersionDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.OpenUrl = [this](const QUrl &url) {
            opened.append(url.toString());
            return openSucceeds;
        };
    }

    // Runs the dialog modally, does the action once it is up and reports whether the dialog was
    // still open afterwards; a dialog left open is closed so that the test goes on.
    bool StaysOpenAfter(const std::function<void()> &action) {
        bool stillOpen = false;
        QTimer::singleShot(0, &dialog, [&] {
            action();
            stillOpen = dialog.isVisible() && QApplication::activeModalWidget() == &dialog;
            if (dialog.isVisible())
                dialog.reject();
        });
        dialog.exec();
        return stillOpen;
    }

    TVersionF dialog;
    QStringList opened;
    bool openSucceeds = true;
};

} // namespace

TEST_F(VersionDialogTest, IsAFixedSizeDialogWithOnlyACloseButton) {
    EXPECT_EQ(dialog.objectName(), "VersionF");
    EXPECT_EQ(dialog.windowTitle(), "Version");
    EXPECT_EQ(dialog.size(), QSize(316, 132));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_FALSE(dialog.windowIcon().isNull());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.font().family(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(dialog.font().pixelSize(), 12);
    EXPECT_FALSE(dialog.font().bold());
    // The background away from every label is button face.
    EXPECT_EQ(dialog.grab().toImage().pixelColor(300, 120),
              dialog.palette().color(QPalette::Button));
}

TEST_F(VersionDialogTest, LabelsShowTheirTextsInTheirFontsAndPlaces) {
    struct Expected {
        QLabel *label;
        QPoint position;
        int pixelSize;
        bool bold, italic, underline, blue;
    };
    const Expected rows[] = {
        {dialog.Label1, {8, 8}, 37, true, true, false, true},
        {dialog.Label2, {216, 28}, 15, true, false, false, true},
        {dialog.Label3, {16, 56}, 15, true, false, false, false},
        {dialog.Label4, {16, 80}, 15, true, false, false, false},
        {dialog.Label5, {16, 104}, 13, false, false, true, true},
    };
    // Labels size themselves to their texts when they are first shown.
    dialog.show();
    // What is drawn: blue strokes and no black ones, or the reverse.
    const QImage shot = dialog.grab().toImage();
    const QColor windowText = dialog.palette().color(QPalette::WindowText);
    for (const Expected &row : rows) {
        SCOPED_TRACE(row.label->objectName().toStdString());
        const QFont font = row.label->font();
        // Where the text stands; a label reaches beyond it where its ink does.
        const QRect box = row.label->geometry().marginsRemoved(row.label->contentsMargins());
        EXPECT_EQ(box.topLeft(), row.position);
        EXPECT_EQ(font.family(), "ＭＳ Ｐゴシック");
        // The name must reach the stand-in font rather than whatever the system falls back to.
        EXPECT_EQ(QFontInfo(font).family(), "IPAPGothic");
        EXPECT_EQ(font.pixelSize(), row.pixelSize);
        EXPECT_EQ(font.bold(), row.bold);
        EXPECT_EQ(font.italic(), row.italic);
        EXPECT_EQ(font.underline(), row.underline);
        EXPECT_GT(CountOf(shot, row.label->geometry(), row.blue ? Blue : windowText), 10);
        EXPECT_EQ(CountOf(shot, row.label->geometry(), row.blue ? windowText : Blue), 0);
        EXPECT_FALSE(row.label->text().isEmpty());
        EXPECT_FALSE(row.label->text().contains('\n'));
        EXPECT_TRUE(dialog.rect().contains(row.label->geometry()));
        if (row.label != dialog.Label1) {
            EXPECT_EQ(row.label->size(), row.label->sizeHint()); // sized to its text
        }
    }
    EXPECT_EQ(dialog.Label1->geometry(), QRect(8, 8, 201, 37));
    EXPECT_EQ(dialog.Label1->text(), "Radixtrek");
    EXPECT_LE(QFontMetrics(dialog.Label1->font()).horizontalAdvance("Radixtrek"), 201);
    EXPECT_EQ(dialog.Label2->text(), "Ver1.0");
    EXPECT_EQ(dialog.Label5->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(VersionDialogTest, TheLinkOpensTheShownAddressAndClosesTheDialogInOneClick) {
    EXPECT_FALSE(StaysOpenAfter([&] { QTest::mouseClick(dialog.Label5, Qt::LeftButton); }));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], "http://radixtrek.example.org/");
    EXPECT_EQ(opened[0], dialog.Label5->text() + "/");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    // The same dialog follows the link again on its next showing.
    EXPECT_FALSE(StaysOpenAfter([&] { QTest::mouseClick(dialog.Label5, Qt::LeftButton); }));
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(VersionDialogTest, AFailingOpenStillClosesTheDialogAndReportsNothing) {
    openSucceeds = false;
    QWidgetList shownBefore;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            shownBefore.append(widget);
    QWidgetList shownAfterClick;
    EXPECT_FALSE(StaysOpenAfter([&] {
        QTest::mouseClick(dialog.Label5, Qt::LeftButton);
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                shownAfterClick.append(widget);
    }));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(shownAfterClick, shownBefore); // no message box came up
}

TEST_F(VersionDialogTest, EverythingElseIgnoresClicksAndKeys) {
    EXPECT_TRUE(StaysOpenAfter([&] {
        for (QLabel *label : std::initializer_list<QLabel *>{dialog.Label1, dialog.Label2,
                                                             dialog.Label3, dialog.Label4}) {
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
            QTest::mouseClick(label, Qt::RightButton, {}, QPoint(3, 3));
        }
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(300, 120));
        QTest::mouseClick(&dialog, Qt::RightButton, {}, QPoint(300, 120));
        QTest::mouseClick(dialog.Label5, Qt::RightButton);
        QTest::mouseClick(dialog.Label5, Qt::MiddleButton);
        // With no buttons there is nothing for Escape or Enter to press.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
    }));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(VersionDialogTest, ALinkPressReleasedOutsideTheAddressDoesNotFollowIt) {
    EXPECT_TRUE(StaysOpenAfter([&] {
        QTest::mousePress(dialog.Label5, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(dialog.Label5, Qt::LeftButton, {},
                            QPoint(dialog.Label5->width() + 20, 5));
    }));
    EXPECT_TRUE(opened.isEmpty());
}

TEST(VersionDialogPlacement, IsCentredOverTheMainWindowWhereverItStands) {
    TMainF window;
    TVersionF dialog(&window);
    dialog.OpenUrl = [](const QUrl &) { return true; };
    window.SetVersionDialog(&dialog);
    window.show();

    for (const QPoint corner : {QPoint(40, 30), QPoint(-200, 150), QPoint(310, -60)}) {
        window.move(corner);
        ASSERT_EQ(window.frameGeometry().topLeft(), corner);
        QPoint centre;
        QPoint expected;
        QTimer::singleShot(0, &dialog, [&] {
            centre = dialog.frameGeometry().center();
            expected = window.frameGeometry().center();
            dialog.reject();
        });
        QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(2, 300));
        SCOPED_TRACE(
            QStringLiteral("main window at %1, %2").arg(corner.x()).arg(corner.y()).toStdString());
        EXPECT_LE(std::abs(centre.x() - expected.x()), 1);
        EXPECT_LE(std::abs(centre.y() - expected.y()), 1);
    }
}
