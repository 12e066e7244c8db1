#include "DecHexFr.h"
#include "ColorValue.h"
#include "NumEdit.h"
#include "Typing.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DecHexFrTest : public ::testing::Test {
protected:
    void SetUp() override { frame.show(); }

    void Type(const QString &text) { TypeInto(frame.AnswerNum, text); }

    TDHFr frame;
};

} // namespace

TEST_F(DecHexFrTest, HexQuestionsShowAtLeastFourUppercaseDigits) {
    const std::pair<int, const char *> cases[] = {{26, "001A"},     {255, "00FF"},
                                                  {0, "0000"},      {65355, "FF4B"},
                                                  {70000, "11170"}, {130711, "1FE97"}};
    for (auto [number, shown] : cases) {
        frame.SetQuestion(0, number);
        EXPECT_EQ(frame.QuesionLbl->text(), shown);
        EXPECT_EQ(frame.AnswerNum->NumericType(), ntDecimal);
    }
}

TEST_F(DecHexFrTest, DecimalQuestionsTakeHexAnswersInEitherCase) {
    frame.SetQuestion(7, 26); // any direction but 0 asks in decimal
    EXPECT_EQ(frame.QuesionLbl->text(), "26");
    EXPECT_EQ(frame.AnswerNum->NumericType(), ntHexadecimal);
    Type("1A");
    EXPECT_EQ(frame.GetAnswer(), 26);
    Type("1a");
    EXPECT_EQ(frame.GetAnswer(), 26);
    Type("26");
    EXPECT_EQ(frame.GetAnswer(), 38);
}

TEST_F(DecHexFrTest, QuestionResetsTheAnswerToZeroOnWhite) {
    frame.SetQuestion(1, 255);
    Type("ff");
    frame.ShowJudgement(true);
    EXPECT_EQ(ToColorValue(frame.AnswerNum->Color()), clLime);
    frame.ShowJudgement(false);
    EXPECT_EQ(ToColorValue(frame.AnswerNum->Color()), clRed);
    frame.SetQuestion(0, 26);
    EXPECT_EQ(frame.AnswerNum->Text(), "0");
    EXPECT_EQ(ToColorValue(frame.AnswerNum->Color()), clWhite);
    EXPECT_EQ(frame.GetAnswer(), 0);
    Type("26");
    EXPECT_EQ(frame.GetAnswer(), 26);
}

TEST_F(DecHexFrTest, EmptyOrOutOfRangeAnswersMatchNoQuestion) {
    frame.SetQuestion(0, 26);
    Type("");
    EXPECT_EQ(frame.GetAnswer(), -1);
    Type("4294967322"); // 26 modulo 2^32
    EXPECT_EQ(frame.GetAnswer(), -1);
    Type("2147483647");
    EXPECT_EQ(frame.GetAnswer(), 2147483647);
    Type("2147483648");
    EXPECT_EQ(frame.GetAnswer(), -1);
    frame.SetQuestion(1, 0);
    Type("10000000000000000"); // seventeen hex digits wrap to 0
    EXPECT_EQ(frame.GetAnswer(), -1);
    Type("0000000000000000000000000");
    EXPECT_EQ(frame.GetAnswer(), 0);
}

TEST_F(DecHexFrTest, TextSetOtherwiseKeepsToTheFieldsDigits) {
    frame.SetQuestion(1, 18);
    frame.AnswerNum->setText(QStringLiteral("1x2"));
    EXPECT_EQ(frame.GetAnswer(), 18);
    // Not 82, as "1x" would read with "x" taken as the digit 72.
    frame.SetQuestion(0, 82);
    frame.AnswerNum->setText(QStringLiteral("1x"));
    EXPECT_EQ(frame.GetAnswer(), 1);
}
