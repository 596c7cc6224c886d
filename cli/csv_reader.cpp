#include "cli/csv_reader.hpp"

#include <algorithm>

namespace ferricalc {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool endsUnquotedRun(char c) { return c == ',' || c == '\n' || c == '\r'; }

}  // namespace

CsvReader::CsvReader(std::istream& in, std::size_t chunkSize) : m_in(in), m_chunk(std::max<std::size_t>(chunkSize, 4))
{
}

std::size_t CsvReader::readMore(char* into, std::size_t capacity)
{
    const auto size = static_cast<std::streamsize>(capacity);
    std::streamsize got = m_in.readsome(into, size);  // what the stream holds already, without waiting
    if (got > 0)
        return static_cast<std::size_t>(got);
    if (m_beforeWaiting)
        m_beforeWaiting();
    if (std::istream::traits_type::eq_int_type(m_in.peek(), std::istream::traits_type::eof())) {
        m_readFailed = m_in.bad();
        return 0;
    }
    got = m_in.readsome(into, size);
    if (got == 0) {
        // A stream that cannot tell how much it holds gives a byte at a time.
        m_in.read(into, 1);
        got = m_in.gcount();
    }
    return static_cast<std::size_t>(got);
}

bool CsvReader::ensure()
{
    if (m_pos < m_end)
        return true;
    m_pos = 0;
    m_end = readMore(m_chunk.data(), m_chunk.size());
    return m_end > 0;
}

void CsvReader::noteProblem(CsvRecord& record, CsvRecord::Problem problem)
{
    if (record.problem != CsvRecord::Problem::None)
        return;
    record.problem = problem;
    record.problemCell = record.cellCount;
}

void CsvReader::append(CsvRecord& record, const char* bytes, std::size_t count)
{
    if (!m_keepingCell)
        return;
    if (record.m_bytes.size() - m_cellStart + count > kMaxCellBytes) {
        noteProblem(record, CsvRecord::Problem::CellTooLong);
        record.m_bytes.resize(m_cellStart);
        m_keepingCell = false;
        return;
    }
    record.m_bytes.append(bytes, count);
}

void CsvReader::readUnquoted(CsvRecord& record)
{
    while (ensure()) {
        const char* const chunk = m_chunk.data();
        std::size_t stop = m_pos;
        while (stop < m_end && !endsUnquotedRun(chunk[stop]))
            ++stop;
        append(record, chunk + m_pos, stop - m_pos);
        m_pos = stop;
        if (stop < m_end)
            return;
    }
}

void CsvReader::readQuoted(CsvRecord& record)
{
    ++m_pos;  // the opening quote
    while (ensure()) {
        const char* const chunk = m_chunk.data();
        std::size_t stop = m_pos;
        while (stop < m_end && chunk[stop] != '"') {
            // Keep line numbers right for the records after a cell with line breaks.
            if (chunk[stop] == '\n')
                ++m_line;
            ++stop;
        }
        append(record, chunk + m_pos, stop - m_pos);
        m_pos = stop;
        if (stop == m_end)
            continue;
        ++m_pos;  // a quote: either a doubled one inside the cell or the closing one
        if (ensure() && m_chunk[m_pos] == '"') {
            append(record, "\"", 1);
            ++m_pos;
            continue;
        }
        if (ensure() && !endsUnquotedRun(m_chunk[m_pos])) {
            noteProblem(record, CsvRecord::Problem::TextAfterQuote);
            skipRestOfCell();
        }
        return;
    }
    // An unclosed quote swallows the rest of the input, which makes its cell too
    // long as well; the quote is the cause to report.
    if (record.problem == CsvRecord::Problem::CellTooLong && record.problemCell == record.cellCount)
        record.problem = CsvRecord::Problem::None;
    noteProblem(record, CsvRecord::Problem::UnclosedQuote);
}

void CsvReader::skipRestOfCell()
{
    while (ensure() && !endsUnquotedRun(m_chunk[m_pos]))
        ++m_pos;
}

bool CsvReader::next(CsvRecord& record)
{
    record.m_bytes.clear();
    record.m_ends.clear();
    record.cellCount = 0;
    record.problem = CsvRecord::Problem::None;
    record.problemCell = 0;

    if (!m_started) {
        m_started = true;
        // Enough of the input to tell whether it begins with the mark, however it arrives.
        while (m_end < kByteOrderMark.size()) {
            const std::size_t got = readMore(m_chunk.data() + m_end, m_chunk.size() - m_end);
            if (got == 0)
                break;
            m_end += got;
        }
        if (std::string_view(m_chunk.data(), m_end).starts_with(kByteOrderMark))
            m_pos = kByteOrderMark.size();
    }

    // Blank lines hold no record.
    while (true) {
        if (!ensure())
            return false;
        const char c = m_chunk[m_pos];
        if (c != '\n' && c != '\r')
            break;
        ++m_pos;
        if (c == '\r' && ensure() && m_chunk[m_pos] == '\n')
            ++m_pos;
        ++m_line;
    }

    record.line = m_line;
    while (true) {
        m_cellStart = record.m_bytes.size();
        m_keepingCell = record.m_ends.size() < m_keepCells;
        if (ensure() && m_chunk[m_pos] == '"')
            readQuoted(record);
        else
            readUnquoted(record);
        if (record.m_ends.size() < m_keepCells)
            record.m_ends.push_back(record.m_bytes.size());
        ++record.cellCount;

        if (!ensure())
            return true;
        const char separator = m_chunk[m_pos++];
        if (separator == ',')
            continue;
        if (separator == '\r' && ensure() && m_chunk[m_pos] == '\n')
            ++m_pos;
        ++m_line;
        return true;
    }
}

}  // namespace ferricalc
