#pragma once
// Numbers as the user types them and as the windows show them.
//
// Both directions take the decimal separator as a parameter: the window passes
// its locale's, the command line a point. No Qt here.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "cores/descriptor.hpp"

namespace ferricalc {

// Reads a field's whole text as one decimal number: blanks around it, an
// optional sign, digits with at most one decimal separator, an optional
// exponent. The full-width digits, signs, point and blank that a Chinese input
// method types are read as their ASCII forms, and "。" as the point. Anything
// else, an empty or blank text, or a value beyond the range of a double does
// not convert.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

// A displayed result, held inline so that formatting never allocates. Large
// enough for every integer digit of the largest double.
class ResultText {
public:
    std::string_view view() const { return {m_chars.data(), m_size}; }
    bool operator==(std::string_view text) const { return view() == text; }

private:
    friend ResultText formatNumber(double, const DisplayFormat&, std::string_view);
    std::array<char, 352> m_chars{};
    std::uint16_t m_size = 0;
};

// Writes `value` as its display format gives it: rounded to the format's
// decimals (the exact binary value, a tie away from zero), plain digits with no
// group separators and no exponent, a leading minus only when a non-zero digit
// shows, and no integer digit for a value below 1 where the format has none.
ResultText formatNumber(double value, const DisplayFormat& format, std::string_view decimalSeparator);

// The number that a displayed result reads back as (its suffix left aside).
std::optional<double> readBack(const ResultText& text, const DisplayFormat& format,
                               std::string_view decimalSeparator);

}  // namespace ferricalc
