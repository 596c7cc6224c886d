#include "cores/rm.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cores/pot_family_segments.hpp"

namespace ferricalc::rm {

using potfamily::PathShares;
using potfamily::shares;

namespace {

constexpr double kSqrt2 = 1.41421356;

// Angles of this core are held in degrees; they become radians only inside tan and cos.
Real tanDegrees(Real degrees) { return tan((degrees * kPi) / 180.0); }
Real cosDegrees(Real degrees) { return cos((degrees * kPi) / 180.0); }

struct Legs {
    Real arc;      // degrees that one leg's arc spans within a quarter circle
    Real section;  // both legs together, mm²
};

Legs legs(const Dimensions& d)
{
    const auto& [A, B, C, E, F, G, H, I] = d;
    const Real chamfer = (kSqrt2 * A) - G;
    // Half the angle that an open side takes up on the winding-space circle (arcsin I/B),
    // and the angle in degrees that one leg's arc spans within a quarter circle.
    const Real openHalfAngle = atan(I / sqrt((B * B) - (I * I)));
    const Real legArc = 90.0 - ((openHalfAngle * 180.0) / kPi);
    const Real legsSection = ((((A * A) * (abs(tanDegrees(legArc - 45.0)) + 1.0)) / 2.0)
                              - (((legArc * kPi) * (B * B)) / 360.0))
                             - ((chamfer * chamfer) / 2.0);
    return {legArc, legsSection};
}

}  // namespace

namespace {

// The five parts of the window's path; the back plate is the one the design's
// closer model replaces.
struct WindowParts {
    PathShares legs;
    PathShares backPlate;
    PathShares post;
    PathShares outerCorner;
    PathShares centreCorner;
};

WindowParts windowParts(const Dimensions& d)
{
    const auto& [A, B, C, E, F, G, H, I] = d;
    const Real pairWindingHeight = E + E;
    const Real plate = F - (pairWindingHeight / 2.0);  // back plate thickness of one half
    const auto [legArc, legsSection] = legs(d);

    // The flux leaving the post towards the middle of an open side must reach
    // round to a leg's end: the path through the plate grows from r to the mean of p and r.
    const Real legEndReach = sqrt((((B * B) + (C * C)) / 4.0) - (((B * C) * cosDegrees(90.0 - legArc)) / 2.0));
    const Real gap = (B - C) / 2.0;
    const Real lengthening = (legEndReach + gap) / (2.0 * gap);
    // How wide the plate's radial path is against a whole ring (1 when there is no opening).
    const Real quarterUnderLegs =
        (((((legArc * kPi) * (B * B)) / 360.0) + ((I * I) * abs(tanDegrees(legArc)))) - ((kPi * (C * C)) / 4.0))
        / 4.0;
    const Real quarterRing = ((90.0 * kPi) * ((B * B) - (C * C))) / 1440.0;
    const Real widthFactor = quarterUnderLegs / quarterRing;

    WindowParts parts{};
    parts.legs = shares({pairWindingHeight, legsSection});
    // The back plate carries radial flux from the post out to the legs.
    parts.backPlate = {
        (ln(B / C) * lengthening) / ((widthFactor * kPi) * plate),
        (((1.0 / C) - (1.0 / B)) * lengthening) / (((((widthFactor * widthFactor) * kPi) * kPi) * plate) * plate),
    };
    parts.post = shares({pairWindingHeight, (kPi * (C * C)) / 4.0});
    // The outer corner's section is the mean of the legs and the part of the
    // cylinder of diameter B under the legs' arcs; the centre corner's the mean
    // of the post and the whole cylinder of diameter C.
    parts.outerCorner = shares({
        (kPi * ((plate + (A / 2.0)) - (B / 2.0))) / 4.0,
        (legsSection + ((((legArc * kPi) * B) * plate) / 90.0)) / 2.0,
    });
    parts.centreCorner = shares({
        (kPi * ((C + plate) - sqrt((C * C) / 2.0))) / 4.0,
        (((kPi * (C * C)) / 4.0) + ((kPi * C) * plate)) / 2.0,
    });
    return parts;
}

}  // namespace

CoreConstants constants(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const WindowParts p = windowParts(d);
        potfamily::showSums({p.legs, p.backPlate, p.post, p.outerCorner, p.centreCorner}, shown);
    });
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, E, F, G, H, I] = d;
        const auto [legArc, legsSection] = legs(d);
        const Real post = (kPi * (C * C)) / 4.0;
        // The back plate is whole round the post, where its section is least.
        shape.amin = smallestSection({post, legsSection, (kPi * C) * (F - E)}).value();
        setWindow(shape, (B - C) / 2.0, 2.0 * E);
        shape.post = roundFace(C, post);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        // Each leg as a rectangle as long as its arc of the winding space
        // (2·legArc degrees), as wide as its section over that length.
        const Real legLength = ((B * legArc) * kPi) / 180.0;
        const Real legSection = legsSection / 2.0;
        const GapFace leg = rectangleFace(legSection / legLength, legLength, legSection);
        shape.outerLegs = {leg, leg};
        shape.outerLegCount = 2;
        shape.legHeight = E.value();
    });
}

