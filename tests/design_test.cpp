// The design arithmetic: each equation worked by hand on a plain set, its limits,
// its monotonicity and round trips over the catalogue, the inputs it refuses, and
// the shared texts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calc/design.hpp"
#include "calc/design_request.hpp"
#include "core_cases.hpp"
#include "cores/catalog.hpp"
#include "cores/registry.hpp"

namespace ferricalc {
namespace {

// A set with round figures: C1 = 1 mm⁻¹, Ae = 100 mm², Ve = 10000 mm³, Amin 80 mm²,
// Aw 50 mm² (10 mm wide), legs 10 mm high beside the gap, and the post given per case.
CoreSet plainSet(GapFace post, std::vector<GapFace> outer = {}, GapOpposite opposite = GapOpposite::Leg)
{
    CoreSet set;
    set.c1 = 1.0;
    set.c2 = 0.01;
    set.le = 100.0;
    set.ae = 100.0;
    set.ve = 10000.0;
    set.shape.amin = 80.0;
    set.shape.windowArea = 50.0;
    set.shape.windowWidth = 10.0;
    set.shape.windowHeight = 5.0;
    set.shape.post = post;
    for (std::size_t i = 0; i < outer.size(); ++i)
        set.shape.outerLegs[i] = outer[i];
    set.shape.outerLegCount = static_cast<int>(outer.size());
    set.shape.legHeight = 10.0;
    set.shape.opposite = opposite;
    return set;
}

constexpr double kPiFull = 3.14159265358979323846;
const GapFace kSquarePost{FaceOutline::Rectangle, 10, 10, 100};
const GapFace kRoundPost{FaceOutline::Round, 10, 10, kPiFull * 25};
const GapFace kRoundPostWithHole{FaceOutline::Round, 10, 10, kPiFull * (100 - 16) / 4};
const GapFace kOuterLeg{FaceOutline::Rectangle, 5, 10, 50};

struct AlCase {
    const char* name;
    CoreSet set;
    GapPlace place;
    double gap;
    double alNoFringing;
    double alFringing;
};

void PrintTo(const AlCase& c, std::ostream* os) { *os << c.name; }

// Worked by hand (μ0 = 1.25663706212 nH/mm, μi = 2000): AL = μ0/(C1/μi + lg/A).
// With fringing the face is widened by δ = (lg/π)(1 + ln(πh/(2lg))) = 1.19499 mm for
// lg = 1, h = 10 (leg facing leg), δ = (2lg/π)(1 + ln(πh/(4lg))) = 1.94871 mm facing an
// I bar: A + p·δ + k·δ², k = 4 for a rectangle, π for a round post.
const AlCase kAlCases[] = {
    // μ0·2000/1 either way.
    {"UngappedIsMuZeroMuIOverC1", plainSet(kSquarePost), GapPlace::CentrePost, 0, 2513.27412424, 2513.27412424},
    // 1/(1/2000 + 1/100); with fringing A = 100 + 40·δ + 4·δ².
    {"SquarePostGapped", plainSet(kSquarePost), GapPlace::CentrePost, 1, 119.679720202, 179.156961487},
    {"RoundPostGapped", plainSet(kRoundPost), GapPlace::CentrePost, 1, 94.966710081, 142.895527068},
    // The hole takes its iron off the face; the fringe field leaves from the outer edge.
    {"RoundPostWithHole", plainSet(kRoundPostWithHole), GapPlace::CentrePost, 1, 80.257253244, 128.765053913},
    {"LegFacingAnIBar", plainSet(kSquarePost, {}, GapOpposite::Plate), GapPlace::CentrePost, 1, 119.679720202,
     221.330763369},
    // A spacer: the post in series with both outer legs side by side (2 × 50 mm²).
    {"SpacerGapsEveryLeg", plainSet(kSquarePost, {kOuterLeg, kOuterLeg}), GapPlace::AllLegs, 1, 61.299368884,
     100.732676010},
    // Only the post is gapped: the outer legs do not count.
    {"CentreGapLeavesTheOuterLegs", plainSet(kSquarePost, {kOuterLeg, kOuterLeg}), GapPlace::CentrePost, 1,
     119.679720202, 179.156961487},
};

class WorkedAl : public testing::TestWithParam<AlCase> {};

TEST_P(WorkedAl, MatchesTheHandWorkedFigures)
{
    const AlCase& c = GetParam();
    DesignInputs inputs;
    inputs.muI = 2000;
    inputs.gap = c.gap;
    inputs.gapPlace = c.place;
    inputs.residualGap = 0;  // ideal faces, as worked by hand
    const Design d = design(c.set, inputs);
    ASSERT_EQ(d.error, DesignError::None);
    EXPECT_NEAR(d.alNoFringing, c.alNoFringing, c.alNoFringing * 1e-8);
    EXPECT_NEAR(d.alFringing, c.alFringing, c.alFringing * 1e-8);
    // μe = AL·C1/μ0 with C1 = 1.
    EXPECT_NEAR(d.muEFringing, c.alFringing / kMu0NanohenryPerMm, 1e-6);
    EXPECT_NEAR(d.muENoFringing, c.alNoFringing / kMu0NanohenryPerMm, 1e-6);
    EXPECT_NEAR(d.alUngapped, 2513.27412424, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Design, WorkedAl, testing::ValuesIn(kAlCases),
                         [](const testing::TestParamInfo<AlCase>& info) { return std::string(info.param.name); });

TEST(DesignFigures, WindingFluxDensityMassAndAreaProduct)
{
    DesignInputs inputs;
    inputs.muI = 2000;
    inputs.gap = 1;
    inputs.turns = 10;
    inputs.current = 1;
    inputs.bsat100 = 25;
    inputs.density = 4800;
    inputs.residualGap = 0;
    const Design d = design(plainSet(kSquarePost), inputs);
    ASSERT_EQ(d.error, DesignError::None);
    // L = AL·N² = 179.157 nH · 100; B = AL·N·Î/Ae = 179.157·10/100 mT, on Amin ·100/80.
    EXPECT_NEAR(*d.inductance, 17.9156961487, 1e-8);
    EXPECT_NEAR(*d.peakFlux, 17.9156961487, 1e-8);
    EXPECT_NEAR(*d.peakFluxAmin, 22.3946201859, 1e-8);
    EXPECT_EQ(d.saturation, SaturationLevel::Clear);       // 72 % of 25 mT
    EXPECT_EQ(d.saturationAmin, SaturationLevel::Advisory);  // 90 %
    EXPECT_NEAR(*d.bsatShareAmin, 89.5784807437, 1e-8);
    // 10000 mm³ of 4800 kg/m³; Ap = 100 mm² · 50 mm².
    EXPECT_NEAR(*d.mass, 48.0, 1e-12);
    EXPECT_NEAR(d.areaProduct, 5000.0, 1e-12);
    EXPECT_EQ(d.amin, 80.0);
}

TEST(DesignFigures, WhatIsNotAskedForIsAbsent)
{
    const Design d = design(plainSet(kSquarePost), DesignInputs{});
    EXPECT_FALSE(d.turns || d.inductance || d.peakFlux || d.peakFluxAmin || d.mass || d.gapForTarget);
    EXPECT_EQ(d.saturation, SaturationLevel::Unknown);
}

TEST(SaturationLevel, AdvisoryFromEightyAndWarningFromAHundredPercent)
{
    EXPECT_EQ(saturationLevel(79.9, 100.0), SaturationLevel::Clear);
    EXPECT_EQ(saturationLevel(80.0, 100.0), SaturationLevel::Advisory);
    EXPECT_EQ(saturationLevel(99.9, 100.0), SaturationLevel::Advisory);
    EXPECT_EQ(saturationLevel(100.0, 100.0), SaturationLevel::Warning);
    EXPECT_EQ(saturationLevel(500.0, std::nullopt), SaturationLevel::Unknown);
}

TEST(DesignLimits, AVanishingGapGivesTheUngappedAl)
{
    const CoreSet set = plainSet(kSquarePost, {kOuterLeg, kOuterLeg});
    for (const bool fringing : {false, true}) {
        const double ungapped = inductanceFactor(set, 2000, 0, GapPlace::CentrePost, fringing);
        EXPECT_NEAR(inductanceFactor(set, 2000, 1e-12, GapPlace::CentrePost, fringing), ungapped, ungapped * 1e-9);
    }
}

TEST(DesignLimits, AnEndlessPermeabilityLeavesTheGapAlone)
{
    const CoreSet set = plainSet(kRoundPost);
    for (const bool fringing : {false, true}) {
        const double gapAlone = kMu0NanohenryPerMm / gapReluctance(set.shape, 0.5, GapPlace::CentrePost, fringing);
        EXPECT_NEAR(inductanceFactor(set, 1e15, 0.5, GapPlace::CentrePost, fringing), gapAlone, gapAlone * 1e-9);
    }
}

// Every catalogue core, both places of the gap.
std::vector<std::pair<const StandardCore*, CoreSet>> catalogueSets()
{
    std::vector<std::pair<const StandardCore*, CoreSet>> sets;
    for (const CoreDescriptor* core : coreTypes()) {
        for (const StandardCore& standard : standardCores(*core)) {
            const CoreSetResult result = coreSet(*core, standard.texts, ".");
            EXPECT_TRUE(result.formed()) << standard.name;
            if (result.formed())
                sets.emplace_back(&standard, result.set);
        }
    }
    return sets;
}

TEST(DesignCatalogue, AlFallsAsTheGapGrows)
{
    for (const auto& [standard, set] : catalogueSets()) {
        for (const GapPlace place : {GapPlace::CentrePost, GapPlace::AllLegs}) {
            for (const bool fringing : {false, true}) {
                double previous = inductanceFactor(set, 2000, 0, place, fringing);
                for (double gap = 1e-3; gap < 30; gap *= 1.25) {
                    const double al = inductanceFactor(set, 2000, gap, place, fringing);
                    ASSERT_LT(al, previous) << standard->name << " at " << gap << " mm";
                    previous = al;
                }
            }
            // The fringe field only ever adds permeance.
            EXPECT_GE(inductanceFactor(set, 2000, 0.5, place, true), inductanceFactor(set, 2000, 0.5, place, false))
                << standard->name;
        }
    }
}

TEST(DesignCatalogue, TheGapForAnAlGivesThatAlBack)
{
    for (const auto& [standard, set] : catalogueSets()) {
        for (const double gap : {0.02, 0.3, 2.0}) {
            const double al = inductanceFactor(set, 2300, gap, GapPlace::CentrePost, true);
            const GapForAl found = gapForInductanceFactor(set, 2300, GapPlace::CentrePost, al);
            ASSERT_EQ(found.outcome, GapForAl::Outcome::Found) << standard->name;
            EXPECT_NEAR(found.gap, gap, gap * 1e-9) << standard->name;
        }
    }
}

TEST(DesignTargets, NoGapReachesAnAlAboveTheUngappedOne)
{
    const CoreSet set = plainSet(kSquarePost);
    const double ungapped = inductanceFactor(set, 2000, 0, GapPlace::CentrePost, true);
    EXPECT_EQ(gapForInductanceFactor(set, 2000, GapPlace::CentrePost, ungapped * 1.01).outcome,
              GapForAl::Outcome::AboveUngapped);
    const GapForAl exact = gapForInductanceFactor(set, 2000, GapPlace::CentrePost, ungapped);
    EXPECT_EQ(exact.outcome, GapForAl::Outcome::Found);
    EXPECT_EQ(exact.gap, 0.0);
}

TEST(DesignTargets, TurnsForAnInductanceAreTheFewestThatReachIt)
{
    // AL 100 nH: 10 µH needs exactly 10 turns, 10.01 µH eleven.
    EXPECT_EQ(turnsFor(10.0, 100.0), 10);
    EXPECT_EQ(turnsFor(10.01, 100.0), 11);
    EXPECT_EQ(turnsFor(0.001, 100.0), 1);
    for (const double al : {37.3, 179.157, 2513.27}) {
        for (const double wanted : {0.5, 12.7, 1000.0, 33333.3}) {
            const double n = turnsFor(wanted, al);
            EXPECT_GE(n * n * al / 1000.0, wanted * (1 - 1e-12)) << al << " nH, " << wanted << " µH";
            if (n > 1) {
                EXPECT_LT((n - 1) * (n - 1) * al / 1000.0, wanted) << al << " nH, " << wanted << " µH";
            }
        }
    }
}

TEST(DesignTargets, AWantedInductanceGivesTurnsAndTheInductanceTheyMake)
{
    DesignInputs inputs;
    inputs.muI = 2000;
    inputs.gap = 1;
    inputs.inductance = 100;
    inputs.residualGap = 0;
    const Design d = design(plainSet(kSquarePost), inputs);
    // √(100 000 / 179.157) = 23.6: 24 turns, 24² · 179.157 nH.
    EXPECT_EQ(*d.turns, 24);
    EXPECT_NEAR(*d.inductance, 103.194409816, 1e-6);
}

struct RefusedInput {
    const char* name;
    DesignInput kind;
    const char* text;
    DesignError error;
    const char* message = "";  // the window's reason, where it names a limit
};

void PrintTo(const RefusedInput& c, std::ostream* os) { *os << c.name; }

const RefusedInput kInputs[] = {
    {"NegativeGap", DesignInput::Gap, "-0.1", DesignError::NegativeGap},
    {"ZeroGapIsAllowed", DesignInput::Gap, "0", DesignError::None},
    {"ZeroTurns", DesignInput::Turns, "0", DesignError::TurnsBelowOne},
    {"FractionalTurns", DesignInput::Turns, "2.5", DesignError::TurnsNotWhole},
    {"TurnsBeyondTheLimit", DesignInput::Turns, "1e12", DesignError::AboveLimit, "不能超过 100000"},
    {"InductanceBelowTheLimit", DesignInput::Inductance, "0.0001", DesignError::BelowLimit, "不能小于 0.001"},
    {"CurrentBeyondTheLimit", DesignInput::Current, "20000", DesignError::AboveLimit, "不能超过 10000.000"},
    {"DensityBeyondTheLimit", DesignInput::Density, "1e6", DesignError::AboveLimit, "不能超过 20000.00"},
    {"GapBeyondTheCore", DesignInput::Gap, "31", DesignError::GapBeyondCore, "不能超过窗口高度 30.000 mm"},
    {"GapUpToTheCore", DesignInput::Gap, "30", DesignError::None},
    {"MuBelowOne", DesignInput::MuI, "0.5", DesignError::MuBelowOne},
    {"MuOfOneIsAllowed", DesignInput::MuI, "1", DesignError::None},
    {"TextIsNotANumber", DesignInput::MuI, "N87", DesignError::NotANumber},
    {"ZeroInductance", DesignInput::Inductance, "0", DesignError::NotPositive},
    {"NegativeTargetAl", DesignInput::TargetAl, "-5", DesignError::NotPositive},
    {"ZeroBsat", DesignInput::Bsat, "0", DesignError::NotPositive},
    {"NegativeCurrent", DesignInput::Current, "-1", DesignError::NegativeCurrent},
    {"EmptyFieldGivesNothing", DesignInput::Current, "  ", DesignError::None},
};

class DesignInputFields : public testing::TestWithParam<RefusedInput> {};

TEST_P(DesignInputFields, AreReadOrRefused)
{
    const RefusedInput& c = GetParam();
    const InputReading reading = readDesignInput(c.kind, c.text, ".", 30.0);
    EXPECT_EQ(reading.error, c.error);
    if (*c.message != '\0') {
        EXPECT_EQ(readingMessage(reading, c.kind, false, Language::Chinese, "."), c.message);
    }
    EXPECT_EQ(reading.value.has_value(), c.error == DesignError::None && std::string(c.text).find_first_not_of(' ') !=
                                                                             std::string::npos);
    // Every refusal has a message in both languages.
    if (c.error != DesignError::None) {
        EXPECT_FALSE(designErrorMessage(c.error, Language::Chinese).empty());
        EXPECT_FALSE(designErrorMessage(c.error, Language::English).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Design, DesignInputFields, testing::ValuesIn(kInputs),
                         [](const testing::TestParamInfo<RefusedInput>& info) { return std::string(info.param.name); });

TEST(DesignRefusals, BadInputsNeverGiveInfinityOrNan)
{
    const CoreSet set = plainSet(kSquarePost);
    const auto refused = [&](auto change) {
        DesignInputs inputs;
        inputs.muI = 2000;
        change(inputs);
        return design(set, inputs).error;
    };
    EXPECT_EQ(refused([](DesignInputs& i) { i.muI = 0.5; }), DesignError::MuBelowOne);
    EXPECT_EQ(refused([](DesignInputs& i) { i.muI = std::numeric_limits<double>::quiet_NaN(); }),
              DesignError::MuBelowOne);
    EXPECT_EQ(refused([](DesignInputs& i) { i.gap = -1; }), DesignError::NegativeGap);
    EXPECT_EQ(refused([](DesignInputs& i) { i.turns = 0; }), DesignError::TurnsBelowOne);
    EXPECT_EQ(refused([](DesignInputs& i) { i.turns = 1.5; }), DesignError::TurnsNotWhole);
    EXPECT_EQ(refused([](DesignInputs& i) { i.inductance = 0; }), DesignError::NotPositive);
    // Longer than the core holds (without outer legs the set is cut once, like a ring: π·10 mm).
    EXPECT_EQ(refused([](DesignInputs& i) { i.gap = 32; }), DesignError::GapBeyondCore);
    // 10¹⁸⁰ turns square past the range of a double.
    const Design overflow = design(set, [] {
        DesignInputs i;
        i.muI = 2000;
        i.turns = 1e180;
        return i;
    }());
    EXPECT_EQ(overflow.error, DesignError::Overflow);
    EXPECT_FALSE(overflow.inductance.has_value());
}

// The highest flux density in the path decides saturation. A ring's peaks at the
// inner radius: without a gap B̂max/B̂(Ae) = Ae/(h·r1·ln(r2/r1)) = 7.82824/(4·3·ln(5/3));
// a long gap makes the field uniform, Φ over the whole section h·(r2 − r1) = 8 mm², a little over Ae.
TEST(DesignSaturation, TheHighestFluxDensityInThePathDecides)
{
    const CoreDescriptor& ring = *findCoreType("ring");
    const double dimensions[] = {10, 6, 4, 0, 0, 0};
    const CoreSet set = coreSet(ring, dimensions).set;
    DesignInputs inputs;
    inputs.muI = 2200;
    inputs.bsat100 = 390;
    inputs.turns = 3;
    inputs.current = 1;
    const Design d = design(set, inputs);
    EXPECT_NEAR(*d.peakFluxMax / *d.peakFlux, 7.82824 / (12.0 * std::log(5.0 / 3.0)), 1e-5);
    EXPECT_EQ(d.saturation, SaturationLevel::Advisory);  // 88 % on Ae
    EXPECT_EQ(d.saturationMax, SaturationLevel::Warning);  // 113 % at the inner radius
    // I_sat brings B̂max to Bsat; ½·L·Î².
    EXPECT_NEAR(*d.saturationCurrent * *d.peakFluxMax, 390.0, 1e-9);
    EXPECT_NEAR(*d.energy, *d.inductance / 2, 1e-12);
    // A long gap evens the field out over the section, 8 mm²; B̂max stays no lower than on Ae.
    EXPECT_NEAR(peakSection(set, 2200, 18.8), set.ae, 1e-12);
    EXPECT_LT(peakSection(set, 2200, 0.05), set.ae);
    EXPECT_NEAR(longestGap(set.shape), 6 * kPiFull, 1e-12);

    // Elsewhere the narrower of Ae and Amin: Amin 80 mm² of Ae 100 mm².
    inputs.gap = 1;
    const Design e = design(plainSet(kSquarePost, {kOuterLeg, kOuterLeg}), inputs);
    EXPECT_EQ(*e.peakFluxMax, *e.peakFluxAmin);
}

TEST(DesignTargets, AnAlOnlyAGapLongerThanTheCoreReachesIsNotFound)
{
    const CoreSet set = plainSet(kSquarePost, {kOuterLeg, kOuterLeg});  // window 5 mm high
    const double atLongest = inductanceFactor(set, 2000, 5.0, GapPlace::CentrePost, true);
    const GapForAl beyond = gapForInductanceFactor(set, 2000, GapPlace::CentrePost, atLongest * 0.99);
    EXPECT_EQ(beyond.outcome, GapForAl::Outcome::BeyondLongestGap);
    EXPECT_EQ(beyond.gap, 5.0);
    const GapForAl within = gapForInductanceFactor(set, 2000, GapPlace::CentrePost, atLongest * 1.01);
    EXPECT_EQ(within.outcome, GapForAl::Outcome::Found);
    EXPECT_LT(within.gap, 5.0);
}

// A table material with its μi or Bsat replaced is reported as what was used: a
// custom material with the table's other figures, as the window's 自定义.
TEST(DesignRequests, AReplacedFigureMakesTheMaterialCustom)
{
    DesignTexts texts{};
    texts[MaterialOption] = "N87";
    EXPECT_NE(readDesignRequest(texts, false).material, nullptr);
    texts[MuIOption] = "3000";
    const DesignRequest request = readDesignRequest(texts, false);
    EXPECT_EQ(request.material, nullptr);
    EXPECT_EQ(request.inputs.muI, 3000);
    EXPECT_EQ(request.inputs.bsat100, findMaterial("N87")->bsat100);
}

TEST(DesignCoreSet, TakesTheUnroundedConstants)
{
    const CoreDescriptor& ring = *findCoreType("ring");
    const std::string_view texts[] = {"100", "60", "20", "0", "0", "0"};
    const CoreSetResult result = coreSet(ring, texts, ".");
    ASSERT_TRUE(result.formed());
    const Calculation shown = calculate(ring, texts, ".");
    EXPECT_EQ(result.set.c1, *shown.constants.c1);
    // The window's Ae, from C1 and C2 as displayed, is 391.71975; the design's is C1/C2 unrounded.
    EXPECT_NEAR(result.set.ae, 391.41423, 1e-5);
}

TEST(DesignCoreSet, ABadFieldOrShapeIsRefused)
{
    const CoreDescriptor& ring = *findCoreType("ring");
    const std::string_view notANumber[] = {"100", "x", "20", "0", "0", "0"};
    const CoreSetResult unread = coreSet(ring, notANumber, ".");
    EXPECT_EQ(unread.error, DesignError::CoreNotCalculated);
    EXPECT_EQ(unread.failure.stage, CalculationFailure::Stage::Conversion);
    EXPECT_EQ(unread.failure.field, 1);
    // An E whose centre leg is as wide as the window: no winding window.
    const CoreDescriptor& ee = *findCoreType("ee");
    EXPECT_EQ(coreSet(ee, testing_support::dimensionsOf(ee, "A=40 B=30 C=30 D=10 E=10 F=14")).error,
              DesignError::NoWindow);
}

struct TextCase {
    DesignQuantity quantity;
    double value;
    const char* separator;
    const char* text;
};

TEST(DesignTexts, FixedDecimalsAndAUnitWithoutExponent)
{
    const TextCase cases[] = {
        {DesignQuantity::Al, 179.15696, ".", "179.2 nH"},
        {DesignQuantity::Al, 179.15696, ",", "179,2 nH"},
        {DesignQuantity::Turns, 24, ".", "24"},
        {DesignQuantity::Inductance, 103.194409816, ".", "103.194 uH"},
        {DesignQuantity::Gap, 0.1234, ".", "0.123 mm"},
        {DesignQuantity::PeakFluxAmin, 22.3946, ".", "22.4 mT"},
        {DesignQuantity::AreaProduct, 1.5e7, ".", "15000000.00 mm4"},
        {DesignQuantity::Mass, 0.0152, ".", "0.015 g"},
        {DesignQuantity::MuE, 142.568, ".", "142.6"},
        {DesignQuantity::Amin, 91.6088, ".", "91.61 mm2"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(designText(c.quantity, c.value, c.separator), c.text) << designFormat(c.quantity).name;
    EXPECT_EQ(designFormat(DesignQuantity::Inductance).displayUnit, "µH");
    EXPECT_EQ(designFormat(DesignQuantity::AlNoFringing).name, "AL_nofringing");
}

}  // namespace
}  // namespace ferricalc

namespace ferricalc {
namespace {

// The residual gap at the mating faces: a set of post and outer legs.
TEST(ResidualGap, AnEndlessPermeabilityLeavesTheResidualGapsAlone)
{
    // μ0 / (lr/100 + lr/100) with lr = 4 µm at the post and at both outer legs (2 × 50 mm²).
    const CoreSet set = plainSet(kSquarePost, {kOuterLeg, kOuterLeg});
    EXPECT_NEAR(inductanceFactor(set, 1e15, 0.0, GapPlace::CentrePost, false, 0.004),
                kMu0NanohenryPerMm / (0.004 / 100 + 0.004 / 100), 1e-3);
}

TEST(ResidualGap, VanishesAgainstALongGapAndIsAbsentInAWholeRing)
{
    const CoreSet set = plainSet(kSquarePost, {kOuterLeg, kOuterLeg});
    for (const bool fringing : {false, true}) {
        const double ideal = inductanceFactor(set, 2000, 2.0, GapPlace::CentrePost, fringing, 0.0);
        EXPECT_NEAR(inductanceFactor(set, 2000, 2.0, GapPlace::CentrePost, fringing), ideal, ideal * 5e-3);
        // Against a gap of its own size it counts in full: the set is lower.
        EXPECT_LT(inductanceFactor(set, 2000, 0.004, GapPlace::CentrePost, fringing),
                  inductanceFactor(set, 2000, 0.004, GapPlace::CentrePost, fringing, 0.0) * 0.9);
    }
    DesignInputs inputs;
    inputs.muI = 2000;
    const Design ring = design(plainSet(kSquarePost), inputs);  // no outer legs, no cut
    EXPECT_EQ(ring.residualGap, 0.0);
    EXPECT_DOUBLE_EQ(ring.alUngapped, ring.alIdeal);
    const Design set2 = design(set, inputs);
    EXPECT_EQ(set2.residualGap, kResidualGap);
    EXPECT_NEAR(set2.alIdeal, 2513.27412424, 1e-6);
    EXPECT_LT(set2.alUngapped, set2.alIdeal);
}

TEST(ResidualGap, TheGapForAWantedAlInvertsTheModelledAl)
{
    const CoreSet set = plainSet(kSquarePost, {kOuterLeg, kOuterLeg});
    for (const double gap : {0.001, 0.01, 0.3}) {
        const double al = inductanceFactor(set, 2000, gap, GapPlace::CentrePost, true);
        const GapForAl found = gapForInductanceFactor(set, 2000, GapPlace::CentrePost, al);
        ASSERT_EQ(found.outcome, GapForAl::Outcome::Found);
        EXPECT_NEAR(found.gap, gap, gap * 1e-6);
    }
}

// The fringe field past the logarithm's range: a post 10 × 10 mm whose fringe
// field has 10 mm of room, under gaps up to ten times that.
TEST(FringeField, NeverShrinksAsTheGapGrows)
{
    for (const GapOpposite opposite : {GapOpposite::Leg, GapOpposite::Plate}) {
        const MagneticShape shape = plainSet(kSquarePost, {}, opposite).shape;
        double previous = 1.0;
        for (double gap = 0.01; gap < 100.0; gap *= 1.1) {
            // The effective section over the face's iron: the fringing factor.
            const double factor = gapReluctance(shape, gap, GapPlace::CentrePost, false, 0.0)
                                  / gapReluctance(shape, gap, GapPlace::CentrePost, true, 0.0);
            EXPECT_GE(factor, previous * (1.0 - 1e-12)) << gap << " mm";
            previous = factor;
        }
    }
}

TEST(FringeField, AGapLongerThanItsRoomWidensTheFaceByHalfTheRoom)
{
    // Past 15.7 mm between legs (7.9 mm to an I bar) δ = h/2 = 5 mm either way:
    // A = 100 + 40·5 + 4·25 = 400 mm², AL = μ0/(1/2000 + 20/400).
    for (const GapOpposite opposite : {GapOpposite::Leg, GapOpposite::Plate}) {
        const CoreSet set = plainSet(kSquarePost, {}, opposite);
        EXPECT_NEAR(inductanceFactor(set, 2000, 20.0, GapPlace::CentrePost, true, 0.0), 24.883902220, 1e-8);
    }
}

}  // namespace
}  // namespace ferricalc
