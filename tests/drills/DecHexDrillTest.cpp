#include "Announcer.h"
#include "AutoLabel.h"
#include "ColorValue.h"
#include "DecHexFr.h"
#include "DrillFixture.h"
#include "NumEdit.h"
#include "Typing.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace {

class DecHexDrillTest : public DrillTest {
protected:
    TDHFr *Frame(std::size_t i) {
        return window.findChild<TDHFr *>(QStringLiteral("DHFr%1").arg(i));
    }
    TagButton *Button() { return window.ExamBtn2; }

    // Types the right answer into every frame but one; hexadecimal answers alternate between
    // upper and lower case. The first digit comes last, after the keypad's Home with Num Lock
    // off, which only a screen reader may take for itself.
    void AnswerAll(std::size_t wrongFrame = 0) {
        for (std::size_t i = 1; i <= 36; ++i) {
            const std::int32_t answer = window.DecHexAns[i] + (i == wrongFrame ? 1 : 0);
            QString text = i <= 18 ? QString::number(answer) : QString::number(answer, 16);
            if (i > 18 && i % 2)
                text = text.toUpper();
            TypeInto(Frame(i)->AnswerNum, text.mid(1));
            QTest::keyClick(Frame(i)->AnswerNum, Qt::Key_Home, Qt::KeypadModifier);
            QTest::keyClicks(Frame(i)->AnswerNum, text.left(1));
        }
    }
};

TColor FieldColor(TDHFr *frame) { return ToColorValue(frame->AnswerNum->Color()); }

} // namespace

TEST_F(DecHexDrillTest, FramesFollowTheirNumbersAndTabOrder) {
    for (std::size_t i = 1; i <= 36; ++i) {
        TDHFr *frame = Frame(i);
        ASSERT_NE(frame, nullptr) << i;
        EXPECT_EQ(window.DHFrs[i], frame);
        EXPECT_EQ(frame->size(), QSize(146, 29));
        EXPECT_EQ(frame->AnswerNum->geometry(), QRect(77, 3, 69, 19));
    }
    EXPECT_EQ(Frame(15)->pos(), QPoint(424, 123)); // wide range: lower four of column 3
    EXPECT_EQ(Frame(33)->pos(), QPoint(424, 379));
    EXPECT_EQ(Frame(19)->pos(), QPoint(32, 312));
    QWidget *focus = window.ExamBtn2;
    for (std::size_t i = 1; i <= 36; ++i) {
        focus = focus->nextInFocusChain();
        while (focus->focusPolicy() == Qt::NoFocus)
            focus = focus->nextInFocusChain();
        EXPECT_EQ(focus, Frame(i)->AnswerNum) << i;
    }
}

TEST_F(DecHexDrillTest, FirstPressStartsWithTheSeededQuestionPlan) {
    window.PgControl1->setCurrentIndex(0);
    Press(Button());
    EXPECT_EQ(Button()->Tag, 1);
    EXPECT_EQ(Button()->text(), "演習終了");
    EXPECT_EQ(window.PgControl1->currentIndex(), 2);
    EXPECT_TRUE(window.AlarmLbl2->text().isEmpty());

    RandomSource expected;
    expected.SetSeed(FixedSeed);
    for (std::size_t i = 1; i <= 36; ++i) {
        const bool wide = (i >= 15 && i <= 18) || i >= 33;
        const std::int32_t number = expected.RandomBelow(wide ? 130712 : 65356);
        EXPECT_EQ(window.DecHexAns[i], number) << i;
        TDHFr *frame = Frame(i);
        if (i <= 18) {
            EXPECT_EQ(frame->QuesionLbl->text(),
                      QStringLiteral("%1").arg(number, 4, 16, QLatin1Char('0')).toUpper());
            EXPECT_EQ(frame->AnswerNum->NumericType(), ntDecimal);
        } else {
            EXPECT_EQ(frame->QuesionLbl->text(), QString::number(number));
            EXPECT_EQ(frame->AnswerNum->NumericType(), ntHexadecimal);
        }
        EXPECT_EQ(frame->AnswerNum->Text(), "0");
        EXPECT_EQ(FieldColor(frame), clWhite);
    }
}

TEST_F(DecHexDrillTest, QuestionsStayInTheirFramesRanges) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        ProcessRandom().SetSeedCounter([seed] { return seed * 2654435761u; });
        Press(Button());
        for (std::size_t i = 1; i <= 36; ++i) {
            const bool wide = (i >= 15 && i <= 18) || i >= 33;
            ASSERT_GE(window.DecHexAns[i], 0);
            ASSERT_LT(window.DecHexAns[i], wide ? 130712 : 65356) << i;
        }
        Button()->Tag = 0; // back to idle without judging
    }
}

