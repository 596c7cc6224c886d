// The adviser: the turns, gap, wire and losses it chooses for one core, held to
// the rules it follows (each the least or largest that keeps its limit), the
// ranking, and the verdicts of cores that miss.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/advisor.hpp"
#include "cores/registry.hpp"

namespace ferricalc {
namespace {

// 100 µH at 2 A DC with 0.6 A ripple at 100 kHz: Î = 2.3 A.
Requirement buckInductor()
{
    Requirement r;
    r.inductance = 100;
    r.peakCurrent = 2.3;
    r.ripple = 0.6;
    r.frequency = 100e3;
    return r;
}

TEST(Advisor, ChoosesTheFewestTurnsTheGapTheLargestWireAndTheirLosses)
{
    const CoreDescriptor& etd = *findCoreType("etd");
    const StandardCore& core = *findStandardCore(etd, "ETD34-Z");
    const Material& n87 = *findMaterial("N87");
    const Requirement r = buckInductor();
    const Advice a = adviseCore(etd, core, n87, r);
    ASSERT_EQ(a.verdict, Verdict::Feasible) << verdictText(a, r, Language::English);

    // The fewest turns within 80 % of Bsat: one turn fewer passes it.
    EXPECT_LE(*a.design.bsatShareMax, 80.0);
    EXPECT_GT(*a.design.bsatShareMax * a.turns / (a.turns - 1), 80.0);
    // The gap, to the micrometre, gives the inductance with those turns.
    EXPECT_NEAR(*a.design.inductance, 100.0, 0.5);
    EXPECT_EQ(a.gap, std::round(a.gap * 1000) / 1000);
    // The largest standard wire within half the window, insulated.
    const std::vector<double> wires = standardWireDiameters();
    const auto next = std::upper_bound(wires.begin(), wires.end(), a.wire);
    const CoreSet set = coreSet(etd, core.texts, ".").set;
    EXPECT_LE(windowFill(a.turns, 1, insulatedDiameter(a.wire), set.shape.windowArea), 50.0);
    ASSERT_NE(next, wires.end());
    EXPECT_GT(windowFill(a.turns, 1, insulatedDiameter(*next), set.shape.windowArea), 50.0);
    // ΔT from both losses in still air.
    EXPECT_NEAR(*a.losses.temperatureRise, a.losses.thermalResistance * a.totalLoss(), 1e-9);

    // The row designed again as an ordinary design gives the same figures.
    const Design again = design(set, adviceDesignInputs(a, r));
    const LossDesign lossesAgain = designLosses(set, &n87, again, r.peakCurrent, adviceLossInputs(a, r));
    EXPECT_EQ(again.alFringing, a.design.alFringing);
    EXPECT_EQ(lossesAgain.temperatureRise, a.losses.temperatureRise);
}

struct VerdictCase {
    const char* name;
    double inductance;  // µH
    double current;     // Î, A
    double maxRise;     // K
    Verdict verdict;
};

void PrintTo(const VerdictCase& c, std::ostream* os) { *os << c.name; }

const VerdictCase kVerdicts[] = {
    {"MeetsTheRequirement", 100, 2.3, 40, Verdict::Feasible},
    {"RunsTooHot", 100, 6, 1, Verdict::TooHot},
    // Tens of thousands of turns: not even the finest wire fits.
    {"WindingDoesNotFit", 1e10, 0.001, 1000, Verdict::WindowTooSmall},
    // 1000 µH at 10 A needs so many turns for the flux that no gap the core holds lowers AL enough.
    {"NoGapWithinTheCore", 1000, 10, 1000, Verdict::NoGap},
};

class AdvisorVerdicts : public testing::TestWithParam<VerdictCase> {};

TEST_P(AdvisorVerdicts, SayWhyACoreMisses)
{
    const VerdictCase& c = GetParam();
    Requirement r = buckInductor();
    r.inductance = c.inductance;
    r.peakCurrent = c.current;
    r.ripple = 0.0;
    r.maxTemperatureRise = c.maxRise;
    const CoreDescriptor& etd = *findCoreType("etd");
    const Advice a = adviseCore(etd, *findStandardCore(etd, "ETD34-Z"), *findMaterial("N87"), r);
    EXPECT_EQ(a.verdict, c.verdict) << verdictText(a, r, Language::English);
    EXPECT_EQ(verdictText(a, r, Language::Chinese).empty(), c.verdict == Verdict::Feasible);
}

INSTANTIATE_TEST_SUITE_P(Advisor, AdvisorVerdicts, testing::ValuesIn(kVerdicts),
                         [](const testing::TestParamInfo<VerdictCase>& info) { return std::string(info.param.name); });

TEST(Advisor, RanksTheFeasibleByVolumeLossOrMassAndTheRestAfter)
{
    const Material* materials[] = {findMaterial("N87"), findMaterial("N97")};
    for (const Ranking ranking : {Ranking::Volume, Ranking::Loss, Ranking::Mass}) {
        const std::vector<Advice> all = advise(coreTypes(), materials, buckInductor(), ranking);
        const auto firstMiss =
            std::find_if(all.begin(), all.end(), [](const Advice& a) { return a.verdict != Verdict::Feasible; });
        ASSERT_GT(firstMiss - all.begin(), 10);
        EXPECT_TRUE(std::all_of(firstMiss, all.end(), [](const Advice& a) { return a.verdict != Verdict::Feasible; }));
        const auto key = [ranking](const Advice& a) {
            return ranking == Ranking::Loss ? a.totalLoss() : ranking == Ranking::Mass ? *a.design.mass : a.design.ve;
        };
        EXPECT_TRUE(std::is_sorted(all.begin(), firstMiss,
                                   [&](const Advice& x, const Advice& y) { return key(x) < key(y); }));
    }
}

}  // namespace
}  // namespace ferricalc
