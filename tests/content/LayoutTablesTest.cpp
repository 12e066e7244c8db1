#include "MainWindowLayout.h"

#include <QRegularExpression>
#include <QSet>
#include <array>
#include <gtest/gtest.h>
#include <map>

namespace {

const WidgetRow *FindRow(const std::vector<WidgetRow> &rows, const QString &name) {
    for (const WidgetRow &row : rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

QString LabelName(int number) { return QStringLiteral("Label%1").arg(number); }

} // namespace

TEST(MainWindowRowsTest, NamesAreUniqueAndParentsComeFirst) {
    const std::vector<WidgetRow> rows = MainWindowRows();
    QHash<QString, WidgetKind> built;
    for (const WidgetRow &row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_FALSE(row.name.isEmpty());
        EXPECT_FALSE(built.contains(row.name)) << "duplicate name";
        if (!row.parent.isEmpty()) {
            ASSERT_TRUE(built.contains(row.parent)) << "parent " << row.parent.toStdString();
            // Pages belong to tab controls, and everything else to the window, a page or a box.
            const WidgetKind parentKind = built.value(row.parent);
            if (row.kind == WidgetKind::Page) {
                EXPECT_EQ(parentKind, WidgetKind::TabControl);
            } else {
                EXPECT_TRUE(parentKind == WidgetKind::Page || parentKind == WidgetKind::GroupBox);
            }
        } else {
            EXPECT_NE(row.kind, WidgetKind::Page);
        }
        built.insert(row.name, row.kind);
    }
}

TEST(HexFrameGridTest, FramesFillTheCellsInTheirOrder) {
    constexpr std::array<int, 4> columnX{63, 193, 326, 461};
    constexpr std::array<int, 12> rowY{112, 145, 178, 211, 245, 278, 311, 344, 376, 410, 443, 476};
    constexpr std::array<std::array<int, 12>, 4> numbers{{
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
        {13, 17, 18, 19, 20, 21, 22, 23, 24, 14, 15, 16},
        {25, 29, 30, 31, 32, 33, 34, 35, 36, 26, 27, 28},
        {37, 41, 42, 43, 44, 45, 46, 47, 48, 38, 39, 40},
    }};
    const std::vector<WidgetRow> rows = HexFrameGridRows();
    ASSERT_EQ(rows.size(), 48u);
    QSet<QString> names;
    for (const WidgetRow &row : rows) {
        EXPECT_EQ(row.kind, WidgetKind::HexFrame);
        EXPECT_EQ(row.parent, "TabSheet4");
        names.insert(row.name);
    }
    EXPECT_EQ(names.size(), 48);

    for (std::size_t column = 0; column < 4; ++column) {
        for (std::size_t cell = 0; cell < 12; ++cell) {
            const int number = numbers[column][cell];
            SCOPED_TRACE(::testing::Message() << "HFr" << number);
            const WidgetRow *row = FindRow(rows, QStringLiteral("HFr%1").arg(number));
            ASSERT_NE(row, nullptr);
            const int panelX = number == 40 ? 462 : columnX[column];
            EXPECT_EQ(row->geometry.x() + row->innerLeft, panelX);
            EXPECT_EQ(row->geometry.y(), rowY[cell]);
        }
    }
}

TEST(HexFrameGridTest, IrregularFramesStartLeftOfTheirPanel) {
    struct Bounds {
        int offset, width, height;
    };
    const std::map<int, Bounds> irregular{
        {8, {1, 98, 25}},   {10, {1, 98, 25}},  {14, {1, 98, 25}},  {23, {1, 98, 25}},
        {26, {1, 98, 25}},  {35, {1, 98, 25}},  {38, {1, 98, 25}},  {47, {1, 98, 25}},
        {11, {2, 108, 38}}, {12, {2, 100, 29}}, {15, {2, 106, 25}}, {16, {2, 106, 29}},
        {27, {2, 109, 25}}, {28, {2, 109, 25}}, {39, {2, 110, 25}}, {40, {2, 101, 25}},
    };
    const std::vector<WidgetRow> rows = HexFrameGridRows();
    for (int number = 1; number <= 48; ++number) {
        SCOPED_TRACE(::testing::Message() << "HFr" << number);
        const WidgetRow *row = FindRow(rows, QStringLiteral("HFr%1").arg(number));
        ASSERT_NE(row, nullptr);
        const auto it = irregular.find(number);
        const Bounds expected = it == irregular.end() ? Bounds{0, 98, 25} : it->second;
        EXPECT_EQ(row->innerLeft, expected.offset);
        EXPECT_EQ(row->geometry.size(), QSize(expected.width, expected.height));
    }
}

TEST(NumberTableTest, RowsShowEachValueInThreeBases) {
    constexpr std::array<int, 16> hexLabels{65, 64, 63, 62, 61, 60, 59, 58,
                                            57, 56, 55, 54, 50, 53, 52, 51};
    const QRegularExpression hexDigit(QStringLiteral("^[0-9A-F]$"));
    const QRegularExpression fourBits(QStringLiteral("^[01] [01] [01] [01]$"));
    const std::vector<WidgetRow> rows = NumberTableRows();
    EXPECT_EQ(rows.size(), 3u + 3u + 16u * 3u); // headings, rules, and three labels per value
    for (int v = 0; v <= 15; ++v) {
        SCOPED_TRACE(::testing::Message() << "v = " << v);
        const WidgetRow *decimal = FindRow(rows, LabelName(34 + v));
        const WidgetRow *hex = FindRow(rows, LabelName(hexLabels[std::size_t(v)]));
        const WidgetRow *binary = FindRow(rows, LabelName(66 + v));
        ASSERT_TRUE(decimal && hex && binary);
        const int top = v == 0 ? 88 : 87 + 23 * v;
        for (const WidgetRow *row : {decimal, hex, binary}) {
            EXPECT_EQ(row->kind, WidgetKind::Label);
            EXPECT_EQ(row->parent, "TabSheet1");
            EXPECT_EQ(row->geometry.y(), top);
            ASSERT_NE(row->font, nullptr);
            EXPECT_EQ(row->font->family, "MS UI Gothic");
            EXPECT_EQ(row->font->pixelSize, 16);
            EXPECT_FALSE(row->font->bold);
        }

        EXPECT_EQ(decimal->text, QString::number(v));
        EXPECT_TRUE(decimal->alignment & Qt::AlignRight);
        EXPECT_EQ(decimal->geometry.x() + decimal->geometry.width(), 59);

        EXPECT_TRUE(hexDigit.match(hex->text).hasMatch()) << hex->text.toStdString();
        EXPECT_EQ(hex->text.toInt(nullptr, 16), v);
        EXPECT_TRUE(hex->alignment & Qt::AlignRight);
        EXPECT_EQ(hex->geometry.x() + hex->geometry.width(), 144);

        EXPECT_TRUE(fourBits.match(binary->text).hasMatch()) << binary->text.toStdString();
        EXPECT_EQ(QString(binary->text).remove(' ').toInt(nullptr, 2), v);
        EXPECT_FALSE(binary->alignment & Qt::AlignRight);
        EXPECT_EQ(binary->geometry.x(), 213);
    }
}
