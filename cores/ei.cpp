#include "cores/ei.hpp"

#include "cores/e_family_segments.hpp"

namespace ferricalc::ei {

using namespace efamily;

CoreConstants constants(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const auto& [A, B, C, D, E, F, G] = d;
        const Real legWidth = (A - B) / 2.0;
        const Real backThickness = F - E;

        const PathSegment outerLeg{E, ((A - B) * D) / 2.0};
        const PathSegment back{(B - C) / 2.0, backThickness * D};
        const PathSegment halfCentreLeg{E, (C * D) / 2.0};
        const PathSegment bar{(B - C) / 2.0, G * D};
        const PathSegment legToBack{cornerLengthPiThenEighth(backThickness + legWidth), meanSection(outerLeg, back)};
        const PathSegment backToCentre{cornerLengthPiThenEighth(backThickness + (C / 2.0)),
                                       meanSection(back, halfCentreLeg)};
        const PathSegment centreToBar{cornerLengthPiThenEighth(G + (C / 2.0)), meanSection(halfCentreLeg, bar)};
        const PathSegment barToLeg{cornerLengthPiThenEighth(G + legWidth), meanSection(outerLeg, bar)};

        // The sums take the parts in this order, which fixes the last bits of C1 and C2.
        const PathSegment loop[] = {outerLeg,     legToBack, back,     backToCentre,
                                    centreToBar, bar,       barToLeg, halfCentreLeg};
        showPathSums(shown, loop, kWholeLoopBesideItsTwin);
    });
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F, G] = d;
        const Real legWidth = (A - B) / 2.0;
        const Real post = C * D;
        const Real outerLeg = legWidth * D;
        // The back and the I bar each carry half the flux on either side of the post.
        shape.amin = smallestSection({post, 2.0 * outerLeg, 2.0 * ((F - E) * D), 2.0 * (G * D)}).value();
        setWindow(shape, (B - C) / 2.0, E);
        shape.post = rectangleFace(C, D, post);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        shape.outerLegs = {rectangleFace(legWidth, D, outerLeg), rectangleFace(legWidth, D, outerLeg)};
        shape.outerLegCount = 2;
        shape.legHeight = E.value();
        shape.opposite = GapOpposite::Plate;
    });
}

namespace {

constexpr int kCaptionLeft = 4200;
constexpr int kFieldLeft = 4800;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两外柱外侧总宽", kCaptionLeft, kFieldLeft, 120},
    {2, 2, " B:", "B", "两外柱内侧间距", kCaptionLeft, kFieldLeft, 600},
    {3, 3, " C:", "C", "中心柱宽度", kCaptionLeft, kFieldLeft, 1080},
    {4, 8, " D:", "D", "叠片厚度", kCaptionLeft, kFieldLeft, 1560},
    {5, 9, " E:", "E", "窗口长度", kCaptionLeft, kFieldLeft, 2040},
    {6, 4, " F:", "F", "E 片总长", kCaptionLeft, kFieldLeft, 2520},
    {7, 15, " G:", "G", "I 片厚度", kCaptionLeft, kFieldLeft, 3000},
};

constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5, 6};

// The window lies inside the outline, the centre leg between the outer legs, the
// window within the E's length.
constexpr Nesting kNestings[] = {nesting(kFields, "B", "A"), nesting(kFields, "C", "B"), nesting(kFields, "E", "F")};

CoreConstants fromFields(std::span<const double> v) { return constants({v[0], v[1], v[2], v[3], v[4], v[5], v[6]}); }

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5], v[6]});
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "ei",
    .optionCaption = "EI型",
    .form = "Form12",
    .caption = "EI",
    .clientWidth = 7710,
    .clientHeight = 6945,
    .background = Background::SystemWindow,
    .drawing = {":/drawings/ei.svg", {0, 0, 3975, 3495}, 265, 233},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {22, 360, 495, 21, 960, 1095, 3720, kPlain5},
        {20, 2640, 615, 5, 3480, 1215, 3720, kPlain5},
        {14, 360, 495, 13, 960, 1095, 4440, kLength5},
        {12, 2640, 615, 11, 3480, 1215, 4440, kArea5},
        {18, 5160, 495, 17, 5760, 1575, 4440, kVolume5},
    }},
    .note = {},
    .calculateButton = {840, 5040, kCalculateWidth, kButtonHeight},
    .returnButton = {3960, 5040, kReturnWidth, kButtonHeight},
    .messageLine = {360, 5700, 7200, 780},
    // Right of the fields the combo box stands under its caption; the reference sits beside C1 and C2.
    .catalog = {{6000, 2460, 900, 255}, {6000, 2760, 1590, kComboBoxHeight}, {4800, 3360, 2790, 1020}},
    .designButton = {2505, 5040, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
};

}  // namespace ferricalc::ei
