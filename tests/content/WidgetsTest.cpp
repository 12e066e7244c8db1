#include "AutoLabel.h"
#include "Chart.h"
#include "DecHexFr.h"
#include "Differences.h"
#include "HexFr.h"
#include "MainWindowLayout.h"
#include "TagButton.h"
#include "main.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QRawFont>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The window built once for every test; the tests only look at it.
class MainWindowWidgetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        window = std::make_unique<TMainF>();
        window->show();
        // Labels fit themselves to their texts when first shown: visit every page once.
        for (QTabWidget *tabs : {window->PgControl1, window->PgControl2}) {
            for (int page = tabs->count() - 1; page >= 0; --page)
                tabs->setCurrentIndex(page);
        }
        QCoreApplication::processEvents();
    }
    static void TearDownTestSuite() { window.reset(); }

    static AutoLabel *Label(const QByteArray &name) {
        auto *label = window->findChild<AutoLabel *>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name.constData();
        return label;
    }

    static inline std::unique_ptr<TMainF> window;
};

bool HasKind(QWidget *widget, WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Label:
        return qobject_cast<AutoLabel *>(widget);
    case WidgetKind::Button:
        return qobject_cast<TagButton *>(widget);
    case WidgetKind::TabControl:
        return qobject_cast<QTabWidget *>(widget);
    case WidgetKind::GroupBox:
        return qobject_cast<QGroupBox *>(widget);
    case WidgetKind::HexFrame:
        return qobject_cast<THFr *>(widget);
    case WidgetKind::DecHexFrame:
        return qobject_cast<TDHFr *>(widget);
    case WidgetKind::Chart:
        return qobject_cast<TChart *>(widget);
    case WidgetKind::Rule:
        return widget->autoFillBackground() &&
               widget->palette().color(QPalette::Window) == QColor(Qt::black);
    case WidgetKind::Page:
        return true;
    }
    return false;
}

void ExpectLabelMatches(const WidgetRow &row, const AutoLabel *label) {
    EXPECT_EQ(label->text(), row.text);
    const QRect &want = row.geometry;
    const QRect box = label->TextBox();
    if (row.alignment & Qt::AlignRight) {
        EXPECT_EQ(box.x() + box.width(), want.x() + want.width());
    } else {
        EXPECT_EQ(box.x(), want.x());
    }
    EXPECT_EQ(box.y(), want.y());
    // A text wider in the stand-in font than the layout allows is squeezed into its width.
    if (want.width() > 0 && !row.text.isEmpty()) {
        EXPECT_LE(box.width(), want.width() + 1);
    }
    const FontSpec &font = row.font ? *row.font : WindowFont;
    EXPECT_EQ(label->font().family(), font.family);
    EXPECT_EQ(label->font().pixelSize(), font.pixelSize);
    EXPECT_EQ(label->font().bold(), font.bold);
}

} // namespace

TEST_F(MainWindowWidgetsTest, EveryRowHasItsWidget) {
    QHash<QString, int> pagesSoFar;
    for (const WidgetRow &row : MainWindowRows()) {
        SCOPED_TRACE(row.name.toStdString());
        const QList<QWidget *> matches = window->findChildren<QWidget *>(row.name);
        ASSERT_EQ(matches.size(), 1);
        QWidget *widget = matches.front();
        EXPECT_TRUE(HasKind(widget, row.kind)) << widget->metaObject()->className();
        if (row.kind == WidgetKind::Page) {
            // Pages sit in the tab control's stack, so their caption and index say where they are.
            auto *tabs = window->findChild<QTabWidget *>(row.parent);
            ASSERT_NE(tabs, nullptr);
            const int index = tabs->indexOf(widget);
            EXPECT_EQ(index, pagesSoFar[row.parent]++);
            EXPECT_EQ(tabs->tabText(index), row.text);
            continue;
        }
        QWidget *parent =
            row.parent.isEmpty() ? window.get() : window->findChild<QWidget *>(row.parent);
        EXPECT_EQ(widget->parentWidget(), parent);
        if (auto *label = qobject_cast<AutoLabel *>(widget)) {
            ExpectLabelMatches(row, label);
            continue;
        }
        EXPECT_EQ(widget->geometry(), row.geometry);
        if (auto *button = qobject_cast<TagButton *>(widget)) {
            EXPECT_EQ(button->text(), row.text);
            EXPECT_EQ(button->Tag, 0);
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            EXPECT_EQ(box->title(), row.text);
        } else if (auto *frame = qobject_cast<THFr *>(widget)) {
            EXPECT_EQ(frame->Panel1->geometry(), QRect(row.innerLeft, 0, 97, 25));
        }
    }
}

