#include "core_cases.hpp"
#include "cores/uf.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const uf = &uf::descriptor;

constexpr const char* kDataSheetShown = "0.89974 0.00434 186.52813mm 207.31336mm2 38669.77333mm3";

const CoreCase kUfCases[] = {
    {"DataSheetCore", uf, "A=59.2 B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9", kDataSheetShown},
    // Every part has 100 mm²; Ae is the shown C1 over the shown C2, not 100.
    {"EvenSectionsDeriveFromTheRoundedConstants", uf, "A=40 B=20 C=10 D=10 E=15 F=25 P=10",
     "1.31416 0.01314 131.43200mm 100.01218mm2 13144.80058mm3"},
    {"OverallHeightTakesNoPartNegative", uf, "A=-7 B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9", kDataSheetShown},
    {"OverallHeightTakesNoPartHuge", uf, "A=1e300 B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9", kDataSheetShown},
    {"OverallHeightMustStillConvert", uf, "A=x B=32.4 C=12.8 D=16.5 E=20.6 F=33.5 P=11.9", "", "A"},
    // E beyond F gives the backs a negative section; the sums are shown as they come out.
    {"LimbsLongerThanTheHalfAreAccepted", uf, "A=40 B=20 C=10 D=10 E=30 F=25 P=10",
     "0.71416 0.04057 12.57147mm 17.60316mm2 221.29752mm3"},
    {"ZeroDepthFailsBeforeAnyLabel", uf, "A=40 B=20 C=10 D=0 E=15 F=25 P=10", "", "/0"},
    {"UpperLimbWithoutThicknessFails", uf, "A=40 B=20 C=10 D=10 E=15 F=25 P=0", "", "/0"},
    {"LowerLimbWithoutThicknessFails", uf, "A=40 B=20 C=0 D=10 E=15 F=25 P=10", "", "/0"},
    {"BackWithoutThicknessFails", uf, "A=40 B=20 C=10 D=10 E=25 F=25 P=10", "", "/0"},
    // C2 is summed before either constant is written, so its overflow leaves C1 unwritten too.
    {"OverflowInC2LeavesEveryLabel", uf, "A=40 B=20 C=10 D=1e160 E=15 F=25 P=10", "", "overflow"},
    {"C2ShownAsZeroFailsTheDerivation", uf, "A=592 B=324 C=128 D=165 E=206 F=335 P=119", "0.08997 0.00000",
     "derive /0"},
    {"EveryFieldStartsEmpty", uf, "A=40 B=20 C=10 D=10 E=15 F=25", "", "P"},
    {"FieldsConvertFromAToP", uf, "B=20 C=? P=?", "", "A"},
    {"LimbLengthIsMetBeforeTheOverallLength", uf, "A=40 B=20 C=10 D=10 E=? F=? P=10", "", "E"},
};

FERRICALC_CORE_EXAMPLES(Uf, kUfCases);

TEST(UfGeometry, EqualLimbsMakeTheTwoCornersAlike)
{
    const auto path = uf::path({40, 20, 10, 10, 15, 25, 10});
    EXPECT_EQ(path[3].length, path[4].length);
    EXPECT_EQ(path[3].section, path[4].section);

    const auto uneven = uf::path({40, 20, 10, 10, 15, 25, 12});
    EXPECT_GT(uneven[3].length, uneven[4].length);
    EXPECT_GT(uneven[3].section, uneven[4].section);
}

}  // namespace
}  // namespace ferricalc::testing_support
