#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/batch.hpp"
#include "cli/cli.hpp"
#include "cli/csv_reader.hpp"
#include "cli_json.hpp"
#include "cli_worked_examples.hpp"

namespace ferricalc::testing_support {
namespace {

struct Outputs {
    int status;
    std::string out;
    std::string err;
};

Outputs batch(std::string_view csv, const OutputOptions& options = {})
{
    std::istringstream in{std::string(csv)};
    std::ostringstream out;
    std::ostringstream err;
    const int status = runBatch(in, out, err, options);
    return {status, out.str(), err.str()};
}

Outputs single(std::string_view core, std::string_view inputs, const OutputOptions& options)
{
    std::vector<std::string_view> args;
    if (options.json)
        args.push_back("--json");
    if (options.exact)
        args.push_back("--exact");
    args.push_back(core);
    std::istringstream words{std::string(inputs)};
    std::vector<std::string> letters;
    for (std::string word; words >> word;)
        letters.push_back(word);
    args.insert(args.end(), letters.begin(), letters.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

using Records = std::vector<std::vector<std::string>>;

Records readRecords(const std::string& text, std::size_t chunkSize = 1 << 18)
{
    std::istringstream in(text);
    CsvReader reader(in, chunkSize);
    CsvRecord record;
    Records records;
    while (reader.next(record)) {
        auto& cells = records.emplace_back();
        for (std::size_t i = 0; i < record.keptCells(); ++i)
            cells.emplace_back(record.cell(i));
    }
    return records;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// What the single command wrote to the error stream, without the program's name.
// The failure on a single command's first line of stderr (advisories may follow it).
std::string singleError(const Outputs& run)
{
    const std::string prefix = std::string(kProgramName) + ": ";
    if (run.status == kSucceeded)
        return "";
    EXPECT_TRUE(run.err.starts_with(prefix) && run.err.ends_with("\n")) << run.err;
    return run.err.substr(prefix.size(), run.err.find('\n') - prefix.size());
}

// ---------------------------------------------------------------------------
// A batch of every built core: the worked examples and one row for each kind
// of failure, each checked against the single command on the same inputs.

struct BatchRow {
    std::string_view name;
    std::string_view core;
    std::string_view inputs;
    std::string_view failure;  // part of the error message; empty for a row that succeeds
    std::string_view shown;    // the start of each text shown, for the worked examples
};

constexpr BatchRow kFailingRows[] = {
    {"FieldNotANumber", "ring", "A=1O B=6 h=4", "field A is not a number", ""},
    {"EmptyCellIsAnEmptyField", "ring", "A= B=6 h=4", "field A is empty", ""},
    {"FullWidthDigitsAreDigits", "ring", "A=１０ B=6 h=4", "", "3.07501 0.39281"},
    {"DivisionByZero", "ring", "A=10 B=10 h=4", "division by zero: the dimensions", ""},
    {"LogarithmOfANegativeRatio", "ring", "A=-10 B=6 h=4", "logarithm of zero or of a negative number", ""},
    {"SquareRootOfANegativeEtd", "etd", "A=34.2 B=25.6 C=10.8 D=30 E=11.8 F=17.3", "square root of a negative", ""},
    {"SquareRootOfANegativeRm", "rm", "A=24.7 B=21.2 C=10.7 E=6.3 F=9.3 G=27.8 H=18.9 I=25",
     "square root of a negative", ""},
    {"C2ShownAsZero", "ring", "A=1000 B=600 h=200", "C2 shows as zero", "0.06150 0.00000"},
    {"OverflowLeavesC1", "ring", "A=10 B=6 h=1e20", "arithmetic overflow", "0.00000"},
};

class MixedBatch : public testing::Test {
protected:
    void SetUp() override
    {
        m_letters = builtLetters();
        m_csv = csvHeader(m_letters);
        auto add = [this](const BatchRow& row) {
            const CoreDescriptor* core = findCoreType(row.core);
            if (core == nullptr || !core->available())
                return;  // switches on when the core is built
            m_rows.push_back(row);
            m_csv += '\n';
            m_csv += csvRow(*core, row.inputs, m_letters);
        };
        for (const WorkedExample& example : kWorkedExamples)
            add({example.name, example.core, example.inputs, "", example.shown});
        for (const BatchRow& row : kFailingRows)
            add(row);
        // The last row ends without a line break, as a hand-edited file may.
    }

    std::vector<std::string_view> m_letters;
    std::vector<BatchRow> m_rows;
    std::string m_csv;
};

TEST_F(MixedBatch, CsvRowsAreWhatTheSingleCommandPrints)
{
    for (const bool exact : {false, true}) {
        SCOPED_TRACE(exact ? "with exact values" : "shown values");
        const Outputs run = batch(m_csv, {.exact = exact});
        EXPECT_EQ(run.status, kCalculationFailed);  // some rows fail on purpose
        const Records records = readRecords(run.out);
        ASSERT_EQ(records.size(), m_rows.size() + 1) << run.out;
        const std::size_t inputs = m_letters.size() + 1;
        EXPECT_EQ(records[0].size(), inputs + (exact ? 11 : 6));
        EXPECT_EQ(records[0][inputs], "C1");
        EXPECT_EQ(records[0].back(), "error");

        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const BatchRow& row = m_rows[i];
            SCOPED_TRACE(row.name);
            const std::vector<std::string>& cells = records[i + 1];
            ASSERT_EQ(cells.size(), records[0].size());
            const Outputs expected = single(row.core, row.inputs, {.exact = exact});
            const std::vector<std::string> lines = splitLines(expected.out);
            for (std::size_t q = 0; q < QuantityCount; ++q) {
                std::vector<std::string> words;
                if (q < lines.size()) {
                    std::istringstream line(lines[q]);
                    for (std::string word; line >> word;)
                        words.push_back(word == "-" ? "" : word);
                }
                EXPECT_EQ(cells[inputs + q], words.empty() ? "" : words[1]) << kQuantityNames[q];
                if (exact) {
                    EXPECT_EQ(cells[inputs + QuantityCount + q], words.empty() ? "" : words[2]) << kQuantityNames[q];
                }
            }
            const std::string error = singleError(expected);
            EXPECT_EQ(cells.back(), error);
            if (row.failure.empty()) {
                EXPECT_EQ(error, "");
            } else {
                EXPECT_NE(error.find(row.failure), std::string::npos) << error;
            }

            std::istringstream shown{std::string(row.shown)};
            std::size_t q = 0;
            for (std::string start; shown >> start; ++q)
                EXPECT_TRUE(cells[inputs + q].starts_with(start)) << cells[inputs + q] << " for " << start;
        }
    }
}

TEST_F(MixedBatch, JsonLinesAreTheSingleCommandsObjectsWithTheirLine)
{
    for (const bool exact : {false, true}) {
        SCOPED_TRACE(exact ? "with exact values" : "shown values");
        const Outputs run = batch(m_csv, {.json = true, .exact = exact});
        const std::vector<std::string> lines = splitLines(run.out);
        ASSERT_EQ(lines.size(), m_rows.size());
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const BatchRow& row = m_rows[i];
            SCOPED_TRACE(row.name);
            const std::optional<Json> object = parseJson(lines[i]);
            ASSERT_TRUE(object.has_value()) << lines[i];
            EXPECT_EQ((*object)["line"].number, static_cast<double>(i + 2));
            EXPECT_EQ((*object)["error"].isNull(), row.failure.empty());
            EXPECT_EQ((*object)["exact"].kind, exact ? Json::Kind::Object : Json::Kind::Null);

            const std::string lineMember = "\"line\":" + std::to_string(i + 2) + ",";
            std::string withoutLine = lines[i];
            ASSERT_EQ(withoutLine.find(lineMember), 1u);
            withoutLine.erase(1, lineMember.size());
            EXPECT_EQ(withoutLine + "\n", single(row.core, row.inputs, {.json = true, .exact = exact}).out);
        }
    }
}

// Each row's failure, and then its advisories, as the single command prints them, each named by its line.
TEST_F(MixedBatch, EveryFailedRowIsNamedByItsLineOnTheErrorStream)
{
    const Outputs run = batch(m_csv);
    std::string expected;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const std::string line = std::string(kProgramName) + ": line " + std::to_string(i + 2) + ": ";
        for (const std::string& said : splitLines(single(m_rows[i].core, m_rows[i].inputs, {}).err))
            expected += line + said.substr(kProgramName.size() + 2) + "\n";
        if (!m_rows[i].failure.empty()) {
            EXPECT_NE(expected.find(line), std::string::npos) << m_rows[i].name;
        }
    }
    EXPECT_EQ(run.err, expected);
}

// ---------------------------------------------------------------------------
// Files that are not as they should be: the batch goes on past a bad row and
// says which line and column is wrong.

constexpr std::string_view kOut = "core,A,B,h,C1,C2,Le,Ae,Ve,error\n";
constexpr std::string_view kPlainRing = "ring,10,6,4,3.07501,0.39281,24.07191mm,7.82824mm2,188.44062mm3,\n";

struct FileCase {
    const char* name;
    std::string input;
    int status;
    std::string out;
    std::string errContains;
};

std::string header(std::string_view rows) { return std::string("core,A,B,h\n").append(rows); }
std::string output(std::string_view rows) { return std::string(kOut).append(rows); }

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }

class BatchFiles : public testing::TestWithParam<FileCase> {};

TEST_P(BatchFiles, GoesOnPastBadRowsAndNamesThem)
{
    const FileCase& c = GetParam();
    const Outputs run = batch(c.input);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_NE(run.err.find(c.errContains), std::string::npos) << run.err;
    if (c.errContains.empty()) {
        EXPECT_EQ(run.err, "");
    }
}

const std::string kLongCell(kMaxCellBytes + 1, '7');

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchFiles,
    testing::Values(
        FileCase{"GoodRowsSucceed", header("ring,10,6,4\n"), 0, output(kPlainRing), ""},
        FileCase{"UnterminatedQuoteTakesTheRestOfTheFile", header("ring,10,6,4\nring,\"10,6,4\nring,1,2,3\n"), 1,
                 output(std::string(kPlainRing)
                        + "ring,\"10,6,4\nring,1,2,3\n\",,,,,,,,"
                          "column 2 (A): the quoted cell is not closed before the end of the input\n"),
                 "line 3: column 2 (A): the quoted cell is not closed"},
        FileCase{"TooFewCells", header("ring,10,6\nring,10,6,4\n"), 1,
                 output("ring,10,6,,,,,,,3 cells where the header has 4 columns\n" + std::string(kPlainRing)),
                 "line 2: 3 cells where the header has 4 columns"},
        FileCase{"TooManyCellsKeepTheHeadersColumns", header("ring,10,6,4,5\n"), 1,
                 output("ring,10,6,4,,,,,,5 cells where the header has 4 columns\n"), "line 2: 5 cells"},
        FileCase{"UnknownCore", header("toroid,10,6,4\nring,10,6,4\n"), 1,
                 output("toroid,10,6,4,,,,,,column 1 (core): unknown core 'toroid'\n" + std::string(kPlainRing)),
                 "line 2: column 1 (core): unknown core 'toroid'"},
        FileCase{"EmptyCore", header(",10,6,4\n"), 1, output(",10,6,4,,,,,,column 1 (core) is empty: no core given\n"),
                 "line 2: column 1 (core) is empty"},
        FileCase{"CoreNameInAnyLetterCase", header("RING,10,6,4\n"), 0,
                 output("RING" + std::string(kPlainRing.substr(4))), ""},
        FileCase{"UnknownColumnMustStayEmpty", "core,A,B,h,Q\nring,10,6,4,\nring,10,6,4,1\n", 1,
                 "core,A,B,h,Q,C1,C2,Le,Ae,Ve,error\n"
                 "ring,10,6,4,,3.07501,0.39281,24.07191mm,7.82824mm2,188.44062mm3,\n"
                 "ring,10,6,4,1,,,,,,\"column 5 (Q): ring has no field Q, so the cell must be empty\"\n",
                 "line 3: column 5 (Q): ring has no field Q"},
        FileCase{"UnknownColumnIsAnnouncedOnce", "core,A,B,h,Q\nring,10,6,4,\n", 0,
                 "core,A,B,h,Q,C1,C2,Le,Ae,Ve,error\n"
                 "ring,10,6,4,,3.07501,0.39281,24.07191mm,7.82824mm2,188.44062mm3,\n",
                 "line 1, column 5 (Q): no core has a field Q"},
        FileCase{"LetterOfAnotherCoreFilled", "core,A,B,h,H\nring,10,6,4,12\n", 1,
                 "core,A,B,h,H,C1,C2,Le,Ae,Ve,error\n"
                 "ring,10,6,4,12,,,,,,\"column 5 (H): ring has no field H, so the cell must be empty\"\n",
                 "line 2: column 5 (H): ring has no field H"},
        FileCase{"TextAfterAClosingQuote", header("ring,\"10\"mm,6,4\n"), 1,
                 output("ring,10,6,4,,,,,,column 2 (A): text follows the closing quote of the cell\n"),
                 "line 2: column 2 (A): text follows the closing quote"},
        FileCase{"CellTooLong", header("ring," + kLongCell + ",6,4\n"), 1,
                 output("ring,,6,4,,,,,,column 2 (A): the cell is longer than 4096 bytes\n"), "longer than 4096"},
        FileCase{"QuotedCellsAndCrLfLineEnds", "core,A,B,h\r\nring,\"10\",\"6\",4\r\n", 0, output(kPlainRing), ""},
        FileCase{"CellWithACommaIsQuotedAgain", header("ring,\"1,5\",6,4\n"), 1,
                 output("ring,\"1,5\",6,4,,,,,,field A is not a number\n"), "line 2: field A is not a number"},
        FileCase{"ByteOrderMarkAndNoFinalLineBreak", "\xEF\xBB\xBF" "core,A,B,h\nring,10,6,4", 0, output(kPlainRing),
                 ""},
        FileCase{"BlankLinesAreSkippedButCounted", header("\n\nring,10,6,x\n\n"), 1,
                 output("ring,10,6,x,,,,,,field h is not a number\n"), "line 4: field h is not a number"},
        FileCase{"LineBreakInsideQuotesCountsForLaterLines", header("ring,\"1\n0\",6,4\nring,x,6,4\n"), 1,
                 output("ring,\"1\n0\",6,4,,,,,,field A is not a number\nring,x,6,4,,,,,,field A is not a number\n"),
                 "line 4: field A"},
        FileCase{"MissingColumnTakesTheStartText", "core,A,B\nring,10,6\n", 1,
                 "core,A,B,C1,C2,Le,Ae,Ve,error\nring,10,6,,,,,,field h is empty\n", "line 2: field h"},
        FileCase{"MissingZeroFieldsNeedNoColumn", "core,h,B,A\nring,4,6,10\n", 0,
                 "core,h,B,A,C1,C2,Le,Ae,Ve,error\n"
                 "ring,4,6,10,3.07501,0.39281,24.07191mm,7.82824mm2,188.44062mm3,\n",
                 ""},
        FileCase{"BlanksAroundHeaderNamesAndCores", "core , A,B ,h\n ring ,10,6,4\n", 0,
                 "core , A,B ,h,C1,C2,Le,Ae,Ve,error\n"
                 " ring ,10,6,4,3.07501,0.39281,24.07191mm,7.82824mm2,188.44062mm3,\n",
                 ""}),
    [](const testing::TestParamInfo<FileCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Headers, BatchFiles,
    testing::Values(FileCase{"EmptyInput", "", 2, "", "the input is empty"},
                    FileCase{"OnlyBlankLines", "\n\r\n\n", 2, "", "the input is empty"},
                    FileCase{"HeaderWithoutCore", "A,B,h\n10,6,4\n", 2, "", "must begin with 'core', not 'A'"},
                    FileCase{"ColumnTwice", "core,A,B,A\nring,1,2,3\n", 2, "", "column 4 (A): column A appears twice"},
                    FileCase{"UnclosedQuoteInTheHeader", "core,\"A,B\nring,1,2\n", 2, "",
                             "line 1, column 2: the quoted cell is not closed"},
                    FileCase{"HeaderFarTooWide", "core" + std::string(3000, ','), 2, "",
                             "line 1: the header has more than 256 columns"}),
    [](const testing::TestParamInfo<FileCase>& info) { return info.param.name; });

TEST(BatchFromAFile, ReadsTheNamedFileAndStandardInputAlike)
{
    const std::string path = testing::TempDir() + "ferricalc_cli_batch.csv";
    {
        std::ofstream file(path, std::ios::binary);
        file << header("ring,10,6,4\n");
    }
    for (const std::string& argument : {"--batch=" + path, std::string("--batch")}) {
        std::vector<std::string_view> args{argument};
        if (argument == "--batch")
            args.push_back(path);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(runCli(args, out, err), kSucceeded) << err.str();
        EXPECT_EQ(out.str(), output(kPlainRing));
    }
    std::remove(path.c_str());
}

// Gives its input a line at a time, as someone typing or a slow program in a
// pipe would, and notes what had been written each time it was asked for more.
class Trickle : public std::streambuf {
public:
    Trickle(std::vector<std::string> lines, const std::ostringstream& out) : m_lines(std::move(lines)), m_out(out) {}

