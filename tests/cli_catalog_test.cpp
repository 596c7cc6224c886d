#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/accuracy.hpp"
#include "cli/batch.hpp"
#include "cli/cli.hpp"
#include "cli/standard_core.hpp"
#include "cores/registry.hpp"

namespace ferricalc {
namespace {

// ETD 34 of the catalogue as the window computes it.
constexpr const char* kEtd34Results =
    "C1 0.81450\nC2 0.00839\nLe 79.07154mm\nAe 97.07986mm2\nVe 7676.25413mm3\n";
constexpr const char* kEtd34DataSheet = "datasheet Le 78.58mm Ae 97.1mm2 Ve 7630mm3\n";

struct StandardCoreCase {
    const char* name;
    std::vector<std::string_view> args;
    int status;
    std::string out;
    std::string errContains;
};

void PrintTo(const StandardCoreCase& c, std::ostream* os) { *os << c.name; }

class StandardCoreCommand : public testing::TestWithParam<StandardCoreCase> {};

TEST_P(StandardCoreCommand, TakesTheFieldsFromTheCatalogue)
{
    const StandardCoreCase& c = GetParam();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli(c.args, out, err), c.status);
    EXPECT_EQ(out.str(), c.out);
    if (c.errContains.empty())
        EXPECT_EQ(err.str(), "");
    else
        EXPECT_NE(err.str().find(c.errContains), std::string::npos) << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, StandardCoreCommand,
    testing::Values(
        StandardCoreCase{"CatalogueTextsWithDataSheetAndDeviations", {"etd", "--std", "ETD34-Z"}, 0,
                         std::string(kEtd34Results) + kEtd34DataSheet + "deviation Le +0.6% Ae 0.0% Ve +0.6%\n", ""},
        StandardCoreCase{"OptionMayComeFirstWithItsNameAfterAnEqualsSign", {"--std=ETD34-Z", "etd"}, 0,
                         std::string(kEtd34Results) + kEtd34DataSheet + "deviation Le +0.6% Ae 0.0% Ve +0.6%\n", ""},
        // Another D is another core: the data sheet no longer speaks for it.
        StandardCoreCase{"ALetterOverridesAndTheDeviationsGo", {"etd", "--std", "ETD34-Z", "D=11"}, 0,
                         "C1 0.80402\nC2 0.00818\nLe 79.02789mm\nAe 98.29095mm2\nVe 7767.72691mm3\n"
                             + std::string(kEtd34DataSheet),
                         ""},
        StandardCoreCase{"TheCataloguesOwnTextIsNoOverride", {"etd", "D=10.8", "--std", "ETD34-Z"}, 0,
                         std::string(kEtd34Results) + kEtd34DataSheet + "deviation Le +0.6% Ae 0.0% Ve +0.6%\n", ""},
        StandardCoreCase{"AFigureNotPublishedIsLeftOut", {"ui", "--std", "U 25/16/6 + I 25/6/6"}, 0,
                         "C1 1.55551\nC2 0.03771\nLe 64.16365mm\nAe 41.24927mm2\nVe 2646.70390mm3\n"
                         "datasheet Le 64.3mm Ae 40.3mm2\ndeviation Le -0.2% Ae +2.4%\n",
                         ""},
        StandardCoreCase{"NothingPublished", {"uy", "--std", "UR 42/21/12"}, 0,
                         "C1 1.02096\nC2 0.00911\nLe 114.41924mm\nAe 112.07025mm2\nVe 12822.99367mm3\ndatasheet none\n",
                         ""},
        StandardCoreCase{"AFailedOverrideKeepsTheDataSheetLine", {"etd", "--std", "ETD34-Z", "A=x"}, 1,
                         kEtd34DataSheet, "field A is not a number"},
        StandardCoreCase{"ANameOfSeveralCoresNamesThem", {"etd", "--std", "ETD 34"}, 2, "",
                         "'ETD 34 (TDK ETD34-Z)', 'ETD 34/17/11 (Ferroxcube)'"},
        StandardCoreCase{"UnknownName", {"ring", "--std", "ETD34-Z"}, 2, "", "no standard core 'ETD34-Z' in ring"},
        StandardCoreCase{"NoName", {"etd", "--std"}, 2, "", "--std needs the NAME"},
        StandardCoreCase{"NoCore", {"--std", "ETD34-Z"}, 2, "", "--std needs a CORE"},
        StandardCoreCase{"TwoNames", {"etd", "--std", "ETD34-Z", "--std=ETD 39"}, 2, "", "--std given twice"},
        StandardCoreCase{"NotWithABatch", {"--batch", "-", "--std", "ETD34-Z"}, 2, "", "'std' column"},
        StandardCoreCase{"ListOfOneCore", {"--std-list", "uyf"}, 0,
                         "uyf  UYF型  3 standard cores\n"
                         "  UR 35/27.5/13\n"
                         "  UR 39/35/15\n"
                         "  UR 48/39/17    Le 186mm  Ae 215mm2  Ve 39990mm3\n",
                         ""},
        StandardCoreCase{"ListOfAnUnknownCore", {"--std-list", "toroid"}, 2, "", "unknown core 'toroid'"},
        StandardCoreCase{"ListOfTwoCores", {"--std-list", "ring", "ee"}, 2, "", "at most one CORE"}),
    [](const testing::TestParamInfo<StandardCoreCase>& info) { return info.param.name; });

TEST(StandardCoreCommand, JsonCarriesTheDataSheetAndTheDeviations)
{
    const std::vector<std::string_view> args{"--json", "ui", "--std", "U 25/16/6 + I 25/6/6"};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runCli(args, out, err), 0);
    const std::string json = out.str();
    EXPECT_NE(json.find("\"std\":\"U 25/16/6 + I 25/6/6 (Magnetics)\",\"datasheet\":{\"Le\":64.3,\"Ae\":40.3,"
                        "\"Ve\":null},\"deviation\":{\"Le\":-0.2"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find(",\"Ve\":null},\"error\":null}"), std::string::npos) << json;
}

TEST(StandardCoreCommand, EveryListedCoreHasItsLine)
{
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runCli(std::vector<std::string_view>{"--std-list"}, out, err), 0);
    int lines = 0;
    for (const char c : out.str())
        lines += c == '\n' ? 1 : 0;
    // A title per window, a blank line between windows and a line per core.
    EXPECT_EQ(lines, 12 + 11 + 440);
}

