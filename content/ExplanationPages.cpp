#include "MainWindowLayout.h"

#include <array>

using enum WidgetKind;

namespace {

// clang-format off
std::vector<WidgetRow> PositionalNotationRows() {
    return {
        {"Label10", Label, "TabSheet2", {16, 3, 52, 13}, "n進数とは"},
        {"Label11", Label, "TabSheet2", {40, 22, 224, 13}, "a*(n＾3)+b*(n^2)+c*(n^1)+d*(n^0)", &Mincho13},
        {"Label3", Label, "TabSheet2", {16, 53, 331, 13}, "１０進数 abcｄ　は各位の重み（千、百、十、一）と各桁の数字を"},
        {"Label1", Label, "TabSheet2", {16, 72, 125, 13}, "掛けて足したものとなる。"},
        {"Label2", Label, "TabSheet2", {40, 91, 160, 13}, "a*1000+b*100 + c*10 + d*1"},
        {"Label5", Label, "TabSheet2", {16, 126, 204, 13}, "これをべき乗（＾）で表わすと以下となる。"},
        {"Label4", Label, "TabSheet2", {40, 145, 252, 13}, "a*(10＾3)+b*(10^2)+c*(10^1)+d*(10^0)", &Mincho13},
        {"Label6", Label, "TabSheet2", {16, 176, 73, 13}, "では16進数は"},
        {"Label7", Label, "TabSheet2", {40, 195, 252, 13}, "a*(16＾3)+b*(16^2)+c*(16^1)+d*(16^0)", &Mincho13},
        {"Label8", Label, "TabSheet2", {16, 230, 66, 13}, "では2進数は"},
        {"Label9", Label, "TabSheet2", {40, 249, 224, 13}, "a*(2＾3)+b*(2^2)+c*(2^1)+d*(2^0)", &Mincho13},
        {"Label12", Label, "TabSheet2", {16, 286, 161, 13}, "10進数は0～9の数字で表わす"},
        {"Label13", Label, "TabSheet2", {16, 305, 308, 13}, "16進数は0～9，a,b,c,d,e,fで表わす。(a～ｆはA～Fでも良い)"},
        {"Label14", Label, "TabSheet2", {16, 324, 144, 13}, "2進数は0,1の数字で表わす"},
        {"Label15", Label, "TabSheet2", {16, 360, 63, 13}, "16進の重み"},
        {"Label21", Label, "TabSheet2", {21, 382, 68, 13}, "16^4=65536"},
        {"Label20", Label, "TabSheet2", {116, 382, 61, 13}, "16^3=4096"},
        {"Label19", Label, "TabSheet2", {196, 382, 54, 13}, "16^2=256"},
        {"Label18", Label, "TabSheet2", {269, 382, 47, 13}, "16^1=16"},
        {"Label17", Label, "TabSheet2", {333, 382, 40, 13}, "16^0=1"},
        {"Label16", Label, "TabSheet2", {23, 424, 56, 13}, "2進の重み"},
        {"Label25", Label, "TabSheet2", {116, 440, 33, 13}, "2^3=8"},
        {"Label24", Label, "TabSheet2", {196, 440, 33, 13}, "2^2=4"},
        {"Label23", Label, "TabSheet2", {269, 440, 33, 13}, "2^1=2"},
        {"Label22", Label, "TabSheet2", {333, 440, 33, 13}, "2^0=1"},
        {"Label30", Label, "TabSheet2", {21, 488, 47, 13}, "2^8=256"},
        {"Label29", Label, "TabSheet2", {116, 488, 47, 13}, "2^7=128"},
        {"Label28", Label, "TabSheet2", {196, 488, 40, 13}, "2^6=64"},
        {"Label27", Label, "TabSheet2", {269, 488, 40, 13}, "2^5=32"},
        {"Label26", Label, "TabSheet2", {333, 488, 40, 13}, "2^4=16"},
    };
}

std::vector<WidgetRow> ConversionMethodRows() {
    return {
        {"Label82", Label, "TabSheet3", {16, 3, 63, 13}, "変換の順序"},
        {"Label83", Label, "TabSheet3", {40, 22, 161, 13}, "10進　⇔　16進　⇔　2進", &Mincho13},
        {"Label84", Label, "TabSheet3", {16, 46, 126, 13}, "10進　⇒　16進変換", &Mincho13},
        {"Label85", Label, "TabSheet3", {40, 70, 63, 13}, "例：　732", &Mincho13},
        {"Label86", Label, "TabSheet3", {83, 89, 105, 13}, "732/256=2･･･220", &Mincho13},
        {"Label87", Label, "TabSheet3", {83, 108, 98, 13}, "220/16=13･･･12", &Mincho13},
        {"Label88", Label, "TabSheet3", {83, 137, 217, 13}, "256の位が2　16の位13　1の位が12", &Mincho13},
        {"Label90", Label, "TabSheet3", {115, 156, 210, 13}, "13はD　12はCなので16進としては", &Mincho13},
        {"Label89", Label, "TabSheet3", {83, 175, 189, 13}, "2DCｈ　（ｈは16進を表わす）", &Mincho13},
        {"Label91", Label, "TabSheet3", {16, 206, 126, 13}, "16進　⇒　10進変換", &Mincho13},
        {"Label92", Label, "TabSheet3", {83, 225, 98, 13}, "上記の逆をする", &Mincho13},
        {"Label93", Label, "TabSheet3", {40, 244, 63, 13}, "例：　3CA", &Mincho13},
        {"Label94", Label, "TabSheet3", {83, 263, 189, 13}, "256*3 + 16*12　+ 1*10 = 970", &Mincho13},
        {"GroupBox1", GroupBox, "TabSheet3", {16, 296, 345, 65}, "※16進の重み"},
        {"Label109", Label, "GroupBox1", {13, 28, 68, 13}, "16^4=65536"},
        {"Label110", Label, "GroupBox1", {92, 28, 61, 13}, "16^3=4096"},
        {"Label111", Label, "GroupBox1", {164, 28, 54, 13}, "16^2=256"},
        {"Label112", Label, "GroupBox1", {229, 28, 47, 13}, "16^1=16"},
        {"Label113", Label, "GroupBox1", {289, 28, 40, 13}, "16^0=1"},
        {"Label95", Label, "TabSheet3", {16, 390, 119, 13}, "16進　⇒　2進変換", &Mincho13},
        {"Label96", Label, "TabSheet3", {85, 409, 189, 13}, "16進1桁を2進4桁に変換する。", &Mincho13},
        {"Label97", Label, "TabSheet3", {16, 438, 119, 13}, "2進　⇒　16進変換", &Mincho13},
        {"Label98", Label, "TabSheet3", {85, 457, 210, 13}, "2進を4桁ごとに区切り変換する。", &Mincho13},
        {"Label99", Label, "TabSheet3", {85, 475, 144, 16}, "1 1 0 0 0 1 0 1 = C5h", &Gothic16},
    };
}

// clang-format on

QString BinaryDigits(int value) {
    QString text;
    for (int bit = 3; bit >= 0; --bit) {
        if (!text.isEmpty())
            text += ' ';
        text += (value >> bit & 1) ? '1' : '0';
    }
    return text;
}

QString LabelName(int number) { return QStringLiteral("Label%1").arg(number); }

} // namespace

