#include "DecimalText.h"

#include <array>
#include <charconv>

std::string ScientificText(double x, int precision) {
    std::array<char, 64> buffer{};
    const auto [end, error] = precision < 0
                                  ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                                  std::chars_format::scientific)
                                  : std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                                  std::chars_format::scientific, precision);
    if (error != std::errc())
        return {};
    return std::string(buffer.data(), end);
}

std::optional<double> ReadDecimal(const std::string &text) {
    double result = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return result;
}
