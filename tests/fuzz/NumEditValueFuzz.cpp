// Feeds arbitrary text to a numeric edit and checks that it keeps only digits of its base and
// what Value makes of them. The first byte picks the base, the zero padding and the length
// limit; the rest is the text, as UTF-8.
#include "NumEdit.h"

#include <QApplication>
#include <cstdint>
#include <cstdlib>

namespace {

TNumEdit &Edit() {
    static int argc = 1;
    static char name[] = "numedit_value_fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication *application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    static TNumEdit *edit = (void(application), new TNumEdit);
    return *edit;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0)
        return 0;
    TNumEdit &edit = Edit();
    const auto type = TNumericType(data[0] & 3);
    const bool padding = data[0] & 4;
    const int maxLength = data[0] >> 4;
    edit.SetNumericType(type);
    edit.SetZeroPadding(padding);
    edit.SetMaxLength(maxLength);

    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    edit.setText(text);
    const std::int64_t value = edit.Value();
    const QString kept = edit.Text();
    static const QString digits[] = {QStringLiteral("0123456789"), QStringLiteral("01"),
                                     QStringLiteral("01234567"),
                                     QStringLiteral("0123456789ABCDEFabcdef")};
    for (const QChar character : kept)
        Check(digits[type].contains(character));
    if (kept.isEmpty())
        Check(value == -1);
    else
        Check(value == TextToInt(edit.AnsiText(), type));

    // Writing what was read gives a clean text that reads back the same, unless it was
    // negative, which writes as nothing (or as padding zeros).
    edit.SetValue(value);
    const std::int64_t again = edit.Value();
    if (value >= 0)
        Check(again == value);
    else
        Check(again == (padding && maxLength > 0 ? 0 : -1));
    Check(!padding || edit.Text().size() >= maxLength);

    // A change of base carries a non-negative value over.
    if (value >= 0) {
        edit.SetNumericType(TNumericType((type + 1) & 3));
        Check(edit.Value() == value);
    }
    return 0;
}
