#pragma once

#include <QString>
#include <QStringList>

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

// What a screen reader hears after a press or a click: the sentences of one change, each closed
// with "。" unless it already ends with "！".
inline QString Sentences(const QStringList &parts) {
    QString text;
    for (const QString &part : parts)
        if (!part.isEmpty())
            text += part.endsWith(QChar(0xFF01)) ? part : part + QStringLiteral("。");
    return text;
}
inline QString Started(const QString &what) { return what + QStringLiteral("を開始"); }
inline QString Finished(const QString &what) { return what + QStringLiteral("を終了"); }
inline QString ItemCount(qsizetype count) { return QStringLiteral("%1問").arg(count); }
inline QString PageShown(const QString &page) { return QStringLiteral("解説は %1").arg(page); }
inline QString ButtonNow(const QString &caption) {
    return QStringLiteral("ボタンは %1").arg(caption);
}
inline QString DrillTime(const QString &time) { return QStringLiteral("タイム %1").arg(time); }
inline QString NewFastest(const QString &time) {
    return QStringLiteral("最速タイム更新 %1").arg(time);
}
inline QString NewSlowest(const QString &time) {
    return QStringLiteral("最低タイム更新 %1").arg(time);
}
// The wrong items, by what they ask.
inline QString WrongItems(const QStringList &asked) {
    return QStringLiteral("不正解 %1問: %2")
        .arg(asked.size())
        .arg(asked.join(QStringLiteral(", ")));
}
inline const QString Example = QStringLiteral("例");
inline const QString Drill = QStringLiteral("演習");

} // namespace DrillTexts
