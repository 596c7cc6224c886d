#include "cores/ui.hpp"

#include "cores/u_family_segments.hpp"

namespace ferricalc::ui {

using namespace ufamily;

std::array<PathSegment, 8> path(const Dimensions& d)
{
    const auto& [A, B, C, D, E, F, G, P] = d;
    const Real backThickness = F - E;

    const PathSegment upperLimb{E, P * D};
    const PathSegment back{B, backThickness * D};
    const PathSegment lowerLimb{E, C * D};
    const PathSegment bar{B, G * D};
    // Four corners of their own: the U's two at the back, the two where the
    // limbs meet the bar.
    const PathSegment backToUpper{cornerLength(backThickness + P), meanSection(upperLimb, back)};
    const PathSegment backToLower{cornerLength(backThickness + C), meanSection(back, lowerLimb)};
    const PathSegment barToUpper{cornerLength(G + P), meanSection(upperLimb, bar)};
    const PathSegment barToLower{cornerLength(G + C), meanSection(bar, lowerLimb)};
    return {upperLimb, back, lowerLimb, bar, backToUpper, backToLower, barToUpper, barToLower};
}

CoreConstants constants(const Dimensions& d)
{
    return constantsOfPath(d, path);
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F, G, P] = d;
        const Real upperLimb = P * D;
        const Real lowerLimb = C * D;
        shape.amin = smallestSection({upperLimb, (F - E) * D, lowerLimb, G * D}).value();
        // One U: the window is B between the limbs by the limbs' length E.
        setWindow(shape, B, E);
        shape.post = rectangleFace(P, D, upperLimb);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        shape.outerLegs[0] = rectangleFace(C, D, lowerLimb);
        shape.outerLegCount = 1;
        shape.legHeight = E.value();
        shape.opposite = GapOpposite::Plate;
    });
}

namespace {

constexpr int kLeftCaption = 4320;
constexpr int kLeftField = 4800;
constexpr int kRightCaption = 6000;
constexpr int kRightField = 6480;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两柱外侧总高，即 I 片长度（不参与计算）", kLeftCaption, kLeftField, 360},
    {2, 2, " B:", "B", "窗口高度（两柱内侧间距）", kLeftCaption, kLeftField, 960},
    {3, 3, " C:", "C", "下柱厚度", kLeftCaption, kLeftField, 1560},
    {4, 8, " D:", "D", "磁芯厚度（深度）", kLeftCaption, kLeftField, 2160},
    {5, 9, " E:", "E", "柱长（背内侧至端面）", kRightCaption, kRightField, 360},
    {6, 15, " F:", "F", "U 片总长（背外侧至端面）", kRightCaption, kRightField, 960},
    {7, 16, " G:", "G", "I 片厚度", kRightCaption, kRightField, 1560},
    {8, 10, " P:", "P", "上柱厚度", kRightCaption, kRightField, 2160},
};

// G is converted before F.
constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 6, 5, 7};

// The limbs lie within the U's overall length (A, which the path does not use,
// is not held against the others).
constexpr Nesting kNestings[] = {nesting(kFields, "E", "F")};

CoreConstants fromFields(std::span<const double> v)
{
    return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
}

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "ui",
    .optionCaption = "UI型",
    .form = "Form13",
    .caption = "UI",
    .clientWidth = 7620,
    .clientHeight = 6915,
    .background = Background::SystemWindow,
    .drawing = {":/drawings/ui.svg", {120, 120, 4215, 3255}, 281, 217},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = resultRows(3600, 4320),
    .note = {},
    .calculateButton = {1200, 4920, kCalculateWidth, kButtonHeight},
    .returnButton = {4320, 4920, kReturnWidth, kButtonHeight},
    .messageLine = {360, 5640, 7020, 780},
    .catalog = {{4440, 2625, 900, 255}, {5400, 2580, 2175, kComboBoxHeight}, {4800, 3000, 2760, 1200}},
    .designButton = {2865, 4920, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
    .gappedLeg = "绕线柱",
};

}  // namespace ferricalc::ui
