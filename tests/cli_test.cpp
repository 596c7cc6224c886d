#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cores/registry.hpp"

namespace ferricalc {
namespace {

struct CliCase {
    const char* name;
    std::vector<std::string_view> args;
    int status;
    std::string out;
    std::string errContains;
};

void PrintTo(const CliCase& c, std::ostream* os) { *os << c.name; }

class CommandLine : public testing::TestWithParam<CliCase> {};

TEST_P(CommandLine, PrintsWhatTheWindowShows)
{
    const CliCase& c = GetParam();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli(c.args, out, err), c.status);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_NE(err.str().find(c.errContains), std::string::npos) << err.str();
    if (c.errContains.empty()) {
        EXPECT_EQ(err.str(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ring, CommandLine,
    testing::Values(
        CliCase{"PlainRing", {"ring", "A=10", "B=6", "h=4"}, 0,
                "C1 3.07501\nC2 0.39281\nLe 24.07191mm\nAe 7.82824mm2\nVe 188.44062mm3\n", ""},
        CliCase{"ArgumentsInAnyOrder", {"ring", "h=10", "r3=0.5", "B=15", "A=25"}, 0,
                "C1 1.23265\nC2 0.02525\nLe 60.17529mm\nAe 48.81782mm2\nVe 2937.62649mm3\n", ""},
        CliCase{"SmallValuesHaveNoIntegerDigit", {"ring", "A=2", "B=1.4", "h=1"}, 0,
                "C1 17.61600\nC2 59.34515\nLe 5.22913mm\nAe .29684mm2\nVe 1.55221mm3\n", ""},
        CliCase{"EmptyTextIsAnEmptyField", {"ring", "A=", "B=6", "h=4"}, 1, "", "field A is empty"},
        CliCase{"BlanksAreAnEmptyField", {"ring", "A= \u3000\t", "B=6", "h=4"}, 1, "", "field A is empty"},
        CliCase{"BlanksAroundAGapAreNotEmpty", {"ring", "A=1 0", "B=6", "h=4"}, 1, "", "field A is not a number"},
        CliCase{"MissingBlankFieldStaysEmpty", {"ring", "A=10", "B=6"}, 1, "", "field h is empty"},
        CliCase{"ArithmeticFailure", {"ring", "A=10", "B=10", "h=4"}, 1, "", "division by zero"},
        CliCase{"PrintsWhatWasWrittenBeforeTheFailure", {"ring", "A=1000", "B=600", "h=200"}, 1,
                "C1 0.06150\nC2 0.00000\n", "C2 shows as zero"},
        // Advisories go to stderr; the results and the exit status stay as they were.
        CliCase{"DisplayTooCoarseForLeAeVe", {"ring", "A=500", "B=300", "h=100"}, 0,
                "C1 0.12300\nC2 0.00001\nLe 1512.90000mm\nAe 12300.00000mm2\nVe 18608670.00000mm3\n",
                "ferricalc-cli: C2 is shown with too few digits for Le, Ae and Ve: from the unrounded C1 and C2, "
                "Le = 1203.60451 mm, Ae = 9785.35561 mm2, Ve = 11777698.15112 mm3\n"},
        CliCase{"InsideOutRingKeepsItsNegativeResults", {"ring", "A=6", "B=10", "h=4"}, 0,
                "C1 -3.07501\nC2 0.39281\nLe 24.07191mm\nAe -7.82824mm2\nVe -188.44062mm3\n",
                "ferricalc-cli: implausible dimensions: B should be less than A\n"},
        CliCase{"UnknownCore", {"toroid", "A=1"}, 2, "", "unknown core 'toroid'"},
        CliCase{"UnknownLetter", {"ring", "H=4"}, 2, "", "has no letter 'H'"},
        CliCase{"NotLetterEqualsText", {"ring", "A10"}, 2, "", "expected LETTER=TEXT"},
        CliCase{"LetterTwice", {"ring", "A=1", "A=2"}, 2, "", "given twice"},
        CliCase{"NoArguments", {}, 2, "", "no core given"}),
    [](const testing::TestParamInfo<CliCase>& info) { return info.param.name; });

constexpr const char* kPlainRingJson =
    "{\"core\":\"ring\",\"fields\":{\"A\":\"10\",\"B\":\"6\",\"h\":\"4\",\"r3\":\"0\",\"a\":\"0\",\"b\":\"0\"},"
    "\"texts\":{\"C1\":\"3.07501\",\"C2\":\"0.39281\",\"Le\":\"24.07191mm\",\"Ae\":\"7.82824mm2\",\"Ve\":\"188.44062mm3\"},"
    "\"values\":{\"C1\":3.07501,\"C2\":0.39281,\"Le\":24.07191,\"Ae\":7.82824,\"Ve\":188.44062},\"error\":null}\n";

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLine,
    testing::Values(
        CliCase{"JsonForOneCalculation", {"--json", "ring", "A=10", "B=6", "h=4"}, 0, kPlainRingJson, ""},
        CliCase{"OptionsMayFollowTheLetters", {"ring", "A=10", "B=6", "h=4", "--json"}, 0, kPlainRingJson, ""},
        CliCase{"JsonKeepsWhatWasWrittenBeforeTheFailure", {"--json", "ring", "A=1000", "B=600", "h=200"}, 1,
                "{\"core\":\"ring\",\"fields\":{\"A\":\"1000\",\"B\":\"600\",\"h\":\"200\",\"r3\":\"0\",\"a\":\"0\","
                "\"b\":\"0\"},\"texts\":{\"C1\":\"0.06150\",\"C2\":\"0.00000\",\"Le\":null,\"Ae\":null,\"Ve\":null},"
                "\"values\":{\"C1\":0.0615,\"C2\":0,\"Le\":null,\"Ae\":null,\"Ve\":null},\"error\":\"division by zero: C2 "
                "shows as zero, so Le, Ae and Ve cannot be derived from it\"}\n",
                "C2 shows as zero"},
        CliCase{"JsonEscapesTheTextsItEchoes", {"--json", "ring", "A=1\"0", "B=6", "h=4"}, 1,
                "{\"core\":\"ring\",\"fields\":{\"A\":\"1\\\"0\",\"B\":\"6\",\"h\":\"4\",\"r3\":\"0\",\"a\":\"0\",\"b\":"
                "\"0\"},\"texts\":{\"C1\":null,\"C2\":null,\"Le\":null,\"Ae\":null,\"Ve\":null},\"values\":{\"C1\":null,"
                "\"C2\":null,\"Le\":null,\"Ae\":null,\"Ve\":null},\"error\":\"field A is not a number\"}\n",
                "field A is not a number"},
        CliCase{"CoreNameInAnyLetterCase", {"Ring", "A=10", "B=6", "h=4"}, 0,
                "C1 3.07501\nC2 0.39281\nLe 24.07191mm\nAe 7.82824mm2\nVe 188.44062mm3\n", ""},
        CliCase{"UnknownOption", {"--fast", "ring", "A=1"}, 2, "", "unknown option '--fast'"},
        CliCase{"BatchNeedsAFile", {"--batch"}, 2, "", "--batch needs a FILE"},
        CliCase{"BatchTakesNoCoreArguments", {"--batch", "cores.csv", "ring", "A=1"}, 2, "", "not 'ring'"},
        CliCase{"BatchFileThatCannotBeOpened", {"--batch", "/nonexistent/cores.csv"}, 2, "",
                "cannot open '/nonexistent/cores.csv'"}),
    [](const testing::TestParamInfo<CliCase>& info) { return info.param.name; });

constexpr const char* kEtd34 =
    "C1 0.81450\nC2 0.00839\nLe 79.07154mm\nAe 97.07986mm2\nVe 7676.25413mm3\n"
    "datasheet Le 78.58mm Ae 97.1mm2 Ve 7630mm3\ndeviation Le +0.6% Ae 0.0% Ve +0.6%\n";
constexpr const char* kEtd34Set = "Amin 91.61 mm2\nAw 187.55 mm2\nAp 18211.75 mm4\n";
constexpr const char* kRing = "C1 3.07501\nC2 0.39281\nLe 24.07191mm\nAe 7.82824mm2\nVe 188.44062mm3\n"
                              "Amin 8.00 mm2\nAw 28.27 mm2\nAp 221.34 mm4\n";

// The design's lines follow the results; the figures themselves are checked in design_test.
INSTANTIATE_TEST_SUITE_P(
    Design, CommandLine,
    testing::Values(
        CliCase{"MaterialGapTurnsAndCurrent",
                {"etd", "--std", "ETD34-Z", "--material", "N87", "--gap", "0.5", "--turns", "20", "--current", "2"}, 0,
                std::string(kEtd34) + kEtd34Set
                    + "mass 37.248 g\nmu_e 170.9\nAL 263.7 nH\nAL_nofringing 212.5 nH\nAL_ideal 3394.2 nH\nresidual_gap 0.0040 mm\nL 105.490 uH\nN 20\n"
                      "B 108.6 mT\nB_Amin 115.2 mT\nB_Amin_of_Bsat 29.5 %\nB_max 115.2 mT\nB_max_of_Bsat 29.5 %\n"
                      "I_sat 6.774 A\nenergy 210.980 uJ\n",
                ""},
        CliCase{"TurnsFoundForAnInductance", {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--inductance", "10"}, 0,
                std::string(kRing) + "mu_e 2000.0\nAL 817.3 nH\nAL_nofringing 817.3 nH\nAL_ideal 817.3 nH\nresidual_gap 0.0000 mm\nL 13.077 uH\nN 4\n", ""},
        CliCase{"MaterialWithDensityGivesTheMass", {"ring", "A=10", "B=6", "h=4", "--material=pc200"}, 0,
                std::string(kRing) + "mass 0.914 g\nmu_e 800.0\nAL 326.9 nH\nAL_nofringing 326.9 nH\nAL_ideal 326.9 nH\nresidual_gap 0.0000 mm\n", ""},
        CliCase{"GapForATargetAl", {"etd", "--std", "ETD34-Z", "--mu-i", "2000", "--target-al", "250"}, 0,
                std::string(kEtd34) + kEtd34Set + "mu_e 1651.5\nAL 2548.0 nH\nAL_nofringing 2545.4 nH\nAL_ideal 3085.7 nH\nresidual_gap 0.0040 mm\n"
                                                 "gap 0.532 mm\n",
                ""},
        CliCase{"NoGapReachesAnAlAboveTheUngappedOne",
                {"etd", "--std", "ETD34-Z", "--mu-i", "2000", "--target-al", "5000"}, 1,
                std::string(kEtd34) + kEtd34Set + "mu_e 1651.5\nAL 2548.0 nH\nAL_nofringing 2545.4 nH\nAL_ideal 3085.7 nH\nresidual_gap 0.0040 mm\n"
                                                 "gap none\n",
                "no gap reaches AL 5000.0 nH: the set without a gap gives 2548.0 nH"},
        // A ring's flux density peaks at its inner radius: 88 % of Bsat on Ae is 113 % there.
        CliCase{"RingSaturatesAtItsInnerRadius",
                {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--turns", "3", "--current", "1"}, 0,
                std::string(kRing)
                    + "mass 0.914 g\nmu_e 2200.0\nAL 899.1 nH\nAL_nofringing 899.1 nH\nAL_ideal 899.1 nH\nresidual_gap 0.0000 mm\nL 8.091 uH\nN 3\n"
                      "B 344.5 mT\nB_Amin 337.1 mT\nB_Amin_of_Bsat 86.4 %\nB_max 440.0 mT\nB_max_of_Bsat 112.8 %\n"
                      "I_sat 0.886 A\nenergy 4.046 uJ\n",
                "warning: B_max 440.0 mT is 112.8 % of Bsat at 100 °C (390 mT): the core saturates"},
        CliCase{"SaturationIsAdvisedOnTheErrorStream",
                {"etd", "--std", "ETD34-Z", "--material", "N87", "--gap", "0.5", "--turns", "20", "--current", "5.5"},
                0,
                std::string(kEtd34) + kEtd34Set
                    + "mass 37.248 g\nmu_e 170.9\nAL 263.7 nH\nAL_nofringing 212.5 nH\nAL_ideal 3394.2 nH\nresidual_gap 0.0040 mm\nL 105.490 uH\nN 20\n"
                      "B 298.8 mT\nB_Amin 316.7 mT\nB_Amin_of_Bsat 81.2 %\nB_max 316.7 mT\nB_max_of_Bsat 81.2 %\n"
                      "I_sat 6.774 A\nenergy 1595.535 uJ\n",
                "advisory: B_max 316.7 mT is 81.2 % of Bsat at 100 °C (390 mT)"},
        CliCase{"SaturationUncheckedWithoutBsat",
                {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--turns", "2", "--current", "1"}, 0,
                std::string(kRing)
                    + "mu_e 2000.0\nAL 817.3 nH\nAL_nofringing 817.3 nH\nAL_ideal 817.3 nH\nresidual_gap 0.0000 mm\nL 3.269 uH\nN 2\nB 208.8 mT\n"
                      "B_Amin 204.3 mT\nB_max 266.7 mT\nenergy 1.635 uJ\n",
                "saturation not checked: the material's Bsat is unknown"},
        CliCase{"InductanceFarBelowOneTurnsIsNamed",
                {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--inductance", "0.001"}, 0,
                std::string(kRing) + "mu_e 2000.0\nAL 817.3 nH\nAL_nofringing 817.3 nH\nAL_ideal 817.3 nH\nresidual_gap 0.0000 mm\nL 0.817 uH\nN 1\n",
                "advisory: the wanted inductance is far below one turn's (0.817 uH)"},
        CliCase{"GapLongerThanTheRingIsRefused", {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--gap", "1e9"}, 2,
                "", "--gap '1000000000': must not exceed the inner circumference 18.850 mm of this core"},
        CliCase{"GapLongerThanTheWindowIsRefused",
                {"etd", "--std", "ETD34-Z", "--mu-i", "2000", "--gap", "30"}, 2, "",
                "--gap '30': must not exceed the window height 24.200 mm of this core"},
        CliCase{"TargetAlOnlyAnImpossibleGapReaches",
                {"etd", "--std", "ETD34-Z", "--mu-i", "2000", "--target-al", "1"}, 1,
                std::string(kEtd34) + kEtd34Set + "mu_e 1651.5\nAL 2548.0 nH\nAL_nofringing 2545.4 nH\nAL_ideal 3085.7 nH\nresidual_gap 0.0040 mm\n"
                                                 "gap none\n",
                "no gap reaches AL 1.0 nH: the longest gap the core holds, 24.200 mm, gives 14.0 nH"},
        CliCase{"TurnsBeyondTheWindowsLimit", {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--turns", "1e12"}, 2,
                "", "--turns '1e12': must not exceed 100000"},
        CliCase{"NegativeGap", {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--gap", "-0.1"}, 2, "",
                "--gap '-0.1': the gap must not be negative"},
        CliCase{"ZeroTurns", {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--turns", "0"}, 2, "",
                "--turns '0': the turns must be at least 1"},
        CliCase{"MuBelowOne", {"ring", "A=10", "B=6", "h=4", "--mu-i", "0.5"}, 2, "",
                "--mu-i '0.5': mu_i must be at least 1"},
        CliCase{"ValueThatIsNotANumber", {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--current", "2A"}, 2, "",
                "--current '2A': not a number"},
        CliCase{"UnknownMaterial", {"ring", "A=10", "B=6", "h=4", "--material", "N99"}, 2, "",
                "--material 'N99': no such material (--materials lists them)"},
        CliCase{"GapPlaceIsCentreOrAll", {"ring", "A=10", "B=6", "h=4", "--mu-i", "9", "--gap-in", "outer"}, 2, "",
                "--gap-in 'outer': the gap is in the 'centre' post or in 'all' legs"},
        CliCase{"DesignNeedsAPermeability", {"ring", "A=10", "B=6", "h=4", "--gap", "0.1"}, 2, "",
                "--gap needs --mu-i or --material"},
        CliCase{"CurrentNeedsTurns", {"ring", "A=10", "B=6", "h=4", "--mu-i", "9", "--current", "1"}, 2, "",
                "--current needs --turns or --inductance"},
        CliCase{"TurnsOrInductanceNotBoth",
                {"ring", "A=10", "B=6", "h=4", "--mu-i", "9", "--turns", "3", "--inductance", "1"}, 2, "",
                "--turns and --inductance: give one of them"},
        CliCase{"OptionGivenTwice", {"ring", "A=10", "B=6", "h=4", "--mu-i", "9", "--mu-i=10"}, 2, "",
                "--mu-i given twice"},
        CliCase{"OptionWithoutValue", {"ring", "A=10", "B=6", "h=4", "--mu-i"}, 2, "", "--mu-i needs a value"},
        CliCase{"BatchTakesTheDesignInColumns", {"--batch", "cores.csv", "--gap", "0.1"}, 2, "",
                "--gap: in a batch, give the design in columns"},
        // A core that does not calculate has no design: the calculation's failure is reported.
        CliCase{"NoDesignForACoreThatFails", {"ring", "A=10", "B=10", "h=4", "--mu-i", "2000"}, 1, "",
                "division by zero"}),
    [](const testing::TestParamInfo<CliCase>& info) { return info.param.name; });

// The losses follow the design's lines (the README quotes the first case). By hand for the triangle: B_ac = AL·N·ΔI/(2·Ae)
// = 263.7·20·1/(2·97.08) = 27.2 mT; R_dc = ρ(100 °C)·N·MLT/(2·π·0.5²/4) = 0.022662·1.1656/0.3927
// = 67.26 mΩ; P_cu = ((2 − 0.5)² + 1²/12)·R_dc = 0.157 W; Rth = 53·7.676^−0.54 = 17.6 K/W.
constexpr const char* kEtd34N87Design =
    "mass 37.248 g\nmu_e 170.9\nAL 263.7 nH\nAL_nofringing 212.5 nH\nAL_ideal 3394.2 nH\nresidual_gap 0.0040 mm\nL 105.490 uH\nN 20\n"
    "B 108.6 mT\nB_Amin 115.2 mT\nB_Amin_of_Bsat 29.5 %\nB_max 115.2 mT\nB_max_of_Bsat 29.5 %\n"
    "I_sat 6.774 A\nenergy 210.980 uJ\n";
constexpr const char* kRingCustomDesign =
    "mu_e 2000.0\nAL 817.3 nH\nAL_nofringing 817.3 nH\nAL_ideal 817.3 nH\nresidual_gap 0.0000 mm\nL 81.732 uH\nN 10\nB 1044.1 mT\n"
    "B_Amin 1021.7 mT\nB_max 1333.3 mT\nenergy 40.866 uJ\n";
constexpr const char* kRingN87 = "mass 0.914 g\nmu_e 2200.0\nAL 899.1 nH\nAL_nofringing 899.1 nH\nAL_ideal 899.1 nH\nresidual_gap 0.0000 mm\n";

INSTANTIATE_TEST_SUITE_P(
    Losses, CommandLine,
    testing::Values(
        CliCase{"TriangleRippleOnAStrandedWinding",
                {"etd", "--std", "ETD34-Z", "--material", "N87", "--gap", "0.5", "--turns", "20", "--current", "2",
                 "--frequency", "100k", "--waveform", "triangle", "--ripple", "1", "--wire", "0.5", "--strands", "2"},
                0,
                std::string(kEtd34) + kEtd34Set + kEtd34N87Design
                    + "B_ac 27.2 mT\nPv 1.59 kW/m3\nP_core 0.012 W\nMLT 58.28 mm\nR_dc 67.26 mOhm\nP_cu 0.157 W\n"
                      "fill 6.3 %\nRth 17.6 K/W\ndT 3.0 K\n",
                ""},
        // B_ac given: Pv and the core loss without turns; ΔT counts the core loss alone.
        CliCase{"FluxDensityGivesTheCoreLossWithoutTurns",
                {"etd", "--std", "ETD34-Z", "--material", "N87", "--frequency", "100k", "--b-ac", "100"}, 0,
                std::string(kEtd34) + kEtd34Set
                    + "mass 37.248 g\nmu_e 1785.6\nAL 2754.8 nH\nAL_nofringing 2751.8 nH\nAL_ideal 3394.2 nH\nresidual_gap 0.0040 mm\n"
                      "B_ac 100.0 mT\nPv 55.10 kW/m3\nP_core 0.423 W\nMLT 58.28 mm\nRth 17.6 K/W\ndT 7.5 K\n",
                "advisory: dT leaves out the copper loss (no current or wire)"},
        // R_dc at 20 °C: (1/58)·10·21.42 mm/(π·0.3²/4) = 52.26 mΩ, P_cu = 1²·R_dc.
        CliCase{"WireAtTwentyDegreesGivesTheCopperLossAlone",
                {"ring", "A=10", "B=6", "h=4", "--mu-i", "2000", "--turns", "10", "--current", "1", "--wire", "0.3",
                 "--temperature", "20"},
                0,
                std::string(kRing) + kRingCustomDesign
                    + "MLT 21.42 mm\nR_dc 52.26 mOhm\nP_cu 0.052 W\nfill 3.9 %\nRth 130.5 K/W\ndT 6.8 K\n",
                "advisory: dT leaves out the core loss"},
        CliCase{"LossFactorOnlyGivesNoCoreLoss",
                {"ring", "A=10", "B=6", "h=4", "--material", "T37", "--frequency", "100k", "--b-ac", "50"}, 0,
                std::string(kRing)
                    + "mass 0.923 g\nmu_e 6500.0\nAL 2656.3 nH\nAL_nofringing 2656.3 nH\nAL_ideal 2656.3 nH\nresidual_gap 0.0000 mm\n"
                      "B_ac 50.0 mT\nMLT 21.42 mm\nRth 130.5 K/W\n",
                "advisory: losses are not available for this material (small-signal loss factor only)"},
        CliCase{"OutsideTheFitIsAdvised",
                {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--frequency", "5M", "--b-ac", "5"}, 0,
                std::string(kRing) + kRingN87
                    + "B_ac 5.0 mT\nPv 6.17 kW/m3\nP_core 0.001 W\nMLT 21.42 mm\nRth 130.5 K/W\ndT 0.2 K\n",
                "advisory: the frequency is above the loss fit's range; B_ac is below 10 mT"},
        CliCase{"FrequencyOfZero", {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--frequency", "0"}, 2, "",
                "--frequency '0': the frequency must be above 0 and at most 10 GHz"},
        CliCase{"FrequencyInMillihertzIsNoNumber",
                {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--frequency", "5m"}, 2, "",
                "--frequency '5m': not a number"},
        CliCase{"UnknownWaveform", {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--waveform", "square"}, 2, "",
                "--waveform 'square': the waveform is 'sine' or 'triangle'"},
        CliCase{"DutyOfOne",
                {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--waveform", "triangle", "--duty", "1"}, 2, "",
                "--duty '1': the duty must lie between 0 and 1"},
        CliCase{"DutyNeedsATriangle", {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--duty", "0.3"}, 2, "",
                "--duty needs --waveform triangle"},
        CliCase{"RippleNeedsTurns", {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--ripple", "1"}, 2, "",
                "--ripple needs --turns or --inductance"},
        CliCase{"RippleAboveTwiceThePeak",
                {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--turns", "3", "--current", "1", "--ripple", "3"}, 2,
                "", "--ripple '3': the ripple must not exceed twice the peak current"},
        CliCase{"RippleOrFluxDensityNotBoth",
                {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--turns", "3", "--ripple", "1", "--b-ac", "50"},
                2, "", "--ripple and --b-ac: give one of them"},
        CliCase{"FluxDensityOfZero", {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--b-ac", "0"}, 2, "",
                "--b-ac '0': B_ac must be above 0"},
        CliCase{"TemperatureTooHot", {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--temperature", "300"}, 2,
                "", "--temperature '300': the temperature must lie between -55 and 250 C"},
        CliCase{"WireOfZero", {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--turns", "3", "--wire", "0"}, 2,
                "", "--wire '0': the wire diameter must be above 0 and at most 100 mm"},
        CliCase{"HalfAStrand",
                {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--turns", "3", "--wire", "0.2", "--strands", "1.5"},
                2, "", "--strands '1.5': the strands must be a whole number of 1 or more"},
        CliCase{"StrandsNeedAWire", {"ring", "A=10", "B=6", "h=4", "--material", "N87", "--strands", "2"}, 2, "",
                "--strands needs --wire"},
        CliCase{"LossesNeedAMaterial", {"ring", "A=10", "B=6", "h=4", "--frequency", "100k"}, 2, "",
                "--frequency needs --mu-i or --material"}),
    [](const testing::TestParamInfo<CliCase>& info) { return info.param.name; });

TEST(CommandLineMaterials, ListsEveryMaterialWithItsFigures)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args{"--materials"};
    EXPECT_EQ(runCli(args, out, err), 0);
    // With the Curie temperature, what the loss rests on (a ? where the fit strays) and the doubts.
    for (const char* row : {
             "N87     TDK           MnZn  2200   490mT     390mT      4850kg/m3     210C   ours         -\n",
             "K8      TDK           NiZn  860    340mT     240mT      -             -      none         -\n",
             "T38     TDK           MnZn  9898   424.8mT   261.4mT    4950kg/m3     130C   loss-factor  mu_i read off a curve\n",
             "PC200   TDK           MnZn  800    496.44mT  418.59mT   4850kg/m3     280C   published?   one loss fit",
         })
        EXPECT_NE(out.str().find(row), std::string::npos) << row << out.str();
}

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

RunResult run(std::vector<std::string_view> args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::vector<std::string>> wordsOfLines(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream input(text);
    std::string line;
    while (std::getline(input, line)) {
        std::istringstream words(line);
        auto& row = lines.emplace_back();
        for (std::string word; words >> word;)
            row.push_back(word);
    }
    return lines;
}

TEST(CommandLineExact, PrintsTheUnroundedValuesBesideTheShownOnes)
{
    // The rounded C2 = 0.00157 moves Le, Ae and Ve of this large ring from the fourth digit on.
    const RunResult shown = run({"ring", "A=100", "B=60", "h=20"});
    const RunResult exact = run({"--exact", "ring", "A=100", "B=60", "h=20"});
    ASSERT_EQ(exact.status, 0) << exact.err;
    const auto shownLines = wordsOfLines(shown.out);
    const auto exactLines = wordsOfLines(exact.out);
    ASSERT_EQ(exactLines.size(), 5u);
    const double expected[] = {0.6150029, 0.00157123, 240.721, 391.414, 94221.6};
    for (std::size_t i = 0; i < exactLines.size(); ++i) {
        ASSERT_EQ(exactLines[i].size(), 3u) << exact.out;
        EXPECT_EQ(exactLines[i][0], shownLines[i][0]);
        EXPECT_EQ(exactLines[i][1], shownLines[i][1]);
        EXPECT_NEAR(std::stod(exactLines[i][2]), expected[i], expected[i] * 1e-5) << exactLines[i][0];
    }
}

TEST(CommandLineExact, DerivesFromTheUnroundedC2WhereTheShownOneIsZero)
{
    const RunResult exact = run({"--exact", "ring", "A=1000", "B=600", "h=200"});
    EXPECT_EQ(exact.status, 1);
    EXPECT_NE(exact.err.find("C2 shows as zero"), std::string::npos) << exact.err;
    const auto lines = wordsOfLines(exact.out);
    ASSERT_EQ(lines.size(), 5u) << exact.out;
    EXPECT_EQ(lines[1][1], "0.00000");
    EXPECT_EQ(lines[2][1], "-");  // the window writes no Le
    EXPECT_NEAR(std::stod(lines[2][2]), 2407.209, 0.01);
}

TEST(CommandLineExact, ShortestRoundTripForm)
{
    // Each exact value is the shortest text that reads back as the very double computed.
    const RunResult exact = run({"--exact", "ring", "A=25", "B=15", "h=10", "r3=0.5"});
    const auto lines = wordsOfLines(exact.out);
    ASSERT_EQ(lines.size(), 5u);
    for (const auto& line : lines) {
        const std::string& text = line[2];
        double value = 0.0;
        ASSERT_EQ(std::from_chars(text.data(), text.data() + text.size(), value).ec, std::errc()) << text;
        char again[32];
        const auto end = std::to_chars(again, again + sizeof again, value).ptr;
        EXPECT_EQ(std::string(again, end), text);
    }
}

TEST(CommandLineUsage, AnswersWithTheReasonAndAPointerToHelp)
{
    const std::vector<std::vector<std::string_view>> mistakes{
        {}, {"toroid"}, {"ring", "H=4"}, {"--fast", "ring"}, {"etd", "--std", "ETD 34"}, {"--batch"}};
    for (const auto& args : mistakes) {
        const RunResult result = run(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        // One line of reason, then the pointer to --help.
        const std::string_view pointer = "Try 'ferricalc-cli --help' for more information.\n";
        const std::string_view err = result.err;
        EXPECT_TRUE(err.starts_with("ferricalc-cli: ") && err.ends_with(pointer)
                    && err.find('\n') == err.size() - pointer.size() - 1)
            << result.err;
    }
}

TEST(CommandLineVersion, IsTheProjectVersion)
{
    const RunResult version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "ferricalc-cli " FERRICALC_VERSION "\n");
}

TEST(CommandLineList, ShowsEveryCoreWithItsFieldsInChainOrder)
{
    const RunResult list = run({"--list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("ring  环型  window \"H\"\n"
                            "  A   empty  外径\n"
                            "  B   empty  内径\n"
                            "  h   empty  高度（轴向厚度）\n"
                            "  r3  0      截面棱边的倒圆半径\n"
                            "  a   0      一侧斜面的倾角（弧度）\n"
                            "  b   0      另一侧斜面的倾角（弧度）\n"),
              std::string::npos)
        << list.out;
    for (const CoreDescriptor* core : coreTypes()) {
        const std::string heading = std::string(core->name) + "  " + std::string(core->optionCaption) + "  "
                                    + (core->available() ? "window \"" + std::string(core->caption) + "\"\n"
                                                         : std::string("(not built into this version)\n"));
        EXPECT_NE(list.out.find(heading), std::string::npos) << heading;
    }
}

TEST(CommandLineHelp, ListsTheCoresAndTheirLetters)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string_view> args{"--help"};
    EXPECT_EQ(runCli(args, out, err), 0);
    EXPECT_NE(out.str().find("ring   A B h r3* a* b*"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace ferricalc
