#include "cores/etd.hpp"

#include "cores/e_family_segments.hpp"

namespace ferricalc::etd {

using namespace efamily;

namespace {

// One outer leg and one half of the back, as the loop takes them.
struct OuterParts {
    PathSegment outerLeg;
    PathSegment back;
    Real meanLegWidth;  // from the leg's mean inner face to its outer face
};

OuterParts outerParts(const Dimensions& d)
{
    const auto& [A, B, C, D, E, F, Rd, Rw, Rn, R] = d;
    const Real backThickness = F - E;
    // The circle of diameter B meets the core's front and back faces at ±chord/2
    // from the centre line.
    const Real chord = sqrt((B * B) - (D * D));

    // One outer leg: the rectangle from the centre line to the outer face, less the
    // part of the circle of diameter B on that side, both over the depth D.
    const Real rectangle = (A * D) / 2.0;
    const PathSegment outerLeg{
        E, ((rectangle - ((D * chord) / 4.0)) - (((B * B) * atan(D / chord)) / 4.0)) - (Rw * Rw)};
    // The inner face of a leg lies between chord/2 and B/2 from the centre; the back
    // runs from the centre leg's surface to the mean of the two.
    const PathSegment back{((B + chord) / 4.0) - (C / 2.0), (backThickness * D) - (R * R)};
    return {outerLeg, back, ((A / 2.0) - back.length) - (C / 2.0)};
}

}  // namespace

CoreConstants constants(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const auto& [A, B, C, D, E, F, Rd, Rw, Rn, R] = d;
        const Real backThickness = F - E;
        const auto [outerLeg, back, meanLegWidth] = outerParts(d);
        const PathSegment halfCentreLeg{E, ((C * C) * kPi) / 8.0};
        const PathSegment legToBack{cornerLengthEighthOfPi(meanLegWidth + backThickness),
                                    meanSection(outerLeg, back)};
        // The round centre leg turns the corner as if it were 0.596·C wide.
        const PathSegment backToCentre{cornerLengthEighthOfPi((2.0 * (0.298 * C)) + backThickness),
                                       meanSection(back, halfCentreLeg)};

        const PathSegment halfLoop[] = {outerLeg, back, halfCentreLeg, legToBack, backToCentre};
        showPathSums(shown, halfLoop, kHalfLoopOfPair);
    });
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F, Rd, Rw, Rn, R] = d;
        const auto [outerLeg, back, meanLegWidth] = outerParts(d);
        const Real post = ((C * C) * kPi) / 4.0;
        shape.amin = smallestSection({post, 2.0 * outerLeg.section, 2.0 * back.section}).value();
        // The window's width is taken on the centre line, where the legs' inner
        // faces lie on the circle of diameter B.
        setWindow(shape, (B - C) / 2.0, 2.0 * E);
        shape.post = roundFace(C, post);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        // An outer leg's face as a rectangle of its mean width over the depth.
        const GapFace leg = rectangleFace(meanLegWidth, D, outerLeg.section);
        shape.outerLegs = {leg, leg};
        shape.outerLegCount = 2;
        shape.legHeight = E.value();
    });
}

namespace {

constexpr int kCaptionLeft = 4200;
constexpr int kFieldLeft = 4800;
constexpr int kRadiusCaptionLeft = 6000;
constexpr int kRadiusFieldLeft = 6600;
constexpr int kRadiusFieldWidth = 855;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两外柱外侧总宽", kCaptionLeft, kFieldLeft, 600},
    {2, 2, " B:", "B", "外柱内侧圆弧直径", kCaptionLeft, kFieldLeft, 1080},
    {3, 3, " C:", "C", "圆形中心柱直径", kCaptionLeft, kFieldLeft, 1560},
    {4, 8, " D:", "D", "磁芯厚度", kCaptionLeft, kFieldLeft, 2040},
    {5, 9, " E:", "E", "柱长（窗口高度）", kCaptionLeft, kFieldLeft, 2520},
    {6, 4, " F:", "F", "半磁芯总高", kCaptionLeft, kFieldLeft, 3000},
    {7, 15, "Rd:", "Rd", "背部与中心柱间的窗口圆角半径（不参与计算）", kRadiusCaptionLeft, kRadiusFieldLeft, 600, StartText::Zero,
     kRadiusFieldWidth},
    {8, 16, "Rw:", "Rw", "外柱外缘倒圆半径", kRadiusCaptionLeft, kRadiusFieldLeft, 1080, StartText::Zero,
     kRadiusFieldWidth},
    {9, 19, "Rn:", "Rn", "背部与外柱间的窗口圆角半径（不参与计算）", kRadiusCaptionLeft, kRadiusFieldLeft, 1560, StartText::Zero,
     kRadiusFieldWidth},
    {10, 5, " R:", "R", "背部外缘倒圆半径", kRadiusCaptionLeft, kRadiusFieldLeft, 2040, StartText::Zero,
     kRadiusFieldWidth},
};

// A bad entry is reported in this order: the outline, then R, then Rd, Rw and Rn.
constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5, 9, 6, 7, 8};

// The leg circle lies inside the outline, the centre leg inside the circle, the
// legs within the half-core's height; the depth is a chord of the circle.
constexpr Nesting kNestings[] = {
    nesting(kFields, "B", "A"),
    nesting(kFields, "C", "B"),
    nesting(kFields, "E", "F"),
    nesting(kFields, "D", "B"),
};

CoreConstants fromFields(std::span<const double> v)
{
    return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]});
}

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]});
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "etd",
    .optionCaption = "ETD/EC/EER型",
    .form = "Form8",
    .caption = "ETD",
    .clientWidth = 7755,
    .clientHeight = 6600,
    .background = Background::White,
    .drawing = {":/drawings/etd.svg", {0, 0, 3975, 3855}, 265, 257},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {22, 240, 495, 21, 840, 1095, 4560, kPlain5},
        {20, 2520, 615, 6, 3360, 1215, 4560, kPlain5},
        {14, 240, 495, 13, 840, 1095, 5280, kLength5},
        {12, 2520, 615, 11, 3360, 1215, 5280, kArea5},
        {18, 5040, 495, 17, 5640, 1575, 5280, kVolume5},
    }},
    .note = {10, "    R,Rd,Rw,Rn 为半径", {120, 3960, 3855, 375}},
    .calculateButton = {1080, 5880, kCalculateWidth, kButtonHeight},
    .returnButton = {4200, 5880, kReturnWidth, kButtonHeight},
    // Below the buttons there is no room for two lines; beside the note, under the fields, there is.
    .messageLine = {4200, 3480, 3435, 1020},
    // Right of E and F the combo box stands under its caption; the reference sits beside C1 and C2.
    .catalog = {{5940, 2460, 900, 255}, {5940, 2760, 1740, kComboBoxHeight}, {4635, 4500, 3090, 750}},
    .designButton = {2745, 5880, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
};

}  // namespace ferricalc::etd
