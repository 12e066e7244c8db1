#include "CodePage.h"

#include <windows.h>

QByteArray ToCodePage932(QStringView character) {
    // No best-fit characters: a character the code page lacks is unknown, not a look-alike
    // (¥ is not the backslash's byte).
    char bytes[8];
    BOOL unknown = FALSE;
    const int size = WideCharToMultiByte(
        932, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(character.utf16()),
        int(character.size()), bytes, int(sizeof bytes), "?", &unknown);
    if (size <= 0 || unknown)
        return {};
    return QByteArray(bytes, size);
}