    std::vector<std::string> writtenWhenAsked;

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        writtenWhenAsked.push_back(m_out.str());
        if (m_next == m_lines.size())
            return traits_type::eof();
        std::string& line = m_lines[m_next++];
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
    const std::ostringstream& m_out;
};

TEST(BatchFromAPipe, EachRowIsWrittenOutBeforeTheNextIsAwaited)
{
    std::ostringstream out;
    std::ostringstream err;
    Trickle input({"core,A,B,h\n", "ring,10,6,4\n", "ring,10,10,4\n"}, out);
    std::istream in(&input);
    EXPECT_EQ(runBatch(in, out, err, {}), kCalculationFailed);
    ASSERT_EQ(input.writtenWhenAsked.size(), 4u);
    EXPECT_EQ(input.writtenWhenAsked[1], kOut);
    EXPECT_EQ(input.writtenWhenAsked[2], output(kPlainRing));
    EXPECT_EQ(out.str(), output(std::string(kPlainRing) + "ring,10,10,4,,,,,,division by zero: the dimensions do not "
                                                           "describe a valid core\n"));
}

// ---------------------------------------------------------------------------
// The CSV reader on its own, with read buffers small enough that records,
// quotes and line ends fall across their boundaries.

struct ReaderCase {
    const char* name;
    std::string input;
    Records records;
    std::vector<long long> lines;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }

class CsvReading : public testing::TestWithParam<ReaderCase> {};

TEST_P(CsvReading, SameRecordsWhereverTheBufferEnds)
{
    const ReaderCase& c = GetParam();
    for (const std::size_t chunk : {4u, 5u, 7u, 1u << 18}) {
        SCOPED_TRACE("chunk of " + std::to_string(chunk));
        EXPECT_EQ(readRecords(c.input, chunk), c.records);
        std::istringstream in(c.input);
        CsvReader reader(in, chunk);
        CsvRecord record;
        std::vector<long long> lines;
        while (reader.next(record))
            lines.push_back(record.line);
        EXPECT_EQ(lines, c.lines);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, CsvReading,
    testing::Values(
        ReaderCase{"PlainCells", "core,A\nring,10\n", {{"core", "A"}, {"ring", "10"}}, {1, 2}},
        ReaderCase{"DoubledQuotesAndLineBreaksInQuotes",
                   "\"a\"\"b\",\"c\nd\"\r\ne",
                   {{"a\"b", "c\nd"}, {"e"}},
                   {1, 3}},
        ReaderCase{"EmptyCells", ",\n,,\n", {{"", ""}, {"", "", ""}}, {1, 2}},
        ReaderCase{"EmptyQuotedCell", "\"\"\na,\"\"", {{""}, {"a", ""}}, {1, 2}},
        ReaderCase{"LoneCarriageReturnsEndLines", "a\rb\r\nc", {{"a"}, {"b"}, {"c"}}, {1, 2, 3}},
        ReaderCase{"QuoteInsideAnUnquotedCellIsPlain", "5\"mm,x\n", {{"5\"mm", "x"}}, {1}},
        ReaderCase{"ByteOrderMarkOnlyAtTheStart", "\xEF\xBB\xBF" "a\n\xEF\xBB\xBF" "b\n",
                   {{"a"}, {"\xEF\xBB\xBF" "b"}}, {1, 2}},
        ReaderCase{"Utf8CellsPassUnchanged", "环型,１０\n", {{"环型", "１０"}}, {1}},
        ReaderCase{"BlankLinesHoldNoRecord", "\n\na\n\r\n\nb", {{"a"}, {"b"}}, {3, 6}}),
    [](const testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

TEST(CsvReading, KeepsOnlyTheCellsAskedForAndCountsTheRest)
{
    std::istringstream in("a,b,c,d\n");
    CsvReader reader(in, 4);
    reader.keepCells(2);
    CsvRecord record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.cellCount, 4u);
    ASSERT_EQ(record.keptCells(), 2u);
    EXPECT_EQ(record.cell(1), "b");
}

TEST(CsvReading, AnUnclosedQuoteIsReportedRatherThanItsLength)
{
    std::string input = "a,\"";
    input.append(3 * kMaxCellBytes, 'x');
    std::istringstream in(input);
    CsvReader reader(in, 64);
    CsvRecord record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.problem, CsvRecord::Problem::UnclosedQuote);
    EXPECT_EQ(record.problemCell, 1u);
    EXPECT_EQ(record.cell(1), "");  // not kept: longer than any cell can be
    EXPECT_FALSE(reader.next(record));
}

// ---------------------------------------------------------------------------
// Writing: CSV quoting and JSON strings, through a buffer small enough to flush
// in the middle of a cell.

struct WriteCase {
    const char* name;
    std::string text;
    std::string csv;
    std::string json;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class CellWriting : public testing::TestWithParam<WriteCase> {};

TEST_P(CellWriting, QuotesAndEscapesWhatNeedsIt)
{
    const WriteCase& c = GetParam();
    for (const std::size_t capacity : {3u, 1u << 16}) {
        std::ostringstream csv;
        std::ostringstream json;
        {
            OutputBuffer csvOut(csv, capacity);
            OutputBuffer jsonOut(json, capacity);
            csvOut.putCsvCell(c.text);
            jsonOut.putJsonString(c.text);
        }
        EXPECT_EQ(csv.str(), c.csv);
        EXPECT_EQ(json.str(), c.json);
        const std::optional<Json> back = parseJson(json.str());
        ASSERT_TRUE(back.has_value()) << json.str();
        if (c.name != std::string_view("MalformedUtf8BecomesReplacementCharacters")) {
            EXPECT_EQ(back->text, c.text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellWriting,
    testing::Values(WriteCase{"Plain", "24.07191mm", "24.07191mm", "\"24.07191mm\""},
                    WriteCase{"Comma", "1,5", "\"1,5\"", "\"1,5\""},
                    WriteCase{"Quotes", "say \"A\"", "\"say \"\"A\"\"\"", "\"say \\\"A\\\"\""},
                    WriteCase{"LineBreaks", "a\r\nb", "\"a\r\nb\"", "\"a\\r\\nb\""},
                    WriteCase{"BackslashAndControlCharacters", std::string("a\\b\t\x01", 5), std::string("a\\b\t\x01", 5),
                              "\"a\\\\b\\t\\u0001\""},
                    WriteCase{"ChineseText", "外径", "外径", "\"外径\""},
                    WriteCase{"MalformedUtf8BecomesReplacementCharacters", "\xFF\xE5\xA4!\xED\xA0\x80",
                              "\xFF\xE5\xA4!\xED\xA0\x80",
                              "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD!\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// The exact values: the window's derivation on the unrounded C1 and C2.

struct ExactCase {
    const char* name;
    CoreConstants constants;
    int computed;
    ArithmeticError failure;
};

void PrintTo(const ExactCase& c, std::ostream* os) { *os << c.name; }

class ExactValues : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactValues, StopWhereTheArithmeticFails)
{
    const ExactCase& c = GetParam();
    const ExactResults exact = exactResults(c.constants);
    EXPECT_EQ(exact.computed, c.computed);
    EXPECT_EQ(exact.failure, c.failure);
    if (exact.computed == QuantityCount) {
        const double c1 = *c.constants.c1;
        const double c2 = *c.constants.c2;
        EXPECT_EQ(exact.values[Le], c1 * c1 / c2);
        EXPECT_EQ(exact.values[Ae], c1 / c2);
        EXPECT_EQ(exact.values[Ve], c1 * c1 * c1 / (c2 * c2));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Derivation, ExactValues,
    testing::Values(ExactCase{"Complete", {0.6150029, 0.0015712, ArithmeticError::None}, 5, ArithmeticError::None},
                    ExactCase{"ZeroC2", {1.0, 0.0, ArithmeticError::None}, 2, ArithmeticError::DivisionByZero},
                    ExactCase{"HugeC1Overflows", {1e200, 1e-10, ArithmeticError::None}, 2, ArithmeticError::Overflow},
                    ExactCase{"VolumeAloneOverflows", {1e103, 1e100, ArithmeticError::None}, 4,
                              ArithmeticError::Overflow},
                    ExactCase{"GeometryStoppedAfterC1", {0.5, std::nullopt, ArithmeticError::Overflow}, 1,
                              ArithmeticError::None},
                    ExactCase{"GeometryStoppedBeforeC1", {}, 0, ArithmeticError::None}),
    [](const testing::TestParamInfo<ExactCase>& info) { return info.param.name; });

TEST(ExactValues, AFailureOfTheirOwnIsReportedBesideTheWindowsFailure)
{
    Calculation calculation;
    calculation.failure = {CalculationFailure::Stage::Derivation, -1, ArithmeticError::DivisionByZero};
    ExactResults exact;
    exact.failure = ArithmeticError::Overflow;
    FailureMessages messages;
    const CoreDescriptor& ring = *findCoreType("ring");
    EXPECT_EQ(messages.describe(ring, calculation, &exact),
              "division by zero: C2 shows as zero, so Le, Ae and Ve cannot be derived from it; exact values: "
              "arithmetic overflow while deriving Le, Ae and Ve from the unrounded C1 and C2");
    EXPECT_EQ(messages.describe(ring, calculation, nullptr),
              "division by zero: C2 shows as zero, so Le, Ae and Ve cannot be derived from it");
    EXPECT_EQ(messages.describe(ring, Calculation{}, nullptr), "");
}

TEST(BatchDesign, ColumnsGiveTheSingleCommandsFigures)
{
    const std::string csv = "core,std,A,B,h,material,mu_i,gap,gap_in,turns,current,target_al\n"
                            "etd,ETD34-Z,,,,N87,,0.5,,20,2,\n"
                            "ring,,10,6,4,,2000,,,,,817.3\n"
                            "ring,,10,6,4,,,0.1,,,,\n"
                            "ring,,10,6,4,,,,,,,\n";
    const Outputs run = batch(csv);
    EXPECT_EQ(run.status, 1);
    const Records records = readRecords(run.out);
    ASSERT_EQ(records.size(), 5u);
    const std::vector<std::string>& header = records[0];
    const auto column = [&](std::string_view name) {
        const auto found = std::find(header.begin(), header.end(), name);
        EXPECT_NE(found, header.end()) << name;
        return static_cast<std::size_t>(found - header.begin());
    };
    // The figures as values, their units in the header: the single command's digits.
    EXPECT_EQ(records[1][column("AL_nH")], "263.7");
    EXPECT_EQ(records[1][column("N")], "20");
    EXPECT_EQ(records[1][column("B_Amin_mT")], "115.2");
    EXPECT_EQ(records[1][column("saturation")], "clear");
    EXPECT_EQ(records[1][column("error")], "");
    EXPECT_EQ(records[2][column("gap_for_target_al_mm")], "0.000");
    EXPECT_EQ(records[2][column("mass_g")], "");
    EXPECT_EQ(records[2][column("saturation")], "unknown");
    // A design cell without a permeability is the row's error; a row with no design cells has no design.
    EXPECT_EQ(records[3][column("error")], "gap needs mu_i or material");
    EXPECT_EQ(records[3][column("C1")], "");
    EXPECT_EQ(records[4][column("C1")], "3.07501");
    EXPECT_EQ(records[4][column("AL_nH")], "");
    EXPECT_EQ(records[4][column("error")], "");
    EXPECT_NE(run.err.find("line 4: gap needs mu_i or material"), std::string::npos) << run.err;

    const std::vector<std::string> json = splitLines(batch(csv, {.json = true}).out);
    ASSERT_EQ(json.size(), 4u);
    const std::optional<Json> first = parseJson(json[0]);
    ASSERT_TRUE(first.has_value()) << json[0];
    const Json& design = (*first)["design"];
    EXPECT_EQ(design["material"].text, "N87");
    EXPECT_EQ(design["texts"]["AL"].text, "263.7 nH");
    EXPECT_NEAR(design["values"]["L"].number, 105.490, 1e-3);
    EXPECT_EQ(design["saturation"].text, "clear");
    EXPECT_TRUE((*parseJson(json[3]))["design"].isNull());
}

TEST(BatchDesign, LossColumnsGiveTheSingleCommandsLossFigures)
{
    const std::string csv = "core,std,material,gap,turns,current,frequency,waveform,ripple,wire,strands,b_ac\n"
                            "etd,ETD34-Z,N87,0.5,20,2,100k,triangle,1,0.5,2,\n"
                            "etd,ETD34-Z,N87,0.5,20,2,100k,square,,,,\n"
                            "etd,ETD34-Z,N87,,,,100k,,,,,100\n";
    const Outputs run = batch(csv);
    EXPECT_EQ(run.status, 1);
    const Records records = readRecords(run.out);
    ASSERT_EQ(records.size(), 4u);
    const std::vector<std::string>& header = records[0];
    const auto cell = [&](std::size_t row, std::string_view name) {
        const auto found = std::find(header.begin(), header.end(), name);
        EXPECT_NE(found, header.end()) << name;
        return found == header.end() ? std::string() : records[row][static_cast<std::size_t>(found - header.begin())];
    };
    // The figures of the command line's TriangleRippleOnAStrandedWinding, their units in the header.
    const std::pair<const char*, const char*> kFirstRow[] = {
        {"B_ac_mT", "27.2"}, {"Pv_kW_per_m3", "1.59"}, {"P_core_W", "0.012"}, {"MLT_mm", "58.28"},
        {"R_dc_mOhm", "67.26"}, {"P_cu_W", "0.157"}, {"fill_pct", "6.3"}, {"Rth_K_per_W", "17.6"}, {"dT_K", "3.0"},
        {"error", ""}};
    for (const auto& [column, value] : kFirstRow)
        EXPECT_EQ(cell(1, column), value) << column;
    EXPECT_EQ(cell(2, "error"), "waveform 'square': the waveform is 'sine' or 'triangle'");
    EXPECT_EQ(cell(2, "Pv_kW_per_m3"), "");
    EXPECT_EQ(cell(3, "Pv_kW_per_m3"), "55.10");
    EXPECT_EQ(cell(3, "R_dc_mOhm"), "");
    // The loss advice is the row's, on the error stream.
    EXPECT_NE(run.err.find("line 4: advisory: dT leaves out the copper loss"), std::string::npos) << run.err;

    const std::vector<std::string> json = splitLines(batch(csv, {.json = true}).out);
    ASSERT_EQ(json.size(), 3u);
    const std::optional<Json> first = parseJson(json[0]);
    ASSERT_TRUE(first.has_value()) << json[0];
    const Json& design = (*first)["design"];
    EXPECT_EQ(design["waveform"].text, "triangle");
    EXPECT_EQ(design["frequency"].number, 100e3);
    EXPECT_EQ(design["strands"].number, 2);
    EXPECT_TRUE(design["b_ac"].isNull());
    EXPECT_EQ(design["texts"]["Pv"].text, "1.59 kW/m3");
    EXPECT_EQ(design["texts"]["dT"].text, "3.0 K");
    EXPECT_NEAR(design["values"]["R_dc"].number, 67.26, 0.01);
    EXPECT_TRUE(design["loss_advice"].isNull());
    EXPECT_EQ((*parseJson(json[2]))["design"]["loss_advice"].text,
              "dT leaves out the copper loss (no current or wire)");
}

}  // namespace
}  // namespace ferricalc::testing_support
