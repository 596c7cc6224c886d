// ferricalc-cli --advise: each row designed again as an ordinary design gives
// the row's figures; the requirement's usage errors; no feasible core.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

namespace ferricalc {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun cli(std::vector<std::string> args)
{
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(views, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> csvCells(const std::string& line)
{
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted) {
            cells.push_back(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.push_back(cell);
    return cells;
}

// The value of a line "NAME VALUE UNIT" of a design's output.
std::string lineValue(const std::string& out, const std::string& name)
{
    const std::size_t at = out.find("\n" + name + " ");
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + name.size() + 2;
    return out.substr(start, out.find_first_of(" \n", start) - start);
}

TEST(CommandLineAdvise, EveryRowDesignedAgainGivesItsFigures)
{
    const std::vector<std::string> requirement{"--inductance", "100", "--current", "2.3", "--ripple", "0.6",
                                               "--frequency", "100k"};
    std::vector<std::string> args{"--advise", "--material", "N87,3C95", "--top", "4", "--csv"};
    args.insert(args.end(), requirement.begin(), requirement.end());
    const CliRun advised = cli(args);
    ASSERT_EQ(advised.status, 0) << advised.err;
    std::istringstream lines(advised.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "rank,core,family,material,gap_mm,N,wire_mm,B_mT,B_share_pct,P_core_W,P_cu_W,dT_K,Ve_mm3");
    int rows = 0;
    while (std::getline(lines, line)) {
        ++rows;
        const std::vector<std::string> c = csvCells(line);
        ASSERT_EQ(c.size(), 13u) << line;
        // The inductance is the turns' now.
        const std::vector<std::string> design{c[2],      "--std",    c[1], "--material",  c[3], "--gap",
                                              c[4],      "--turns",  c[5], "--wire",      c[6], "--waveform",
                                              "triangle", "--current", "2.3", "--ripple", "0.6", "--frequency",
                                              "100k"};
        const CliRun again = cli(design);
        ASSERT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(lineValue(again.out, "B_max"), c[7]) << line;
        EXPECT_EQ(lineValue(again.out, "P_core"), c[9]) << line;
        EXPECT_EQ(lineValue(again.out, "P_cu"), c[10]) << line;
        EXPECT_EQ(lineValue(again.out, "dT"), c[11]) << line;
    }
    EXPECT_EQ(rows, 4);
}

struct AdviseCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    const char* errContains;
};

void PrintTo(const AdviseCase& c, std::ostream* os) { *os << c.name; }

const std::vector<std::string> kBuck{"--advise", "--inductance", "100", "--current", "2.3", "--frequency", "100k"};

std::vector<std::string> buck(std::vector<std::string> more)
{
    more.insert(more.begin(), kBuck.begin(), kBuck.end());
    return more;
}

class CommandLineAdviseRefusals : public testing::TestWithParam<AdviseCase> {};

TEST_P(CommandLineAdviseRefusals, SayWhy)
{
    const AdviseCase& c = GetParam();
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.status);
    EXPECT_NE(run.err.find(c.errContains), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Advise, CommandLineAdviseRefusals,
    testing::Values(AdviseCase{"NeedsTheFrequency", {"--advise", "--inductance", "100", "--current", "2"}, 2,
                               "--advise needs --frequency"},
                    AdviseCase{"ChoosesTheGapItself", buck({"--gap", "0.5"}), 2, "--gap: --advise chooses it itself"},
                    AdviseCase{"RanksByVolumeLossOrMass", buck({"--rank", "price"}), 2, "--rank 'price'"},
                    AdviseCase{"KnowsTheFamilies", buck({"--family", "xx"}), 2, "--family 'xx': no such core"},
                    AdviseCase{"TopIsWhole", buck({"--top", "2.5"}), 2, "--top '2.5'"},
                    AdviseCase{"AdviserOptionsNeedAdvise", {"ring", "A=10", "B=6", "h=4", "--top", "3"}, 2,
                               "go with --advise"},
                    AdviseCase{"NoCoreCoolEnoughListsTheClosestMisses", {"--advise", "--inductance", "1000", "--current", "20", "--frequency", "100k", "--max-dt", "1",
                                "--family", "ring", "--material", "N87"},
                               1,
                               "the closest misses are listed"}),
    [](const testing::TestParamInfo<AdviseCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ferricalc
