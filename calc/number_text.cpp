#include "calc/number_text.hpp"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string>

#include "calc/decimal_conversion.hpp"

namespace ferricalc {

namespace {

// One character of a field's text, read as the ASCII character it stands for.
struct Symbol {
    char ascii;       // 0 when the character means nothing in a number
    std::size_t size; // bytes it takes in the UTF-8 text
};

// Full-width forms typed by a Chinese input method, by their UTF-8 bytes.
struct WideForm {
    std::string_view utf8;
    char ascii;
};

constexpr WideForm kWideForms[] = {
    {"\u3000", ' '}, {"\uFF0B", '+'}, {"\uFF0D", '-'}, {"\u2212", '-'}, {"\uFF0E", '.'},
    {"\u3002", '.'}, {"\uFF0C", ','}, {"\uFF45", 'e'}, {"\uFF25", 'E'},
};

Symbol readSymbol(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80)
        return {static_cast<char>(lead), 1};
    // Full-width digits U+FF10 to U+FF19 are EF BC 90 to EF BC 99.
    if (text.size() >= 3 && lead == 0xEF && static_cast<unsigned char>(text[1]) == 0xBC) {
        const auto last = static_cast<unsigned char>(text[2]);
        if (last >= 0x90 && last <= 0x99)
            return {static_cast<char>('0' + (last - 0x90)), 3};
    }
    for (const WideForm& form : kWideForms)
        if (text.starts_with(form.utf8))
            return {form.ascii, form.utf8.size()};
    return {0, 1};
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The text rewritten as a plain ASCII decimal for nearestDouble.
std::optional<std::string> normalise(std::string_view text, std::string_view separator)
{
    enum class State { Lead, Sign, Integer, Point, Fraction, ExponentMark, ExponentSign, Exponent, Trail };
    State state = State::Lead;
    std::string ascii;
    bool hasMantissaDigit = false;

    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view rest = text.substr(pos);
        bool decimalMark = false;
        char c = 0;
        const bool atSeparator = separator.size() == 1 ? rest.front() == separator.front()
                                                       : !separator.empty() && rest.starts_with(separator);
        if (atSeparator) {
            decimalMark = true;
            pos += separator.size();
        } else {
            const Symbol symbol = readSymbol(rest);
            pos += symbol.size;
            c = symbol.ascii;
            decimalMark = separator.size() == 1 && c == separator.front();
        }

        if (decimalMark) {
            if (state != State::Lead && state != State::Sign && state != State::Integer)
                return std::nullopt;
            if (state != State::Integer)
                ascii += '0';  // ".5" is read as "0.5"
            state = State::Point;
            ascii += '.';
        } else if (isBlank(c)) {
            if (state == State::Lead || state == State::Trail)
                continue;
            if (state == State::Integer || state == State::Fraction || state == State::Exponent
                || (state == State::Point && hasMantissaDigit))
                state = State::Trail;
            else
                return std::nullopt;
        } else if (c == '+' || c == '-') {
            if (state == State::Lead) {
                state = State::Sign;
                if (c == '-')
                    ascii += '-';
            } else if (state == State::ExponentMark) {
                state = State::ExponentSign;
                if (c == '-')
                    ascii += '-';
            } else {
                return std::nullopt;
            }
        } else if (c == 'e' || c == 'E') {
            if (!hasMantissaDigit
                || (state != State::Integer && state != State::Point && state != State::Fraction))
                return std::nullopt;
            state = State::ExponentMark;
            ascii += 'e';
        } else if (isDigit(c)) {
            switch (state) {
            case State::Lead:
            case State::Sign:
            case State::Integer:
                state = State::Integer;
                hasMantissaDigit = true;
                break;
            case State::Point:
            case State::Fraction:
                state = State::Fraction;
                hasMantissaDigit = true;
                break;
            case State::ExponentMark:
            case State::ExponentSign:
            case State::Exponent:
                state = State::Exponent;
                break;
            case State::Trail:
                return std::nullopt;
            }
            ascii += c;
        } else {
            return std::nullopt;
        }
    }

