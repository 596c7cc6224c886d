#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "calc/number_text.hpp"
#include "number_cases.hpp"

namespace ferricalc {
namespace {

using testing_support::ParseCase;

class ParseNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, ReadsTheWholeTextOrNothing)
{
    const ParseCase& c = GetParam();
    const std::optional<double> value = parseNumber(c.text, c.separator);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << "text: '" << c.text << "'";
    if (value) {
        EXPECT_EQ(*value, *c.expected) << "text: '" << c.text << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(Conversion, ParseNumber, testing::ValuesIn(testing_support::kParseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

using testing_support::FormatCase;

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, WritesTheDisplayedText)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.format, c.separator).view(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatNumber, testing::ValuesIn(testing_support::kFormatCases),
                         [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(FormatNumber, LargestDoubleShowsAllItsIntegerDigits)
{
    const ResultText shown = formatNumber(std::numeric_limits<double>::max(), kVolume5, ".");
    const std::string_view text = shown.view();
    EXPECT_EQ(text.size(), 309u + 1u + 5u + 3u);
    EXPECT_TRUE(text.starts_with("17976931348623157"));
    EXPECT_TRUE(text.ends_with(".00000mm3"));
}

TEST(ReadBack, ReturnsTheDisplayedRounding)
{
    const ResultText c2 = formatNumber(0.0015749, kPlain5, ",");
    EXPECT_EQ(readBack(c2, kPlain5, ","), 0.00157);
    const ResultText le = formatNumber(0.5, kLength5, ".");
    EXPECT_EQ(readBack(le, kLength5, "."), 0.5);
}

}  // namespace
}  // namespace ferricalc
