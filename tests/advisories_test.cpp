// What a Calculate's results do not say by themselves: a display too coarse
// for Le, Ae and Ve, and dimensions that describe no real core.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/advisories.hpp"
#include "cli_worked_examples.hpp"
#include "core_cases.hpp"
#include "cores/ring.hpp"

namespace ferricalc::testing_support {
namespace {

Advisories adviseOn(const CoreDescriptor& core, std::string_view inputs, Language language = Language::English)
{
    const Calculation calculation = runCase(core, inputs);
    return advise(core, calculation, exactResults(calculation.constants), language, ".");
}

// Le, Ae and Ve of a sharp-edged ring from its closed form, worked apart from
// the program's code: C1 = 2π/(h·ln(A/B)), C2 = 4π·(1/B − 1/A)/(h²·ln³(A/B)).
std::array<double, 3> ringByHand(double A, double B, double h)
{
    const double pi = std::acos(-1.0);
    const double L = std::log(A / B);
    const double c1 = 2.0 * pi / (h * L);
    const double c2 = 4.0 * pi * (1.0 / B - 1.0 / A) / (h * h * L * L * L);
    return {c1 * c1 / c2, c1 / c2, c1 * c1 * c1 / (c2 * c2)};
}

struct CoarseCase {
    const char* name;
    double A, B, h;
    const char* start;  // how the advisory begins; "" for none
};

void PrintTo(const CoarseCase& c, std::ostream* os) { *os << c.name; }

class CoarseDisplay : public testing::TestWithParam<CoarseCase> {};

TEST_P(CoarseDisplay, GivesTheUnroundedValuesWhereTheDisplayMovesThem)
{
    const CoarseCase& c = GetParam();
    char inputs[64];
    std::snprintf(inputs, sizeof inputs, "A=%g B=%g h=%g", c.A, c.B, c.h);
    const Advisories advisories = adviseOn(ring::descriptor, inputs);
    EXPECT_EQ(advisories.dimensions, "");
    if (*c.start == '\0') {
        EXPECT_EQ(advisories.display, "");
        return;
    }
    EXPECT_TRUE(advisories.display.starts_with(c.start)) << advisories.display;
    EXPECT_TRUE(advisories.display.ends_with(" mm3")) << advisories.display;
    // The ring's formula keeps one product in single precision: some 1e-7 of difference.
    const std::array<double, 3> expected = ringByHand(c.A, c.B, c.h);
    const std::array<const char*, 3> names{"Le = ", "Ae = ", "Ve = "};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::size_t at = advisories.display.find(names[i]);
        ASSERT_NE(at, std::string::npos) << advisories.display;
        EXPECT_NEAR(std::stod(advisories.display.substr(at + 5)), expected[i], expected[i] * 1e-6) << advisories.display;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ring, CoarseDisplay,
    testing::Values(
        // Shown: C2 0.00001, Ae 12300.00000mm2 against some 9785 mm²: 26 % off.
        CoarseCase{"C2OfOneDigit", 500, 300, 100, "C2 is shown with too few digits for Le, Ae and Ve: "},
        // Shown: C2 0.00000, so nothing is derived; the advisory says why and gives the values.
        CoarseCase{"C2ShownAsZero", 1000, 600, 200, "C2 is shown with too few digits to derive Le, Ae and Ve: "},
        // Ae 391.71975 against 391.41423: 0.08 %, within the half percent.
        CoarseCase{"LargeButWithinHalfAPercent", 100, 60, 20, ""},
        CoarseCase{"PlainRing", 10, 6, 4, ""}),
    [](const testing::TestParamInfo<CoarseCase>& info) { return info.param.name; });

TEST(CoarseDisplayText, IsChineseInTheWindowWithTheUsersSeparator)
{
    const Calculation calculation = runCase(ring::descriptor, "A=500 B=300 h=100");
    const Advisories advisories =
        advise(ring::descriptor, calculation, exactResults(calculation.constants), Language::Chinese, ",");
    EXPECT_EQ(advisories.display, "C2 显示位数不足：按未舍入的 C1、C2，Le\u00A0=\u00A01203,60451\u00A0mm，"
                                  "Ae\u00A0=\u00A09785,35561\u00A0mm²，Ve\u00A0=\u00A011777698,15112\u00A0mm³");
    EXPECT_FALSE(advisories.displayExplainsFailure);
    const Calculation zero = runCase(ring::descriptor, "A=1000 B=600 h=200");
    EXPECT_TRUE(advise(ring::descriptor, zero, exactResults(zero.constants), Language::Chinese, ".")
                    .displayExplainsFailure);
}

TEST(ExactText, ShortestPlainOrWithAnExponent)
{
    EXPECT_EQ(exactText(0.1230005, ","), "0,1230005");
    EXPECT_EQ(exactText(1.25e-5, "."), "0.0000125");
    EXPECT_EQ(exactText(12300058978400674639635653066752.0, "."), "1.2300058978400675e+31");
    EXPECT_EQ(exactText(-3.0, "."), "-3");
    for (const double value : {0.1 + 0.2, 1.0 / 3.0, 9785.355610349876, 1.5713e-300})
        EXPECT_EQ(std::stod(exactText(value, ".")), value);
}

// Dimensions that describe no real core: one row per kind of doubt, and a
// realistic slip in every family.
struct DoubtCase {
    const char* name;
    const char* core;
    const char* inputs;
    const char* advisory;  // the English advisory after "implausible dimensions: ", "" for none
};

void PrintTo(const DoubtCase& c, std::ostream* os) { *os << c.name; }

class ImplausibleDimensions : public testing::TestWithParam<DoubtCase> {};

TEST_P(ImplausibleDimensions, SayWhichDimensionIsWrong)
{
    const DoubtCase& c = GetParam();
    const Advisories advisories = adviseOn(*findCoreType(c.core), c.inputs);
    EXPECT_EQ(advisories.dimensions, *c.advisory == '\0' ? "" : "implausible dimensions: " + std::string(c.advisory));
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, ImplausibleDimensions,
    testing::Values(
        // A smaller than B keeps its negative results, and says why they are.
        DoubtCase{"RingInsideOut", "ring", "A=6 B=10 h=4", "B should be less than A"},
        DoubtCase{"RingEqualDiameters", "ring", "A=10 B=10 h=4", "B should be less than A"},
        DoubtCase{"RingNegativeRadius", "ring", "A=10 B=6 h=4 r3=-0.5", "r3 should not be negative"},
        DoubtCase{"RingTaperTakesTheWholeHeight", "ring", "A=10 B=6 h=4 a=1.2 b=1.2",
                  "a part of the magnetic path has a length or a section of zero or less"},
        DoubtCase{"UfLimbsLongerThanTheHalf", "uf", "A=59.2 B=32.4 C=12.8 D=16.5 E=34 F=33.5 P=11.9",
                  "E should be less than F"},
        DoubtCase{"UfUnusedHeightIsNotHeldAgainstTheOthers", "uf", "A=0 B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9",
                  ""},
        DoubtCase{"UyGrooveWiderThanTheBack", "uy", "A=40 B=20 C=10 E=14 F=22 r3=8",
                  "a part of the magnetic path has a length or a section of zero or less"},
        DoubtCase{"UyfFlatDeeperThanTheLeg", "uyf", "A=50 B=25 C=16 D=12 E=20 F=32 H=16", "H should be less than C"},
        DoubtCase{"UiLimbsAsLongAsTheU", "ui", "A=40 B=20 C=10 D=12 E=25 F=25 G=8 P=10", "E should be less than F"},
        DoubtCase{"EeEveryDimensionSwapped", "ee", "A=17.5 B=25 C=26 D=7.5 E=12.8 F=8.7",
                  "B should be less than A; C should be less than B; E should be less than F"},
        DoubtCase{"EeEdgeRadiiTakeTheLegs", "ee", "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8 Rw=4 Rn=4",
                  "a part of the magnetic path has a length or a section of zero or less"},
        DoubtCase{"EtdDepthBeyondTheCircle", "etd", "A=34.2 B=25.6 C=10.8 D=30 E=11.8 F=17.3",
                  "D should be less than B"},
        DoubtCase{"EtdCentreLegWiderThanTheCircle", "etd", "A=34.2 B=25.6 C=26 D=10.8 E=11.8 F=17.3",
                  "C should be less than B"},
        DoubtCase{"EiNegativeBar", "ei", "A=28 B=19 C=9.5 D=10.6 E=14.5 F=19 G=-4.7", "G should not be negative"},
        DoubtCase{"EdCentreLegWiderThanTheWindow", "ed", "A=30 B=20 C=22 D=10 E=15 F=20", "C should be less than B"},
        DoubtCase{"PotPostWiderThanTheWall", "pot", "A=18 B=14.9 C=16 D=3 E=3.6 F=5.3 G=2 H=13",
                  "C should be less than B; C should be less than H"},
        DoubtCase{"PotHoleWiderThanThePost", "pot", "A=18 B=14.9 C=7.45 D=8 E=3.6 F=5.3 G=2 H=13",
                  "D should be less than C"},
        DoubtCase{"PotSlotsEndOutsideTheWall", "pot", "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=16",
                  "H should be less than B"},
        DoubtCase{"RmPlateWithoutThickness", "rm", "A=24.7 B=21.2 C=10.7 E=9.3 F=9.3 G=27.8 H=18.9 I=10.5",
                  "E should be less than F"},
        DoubtCase{"RmWindingSpaceWiderThanTheCore", "rm", "A=24.7 B=28 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5",
                  "B should be less than A; B should be less than G"},
        DoubtCase{"EpPostWiderThanTheWindingSpace", "ep", "A=12.5 B=9 C=9.5 D=8.8 E=4.5 F=6.5 G=1",
                  "C should be less than B; C should be less than D"},
        DoubtCase{"EpUnusedOffsetMayBeAnything", "ep", "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=100", ""}),
    [](const testing::TestParamInfo<DoubtCase>& info) { return info.param.name; });

TEST(ImplausibleDimensionsText, IsChineseInTheWindow)
{
    EXPECT_EQ(adviseOn(ring::descriptor, "A=6 B=10 h=4 r3=-1", Language::Chinese).dimensions,
              "尺寸可疑：r3 不应为负；B 应小于 A");
}

// Every worked example is a real core, and says nothing.
TEST(ImplausibleDimensionsOfWorkedExamples, NoneRaised)
{
    for (const WorkedExample& example : kWorkedExamples)
        EXPECT_TRUE(adviseOn(*findCoreType(example.core), example.inputs).empty()) << example.name;
}

}  // namespace
}  // namespace ferricalc::testing_support
