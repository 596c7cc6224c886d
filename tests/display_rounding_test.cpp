// The display rounds the exact binary value of a result to its decimals, a tie
// away from zero. glibc's printf rounds the exact binary value too (a tie to
// even), so away from ties the two must agree digit for digit, whichever way
// formatNumber takes for the value's magnitude.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "calc/number_text.hpp"
#include "number_cases.hpp"

namespace ferricalc {
namespace {

std::string printedLikeTheDisplay(double value, const DisplayFormat& format)
{
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.*f", format.decimals, value);
    std::string text = digits;
    const bool negative = text.starts_with('-');
    if (negative)
        text.erase(0, 1);
    const bool allZero = text.find_first_not_of("0.") == std::string::npos;
    if (!format.integerDigitAlways && text.starts_with("0."))
        text.erase(0, 1);
    return (negative && !allZero ? "-" : "") + text + std::string(format.suffix);
}

// True when the exact binary value lies half-way between two last decimals,
// where the display and printf rightly differ. Every double above 1e-9 has an
// exact decimal expansion of fewer than 120 fractional digits.
bool isTie(double value, int decimals)
{
    char digits[512];
    const int length = std::snprintf(digits, sizeof digits, "%.*f", decimals + 120, value);
    const std::string_view text(digits, static_cast<std::size_t>(length));
    const std::string_view beyond = text.substr(text.find('.') + 1 + static_cast<std::size_t>(decimals));
    return beyond.front() == '5' && beyond.find_first_not_of('0', 1) == std::string_view::npos;
}

TEST(DisplayRounding, AgreesWithPrintfAcrossMagnitudes)
{
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> decade(-9.0, 23.0);
    std::uniform_real_distribution<double> unit(1.0, 10.0);
    const DisplayFormat formats[] = {kPlain5, kLength5, kVolume5, kPlain6};
    int mismatches = 0;
    for (int i = 0; i < 20'000 && mismatches < 5; ++i) {
        double value = unit(random) * std::pow(10.0, std::floor(decade(random)));
        if (i % 2 == 1)
            value = -value;
        for (const DisplayFormat& format : formats) {
            if (isTie(value, format.decimals))
                continue;
            const std::string expected = printedLikeTheDisplay(value, format);
            const ResultText shown = formatNumber(value, format, ".");
            if (shown.view() != expected) {
                ++mismatches;
                ADD_FAILURE() << "value " << value << ": " << shown.view() << " instead of " << expected;
            }
        }
    }
}

using testing_support::RoundingCase;

class DisplayRoundingCases : public testing::TestWithParam<RoundingCase> {};

TEST_P(DisplayRoundingCases, ShowsTheExpectedText)
{
    const RoundingCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.format, ".").view(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Values, DisplayRoundingCases, testing::ValuesIn(testing_support::kRoundingCases),
                         [](const testing::TestParamInfo<RoundingCase>& info) { return info.param.name; });

TEST(DisplayRounding, PlainDecimalsReadAsStrtodReadsThem)
{
    // Short texts take a division of exact doubles, long ones the general
    // conversion; both must land on the nearest double.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> length(1, 24);
    std::uniform_int_distribution<int> digit(0, 9);
    int mismatches = 0;
    for (int i = 0; i < 50'000 && mismatches < 5; ++i) {
        std::string text = i % 3 == 0 ? "-" : "";
        const int digits = length(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        for (int d = 0; d < digits; ++d) {
            if (d == point && d > 0)
                text += '.';
            text += static_cast<char>('0' + digit(random));
        }
        const double expected = std::strtod(text.c_str(), nullptr);
        const std::optional<double> value = parseNumber(text, ".");
        if (!value || *value != expected || std::signbit(*value) != std::signbit(expected)) {
            ++mismatches;
            ADD_FAILURE() << text << " read as " << value.value_or(-1.0) << " instead of " << expected;
        }
    }
}

TEST(DisplayRounding, ReadsBackWhatItShows)
{
    // The plain texts the display writes take the short way through parseNumber.
    const char* texts[] = {"24.07191", ".29684", "-.5", "0", "-0.00157", "12300058978400674639635653066752.00000"};
    for (const char* text : texts) {
        char* end = nullptr;
        const double expected = std::strtod(text, &end);
        const std::optional<double> value = parseNumber(text, ".");
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(*value, expected) << text;
        EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << text;
    }
}

}  // namespace
}  // namespace ferricalc
