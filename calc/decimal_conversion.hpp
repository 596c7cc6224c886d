#pragma once
// Exact conversions between decimal digits and doubles, in plain integer
// arithmetic, so that every C++ library gives the same texts: the desktop
// build's and the WebAssembly build's, whose library has no floating-point
// std::from_chars or std::to_chars.

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ferricalc {

// A double's bits (std::bit_cast, which not every C++20 library has yet).
inline std::uint64_t doubleBits(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The double nearest to a plain decimal text, a tie to the even mantissa, as
// IEEE 754 rounds: an optional minus, digits with at most one '.', and an
// optional exponent ('e' or 'E', an optional sign, digits); "5." and ".5" read
// too. A value beyond the largest double gives an infinity, one below half the
// smallest subnormal a zero of the text's sign. Null when the text is not of
// that form.
std::optional<double> nearestDouble(std::string_view text);

// The exact decimal digits of a whole number of any size (a finite double
// whose magnitude is an integer), without sign, written into `buffer` (310
// characters hold the largest double).
std::string_view wholeNumberDigits(double wholeNumber, std::span<char, 320> buffer);

// The shortest decimal that reads back as `value`, laid out without exponent:
// "97.1", "7630", "0.001", "100000000000000000000000" for 1e23. Of several
// equally short ones, the nearest to the value.
std::string shortestFixed(double value);

// The shortest decimal that reads back as `value`, as std::to_chars writes it
// without a format: the fixed text, or d.ddde±XX where that is shorter
// ("1e-30", "1.5e+300").
std::string shortestText(double value);

}  // namespace ferricalc
