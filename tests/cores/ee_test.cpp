#include "core_cases.hpp"
#include "cores/ee.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const ee = &ee::descriptor;

constexpr const char* kPlainCore = "0.99071 0.01720 57.06432mm 57.59942mm2 3286.87166mm3";

const CoreCase kEeCases[] = {
    {"RadiiLeftAtZero", ee, "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8", kPlainCore},
    {"HalfMillimetreRadiiTakeTheirSquaresOff", ee, "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8 Rd=0.5 Rw=0.5 Rn=0.5",
     "1.00493 0.01770 57.05561mm 56.77571mm2 3239.37258mm3"},
    // Ten times the size: C2 keeps one significant digit, and Ae is 0.09907/0.00002, not about 5760.
    {"LargeCoreDerivesFromTheRoundedC2", ee, "A=250 B=175 C=75 D=75 E=87 F=128",
     "0.09907 0.00002 490.74325mm 4953.50000mm2 2430896.66411mm3"},
    {"C2ShownAsZeroFailsTheDerivation", ee, "A=750 B=525 C=225 D=225 E=261 F=384", "0.03302 0.00000",
     "derive /0"},
    {"OuterLegsWithoutWidthFailBeforeAnyLabel", ee, "A=17.5 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8", "", "/0"},
    {"BackWithoutThicknessFails", ee, "A=25 B=17.5 C=7.5 D=7.5 E=12.8 F=12.8", "", "/0"},
    {"CentreLegWithoutWidthFails", ee, "A=25 B=17.5 C=0 D=7.5 E=8.7 F=12.8", "", "/0"},
    {"ZeroDepthFails", ee, "A=25 B=17.5 C=7.5 D=0 E=8.7 F=12.8", "", "/0"},
    // A radius larger than the leg makes its section negative; the sums are shown as they come out.
    {"RadiusBeyondTheLegGivesANegativeSection", ee, "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8 Rw=6",
     "-0.25858 0.09185 .72797mm -2.81524mm2 -2.04940mm3"},
    {"OuterAndInnerWidthsSwappedAreComputed", ee, "A=17.5 B=25 C=7.5 D=7.5 E=8.7 F=12.8",
     "0.49399 0.05730 4.25875mm 8.62112mm2 36.71514mm3"},
    // Sections of 1e-160 mm² keep every l/A finite, but their squares are too small to divide by:
    // C2 fails, and C1, formed with it before either is written, is not shown either.
    {"FailureInC2AloneLeavesEveryLabel", ee, "A=25 B=17.5 C=7.5 D=1e-160 E=8.7 F=12.8", "", "overflow"},
    {"EmptyHeightFailsConversion", ee, "A=25 B=17.5 C=7.5 D=7.5 E=8.7", "", "F"},
    {"BadRadiusFailsConversion", ee, "A=25 B=17.5 C=7.5 D=7.5 E=8.7 F=12.8 Rn=r", "", "Rn"},
    {"FieldsConvertFromAToRn", ee, "A=x Rd=y", "", "A"},
};

FERRICALC_CORE_EXAMPLES(Ee, kEeCases);

}  // namespace
}  // namespace ferricalc::testing_support
