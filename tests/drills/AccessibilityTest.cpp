// What a screen reader finds: names for every control, and judgements in words, not colour only.
#include "Chart.h"
#include "DecHexFr.h"
#include "DrillFixture.h"
#include "NumEdit.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>

namespace {

QString Spoken(QObject *object, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(what) : QString();
}

} // namespace

TEST_F(DrillTest, ButtonsAreNamedByTheirCaptions) {
    EXPECT_EQ(Spoken(window.ExamBtn), "演習開始");
    EXPECT_EQ(Spoken(window.ExBtn), "例開始");
    Press(window.ExamBtn);
    EXPECT_EQ(Spoken(window.ExamBtn), "演習終了");
    // Qt names the actions of its standard widgets; those names are read out in Japanese too.
    QAccessibleActionInterface *actions =
        QAccessible::queryAccessibleInterface(window.ExamBtn)->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->localizedActionName(QAccessibleActionInterface::pressAction()), "押す");
}

TEST_F(DrillTest, BitCellsNameTheirWeightAndTheDigitAsked) {
    Press(window.ExamBtn);
    THFr *frame = window.HFrs[1];
    const QString digit = frame->HexPnl->Caption();
    EXPECT_EQ(Spoken(frame->H3Pnl), QStringLiteral("16進 %1 の 8 の位").arg(digit));
    EXPECT_EQ(Spoken(frame->H0Pnl), QStringLiteral("16進 %1 の 1 の位").arg(digit));
    AnswerDrill(1);
    clock.Advance(std::chrono::seconds(30));
    Press(window.ExamBtn);
    EXPECT_EQ(Spoken(frame->H2Pnl, QAccessible::Description), "不正解");
    EXPECT_EQ(Spoken(window.HFrs[2]->H2Pnl, QAccessible::Description), "正解");
}

TEST_F(DrillTest, AnswerFieldsAreNamedByTheirQuestion) {
    Press(window.ExamBtn2);
    TDHFr *upper = window.DHFrs[1];
    TDHFr *lower = window.DHFrs[36];
    EXPECT_EQ(upper->QuesionLbl->buddy(), upper->AnswerNum);
    EXPECT_EQ(Spoken(upper->AnswerNum), upper->QuesionLbl->text() + QStringLiteral(" を10進で"));
    EXPECT_EQ(Spoken(lower->AnswerNum), lower->QuesionLbl->text() + QStringLiteral(" を16進で"));
    Press(window.ExamBtn2);
    const bool right = window.DecHexAns[1] == 0;
    EXPECT_EQ(Spoken(upper->AnswerNum, QAccessible::Description),
              right ? QStringLiteral("正解") : QStringLiteral("不正解"));
}

TEST_F(DrillTest, TheChartSummarisesTheDrills) {
    EXPECT_EQ(Spoken(window.Chart1), "演習スピードグラフ");
    EXPECT_EQ(Spoken(window.Chart1, QAccessible::Description), "演習の記録はまだありません");
    RunDrill(std::chrono::milliseconds(61'500));
    RunDrill(std::chrono::milliseconds(50'000));
    EXPECT_EQ(Spoken(window.Chart1, QAccessible::Description),
              "2 回の演習　最速タイム 00:50.000　最低タイム 01:01.500");
}
