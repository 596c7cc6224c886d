#pragma once
// A streaming reader of RFC 4180 CSV: records come one at a time from a fixed
// read buffer, and a record's cells live in storage that is reused from one
// record to the next, so reading a file of any size takes constant memory.
//
// Accepted beyond the letter of the RFC, as spreadsheets write it: LF or CR LF
// (or a lone CR) line ends, a UTF-8 byte order mark before the first record,
// no line end after the last record, blank lines between records (skipped),
// and a quote inside an unquoted cell (taken as a plain character).

#include <cstddef>
#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace ferricalc {

// No cell this program reads is longer than a core name or a number; a longer
// one is a broken file (typically a quote that is never closed).
inline constexpr std::size_t kMaxCellBytes = 4096;

class CsvRecord {
public:
    enum class Problem {
        None,
        UnclosedQuote,   // a quoted cell runs to the end of the input
        TextAfterQuote,  // something other than a comma or a line end follows a closing quote
        CellTooLong,     // longer than kMaxCellBytes; the cell is kept empty
    };

    long long line = 0;          // the input line on which the record starts, from 1
    std::size_t cellCount = 0;   // every cell of the record, kept or not
    Problem problem = Problem::None;
    std::size_t problemCell = 0;  // the first cell with a problem, from 0

    // The cells kept: at most the reader's limit, the first ones of the record.
    std::size_t keptCells() const { return m_ends.size(); }
    std::string_view cell(std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
    }

private:
    friend class CsvReader;
    std::string m_bytes;              // the kept cells' text, back to back
    std::vector<std::size_t> m_ends;  // where each kept cell ends in m_bytes
};

class CsvReader {
public:
    explicit CsvReader(std::istream& in, std::size_t chunkSize = 1 << 18);

    // Reads the next record; false at the end of the input (or on a read error).
    bool next(CsvRecord& record);

    // Cells of a record past `count` are counted but not kept.
    void keepCells(std::size_t count) { m_keepCells = count; }

    // True when the input stream failed for a reason other than its end.
    bool readFailed() const { return m_readFailed; }

    // Called whenever the reader has read all the stream holds and is about to
    // wait for more, so that a program in a pipe can pass on what it has
    // written so far: rows typed or trickling in get their results at once.
    void beforeWaiting(std::function<void()> callback) { m_beforeWaiting = std::move(callback); }

private:
    bool ensure();  // at least one byte to read; false at the end of the input
    std::size_t readMore(char* into, std::size_t capacity);
    void readUnquoted(CsvRecord& record);
    void readQuoted(CsvRecord& record);
    void skipRestOfCell();
    void append(CsvRecord& record, const char* bytes, std::size_t count);
    void noteProblem(CsvRecord& record, CsvRecord::Problem problem);

    std::istream& m_in;
    std::vector<char> m_chunk;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    long long m_line = 1;
    std::size_t m_keepCells = static_cast<std::size_t>(-1);
    std::size_t m_cellStart = 0;  // where the current cell began in the record's bytes
    bool m_keepingCell = true;
    bool m_started = false;
    bool m_readFailed = false;
    std::function<void()> m_beforeWaiting;
};

}  // namespace ferricalc
