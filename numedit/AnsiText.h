#pragma once

#include <QByteArray>
#include <QStringView>

// Text as the bytes of the Japanese ANSI code page (Shift-JIS), the form in which lengths are
// counted and numbers read. As in a code-page conversion, a character that the code page
// cannot hold becomes one "?".
QByteArray ToAnsi(QStringView text);

// How many bytes the text takes in that code page; a double-byte character counts two.
qsizetype AnsiLength(QStringView text);

// The longest beginning of text that takes at most maxBytes bytes; a double-byte character is
// never split.
QStringView AnsiPrefix(QStringView text, qsizetype maxBytes);