TEST_F(DecHexDrillTest, OneWrongAnswerKeepsTheDrillRunningUntilFixed) {
    Press(Button());
    AnswerAll(20);
    Press(Button());
    for (std::size_t i = 1; i <= 36; ++i)
        EXPECT_EQ(FieldColor(Frame(i)), i == 20 ? clRed : clLime) << i;
    EXPECT_EQ(window.AlarmLbl2->text(), "全問正解になるまでガンバッテ！");
    // A screen reader hears the wrong item by its question, not by the answer typed.
    EXPECT_EQ(Announcer::Of(&window)->LastSentence(),
              QStringLiteral("全問正解になるまでガンバッテ！不正解 1問: %1。ボタンは 演習終了。")
                  .arg(Frame(20)->QuesionLbl->text()));
    EXPECT_EQ(ToColorValue(window.AlarmLbl2->palette().color(QPalette::WindowText)), clRed);
    EXPECT_EQ(Button()->Tag, 1);
    EXPECT_EQ(Button()->text(), "演習終了");

    TypeInto(Frame(20)->AnswerNum, QString::number(window.DecHexAns[20], 16));
    Press(Button());
    for (std::size_t i = 1; i <= 36; ++i)
        EXPECT_EQ(FieldColor(Frame(i)), clLime) << i;
    EXPECT_EQ(window.AlarmLbl2->text(), "全問正解オメデトウ！");
    EXPECT_EQ(ToColorValue(window.AlarmLbl2->palette().color(QPalette::WindowText)), clLime);
    EXPECT_EQ(Button()->Tag, 0);
    EXPECT_EQ(Button()->text(), "演習開始");
}

// Pasted answers, with Shift+Insert and with the context menu's 貼り付け, are judged by the
// digits of the field's base alone; full-width digits and letters count as half-width ones.
TEST_F(DecHexDrillTest, PastedAnswersAreJudgedByTheirDigits) {
    const auto pasteInto = [](TNumEdit *field, const QString &clip, bool byMenu) {
        field->clear();
        QGuiApplication::clipboard()->setText(clip);
        if (!byMenu) {
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            return;
        }
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction *action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("&Paste")))
                action->trigger();
        menu->close();
    };
    // Frames 1 to 18 take decimal answers, 19 to 36 hexadecimal ones.
    const auto decimal = [this](std::size_t i) { return QString::number(window.DecHexAns[i]); };
    const auto hex = [this](std::size_t i) { return QString::number(window.DecHexAns[i], 16); };
    const auto fullWidth = [](QString text) {
        for (QChar &character : text)
            character = QChar(character.unicode() - u'0' + u'０');
        return text;
    };
    struct Paste {
        std::size_t frame;
        QString clip;
        bool right;
    };
    // A digit less in front and a character after that a careless reading would fold back
    // into the answer: 68700 as "6869:", 19176 as "1916@".
    const auto folding = [this](std::size_t i) {
        const std::int32_t answer = window.DecHexAns[i];
        return QString::number(answer / 10 - 1) + QChar(u'0' + 10 + answer % 10);
    };
    Press(Button());
    const Paste pastes[] = {
        {1, folding(1), false},
        {2, folding(2), false},
        {3, folding(3), false},
        {4, decimal(4) + QStringLiteral("A"), true},
        {5, fullWidth(decimal(5)), true},
        {6, QStringLiteral(" ") + decimal(6).insert(1, QStringLiteral(",")), true},
        {19, fullWidth(hex(19)).toUpper(), true},
        {20, hex(20) + QStringLiteral("g"), true},
        {21, hex(21).chopped(1) + QStringLiteral("x"), false},
    };
    for (bool byMenu : {false, true}) {
        AnswerAll();
        for (const Paste &paste : pastes)
            pasteInto(Frame(paste.frame)->AnswerNum, paste.clip, byMenu);
        Press(Button());
        for (const Paste &paste : pastes)
            EXPECT_EQ(FieldColor(Frame(paste.frame)), paste.right ? clLime : clRed)
                << paste.frame << " " << paste.clip.toStdString() << (byMenu ? " menu" : " key");
        if (Button()->Tag == 0)
            Press(Button());
    }
}

TEST_F(DecHexDrillTest, UntouchedAnswersAreRightOnlyForZero) {
    Press(Button());
    Press(Button());
    for (std::size_t i = 1; i <= 36; ++i)
        EXPECT_EQ(FieldColor(Frame(i)), window.DecHexAns[i] == 0 ? clLime : clRed) << i;
}

TEST_F(DecHexDrillTest, RestartAfterSuccessClearsEverything) {
    Press(Button());
    AnswerAll();
    Press(Button());
    ASSERT_EQ(Button()->Tag, 0);
    window.PgControl1->setCurrentIndex(0);
    Press(Button());
    EXPECT_TRUE(window.AlarmLbl2->text().isEmpty());
    EXPECT_EQ(window.PgControl1->currentIndex(), 2);
    for (std::size_t i = 1; i <= 36; ++i) {
        EXPECT_EQ(Frame(i)->AnswerNum->Text(), "0");
        EXPECT_EQ(FieldColor(Frame(i)), clWhite);
    }
    // The drill records nothing: the timed drill's records stay empty.
    EXPECT_EQ(window.ExamCount, 0);
}
