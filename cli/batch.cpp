#include "cli/batch.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/csv_reader.hpp"
#include "cli/standard_core.hpp"
#include "cores/registry.hpp"

namespace ferricalc {

namespace {

// The union of every core's letters is a few dozen; a header far wider than
// that is not a file of this program.
constexpr std::size_t kMaxColumns = 256;

constexpr std::string_view kCoreColumn = "core";
constexpr std::string_view kStandardColumn = "std";
constexpr std::string_view kDecimalPoint = ".";

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Where a core's fields come from in this file.
struct CoreColumns {
    const CoreDescriptor* core = nullptr;
    std::vector<int> columnOfField;           // -1 where the file lacks the letter
    std::vector<std::size_t> foreignColumns;  // columns the core has no field for
};

class Batch {
public:
    Batch(std::istream& in, std::ostream& out, std::ostream& err, const OutputOptions& options)
        : m_reader(in), m_out(out), m_err(err, 1 << 12), m_options(options)
    {
        m_reader.beforeWaiting([this] {
            m_out.flushThrough();
            m_err.flushThrough();
        });
    }

    int run();

private:
    bool readHeader();
    void calculateRow();
    void writeRow(const Outcome& outcome);
    void reportOnLine(std::string_view message);
    void describeRecordProblem();
    void appendColumn(std::size_t column);
    const CoreColumns* columnsOf(const CoreDescriptor* core) const;
    void fatal(std::string_view problem);
    // The `std` column or a design column: not a field letter.
    bool isOptionColumn(std::size_t column) const
    {
        const int index = static_cast<int>(column);
        return index == m_standardColumn
               || std::find(m_designColumns.begin(), m_designColumns.end(), index) != m_designColumns.end();
    }

    CsvReader m_reader;
    OutputBuffer m_out;
    OutputBuffer m_err;
    OutputOptions m_options;

    CsvRecord m_record;
    long long m_headerLine = 1;
    std::vector<std::string> m_columnNames;  // trimmed
    int m_standardColumn = -1;               // the `std` column, -1 when the file has none
    std::array<int, DesignOptionCount> m_designColumns{};  // each design column, -1 when the file lacks it
    bool m_design = false;                                 // the file has design columns
    bool m_losses = false;                                 // and loss columns among them
    std::vector<CoreColumns> m_cores;        // the built cores
    FailureMessages m_failureMessages;

