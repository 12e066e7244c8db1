#include "MainWindowLayout.h"

#include "DrillTexts.h"

#include <array>
#include <map>

using enum WidgetKind;

namespace {

// clang-format off
std::vector<WidgetRow> HexToBinaryRows() {
    return {
        {"Label100", Label, "TabSheet4", {10, 11, 597, 13}, "例：左1マスに０～Fまでの16進が表示される。右の４マスに２進を入れる。２進のマスはクリックごとに１⇔０に変化する。"},
        {"THFr1", HexFrame, "TabSheet4", {64, 40, 105, 29}},
        {"ExBtn", Button, "TabSheet4", {248, 40, 57, 25}, DrillTexts::ExampleStart},
        {"Label102", Label, "TabSheet4", {344, 45, 140, 13}, "正解なら緑　不正解なら赤"},
        {"Shape4", Rule, "TabSheet4", {24, 74, 569, 1}},
        {"ExamBtn", Button, "TabSheet4", {248, 81, 57, 25}, DrillTexts::DrillStart},
        {"AlarmLbl", Label, "TabSheet4", {56, 88, 5, 13}, "", &AlarmFont},
        {"Label101", Label, "TabSheet4", {16, 89, 26, 13}, "演習"},
        {"Label103", Label, "TabSheet4", {320, 88, 29, 13}, "タイム"},
        {"TimeLbl", Label, "TabSheet4", {358, 88, 4, 13}},
        {"Label105", Label, "TabSheet4", {443, 88, 55, 13}, "最速タイム"},
        {"MaxLbl", Label, "TabSheet4", {505, 88, 4, 13}},
    };
}

std::vector<WidgetRow> ProgressGraphRows() {
    return {
        {"GroupBox2", GroupBox, "TabSheet5", {24, 24, 401, 169}, "演習の進め方"},
        {"Label118", Label, "GroupBox2", {18, 35, 296, 13}, "最初は各進数の関連シートを見ながらやって構わないよ！"},
        {"Label114", Label, "GroupBox2", {18, 67, 130, 13}, "やればやるほど速くなる！"},
        {"Label115", Label, "GroupBox2", {18, 99, 66, 13}, "目安は1分。"},
        {"Label116", Label, "GroupBox2", {18, 131, 201, 13}, "自己記録更新を目指してやってみよう。"},
        {"Label119", Label, "TabSheet5", {59, 232, 55, 13}, "最速タイム"},
        {"Max2Lbl", Label, "TabSheet5", {121, 232, 4, 13}},
        {"Label120", Label, "TabSheet5", {243, 232, 55, 13}, "最低タイム"},
        {"Min2Lbl", Label, "TabSheet5", {309, 232, 4, 13}},
        {"Chart1", Chart, "TabSheet5", {24, 256, 561, 255}},
    };
}

std::vector<WidgetRow> DecimalHexRows() {
    return {
        {"ExamBtn2", Button, "TabSheet6", {536, 17, 57, 25}, DrillTexts::DrillStart},
        {"Label117", Label, "TabSheet6", {88, 9, 163, 13}, "速さは関係ないから確実に！！"},
        {"AlarmLbl2", Label, "TabSheet6", {317, 22, 5, 13}, "", &AlarmFont},
        {"Label107", Label, "TabSheet6", {16, 34, 67, 13}, "16進⇒10進"},
        {"Shape5", Rule, "TabSheet6", {24, 268, 553, 1}},
        {"Label108", Label, "TabSheet6", {16, 286, 67, 13}, "10進⇒16進"},
    };
}
// clang-format on

// Frames whose bounds start left of their panel and are larger than the usual 98 x 25.
struct FrameBounds {
    int offset;
    int width;
    int height;
};

const std::map<int, FrameBounds> &IrregularFrames() {
    static const std::map<int, FrameBounds> frames{
        {8, {1, 98, 25}},   {10, {1, 98, 25}},  {14, {1, 98, 25}},  {23, {1, 98, 25}},
        {26, {1, 98, 25}},  {35, {1, 98, 25}},  {38, {1, 98, 25}},  {47, {1, 98, 25}},
        {11, {2, 108, 38}}, {12, {2, 100, 29}}, {15, {2, 106, 25}}, {16, {2, 106, 29}},
        {27, {2, 109, 25}}, {28, {2, 109, 25}}, {39, {2, 110, 25}}, {40, {2, 101, 25}},
    };
    return frames;
}

// The number of the frame in a cell of the grid. Column 1 counts straight down; in the
// other columns the first row comes first, then rows 10 to 12, then rows 2 to 9.
int FrameNumber(int column, int row) {
    if (column == 0)
        return row + 1;
    const int base = 12 * column;
    if (row == 0)
        return base + 1;
    if (row >= 9)
        return base + 2 + (row - 9);
    return base + 4 + row;
}

} // namespace

std::vector<WidgetRow> HexFrameGridRows() {
    constexpr std::array<int, 4> columnX{63, 193, 326, 461};
    constexpr std::array<int, 12> rowY{112, 145, 178, 211, 245, 278, 311, 344, 376, 410, 443, 476};

    // Made, and so read by screen readers, in the order the frames stand: rows from the top,
    // left to right within a row, as the verdict names wrong items, whatever their numbers.
    std::vector<WidgetRow> rows;
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int number = FrameNumber(column, row);
            int panelX = columnX[std::size_t(column)];
            if (number == 40)
                panelX += 1; // this one panel stands a pixel off its column
            FrameBounds bounds{0, 98, 25};
            if (auto it = IrregularFrames().find(number); it != IrregularFrames().end())
                bounds = it->second;
            rows.push_back(
                {QStringLiteral("HFr%1").arg(number),
                 HexFrame,
                 "TabSheet4",
                 {panelX - bounds.offset, rowY[std::size_t(row)], bounds.width, bounds.height},
                 {},
                 nullptr,
                 Qt::AlignLeft,
                 bounds.offset});
        }
    }
    return rows;
}

std::vector<WidgetRow> DecHexFrameGridRows() {
    constexpr std::array<int, 3> columnX{32, 228, 424};
    constexpr std::array<int, 6> rowY{56, 89, 123, 156, 190, 224};
    constexpr int lowerBlockShift = 256;
    constexpr int answerLeft = 77;
    constexpr int answerHeight = 19;

    std::vector<WidgetRow> rows;
    for (int block = 0; block < 2; ++block) {
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 6; ++row) {
                const int number = 18 * block + 6 * column + row + 1;
                rows.push_back({QStringLiteral("DHFr%1").arg(number),
                                DecHexFrame,
                                "TabSheet6",
                                {columnX[std::size_t(column)],
                                 rowY[std::size_t(row)] + lowerBlockShift * block, 146, 29},
                                {},
                                nullptr,
                                Qt::AlignLeft,
                                answerLeft,
                                answerHeight});
            }
        }
    }
    return rows;
}

std::vector<WidgetRow> PracticePageRows() {
    std::vector<WidgetRow> rows = HexToBinaryRows();
    for (auto part :
         {HexFrameGridRows(), ProgressGraphRows(), DecimalHexRows(), DecHexFrameGridRows()})
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}
