#include "core_cases.hpp"
#include "cores/uy.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const uy = &uy::descriptor;

constexpr const char* kPlainShown = "1.56970 0.01983 124.25406mm 79.15784mm2 9835.68353mm3";

const CoreCase kUyCases[] = {
    {"RadiiLeftAtZero", uy, "A=40 B=20 C=10 E=14 F=22", kPlainShown},
    {"GroovesInBothLimbsAndTheBack", uy, "A=40 B=20 C=10 E=14 F=22 r1=1 r2=1.5 r3=0.5",
     "1.60301 0.02069 124.19725mm 77.47753mm2 9622.49543mm3"},
    // r3 = 0.3 is held as 0.300000011920929; with a double r3 C2 would show 44.78640.
    {"SmallCoreShowsTheSinglePrecisionBackGroove", uy, "A=3 B=2 C=1 E=1 F=1.5 r3=0.3",
     "20.36569 44.78641 9.26087mm .45473mm2 4.21119mm3"},
    // Grooves wider than the limbs make their sections negative; the sums are shown as they come out.
    {"GroovesBeyondTheLimbsAreAccepted", uy, "A=40 B=20 C=10 E=14 F=22 r1=6 r2=6",
     "3.60093 0.13292 97.55264mm 27.09096mm2 2642.79436mm3"},
    {"OverallHeightTakesNoPart", uy, "A=-1e200 B=20 C=10 E=14 F=22", kPlainShown},
    {"OverallHeightMustStillConvert", uy, "A=40mm B=20 C=10 E=14 F=22", "", "A"},
    {"LimbsWithoutDiameterFailBeforeAnyLabel", uy, "A=40 B=20 C=0 E=14 F=22", "", "/0"},
    {"BackWithoutThicknessFails", uy, "A=40 B=20 C=10 E=22 F=22", "", "/0"},
    {"BackGrooveBeyondSinglePrecisionOverflows", uy, "A=40 B=20 C=10 E=14 F=22 r3=1e39", "", "overflow"},
    {"RadiiNeedNoEntry", uy, "A=40 B=20 C=10 E=14", "", "F"},
    // The radii convert after F, r3 first.
    {"BackGrooveIsConvertedBeforeTheLimbGrooves", uy, "A=40 B=20 C=10 E=14 F=22 r1=? r3=?", "", "r3"},
    {"UpperLimbGrooveIsConvertedBeforeTheLowerOne", uy, "A=40 B=20 C=10 E=14 F=22 r1=? r2=?", "", "r1"},
    {"PrincipalDimensionsComeBeforeTheRadii", uy, "A=40 B=20 C=10 E=14 F=? r3=?", "", "F"},
};

FERRICALC_CORE_EXAMPLES(Uy, kUyCases);

TEST(UyGeometry, EqualLimbGroovesMakeTheLimbsAlike)
{
    const auto path = uy::path({40, 20, 10, 14, 22, 1.5, 1.5, 0.5});
    EXPECT_EQ(path[0].section, path[2].section);
    EXPECT_EQ(path[3].section, path[4].section);
}

TEST(UyGeometry, CornerLengthsAreAlwaysEqual)
{
    const auto path = uy::path({40, 20, 10, 14, 22, 1, 3, 0.5});
    EXPECT_EQ(path[3].length, path[4].length);
    EXPECT_NE(path[3].section, path[4].section);
}

}  // namespace
}  // namespace ferricalc::testing_support
