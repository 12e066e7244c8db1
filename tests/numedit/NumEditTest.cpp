#include "NumEdit.h"
#include "AnsiText.h"
#include "Typing.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

class NumEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.show();
        edit.setFocus();
    }

    // Empties the field with real keystrokes and types the text.
    void Type(const QString &text) { TypeInto(&edit, text); }

    void SendText(const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  int key = 0) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&edit, &press);
    }

    TNumEdit edit;
};

} // namespace

TEST_F(NumEditTest, StartsAsARightAlignedDecimalZero) {
    TNumEdit fresh;
    EXPECT_EQ(fresh.Text(), "0");
    EXPECT_EQ(fresh.Alignment(), taRightJustify);
    EXPECT_TRUE(fresh.alignment() & Qt::AlignRight);
    EXPECT_EQ(fresh.NumericType(), ntDecimal);
    EXPECT_FALSE(fresh.ZeroPadding());
    EXPECT_EQ(fresh.MaxLength(), 0);
    EXPECT_EQ(fresh.Value(), 0);
}

TEST_F(NumEditTest, TypingLetsOnlyTheDigitsOfTheBaseThrough) {
    const QString keys = QStringLiteral("0123456789abcdefABCDEFgGxz-+ .,/:@[`{~");
    const std::pair<TNumericType, const char *> cases[] = {
        {ntDecimal, "0123456789"},
        {ntBinary, "01"},
        {ntOctal, "01234567"},
        {ntHexadecimal, "0123456789abcdefABCDEF"},
    };
    for (auto [type, kept] : cases) {
        edit.SetNumericType(type);
        Type(keys);
        EXPECT_EQ(edit.Text(), kept) << int(type);
    }
}

TEST_F(NumEditTest, ControlCharactersAndWideCharactersAreDropped) {
    edit.SetNumericType(ntHexadecimal);
    Type("1a");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space})
        QTest::keyClick(&edit, key);
    for (Qt::Key letter : {Qt::Key_V, Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_Z, Qt::Key_M})
        QTest::keyClick(&edit, letter, Qt::ControlModifier);
    SendText(QStringLiteral("\t"));
    SendText(QStringLiteral("１")); // full-width digit
    SendText(QStringLiteral("Ａ")); // full-width letter
    SendText(QStringLiteral("é"));
    SendText(QStringLiteral("😀"));
    EXPECT_EQ(edit.Text(), "1a");
    EXPECT_EQ(edit.cursorPosition(), 2);
    // Ctrl+H types the backspace code, which is let through.
    QTest::keyClick(&edit, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "1");
}

TEST_F(NumEditTest, CtrlOrAltWithADigitOrLetterTypesNothing) {
    edit.SetNumericType(ntHexadecimal);
    Type("1a");
    for (Qt::Key key : {Qt::Key_1, Qt::Key_0, Qt::Key_A, Qt::Key_F}) {
        QTest::keyClick(&edit, key, Qt::AltModifier);
        if (key < Qt::Key_A)
            QTest::keyClick(&edit, key, Qt::ControlModifier);
    }
    // Ctrl with Alt is AltGr on many keyboards, which types what the key shows.
    QTest::keyClick(&edit, Qt::Key_2, Qt::ControlModifier | Qt::AltModifier);
    // Ctrl+Backspace is the character 127, which the filter drops like other control codes.
    QTest::keyClick(&edit, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "1a2");
}

TEST_F(NumEditTest, BackspaceWorksInEveryBaseAndOnEmptyText) {
    for (TNumericType type : {ntDecimal, ntBinary, ntOctal, ntHexadecimal}) {
        edit.SetNumericType(type);
        Type("101");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        EXPECT_EQ(edit.Text(), "10");
    }
    Type("");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(edit.Value(), -1);
}

TEST_F(NumEditTest, EditingKeysKeepTheirUsualBehaviour) {
    Type("12345");
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.Text(), "2345");
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "3");
    QTest::keyClick(&edit, Qt::Key_9);
    EXPECT_EQ(edit.Text(), "2945");
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.Text(), "295");
}

TEST_F(NumEditTest, KeyPressHookMayReplaceOrCancelACharacter) {
    edit.SetNumericType(ntBinary);
    Type("");
    edit.OnKeyPress = [](TNumEdit *, char16_t &key) {
        if (key == u'x')
            key = u'1';
        else if (key == u'1')
            key = u'x';
        else if (key == u'0')
            key = 0;
    };
    QTest::keyClicks(&edit, "x1x0");
    EXPECT_EQ(edit.Text(), "11");
    // A replacement by backspace deletes.
    edit.OnKeyPress = [](TNumEdit *, char16_t &key) { key = 8; };
    QTest::keyClick(&edit, Qt::Key_5);
    EXPECT_EQ(edit.Text(), "1");
}

