#include <numbers>

#include "core_cases.hpp"
#include "cores/uyf.hpp"

namespace ferricalc::testing_support {
namespace {

const CoreDescriptor* const uyf = &uyf::descriptor;

constexpr const char* kPlain = "A=50 B=25 C=16 D=12 E=20 F=32";
constexpr const char* kPlainShown = "0.89413 0.00460 173.79749mm 194.37609mm2 33782.07615mm3";

const CoreCase kUyfCases[] = {
    // H = 0 leaves the round leg whole.
    {"WholeRoundLegNoGroove", uyf, kPlain, kPlainShown},
    // R = 8, d = R − H = 6, s = √(64 − 36) = √28 = 5.291503; ψ = atan2(s, −d) = π − atan(s/d) = 2.418858 rad;
    // A1 = R²·ψ + s·d = 154.806938 + 31.749016 = 186.555954 mm² (the whole disc is 201.06).
    {"FlatRadiiAndGroove", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 Gd=1 H=2 X=3 Y=5 Z=2",
     "0.94388 0.00512 174.00575mm 184.35156mm2 32078.23241mm3"},
    // The flat through the leg's axis leaves the half disc, 100.53 mm².
    {"FlatThroughTheAxisLeavesTheHalfDisc", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 H=8",
     "1.13153 0.00802 159.64590mm 141.08853mm2 22524.20554mm3"},
    {"FlatBeyondTheAxis", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 H=12",
     "1.79104 0.03057 104.93374mm 58.58816mm2 6147.87428mm3"},
    {"FlatAcrossTheWholeLegLeavesNoSection", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 H=16", "", "/0"},
    {"NegativeFlatDepthFailsTheSquareRoot", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 H=-1", "", "sqrt"},
    {"FlatDeeperThanTheLegFailsTheSquareRoot", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 H=16.5", "", "sqrt"},
    {"WidthAndChamferTakeNoPart", uyf, "A=-3 B=25 C=16 D=12 E=20 F=32 G=1e300", kPlainShown},
    {"ChamferMustStillConvert", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 G=x", "", "G"},
    // A groove larger than the rectangular leg's section is accepted and shown as it comes out.
    {"GrooveBeyondTheSectionsIsAccepted", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 X=20 Y=30 Z=10",
     "-1.42450 0.03858 52.59721mm -36.92328mm2 -1942.06121mm3"},
    {"BackWithoutThicknessFailsBeforeAnyLabel", uyf, "A=50 B=25 C=16 D=12 E=20 F=20", "", "/0"},
    {"RectangularLegWithoutWidthFails", uyf, "A=50 B=25 C=16 D=0 E=20 F=32", "", "/0"},
    {"ZeroFieldsNeedNoEntry", uyf, "A=50 B=25 C=16 D=12 E=20", "", "F"},
    {"FieldsConvertFromAToZ", uyf, "A=50 B=25 C=16 D=12 E=20 F=32 Gd=? Z=?", "", "Gd"},
};

FERRICALC_CORE_EXAMPLES(Uyf, kUyfCases);

TEST(UyfRoundLeg, SectionFollowsTheFlatsDepth)
{
    constexpr double kDisc = std::numbers::pi * 64.0;
    struct Row {
        double flatDepth;
        double section;
    };
    const Row rows[] = {
        {0.0, kDisc},
        {2.0, 186.555954},
        {8.0, kDisc / 2.0},
        {16.0, 0.0},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(uyf::roundLegSection(16, row.flatDepth).value(), row.section, 1e-6) << "H = " << row.flatDepth;
    EXPECT_EQ(uyf::roundLegSection(16, 16).value(), 0.0);
}

TEST(UyfRoundLeg, FlatsAtHAndAtCMinusHShareTheDisc)
{
    for (const double h : {0.5, 2.0, 5.0, 7.9})
        EXPECT_NEAR((uyf::roundLegSection(16, h) + uyf::roundLegSection(16, 16 - h)).value(), std::numbers::pi * 64.0, 1e-9)
            << "H = " << h;
}

TEST(UyfGeometry, CornerLengthsAreEqualWhateverTheRectangularLegsWidth)
{
    for (const double width : {1.0, 12.0, 40.0}) {
        const auto path = uyf::path({50, 25, 16, width, 20, 32, 0, 1, 2, 3, 5, 2});
        EXPECT_EQ(path[3].length, path[4].length) << "D = " << width;
    }
}

}  // namespace
}  // namespace ferricalc::testing_support