std::vector<WidgetRow> NumberTableRows() {
    constexpr int decimalRight = 59;
    constexpr int hexRight = 144;
    constexpr int binaryLeft = 213;
    // The hexadecimal labels run from Label65 down to Label56 for "0" to "9"; the letters
    // took the free numbers in this order.
    constexpr std::array<int, 6> letterLabels{55, 54, 50, 53, 52, 51};

    std::vector<WidgetRow> rows{
        {"Label31", Label, "TabSheet1", {43, 56, 27, 13}, "10進"},
        {"Label32", Label, "TabSheet1", {128, 56, 27, 13}, "16進"},
        {"Label33", Label, "TabSheet1", {224, 56, 20, 13}, "2進"},
        {"Shape1", Rule, "TabSheet1", {24, 75, 289, 1}},
        {"Shape2", Rule, "TabSheet1", {93, 48, 1, 409}},
        {"Shape3", Rule, "TabSheet1", {185, 48, 1, 409}},
    };
    for (int v = 0; v <= 15; ++v) {
        const int top = v == 0 ? 88 : 87 + 23 * v;
        const QString decimal = QString::number(v);
        const int hexLabel = v < 10 ? 65 - v : letterLabels[std::size_t(v - 10)];
        // No column is squeezed to a width of its own (a zero width leaves a text unsqueezed),
        // so that the same digit looks the same in every column; only the edges are kept.
        rows.push_back({LabelName(34 + v),
                        Label,
                        "TabSheet1",
                        {decimalRight, top, 0, 16},
                        decimal,
                        &Gothic16,
                        Qt::AlignRight});
        rows.push_back({LabelName(hexLabel),
                        Label,
                        "TabSheet1",
                        {hexRight, top, 0, 16},
                        QString::number(v, 16).toUpper(),
                        &Gothic16,
                        Qt::AlignRight});
        rows.push_back({LabelName(66 + v),
                        Label,
                        "TabSheet1",
                        {binaryLeft, top, 0, 16},
                        BinaryDigits(v),
                        &Gothic16});
    }
    return rows;
}

std::vector<WidgetRow> ExplanationPageRows() {
    std::vector<WidgetRow> rows = PositionalNotationRows();
    for (auto part : {NumberTableRows(), ConversionMethodRows()})
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}
