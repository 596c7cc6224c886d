#include "cli/output.hpp"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ferricalc {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0.
// Overlong forms, surrogates and code points beyond U+10FFFF are not well-formed.
std::size_t utf8SequenceLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondLow = 0xA0;
        if (lead == 0xED)
            secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondLow = 0x90;
        if (lead == 0xF4)
            secondHigh = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < secondLow || second > secondHigh)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(static_cast<unsigned char>(text[i])))
            return 0;
    return length;
}

}  // namespace

OutputBuffer::OutputBuffer(std::ostream& out, std::size_t capacity) : m_out(out), m_chars(capacity) {}

OutputBuffer::~OutputBuffer() { flush(); }

void OutputBuffer::putAcrossFlushes(std::string_view text)
{
    while (!text.empty()) {
        if (m_size == m_chars.size())
            flush();
        const std::size_t part = std::min(text.size(), m_chars.size() - m_size);
        std::memcpy(m_chars.data() + m_size, text.data(), part);
        m_size += part;
        text.remove_prefix(part);
    }
}

void OutputBuffer::putInteger(long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void OutputBuffer::putShortest(double value)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void OutputBuffer::putCsvCell(std::string_view text)
{
    const bool needsQuotes = std::any_of(text.begin(), text.end(),
                                         [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
    if (!needsQuotes) {
        put(text);
        return;
    }
    put('"');
    for (const char c : text) {
        if (c == '"')
            put('"');
        put(c);
    }
    put('"');
}

void OutputBuffer::putJsonString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    put('"');
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.front());
        if (byte >= 0x80) {
            const std::size_t length = utf8SequenceLength(text);
            if (length == 0) {
                put(kReplacementCharacter);
                text.remove_prefix(1);
            } else {
                put(text.substr(0, length));
                text.remove_prefix(length);
            }
            continue;
        }
        text.remove_prefix(1);
        switch (byte) {
        case '"':
            put("\\\"");
            break;
        case '\\':
            put("\\\\");
            break;
        case '\n':
            put("\\n");
            break;
        case '\r':
            put("\\r");
            break;
        case '\t':
            put("\\t");
            break;
        default:
            if (byte < 0x20) {
                put("\\u00");
                put(kHex[byte >> 4]);
                put(kHex[byte & 0x0F]);
            } else {
                put(static_cast<char>(byte));
            }
        }
    }
    put('"');
}

void OutputBuffer::flush()
{
    if (m_size > 0)
        m_out.write(m_chars.data(), static_cast<std::streamsize>(m_size));
    m_size = 0;
}

}  // namespace ferricalc
