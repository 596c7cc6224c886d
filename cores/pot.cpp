#include "cores/pot.hpp"

#include <array>

#include "cores/pot_family_segments.hpp"

namespace ferricalc::pot {

using potfamily::c1Share;
using potfamily::c2Share;
using potfamily::sumInOrder;

namespace {

// The angle that the wall and the outer back ring span, the two slots left out.
Real unslottedAngle(const Dimensions& d)
{
    // Half the angle that one slot of width G takes up on the mean diameter (arcsin x).
    const Real x = (2.0 * d.G) / (d.A + d.B);
    const Real slotAngle = atan(x / sqrt(1.0 - (x * x)));
    return kPi - (2.0 * slotAngle);
}

}  // namespace

CoreConstants constants(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const auto& [A, B, C, D, E, F, G, H] = d;
        const Real plate = F - E;  // back plate thickness of one half
        const Real pairWindingHeight = 2.0 * E;
        // From the wall's inner face, and from the post's surface, to the circle
        // that halves the wall's (the post's) section: where the corner arcs run.
        const Real wallOffset = sqrt(((A * A) + (B * B)) / 8.0) - (B / 2.0);
        const Real postOffset = (C / 2.0) - sqrt(((C * C) + (D * D)) / 8.0);
        const Real unslotted = unslottedAngle(d);

        const PathSegment wall{pairWindingHeight, (unslotted * ((A * A) - (B * B))) / 4.0};
        const PathSegment post{pairWindingHeight, (kPi * ((C * C) - (D * D))) / 4.0};
        // Each corner's section is the mean of the two sections it joins: the post
        // (or the slotted wall) and the cylinder of height h at its diameter.
        const PathSegment postCorner{(kPi * ((2.0 * postOffset) + plate)) / 4.0,
                                     (kPi * (((C * C) - (D * D)) + ((4.0 * C) * plate))) / 8.0};
        const PathSegment wallCorner{(kPi * ((2.0 * wallOffset) + plate)) / 4.0,
                                     ((unslotted * ((A * A) - (B * B))) / 8.0) + (((kPi * B) * plate) / 2.0)};
        // The back plate's two rings carry the flux radially over the plate's
        // thickness: whole from C to H, slotted from H to B (their signs alone
        // are noted, in plain arithmetic).
        const PathSegment wholeRing{H.value() - C.value(), kPi * plate.value()};
        const PathSegment slottedRing{B.value() - H.value(), unslotted.value() * plate.value()};
        notePathParts(shown, std::array{wall, post, postCorner, wallCorner, wholeRing, slottedRing});

        // The back plate carries radial flux: whole from C out to H, slotted from H
        // out to B. Its two rings enter as direct shares of C1 and C2.
        shown.c1 = sumInOrder({
                                  c1Share(wall),
                                  ln(H / C) / (kPi * plate),
                                  c1Share(post),
                                  c1Share(postCorner),
                                  c1Share(wallCorner),
                                  ln(B / H) / (unslotted * plate),
                              })
                       .value();

        constexpr double kPiSquared = kPi * kPi;
        shown.c2 = sumInOrder({
                                  c2Share(wall),
                                  (H - C) / (((kPiSquared * H) * C) * (plate * plate)),
                                  c2Share(post),
                                  c2Share(postCorner),
                                  c2Share(wallCorner),
                                  (B - H) / (((H * B) * (unslotted * unslotted)) * (plate * plate)),
                              })
                       .value();
    });
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F, G, H] = d;
        const Real plate = F - E;
        const Real unslotted = unslottedAngle(d);
        const Real post = (kPi * ((C * C) - (D * D))) / 4.0;
        const Real wall = (unslotted * ((A * A) - (B * B))) / 4.0;
        // The plate carries the flux radially: its section is narrowest round the
        // post, where it is whole, or where the slots begin, at diameter H.
        shape.amin = smallestSection({post, wall, (kPi * C) * plate, (unslotted * H) * plate}).value();
        setWindow(shape, (B - C) / 2.0, 2.0 * E);
        shape.post = roundFace(C, post);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        // The slots cut the wall in two; each half as a rectangle of the wall's
        // thickness by its arc on the mean diameter.
        const Real wallThickness = (A - B) / 2.0;
        const Real halfWall = wall / 2.0;
        const GapFace wallHalf = rectangleFace(wallThickness, halfWall / wallThickness, halfWall);
        shape.outerLegs = {wallHalf, wallHalf};
        shape.outerLegCount = 2;
        shape.legHeight = E.value();
    });
}

namespace {

constexpr int kLeftCaption = 3600;
constexpr int kLeftField = 4080;
constexpr int kRightCaption = 5640;
constexpr int kRightField = 6120;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "外径", kLeftCaption, kLeftField, 600},
    {2, 2, " B:", "B", "外壁内径", kLeftCaption, kLeftField, 1200},
    {3, 3, " C:", "C", "中心柱直径", kLeftCaption, kLeftField, 1800},
    {4, 8, " D:", "D", "中心孔直径（无孔为 0）", kLeftCaption, kLeftField, 2400},
    {5, 9, " E:", "E", "单半绕线空间深度", kRightCaption, kRightField, 600},
    {6, 15, " F:", "F", "单半高度", kRightCaption, kRightField, 1200},
    {7, 16, " G:", "G", "槽口宽度", kRightCaption, kRightField, 1800},
    {8, 19, " H:", "H", "槽端直径", kRightCaption, kRightField, 2400},
};

constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5, 6, 7};

// Wall inside the outline, post inside the wall, hole inside the post, winding
// space within the half's height; the slots end between the post and the wall.
constexpr Nesting kNestings[] = {
    nesting(kFields, "B", "A"),
    nesting(kFields, "C", "B"),
    nesting(kFields, "D", "C"),
    nesting(kFields, "E", "F"),
    nesting(kFields, "C", "H"),
    nesting(kFields, "H", "B"),
};

CoreConstants fromFields(std::span<const double> v)
{
    return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
}

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
}

}  // namespace

// Every result of this window shows six decimals and no unit.
constinit const CoreDescriptor descriptor{
    .name = "pot",
    .optionCaption = "罐型",
    .form = "Form9",
    .caption = "GU",
    .clientWidth = 7380,
    .clientHeight = 6885,
    .background = Background::White,
    .drawing = {":/drawings/pot.svg", {0, 0, 3495, 3255}, 236, 217},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {4, 120, 495, 5, 720, 1215, 3720, kPlain6},
        {6, 2400, 615, 7, 3120, 1215, 3720, kPlain6},
        {14, 120, 495, 13, 720, 1215, 4440, kPlain6},
        {12, 2400, 615, 11, 3120, 1215, 4440, kPlain6},
        {18, 5280, 495, 17, 5880, 1335, 4440, kPlain6},
    }},
    .note = {},
    .calculateButton = {960, 5040, kCalculateWidth, kButtonHeight},
    .returnButton = {4080, 5040, kReturnWidth, kButtonHeight},
    .messageLine = {120, 5760, 7140, 780},
    .catalog = {{3600, 2925, 900, 255}, {4560, 2880, 2655, kComboBoxHeight}, {4440, 3300, 2820, 1080}},
    .designButton = {2625, 5040, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
};

}  // namespace ferricalc::pot
