#include <gtest/gtest.h>

#include "core_cases.hpp"
#include "cores/ring.hpp"

namespace ferricalc::testing_support {
namespace {

TEST(Calculation, CommaLocaleReadsAndWritesCommas)
{
    const Calculation result = runCase(ring::descriptor, "A=25 B=15 h=10 r3=0,5", ",");
    EXPECT_EQ(shownTexts(result), "1,23265 0,02525 60,17529mm 48,81782mm2 2937,62649mm3");
    EXPECT_TRUE(result.succeeded());
}

TEST(Calculation, ValuesAreWhatTheTextsReadBackAs)
{
    const Calculation result = runCase(ring::descriptor, "A=100 B=60 h=20");
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(result.values[C1], 0.615);
    EXPECT_EQ(result.values[C2], 0.00157);
    EXPECT_EQ(result.values[Ae], 391.71975);
    // The unrounded constants stay available beside the displayed ones.
    EXPECT_NEAR(*result.constants.c2, 0.0015713, 1e-7);
}

struct MessageCase {
    const char* name;
    CalculationFailure failure;
    const char* chinese;
    const char* english;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class FailureMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(FailureMessage, NamesTheFieldOrTheArithmetic)
{
    const MessageCase& c = GetParam();
    EXPECT_EQ(failureMessage(ring::descriptor, c.failure, Language::Chinese), c.chinese);
    EXPECT_EQ(failureMessage(ring::descriptor, c.failure, Language::English), c.english);
}

using Stage = CalculationFailure::Stage;

INSTANTIATE_TEST_SUITE_P(
    Messages, FailureMessage,
    testing::Values(
        MessageCase{"Success", {}, "", ""},
        MessageCase{"FieldNotANumber", {Stage::Conversion, 1, ArithmeticError::None}, "B 不是有效的数字",
                    "field B is not a number"},
        MessageCase{"FieldEmpty", {Stage::Conversion, 2, ArithmeticError::None, true}, "h 为空", "field h is empty"},
        MessageCase{"TwoLetterField", {Stage::Conversion, 3, ArithmeticError::None}, "r3 不是有效的数字",
                    "field r3 is not a number"},
        MessageCase{"DivisionByZero", {Stage::Geometry, -1, ArithmeticError::DivisionByZero},
                    "计算失败：除数为零，所给尺寸不构成有效的磁芯。",
                    "division by zero: the dimensions do not describe a valid core"},
        MessageCase{"Logarithm", {Stage::Geometry, -1, ArithmeticError::LogOfNonPositive},
                    "计算失败：对零或负数取对数，所给尺寸不构成有效的磁芯。",
                    "logarithm of zero or of a negative number: the dimensions do not describe a valid core"},
        MessageCase{"SquareRoot", {Stage::Geometry, -1, ArithmeticError::SqrtOfNegative},
                    "计算失败：对负数开平方，所给尺寸不构成有效的磁芯。",
                    "square root of a negative number: the dimensions do not describe a valid core"},
        MessageCase{"Overflow", {Stage::Geometry, -1, ArithmeticError::Overflow},
                    "计算失败：数值溢出，所给尺寸不构成有效的磁芯。",
                    "arithmetic overflow: the dimensions do not describe a valid core"},
        MessageCase{"C2ShownAsZero", {Stage::Derivation, -1, ArithmeticError::DivisionByZero},
                    "计算失败：C2 在显示的小数位内为零，无法由它求出 Le、Ae、Ve（除数为零）。",
                    "division by zero: C2 shows as zero, so Le, Ae and Ve cannot be derived from it"},
        MessageCase{"DerivationOverflow", {Stage::Derivation, -1, ArithmeticError::Overflow},
                    "计算失败：由显示的 C1、C2 求 Le、Ae、Ve 时数值溢出。",
                    "arithmetic overflow while deriving Le, Ae and Ve from the displayed C1 and C2"}),
    [](const testing::TestParamInfo<MessageCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ferricalc::testing_support
