// The web page's entry points into the pure pipeline, compiled to WebAssembly.
//
// Plain C functions over bytes and numbers, so that the module needs no
// binding library: the page's script (web/ferricalc-api.js) writes a request
// into memory it allocated here, calls a function, and reads the reply through
// the accessors below. A reply lives until the next call.
//
// A request is a sequence of texts, each a 32-bit little-endian length and its
// UTF-8 bytes: for ferricalc_calculate the decimal separator and then each
// field's text in the window's chain order.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation.hpp"
#include "calc/catalog_texts.hpp"
#include "calc/number_text.hpp"
#include "cores/catalog.hpp"
#include "cores/registry.hpp"

namespace {

using namespace ferricalc;

struct Reply {
    Calculation calculation;
    std::string chinese;
    std::string english;
    std::string text;  // the reply of the text functions
};

Reply& reply()
{
    static Reply state;
    return state;
}

std::vector<std::string_view> requestTexts(const char* request, int size)
{
    std::vector<std::string_view> texts;
    std::size_t pos = 0;
    const auto total = static_cast<std::size_t>(size < 0 ? 0 : size);
    while (pos + 4 <= total) {
        std::uint32_t length = 0;
        for (int i = 3; i >= 0; --i)
            length = length << 8 | static_cast<unsigned char>(request[pos + static_cast<std::size_t>(i)]);
        pos += 4;
        if (length > total - pos)
            break;
        texts.emplace_back(request + pos, length);
        pos += length;
    }
    return texts;
}

const char* textReply(std::string text)
{
    reply().text = std::move(text);
    return reply().text.c_str();
}

}  // namespace

extern "C" {

// Memory for a request; the script frees it when the call has returned.
char* ferricalc_allocate(int size) { return static_cast<char*>(std::malloc(static_cast<std::size_t>(size > 0 ? size : 1))); }
void ferricalc_release(char* memory) { std::free(memory); }

// One Calculate of core `coreIndex` (the selector's option order). Returns the
// number of results written, or -1 when the request does not fit the core.
int ferricalc_calculate(int coreIndex, const char* request, int size)
{
    if (coreIndex < 0 || coreIndex >= kCoreTypeCount)
        return -1;
    const CoreDescriptor& core = coreType(coreIndex);
    const std::vector<std::string_view> texts = requestTexts(request, size);
    if (!core.available() || texts.size() != core.fields.size() + 1)
        return -1;
    Reply& state = reply();
    state.calculation = calculate(core, std::span(texts).subspan(1), texts.front());
    state.chinese = failureMessage(core, state.calculation.failure, Language::Chinese);
    state.english = failureMessage(core, state.calculation.failure, Language::English);
    return state.calculation.written;
}

// The last Calculate's result `index` (C1, C2, Le, Ae, Ve) as shown and as it reads back.
const char* ferricalc_result_text(int index)
{
    return textReply(std::string(reply().calculation.texts.at(static_cast<std::size_t>(index)).view()));
}
double ferricalc_result_value(int index) { return reply().calculation.values.at(static_cast<std::size_t>(index)); }

// 0 on success, else the stage that failed: 1 a field's text, 2 the geometry, 3 the derivation.
int ferricalc_failure_stage() { return static_cast<int>(reply().calculation.failure.stage); }
// The field whose text did not convert, as its index in the chain; -1 for any other outcome.
int ferricalc_failure_field() { return reply().calculation.failure.field; }
// The arithmetic failure: 0 none, 1 a division by zero, 2 the logarithm of zero or
// of a negative number, 3 the square root of a negative number, 4 an overflow.
int ferricalc_failure_error() { return static_cast<int>(reply().calculation.failure.error); }
// What went wrong, as the window says it (0) or as the command line does (1); empty on success.
const char* ferricalc_failure_message(int english)
{
    return textReply(english != 0 ? reply().english : reply().chinese);
}

// The byte length of the text that the last text function returned.
int ferricalc_text_length() { return static_cast<int>(reply().text.size()); }

// A field's text read as a number, with the separator as the first text of the
// request and the field's text as the second; NaN when it does not convert
// (a converted text is always finite).
double ferricalc_parse(const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    if (texts.size() != 2)
        return std::nan("");
    return parseNumber(texts[1], texts[0]).value_or(std::nan(""));
}

// `value` in a display format; the request holds the separator and the suffix.
const char* ferricalc_format(double value, int decimals, int integerDigitAlways, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    if (texts.size() != 2 || decimals < 0 || decimals > 9)
        return textReply({});
    const DisplayFormat format{decimals, integerDigitAlways != 0, texts[1]};
    return textReply(std::string(formatNumber(value, format, texts[0]).view()));
}

// How far `computed` lies from a published figure, as the reference line writes it ("+0.6").
const char* ferricalc_deviation(double computed, double published, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    return textReply(deviationText(deviationPercent(computed, published), texts.empty() ? "." : texts[0]));
}

// A published figure as the data sheet prints it ("97.1").
const char* ferricalc_figure(double value, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    return textReply(figureText(value, texts.empty() ? "." : texts[0]));
}

}  // extern "C"
