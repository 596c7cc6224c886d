#include "core_cases.hpp"
#include "cores/pot.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const pot = &pot::descriptor;

constexpr const char* kExample = "0.531974 0.011445 24.726635 46.480909 1149.316460";
constexpr const char* kWithoutSlots = "0.520941 0.011155 24.328061 46.700224 1136.125922";

const CoreCase kPotCases[] = {
    {"SlottedPotCoreShowsSixDecimals", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13", kExample},
    {"WithoutSlotsWallAndOuterRingSpanTheWholeCircle", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=0 H=13",
     kWithoutSlots},
    {"SlotEndAtThePostLeavesOnlyTheSlottedRing", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=7.45",
     "0.540743 0.011798 24.784115 45.833446 1135.941418"},
    {"SlotEndAtTheWallLeavesOnlyTheWholeRing", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=14.9",
     "0.529826 0.011385 24.656618 46.537198 1147.449892"},
    {"PostWithoutHole", pot, "A=18 B=14.9 C=7.45 D=0 E=3.6 F=5.3 G=2 H=13",
     "0.501695 0.009719 25.897507 51.620023 1336.829911"},
    // Impossible proportions give negative terms and are shown as computed.
    {"SlotEndBeyondTheWallIsComputedAsGiven", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=20",
     "0.525189 0.011280 24.452437 46.559309 1138.488543"},
    {"WindingSpaceDeeperThanTheHalfIsComputedAsGiven", pot, "A=18 B=14.9 C=7.45 D=3 E=6 F=5.3 G=2 H=13",
     "0.289343 0.035437 2.362485 8.164997 19.289681"},
    // C2 rounds to 0.000000, so Le has nothing to divide by.
    {"LargeCoreShowsC2AsZeroAndFailsTheDerivation", pot, "A=1800 B=1490 C=745 D=300 E=360 F=530 G=200 H=1300",
     "0.005320 0.000000", "derive /0"},
    // C1 is shown before any C2 term is formed; h² then overflows.
    {"BackPlateTooThickForC2LeavesC1", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=1e200 G=2 H=13", "0.395253",
     "overflow"},
    {"SlotsWiderThanTheMeanDiameterFail", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=17 H=13", "", "sqrt"},
    {"SlotsAsWideAsTheMeanDiameterFail", pot, "A=18 B=14 C=7.45 D=3 E=3.6 F=5.3 G=16 H=13", "", "/0"},
    {"OppositeDiametersFail", pot, "A=18 B=-18 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13", "", "/0"},
    {"NoBackPlateFails", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=3.6 G=2 H=13", "", "/0"},
    {"ZeroPostDiameterFails", pot, "A=18 B=14.9 C=0 D=3 E=3.6 F=5.3 G=2 H=13", "", "/0"},
    {"ZeroSlotEndFailsTheLogarithm", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=0", "", "ln"},
    {"NegativeSlotEndFailsTheLogarithm", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=-13", "", "ln"},
    {"WallWithoutSectionFails", pot, "A=18 B=18 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13", "", "/0"},
    {"HoleAsWideAsThePostFails", pot, "A=18 B=14.9 C=7.45 D=7.45 E=3.6 F=5.3 G=2 H=13", "", "/0"},
    // C² − D² + 4·C·h = 64 − 64: the centre corner has no section.
    {"CentreCornerWithoutSectionFails", pot, "A=18 B=14.9 C=8 D=0 E=5 F=3 G=2 H=13", "", "/0"},
    {"EmptySlotEndFailsConversion", pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2", "", "H"},
    {"ConversionRunsFromAToH", pot, "A=18 B=x C=7.45 D=? E=3.6 F=5.3 G=2 H=13", "", "B"},
};

FERRICALC_CORE_EXAMPLES(Pot, kPotCases);

TEST(PotGeometry, WithoutSlotsTheSlotEndDiameterDoesNotMatter)
{
    // With G = 0 the two back-plate rings join into one whole ring from C to B,
    // wherever H divides them.
    const CoreConstants reference = pot::constants({18, 14.9, 7.45, 3, 3.6, 5.3, 0, 7.45});
    ASSERT_TRUE(reference.complete());
    for (const double slotEnd : {9.0, 11.5, 13.0, 14.9}) {
        const CoreConstants split = pot::constants({18, 14.9, 7.45, 3, 3.6, 5.3, 0, slotEnd});
        ASSERT_TRUE(split.complete());
        EXPECT_NEAR(*split.c1, *reference.c1, 1e-12) << "H = " << slotEnd;
        EXPECT_NEAR(*split.c2, *reference.c2, 1e-14) << "H = " << slotEnd;
    }
}

TEST(PotGeometry, ResultsFollowTheSixDecimalsShown)
{
    // Two cores whose C1 and C2 agree to six decimals show the same Le, Ae and Ve,
    // though their unrounded constants differ.
    const Calculation a = runCase(*pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13");
    const Calculation b = runCase(*pot, "A=18 B=14.9 C=7.45 D=3 E=3.6 F=5.3 G=2 H=13.0003");
    ASSERT_TRUE(a.succeeded() && b.succeeded());
    EXPECT_NE(*a.constants.c1, *b.constants.c1);
    EXPECT_EQ(shownTexts(a), shownTexts(b));
}

}  // namespace
}  // namespace ferricalc::testing_support