    const bool complete = state == State::Integer || state == State::Fraction || state == State::Exponent
                          || state == State::Trail || (state == State::Point && hasMantissaDigit);
    if (!complete)
        return std::nullopt;
    return ascii;
}

// A displayed number before its separator and suffix are chosen.
struct RoundedDigits {
    bool negative = false;      // a minus shows: the value is below zero and a non-zero digit shows
    std::string_view integer;   // at least one digit
    std::string_view fraction;  // exactly the format's decimals
};

__extension__ using WideUnsigned = unsigned __int128;

constexpr std::uint64_t kPowersOfTen[] = {1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000,
                                          100'000'000, 1'000'000'000};

// |value| in units of 10^-decimals, rounded from its exact binary value with a
// tie away from zero. A double is mantissa·2^exponent exactly, so integer
// arithmetic on the mantissa rounds without any error of its own. Null only for
// a whole number whose units pass 64 bits: it has no fraction to round.
std::optional<WideUnsigned> scaledMagnitude(double value, int decimals)
{
    if (decimals < 0 || decimals >= static_cast<int>(std::size(kPowersOfTen)))
        return std::nullopt;
    const auto bits = doubleBits(value);
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7FF);
    if (biasedExponent == 0x7FF)
        return std::nullopt;
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;  // subnormal: value = mantissa·2^-1074
    if (biasedExponent != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biasedExponent - 1075;
    }

    const WideUnsigned scaled = static_cast<WideUnsigned>(mantissa) * kPowersOfTen[decimals];  // below 2^83
    WideUnsigned rounded = 0;
    if (exponent >= 0) {
        if (exponent > 44 || ((scaled << exponent) >> 64) != 0)
            return std::nullopt;
        rounded = scaled << exponent;
    } else if (exponent > -100) {  // below 2^53, so the units stay below 2^83
        const int shift = -exponent;
        rounded = scaled >> shift;
        const WideUnsigned remainder = scaled - (rounded << shift);
        if (remainder >= (static_cast<WideUnsigned>(1) << (shift - 1)))
            ++rounded;
    }  // else below half a unit of the last decimal: zero
    return rounded;
}

// Rounds `value` to `decimals` places into `buffer` (344 characters hold every double).
RoundedDigits roundForDisplay(double value, int decimals, char (&buffer)[344])
{
    RoundedDigits rounded;
    if (const std::optional<WideUnsigned> magnitude = scaledMagnitude(value, decimals)) {
        const auto integerPart = [&](std::uint64_t whole) {
            const auto integerEnd = std::to_chars(buffer, buffer + 24, whole).ptr;
            rounded.integer = std::string_view(buffer, static_cast<std::size_t>(integerEnd - buffer));
        };
        std::uint64_t remainder = 0;
        if ((*magnitude >> 64) == 0) {
            // The display's five and six decimals divide by constants, which compile to multiplications.
            const auto units = static_cast<std::uint64_t>(*magnitude);
            const auto split = [&](std::uint64_t unit) {
                integerPart(units / unit);
                return units % unit;
            };
            remainder = decimals == 5 ? split(100'000) : decimals == 6 ? split(1'000'000) : split(kPowersOfTen[decimals]);
        } else {  // a value with a fraction whose units pass 64 bits; its integer part is below 2^53
            const std::uint64_t unit = kPowersOfTen[decimals];
            integerPart(static_cast<std::uint64_t>(*magnitude / unit));
            remainder = static_cast<std::uint64_t>(*magnitude % unit);
        }
        char* const fraction = buffer + 24;
        for (int i = decimals - 1; i >= 0; --i) {
            fraction[i] = static_cast<char>('0' + remainder % 10);
            remainder /= 10;
        }
        rounded.fraction = std::string_view(fraction, static_cast<std::size_t>(decimals));
        rounded.negative = std::signbit(value) && *magnitude != 0;
        return rounded;
    }

    // A whole number beyond 64 bits of units: its exact digits, and zeros for the decimals.
    rounded.negative = std::signbit(value);
    if (!std::isfinite(value)) {  // never met: the checked arithmetic lets no infinity or NaN reach a label
        rounded.integer = std::isnan(value) ? "nan" : "inf";
        return rounded;
    }
    rounded.integer = wholeNumberDigits(value, std::span<char, 320>(buffer, 320));
    const auto zeros = static_cast<std::size_t>(std::clamp(decimals, 0, 9));  // the formats write at most nine
    std::fill_n(buffer + 320, zeros, '0');
    rounded.fraction = std::string_view(buffer + 320, zeros);
    return rounded;
}

// Ten to the powers that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Digits with at most one point and an optional leading minus, such as "17.76",
// "-0.5" or "0": most of what is typed and everything the formats write. Such a
// text reads directly; false means it needs the full reading below (which
// would give the same value), including a value too small or too large to hold.
bool readPlainDecimal(std::string_view text, std::string_view separator, double& value)
{
    if (separator != "." || text.empty())
        return false;
    const bool negative = text.front() == '-';
    std::uint64_t digits = 0;
    int significantDigits = 0;
    int fractionDigits = 0;
    bool anyDigit = false;
    bool pointSeen = false;
    for (std::size_t pos = negative ? 1 : 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            anyDigit = true;
            if (digits != 0 || c != '0')
                ++significantDigits;
            if (significantDigits <= 19)
                digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            if (pointSeen)
                ++fractionDigits;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            return false;
        }
    }
    if (!anyDigit)
        return false;

    // Up to 15 digits and 22 decimals, the digits and the power of ten are both
    // doubles exactly, and one correctly rounded division gives the nearest
    // double to the decimal text, the very value the general reading finds.
    if (significantDigits <= 15 && fractionDigits < static_cast<int>(std::size(kExactPowersOfTen))) {
        const double magnitude = static_cast<double>(digits) / kExactPowersOfTen[fractionDigits];
        value = negative ? -magnitude : magnitude;
        return true;
    }
    const std::optional<double> nearest = nearestDouble(text);
    if (!nearest || !std::isfinite(*nearest))
        return false;
    value = *nearest;
    return true;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator)
{
    if (double plain = 0.0; readPlainDecimal(text, decimalSeparator, plain))
        return plain;
    const std::optional<std::string> ascii = normalise(text, decimalSeparator);
    if (!ascii)
        return std::nullopt;
    // Too small to hold is zero; too large to hold does not convert.
    const std::optional<double> value = nearestDouble(*ascii);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

ResultText formatNumber(double value, const DisplayFormat& format, std::string_view decimalSeparator)
{
    ResultText result;
    char buffer[344];
    const RoundedDigits rounded = roundForDisplay(value, format.decimals, buffer);

    auto append = [&result](std::string_view part) {
        std::memcpy(result.m_chars.data() + result.m_size, part.data(), part.size());
        result.m_size = static_cast<std::uint16_t>(result.m_size + part.size());
    };
    if (rounded.negative)
        append("-");
    if (format.integerDigitAlways || rounded.integer != "0")
        append(rounded.integer);
    if (format.decimals > 0) {
        append(decimalSeparator);
        append(rounded.fraction);
    }
    append(format.suffix);
    return result;
}

std::optional<double> readBack(const ResultText& text, const DisplayFormat& format,
                               std::string_view decimalSeparator)
{
    std::string_view number = text.view();
    if (number.ends_with(format.suffix))
        number.remove_suffix(format.suffix.size());
    return parseNumber(number, decimalSeparator);
}

}  // namespace ferricalc
