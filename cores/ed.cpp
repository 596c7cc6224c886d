#include "cores/ed.hpp"

#include "cores/e_family_segments.hpp"

namespace ferricalc::ed {

using namespace efamily;

CoreConstants constants(const Dimensions& d)
{
    return formConstants([&](CoreConstants& shown) {
        const auto& [A, B, C, D, E, F] = d;
        const Real legWidth = (A - B) / 2.0;
        const Real backThickness = F - E;

        const PathSegment outerLeg{E, legWidth * D};
        const PathSegment back{(B / 2.0) - (C / 2.0), backThickness * D};
        const PathSegment halfCentreLeg{E, (((C / 2.0) * (C / 2.0)) * kPi) / 2.0};
        const PathSegment legToBack{cornerLengthPiThenEighth(legWidth + backThickness), meanSection(outerLeg, back)};
        // The round centre leg turns the corner as if it were 0.5959·C wide.
        const PathSegment backToCentre{cornerLengthPiThenEighth(((1.1918 * C) / 2.0) + backThickness),
                                       meanSection(back, halfCentreLeg)};

        const PathSegment halfLoop[] = {outerLeg, back, halfCentreLeg, legToBack, backToCentre};
        showPathSums(shown, halfLoop, kHalfLoopOfPair);
    });
}

MagneticShape magnetics(const Dimensions& d)
{
    return formMagnetics([&](MagneticShape& shape) {
        const auto& [A, B, C, D, E, F] = d;
        const Real legWidth = (A - B) / 2.0;
        const Real post = ((C * C) * kPi) / 4.0;
        const Real outerLeg = legWidth * D;
        shape.amin = smallestSection({post, 2.0 * outerLeg, 2.0 * ((F - E) * D)}).value();
        setWindow(shape, (B - C) / 2.0, 2.0 * E);
        shape.post = roundFace(C, post);
        shape.meanTurnLength = meanTurnLength(shape.post, shape.windowWidth);
        shape.outerLegs = {rectangleFace(legWidth, D, outerLeg), rectangleFace(legWidth, D, outerLeg)};
        shape.outerLegCount = 2;
        shape.legHeight = E.value();
    });
}

namespace {

constexpr int kCaptionLeft = 4440;
constexpr int kFieldLeft = 5040;

constexpr FieldSpec kFields[] = {
    {1, 1, " A:", "A", "两外柱外侧总宽", kCaptionLeft, kFieldLeft, 240},
    {2, 2, " B:", "B", "两外柱内侧间距", kCaptionLeft, kFieldLeft, 720},
    {3, 3, " C:", "C", "圆形中心柱直径", kCaptionLeft, kFieldLeft, 1200},
    {4, 8, " D:", "D", "磁芯厚度", kCaptionLeft, kFieldLeft, 1680},
    {5, 9, " E:", "E", "柱长（窗口高度）", kCaptionLeft, kFieldLeft, 2160},
    {6, 4, " F:", "F", "半磁芯总高", kCaptionLeft, kFieldLeft, 2640},
};

constexpr int kConversionOrder[] = {0, 1, 2, 3, 4, 5};

// The window lies inside the outline, the centre leg between the outer legs, the
// legs within the half-core's height.
constexpr Nesting kNestings[] = {nesting(kFields, "B", "A"), nesting(kFields, "C", "B"), nesting(kFields, "E", "F")};

CoreConstants fromFields(std::span<const double> v) { return constants({v[0], v[1], v[2], v[3], v[4], v[5]}); }

MagneticShape magneticsFromFields(std::span<const double> v)
{
    return magnetics({v[0], v[1], v[2], v[3], v[4], v[5]});
}

}  // namespace

constinit const CoreDescriptor descriptor{
    .name = "ed",
    .optionCaption = "ED型",
    .form = "Form14",
    .caption = "ED",
    .clientWidth = 7800,
    .clientHeight = 6990,
    .background = Background::SystemWindow,
    .drawing = {":/drawings/ed.svg", {0, 0, 3975, 3255}, 265, 217},
    .fields = kFields,
    .conversionOrder = kConversionOrder,
    .results = {{
        {22, 240, 495, 21, 840, 1095, 3600, kPlain5},
        {20, 2520, 615, 6, 3360, 1215, 3600, kPlain5},
        {14, 240, 495, 13, 840, 1095, 4320, kLength5},
        {12, 2520, 615, 11, 3360, 1215, 4320, kArea5},
        {18, 5040, 495, 17, 5640, 1575, 4320, kVolume5},
    }},
    .note = {},
    .calculateButton = {1080, 4920, kCalculateWidth, kButtonHeight},
    .returnButton = {4200, 4920, kReturnWidth, kButtonHeight},
    .messageLine = {240, 5640, 7320, 780},
    .catalog = {{4680, 3105, 900, 255}, {5640, 3060, 2040, kComboBoxHeight}, {4680, 3480, 3000, 780}},
    .designButton = {2745, 4920, kDesignWidth, kButtonHeight},
    .geometry = fromFields,
    .magnetics = magneticsFromFields,
    .nestings = kNestings,
};

}  // namespace ferricalc::ed
