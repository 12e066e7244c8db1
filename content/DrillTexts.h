#pragma once

#include <QString>

// The words the drills show and say, in one place.
namespace DrillTexts {

// The start/finish buttons name what their next press does.
inline const QString ExampleStart = QStringLiteral("例開始");
inline const QString ExampleFinish = QStringLiteral("例終了");
inline const QString DrillStart = QStringLiteral("演習開始");
inline const QString DrillFinish = QStringLiteral("演習終了");

// The message line after a check.
inline const QString AllRight = QStringLiteral("全問正解オメデトウ！");
inline const QString KeepGoing = QStringLiteral("全問正解になるまでガンバッテ！");

// A judged item, in words for screen readers: its colour is not the only sign.
inline QString Judgement(bool correct) {
    return correct ? QStringLiteral("正解") : QStringLiteral("不正解");
}

} // namespace DrillTexts
