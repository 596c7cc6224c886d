#include "cores/ep.hpp"

#include "cores/pot_family_segments.hpp"

namespace ferricalc::ep {

using potfamily::PathShares;
using potfamily::shares;

CoreConstants constants(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const auto& [A, B, C, D, E, F, G] = d;
        const Real pairWindingHeight = 2.0 * E;
        const Real pairHeight = 2.0 * F;
        const Real plate = F - E;  // back plate thickness of one half
        // The winding space is a half disc of diameter B plus a channel of width B
        // from the post's axis to an open side taken at C/2. Seen from the axis, that
        // side takes up 2θ; the plate's flux and the outer wall span 2·(π − θ).
        const Real openHalfAngle = atan(B / C);
        const Real spanned = kPi - openHalfAngle;
        const Real outlineLessHalfDisc = (A * D) - ((kPi * (B * B)) / 8.0);
        const Real wallSection = outlineLessHalfDisc - ((B * C) / 2.0);
        // The radius that the outer corner's arc takes as the middle of the wall.
        const Real wallMiddle =
            sqrt(((((spanned * (B * B)) + (2.0 * outlineLessHalfDisc)) - ((B * C) / 2.0)) / (4.0 * spanned)));
        const Real wallOffset = wallMiddle - (B / 2.0);
        // The plate's radial flux, from C out to B, as one equivalent section.
        const Real plateHeights = pairHeight - pairWindingHeight;  // both plates of the pair, 2·h
        const Real plateSection = (((B - C) * plateHeights) * spanned) / (ln(B / C) + ln(B / C));

        const PathShares wall = shares({pairWindingHeight, wallSection});
        const PathShares backPlate = shares({B - C, plateSection});
        const PathShares post{
            (4.0 * pairWindingHeight) / (kPi * (C * C)),
            (16.0 * pairWindingHeight) / (((kPi * (C * C)) * kPi) * (C * C)),
        };
        // Each corner's section is the mean of the sections it joins: the wall with
        // the part of the cylinder of diameter B that it spans, the post with the
        // whole cylinder of diameter C. 0.29289 (1 − 1/√2 to five places) puts the
        // centre corner's arc through the circle that halves the post's section.
        const PathShares outerCorner = shares({
            (kPi * (wallOffset + (plateHeights / 4.0))) / 2.0,
            (wallSection + ((spanned * B) * plate)) / 2.0,
        });
        const PathShares centreCorner = shares({
            (kPi * (((0.29289 * C) / 2.0) + (plateHeights / 4.0))) / 2.0,
            (kPi * (((C * C) / 4.0) + ((C * plateHeights) / 2.0))) / 2.0,
        });

        potfamily::showSums({wall, backPlate, post, outerCorner, centreCorner}, shown);
    });
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F, G] = d;
        const Real post = (kPi * (C * C)) / 4.0;
        // The block less the winding space: a half disc of diameter B and a
        // channel B wide from the post's axis to the open side, taken at C/2.
        const Real wall = (((A * D) - ((kPi * (B * B)) / 8.0))) - ((B * C) / 2.0);
        // The back plate is whole round the post, where its section is least.
        shape.amin = smallestSection({post, wall, (kPi * C) * (F - E)}).value();
        setWindow(shape, (B - C) / 2.0, 2.0 * E);
        shape.post = roundFace(C, post);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        // The wall is one face round the winding space: as long as the space's
        // outline (the half circle and both sides of the channel), as wide as its
        // section over that length.
        const Real wallLength = ((kPi * B) / 2.0) + C;
        shape.outerLegs[0] = rectangleFace(wall / wallLength, wallLength, wall);
        shape.outerLegCount = 1;
        shape.legHeight = E.value();
    });
}

namespace {

constexpr int kLeftCaption = 3960;
constexpr int kLeftField = 4440;
constexpr int kRightCaption = 5640;
constexpr int kRightField = 6120;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "总宽（跨绕线空间）", kLeftCaption, kLeftField, 480},
    {2, 2, " B:", "B", "绕线空间宽度", kLeftCaption, kLeftField, 1080},
    {3, 3, " C:", "C", "中心柱直径", kLeftCaption, kLeftField, 1680},
    {4, 8, " D:", "D", "总深度（开口侧至对侧）", kLeftCaption, kLeftField, 2280},
    {5, 9, " E:", "E", "单半绕线空间深度", kRightCaption, kRightField, 480},
    {6, 15, " F:", "F", "单半高度", kRightCaption, kRightField, 1080},
    {7, 16, " G:", "G", "开口侧至中心柱轴线距离（不参与计算）", kRightCaption, kRightField, 1680},
};

constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5, 6};

// The winding space lies inside the outline, the post inside the winding space
// and the depth; the winding space within the half's height.
constexpr Nesting kNestings[] = {
    nesting(kFields, "B", "A"),
    nesting(kFields, "C", "B"),
    nesting(kFields, "C", "D"),
    nesting(kFields, "E", "F"),
};

CoreConstants fromFields(std::span<const double> v) { return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6]}); }

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5], v[6]});
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "ep",
    .optionCaption = "EP型",
    .form = "Form10",
    .caption = "EP",
    .clientWidth = 7620,
    .clientHeight = 6930,
    .background = Background::White,
    .drawing = {":/drawings/ep.svg", {0, 0, 3975, 3375}, 266, 219},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {4, 240, 495, 5, 840, 1095, 3720, kPlain5},
        {6, 2520, 615, 7, 3240, 1095, 3720, kPlain5},
        {14, 240, 495, 13, 840, 1095, 4440, kLength5},
        {12, 2520, 615, 11, 3240, 1215, 4440, kArea5},
        {18, 5400, 495, 17, 6000, 1215, 4440, kVolume5},
    }},
    .note = {},
    .calculateButton = {1080, 5040, kCalculateWidth, kButtonHeight},
    .returnButton = {4200, 5040, kReturnWidth, kButtonHeight},
    .messageLine = {240, 5760, 7140, 780},
    .catalog = {{4080, 2805, 900, 255}, {5040, 2760, 2175, kComboBoxHeight}, {4440, 3180, 3060, 1080}},
    .designButton = {2745, 5040, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
};

}  // namespace ferricalc::ep
