// Writes what the WebAssembly module must reproduce, as JSON, for the page's
// tests under Node.js (tests/web/module_test.js):
// - the tables the native tests check: every core's worked examples, the
//   command line's worked example of each core, the conversion and display
//   format tables;
// - what this build calculates for the catalogue's standard cores (with the
//   deviations from their data sheets), for generated dimension sets of every
//   core, and for the fuzz corpora's inputs, each with the advice beside the
//   results and the results' unrounded values;
// - the magnetic design of the catalogue's cores and of generated dimension
//   sets for a few sets of inputs, every figure as the design view shows it,
//   and the design's reading of its input fields.
//
//   ferricalc_web_expectations FUZZ_CORPUS_DIR OUTPUT.json
//
// Field texts from the corpora may be any bytes, so every text that goes into
// the module is written in hexadecimal.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "calc/advisories.hpp"
#include "calc/calculation.hpp"
#include "calc/catalog_texts.hpp"
#include "calc/design.hpp"
#include "cli_worked_examples.hpp"
#include "core_cases.hpp"
#include "cores/catalog.hpp"
#include "cores/registry.hpp"
#include "fuzz_support.hpp"
#include "number_cases.hpp"

namespace {

using namespace ferricalc;
using namespace ferricalc::testing_support;

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string hex(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : bytes) {
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 0xF];
    }
    return out + '"';
}

