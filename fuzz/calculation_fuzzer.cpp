// One whole Calculate per input: any core type, any texts in its fields.
//
// Input: the first line's first byte picks the core type (option index modulo
// 12, the next built type when that one is not built yet), its second byte the
// decimal separator (see fuzz_support.hpp); the rest of the first line is free
// for a note. Every following line is the text of the next field in the window's
// chain order; fields without a line keep their start texts.
//
// What must hold for every input:
// - every written label is a plain decimal in its format: no "inf", no "nan", no
//   exponent, and it reads back as the value the calculation reports;
// - the labels are written in the order C1, C2, Le, Ae, Ve with no gap, and the
//   failure stage fits the count (a conversion failure writes nothing);
// - a failure has a message in both languages, a success has none;
// - a success's Le, Ae and Ve come from the displayed C1 and C2;
// - the command line prints the same texts, fails the same way, exits 0 or 1,
//   and says on stderr what the window's message line says.

#include <cctype>
#include <cmath>
#include <sstream>

#include "calc/advisories.hpp"
#include "calc/calculation.hpp"
#include "cli/cli.hpp"
#include "fuzz_support.hpp"

namespace {

using namespace ferricalc;
using namespace ferricalc::fuzzing;

std::string quantity(int index)
{
    return std::string(kQuantityNames[static_cast<std::size_t>(index)]);
}

// A label's text has exactly the shape of its format: a minus only before a
// non-zero digit, the integer digits (none below 1 where the format omits
// them), the separator, the format's number of decimals and its suffix.
bool hasDisplayShape(std::string_view text, const DisplayFormat& format, std::string_view separator)
{
    if (!text.ends_with(format.suffix))
        return false;
    text.remove_suffix(format.suffix.size());
    const bool minus = text.starts_with('-');
    if (minus)
        text.remove_prefix(1);
    const std::size_t point = text.find(separator);
    if (point == std::string_view::npos)
        return false;
    const std::string_view integer = text.substr(0, point);
    const std::string_view fraction = text.substr(point + separator.size());
    const auto allDigits = [](std::string_view s) {
        return s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!allDigits(integer) || !allDigits(fraction) || fraction.size() != static_cast<std::size_t>(format.decimals))
        return false;
    const auto nonZero = [](std::string_view s) { return s.find_first_not_of('0') != std::string_view::npos; };
    if (minus && !nonZero(integer) && !nonZero(fraction))
        return false;
    if (format.integerDigitAlways)
        return !integer.empty() && (integer == "0" || !integer.starts_with('0'));
    return integer.empty() || !integer.starts_with('0');
}

bool mentionsNonNumber(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos
           || lower.find('e') != std::string::npos;
}

void checkLabels(const CoreDescriptor& core, const Calculation& result, std::string_view separator)
{
    require(result.written >= 0 && result.written <= QuantityCount, "written count out of range");
    for (int i = 0; i < QuantityCount; ++i) {
        const std::string_view text = result.texts[static_cast<std::size_t>(i)].view();
        if (i >= result.written) {
            require(text.empty(), quantity(i) + " has a text but was not written");
            continue;
        }
        const DisplayFormat& format = core.results[static_cast<std::size_t>(i)].format;
        require(!mentionsNonNumber(text), quantity(i) + " shows \"" + escaped(text) + "\"");
        require(hasDisplayShape(text, format, separator),
                quantity(i) + " is not in its display format: \"" + escaped(text) + "\"");
        const std::optional<double> back = readBack(result.texts[static_cast<std::size_t>(i)], format, separator);
        require(back && *back == result.values[static_cast<std::size_t>(i)],
                quantity(i) + " does not read back as the value reported with it");
    }
}

void checkFailure(const CoreDescriptor& core, const Calculation& result, std::span<const std::string_view> texts,
                  std::string_view separator)
{
    using Stage = CalculationFailure::Stage;
    const CalculationFailure& failure = result.failure;
    const bool messages = !failureMessage(core, failure, Language::Chinese).empty()
                          && !failureMessage(core, failure, Language::English).empty();
    switch (failure.stage) {
    case Stage::None:
        require(result.written == QuantityCount, "a success wrote only " + std::to_string(result.written) + " labels");
        require(failureMessage(core, failure, Language::Chinese).empty()
                    && failureMessage(core, failure, Language::English).empty(),
                "a success comes with a failure message");
        break;
    case Stage::Conversion: {
        require(messages, "a conversion failure has no message");
        require(result.written == 0, "a conversion failure wrote labels");
        require(failure.field >= 0 && static_cast<std::size_t>(failure.field) < core.fields.size(),
                "a conversion failure names no field");
        require(!parseNumber(texts[static_cast<std::size_t>(failure.field)], separator),
                "the field named by a conversion failure converts");
        for (const int field : core.conversionOrder) {
            if (field == failure.field)
                break;
            require(parseNumber(texts[static_cast<std::size_t>(field)], separator).has_value(),
                    "a field converted before the failing one does not convert");
        }
        break;
    }
    case Stage::Geometry: {
        require(messages, "a geometry failure has no message");
        require(failure.error != ArithmeticError::None, "a geometry failure names no arithmetic error");
        require(!result.constants.c2 || result.constants.c1, "C2 was formed without C1");
        const int formed = (result.constants.c1 ? 1 : 0) + (result.constants.c2 ? 1 : 0);
        require(result.written == formed && formed < 2, "a geometry failure wrote labels it had not formed");
        break;
    }
    case Stage::Derivation:
        require(messages, "a derivation failure has no message");
        require(failure.error != ArithmeticError::None, "a derivation failure names no arithmetic error");
        require(result.written >= 2 && result.written < QuantityCount,
                "a derivation failure wrote " + std::to_string(result.written) + " labels");
        break;
    }
    if (result.constants.failure != ArithmeticError::None)
        require(failure.stage == Stage::Geometry, "the geometry failed but the calculation went on");
    if (failure.stage != Stage::Conversion)
        for (const int field : core.conversionOrder)
            require(parseNumber(texts[static_cast<std::size_t>(field)], separator).has_value(),
                    "the geometry ran with a field that does not convert");
    if (result.written >= 2 && result.values[C2] == 0.0)
        require(failure.stage == Stage::Derivation && failure.error == ArithmeticError::DivisionByZero,
                "C2 shows as zero but the derivation did not fail on it");
}

// Le, Ae and Ve are the displayed C1 and C2 combined, rounded to five decimals.
void checkDerivation(const Calculation& result)
{
    const double c1 = result.values[C1];
    const double c2 = result.values[C2];
    const double expected[] = {(c1 * c1) / c2, c1 / c2, ((c1 * c1) * c1) / (c2 * c2)};
    for (int i = Le; i <= Ve; ++i) {
        const double want = expected[i - Le];
        const double got = result.values[static_cast<std::size_t>(i)];
        require(std::fabs(got - want) <= 0.5e-5 + std::fabs(want) * 1e-15,
                quantity(i) + " is not derived from the displayed C1 and C2");
    }
}

void checkCommandLine(const CoreDescriptor& core, std::span<const std::string_view> texts)
{
    std::vector<std::string> arguments{std::string(core.name)};
    for (std::size_t i = 0; i < core.fields.size(); ++i)
        arguments.push_back(std::string(core.fields[i].letter) + "=" + std::string(texts[i]));
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(args, out, err);

    const Calculation result = calculate(core, texts, ".");
    std::string expectedOut;
    for (int i = 0; i < result.written; ++i)
        expectedOut += quantity(i) + " " + std::string(result.texts[static_cast<std::size_t>(i)].view()) + "\n";
    require(out.str() == expectedOut, "the command line printed \"" + escaped(out.str()) + "\", the window shows \""
                                          + escaped(expectedOut) + "\"");
    // Its standard error: the failure's reason, then the advice the window gives, in English.
    std::string expectedErr;
    if (!result.succeeded())
        expectedErr = "ferricalc-cli: " + failureMessage(core, result.failure, Language::English) + "\n";
    const Advisories advice = advise(core, result, exactResults(result.constants), Language::English, ".");
    for (const std::string* line : {&advice.dimensions, &advice.display})
        if (!line->empty())
            expectedErr += "ferricalc-cli: " + *line + "\n";
    if (result.succeeded())
        require(status == kSucceeded, "the command line did not succeed with the window");
    else
        require(status == kCalculationFailed, "the command line exited " + std::to_string(status) + " on a failure");
    require(err.str() == expectedErr, "the command line said \"" + escaped(err.str()) + "\", not \""
                                          + escaped(expectedErr) + "\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const CurrentInput input(data, size);
    const CoreDescriptor* core = coreFor(data[0]);
    if (!core)
        return 0;
    const std::string_view separator = separatorFor(data[1]);

    std::vector<std::string_view> texts;
    for (const FieldSpec& field : core->fields)
        texts.push_back(field.start == StartText::Zero ? "0" : "");
    const std::vector<std::string_view> lines = splitAt({reinterpret_cast<const char*>(data), size}, '\n');
    for (std::size_t i = 1; i < lines.size() && i <= texts.size(); ++i)
        texts[i - 1] = lines[i];

    const Calculation result = calculate(*core, texts, separator);
    checkLabels(*core, result, separator);
    checkFailure(*core, result, texts, separator);
    if (result.succeeded())
        checkDerivation(result);
    checkCommandLine(*core, texts);
    return 0;
}
