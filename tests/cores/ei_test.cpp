#include "core_cases.hpp"
#include "cores/ei.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const ei = &ei::descriptor;

constexpr const char* kEvenSections = "A=30 B=20 C=10 D=10 E=15 F=20 G=5";

const CoreCase kEiCases[] = {
    // Every part has 50 mm², so the exact Ae is 100 mm²; the shown one comes from the rounded C1 and C2.
    {"EvenSectionsDeriveFromTheRoundedConstants", ei, kEvenSections,
     "0.55708 0.00557 55.71600mm 100.01436mm2 5572.40034mm3"},
    {"DataSheetCore", ei, "A=28 B=19 C=9.5 D=10.6 E=14.5 F=19 G=4.7",
     "0.54163 0.00554 52.95362mm 97.76715mm2 5177.12444mm3"},
    {"LargeCoreDerivesFromTheRoundedC2", ei, "A=300 B=200 C=100 D=100 E=150 F=200 G=50",
     "0.05571 0.00001 310.36041mm 5571.00000mm2 1729017.84411mm3"},
    {"C2ShownAsZeroFailsTheDerivation", ei, "A=900 B=600 C=300 D=300 E=450 F=600 G=150", "0.01857 0.00000",
     "derive /0"},
    {"OuterLegsWithoutWidthFailBeforeAnyLabel", ei, "A=20 B=20 C=10 D=10 E=15 F=20 G=5", "", "/0"},
    {"BackWithoutThicknessFails", ei, "A=30 B=20 C=10 D=10 E=20 F=20 G=5", "", "/0"},
    {"CentreLegWithoutWidthFails", ei, "A=30 B=20 C=0 D=10 E=15 F=20 G=5", "", "/0"},
    {"BarWithoutThicknessFails", ei, "A=30 B=20 C=10 D=10 E=15 F=20 G=0", "", "/0"},
    {"ZeroDepthFails", ei, "A=30 B=20 C=10 D=0 E=15 F=20 G=5", "", "/0"},
    {"FailureInC2AloneLeavesEveryLabel", ei, "A=30 B=20 C=10 D=1e-160 E=15 F=20 G=5", "", "overflow"},
    {"EmptyBarFailsConversion", ei, "A=30 B=20 C=10 D=10 E=15 F=20", "", "G"},
    {"FieldsConvertFromAToG", ei, "A=30 B=? G=?", "", "B"},
};

FERRICALC_CORE_EXAMPLES(Ei, kEiCases);

TEST(EiGeometry, EvenSectionsGiveTheWholeCoresSection)
{
    // The loop's parts all have 50 mm² and run beside their twin: the core's Ae is 100 mm².
    const CoreConstants even = ei::constants({30, 20, 10, 10, 15, 20, 5});
    ASSERT_TRUE(even.complete());
    EXPECT_NEAR(*even.c1 / *even.c2, 100.0, 1e-9);
}

}  // namespace
}  // namespace ferricalc::testing_support
