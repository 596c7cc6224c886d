#include "cores/ee.hpp"

#include "cores/e_family_segments.hpp"

namespace ferricalc::ee {

using namespace efamily;

CoreConstants constants(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const auto& [A, B, C, D, E, F, Rd, Rw, Rn] = d;
        const Real legWidth = (A - B) / 2.0;
        const Real backThickness = F - E;

        // A rounded edge takes off r² of the section, no factor: Rw only from the outer
        // leg, Rd only from the back, Rn from every face of the window.
        const PathSegment outerLeg{E, ((legWidth * D) - (Rw * Rw)) - (Rn * Rn)};
        const PathSegment back{(B - C) / 2.0, ((backThickness * D) - (Rd * Rd)) - (Rn * Rn)};
        const PathSegment halfCentreLeg{E, ((C / 2.0) * D) - (Rn * Rn)};
        const PathSegment legToBack{cornerLengthEighthOfPi(legWidth + backThickness), meanSection(outerLeg, back)};
        const PathSegment backToCentre{cornerLengthEighthOfPi((C / 2.0) + backThickness),
                                       meanSection(back, halfCentreLeg)};

        const PathSegment halfLoop[] = {outerLeg, back, halfCentreLeg, legToBack, backToCentre};
        showPathSums(shown, halfLoop, kHalfLoopOfPair);
    });
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F, Rd, Rw, Rn] = d;
        const Real legWidth = (A - B) / 2.0;
        // The sections as the loop takes them: Rn from both window edges of the
        // post, Rw and Rn from each outer leg, Rd and Rn from each half of the back.
        const Real post = (C * D) - (2.0 * (Rn * Rn));
        const Real outerLeg = ((legWidth * D) - (Rw * Rw)) - (Rn * Rn);
        const Real halfBack = (((F - E) * D) - (Rd * Rd)) - (Rn * Rn);
        shape.amin = smallestSection({post, 2.0 * outerLeg, 2.0 * halfBack}).value();
        setWindow(shape, (B - C) / 2.0, 2.0 * E);
        shape.post = rectangleFace(C, D, post);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        shape.outerLegs = {rectangleFace(legWidth, D, outerLeg), rectangleFace(legWidth, D, outerLeg)};
        shape.outerLegCount = 2;
        shape.legHeight = E.value();
    });
}

namespace {

constexpr int kCaptionLeft = 5160;
constexpr int kFieldLeft = 5760;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两外柱外侧总宽", kCaptionLeft, kFieldLeft, 120},
    {2, 2, " B:", "B", "两外柱内侧间距", kCaptionLeft, kFieldLeft, 600},
    {3, 3, " C:", "C", "中心柱宽度", kCaptionLeft, kFieldLeft, 1080},
    {4, 8, " D:", "D", "磁芯厚度", kCaptionLeft, kFieldLeft, 1560},
    {5, 9, " E:", "E", "柱长（窗口高度）", kCaptionLeft, kFieldLeft, 2040},
    {6, 4, " F:", "F", "半磁芯总高", kCaptionLeft, kFieldLeft, 2520},
    {7, 15, "Rd:", "Rd", "背部外缘倒圆半径", kCaptionLeft, kFieldLeft, 3000, StartText::Zero},
    {8, 16, "Rw:", "Rw", "外柱外缘倒圆半径", kCaptionLeft, kFieldLeft, 3480, StartText::Zero},
    {9, 19, "Rn:", "Rn", "窗口内缘倒圆半径", kCaptionLeft, kFieldLeft, 3960, StartText::Zero},
};

constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};

// The window lies inside the outline, the centre leg between the outer legs, the
// legs within the half-core's height.
constexpr Nesting kNestings[] = {nesting(kFields, "B", "A"), nesting(kFields, "C", "B"), nesting(kFields, "E", "F")};

CoreConstants fromFields(std::span<const double> v)
{
    return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]});
}

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]});
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "ee",
    .optionCaption = "EE/EF型",
    .form = "Form6",
    .caption = "EE",
    .clientWidth = 8040,
    .clientHeight = 6930,
    .background = Background::White,
    .drawing = {":/drawings/ee.svg", {0, 0, 5055, 3495}, 337, 233},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {22, 120, 495, 21, 720, 1095, 4200, kPlain5},
        {20, 2400, 615, 5, 3240, 1215, 4200, kPlain5},
        {14, 120, 495, 13, 720, 1095, 4920, kLength5},
        {12, 2400, 615, 11, 3240, 1215, 4920, kArea5},
        {18, 4920, 495, 17, 5520, 1575, 4920, kVolume5},
    }},
    .note = {10, "    Rd,Rw,Rn 为半径", {0, 3600, 3855, 375}},
    .calculateButton = {960, 5520, kCalculateWidth, kButtonHeight},
    .returnButton = {4080, 5520, kReturnWidth, kButtonHeight},
    .messageLine = {120, 6180, 7800, 720},
    // Beside the results there is room for the reference alone; the combo box sits right of Return.
    .catalog = {{5880, 5280, 900, 255}, {5880, 5580, 2040, kComboBoxHeight}, {4560, 4275, 3420, 615}},
    .designButton = {2625, 5520, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
};

}  // namespace ferricalc::ee