// ---- The design's closer path: the back plate by its radial flux across H ----

namespace {

// ∫ f(φ) dφ from `from` to `to` by Simpson's rule; the integrands below are
// smooth over the whole range.
template <typename Integrand>
double simpson(double from, double to, Integrand f)
{
    constexpr int kIntervals = 64;
    const double step = (to - from) / kIntervals;
    double sum = f(from) + f(to);
    for (int i = 1; i < kIntervals; ++i)
        sum += (i % 2 == 1 ? 4.0 : 2.0) * f(from + i * step);
    return sum * step / 3.0;
}

}  // namespace

CoreConstants radialBackPlate(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const auto& [A, B, C, E, F, G, H, I] = d;
        constexpr double kFullPi = std::numbers::pi;
        const Real thickness = F - E;
        const Real postRadius = C / 2.0;
        // The flux turns into a leg across the leg's whole thickness (G - B)/2
        // along its axis, not at its inner face: the radial run is carried past
        // the winding space to half-way to the leg's middle, where the window's
        // outer corner (a quarter circle from the plate's middle to the leg's)
        // takes it over.
        const Real outerRadius = (B / 2.0) + ((G - B) / 8.0);
        const Real halfWidth = H / 2.0;
        if (thickness <= 0.0 || halfWidth <= 0.0 || outerRadius <= postRadius)
            throw ArithmeticFailure{ArithmeticError::DivisionByZero};  // no plate to carry the flux
        // Out to H/2 the plate is a whole ring: 2πr·t wide.
        const Real ringEnd = halfWidth < postRadius ? postRadius : (halfWidth > outerRadius ? outerRadius : halfWidth);
        Real c1 = ln(ringEnd / postRadius) / ((2.0 * kFullPi) * thickness);
        Real c2 = ((1.0 / postRadius) - (1.0 / ringEnd)) / (((4.0 * kFullPi) * kFullPi) * (thickness * thickness));
        // Beyond it the plate's straight edges at ±H/2 leave the arcs within
        // them, w = 4r·asin(H/2r). With r = H/(2 sin φ) the shares become
        //     C1: (1/t)  ∫ cos φ / (4φ sin φ) dφ,   C2: (1/t²) ∫ cos φ / (8Hφ²) dφ
        // from φ = asin(H/2r₁) at the outer radius to asin(H/2r) where the ring ends.
        if (ringEnd < outerRadius) {
            const double h = H.value();
            const double from = std::asin(h / (2.0 * outerRadius.value()));
            const double to = std::asin(std::min(1.0, h / (2.0 * ringEnd.value())));
            c1 = c1 + Real(simpson(from, to, [](double phi) { return std::cos(phi) / (4.0 * phi * std::sin(phi)); }))
                          / thickness;
            c2 = c2 + Real(simpson(from, to, [h](double phi) { return std::cos(phi) / (8.0 * h * phi * phi); }))
                          / (thickness * thickness);
        }
        // Both halves' plates.
        shown.c1 = (2.0 * c1).value();
        shown.c2 = (2.0 * c2).value();
    });
}