TEST_F(MainWindowWidgetsTest, WindowHasFixedSizeAndCaption) {
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->size(), QSize(1016, 594));
    EXPECT_EQ(window->minimumSize(), QSize(1016, 594));
    EXPECT_EQ(window->maximumSize(), QSize(1016, 594));
    EXPECT_EQ(window->windowTitle(), "Radixtrek");
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->font().family(), "MS UI Gothic");
    EXPECT_EQ(window->font().pixelSize(), 13);
    EXPECT_FALSE(window->font().bold());
}

TEST_F(MainWindowWidgetsTest, TabControlsShowTheirFirstPage) {
    auto tabTexts = [](const QTabWidget *tabs) {
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
        return texts;
    };
    QTabWidget *left = window->PgControl1;
    QTabWidget *right = window->PgControl2;
    ASSERT_EQ(left, window->findChild<QTabWidget *>("PgControl1"));
    ASSERT_EQ(right, window->findChild<QTabWidget *>("PgControl2"));
    EXPECT_EQ(left->geometry(), QRect(4, 32, 381, 553));
    EXPECT_EQ(right->geometry(), QRect(392, 33, 618, 553));
    EXPECT_EQ(tabTexts(left),
              QStringList({"n進数について", "各進数の関連", "変換方法（計算方法）"}));
    const QString graphCaption = QStringLiteral("16進⇒2進\u3000演習グラフ");
    EXPECT_EQ(tabTexts(right), QStringList({"16進⇒2進", graphCaption, "10進⇔16進"}));
    EXPECT_EQ(right->tabText(1).count(QChar(0x3000)), 1);
    EXPECT_EQ(left->currentIndex(), 0);
    EXPECT_EQ(left->currentWidget()->objectName(), "TabSheet2");
    EXPECT_EQ(right->currentIndex(), 0);
    EXPECT_EQ(right->currentWidget()->objectName(), "TabSheet4");
}

TEST_F(MainWindowWidgetsTest, ExplanationTextsKeepTheirFullWidthCharacters) {
    EXPECT_EQ(Label("Label11")->text(), QStringLiteral("a*(n\uFF3E3)+b*(n^2)+c*(n^1)+d*(n^0)"));
    // Every formula raises its first term with the full-width circumflex, the others with '^'.
    for (const char *name : {"Label11", "Label4", "Label7", "Label9"}) {
        const QString text = Label(name)->text();
        EXPECT_EQ(text.count(QChar(0xFF3E)), 1) << name;
        EXPECT_EQ(text.count('^'), 3) << name;
        EXPECT_LT(text.indexOf(QChar(0xFF3E)), text.indexOf('^')) << name;
    }
    EXPECT_EQ(Label("Label86")->text(), QStringLiteral("732/256=2\uFF65\uFF65\uFF65220"));
    EXPECT_EQ(Label("Label87")->text(), QStringLiteral("220/16=13\uFF65\uFF65\uFF6512"));
    EXPECT_EQ(Label("Label83")->text(), QStringLiteral("10進\u3000⇔\u300016進\u3000⇔\u30002進"));
    EXPECT_EQ(Label("Label3")->text(),
              QStringLiteral(
                  "\uFF11\uFF10進数 abc\uFF44\u3000は各位の重み（千、百、十、一）と各桁の数字を"));
    EXPECT_EQ(Label("Label102")->text(), QStringLiteral("正解なら緑\u3000不正解なら赤"));
}

