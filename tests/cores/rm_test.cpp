#include "core_cases.hpp"
#include "cores/rm.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const rm = &rm::descriptor;

constexpr const char* kExample = "0.38171 0.00344 42.35538mm 110.96221mm2 4699.84709mm3";

const CoreCase kRmCases[] = {
    {"RmCore", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5", kExample},
    // The overall width is read but takes no part in the calculation.
    {"ZeroWidthChangesNothing", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=0 I=10.5", kExample},
    {"HugeWidthChangesNothing", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=1000 I=10.5", kExample},
    // No opening: the legs' arcs close the circle and the back plate is a whole ring.
    {"ClosedSidesMakeTheBackPlateAWholeRing", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=0",
     "0.33486 0.00292 38.40110mm 114.67808mm2 4403.76480mm3"},
    // I/B above sin 45°: each leg's arc spans less than 45° and tan(α − 45°) turns negative.
    {"WideOpeningsTakeTheLegsAbsoluteTangent", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=16",
     "0.39588 0.00354 44.27146mm 111.83051mm2 4950.90007mm3"},
    {"NegativeOpeningIsComputedAsGiven", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=-10.5",
     "0.24786 0.00224 27.42615mm 110.65179mm2 3034.75265mm3"},
    {"LargeCoreShowsC2AsZeroAndFailsTheDerivation", rm, "A=247 B=212 C=107 E=63 F=93 G=278 H=189 I=105",
     "0.03817 0.00000", "derive /0"},
    // Every term is formed before C1 is shown: an overflow in a C2 term leaves no label.
    {"BackPlateTooThickForC2LeavesNothing", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=1e200 G=27.8 H=18.9 I=10.5", "",
     "overflow"},
    {"OpeningWiderThanTheWindingSpaceFails", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=25", "",
     "sqrt"},
    {"OpeningAsWideAsTheWindingSpaceFails", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=21.2", "", "/0"},
    {"NegativeOpeningAsWideAsTheWindingSpaceFails", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=-21.2",
     "", "/0"},
    {"PostFillingTheWindingSpaceFails", rm, "A=24.7 B=21.2 C=21.2 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5", "", "/0"},
    {"ZeroPostDiameterFails", rm, "A=24.7 B=21.2 C=0 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5", "", "/0"},
    {"NegativePostDiameterFailsTheLogarithm", rm, "A=24.7 B=21.2 C=-10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=10.5", "",
     "ln"},
    {"NoBackPlateFails", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=6.3 G=27.8 H=18.9 I=10.5", "", "/0"},
    // π·C²/4 + π·C·h = 4π − 4π: the centre corner has no section.
    {"CentreCornerWithoutSectionFails", rm, "A=24.7 B=21.2 C=4 E=2 F=1 G=27.8 H=18.9 I=10.5", "", "/0"},
    {"WidthMustBeANumberThoughUnused", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=x I=10.5", "", "H"},
    {"EmptyOpeningFailsConversion", rm, "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9", "", "I"},
};

FERRICALC_CORE_EXAMPLES(Rm, kRmCases);

}  // namespace
}  // namespace ferricalc::testing_support
