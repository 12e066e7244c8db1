#pragma once

#include <QLineEdit>
#include <QTest>

// Empties the field with real keystrokes, as a user would, and types the text.
inline void TypeInto(QLineEdit *edit, const QString &text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    while (!edit->text().isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}
