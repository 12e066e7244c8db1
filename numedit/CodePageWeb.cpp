#include "CodePage.h"

#include <emscripten.h>

// The browser has a Shift_JIS decoder but no encoder. Every one- and two-byte sequence is
// decoded once, on first use, into a table from character to bytes; the first sequence for a
// character wins, as the code page's own encoder prefers it. Returns the bytes as one number
// (two bytes as lead × 256 + trail), or -1 for a character the code page lacks.
// clang-format off
EM_JS(int, CodePage932Bytes, (int character), {
    if (!Module.codePage932) {
        const table = new Map();
        const decoder = new TextDecoder("shift_jis", {fatal: true});
        const add = function(bytes, value) {
            let text;
            try {
                text = decoder.decode(new Uint8Array(bytes));
            } catch (error) {
                return;
            }
            const code = text.charCodeAt(0);
            if (text.length == 1 && !table.has(code))
                table.set(code, value);
        };
        for (let single = 0x80; single <= 0xFF; ++single)
            add([single], single);
        for (let lead = 0x81; lead <= 0xFC; ++lead)
            for (let trail = 0x40; trail <= 0xFC; ++trail)
                add([lead, trail], lead * 256 + trail);
        Module.codePage932 = table;
    }
    const bytes = Module.codePage932.get(character);
    return bytes === undefined ? -1 : bytes;
});
// clang-format on

QByteArray ToCodePage932(QStringView character) {
    // The code page holds nothing beyond the Basic Multilingual Plane.
    if (character.size() != 1 || character[0].isSurrogate())
        return {};
    const int bytes = CodePage932Bytes(character[0].unicode());
    if (bytes < 0)
        return {};
    if (bytes < 0x100)
        return QByteArray(1, char(bytes));
    const char pair[2] = {char(bytes >> 8), char(bytes & 0xFF)};
    return QByteArray(pair, 2);
}