namespace {

// A window that previews keys: it turns every "7" into "3", before the field's own hook.
class PreviewingForm : public QWidget, public TKeyPreviewForm {
public:
    bool KeyPreview() const override { return preview; }
    void FormKeyPress(QWidget *, char16_t &key) override {
        seen += QChar(key);
        if (key == u'7')
            key = u'3';
    }
    bool preview = true;
    QString seen;
};

} // namespace

TEST(NumEditKeyPreview, TheWindowSeesKeysFirstWhenPreviewIsOn) {
    PreviewingForm form;
    auto *edit = new TNumEdit(&form);
    edit->setText(QString());
    QString hookSaw;
    edit->OnKeyPress = [&](TNumEdit *, char16_t &key) { hookSaw += QChar(key); };
    form.show();
    QTest::keyClicks(edit, "17");
    EXPECT_EQ(edit->Text(), "13");
    EXPECT_EQ(form.seen, "17");
    EXPECT_EQ(hookSaw, "13");
    form.preview = false;
    QTest::keyClick(edit, Qt::Key_7);
    EXPECT_EQ(edit->Text(), "137");
}

TEST_F(NumEditTest, MaxLengthLimitsTypingButNotWritingValue) {
    edit.SetMaxLength(4);
    Type("123456");
    EXPECT_EQ(edit.Text(), "1234");
    // Typing over a selection replaces it, even at the limit.
    edit.setSelection(1, 2);
    QTest::keyClick(&edit, Qt::Key_9);
    EXPECT_EQ(edit.Text(), "194");
    edit.SetValue(1234567);
    EXPECT_EQ(edit.Text(), "1234567");
    edit.SetMaxLength(-3);
    EXPECT_EQ(edit.MaxLength(), 0);
}

