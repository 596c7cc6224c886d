#include "cores/uf.hpp"

#include "cores/u_family_segments.hpp"

namespace ferricalc::uf {

using namespace ufamily;

std::array<PathSegment, 5> path(const Dimensions& d)
{
    const auto& [A, B, C, D, E, F, P] = d;
    const PathSegment upperLimbs{2.0 * E, P * D};
    const PathSegment backs{2.0 * B, (F - E) * D};
    const PathSegment lowerLimbs{2.0 * E, C * D};
    // Each corner joins a limb to the back, whose thickness is F − E.
    const PathSegment upperCorners{cornerPairLength((P + F) - E), meanSection(upperLimbs, backs)};
    const PathSegment lowerCorners{cornerPairLength((C + F) - E), meanSection(backs, lowerLimbs)};
    return {upperLimbs, backs, lowerLimbs, upperCorners, lowerCorners};
}

CoreConstants constants(const Dimensions& d)
{
    return constantsOfPath(d, path);
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F, P] = d;
        const Real upperLimb = P * D;
        const Real lowerLimb = C * D;
        shape.amin = smallestSection({upperLimb, (F - E) * D, lowerLimb}).value();
        // The window lies between the limbs, along both halves' limbs.
        setWindow(shape, B, 2.0 * E);
        shape.post = rectangleFace(P, D, upperLimb);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        shape.outerLegs[0] = rectangleFace(C, D, lowerLimb);
        shape.outerLegCount = 1;
        shape.legHeight = E.value();
    });
}

namespace {

constexpr int kLeftCaption = 3960;
constexpr int kLeftField = 4560;
constexpr int kRightCaption = 5880;
constexpr int kRightField = 6480;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两柱外侧总高（不参与计算）", kLeftCaption, kLeftField, 240},
    {2, 2, " B:", "B", "窗口高度（两柱内侧间距）", kLeftCaption, kLeftField, 840},
    {3, 3, " C:", "C", "下柱厚度", kLeftCaption, kLeftField, 1440},
    {4, 8, " D:", "D", "磁芯厚度（深度）", kLeftCaption, kLeftField, 2040},
    {5, 9, " E:", "E", "柱长（背内侧至端面）", kRightCaption, kRightField, 240},
    {7, 15, " F:", "F", "总长（背外侧至端面）", kRightCaption, kRightField, 840},
    {8, 16, " P:", "P", "上柱厚度", kRightCaption, kRightField, 1440},
};

constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5, 6};

// The limbs lie within the overall length (A, which the path does not use, is
// not held against the others).
constexpr Nesting kNestings[] = {nesting(kFields, "E", "F")};

CoreConstants fromFields(std::span<const double> v) { return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6]}); }

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5], v[6]});
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "uf",
    .optionCaption = "UF型",
    .form = "Form3",
    .caption = "UF",
    .clientWidth = 7770,
    .clientHeight = 7725,
    .background = Background::White,
    .drawing = {":/drawings/uf.svg", {0, 0, 3855, 3255}, 257, 217},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = resultRows(4080, 4800),
    .note = {},
    .calculateButton = {1200, 5400, kCalculateWidth, kButtonHeight},
    .returnButton = {4320, 5400, kReturnWidth, kButtonHeight},
    .messageLine = {360, 6120, 7200, 780},
    .catalog = {{3960, 2745, 900, 255}, {4920, 2700, 2655, kComboBoxHeight}, {3960, 3180, 3690, 720}},
    .designButton = {2865, 5400, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
    .gappedLeg = "绕线柱",
};

}  // namespace ferricalc::uf