    // Reused by every row.
    std::vector<std::string_view> m_fieldTexts;
    std::string m_message;
    bool m_anyRowFailed = false;
};

void Batch::fatal(std::string_view problem)
{
    m_err.put(kProgramName);
    m_err.put(": ");
    m_err.put(problem);
    m_err.put('\n');
}

void Batch::appendColumn(std::size_t column)
{
    char number[24];
    const auto end = std::to_chars(number, number + sizeof number, column + 1).ptr;
    m_message.append("column ").append(number, static_cast<std::size_t>(end - number));
    if (column < m_columnNames.size() && !m_columnNames[column].empty())
        m_message.append(" (").append(m_columnNames[column]).append(")");
}

bool Batch::readHeader()
{
    m_reader.keepCells(kMaxColumns + 1);
    if (!m_reader.next(m_record)) {
        fatal(m_reader.readFailed() ? "cannot read the input"
                                    : "the input is empty: expected a header row beginning with 'core'");
        return false;
    }
    m_headerLine = m_record.line;
    const std::size_t columnCount = m_record.cellCount;
    if (columnCount > kMaxColumns) {
        m_message.assign("line ").append(std::to_string(m_headerLine)).append(": the header has more than ");
        fatal(m_message.append(std::to_string(kMaxColumns)).append(" columns"));
        return false;
    }
    m_message.assign("line ").append(std::to_string(m_headerLine)).append(", ");
    if (m_record.problem != CsvRecord::Problem::None) {
        describeRecordProblem();
        fatal(m_message);
        return false;
    }
    for (std::size_t i = 0; i < columnCount; ++i)
        m_columnNames.emplace_back(trimBlanks(m_record.cell(i)));
    if (m_columnNames.front() != kCoreColumn) {
        m_message.append("column 1: the header must begin with 'core', not '").append(m_columnNames.front()).append("'");
        fatal(m_message);
        return false;
    }
    for (std::size_t column = 1; column < columnCount; ++column) {
        const std::string& name = m_columnNames[column];
        const auto first = std::find(m_columnNames.begin(), m_columnNames.begin() + static_cast<long>(column), name);
        if (!name.empty() && first != m_columnNames.begin() + static_cast<long>(column)) {
            appendColumn(column);
            m_message.append(": column ").append(name).append(" appears twice");
            fatal(m_message);
            return false;
        }
    }
    const auto standard = std::find(m_columnNames.begin() + 1, m_columnNames.end(), kStandardColumn);
    if (standard != m_columnNames.end())
        m_standardColumn = static_cast<int>(standard - m_columnNames.begin());
    for (std::size_t option = 0; option < m_designColumns.size(); ++option) {
        const auto named = std::find(m_columnNames.begin() + 1, m_columnNames.end(), kDesignOptions[option].column);
        m_designColumns[option] = named == m_columnNames.end() ? -1 : static_cast<int>(named - m_columnNames.begin());
        m_design = m_design || m_designColumns[option] >= 0;
        m_losses = m_losses || (m_designColumns[option] >= 0 && option >= static_cast<std::size_t>(kFirstLossOption));
    }

    for (const CoreDescriptor* core : coreTypes()) {
        if (!core->available())
            continue;
        CoreColumns& columns = m_cores.emplace_back();
        columns.core = core;
        for (const FieldSpec& field : core->fields) {
            const auto named = std::find(m_columnNames.begin() + 1, m_columnNames.end(), field.letter);
            columns.columnOfField.push_back(named == m_columnNames.end()
                                                ? -1
                                                : static_cast<int>(named - m_columnNames.begin()));
        }
        for (std::size_t column = 1; column < columnCount; ++column)
            if (!isOptionColumn(column)
                && std::find(columns.columnOfField.begin(), columns.columnOfField.end(), static_cast<int>(column))
                       == columns.columnOfField.end())
                columns.foreignColumns.push_back(column);
        m_fieldTexts.resize(std::max(m_fieldTexts.size(), core->fields.size()));
    }

    // A column no core knows is allowed (a spreadsheet may add empty ones), but
    // every row must leave it empty; say so once rather than on every row.
    for (std::size_t column = 1; column < columnCount; ++column) {
        const std::string& name = m_columnNames[column];
        const bool someCoreHasIt = std::any_of(m_cores.begin(), m_cores.end(), [&](const CoreColumns& columns) {
            return std::find(columns.columnOfField.begin(), columns.columnOfField.end(), static_cast<int>(column))
                   != columns.columnOfField.end();
        });
        if (someCoreHasIt || name.empty() || isOptionColumn(column))
            continue;
        m_message.assign("line ").append(std::to_string(m_headerLine)).append(", ");
        appendColumn(column);
        m_message.append(": no core has a field ").append(name).append(", so its cells must stay empty");
        fatal(m_message);
    }

    if (!m_options.json) {
        for (std::size_t i = 0; i < columnCount; ++i) {
            if (i > 0)
                m_out.put(',');
            m_out.putCsvCell(m_record.cell(i));
        }
        writeCsvResultHeader(m_out, m_options.exact, m_standardColumn >= 0, m_design, m_losses);
    }
    m_reader.keepCells(columnCount);
    return true;
}

void Batch::describeRecordProblem()
{
    appendColumn(m_record.problemCell);
    switch (m_record.problem) {
    case CsvRecord::Problem::UnclosedQuote:
        m_message.append(": the quoted cell is not closed before the end of the input");
        break;
    case CsvRecord::Problem::TextAfterQuote:
        m_message.append(": text follows the closing quote of the cell");
        break;
    case CsvRecord::Problem::CellTooLong:
        m_message.append(": the cell is longer than ").append(std::to_string(kMaxCellBytes)).append(" bytes");
        break;
    case CsvRecord::Problem::None:
        break;
    }
}

const CoreColumns* Batch::columnsOf(const CoreDescriptor* core) const
{
    for (const CoreColumns& columns : m_cores)
        if (columns.core == core)
            return &columns;
    return nullptr;
}

void Batch::calculateRow()
{
    const std::size_t columnCount = m_columnNames.size();
    m_message.clear();
    Outcome outcome;
    outcome.coreText = trimBlanks(m_record.cell(0));

    if (m_record.problem != CsvRecord::Problem::None) {
        describeRecordProblem();
    } else if (m_record.cellCount != columnCount) {
        m_message.append(std::to_string(m_record.cellCount))
            .append(m_record.cellCount == 1 ? " cell" : " cells")
            .append(" where the header has ")
            .append(std::to_string(columnCount))
            .append(" columns");
    } else if (outcome.coreText.empty()) {
        m_message.append("column 1 (core) is empty: no core given");
    } else if (const CoreColumns* columns = columnsOf(findBuiltCore(outcome.coreText)); columns == nullptr) {
        m_message.append("column 1 (core): ");
        appendUnknownCore(m_message, outcome.coreText);
    } else {
        const CoreDescriptor& core = *columns->core;
        outcome.core = &core;
        const std::string_view standardName =
            m_standardColumn >= 0 ? trimBlanks(m_record.cell(static_cast<std::size_t>(m_standardColumn))) : "";
        const StandardCore* standard = standardName.empty() ? nullptr : findStandardCore(core, standardName);
        for (std::size_t field = 0; field < core.fields.size(); ++field) {
            const int column = columns->columnOfField[field];
            const std::string_view cell = column >= 0 ? m_record.cell(static_cast<std::size_t>(column)) : "";
            // A standard core's texts fill the cells the row leaves empty; a filled cell replaces its text.
            if (standard != nullptr)
                m_fieldTexts[field] = trimBlanks(cell).empty() ? standard->texts[field] : cell;
            else if (column >= 0)
                m_fieldTexts[field] = cell;
            else
                m_fieldTexts[field] = core.fields[field].start == StartText::Zero ? "0" : "";
        }
        outcome.fieldTexts = std::span(m_fieldTexts.data(), core.fields.size());
        outcome.standard = standard;
        outcome.standardTextsKept =
            standard != nullptr
            && std::equal(outcome.fieldTexts.begin(), outcome.fieldTexts.end(), standard->texts.begin());

        const auto filled = std::find_if(columns->foreignColumns.begin(), columns->foreignColumns.end(),
                                         [&](std::size_t column) { return !trimBlanks(m_record.cell(column)).empty(); });
        if (filled != columns->foreignColumns.end()) {
            appendColumn(*filled);
            m_message.append(": ").append(core.name).append(" has no field ").append(m_columnNames[*filled]);
            m_message.append(", so the cell must be empty");
        } else if (!standardName.empty() && standard == nullptr) {
            appendColumn(static_cast<std::size_t>(m_standardColumn));
            m_message.append(": ").append(unknownStandardCore(core, standardName));
        } else {
            DesignTexts designTexts{};
            for (std::size_t option = 0; option < designTexts.size(); ++option)
                if (m_designColumns[option] >= 0)
                    designTexts[option] = trimBlanks(m_record.cell(static_cast<std::size_t>(m_designColumns[option])));
            const DesignRequest request = readDesignRequest(designTexts, true);
            outcome.designAsked = m_design;
            if (!request.problem.empty()) {
                m_message.append(request.problem);
                outcome.error = m_message;
                writeRow(outcome);
                return;
            }
            const Calculation calculation = calculate(core, outcome.fieldTexts, kDecimalPoint);
            const ExactResults exact = exactResults(calculation.constants);
            outcome.calculation = &calculation;
            outcome.exact = m_options.exact ? &exact : nullptr;
            outcome.error = m_failureMessages.describe(core, calculation, outcome.exact);
            std::optional<DesignOutcome> designed;
            if (request.asked && calculation.succeeded()) {
                designed = makeDesign(core, outcome.fieldTexts, request);
                outcome.design = &*designed;
                if (!designed->problem.empty())
                    outcome.error = designed->problem;
            }
            writeRow(outcome);
            const Advisories advisories = advise(core, calculation, exact, Language::English, kDecimalPoint);
            for (const std::string* advisory : {&advisories.dimensions, &advisories.display})
                if (!advisory->empty())
                    reportOnLine(*advisory);
            if (designed && designed->problem.empty())
                for (const std::string& remark : designRemarks(*designed))
                    reportOnLine(remark);
            return;
        }
    }
    outcome.error = m_message;
    writeRow(outcome);
}

void Batch::writeRow(const Outcome& outcome)
{
    if (m_options.json) {
        writeJsonObject(m_out, outcome, m_record.line, m_options.exact);
    } else {
        for (std::size_t i = 0; i < m_columnNames.size(); ++i) {
            if (i > 0)
                m_out.put(',');
            if (i < m_record.keptCells())
                m_out.putCsvCell(m_record.cell(i));
        }
        writeCsvResults(m_out, outcome, m_options.exact, m_standardColumn >= 0, m_design, m_losses);
    }

    if (!outcome.error.empty()) {
        m_anyRowFailed = true;
        reportOnLine(outcome.error);
    }
}

// "ferricalc-cli: line 4: …" on standard error.
void Batch::reportOnLine(std::string_view message)
{
    m_err.put(kProgramName);
    m_err.put(": line ");
    m_err.putInteger(m_record.line);
    m_err.put(": ");
    m_err.put(message);
    m_err.put('\n');
}

int Batch::run()
{
    if (!readHeader())
        return kUsageError;
    // A reader that has gone (a closed pipe, a full disk) ends the batch.
    while (m_out.good() && m_reader.next(m_record))
        calculateRow();

    m_out.flush();
    if (m_reader.readFailed()) {
        fatal("cannot read the rest of the input");
        return kUsageError;
    }
    if (!m_out.good()) {
        fatal("cannot write the output");
        return kUsageError;
    }
    return m_anyRowFailed ? kCalculationFailed : kSucceeded;
}

}  // namespace

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const OutputOptions& options)
{
    return Batch(in, out, err, options).run();
}

}  // namespace ferricalc
