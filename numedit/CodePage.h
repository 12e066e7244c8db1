#pragma once

#include <QByteArray>
#include <QStringView>

// One character (a surrogate pair being one) in the Japanese ANSI code page 932: its one or two
// bytes, or nothing when the code page cannot hold it. Each platform converts in its own file.
QByteArray ToCodePage932(QStringView character);
