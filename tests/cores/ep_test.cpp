#include "core_cases.hpp"
#include "cores/ep.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const ep = &ep::descriptor;

constexpr const char* kExample = "1.09529 0.05186 23.13267mm 21.12013mm2 488.56499mm3";

const CoreCase kEpCases[] = {
    {"EpCore", ep, "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=5", kExample},
    // The open side is taken at C/2 from the axis, whatever G says.
    {"ZeroPostOffsetChangesNothing", ep, "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=0", kExample},
    {"NegativePostOffsetChangesNothing", ep, "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=-3", kExample},
    {"HugePostOffsetChangesNothing", ep, "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=1e300", kExample},
    // C2 = 0.00005 keeps one significant digit, and Le, Ae and Ve follow it.
    {"LargeCoreDerivesFromTheRoundedC2", ep, "A=125 B=90 C=45 D=88 E=45 F=65 G=50",
     "0.10953 0.00005 239.93642mm 2190.60000mm2 525604.71727mm3"},
    {"LargerCoreShowsC2AsZeroAndFailsTheDerivation", ep, "A=1250 B=900 C=450 D=880 E=450 F=650 G=500",
     "0.01095 0.00000", "derive /0"},
    // Every term is formed before C1 is shown: an overflow in a C2 term leaves no label.
    {"BackPlateTooThickForC2LeavesNothing", ep, "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=1e200 G=5", "", "overflow"},
    {"ZeroPostDiameterFails", ep, "A=12.5 B=9 C=0 D=8.8 E=4.5 F=6.5 G=5", "", "/0"},
    {"NegativePostDiameterFailsTheLogarithm", ep, "A=12.5 B=9 C=-4.5 D=8.8 E=4.5 F=6.5 G=5", "", "ln"},
    {"PostFillingTheWindingSpaceFails", ep, "A=12.5 B=9 C=9 D=8.8 E=4.5 F=6.5 G=5", "", "/0"},
    {"OutlineTooSmallForTheWindingSpaceFails", ep, "A=-12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=5", "", "sqrt"},
    {"NoBackPlateFails", ep, "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=4.5 G=5", "", "/0"},
    // C²/4 + C·(T − L)/2 = 4 − 4: the centre corner has no section.
    {"CentreCornerWithoutSectionFails", ep, "A=12.5 B=9 C=4 D=8.8 E=4.5 F=3.5 G=5", "", "/0"},
    {"PostOffsetMustBeANumberThoughUnused", ep, "A=12.5 B=9 C=4.5 D=8.8 E=4.5 F=6.5 G=", "", "G"},
    {"ConversionRunsFromAToG", ep, "A=12.5 B=9 C=? D=8.8 E=4.5 F=x G=5", "", "C"},
};

FERRICALC_CORE_EXAMPLES(Ep, kEpCases);

}  // namespace
}  // namespace ferricalc::testing_support
