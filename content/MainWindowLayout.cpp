#include "MainWindowLayout.h"

using enum WidgetKind;

std::vector<WidgetRow> MainWindowRows() {
    std::vector<WidgetRow> rows{
        {"Label104", Label, "", {16, 8, 34, 16}, "解説", &HeadingFont},
        {"Label106", Label, "", {400, 8, 34, 16}, "演習", &HeadingFont},
        {"PgControl1", TabControl, "", {4, 32, 381, 553}},
        {"TabSheet2", Page, "PgControl1", {}, "n進数について"},
        {"TabSheet1", Page, "PgControl1", {}, "各進数の関連"},
        {"TabSheet3", Page, "PgControl1", {}, "変換方法（計算方法）"},
        {"PgControl2", TabControl, "", {392, 33, 618, 553}},
        {"TabSheet4", Page, "PgControl2", {}, "16進⇒2進"},
        {"TabSheet5", Page, "PgControl2", {}, "16進⇒2進　演習グラフ"},
        {"TabSheet6", Page, "PgControl2", {}, "10進⇔16進"},
    };
    for (auto part : {ExplanationPageRows(), PracticePageRows()})
        rows.insert(rows.end(), part.begin(), part.end());
    return rows;
}
