// Any bytes into the number conversion: it gives a finite double or "does not
// convert", never crashes, and agrees with a plain reference reader.
//
// Input: the first byte picks the decimal separator (see fuzz_support.hpp), the
// rest is the field's text.
//
// The reference rewrites the text in ASCII by the documented mapping of the
// full-width forms, turns the locale's separator into '.', trims the blanks and
// hands the result to strtod in the C locale (this process never changes its
// locale). It accepts exactly the plain decimal numbers: optional sign, digits
// with at most one point, optional exponent. A text the reference accepts with a
// finite value must convert to the very same double (the sign of zero included);
// a text it rejects, or whose value is beyond the double range, must not convert.

#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>

#include "calc/number_text.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ferricalc;
using namespace ferricalc::fuzzing;

// One Unicode code point decoded strictly from UTF-8: overlong forms, surrogates
// and stray continuation bytes are errors.
std::optional<char32_t> decode(std::string_view text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    char32_t point = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size())
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return std::nullopt;
        point = (point << 6) | (byte(pos + i) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return point;
}

// What a Chinese input method types in place of the ASCII characters of a number.
std::optional<char> asciiFor(char32_t point)
{
    if (point < 0x80)
        return static_cast<char>(point);
    if (point >= U'\uFF10' && point <= U'\uFF19')
        return static_cast<char>('0' + (point - U'\uFF10'));
    switch (point) {
    case U'\u3000':
        return ' ';
    case U'\uFF0B':
        return '+';
    case U'\uFF0D':
    case U'\u2212':
        return '-';
    case U'\uFF0E':
    case U'\u3002':
        return '.';
    case U'\uFF0C':
        return ',';
    case U'\uFF45':
        return 'e';
    case U'\uFF25':
        return 'E';
    default:
        return std::nullopt;
    }
}

// The text as plain ASCII with '.' for the decimal mark, or nothing when some
// character cannot belong to a number.
std::optional<std::string> asciiText(std::string_view text, std::string_view separator)
{
    std::string ascii;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text.substr(pos).starts_with(separator)) {
            ascii += '.';
            pos += separator.size();
            continue;
        }
        const std::optional<char32_t> point = decode(text, pos);
        if (!point)
            return std::nullopt;
        const std::optional<char> c = asciiFor(*point);
        if (!c)
            return std::nullopt;
        if (separator.size() == 1 && *c == separator.front())
            ascii += '.';
        else if (*c == '.' || *c == ',')
            return std::nullopt;  // a point or comma that is not this locale's decimal mark
        else
            ascii += *c;
    }
    return ascii;
}

bool isPlainDecimal(std::string_view s)
{
    const auto digitsAt = [&s](std::size_t& i) {
        const std::size_t start = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - start;
    };
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissaDigits = digitsAt(i);
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissaDigits += digitsAt(i);
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digitsAt(i) == 0)
            return false;
    }
    return i == s.size();
}

// The reference reading: the value, or nothing when the text does not convert.
std::optional<double> referenceValue(std::string_view text, std::string_view separator)
{
    std::optional<std::string> ascii = asciiText(text, separator);
    if (!ascii)
        return std::nullopt;
    const std::size_t first = ascii->find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    const std::string trimmed = ascii->substr(first, ascii->find_last_not_of(" \t") - first + 1);
    if (!isPlainDecimal(trimmed))
        return std::nullopt;
    const double value = std::strtod(trimmed.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;  // beyond the range of a double
    return value;
}

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string describe(const std::optional<double>& value)
{
    if (!value)
        return "does not convert";
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", *value);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const CurrentInput input(data, size);
    const std::string_view separator = separatorFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::optional<double> value = parseNumber(text, separator);
    if (value)
        require(std::isfinite(*value), "the conversion gave a value that is not finite");

    const std::optional<double> reference = referenceValue(text, separator);
    require(value.has_value() == reference.has_value() && (!value || sameDouble(*value, *reference)),
            "the conversion gave " + describe(value) + ", the reference " + describe(reference) + " (separator \""
                + escaped(separator) + "\")");
    return 0;
}
