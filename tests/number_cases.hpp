#pragma once
// The conversion and display-format tables: what a typed text reads as and
// how a value is written. The native tests run them, and tests/web/ writes
// them for the WebAssembly module to meet the same texts.

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "calc/number_text.hpp"

namespace ferricalc::testing_support {

struct ParseCase {
    const char* name;
    std::string text;
    std::string separator;
    std::optional<double> expected;
};

inline void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

inline const ParseCase kParseCases[] = {
    ParseCase{"PlainInteger", "10", ".", 10.0}, ParseCase{"Decimal", "2.75", ".", 2.75},
    ParseCase{"BlanksAround", "  4.5\t ", ".", 4.5}, ParseCase{"LeadingPlus", "+1.5", ".", 1.5},
    ParseCase{"LeadingMinus", "-2", ".", -2.0}, ParseCase{"NoIntegerDigits", ".5", ".", 0.5},
    ParseCase{"NoFractionDigits", "5.", ".", 5.0}, ParseCase{"Exponent", "1e3", ".", 1000.0},
    ParseCase{"SignedExponent", "1.5E-2", ".", 0.015}, ParseCase{"PlusExponent", "2e+2", ".", 200.0},
    ParseCase{"PointThenExponent", "5.e1", ".", 50.0}, ParseCase{"Zero", "0", ".", 0.0},
    ParseCase{"LeadingZeros", "007.25", ".", 7.25},
    ParseCase{"FullWidthDigitsAndPoint", "\uFF11\uFF10\uFF0E\uFF15", ".", 10.5},
    ParseCase{"IdeographicFullStopAsPoint", "\uFF11\uFF10\u3002\uFF15", ".", 10.5},
    ParseCase{"FullWidthMinus", "\uFF0D\uFF13", ".", -3.0},
    ParseCase{"FullWidthPlusAndExponent", "\uFF0B\uFF12\uFF45\uFF12", ".", 200.0},
    ParseCase{"IdeographicBlanks", "\u30001\u3000", ".", 1.0},
    ParseCase{"CommaLocale", "1,5", ",", 1.5}, ParseCase{"FullWidthCommaInCommaLocale", "1\uFF0C5", ",", 1.5},
    ParseCase{"UnderflowIsZero", "1e-400", ".", 0.0}, ParseCase{"Subnormal", "4.9e-324", ".", 4.9e-324},
    ParseCase{"LargestDouble", "1.7976931348623157e308", ".", std::numeric_limits<double>::max()},
    ParseCase{"LongFraction", "0.000000000000000000000000000000000000001", ".", 1e-39},
    ParseCase{"Empty", "", ".", std::nullopt}, ParseCase{"BlanksOnly", "   ", ".", std::nullopt},
    ParseCase{"Letters", "abc", ".", std::nullopt}, ParseCase{"TrailingLetter", "10a", ".", std::nullopt},
    ParseCase{"InnerBlank", "1 2", ".", std::nullopt}, ParseCase{"DoubleSign", "--1", ".", std::nullopt},
    ParseCase{"SignAlone", "+", ".", std::nullopt}, ParseCase{"PointAlone", ".", ".", std::nullopt},
    ParseCase{"TwoPoints", "1.2.3", ".", std::nullopt}, ParseCase{"ExponentWithoutDigits", "1e", ".", std::nullopt},
    ParseCase{"ExponentAlone", "e5", ".", std::nullopt}, ParseCase{"Hexadecimal", "0x10", ".", std::nullopt},
    ParseCase{"Infinity", "inf", ".", std::nullopt}, ParseCase{"NotANumber", "nan", ".", std::nullopt},
    ParseCase{"GroupSeparator", "1,000.5", ".", std::nullopt},
    ParseCase{"CommaInPointLocale", "1,5", ".", std::nullopt},
    ParseCase{"PointInCommaLocale", "1.5", ",", std::nullopt},
    ParseCase{"BeyondDoubleRange", "1e400", ".", std::nullopt},
    ParseCase{"HugeMantissa", std::string(400, '9'), ".", std::nullopt},
    ParseCase{"SignAfterBlank", "- 1", ".", std::nullopt},
};

struct FormatCase {
    const char* name;
    double value;
    DisplayFormat format;
    std::string separator;
    std::string expected;
};

inline void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

inline const FormatCase kFormatCases[] = {
    FormatCase{"FiveDecimals", 3.0750149, kPlain5, ".", "3.07501"},
    FormatCase{"SmallValueKeepsItsZero", 0.0015749, kPlain5, ".", "0.00157"},
    FormatCase{"TrailingZeros", 12.5, kPlain5, ".", "12.50000"},
    FormatCase{"Millimetres", 24.071914, kLength5, ".", "24.07191mm"},
    FormatCase{"BelowOneHasNoIntegerDigit", 0.5, kLength5, ".", ".50000mm"},
    FormatCase{"ZeroLength", 0.0, kLength5, ".", ".00000mm"},
    FormatCase{"AreaBelowOne", 0.123456, kArea5, ".", ".12346mm2"},
    FormatCase{"Volume", 94368.280659, kVolume5, ".", "94368.28066mm3"},
    FormatCase{"NegativeBelowOne", -0.3, kLength5, ".", "-.30000mm"},
    FormatCase{"Negative", -3.0750149, kPlain5, ".", "-3.07501"},
    FormatCase{"NoNegativeZero", -0.000001, kPlain5, ".", "0.00000"},
    FormatCase{"NegativeZeroItself", -0.0, kArea5, ".", ".00000mm2"},
    FormatCase{"RoundsUpAcrossTheInteger", 9.999996, kPlain5, ".", "10.00000"},
    FormatCase{"ExactTieAwayFromZero", 0.015625, kPlain5, ".", "0.01563"},
    FormatCase{"NegativeExactTieAwayFromZero", -0.015625, kPlain5, ".", "-0.01563"},
    FormatCase{"SixDecimalTie", 0.0078125, kPlain6, ".", "0.007813"},
    FormatCase{"SixDecimals", 24.7266349, kPlain6, ".", "24.726635"},
    // 2^-7 steps hold exact ties even where the count of last decimals passes 64 bits.
    FormatCase{"LargeExactTieAwayFromZero", 54973734749274.2265625, kPlain6, ".", "54973734749274.226563"},
    // 0.123455 is stored a little below the half-way point: the exact binary value decides.
    FormatCase{"NearTieFollowsTheBinaryValue", 0.123455, kPlain5, ".", "0.12345"},
    FormatCase{"LocaleComma", 3.5, kPlain5, ",", "3,50000"},
    FormatCase{"LocaleCommaBelowOne", 0.25, kLength5, ",", ",25000mm"},
    FormatCase{"HugeValueHasNoExponent", 1e20, kPlain5, ".", "100000000000000000000.00000"},
};

struct RoundingCase {
    const char* name;
    double value;
    DisplayFormat format;
    const char* shown;
};

inline void PrintTo(const RoundingCase& c, std::ostream* os) { *os << c.name; }

inline const RoundingCase kRoundingCases[] = {
    // 0.015625 = 1/64 lies exactly between 0.01562 and 0.01563.
    RoundingCase{"TieRoundsAwayFromZero", 0.015625, kPlain5, "0.01563"},
    RoundingCase{"NegativeTieRoundsAwayFromZero", -0.015625, kPlain5, "-0.01563"},
    RoundingCase{"TieAtSixDecimals", 0.0078125, kPlain6, "0.007813"},
    RoundingCase{"JustBelowATieRoundsDown", std::nextafter(0.015625, 0.0), kPlain5, "0.01562"},
    RoundingCase{"TinyNegativeShowsNoMinus", -0.000001, kLength5, ".00000mm"},
    RoundingCase{"SmallestSubnormal", 5e-324, kPlain5, "0.00000"},
    RoundingCase{"NegativeZero", -0.0, kPlain5, "0.00000"},
    RoundingCase{"BelowOneWithoutIntegerDigit", 0.5, kLength5, ".50000mm"},
    RoundingCase{"NegativeBelowOne", -0.29684, kArea5, "-.29684mm2"},
    // Large values are multiples of 1/256 and meet ties of their own: 0.078125 = 20/256.
    RoundingCase{"TieOfALargeValue", -48282681480291.078125, kPlain5, "-48282681480291.07813"},
    RoundingCase{"CarryIntoTheIntegerPart", 9.999995, kPlain5, "10.00000"},
    // Around the largest count of units that 64 bits hold, where the general conversion takes over.
    RoundingCase{"LastValueOfTheFastWay", 184467440737095.5, kPlain5, "184467440737095.50000"},
    RoundingCase{"FirstValueOfTheGeneralWay", 184467440737096.0, kPlain5, "184467440737096.00000"},
    RoundingCase{"HugeValueKeepsEveryDigit", 1e22, kVolume5, "10000000000000000000000.00000mm3"},
    RoundingCase{"TwoToTheSixtyFourth", 18446744073709551616.0, kPlain5, "18446744073709551616.00000"},
};

}  // namespace ferricalc::testing_support
