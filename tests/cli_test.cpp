#include <gtest/gtest.h>

#include <charconv>
#include <regex>
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

TEST(CommandLineVersion, IsTheProjectVersion)
{
    const RunResult version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("ferricalc-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;
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
