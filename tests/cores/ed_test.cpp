#include "core_cases.hpp"
#include "cores/ed.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const ed = &ed::descriptor;

const CoreCase kEdCases[] = {
    {"RoundNumbers", ed, "A=30 B=20 C=10 D=10 E=15 F=20", "0.95693 0.01073 85.34157mm 89.18267mm2 7610.98851mm3"},
    {"DataSheetCore", ed, "A=34.2 B=25 C=9.8 D=9.6 E=12 F=17", "0.92939 0.01099 78.59561mm 84.56688mm2 6646.58558mm3"},
    {"C2ShownAsZeroFailsTheDerivation", ed, "A=900 B=600 C=300 D=300 E=450 F=600", "0.03190 0.00000", "derive /0"},
    {"OuterLegsWithoutWidthFailBeforeAnyLabel", ed, "A=20 B=20 C=10 D=10 E=15 F=20", "", "/0"},
    {"BackWithoutThicknessFails", ed, "A=30 B=20 C=10 D=10 E=20 F=20", "", "/0"},
    {"CentreLegWithoutDiameterFails", ed, "A=30 B=20 C=0 D=10 E=15 F=20", "", "/0"},
    {"ZeroDepthFails", ed, "A=30 B=20 C=10 D=0 E=15 F=20", "", "/0"},
    // A below B gives the outer legs a negative width; the sums are shown as they come out.
    {"OuterWidthBelowTheWindowSpanIsComputed", ed, "A=20 B=25 C=10 D=10 E=15 F=20",
     "0.10693 0.02259 .50615mm 4.73351mm2 2.39589mm3"},
    {"EmptyHeightFailsConversion", ed, "A=30 B=20 C=10 D=10 E=15", "", "F"},
    {"FieldsConvertFromAToF", ed, "C=x F=y", "", "A"},
};

FERRICALC_CORE_EXAMPLES(Ed, kEdCases);

}  // namespace
}  // namespace ferricalc::testing_support
