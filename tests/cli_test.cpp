#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

namespace ferricalc {
namespace {

struct CliCase {
    const char* name;
    std::vector<std::string_view> args;
    int status;
    std::string out;
    std::string errContains;
};

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
        CliCase{"EmptyTextIsAnEmptyField", {"ring", "A=", "B=6", "h=4"}, 1, "", "field A is not a number"},
        CliCase{"MissingBlankFieldStaysEmpty", {"ring", "A=10", "B=6"}, 1, "", "field h is not a number"},
        CliCase{"ArithmeticFailure", {"ring", "A=10", "B=10", "h=4"}, 1, "", "division by zero"},
        CliCase{"PrintsWhatWasWrittenBeforeTheFailure", {"ring", "A=1000", "B=600", "h=200"}, 1,
                "C1 0.06150\nC2 0.00000\n", "C2 shows as zero"},
        CliCase{"UnknownCore", {"toroid", "A=1"}, 2, "", "unknown core 'toroid'"},
        CliCase{"UnknownLetter", {"ring", "H=4"}, 2, "", "has no letter 'H'"},
        CliCase{"NotLetterEqualsText", {"ring", "A10"}, 2, "", "expected LETTER=TEXT"},
        CliCase{"LetterTwice", {"ring", "A=1", "A=2"}, 2, "", "given twice"},
        CliCase{"NoArguments", {}, 2, "", "no core given"}),
    [](const testing::TestParamInfo<CliCase>& info) { return info.param.name; });

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
