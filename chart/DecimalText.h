#pragma once

#include <optional>
#include <string>

// Decimal text of doubles, independent of the locale. Each platform converts in its own file:
// the standard library's exact conversions where it has them, the C library's where not.

// A finite number ≥ 0 in scientific notation ("1.5e+02"): with the given number of digits
// after the point, correctly rounded, or, when precision is negative, with the fewest digits
// that read back as the same number. Empty when the conversion fails.
std::string ScientificText(double x, int precision = -1);

// The number a decimal text names, correctly rounded; nothing when the text is not a number or
// the number is beyond the doubles (too large, or too small to be held exactly as a normal one).
std::optional<double> ReadDecimal(const std::string &text);
