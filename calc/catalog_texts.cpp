#include "calc/catalog_texts.hpp"

#include <algorithm>

#include "calc/decimal_conversion.hpp"
#include "calc/number_text.hpp"

namespace ferricalc {

namespace {

constexpr DisplayFormat kOneDecimal{1, true, ""};

}  // namespace

std::string figureText(double value, std::string_view decimalSeparator)
{
    return catalogText(shortestFixed(value), decimalSeparator);
}

std::string deviationText(double percent, std::string_view decimalSeparator)
{
    const ResultText rounded = formatNumber(percent, kOneDecimal, decimalSeparator);
    const std::string_view text = rounded.view();
    // formatNumber writes a minus only where a digit other than zero shows.
    const bool zero = std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
    if (zero || text.front() == '-')
        return std::string(text);
    std::string withSign(1, '+');
    return withSign.append(text);
}

std::string catalogText(std::string_view text, std::string_view decimalSeparator)
{
    std::string written;
    written.reserve(text.size() + decimalSeparator.size());
    for (const char c : text) {
        if (c == '.')
            written.append(decimalSeparator);
        else
            written.push_back(c);
    }
    return written;
}

}  // namespace ferricalc