CoreConstants pathConstants(const Dimensions& d)
{
    const CoreConstants plate = radialBackPlate(d);
    if (!plate.complete())
        return plate;
    return formConstants([&](CoreConstants& shown) {
        WindowParts p = windowParts(d);
        p.backPlate = {*plate.c1, *plate.c2};
        potfamily::showSums({p.legs, p.backPlate, p.post, p.outerCorner, p.centreCorner}, shown);
    });
}

namespace {

constexpr int kLeftCaption = 3960;
constexpr int kLeftField = 4440;
constexpr int kRightCaption = 5640;
constexpr int kRightField = 6240;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两倒角间距离", kLeftCaption, kLeftField, 240},
    {2, 2, " B:", "B", "绕线空间直径", kLeftCaption, kLeftField, 840},
    {3, 3, " C:", "C", "中心柱直径", kLeftCaption, kLeftField, 1440},
    {4, 8, " E:", "E", "单半绕线空间深度", kLeftCaption, kLeftField, 2040},
    {5, 9, " F:", "F", "单半高度", kLeftCaption, kLeftField, 2520},
    {6, 15, " G:", "G", "总长（跨两外柱）", kRightCaption, kRightField, 240},
    {7, 16, " H:", "H", "总宽（不参与计算）", kRightCaption, kRightField, 840},
    {8, 19, " I:", "I", "开口宽度", kRightCaption, kRightField, 1440},
};

constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5, 6, 7};

// The winding space lies inside the chamfered outline and the overall length,
// the post inside the winding space, the openings across it; the winding space
// within the half's height.
constexpr Nesting kNestings[] = {
    nesting(kFields, "B", "A"),
    nesting(kFields, "B", "G"),
    nesting(kFields, "C", "B"),
    nesting(kFields, "I", "B"),
    nesting(kFields, "E", "F"),
};

CoreConstants fromFields(std::span<const double> v)
{
    return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
}

MagneticShape magneticsFromFields(std::span<const double> v)
{
    const Dimensions d{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
    MagneticShape shape = magnetics(d);
    // The design's figures take the radial back plate where H gives one.
    if (const CoreConstants path = pathConstants(d); shape.formed() && path.complete() && !path.degeneratePart) {
        shape.pathC1 = *path.c1;
        shape.pathC2 = *path.c2;
    }
    return shape;
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "rm",
    .optionCaption = "RM型",
    .form = "Form7",
    .caption = "RM",
    .clientWidth = 7755,
    .clientHeight = 7020,
    .background = Background::White,
    .drawing = {":/drawings/rm.svg", {0, 0, 3975, 2775}, 273, 189},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {4, 240, 495, 5, 840, 1095, 3480, kPlain5},
        {6, 2520, 615, 7, 3240, 1095, 3480, kPlain5},
        {14, 240, 495, 13, 840, 1095, 4200, kLength5},
        {12, 2520, 615, 11, 3240, 1215, 4200, kArea5},
        {18, 4920, 495, 17, 5520, 1575, 4200, kVolume5},
    }},
    .note = {},
    .calculateButton = {1080, 4800, kCalculateWidth, kButtonHeight},
    .returnButton = {4200, 4800, kReturnWidth, kButtonHeight},
    .messageLine = {240, 5520, 7275, 780},
    .catalog = {{3960, 2925, 900, 255}, {4920, 2880, 2415, kComboBoxHeight}, {4440, 3300, 3195, 720}},
    .designButton = {2745, 4800, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
};

}  // namespace ferricalc::rm
