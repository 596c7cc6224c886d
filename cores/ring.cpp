#include "cores/ring.hpp"

#include <array>

namespace ferricalc::ring {

namespace {

// The section's height less what the rounded edges and the tapered faces take off.
Real effectiveHeight(const Dimensions& d)
{
    const auto& [A, B, h, r3, a, b] = d;
    // Rounding the four edges of the section removes (4 − π)·r3², here 0.8584·r3².
    const Real edgeShare = ((0.8584 * r3) * r3) / (h * (A - B));
    const Real taperShare = (h * (tan(a) + tan(b))) / (2.0 * (A - B));
    return h * ((1.0 - edgeShare) - taperShare);
}

}  // namespace

CoreConstants constants(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const auto& [A, B, h, r3, a, b] = d;
        // The path is one circle through the middle of a section (A − B)/2 wide and
        // h high, which the corrections may take away; only the signs of its
        // length and section are noted, in plain (unchecked) arithmetic.
        const auto circle = [&d](Real height) {
            return std::array{PathSegment{d.A.value() + d.B.value(), height.value() * (d.A.value() - d.B.value())}};
        };
        notePathParts(shown, circle(h));
        const Real effectiveHeight = ring::effectiveHeight(d);
        notePathParts(shown, circle(effectiveHeight));

        // The path is one continuous circle: C1 = 2π / (he·ln(A/B)).
        shown.c1 = (6.2831853 / (effectiveHeight * ln(A / B))).value();

        const Real numerator = 12.5663706 * ((1.0 / B) - (1.0 / A));
        // The denominator is held in single precision, seven significant digits.
        const Real denominator =
            toSingle((((effectiveHeight * effectiveHeight) * ln(A / B)) * ln(A / B)) * ln(A / B));
        shown.c2 = (numerator / denominator).value();
    });
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, h, r3, a, b] = d;
        const Real radialWidth = (A - B) / 2.0;
        const Real section = effectiveHeight(d) * radialWidth;
        // The flux passes one section all the way round; the window is the hole.
        shape.amin = section.value();
        shape.windowWidth = B.value();
        shape.windowHeight = B.value();
        shape.windowArea = ((kPi * B) * B / 4.0).value();
        // A gap is a cut through the ring. The ring goes on beyond it on either
        // side, bending away; the fringe field's room is taken as its mean radius.
        shape.post = rectangleFace(radialWidth, h, section);
        shape.meanTurnLength = meanTurnLength(shape.post, (B / 2.0).value());
        shape.legHeight = ((A + B) / 4.0).value();
    });
}

namespace {

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "外径", 5880, 6480, 120},
    {2, 2, " B:", "B", "内径", 5880, 6480, 720},
    {3, 3, " h:", "h", "高度（轴向厚度）", 5880, 6480, 1320},
    {4, 8, "r3:", "r3", "截面棱边的倒圆半径", 5880, 6480, 1920, StartText::Zero},
    {5, 9, "a:", "a", "一侧斜面的倾角（弧度）", 5880, 6480, 2400, StartText::Zero},
    {6, 10, "b:", "b", "另一侧斜面的倾角（弧度）", 5880, 6480, 3000, StartText::Zero},
};

constexpr int kConversionOrder[] = {3, 4, 5, 0, 1, 2};

// The inner diameter lies inside the outer one.
constexpr Nesting kNestings[] = {nesting(kFields, "B", "A")};

CoreConstants fromFields(std::span<const double> v)
{
    return constants({v[0], v[1], v[2], v[3], v[4], v[5]});
}

MagneticShape magneticsFromFields(std::span<const double> v) { return magnetics({v[0], v[1], v[2], v[3], v[4], v[5]}); }

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "ring",
    .optionCaption = "环型",
    .form = "Form2",
    .caption = "H",
    .clientWidth = 8970,
    .clientHeight = 6915,
    .background = Background::White,
    .drawing = {":/drawings/ring.svg", {0, 0, 5505, 3165}, 355, 198},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {4, 120, 495, 5, 720, 1095, 3960, kPlain5},
        {6, 2400, 615, 7, 3120, 1095, 3960, kPlain5},
        {14, 120, 495, 13, 720, 1095, 4680, kLength5},
        {12, 2400, 615, 11, 3120, 1215, 4680, kArea5},
        {18, 5160, 495, 17, 5880, 1095, 4680, kVolume5},
    }},
    .note = {},
    .calculateButton = {1080, 5280, kCalculateWidth, kButtonHeight},
    .returnButton = {4200, 5280, kReturnWidth, kButtonHeight},
    .messageLine = {120, 5955, 8730, 780},
    .catalog = {{4440, 3465, 900, 255}, {5400, 3420, 3000, kComboBoxHeight}, {4440, 3840, 4410, 720}},
    .designButton = {2745, 5280, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
    .gappedLeg = "磁环",
};

}  // namespace ferricalc::ring