TEST(StandardCoreBatch, AStdColumnFillsTheEmptyCellsAndAddsTheDataSheet)
{
    std::istringstream in(
        "core,std,A,D\n"
        "etd,ETD34-Z,,\n"
        "etd,ETD34-Z,,11\n"
        "ring,,10,\n"
        "etd,ETD 34,,\n"
        "ring,T 25/15/10 (Ferroxcube TX25/15/10),,\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBatch(in, out, err, {}), 1);
    EXPECT_EQ(out.str(),
              "core,std,A,D,C1,C2,Le,Ae,Ve,Le_datasheet,Ae_datasheet,Ve_datasheet,Le_deviation,Ae_deviation,"
              "Ve_deviation,error\n"
              "etd,ETD34-Z,,,0.81450,0.00839,79.07154mm,97.07986mm2,7676.25413mm3,78.58,97.1,7630,+0.6,0.0,+0.6,\n"
              "etd,ETD34-Z,,11,0.80402,0.00818,79.02789mm,98.29095mm2,7767.72691mm3,78.58,97.1,7630,,,,\n"
              "ring,,10,,,,,,,,,,,,,field B is empty\n"
              "etd,ETD 34,,,,,,,,,,,,,,\"column 2 (std): no standard core 'ETD 34' in etd; it is part of 2 names: "
              "'ETD 34 (TDK ETD34-Z)', 'ETD 34/17/11 (Ferroxcube)'\"\n"
              "ring,T 25/15/10 (Ferroxcube TX25/15/10),,,1.23001,0.02514,60.17998mm,48.92641mm2,2944.39031mm3,"
              "60.18,48.9,2943,0.0,+0.1,0.0,\n");
    EXPECT_NE(err.str().find("line 4: field B is empty"), std::string::npos) << err.str();
}

TEST(StandardCoreBatch, WithoutAStdColumnTheOutputIsUnchanged)
{
    std::istringstream in("core,A,B,h\nring,10,6,4\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBatch(in, out, err, {}), 0);
    EXPECT_EQ(out.str(),
              "core,A,B,h,C1,C2,Le,Ae,Ve,error\nring,10,6,4,3.07501,0.39281,24.07191mm,7.82824mm2,188.44062mm3,\n");
}

TEST(Accuracy, MedianAndWorstKeepTheirSigns)
{
    const std::string_view names[] = {"a", "b", "c", "d"};
    const double odd[] = {2.0, -5.0, 1.0};
    DeviationSummary summary = summarize(odd, std::span(names).first(3));
    EXPECT_EQ(summary.count, 3);
    EXPECT_DOUBLE_EQ(summary.median, 1.0);
    EXPECT_DOUBLE_EQ(summary.worst, -5.0);
    EXPECT_EQ(summary.worstCore, "b");

    // An even count takes the mean of the middle two; of equally large deviations the first is the worst.
    const double even[] = {3.0, -1.0, -3.0, 2.0};
    summary = summarize(even, names);
    EXPECT_DOUBLE_EQ(summary.median, 0.5);
    EXPECT_DOUBLE_EQ(summary.worst, 3.0);
    EXPECT_EQ(summary.worstCore, "a");

    EXPECT_EQ(summarize({}, {}).count, 0);
}

TEST(Accuracy, SetsTheDisplayedValuesAgainstThePublishedFigures)
{
    // Ring 10/6/4 shows Le 24.07191mm, Ae 7.82824mm2 and Ve 188.44062mm3.
    constexpr std::string_view kRing10[] = {"10", "6", "4", "0", "0", "0"};
    constexpr std::string_view kFlat[] = {"10", "10", "4", "0", "0", "0"};
    const StandardCore cores[] = {
        {"published Le and Ae", kRing10, {24.0, 8.0, {}}, ""},
        {"nothing published", kRing10, {}, ""},
        {"published Ve", kRing10, {{}, {}, 200.0}, ""},
        {"cannot calculate", kFlat, {24.0, {}, {}}, ""},
    };
    const WindowAccuracy accuracy = measureAccuracy(*findCoreType("ring"), cores);
    EXPECT_EQ(accuracy.published, 3);
    ASSERT_EQ(accuracy.failed.size(), 1U);
    EXPECT_EQ(accuracy.failed.front()->name, "cannot calculate");
    ASSERT_EQ(accuracy.cores.size(), 2U);

    EXPECT_EQ(accuracy.quantities[0].count, 1);
    EXPECT_NEAR(accuracy.quantities[0].median, (24.07191 - 24.0) / 24.0 * 100.0, 1e-9);
    EXPECT_NEAR(accuracy.quantities[1].worst, (7.82824 - 8.0) / 8.0 * 100.0, 1e-9);
    EXPECT_NEAR(accuracy.quantities[2].worst, (188.44062 - 200.0) / 200.0 * 100.0, 1e-9);
    EXPECT_EQ(accuracy.quantities[2].worstCore, "published Ve");

    std::ostringstream table;
    writeAccuracyTable(table, std::span(&accuracy, 1));
    EXPECT_EQ(table.str(),
              "| Window | Cores | Le median | Le worst | Ae median | Ae worst | Ve median | Ve worst |\n"
              "|---|---:|---:|---:|---:|---:|---:|---:|\n"
              "| ring | 3 | +0.3 % | +0.3 % (1) | -2.1 % | -2.1 % (1) | -5.8 % | -5.8 % (1) |\n"
              "\nring: cannot calculate does not calculate\n");
}

TEST(Accuracy, EveryCatalogueCoreWithPublishedFiguresIsMeasured)
{
    int published = 0;
    for (const WindowAccuracy& window : measureCatalogue()) {
        EXPECT_TRUE(window.failed.empty()) << window.window->name;
        published += window.published;
    }
    EXPECT_EQ(published, 247);
}

}  // namespace
}  // namespace ferricalc
