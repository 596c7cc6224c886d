// Any finite double through every display format: the text is exactly what a
// reference writes from the value's exact decimal expansion, and it reads back.
//
// Input: eight bytes of the double (host order), then one byte that picks the
// format and one that picks the decimal separator (see fuzz_support.hpp); a
// missing byte counts as zero. Infinities and NaNs are skipped: the geometry's
// checked arithmetic never lets one reach a label.
//
// The reference prints the double's exact binary value in full (glibc's printf
// is exact at any precision), rounds that digit string at the format's decimals
// with a tie away from zero, and lays it out as the format gives.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "calc/number_text.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ferricalc;
using namespace ferricalc::fuzzing;

// Enough fractional digits for the exact value of the smallest subnormal (1074).
constexpr int kExactDecimals = 1100;

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string reference(double value, const DisplayFormat& format, std::string_view separator)
{
    std::string exact(2048, '\0');
    const int length = std::snprintf(exact.data(), exact.size(), "%.*f", kExactDecimals, std::fabs(value));
    exact.resize(static_cast<std::size_t>(length));
    const std::size_t point = exact.find('.');
    const auto decimals = static_cast<std::size_t>(format.decimals);

    std::string out;
    const std::string fraction = exact.substr(point + 1);
    std::string units = exact.substr(0, point) + fraction.substr(0, decimals);
    if (fraction[decimals] >= '5')  // a tie goes away from zero too
        incrementDigits(units);
    const bool anyNonZeroDigit = units.find_first_not_of('0') != std::string::npos;

    const std::string integerPart = units.substr(0, units.size() - decimals);
    if (std::signbit(value) && anyNonZeroDigit)
        out += '-';
    if (format.integerDigitAlways || integerPart != "0")
        out += integerPart;
    out += separator;
    out += units.substr(units.size() - decimals);
    out += format.suffix;
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    const CurrentInput input(data, size);
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const std::uint8_t formatByte = size > 8 ? data[8] : 0;
    const std::uint8_t separatorByte = size > 9 ? data[9] : 0;
    const DisplayFormat& format = kFormats[formatByte % std::size(kFormats)];
    const std::string_view separator = separatorFor(separatorByte);

    char shown[32];
    std::snprintf(shown, sizeof shown, "%.17g", value);
    const ResultText text = formatNumber(value, format, separator);
    const std::string expected = reference(value, format, separator);
    require(text.view() == expected, std::string("formatting ") + shown + " gave \"" + escaped(text.view())
                                         + "\", the reference \"" + escaped(expected) + "\"");

    const std::optional<double> back = readBack(text, format, separator);
    require(back.has_value() && std::isfinite(*back), "the text \"" + escaped(text.view()) + "\" does not read back");
    const double unit = std::pow(10.0, -format.decimals);
    require(std::fabs(*back - value) <= unit / 2 + std::fabs(value) * 1e-15,
            "the text \"" + escaped(text.view()) + "\" reads back further than half a decimal from " + shown);
    return 0;
}
