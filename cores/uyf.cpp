#include "cores/uyf.hpp"

#include "cores/u_family_segments.hpp"

namespace ferricalc::uyf {

using namespace ufamily;

Real roundLegSection(Real diameter, Real flatDepth)
{
    const Real radius = diameter / 2.0;
    // Signed distance of the flat from the leg's axis: negative once the flat
    // has cut past the axis.
    const Real flatToAxis = radius - flatDepth;
    const Real halfFlat = sqrt((radius * radius) - (flatToAxis * flatToAxis));
    // Half the angle of the arc that remains, in radians: π for the whole
    // circle, π/2 with the flat through the axis, 0 when nothing is left.
    const Real halfArc = atan2(halfFlat, -flatToAxis);
    // The sector of the remaining arc, r²·ψ, and the triangle from the axis to
    // the ends of the flat, s·d, which the sector lacks (or, past the axis,
    // overcounts, where d is negative).
    return ((radius * radius) * halfArc) + (halfFlat * flatToAxis);
}

std::array<PathSegment, 5> path(const Dimensions& d)
{
    const auto& [A, B, C, D, E, F, G, Gd, H, X, Y, Z] = d;
    const Real groove = ((X + Y) * Z) / 2.0;

    const PathSegment roundLegs{2.0 * E, roundLegSection(C, H)};
    // The groove runs under the back and up the rectangular leg; the radii at
    // the back's edges are taken off the back as Gd·Gd.
    const PathSegment backs{2.0 * B, (((F - E) * C) - groove) - (Gd * Gd)};
    const PathSegment rectangularLegs{2.0 * E, (D * C) - groove};
    // Both corners are reckoned with the round leg's diameter and the back's
    // thickness F − E.
    const Real cornerPair = cornerPairLength((C + F) - E);
    const PathSegment roundLegCorners{cornerPair, meanSection(roundLegs, backs)};
    const PathSegment rectangularLegCorners{cornerPair, meanSection(backs, rectangularLegs)};
    return {roundLegs, backs, rectangularLegs, roundLegCorners, rectangularLegCorners};
}

CoreConstants constants(const Dimensions& d)
{
    return constantsOfPath(d, path);
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F, G, Gd, H, X, Y, Z] = d;
        const auto [roundLegs, backs, rectangularLegs, roundLegCorners, rectangularLegCorners] = path(d);
        shape.amin = smallestSection({roundLegs.section, backs.section, rectangularLegs.section}).value();
        setWindow(shape, B, 2.0 * E);
        // The round leg carries the winding; the rectangular leg is D wide across
        // the window and C deep, its groove taken off.
        shape.post = roundFace(C, roundLegs.section);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        shape.outerLegs[0] = rectangleFace(D, C, rectangularLegs.section);
        shape.outerLegCount = 1;
        shape.legHeight = E.value();
    });
}

namespace {

constexpr int kLeftCaption = 4680;
constexpr int kLeftField = 5160;
constexpr int kRightCaption = 6360;
constexpr int kRightField = 6840;
constexpr StartText kZero = StartText::Zero;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两柱外侧总宽（不参与计算）", kLeftCaption, kLeftField, 240},
    {2, 2, " B:", "B", "窗口宽度（两柱内侧间距）", kLeftCaption, kLeftField, 840},
    {3, 3, " C:", "C", "圆柱直径（亦为磁芯厚度）", kLeftCaption, kLeftField, 1440},
    {4, 8, " D:", "D", "方柱宽度", kLeftCaption, kLeftField, 2040},
    {5, 9, " E:", "E", "柱长（背内侧至端面）", kLeftCaption, kLeftField, 2520},
    {6, 15, " F:", "F", "总高（背外侧至端面）", kLeftCaption, kLeftField, 3120},
    {7, 16, " G:", "G", "方柱棱边倒角（不参与计算）", kRightCaption, kRightField, 240, kZero},
    {8, 19, "Gd:", "Gd", "背部底边倒圆半径", kRightCaption, kRightField, 840, kZero},
    {9, 6, " H:", "H", "圆柱削平深度", kRightCaption, kRightField, 1320, kZero},
    {10, 5, " X:", "X", "槽底宽度", kRightCaption, kRightField, 1920, kZero},
    {11, 4, " Y:", "Y", "槽口宽度", kRightCaption, kRightField, 2520, kZero},
    {12, 7, " Z:", "Z", "槽深", kRightCaption, kRightField, 3120, kZero},
};

constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// The legs lie within the overall height and the flat is cut into the round leg
// (A, which the path does not use, is not held against the others).
constexpr Nesting kNestings[] = {nesting(kFields, "E", "F"), nesting(kFields, "H", "C")};

CoreConstants fromFields(std::span<const double> v)
{
    return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]});
}

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]});
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "uyf",
    .optionCaption = "UYF型",
    .form = "Form5",
    .caption = "UYF",
    .clientWidth = 8145,
    .clientHeight = 7005,
    .background = Background::White,
    // The picture box reaches 120 twips beyond the top and left edges, which hide
    // that margin of the drawing.
    .drawing = {":/drawings/uyf.svg", {-120, -120, 4695, 3855}, 313, 257},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {22, 120, 495, 21, 720, 1095, 4440, kPlain5},
        {20, 2400, 615, 10, 3240, 1215, 4440, kPlain5},
        {14, 120, 495, 13, 720, 1095, 5160, kLength5},
        {12, 2400, 615, 11, 3240, 1215, 5160, kArea5},
        {18, 4920, 495, 17, 5520, 1095, 5160, kVolume5},
    }},
    .note = {23, "    Gd 为半径", {0, 3840, 3855, 375}},
    .calculateButton = {960, 5760, kCalculateWidth, kButtonHeight},
    .returnButton = {4080, 5760, kReturnWidth, kButtonHeight},
    .messageLine = {120, 6375, 7905, 600},
    .catalog = {{4680, 3585, 900, 255}, {5640, 3540, 2295, kComboBoxHeight}, {4680, 3960, 3345, 720}},
    .designButton = {2625, 5760, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
    .gappedLeg = "绕线柱",
};

}  // namespace ferricalc::uyf
