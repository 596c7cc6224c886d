// The portable conversions against this C++ library's own: strtod reads,
// to_chars writes the shortest fixed text, printf writes whole numbers exactly.
// Every build must give the texts this one gives, so the two ways must agree
// on every input, the hard ones most: points half-way between two doubles, a
// digit either side of them, subnormals, the edges of the range.

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "calc/decimal_conversion.hpp"

namespace ferricalc {
namespace {

// glibc's strtod rounds correctly over the whole range (an infinity beyond it).
std::optional<double> libraryReading(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return std::nullopt;
    return value;
}

// A double anywhere in the range: random bits, finite.
double anyDouble(std::mt19937_64& random)
{
    for (;;) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value))
            return value;
    }
}

// The exact decimal of the point half-way between `value` and the next double
// up (x87's long double holds it exactly), nudged in its last digit by `nudge`.
std::string halfWayText(double value, int nudge)
{
    const long double half = (static_cast<long double>(value) + std::nextafter(value, HUGE_VAL)) / 2;
    char digits[1200];
    std::snprintf(digits, sizeof digits, "%.800Le", half);
    std::string text = digits;
    const std::size_t mark = text.find('e');
    std::size_t last = text.find_last_not_of('0', mark - 1);
    text.erase(last + 1, mark - last - 1);
    if (nudge != 0) {
        last = text.find('e') - 1;
        if (text[last] == '.')
            return text;
        text[last] =
            static_cast<char>(text[last] + (nudge > 0 ? (text[last] < '9' ? 1 : 0) : (text[last] > '0' ? -1 : 0)));
    }
    return text;
}

void expectSameReading(const std::string& text, int& mismatches)
{
    const std::optional<double> expected = libraryReading(text);
    const std::optional<double> value = nearestDouble(text);
    ASSERT_TRUE(expected.has_value()) << text;
    if (!value || std::bit_cast<std::uint64_t>(*value) != std::bit_cast<std::uint64_t>(*expected)) {
        ++mismatches;
        ADD_FAILURE() << text << " read as " << value.value_or(-1) << " instead of " << *expected;
    }
}

TEST(DecimalConversion, ReadsAsTheLibraryReads)
{
    std::mt19937_64 random(17);
    int mismatches = 0;
    // Random digit strings, short and long, with exponents over the whole range and beyond.
    std::uniform_int_distribution<int> length(1, 40);
    std::uniform_int_distribution<int> exponent(-360, 330);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 40'000 && mismatches < 5; ++i) {
        std::string text = i % 2 ? "-" : "";
        const int digits = i % 100 == 0 ? 800 : length(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + digit(random));
        }
        if (i % 3 != 0)
            text += 'e' + std::to_string(exponent(random));
        expectSameReading(text, mismatches);
    }
    // Half-way points and their neighbours; ties go to the even mantissa.
    for (int i = 0; i < 3'000 && mismatches < 5; ++i) {
        const double value = std::fabs(anyDouble(random));
        if (value == std::numeric_limits<double>::max())
            continue;
        for (const int nudge : {-1, 0, 1})
            expectSameReading(halfWayText(value, nudge), mismatches);
    }
    for (const char* text : {"1.7976931348623158e308", "1.7976931348623159e308", "2.4703282292062327e-324",
                             "2.4703282292062328e-324", "4.9406564584124654e-324", "2.2250738585072011e-308",
                             "9007199254740993", "0e999999999999", "1e-999999999999", ".5", "5.", "-0"})
        expectSameReading(text, mismatches);
    for (const char* malformed : {"", "-", ".", "e5", "1e", "1e+", "1.2.3", "1x", "+1", "1 "})
        EXPECT_FALSE(nearestDouble(malformed).has_value()) << malformed;
}

TEST(DecimalConversion, WritesAsTheLibraryWrites)
{
    std::mt19937_64 random(18);
    int mismatches = 0;
    for (int i = 0; i < 20'000 && mismatches < 5; ++i) {
        // Doubles of every magnitude, and the short decimals a data sheet prints.
        double value = anyDouble(random);
        if (i % 2 == 1)
            value = std::strtod(
                (std::to_string(random() % 100'000) + "e" + std::to_string(int(random() % 12) - 6)).c_str(), nullptr);
        char expected[400];
        const auto end = std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed).ptr;
        const std::string shown = shortestFixed(value);
        if (shown != std::string_view(expected, static_cast<std::size_t>(end - expected))) {
            ++mismatches;
            ADD_FAILURE() << "shortest " << shown << " instead of " << std::string_view(expected, end - expected);
        }
        const auto general = std::to_chars(expected, expected + sizeof expected, value).ptr;
        EXPECT_EQ(shortestText(value), std::string_view(expected, static_cast<std::size_t>(general - expected)));
        if (std::fabs(value) >= 0x1p53) {
            char whole[400];
            std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
            char buffer[320];
            EXPECT_EQ(wholeNumberDigits(value, buffer), whole);
        }
    }
}

}  // namespace
}  // namespace ferricalc
