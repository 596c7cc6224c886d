#include "cores/uy.hpp"

#include "cores/u_family_segments.hpp"

namespace ferricalc::uy {

using namespace ufamily;

namespace {

// A groove of radius r takes a half disc, r·r·π/2, out of its section.
Real halfDisc(Real r) { return ((r * r) * kPi) / 2.0; }

Real roundLimbSection(Real diameter, Real grooveRadius)
{
    return (((diameter / 2.0) * (diameter / 2.0)) * kPi) - halfDisc(grooveRadius);
}

}  // namespace

std::array<PathSegment, 5> path(const Dimensions& d)
{
    const auto& [A, B, C, E, F, r1, r2, r3Entered] = d;
    // The back's groove radius has always been kept as a single-precision number.
    const Real r3 = toSingle(r3Entered);

    const PathSegment upperLimbs{2.0 * E, roundLimbSection(C, r1)};
    const PathSegment backs{2.0 * B, ((F - E) * C) - halfDisc(r3)};
    const PathSegment lowerLimbs{2.0 * E, roundLimbSection(C, r2)};
    // Both corners join a limb of diameter C to the back of thickness F − E;
    // here π/4 is formed before it multiplies the widths.
    const Real cornerPair = (kPi / 4.0) * (C + (F - E));
    const PathSegment upperCorners{cornerPair, meanSection(upperLimbs, backs)};
    const PathSegment lowerCorners{cornerPair, meanSection(backs, lowerLimbs)};
    return {upperLimbs, backs, lowerLimbs, upperCorners, lowerCorners};
}

CoreConstants constants(const Dimensions& d)
{
    return constantsOfPath(d, path);
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, E, F, r1, r2, r3] = d;
        // The same parts as the path: each part's section is its path segment's.
        const auto [upperLimbs, backs, lowerLimbs, upperCorners, lowerCorners] = path(d);
        shape.amin = smallestSection({upperLimbs.section, backs.section, lowerLimbs.section}).value();
        setWindow(shape, B, 2.0 * E);
        shape.post = roundFace(C, upperLimbs.section);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        shape.outerLegs[0] = roundFace(C, lowerLimbs.section);
        shape.outerLegCount = 1;
        shape.legHeight = E.value();
    });
}

namespace {

constexpr int kLeftCaption = 3960;
constexpr int kLeftField = 4560;
constexpr int kRightCaption = 5760;
constexpr int kRightField = 6360;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两柱外侧总高（不参与计算）", kLeftCaption, kLeftField, 240},
    {2, 2, " B:", "B", "窗口高度（两柱内侧间距）", kLeftCaption, kLeftField, 840},
    {3, 3, " C:", "C", "圆柱直径（背部深度与之相同）", kLeftCaption, kLeftField, 1440},
    {4, 8, " E:", "E", "柱长（背内侧至端面）", kLeftCaption, kLeftField, 2040},
    {5, 9, " F:", "F", "总长（背外侧至端面）", kLeftCaption, kLeftField, 2520},
    {7, 15, "r1:", "r1", "上柱外侧半圆槽半径", kRightCaption, kRightField, 240, StartText::Zero},
    {8, 16, "r2:", "r2", "下柱外侧半圆槽半径", kRightCaption, kRightField, 840, StartText::Zero},
    {9, 19, "r3:", "r3", "背部截面半圆槽半径", kRightCaption, kRightField, 1440, StartText::Zero},
};

// r3 is converted before r1 and r2.
constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 7, 5, 6};

// The limbs lie within the overall length (A, which the path does not use, is
// not held against the others).
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
    .name = "uy",
    .optionCaption = "UY型",
    .form = "Form4",
    .caption = "UY",
    .clientWidth = 7950,
    .clientHeight = 7095,
    .background = Background::White,
    .drawing = {":/drawings/uy.svg", {0, 0, 3855, 3255}, 257, 217},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = resultRows(4080, 4800),
    .note = {10, "    r1,r2,r3 为半径", {0, 3240, 3855, 375}},
    .calculateButton = {1200, 5400, kCalculateWidth, kButtonHeight},
    .returnButton = {4320, 5400, kReturnWidth, kButtonHeight},
    .messageLine = {360, 6120, 7320, 780},
    .catalog = {{3960, 3045, 900, 255}, {4920, 3000, 2535, kComboBoxHeight}, {3960, 3420, 3870, 600}},
    .designButton = {2865, 5400, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
    .gappedLeg = "绕线柱",
};

}  // namespace ferricalc::uy