// The shortest text that reads back as the value, which JSON.parse reads exactly.
std::string number(double value)
{
    char digits[64];
    return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

std::string format(const DisplayFormat& display)
{
    return "\"decimals\":" + std::to_string(display.decimals)
           + ",\"integerDigitAlways\":" + (display.integerDigitAlways ? "true" : "false")
           + ",\"suffix\":" + jsonString(display.suffix);
}

// A list of JSON objects, one per line.
class List {
public:
    explicit List(std::string name) : m_text("\"" + std::move(name) + "\":[\n") {}
    void add(const std::string& object)
    {
        m_text += m_first ? "" : ",\n";
        m_text += "{" + object + "}";
        m_first = false;
    }
    std::string done() const { return m_text + "\n]"; }

private:
    std::string m_text;
    bool m_first = true;
};

std::string array(const std::vector<std::string>& items)
{
    std::string text = "[";
    for (const std::string& item : items) {
        if (text.size() > 1)
            text += ',';
        text += item;
    }
    return text + ']';
}

// The advice on a calculation in both languages, and the unrounded value of each result.
std::string adviceFields(const CoreDescriptor& core, const Calculation& result, std::string_view separator)
{
    const ExactResults exact = exactResults(result.constants);
    std::vector<std::string> advice, unrounded;
    bool explains = false;
    for (const Language language : {Language::Chinese, Language::English}) {
        const Advisories advisories = advise(core, result, exact, language, separator);
        advice.push_back(jsonString(advisories.dimensions));
        advice.push_back(jsonString(advisories.display));
        explains = advisories.displayExplainsFailure;
    }
    for (int q = 0; q < QuantityCount; ++q)
        unrounded.push_back(jsonString(unroundedText(static_cast<Quantity>(q), exact, Language::Chinese, separator)));
    return ",\"advice\":" + array(advice) + ",\"explains\":" + (explains ? "true" : "false")
           + ",\"unrounded\":" + array(unrounded);
}

std::string calculationObject(std::string_view label, const CoreDescriptor& core, std::string_view separator,
                              const std::vector<std::string_view>& texts)
{
    const Calculation result = calculate(core, texts, separator);
    std::vector<std::string> fields, shown, values;
    for (const std::string_view text : texts)
        fields.push_back(hex(text));
    for (int i = 0; i < result.written; ++i) {
        shown.push_back(jsonString(result.texts[static_cast<std::size_t>(i)].view()));
        values.push_back(number(result.values[static_cast<std::size_t>(i)]));
    }
    std::string object = "\"label\":" + jsonString(label) + ",\"core\":" + jsonString(core.name)
                         + ",\"separator\":" + hex(separator) + ",\"fields\":" + array(fields)
                         + ",\"texts\":" + array(shown) + ",\"values\":" + array(values);
    object += ",\"stage\":" + std::to_string(static_cast<int>(result.failure.stage))
              + ",\"field\":" + std::to_string(result.failure.field)
              + ",\"message\":" + jsonString(failureMessage(core, result.failure, Language::Chinese))
              + ",\"error\":" + jsonString(failureMessage(core, result.failure, Language::English));
    return object + adviceFields(core, result, separator);
}

// A few designs: a gapped MnZn inductor, a transformer core wound for an
// inductance with a spacer, a long gap in a low permeability without Bsat, and
// figures beyond range, and a material of unknown Bsat wound for far less than
// one turn gives, aiming at an AL no gap the core holds reaches. NaN leaves an
// input out.
struct DesignCase {
    double muI, bsat, density, gap;
    bool allLegs;
    double turns, inductance, current, targetAl;
};
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr DesignCase kDesignCases[] = {
    {2200, 390, kNone, 0.5, false, 20, kNone, 2, 250},
    {6000, 380, 4800, 0, true, kNone, 1000, 0.3, 1e5},
    {1.5, kNone, kNone, 2.5, true, 1, kNone, 50, kNone},
    {1e5, 390, kNone, 0, false, 1e15, kNone, 1e300, 0.1},
    {2200, kNone, kNone, 0.1, false, kNone, 0.001, 1, 0.1},
};

std::optional<double> given(double value) { return std::isnan(value) ? std::nullopt : std::optional<double>(value); }

// The gaps at which the plot's AL is checked.
constexpr double kCurveGaps[] = {0.01, 0.1, 1, 3};

// What the design view shows for the core's texts and one case.
std::string designObject(const CoreDescriptor& core, const std::vector<std::string_view>& texts, int caseIndex)
{
    const DesignCase& c = kDesignCases[caseIndex];
    std::vector<std::string> fields;
    for (const std::string_view text : texts)
        fields.push_back(jsonString(text));
    std::string object = "\"core\":" + jsonString(core.name) + ",\"fields\":" + array(fields)
                         + ",\"case\":" + std::to_string(caseIndex);
    const CoreSetResult set = coreSet(core, texts, ".");
    if (!set.formed())
        return object + ",\"error\":" + jsonString(coreSetMessage(core, set, Language::Chinese));
    DesignInputs in;
    in.muI = c.muI;
    in.bsat100 = given(c.bsat);
    in.density = given(c.density);
    in.gap = c.gap;
    in.gapPlace = c.allLegs ? GapPlace::AllLegs : GapPlace::CentrePost;
    in.turns = given(c.turns);
    in.inductance = in.turns ? std::nullopt : given(c.inductance);
    in.current = given(c.current);
    in.targetAl = given(c.targetAl);
    const Design d = design(set.set, in);
    if (d.error != DesignError::None)
        return object + ",\"error\":" + jsonString(designErrorMessage(d.error, Language::Chinese));
    const std::pair<DesignQuantity, std::optional<double>> figures[] = {
        {DesignQuantity::Le, d.le}, {DesignQuantity::Ae, d.ae}, {DesignQuantity::Ve, d.ve},
        {DesignQuantity::Amin, d.amin}, {DesignQuantity::WindowArea, d.windowArea},
        {DesignQuantity::AreaProduct, d.areaProduct}, {DesignQuantity::Mass, d.mass},
        {DesignQuantity::MuE, d.muEFringing}, {DesignQuantity::MuENoFringing, d.muENoFringing},
        {DesignQuantity::AlUngapped, d.alUngapped}, {DesignQuantity::AlIdeal, d.alIdeal},
        {DesignQuantity::ResidualGap, d.residualGap}, {DesignQuantity::Al, d.alFringing},
        {DesignQuantity::AlNoFringing, d.alNoFringing}, {DesignQuantity::Turns, d.turns},
        {DesignQuantity::Inductance, d.inductance}, {DesignQuantity::PeakFlux, d.peakFlux},
        {DesignQuantity::PeakFluxMax, d.peakFluxMax}, {DesignQuantity::FluxShareMax, d.bsatShareMax},
        {DesignQuantity::SaturationCurrent, d.saturationCurrent}, {DesignQuantity::Energy, d.energy},
    };
    std::string shown = "{";
    for (const auto& [quantity, value] : figures) {
        if (!value)
            continue;
        shown += (shown.size() > 1 ? "," : "") + jsonString(designFormat(quantity).name) + ":"
                 + jsonString(designDisplayText(quantity, *value, "."));
    }
    std::vector<std::string> curve;
    for (const bool fringing : {true, false})
        for (const double gap : kCurveGaps)
            curve.push_back(number(inductanceFactor(set.set, in.muI, gap, in.gapPlace, fringing)));
    return object + ",\"figures\":" + shown + "},\"saturation\":" + std::to_string(static_cast<int>(d.saturation))
           + ",\"saturationAmin\":" + std::to_string(static_cast<int>(d.saturationAmin))
           + ",\"saturationMax\":" + std::to_string(static_cast<int>(d.saturationMax))
           + ",\"target\":" + std::to_string(d.gapForTarget ? static_cast<int>(d.gapForTarget->outcome) : -1)
           + ",\"lines\":" + array({jsonString(peakFluxAminText(d, ".")),
                                       jsonString(saturationNote(d, in.bsat100.has_value())),
                                       jsonString(targetGapText(d, ".")), jsonString(peakFluxMaxText(d, ".")),
                                       jsonString(windingNote(d, ".", Language::Chinese))})
           + ",\"outerLegs\":" + std::to_string(set.set.shape.outerLegCount)
           + ",\"longestGap\":" + number(longestGap(set.set.shape)) + ",\"curve\":" + array(curve);
}

// Texts each input field may hold, and how the design reads them; a gap
// against a core's longest gap (NaN for none), named as a ring's where `ring`.
struct DesignReadCase {
    std::string_view kind;  // the page's name of the input
    DesignInput input;
    std::string_view text;
    std::string_view separator;
    double gapLimit = kNone;
    bool ring = false;
};
const DesignReadCase kDesignReads[] = {
    {"mu_i", DesignInput::MuI, "2200", "."},         {"mu_i", DesignInput::MuI, "0.5", "."},
    {"bsat", DesignInput::Bsat, "0", "."},           {"bsat", DesignInput::Bsat, "abc", "."},
    {"gap", DesignInput::Gap, "-0.1", "."},          {"gap", DesignInput::Gap, " 0,25 ", ","},
    {"gap", DesignInput::Gap, "", "."},              {"turns", DesignInput::Turns, "0", "."},
    {"turns", DesignInput::Turns, "2.5", "."},       {"turns", DesignInput::Turns, "1e16", "."},
    {"turns", DesignInput::Turns, "１２", "."},       {"inductance", DesignInput::Inductance, "-5", "."},
    {"current", DesignInput::Current, "-0.1", "."},  {"current", DesignInput::Current, "1e400", "."},
    {"target_al", DesignInput::TargetAl, "2e3", "."}, {"target_al", DesignInput::TargetAl, "0.01", "."},
    {"density", DesignInput::Density, "4.85", "."},  {"density", DesignInput::Density, "30000", "."},
    {"gap", DesignInput::Gap, "24.2", ".", 24.2},    {"gap", DesignInput::Gap, "24.3", ".", 24.2},
    {"gap", DesignInput::Gap, "1e9", ".", 12.566, true},
};

std::vector<std::string> corpus(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<std::string> inputs;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return inputs;
}

// Plausible and implausible dimensions for every field of every core: texts
// with up to three decimals, now and then a zero, a negative or an exponent.
// Each core's first sets are designed as well, with the first design case.
constexpr int kGeneratedSets = 250;
constexpr int kGeneratedDesigns = 20;

void addGeneratedSets(List& calculations, List& designs)
{
    std::mt19937_64 random(2024);
    const auto below = [&random](std::uint64_t bound) { return random() % bound; };
    for (const CoreDescriptor* core : coreTypes()) {
        if (!core->available())
            continue;
        for (int set = 0; set < kGeneratedSets; ++set) {
            std::vector<std::string> owned;
            for (const FieldSpec& field : core->fields) {
                char text[32];
                const std::uint64_t kind = below(40);
                const std::uint64_t thousandths = field.start == StartText::Zero ? below(3'000) : below(120'000) + 100;
                if ((field.start == StartText::Zero && kind < 20) || kind == 2)
                    std::snprintf(text, sizeof text, "0");
                else if (kind == 0)
                    std::snprintf(text, sizeof text, "-%d", static_cast<int>(below(50)) + 1);
                else if (kind == 1)
                    std::snprintf(text, sizeof text, "%de%d", static_cast<int>(below(9)) + 1, static_cast<int>(below(9)) - 4);
                else
                    std::snprintf(text, sizeof text, "%d.%03d", static_cast<int>(thousandths / 1000),
                                  static_cast<int>(thousandths % 1000));
                owned.push_back(text);
            }
            const std::vector<std::string_view> texts(owned.begin(), owned.end());
            calculations.add(calculationObject("generated " + std::to_string(set), *core, ".", texts));
            if (set < kGeneratedDesigns)
                designs.add(designObject(*core, texts, 0));
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: ferricalc_web_expectations FUZZ_CORPUS_DIR OUTPUT.json\n";
        return 2;
    }
    const std::filesystem::path corpora = argv[1];

    List coreCases("coreCases");
    for (const auto& table : coreCaseTables())
        for (const CoreCase& c : table)
            coreCases.add("\"name\":" + jsonString(c.name) + ",\"core\":" + jsonString(c.core->name) + ",\"inputs\":"
                          + jsonString(c.inputs) + ",\"shown\":" + jsonString(c.shown) + ",\"failure\":" + jsonString(c.failure)
                          + adviceFields(*c.core, runCase(*c.core, c.inputs), "."));
    List workedExamples("workedExamples");
    for (const WorkedExample& example : kWorkedExamples)
        workedExamples.add("\"name\":" + jsonString(example.name) + ",\"core\":" + jsonString(example.core)
                           + ",\"inputs\":" + jsonString(example.inputs) + ",\"shown\":" + jsonString(example.shown));

    List parseCases("parseCases");
    for (const ParseCase& c : kParseCases)
        parseCases.add("\"name\":" + jsonString(c.name) + ",\"text\":" + hex(c.text) + ",\"separator\":" + hex(c.separator)
                       + ",\"expected\":" + (c.expected ? number(*c.expected) : "null"));
    List formatCases("formatCases");
    for (const FormatCase& c : kFormatCases)
        formatCases.add("\"name\":" + jsonString(c.name) + ",\"value\":" + number(c.value) + "," + format(c.format)
                        + ",\"separator\":" + hex(c.separator) + ",\"expected\":" + jsonString(c.expected));
    for (const RoundingCase& c : kRoundingCases)
        formatCases.add("\"name\":" + jsonString(c.name) + ",\"value\":" + number(c.value) + "," + format(c.format)
                        + ",\"separator\":" + hex(".") + ",\"expected\":" + jsonString(c.shown));

    // The catalogue's cores as their windows calculate them, with the reference line's figures and deviations.
    List calculations("calculations");
    List catalogue("catalogue");
    for (const CoreDescriptor* core : coreTypes()) {
        for (const StandardCore& standard : standardCores(*core)) {
            const std::vector<std::string_view> texts(standard.texts.begin(), standard.texts.end());
            calculations.add(calculationObject(standard.name, *core, ".", texts));
            const Calculation result = calculate(*core, texts, ".");
            std::vector<std::string> sheet;
            for (const Quantity q : {Le, Ae, Ve}) {
                const std::optional<double> figure = standard.dataSheet.figure(q);
                if (!figure || q >= result.written)
                    continue;
                sheet.push_back(jsonString(kQuantityNames[q]) + ":{\"figure\":" + number(*figure)
                                + ",\"figureText\":" + jsonString(figureText(*figure, ".")) + ",\"value\":"
                                + number(result.values[q]) + ",\"deviation\":"
                                + jsonString(deviationText(deviationPercent(result.values[q], *figure), ".")) + "}");
            }
            std::string sheetObject = array(sheet);
            sheetObject.front() = '{';
            sheetObject.back() = '}';
            catalogue.add("\"core\":" + jsonString(core->name) + ",\"name\":" + jsonString(standard.name) + ",\"sheet\":" + sheetObject);
        }
    }
    List designs("designs");
    addGeneratedSets(calculations, designs);
    for (const std::string& input : corpus(corpora / "calculation")) {
        if (input.size() < 2)
            continue;
        const CoreDescriptor* core = fuzzing::coreFor(static_cast<std::uint8_t>(input[0]));
        std::vector<std::string_view> texts;
        for (const FieldSpec& field : core->fields)
            texts.push_back(field.start == StartText::Zero ? "0" : "");
        const std::vector<std::string_view> lines = fuzzing::splitAt(input, '\n');
        for (std::size_t i = 1; i < lines.size() && i <= texts.size(); ++i)
            texts[i - 1] = lines[i];
        calculations.add(calculationObject("corpus", *core, fuzzing::separatorFor(static_cast<std::uint8_t>(input[1])),
                                           texts));
    }

    List parses("parses");
    for (const std::string& input : corpus(corpora / "parse_number")) {
        if (input.empty())
            continue;
        const std::string_view separator = fuzzing::separatorFor(static_cast<std::uint8_t>(input[0]));
        const std::string_view text = std::string_view(input).substr(1);
        const std::optional<double> value = parseNumber(text, separator);
        parses.add("\"text\":" + hex(text) + ",\"separator\":" + hex(separator)
                   + ",\"expected\":" + (value ? number(*value) : "null"));
    }
    List formats("formats");
    for (const std::string& input : corpus(corpora / "format_number")) {
        if (input.size() < sizeof(double))
            continue;
        double value = 0.0;
        std::memcpy(&value, input.data(), sizeof value);
        if (!std::isfinite(value))
            continue;
        const DisplayFormat& display =
            fuzzing::kFormats[(input.size() > 8 ? static_cast<std::uint8_t>(input[8]) : 0) % std::size(fuzzing::kFormats)];
        const std::string_view separator =
            fuzzing::separatorFor(input.size() > 9 ? static_cast<std::uint8_t>(input[9]) : 0);
        formats.add("\"value\":" + number(value) + "," + format(display) + ",\"separator\":" + hex(separator)
                    + ",\"expected\":" + jsonString(formatNumber(value, display, separator).view()));
    }

    // Every catalogue core with each set of inputs.
    for (const CoreDescriptor* core : coreTypes())
        for (const StandardCore& standard : standardCores(*core))
            for (int c = 0; c < static_cast<int>(std::size(kDesignCases)); ++c)
                designs.add(designObject(*core, {standard.texts.begin(), standard.texts.end()}, c));
    List designReads("designReads");
    for (const DesignReadCase& c : kDesignReads) {
        const InputReading reading = readDesignInput(c.input, c.text, c.separator, given(c.gapLimit));
        designReads.add("\"kind\":" + jsonString(c.kind) + ",\"text\":" + jsonString(c.text) + ",\"separator\":"
                        + jsonString(c.separator) + ",\"gapLimit\":" + (std::isnan(c.gapLimit) ? "null" : number(c.gapLimit))
                        + ",\"ring\":" + (c.ring ? "true" : "false")
                        + ",\"value\":" + (reading.value ? number(*reading.value) : "null") + ",\"reason\":"
                        + jsonString(readingMessage(reading, c.input, c.ring, Language::Chinese, c.separator)));
    }

    std::ofstream out(argv[2], std::ios::binary);
    out << "{" << coreCases.done() << ",\n" << workedExamples.done() << ",\n" << parseCases.done() << ",\n"
        << formatCases.done() << ",\n" << calculations.done() << ",\n" << catalogue.done() << ",\n"
        << parses.done() << ",\n" << formats.done() << ",\n" << designs.done() << ",\n" << designReads.done()
        << "}\n";
    out.close();
    if (!out) {
        std::cerr << "ferricalc_web_expectations: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
