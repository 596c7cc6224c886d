#include "cli_json.hpp"

#include <charconv>

namespace ferricalc::testing_support {

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    std::optional<Json> document()
    {
        Json value;
        skipBlanks();
        if (!parseValue(value, 0))
            return std::nullopt;
        skipBlanks();
        if (m_pos != m_text.size())
            return std::nullopt;
        return value;
    }

private:
    static constexpr int kMaxDepth = 64;

    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }

    void skipBlanks()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_pos;
    }

    bool literal(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return false;
        m_pos += word.size();
        return true;
    }

    bool parseValue(Json& value, int depth)
    {
        if (depth > kMaxDepth)
            return false;
        switch (peek()) {
        case 'n':
            value.kind = Json::Kind::Null;
            return literal("null");
        case 't':
            value.kind = Json::Kind::Boolean;
            value.boolean = true;
            return literal("true");
        case 'f':
            value.kind = Json::Kind::Boolean;
            return literal("false");
        case '"':
            value.kind = Json::Kind::String;
            return parseString(value.text);
        case '[':
            value.kind = Json::Kind::Array;
            return parseArray(value, depth);
        case '{':
            value.kind = Json::Kind::Object;
            return parseObject(value, depth);
        default:
            value.kind = Json::Kind::Number;
            return parseNumber(value.number);
        }
    }

    bool parseArray(Json& value, int depth)
    {
        ++m_pos;
        skipBlanks();
        if (peek() == ']') {
            ++m_pos;
            return true;
        }
        while (true) {
            skipBlanks();
            if (!parseValue(value.items.emplace_back(), depth + 1))
                return false;
            skipBlanks();
            if (peek() == ']') {
                ++m_pos;
                return true;
            }
            if (peek() != ',')
                return false;
            ++m_pos;
        }
    }

    bool parseObject(Json& value, int depth)
    {
        ++m_pos;
        skipBlanks();
        if (peek() == '}') {
            ++m_pos;
            return true;
        }
        while (true) {
            skipBlanks();
            auto& member = value.members.emplace_back();
            if (peek() != '"' || !parseString(member.first))
                return false;
            skipBlanks();
            if (peek() != ':')
                return false;
            ++m_pos;
            skipBlanks();
            if (!parseValue(member.second, depth + 1))
                return false;
            skipBlanks();
            if (peek() == '}') {
                ++m_pos;
                return true;
            }
            if (peek() != ',')
                return false;
            ++m_pos;
        }
    }

    bool parseNumber(double& number)
    {
        const std::size_t start = m_pos;
        auto digits = [this] {
            const std::size_t from = m_pos;
            while (!atEnd() && peek() >= '0' && peek() <= '9')
                ++m_pos;
            return m_pos - from;
        };
        if (peek() == '-')
            ++m_pos;
        if (peek() == '0')
            ++m_pos;
        else if (digits() == 0)
            return false;
        if (peek() == '.') {
            ++m_pos;
            if (digits() == 0)
                return false;
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_pos;
            if (peek() == '+' || peek() == '-')
                ++m_pos;
            if (digits() == 0)
                return false;
        }
        const char* first = m_text.data() + start;
        const char* last = m_text.data() + m_pos;
        const auto [end, error] = std::from_chars(first, last, number);
        return error == std::errc() && end == last;
    }

    bool hex4(unsigned& code)
    {
        if (m_pos + 4 > m_text.size())
            return false;
        const char* first = m_text.data() + m_pos;
        const auto [end, error] = std::from_chars(first, first + 4, code, 16);
        m_pos += 4;
        return error == std::errc() && end == first + 4;
    }

    static void appendUtf8(std::string& out, unsigned code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // Checks one UTF-8 sequence in the string and copies it.
    bool copyUtf8(std::string& out)
    {
        const auto lead = static_cast<unsigned char>(peek());
        std::size_t length = 0;
        unsigned code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (m_pos + length > m_text.size())
            return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(m_text[m_pos + i]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        out.append(m_text.substr(m_pos, length));
        m_pos += length;
        return true;
    }

    bool parseString(std::string& out)
    {
        ++m_pos;
        while (!atEnd()) {
            const auto c = static_cast<unsigned char>(peek());
            if (c == '"') {
                ++m_pos;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c >= 0x80) {
                if (!copyUtf8(out))
                    return false;
                continue;
            }
            ++m_pos;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            const char escape = peek();
            ++m_pos;
            switch (escape) {
            case '"':
            case '\\':
            case '/':
                out += escape;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                unsigned code = 0;
                if (!hex4(code))
                    return false;
                if (code >= 0xD800 && code <= 0xDBFF) {
                    unsigned low = 0;
                    if (!literal("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                        return false;
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code <= 0xDFFF) {
                    return false;
                }
                appendUtf8(out, code);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace

const Json& Json::operator[](std::string_view key) const
{
    static const Json kNull;
    for (const auto& [name, value] : members)
        if (name == key)
            return value;
    return kNull;
}

bool Json::has(std::string_view key) const
{
    for (const auto& member : members)
        if (member.first == key)
            return true;
    return false;
}

std::optional<Json> parseJson(std::string_view text) { return Parser(text).document(); }

}  // namespace ferricalc::testing_support
