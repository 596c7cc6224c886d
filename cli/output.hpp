#pragma once
// Buffered writing for the command line: plain text, CSV cells and JSON values
// into one block that goes to the stream only when full, so a batch of a
// million rows makes a few hundred stream writes and no per-row allocation.

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string_view>
#include <vector>

namespace ferricalc {

class OutputBuffer {
public:
    explicit OutputBuffer(std::ostream& out, std::size_t capacity = 1 << 16);
    ~OutputBuffer();
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void put(char c)
    {
        if (m_size == m_chars.size())
            flush();
        m_chars[m_size++] = c;
    }
    void put(std::string_view text)
    {
        if (text.empty())
            return;  // an empty view may hold no pointer at all
        if (text.size() <= m_chars.size() - m_size) {
            std::memcpy(m_chars.data() + m_size, text.data(), text.size());
            m_size += text.size();
            return;
        }
        putAcrossFlushes(text);
    }
    void putInteger(long long value);
    // The shortest text that reads back as exactly `value` ("3.07501", "1e+31").
    void putShortest(double value);

    // One CSV cell: quoted when it holds a comma, a quote or a line break, with
    // quotes doubled inside.
    void putCsvCell(std::string_view text);
    // A JSON string with its quotes. Bytes that are not well-formed UTF-8 become
    // U+FFFD, so the output stays valid JSON whatever the input held.
    void putJsonString(std::string_view text);

    void flush();
    // Also flushes the stream, so that what was written reaches the reader now.
    void flushThrough()
    {
        flush();
        m_out.flush();
    }
    // False once a write to the stream has failed.
    bool good() const { return m_out.good(); }

private:
    void putAcrossFlushes(std::string_view text);

    std::ostream& m_out;
    std::vector<char> m_chars;
    std::size_t m_size = 0;
};

}  // namespace ferricalc