TEST_F(NumEditTest, EveryWayInKeepsToTheDigitsOfTheBaseWithinMaxLength) {
    QAccessibleEditableTextInterface *accessible =
        QAccessible::queryAccessibleInterface(&edit)->editableTextInterface();
    ASSERT_NE(accessible, nullptr);
    const std::pair<const char *, std::function<void(const QString &)>> routes[] = {
        {"paste key",
         [&](const QString &text) {
             QGuiApplication::clipboard()->setText(text);
             QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
         }},
        {"input method",
         [&](const QString &text) {
             QInputMethodEvent composing(text, {});
             QApplication::sendEvent(&edit, &composing);
             QInputMethodEvent commit;
             commit.setCommitString(text);
             QApplication::sendEvent(&edit, &commit);
         }},
        {"drop",
         [&](const QString &text) {
             QMimeData data;
             data.setText(text);
             const QPoint start(3, edit.height() / 2);
             const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
             QDragEnterEvent enter(start, actions, &data, Qt::LeftButton, {});
             QApplication::sendEvent(&edit, &enter);
             QDropEvent drop(start, actions, &data, Qt::LeftButton, {});
             QApplication::sendEvent(&edit, &drop);
         }},
        {"accessibility",
         [&](const QString &text) { accessible->insertText(edit.cursorPosition(), text); }},
        {"setText",
         [&](const QString &text) {
             edit.setText(edit.text().insert(edit.cursorPosition(), text));
         }},
    };
    struct Case {
        TNumericType type;
        const char16_t *offered, *after;
    };
    const Case cases[] = {
        {ntDecimal, u"１Ａ x９", u"19"},
        {ntDecimal, u"4541:", u"4541"},
        {ntDecimal, u"\b7\b", u"7"},
        {ntDecimal, u"ｆｆ", u""},
        {ntHexadecimal, u"ｆＦ１g", u"fF1"},
        {ntHexadecimal, u"\u061C😀あ", u""},
        {ntDecimal, u"９", u"9"},
        {ntBinary, u"１２01", u"101"},
        {ntOctal, u"789", u"7"},
    };
    for (const auto &[route, offer] : routes) {
        SCOPED_TRACE(route);
        edit.SetMaxLength(0);
        for (const Case &c : cases) {
            edit.SetNumericType(c.type);
            edit.SetValue(-1);
            offer(QString::fromUtf16(c.offered));
            EXPECT_EQ(edit.Text(), QString::fromUtf16(c.after));
        }
        edit.SetNumericType(ntDecimal);
        edit.SetMaxLength(3);
        edit.SetValue(12);
        edit.home(false);
        offer(QStringLiteral("3４5６"));
        EXPECT_EQ(edit.Text(), "312");
        EXPECT_EQ(edit.cursorPosition(), 1);
    }

    // A paste with no digit leaves the selection, and any other change without one the text;
    // one with digits is one step to undo.
    edit.SetMaxLength(0);
    Type("123");
    edit.setSelection(0, 2);
    routes[0].second(QStringLiteral("x:"));
    EXPECT_EQ(edit.Text(), "123");
    EXPECT_EQ(edit.selectedText(), "12");
    routes[0].second(QStringLiteral("4x"));
    EXPECT_EQ(edit.Text(), "43");
    QTest::keyClick(&edit, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(edit.Text(), "123");
    accessible->replaceText(0, 2, QStringLiteral("x"));
    edit.setText(QStringLiteral("abc"));
    EXPECT_EQ(edit.Text(), "123");
}

TEST(AnsiText, CountsAndCutsShiftJisBytes) {
    // A double-byte character counts two and is never split.
    EXPECT_EQ(AnsiLength(u"1あ2"), 4);
    EXPECT_EQ(AnsiPrefix(u"1あ2", 2), u"1");
    EXPECT_EQ(AnsiPrefix(u"1あ2", 3), u"1あ");
    // A character the code page cannot hold becomes one "?", as a code-page conversion makes it.
    EXPECT_EQ(ToAnsi(u"¥5"), "?5");
    EXPECT_EQ(ToAnsi(QString(QChar(0xD800)) + QStringLiteral("7")), "?7"); // a lone surrogate
}

TEST_F(NumEditTest, ContextMenuIsJapaneseAndNamesOnlyKeysThatWork) {
    // A field with a step to undo and all of its text selected; the clipboard holds "9".
    const auto prepare = [this] {
        edit.setText(QStringLiteral("123"));
        edit.end(false);
        QTest::keyClick(&edit, Qt::Key_4);
        edit.selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    };
    const auto openMenu = [this] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                edit.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&edit, &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    };
    const auto state = [this] {
        return edit.Text() + QLatin1Char('|') + QGuiApplication::clipboard()->text();
    };

    prepare();
    QMenu *menu = openMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isVisible());
    QList<std::pair<int, QKeySequence>> named; // item index, the key it names
    for (int i = 0; i < menu->actions().size(); ++i) {
        const QAction *action = menu->actions()[i];
        if (action->isSeparator())
            continue;
        const QStringList parts = action->text().split(QLatin1Char('\t'));
        SCOPED_TRACE(action->text().toStdString());
        // Japanese: some character outside ASCII in every item's name.
        EXPECT_TRUE(std::any_of(parts[0].begin(), parts[0].end(),
                                [](QChar c) { return c.unicode() > 0x7f; }));
        if (parts.size() > 1)
            named.append({i, QKeySequence::fromString(parts[1])});
    }
    menu->close();
    // The keys of a classic edit box, whatever keys the platform binds; none only a few
    // keyboards have (F13 and above), and none for select all, whose Ctrl+A the filter drops.
    QStringList keys;
    for (const auto &entry : named)
        keys.append(entry.second.toString());
    EXPECT_EQ(keys, QStringList({"Alt+Backspace", "Alt+Shift+Backspace", "Shift+Del", "Ctrl+Ins",
                                 "Shift+Ins", "Del"}));

    // Every key the menu names does what its item does.
    for (const auto &[index, sequence] : named) {
        SCOPED_TRACE(sequence.toString().toStdString());
        ASSERT_EQ(sequence.count(), 1);
        prepare();
        menu = openMenu();
        ASSERT_NE(menu, nullptr);
        menu->actions()[index]->trigger();
        menu->close();
        const QString byItem = state();
        prepare();
        QTest::keyClick(&edit, sequence[0].key(), sequence[0].keyboardModifiers());
        EXPECT_EQ(state(), byItem);
    }
}

TEST_F(NumEditTest, ContextMenuPasteGoesThroughTheLimit) {
    edit.SetMaxLength(2);
    edit.setText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("1a23"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&edit, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction *paste = nullptr;
    for (QAction *action : menu->actions())
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            paste = action;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
    EXPECT_EQ(edit.Text(), "12");
}

TEST_F(NumEditTest, PasteKeyGoesThroughTheLimit) {
    edit.SetMaxLength(2);
    edit.setText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("123456"));
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit.Text(), "12");
    // Ctrl+V is the control code 22, which the filter drops.
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), "12");
}

