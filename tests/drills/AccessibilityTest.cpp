// What a screen reader finds: names for every control, and judgements in words, not colour only.
#include "Announcer.h"
#include "AutoLabel.h"
#include "Chart.h"
#include "DecHexFr.h"
#include "DrillFixture.h"
#include "HexFr.h"
#include "NumEdit.h"
#include "Panel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

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
    // The label that labels the field, whose name screen readers say for it, tells the base too.
    EXPECT_EQ(Spoken(lower->QuesionLbl), Spoken(lower->AnswerNum));
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

namespace {

QAccessibleInterface *Of(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

void Do(QObject *object, const QString &action) { Of(object)->actionInterface()->doAction(action); }

// A button pressed through its action clicks a moment later, as it shows itself pressed.
void PressByAction(QAbstractButton *button) {
    Do(button, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([button] { return !button->isDown(); }));
}

} // namespace

TEST_F(DrillTest, EveryActionABitCellOffersFlipsItExactlyOnce) {
    Panel *cell = window.THFr1->H2Pnl;
    QAccessibleInterface *bit = Of(cell);
    const QStringList actions = bit->actionInterface()->actionNames();
    ASSERT_FALSE(actions.isEmpty());
    for (const QString &action : actions) {
        SCOPED_TRACE(action.toStdString());
        const bool before = bit->state().checked;
        Do(cell, action);
        EXPECT_NE(bit->state().checked, before);
        EXPECT_EQ(cell->Tag, before ? 0 : 1);
    }
}

TEST_F(DrillTest, AScreenReaderDoesTheTimedDrillAndReadsItsTimeWithoutMouseOrKeys) {
    EXPECT_EQ(Of(&window)->role(), QAccessible::Window);
    EXPECT_EQ(Of(&window)->text(QAccessible::Name), "Radixtrek");

    window.PgControl1->setCurrentIndex(0);
    PressByAction(window.ExamBtn);
    EXPECT_EQ(window.PgControl1->currentIndex(), 1);
    // Screen readers tell a tab's place from its index among its bar's tabs.
    QAccessibleInterface *pages = Of(window.PgControl1->tabBar());
    EXPECT_EQ(pages->indexOfChild(pages->child(1)), 1);

    for (std::size_t i = 1; i <= 48; ++i) {
        THFr *frame = window.HFrs[i];
        const int digit = Of(frame->HexPnl)->text(QAccessible::Value).toInt(nullptr, 16);
        const std::pair<Panel *, int> cells[] = {
            {frame->H3Pnl, 8}, {frame->H2Pnl, 4}, {frame->H1Pnl, 2}, {frame->H0Pnl, 1}};
        for (auto [cell, weight] : cells) {
            QAccessibleInterface *bit = Of(cell);
            ASSERT_EQ(bit->role(), QAccessible::CheckBox);
            ASSERT_TRUE(bit->state().checkable);
            if ((digit & weight) != 0)
                Do(cell, QAccessibleActionInterface::toggleAction());
            EXPECT_EQ(bit->state().checked, (digit & weight) != 0);
        }
    }
    EXPECT_EQ(window.HFrs[7]->GetAnswer(), window.HexAns[7]);

    clock.Advance(std::chrono::milliseconds(83'456));
    PressByAction(window.ExamBtn);
    EXPECT_EQ(Of(window.AlarmLbl)->role(), QAccessible::AlertMessage);
    EXPECT_EQ(Of(window.AlarmLbl)->text(QAccessible::Name), "全問正解オメデトウ！");
    EXPECT_EQ(Of(window.TimeLbl)->text(QAccessible::Name), "01:23.456");
    EXPECT_EQ(Of(window.HFrs[48]->H0Pnl)->text(QAccessible::Description), "正解");

    // The graph lists every drill under it, and follows new ones.
    QAccessibleInterface *graph = Of(window.Chart1);
    ASSERT_EQ(graph->childCount(), 1);
    EXPECT_EQ(graph->child(0)->role(), QAccessible::ListItem);
    EXPECT_EQ(graph->child(0)->text(QAccessible::Name), "1回目 01:23.456");
    EXPECT_EQ(graph->indexOfChild(graph->child(0)), 0);
    RunDrill(std::chrono::milliseconds(61'000));
    ASSERT_EQ(graph->childCount(), 2);
    EXPECT_EQ(graph->child(1)->text(QAccessible::Name), "2回目 01:01.000");
}

// Flat review reads the graph's drills as lines over the chart, so every line must stand on it.
TEST_F(DrillTest, ThirtyDrillsStandAsLinesTopToBottomInsideTheChart) {
    window.PgControl2->setCurrentIndex(1);
    for (int n = 1; n <= 30; ++n)
        window.Chart1->SeriesList().front()->AddPointXY(n, (40.0 + n) / 86400, QString(),
                                                        AutoColor);
    QAccessibleInterface *graph = Of(window.Chart1);
    ASSERT_EQ(graph->childCount(), 30);
    const QRect chart(window.Chart1->mapToGlobal(QPoint()), window.Chart1->size());
    int above = chart.top() - 1;
    for (int i = 0; i < 30; ++i) {
        const QRect line = graph->child(i)->rect();
        EXPECT_TRUE(chart.contains(line)) << "drill " << i + 1;
        EXPECT_GT(line.top(), above) << "drill " << i + 1;
        above = line.bottom();
    }
}

// Screen readers leave most changes away from the focus unspoken; each press and click says what
// it changed, and each verdict is an alert.
TEST_F(DrillTest, EveryPressSaysWhatItChangedAndEveryVerdictAlerts) {
    auto *announcer = window.findChild<Announcer *>();
    ASSERT_NE(announcer, nullptr);
    int alerts = 0;
    QObject::connect(window.AlarmLbl, &AutoLabel::AlertRaised, [&alerts] { ++alerts; });
    EXPECT_TRUE(Of(window.AlarmLbl)->state().invisible) << "an empty message line is not read";

    const auto digit = [](int value) { return QString::number(value, 16).toUpper(); };
    Press(window.ExBtn);
    EXPECT_EQ(announcer->LastSentence(),
              QString("例を開始。16進 %1。解説は 各進数の関連。ボタンは 例終了。")
                  .arg(digit(window.ExAns)));
    QTest::mouseClick(window.THFr1->H3Pnl, Qt::LeftButton);
    EXPECT_EQ(announcer->LastSentence(), QString("16進 %1 の 8 の位 1").arg(digit(window.ExAns)));
    QTest::mouseClick(window.THFr1->H3Pnl, Qt::LeftButton);
    ClickAnswer(window.THFr1, window.ExAns);
    Press(window.ExBtn);
    EXPECT_EQ(announcer->LastSentence(), "例を終了。正解。ボタンは 例開始。");

    Press(window.ExamBtn);
    EXPECT_EQ(announcer->LastSentence(),
              "演習を開始。48問。解説は 各進数の関連。ボタンは 演習終了。");
    AnswerDrill(7);
    QTest::mouseClick(window.HFrs[13]->H0Pnl, Qt::LeftButton);
    clock.Advance(std::chrono::milliseconds(61'000));
    Press(window.ExamBtn);
    // The wrong items by their row and column, in reading order, and their digits.
    EXPECT_EQ(announcer->LastSentence(),
              QString("全問正解になるまでガンバッテ！タイム 01:01.000。"
                      "不正解 2問: 1行2列 %1, 7行1列 %2。ボタンは 演習終了。")
                  .arg(digit(window.HexAns[13]), digit(window.HexAns[7])))
        << announcer->LastSentence().toStdString();
    EXPECT_EQ(alerts, 1);
    EXPECT_FALSE(Of(window.AlarmLbl)->state().invisible);

    QTest::mouseClick(window.HFrs[7]->H0Pnl, Qt::LeftButton);
    QTest::mouseClick(window.HFrs[13]->H0Pnl, Qt::LeftButton);
    clock.Advance(std::chrono::milliseconds(1'000));
    Press(window.ExamBtn);
    EXPECT_EQ(
        announcer->LastSentence(),
        "全問正解オメデトウ！タイム 01:02.000。最速タイム更新 01:02.000。最低タイム更新 01:02.000。"
        "演習を終了。ボタンは 演習開始。");
    EXPECT_EQ(alerts, 2);
    // Screen readers speak a notification's name; its description goes unsaid.
    EXPECT_EQ(Of(announcer)->role(), QAccessible::Notification);
    EXPECT_EQ(Of(announcer)->text(QAccessible::Name), announcer->LastSentence());
}
