#include "core_cases.hpp"
#include "cores/ui.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const ui = &ui::descriptor;

constexpr const char* kExampleShown = "0.88680 0.00795 98.92003mm 111.54717mm2 11034.24941mm3";

const CoreCase kUiCases[] = {
    {"UWithItsBar", ui, "A=40 B=20 C=10 D=12 E=15 F=25 G=8 P=10", kExampleShown},
    // Every part has 100 mm²; Ae is the shown C1 over the shown C2, not 100.
    {"EvenSectionsDeriveFromTheRoundedConstants", ui, "A=40 B=20 C=10 D=10 E=15 F=25 G=10 P=10",
     "1.01416 0.01014 101.43200mm 100.01578mm2 10144.80076mm3"},
    {"OverallHeightTakesNoPart", ui, "A=0 B=20 C=10 D=12 E=15 F=25 G=8 P=10", kExampleShown},
    {"OverallHeightMustStillConvert", ui, "A=4O B=20 C=10 D=12 E=15 F=25 G=8 P=10", "", "A"},
    // E beyond F gives the back a negative section; the sums are shown as they come out.
    {"LimbsLongerThanTheUAreAccepted", ui, "A=40 B=20 C=10 D=12 E=30 F=25 G=8 P=10",
     "0.63680 0.01747 23.21203mm 36.45106mm2 846.10323mm3"},
    {"LargeCoreDerivesFromTheRoundedC2", ui, "A=400 B=200 C=100 D=120 E=150 F=250 G=80 P=100",
     "0.08868 0.00001 786.41424mm 8868.00000mm2 6973921.48032mm3"},
    {"C2ShownAsZeroFailsTheDerivation", ui, "A=4000 B=2000 C=1000 D=1200 E=1500 F=2500 G=800 P=1000",
     "0.00887 0.00000", "derive /0"},
    {"ZeroDepthFailsBeforeAnyLabel", ui, "A=40 B=20 C=10 D=0 E=15 F=25 G=8 P=10", "", "/0"},
    {"UpperLimbWithoutThicknessFails", ui, "A=40 B=20 C=10 D=12 E=15 F=25 G=8 P=0", "", "/0"},
    {"LowerLimbWithoutThicknessFails", ui, "A=40 B=20 C=0 D=12 E=15 F=25 G=8 P=10", "", "/0"},
    {"BarWithoutThicknessFails", ui, "A=40 B=20 C=10 D=12 E=15 F=25 G=0 P=10", "", "/0"},
    {"BackWithoutThicknessFails", ui, "A=40 B=20 C=10 D=12 E=25 F=25 G=8 P=10", "", "/0"},
    {"EveryFieldStartsEmpty", ui, "A=40 B=20 C=10 D=12 E=15 F=25 G=8", "", "P"},
    // G is converted before F.
    {"BarThicknessIsMetBeforeTheOverallLength", ui, "A=40 B=20 C=10 D=12 E=15 F=? G=? P=10", "", "G"},
    {"OverallLengthIsMetBeforeTheUpperLimb", ui, "A=40 B=20 C=10 D=12 E=15 F=? G=8 P=?", "", "F"},
};

FERRICALC_CORE_EXAMPLES(Ui, kUiCases);

TEST(UiGeometry, EqualLimbsMakeTheCornersPairwiseAlike)
{
    const auto path = ui::path({40, 20, 10, 12, 15, 25, 8, 10});
    EXPECT_EQ(path[4].length, path[5].length);
    EXPECT_EQ(path[6].length, path[7].length);
    EXPECT_EQ(path[4].section, path[5].section);
    EXPECT_EQ(path[6].section, path[7].section);
    EXPECT_NE(path[4].length, path[6].length);
}

}  // namespace
}  // namespace ferricalc::testing_support