TEST_F(NumEditTest, InputMethodCompositionIsNotShown) {
    Type("");
    QInputMethodEvent composing(QStringLiteral("１２"), {});
    QApplication::sendEvent(&edit, &composing);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_FALSE(edit.testAttribute(Qt::WA_InputMethodEnabled));
}

TEST(NumEditFocus, TabbingInDoesNotSelectTheText) {
    QWidget form;
    auto *first = new TNumEdit(&form);
    auto *second = new TNumEdit(&form);
    second->setText(QStringLiteral("1234"));
    form.show();
    QApplication::setActiveWindow(&form);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_TRUE(second->hasFocus());
    EXPECT_FALSE(second->hasSelectedText());
    EXPECT_EQ(first->Text(), "0"); // the Tab typed nothing
}

TEST_F(NumEditTest, AlignmentChangesPlacementAndKeepsTheText) {
    edit.setText(QStringLiteral("42"));
    edit.SetAlignment(taCenter);
    EXPECT_TRUE(edit.alignment() & Qt::AlignHCenter);
    EXPECT_EQ(edit.Text(), "42");
    edit.SetAlignment(taLeftJustify);
    EXPECT_TRUE(edit.alignment() & Qt::AlignLeft);
    EXPECT_EQ(edit.Text(), "42");
}

TEST_F(NumEditTest, ValueWritesAndReadsInTheBase) {
    edit.SetValue(-1);
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(edit.Value(), -1);
    edit.SetValue(-5);
    EXPECT_EQ(edit.Text(), "");
    for (TNumericType type : {ntDecimal, ntBinary, ntOctal, ntHexadecimal}) {
        edit.SetNumericType(type);
        edit.SetValue(0);
        EXPECT_EQ(edit.Text(), "0");
    }
    edit.setText(QStringLiteral("00ff"));
    EXPECT_EQ(edit.Value(), 255);
    edit.SetNumericType(ntDecimal);
    edit.setText(QStringLiteral("0255"));
    EXPECT_EQ(edit.Value(), 255);
    edit.SetValue(INT64_MAX);
    EXPECT_EQ(edit.Text(), "9223372036854775807");
    EXPECT_EQ(edit.Value(), INT64_MAX);
}

TEST_F(NumEditTest, ZeroPaddingFillsToMaxLengthAndNeverCuts) {
    edit.SetNumericType(ntHexadecimal);
    edit.SetMaxLength(4);
    edit.setText(QStringLiteral("7"));
    edit.SetZeroPadding(true);
    EXPECT_EQ(edit.Text(), "7"); // untouched until Value is written
    edit.SetValue(0);
    EXPECT_EQ(edit.Text(), "0000");
    edit.SetValue(255);
    EXPECT_EQ(edit.Text(), "00FF");
    edit.SetValue(65536);
    EXPECT_EQ(edit.Text(), "10000");
    edit.SetValue(-1);
    EXPECT_EQ(edit.Text(), "0000");
    EXPECT_EQ(edit.Value(), 0);
    edit.SetMaxLength(0);
    edit.SetValue(5);
    EXPECT_EQ(edit.Text(), "5");
}

TEST_F(NumEditTest, ChangingTheBaseCarriesTheValueOver) {
    edit.SetNumericType(ntHexadecimal);
    edit.setText(QStringLiteral("ff"));
    edit.SetNumericType(ntDecimal);
    EXPECT_EQ(edit.Text(), "255");
    edit.SetNumericType(ntHexadecimal);
    EXPECT_EQ(edit.Text(), "FF");
    edit.SetNumericType(ntBinary);
    edit.setText(QStringLiteral("101"));
    edit.SetNumericType(ntHexadecimal);
    EXPECT_EQ(edit.Text(), "5");
    edit.setText(QString());
    edit.SetNumericType(ntOctal);
    EXPECT_EQ(edit.Text(), "");
    edit.SetMaxLength(3);
    edit.SetZeroPadding(true);
    edit.SetNumericType(ntDecimal);
    EXPECT_EQ(edit.Text(), "000");
    // Writing the current type changes nothing.
    edit.setText(QStringLiteral("12"));
    edit.SetNumericType(ntDecimal);
    EXPECT_EQ(edit.Text(), "12");
}
