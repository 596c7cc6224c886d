#include "core_cases.hpp"
#include "cores/etd.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const etd = &etd::descriptor;

constexpr const char* kPlainCore = "0.76839 0.00760 77.68726mm 101.10395mm2 7854.48886mm3";

const CoreCase kEtdCases[] = {
    {"RadiiLeftAtZero", etd, "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3", kPlainCore},
    {"BackAndLegRadiiTakeTheirSquaresOff", etd, "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 R=0.5 Rw=0.5",
     "0.77058 0.00764 77.72167mm 100.86126mm2 7839.10500mm3"},
    {"WindowCornerRadiiChangeNothing", etd, "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 Rd=3 Rn=-7", kPlainCore},
    {"WindowCornerRadiiTooLargeToSquareChangeNothing", etd, "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 Rd=1e300 Rn=1e300",
     kPlainCore},
    {"C2ShownAsZeroFailsTheDerivation", etd, "A=1026 B=768 C=324 D=324 E=354 F=519", "0.02561 0.00000",
     "derive /0"},
    // The circle of diameter B then touches the faces in a single point: D/chord divides by zero.
    {"DepthEqualToTheLegCircleFails", etd, "A=34.2 B=25.6 C=10.8 D=25.6 E=11.8 F=17.3", "", "/0"},
    {"DepthBeyondTheLegCircleFails", etd, "A=34.2 B=25.6 C=10.8 D=30 E=11.8 F=17.3", "", "sqrt"},
    {"BackWithoutThicknessFails", etd, "A=34.2 B=25.6 C=10.8 D=10.8 E=17.3 F=17.3", "", "/0"},
    {"CentreLegWithoutDiameterFails", etd, "A=34.2 B=25.6 C=0 D=10.8 E=11.8 F=17.3", "", "/0"},
    {"ZeroDepthFails", etd, "A=34.2 B=25.6 C=10.8 D=0 E=11.8 F=17.3", "", "/0"},
    // Rd and Rn do not enter the sums, but a text in them that is not a number still fails.
    {"BadWindowCornerRadiusFailsConversion", etd, "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 Rd=-", "", "Rd"},
    {"EmptyRnFailsConversion", etd, "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 Rn=", "", "Rn"},
    {"RIsConvertedBeforeTheOtherRadii", etd, "A=34.2 B=25.6 C=10.8 D=10.8 E=11.8 F=17.3 Rd=x R=y", "", "R"},
    {"OutlineIsConvertedBeforeR", etd, "R=y", "", "A"},
};

FERRICALC_CORE_EXAMPLES(Etd, kEtdCases);

TEST(EtdGeometry, WindowCornerRadiiLeaveBothSumsUntouched)
{
    const etd::Dimensions plain{34.2, 25.6, 10.8, 10.8, 11.8, 17.3, 0, 0.5, 0, 0.5};
    etd::Dimensions marked = plain;
    marked.Rd = 2.5;
    marked.Rn = -40;
    const CoreConstants a = etd::constants(plain);
    const CoreConstants b = etd::constants(marked);
    ASSERT_TRUE(a.complete() && b.complete());
    EXPECT_EQ(*a.c1, *b.c1);
    EXPECT_EQ(*a.c2, *b.c2);
}

}  // namespace
}  // namespace ferricalc::testing_support
