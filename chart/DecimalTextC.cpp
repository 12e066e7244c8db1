#include "DecimalText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

// The C library's conversions are exact too; the browser's program runs in the "C" locale, so
// the point is always a full stop.

std::string ScientificText(double x, int precision) {
    char buffer[64];
    if (precision >= 0) {
        const int length = std::snprintf(buffer, sizeof buffer, "%.*e", precision, x);
        return length > 0 && length < int(sizeof buffer) ? std::string(buffer, length)
                                                         : std::string();
    }
    // The correctly rounded text of the fewest digits that reads back as x is the shortest one.
    for (int digits = 0; digits <= 16; ++digits) {
        const std::string text = ScientificText(x, digits);
        if (text.empty() || std::strtod(text.c_str(), nullptr) == x)
            return text;
    }
    return ScientificText(x, 16);
}

std::optional<double> ReadDecimal(const std::string &text) {
    char *end = nullptr;
    errno = 0;
    const double result = std::strtod(text.c_str(), &end);
    if (errno == ERANGE || end != text.c_str() + text.size() || text.empty())
        return std::nullopt;
    return result;
}
