#include "HexFr.h"
#include "ColorValue.h"
#include "Panel.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class HexFrTest : public ::testing::Test {
protected:
    void SetUp() override { frame.show(); }

    std::vector<Panel *> BitCells() const {
        return {frame.H3Pnl, frame.H2Pnl, frame.H1Pnl, frame.H0Pnl};
    }
    QColor ButtonFace() const { return frame.palette().color(QPalette::Button); }

    THFr frame;
};

} // namespace

TEST_F(HexFrTest, StartsWithZerosEverywhere) {
    EXPECT_EQ(frame.HexPnl->Caption(), "0");
    for (Panel *cell : BitCells()) {
        EXPECT_EQ(cell->Caption(), "0");
        EXPECT_EQ(cell->Tag, 0);
    }
    EXPECT_EQ(frame.GetAnswer(), 0);
}

TEST_F(HexFrTest, QuestionShowsTheLowFourBitsInUppercaseHex) {
    const std::pair<int, const char *> cases[] = {{0, "0"},  {9, "9"},        {10, "A"},
                                                  {15, "F"}, {16, "0"},       {-1, "F"},
                                                  {27, "B"}, {INT32_MIN, "0"}};
    for (auto [value, shown] : cases) {
        frame.SetQuestion(value);
        EXPECT_EQ(frame.HexPnl->Caption(), shown) << value;
    }
}

TEST_F(HexFrTest, ClicksFlipBitsAndBuildTheAnswer) {
    QTest::mouseClick(frame.H3Pnl, Qt::LeftButton);
    QTest::mouseClick(frame.H0Pnl, Qt::LeftButton);
    EXPECT_EQ(frame.GetAnswer(), 9);
    EXPECT_EQ(frame.H3Pnl->Caption(), "1");
    EXPECT_EQ(frame.H3Pnl->Tag, 1);
    QTest::mouseClick(frame.H3Pnl, Qt::LeftButton);
    EXPECT_EQ(frame.GetAnswer(), 1);
    EXPECT_EQ(frame.H3Pnl->Caption(), "0");
    QTest::mouseClick(frame.H2Pnl, Qt::LeftButton);
    QTest::mouseClick(frame.H1Pnl, Qt::LeftButton);
    EXPECT_EQ(frame.GetAnswer(), 7);
}

TEST_F(HexFrTest, OnlyLeftClicksOnBitCellsCount) {
    QTest::mouseClick(frame.HexPnl, Qt::LeftButton);
    QTest::mouseClick(frame.H3Pnl, Qt::RightButton);
    QTest::mouseClick(frame.Panel1, Qt::LeftButton);
    EXPECT_EQ(frame.GetAnswer(), 0);
    EXPECT_EQ(frame.HexPnl->Caption(), "0");
    // A press that is released outside the cell is no click.
    QTest::mousePress(frame.H2Pnl, Qt::LeftButton);
    QTest::mouseRelease(frame.H2Pnl, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(frame.GetAnswer(), 0);
}

TEST_F(HexFrTest, NewQuestionClearsAnswerAndColour) {
    frame.SetQuestion(5);
    for (Panel *cell : BitCells())
        QTest::mouseClick(cell, Qt::LeftButton);
    frame.ShowJudgement(false);
    frame.SetQuestion(12);
    EXPECT_EQ(frame.GetAnswer(), 0);
    for (Panel *cell : BitCells()) {
        EXPECT_EQ(cell->Tag, 0);
        EXPECT_EQ(cell->Caption(), "0");
        EXPECT_EQ(cell->Color(), ButtonFace());
    }
}

TEST_F(HexFrTest, JudgementColoursTheBitCellsOnly) {
    frame.ShowJudgement(true);
    for (Panel *cell : BitCells())
        EXPECT_EQ(ToColorValue(cell->Color()), clLime);
    frame.ShowJudgement(false);
    for (Panel *cell : BitCells())
        EXPECT_EQ(ToColorValue(cell->Color()), clRed);
    EXPECT_EQ(frame.HexPnl->Color(), ButtonFace());
    // A judged cell keeps its colour when clicked.
    QTest::mouseClick(frame.H1Pnl, Qt::LeftButton);
    EXPECT_EQ(frame.H1Pnl->Caption(), "1");
    EXPECT_EQ(ToColorValue(frame.H1Pnl->Color()), clRed);
}

TEST_F(HexFrTest, NeighbouringBitCellsShareOneBorderLine) {
    frame.ShowJudgement(true);
    const QImage image = frame.grab().toImage();
    // Panel1 starts at the frame's origin; the H3/H2 border is the column x = 45.
    for (int y = 0; y < 25; ++y)
        EXPECT_EQ(image.pixelColor(45, y), QColor(Qt::black)) << y;
    EXPECT_EQ(ToColorValue(image.pixelColor(44, 12)), clLime);
    EXPECT_EQ(ToColorValue(image.pixelColor(46, 12)), clLime);
    // Between the digit cell and the first bit cell lies the plain background.
    EXPECT_EQ(image.pixelColor(22, 12), frame.palette().color(QPalette::Window));
}

TEST_F(HexFrTest, TakesNoKeyboardFocus) {
    for (QWidget *widget : frame.findChildren<QWidget *>())
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->objectName().toStdString();
    EXPECT_EQ(frame.focusPolicy(), Qt::NoFocus);
}

TEST(HexFrLayout, PanelStartsWherePlaced) {
    THFr frame(nullptr, 2);
    EXPECT_EQ(frame.Panel1->geometry(), QRect(2, 0, 97, 25));
    EXPECT_EQ(frame.HexPnl->geometry(), QRect(0, 0, 17, 25));
    EXPECT_EQ(frame.H3Pnl->geometry(), QRect(29, 0, 17, 25));
    EXPECT_EQ(frame.H0Pnl->geometry(), QRect(77, 0, 17, 25));
}
