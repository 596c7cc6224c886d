#include "core_cases.hpp"
#include "cores/ring.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const ring = &ring::descriptor;

// Rings whose magnitudes C2's single-precision denominator cannot hold.
constexpr const char* kHugeHeight = "A=10 B=6 h=1e20";
constexpr const char* kTinyHeight = "A=10 B=6 h=1e-30";

const CoreCase kRingCases[] = {
    {"PlainRing", ring, "A=10 B=6 h=4", "3.07501 0.39281 24.07191mm 7.82824mm2 188.44062mm3"},
    {"RoundedEdges", ring, "A=25 B=15 h=10 r3=0.5", "1.23265 0.02525 60.17529mm 48.81782mm2 2937.62649mm3"},
    {"TaperedFaces", ring, "A=25 B=15 h=10 a=0.05 b=0.05", "1.29480 0.02786 60.17613mm 46.47523mm2 2796.69978mm3"},
    // Le, Ae and Ve follow the displayed 0.61500 and 0.00157, not the exact ratios (about 240.721, 391.414, 94221.6).
    {"LargeRingDerivesFromRoundedC2", ring, "A=100 B=60 h=20",
     "0.61500 0.00157 240.90764mm 391.71975mm2 94368.28066mm3"},
    // A double-precision denominator would show C2 as 59.34516.
    {"SmallRingShowsSinglePrecisionDenominator", ring, "A=2 B=1.4 h=1",
     "17.61600 59.34515 5.22913mm .29684mm2 1.55221mm3"},
    {"OuterAndInnerSwapped", ring, "A=6 B=10 h=4", "-3.07501 0.39281 24.07191mm -7.82824mm2 -188.44062mm3"},
    {"EqualDiametersFailBeforeAnyLabel", ring, "A=10 B=10 h=4", "", "/0"},
    {"ZeroHeightFails", ring, "A=10 B=6 h=0", "", "/0"},
    {"ZeroInnerDiameterFails", ring, "A=10 B=0 h=4", "", "/0"},
    {"ZeroOuterDiameterFailsTheLogarithm", ring, "A=0 B=6 h=4", "", "ln"},
    {"OppositeSignsFailTheLogarithm", ring, "A=-10 B=6 h=4", "", "ln"},
    // 0.8584·1²/(0.8584·(3 − 2)) = 1 makes the effective height zero.
    {"ZeroEffectiveHeightFails", ring, "A=3 B=2 h=0.8584 r3=1", "", "/0"},
    {"DenominatorBeyondSinglePrecisionLeavesC1", ring, kHugeHeight, "0.00000", "overflow"},
    {"DenominatorRoundedToZeroLeavesC1", ring, kTinyHeight, "12300058978400674639635653066752.00000", "/0"},
    {"C2ShownAsZeroFailsTheDerivation", ring, "A=1000 B=600 h=200", "0.06150 0.00000", "derive /0"},
    {"ZeroFieldsNeedNoEntry", ring, "A=10 B=6 h=4 r3=0 a=0 b=0", "3.07501 0.39281 24.07191mm 7.82824mm2 188.44062mm3"},
    {"EmptyOuterDiameterFailsConversion", ring, "B=6 h=4", "", "A"},
    // The zero fields convert first: a bad r3 is met before an empty A.
    {"ConversionFollowsTheRingsOrder", ring, "r3=x", "", "r3"},
    {"BadAngleIsMetBeforeTheDiameters", ring, "A=10 B=6 h=4 b=?", "", "b"},
};

FERRICALC_CORE_EXAMPLES(Ring, kRingCases);

TEST(RingGeometry, FiveRadiansIsTakenAsRadians)
{
    // tan 5 is negative, so the effective height grows beyond h, to about 26.9 mm.
    const Calculation result = runCase(ring::descriptor, "A=25 B=15 h=10 a=5");
    ASSERT_GE(result.written, 1);
    EXPECT_EQ(result.texts[0].view(), "0.45721");
}

TEST(RingGeometry, RoundedEdgesLowerTheEffectiveHeight)
{
    // he = 10·(1 − 0.8584·0.25/(10·10)) = 9.97854: C1 is the plain formula with he in place of h.
    const CoreConstants plain = ring::constants({25, 15, 9.97854, 0, 0, 0});
    const CoreConstants rounded = ring::constants({25, 15, 10, 0.5, 0, 0});
    ASSERT_TRUE(plain.complete() && rounded.complete());
    EXPECT_NEAR(*rounded.c1, *plain.c1, 1e-9);
}

}  // namespace
}  // namespace ferricalc::testing_support
