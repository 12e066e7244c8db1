#include "AutoLabel.h"
#include "Chart.h"
#include "DecHexFr.h"
#include "DrillFixture.h"
#include "Ink.h"
#include "NumEdit.h"
#include "Typing.h"

#include <QTabWidget>

namespace {

const QColor Red(255, 0, 0);
const QColor Lime(0, 255, 0);
const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

// The messages, judged items and the graph's title as the window shows them.
class ColouredTextsTest : public DrillTest {
protected:
    QImage Shot(int practicePage) {
        window.PgControl2->setCurrentIndex(practicePage);
        return window.grab().toImage();
    }
    QRect Area(const QWidget *widget) {
        return QRect(widget->mapTo(&window, QPoint()), widget->size());
    }
    // Strokes in the colour, and none in the colours it must not be drawn in.
    void ExpectDrawnIn(const QImage &shot, const QWidget *widget, const QColor &colour,
                       std::initializer_list<QColor> others) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_GT(CountOf(shot, Area(widget), colour), 10);
        for (const QColor &other : others)
            EXPECT_EQ(CountOf(shot, Area(widget), other), 0) << other.name().toStdString();
    }
    // Most of the widget filled with the colour.
    void ExpectFilledWith(const QImage &shot, const QWidget *widget, const QColor &colour) {
        SCOPED_TRACE(widget->objectName().toStdString());
        const QRect area = Area(widget);
        EXPECT_GT(CountOf(shot, area, colour), area.width() * area.height() / 2);
    }
};

} // namespace

TEST_F(ColouredTextsTest, TheTimedDrillJudgesInRedAndGreenAndTheGraphTitleIsBlue) {
    Press(window.ExamBtn);
    AnswerDrill(5);
    Press(window.ExamBtn);
    QImage shot = Shot(0);
    ExpectDrawnIn(shot, window.AlarmLbl, Red, {Lime, Black});
    ExpectFilledWith(shot, window.HFrs[5]->H0Pnl, Red);
    ExpectFilledWith(shot, window.HFrs[6]->H3Pnl, Lime);

    ClickAnswer(window.HFrs[5], 1); // flips the wrong bit back
    Press(window.ExamBtn);
    shot = Shot(0);
    ExpectDrawnIn(shot, window.AlarmLbl, Lime, {Red, Black});
    ExpectFilledWith(shot, window.HFrs[5]->H0Pnl, Lime);

    shot = Shot(1);
    const TRect title = window.Chart1->Title.TitleBounds;
    const QRect titleBand = QRect(QPoint(title.Left, title.Top), QPoint(title.Right, title.Bottom))
                                .translated(Area(window.Chart1).topLeft());
    EXPECT_GT(CountOf(shot, titleBand, Blue), 10);
    EXPECT_EQ(CountOf(shot, titleBand, Black), 0);
}

TEST_F(ColouredTextsTest, TheDecimalHexDrillJudgesInRedAndGreen) {
    Press(window.ExamBtn2);
    for (std::size_t i = 1; i <= 36; ++i) {
        const std::int32_t answer = window.DecHexAns[i] + (i == 7 ? 1 : 0);
        TypeInto(window.DHFrs[i]->AnswerNum,
                 i <= 18 ? QString::number(answer) : QString::number(answer, 16));
    }
    Press(window.ExamBtn2);
    QImage shot = Shot(2);
    ExpectDrawnIn(shot, window.AlarmLbl2, Red, {Lime, Black});
    ExpectFilledWith(shot, window.DHFrs[7]->AnswerNum, Red);
    ExpectFilledWith(shot, window.DHFrs[8]->AnswerNum, Lime);

    TypeInto(window.DHFrs[7]->AnswerNum, QString::number(window.DecHexAns[7]));
    Press(window.ExamBtn2);
    shot = Shot(2);
    ExpectDrawnIn(shot, window.AlarmLbl2, Lime, {Red, Black});
    ExpectFilledWith(shot, window.DHFrs[7]->AnswerNum, Lime);
}
