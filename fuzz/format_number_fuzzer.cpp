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
//
// One allowance: a value whose count of last-decimal units is 2^64 or more (at
// six decimals from about 1.8e13 up) is rounded by the general conversion, which
// takes an exact tie to the even neighbour. There the even neighbour is
// accepted too. No core's result comes near such a size; the display rounds
// ties away from zero everywhere below it.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "calc/number_text.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ferricalc;
using namespace ferricalc::fuzzing;

constexpr DisplayFormat kFormats[] = {kPlain5, kLength5, kArea5, kVolume5, kPlain6};

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

enum class Tie { AwayFromZero, ToEven };

struct Reference {
    std::string text;
    bool tie = false;               // the value lies exactly half-way between two last decimals
    bool beyond64BitUnits = false;  // the rounded count of last-decimal units is 2^64 or more
};

Reference reference(double value, const DisplayFormat& format, std::string_view separator, Tie tieRule)
{
    std::string exact(2048, '\0');
    const int length = std::snprintf(exact.data(), exact.size(), "%.*f", kExactDecimals, std::fabs(value));
    exact.resize(static_cast<std::size_t>(length));
    const std::size_t point = exact.find('.');
    const auto decimals = static_cast<std::size_t>(format.decimals);

    Reference out;
    const std::string fraction = exact.substr(point + 1);
    std::string units = exact.substr(0, point) + fraction.substr(0, decimals);
    const char next = fraction[decimals];
    out.tie = next == '5' && fraction.find_first_not_of('0', decimals + 1) == std::string::npos;
    const bool oddUnits = (units.back() - '0') % 2 == 1;
    if (next > '5' || (next == '5' && (!out.tie || tieRule == Tie::AwayFromZero || oddUnits)))
        incrementDigits(units);

    const std::string_view significant =
        std::string_view(units).substr(std::min(units.find_first_not_of('0'), units.size()));
    constexpr std::string_view kTwoToThe64 = "18446744073709551616";
    out.beyond64BitUnits = significant.size() > kTwoToThe64.size()
                           || (significant.size() == kTwoToThe64.size() && significant >= kTwoToThe64);

    const std::string integerPart = units.substr(0, units.size() - decimals);
    if (std::signbit(value) && !significant.empty())
        out.text += '-';
    if (format.integerDigitAlways || integerPart != "0")
        out.text += integerPart;
    out.text += separator;
    out.text += units.substr(units.size() - decimals);
    out.text += format.suffix;
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
    const Reference expected = reference(value, format, separator, Tie::AwayFromZero);
    const bool evenTieAllowed = expected.tie && expected.beyond64BitUnits
                                && text.view() == reference(value, format, separator, Tie::ToEven).text;
    require(text.view() == expected.text || evenTieAllowed, std::string("formatting ") + shown + " gave \""
                                                                + escaped(text.view()) + "\", the reference \""
                                                                + escaped(expected.text) + "\"");

    const std::optional<double> back = readBack(text, format, separator);
    require(back.has_value() && std::isfinite(*back), "the text \"" + escaped(text.view()) + "\" does not read back");
    const double unit = std::pow(10.0, -format.decimals);
    require(std::fabs(*back - value) <= unit / 2 + std::fabs(value) * 1e-15,
            "the text \"" + escaped(text.view()) + "\" reads back further than half a decimal from " + shown);
    return 0;
}