TEST_F(MainWindowWidgetsTest, NumberTableColumnsKeepTheirEdges) {
    constexpr int hexLabels[16] = {65, 64, 63, 62, 61, 60, 59, 58, 57, 56, 55, 54, 50, 53, 52, 51};
    for (int v = 0; v <= 15; ++v) {
        SCOPED_TRACE(::testing::Message() << "v = " << v);
        AutoLabel *decimal = Label(QByteArray("Label") + QByteArray::number(34 + v));
        AutoLabel *hex = Label(QByteArray("Label") + QByteArray::number(hexLabels[v]));
        const AutoLabel *binary = Label(QByteArray("Label") + QByteArray::number(66 + v));
        ASSERT_TRUE(decimal && hex && binary);
        EXPECT_EQ(decimal->TextBox().right(), 58);
        EXPECT_EQ(hex->TextBox().right(), 143);
        EXPECT_EQ(binary->TextBox().x(), 213);
        // Each column stays between the rules that part it from its neighbours.
        EXPECT_GE(decimal->x(), 24);
        EXPECT_GT(hex->x(), 93 + 1);
        EXPECT_LE(binary->x() + binary->width(), 24 + 289);
        // The columns look alike: a digit is drawn the same in the decimal and the hexadecimal
        // column.
        if (v <= 9) {
            EXPECT_EQ(Differences(decimal->grab().toImage(), hex->grab().toImage()), 0);
        }
    }
}

TEST_F(MainWindowWidgetsTest, GroupBoxesHaveAFlatFrameWithTheCaptionInItsTopLine) {
    for (const char *name : {"GroupBox1", "GroupBox2"}) {
        SCOPED_TRACE(name);
        auto *box = window->findChild<QGroupBox *>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr);
        const QImage image = box->grab().toImage();
        const QRgb black = qRgb(0, 0, 0);
        const QRgb face = box->palette().color(QPalette::Window).rgb();
        const int top = QFontMetrics(box->font()).height() / 2;
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        ASSERT_GT(bottom, top + 2);
        // One black pixel all round, with the face colour straight inside it.
        for (int y = top + 1; y < bottom; ++y) {
            EXPECT_EQ(image.pixel(0, y), black) << y;
            EXPECT_EQ(image.pixel(right, y), black) << y;
            EXPECT_EQ(image.pixel(right - 1, y), face) << y;
        }
        for (int x = 0; x <= right; ++x)
            EXPECT_EQ(image.pixel(x, bottom), black) << x;
        for (int x = 1; x < right; ++x)
            EXPECT_EQ(image.pixel(x, bottom - 1), face) << x;
        // The top line runs from corner to corner but for the caption's gap.
        EXPECT_EQ(image.pixel(0, top), black);
        EXPECT_EQ(image.pixel(right, top), black);
        const int caption = QFontMetrics(box->font()).horizontalAdvance(box->title());
        EXPECT_EQ(image.pixel(8 + caption + 1, top), black);
        int gap = 0;
        for (int x = 8; x < 8 + caption; ++x)
            gap += image.pixel(x, top) != black;
        EXPECT_GT(gap, caption / 2);
    }
}

TEST_F(MainWindowWidgetsTest, WindowsFontsAreReplacedByIpaFonts) {
    const QFontInfo gothic(Label("Label10")->font());
    EXPECT_EQ(gothic.family(), "IPAPGothic");
    EXPECT_EQ(gothic.pixelSize(), 13);
    const QFontInfo mincho(Label("Label11")->font());
    EXPECT_EQ(mincho.family(), "IPAMincho");
    EXPECT_EQ(mincho.pixelSize(), 13);
    // The font the platform's font engine really draws with, not only the one Qt matched: on a
    // Windows without the Japanese fonts too (Wine), the Mincho lines are IPAMincho.
    EXPECT_EQ(QRawFont::fromFont(Label("Label11")->font()).familyName(), "IPAMincho");
    EXPECT_EQ(QRawFont::fromFont(Label("Label10")->font()).familyName(), "IPAPGothic");
    const QFontInfo large(Label("Label99")->font());
    EXPECT_EQ(large.family(), "IPAPGothic");
    EXPECT_EQ(large.pixelSize(), 16);
    // The IPA fonts have no bold face: the font asks for bold and the letters are emboldened.
    const QFont headingFont = Label("Label104")->font();
    EXPECT_EQ(QFontInfo(headingFont).family(), "IPAPGothic");
    EXPECT_TRUE(headingFont.bold());
}

