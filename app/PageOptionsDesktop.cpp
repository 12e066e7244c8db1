#include "PageOptions.h"

#include "RandomSource.h"

#include <QRegularExpression>
#include <QtGlobal>

// A desktop program takes no arguments; the environment variable RADIXTREK_SEED fixes the seed
// of every drill as "?seed=N" does on a web page. Anything but a whole number from 0 to
// 4294967295 is ignored.
void ApplyPageOptions() {
    const QString text = qEnvironmentVariable("RADIXTREK_SEED");
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,10}$"));
    bool ok = false;
    const uint seed = digits.match(text).hasMatch() ? text.toUInt(&ok) : 0;
    if (!ok)
        return;
    ProcessRandom().SetSeedCounter([fixed = std::uint32_t(seed)] { return fixed; });
}
