#pragma once
// What the fuzz targets share: how an input's bytes choose a decimal separator,
// a core type and the fields' texts, and how a broken invariant is reported.
//
// A broken invariant prints what broke and the input (escaped), then aborts:
// libFuzzer keeps the input as a crash file, and the replay driver of the test
// suite fails its test with the input on stderr.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cores/registry.hpp"

namespace ferricalc::fuzzing {

// The separators a window may get from its locale: the point, the comma and the
// Arabic decimal separator, which is two bytes in UTF-8. A byte picks one by its
// value modulo 3, so that in a seed file a leading '.' (46) means the point and
// ',' (44) the comma.
inline constexpr std::array<std::string_view, 3> kSeparators{"\u066B", ".", ","};

inline std::string_view separatorFor(std::uint8_t byte)
{
    return kSeparators[byte % kSeparators.size()];
}

// The display formats of the results; a byte picks one by its value modulo 5.
inline constexpr DisplayFormat kFormats[] = {kPlain5, kLength5, kArea5, kVolume5, kPlain6};

// The built core type that a byte picks: the option with index byte mod 12, or
// the next built one after it when that type is not built yet. Null when no
// core type is built at all.
inline const CoreDescriptor* coreFor(std::uint8_t byte)
{
    const auto& cores = coreTypes();
    for (std::size_t step = 0; step < cores.size(); ++step) {
        const CoreDescriptor* core = cores[(byte + step) % cores.size()];
        if (core->available())
            return core;
    }
    return nullptr;
}

// The bytes as a C string literal would spell them, for a report.
inline std::string escaped(std::string_view bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

// The input under test, kept for the report of a broken invariant.
class CurrentInput {
public:
    CurrentInput(const std::uint8_t* data, std::size_t size)
    {
        bytes() = std::string_view(reinterpret_cast<const char*>(data), size);
    }
    ~CurrentInput() { bytes() = {}; }
    CurrentInput(const CurrentInput&) = delete;
    CurrentInput& operator=(const CurrentInput&) = delete;

    static std::string_view& bytes()
    {
        static std::string_view current;
        return current;
    }
};

[[noreturn]] inline void invariantBroken(const std::string& what)
{
    std::fprintf(stderr, "\nBROKEN INVARIANT: %s\ninput (%zu bytes): \"%s\"\n", what.c_str(),
                 CurrentInput::bytes().size(), escaped(CurrentInput::bytes()).c_str());
    std::fflush(stderr);
    std::abort();
}

inline void require(bool holds, const std::string& what)
{
    if (!holds)
        invariantBroken(what);
}

// Splits at every `mark`; n marks give n + 1 pieces.
inline std::vector<std::string_view> splitAt(std::string_view text, char mark)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t end = text.find(mark); end != std::string_view::npos; end = text.find(mark, start)) {
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

}  // namespace ferricalc::fuzzing

// The entry point that libFuzzer, and the replay driver in the test suite, call.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