TEST_F(MainWindowWidgetsTest, ChartAndMessageLinesStartEmpty) {
    ASSERT_EQ(window->Chart1, window->findChild<TChart *>("Chart1"));
    EXPECT_EQ(window->Chart1->geometry(), QRect(24, 256, 561, 255));
    EXPECT_EQ(window->Chart1->parentWidget()->objectName(), "TabSheet5");
    ASSERT_EQ(window->Chart1->SeriesList().size(), 1u);
    EXPECT_EQ(window->Chart1->SeriesList().front(), window->Series1);
    EXPECT_EQ(window->Series1->PointCount(), 0);

    for (const char *name : {"AlarmLbl", "AlarmLbl2"}) {
        const AutoLabel *alarm = Label(name);
        ASSERT_NE(alarm, nullptr);
        EXPECT_EQ(alarm->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << name;
        EXPECT_TRUE(alarm->font().bold()) << name;
        EXPECT_TRUE(alarm->text().isEmpty()) << name;
    }
    EXPECT_NE(Label("Label101")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (const char *name : {"TimeLbl", "MaxLbl", "Max2Lbl", "Min2Lbl"})
        EXPECT_TRUE(Label(name)->text().isEmpty()) << name;
}

TEST(AutoLabelTest, FitsItselfWhenFirstShown) {
    TMainF hidden;
    auto *label = hidden.findChild<AutoLabel *>(QStringLiteral("Label82"));
    ASSERT_NE(label, nullptr);
    const QSize table = label->size();
    label->EnsureFitted();
    const QSize fitted = label->size();
    EXPECT_NE(fitted, table);
    EXPECT_EQ(fitted, label->sizeHint());

    TMainF shown;
    shown.show();
    shown.PgControl1->setCurrentWidget(shown.findChild<QWidget *>(QStringLiteral("TabSheet3")));
    EXPECT_EQ(shown.findChild<AutoLabel *>(QStringLiteral("Label82"))->size(), fitted);
}

TEST(AutoLabelTest, TextsShownLaterAreNotSqueezed) {
    TMainF window;
    window.show();
    for (const char *name : {"TimeLbl", "MaxLbl", "AlarmLbl", "Max2Lbl", "Min2Lbl", "AlarmLbl2"}) {
        auto *label = window.findChild<AutoLabel *>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->font().stretch() == 0 || label->font().stretch() == 100) << name;
    }
}

// Fonts do not look for missing characters in other fonts, so every character shown must be in
// the widget's own font.
TEST_F(MainWindowWidgetsTest, EveryTextIsInItsOwnFont) {
    const auto expectCovered = [](const QString &text, const QFont &font, const QString &where) {
        const QFontMetrics metrics(font);
        for (const char32_t c : text.toUcs4()) {
            EXPECT_TRUE(c == U'\n' || metrics.inFontUcs4(c))
                << where.toStdString() << ": U+" << std::hex << unsigned(c);
        }
    };
    for (QLabel *label : window->findChildren<QLabel *>())
        expectCovered(label->text(), label->font(), label->objectName());
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        expectCovered(button->text(), button->font(), button->objectName());
    for (QGroupBox *box : window->findChildren<QGroupBox *>())
        expectCovered(box->title(), box->font(), box->objectName());
    for (QTabWidget *tabs : {window->PgControl1, window->PgControl2}) {
        for (int page = 0; page < tabs->count(); ++page)
            expectCovered(tabs->tabText(page), tabs->font(), tabs->objectName());
    }
}
