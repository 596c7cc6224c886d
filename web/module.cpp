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
//
// A number that is absent (an input not given, a figure the design does not
// hold) crosses as NaN; every number the module hands out is otherwise finite.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/advisor.hpp"
#include "calc/advisories.hpp"
#include "calc/calculation.hpp"
#include "calc/catalog_texts.hpp"
#include "calc/design_request.hpp"
#include "calc/number_text.hpp"
#include "cores/catalog.hpp"
#include "cores/published_al.hpp"
#include "cores/registry.hpp"

namespace {

using namespace ferricalc;

struct Reply {
    Calculation calculation;
    std::string shown;  // in the page's language
    std::string english;
    ExactResults exact;
    std::string separator;
    std::array<Advisories, 2> advice;  // the page's language, English

    // The design: the set of the last ferricalc_design_core, and the design of
    // the last ferricalc_design or ferricalc_design_request.
    const CoreDescriptor* designCore = nullptr;
    CoreSetResult set;
    DesignOutcome outcome;
    // The losses of the last ferricalc_losses (the design view's) and the last
    // ferricalc_loss_read, for its message.
    LossDesign losses;
    LossError lossReadError = LossError::None;
    // The last ferricalc_design_read, for its message.
    InputReading reading;
    DesignInput readKind = DesignInput::MuI;
    bool readRing = false;
    std::string readSeparator = ".";

    // The published AL points of the last ferricalc_published_al.
    struct Published {
        double gap;
        double al;
        std::string material;  // the request's text is freed when the call returns
    };
    std::vector<Published> published;

    // The last ferricalc_advise: every design, in the adviser's order, and the requirement it met.
    std::vector<Advice> advised;
    Requirement requirement;

    std::string text;  // the reply of the text functions

    // The language of the page's messages (ferricalc_set_language); the
    // command line's English ones stay English whatever it is.
    Language language = Language::Chinese;
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

// The core `coreIndex` names (the selector's option order) when the request
// holds one text per field and `others` more; null when it does not.
const CoreDescriptor* requestedCore(int coreIndex, const std::vector<std::string_view>& texts, std::size_t others)
{
    if (coreIndex < 0 || coreIndex >= kCoreTypeCount)
        return nullptr;
    const CoreDescriptor& core = coreType(coreIndex);
    return core.available() && texts.size() == core.fields.size() + others ? &core : nullptr;
}

std::optional<double> given(double value)
{
    return std::isnan(value) ? std::nullopt : std::optional<double>(value);
}

double orNaN(std::optional<double> value) { return value.value_or(std::nan("")); }

Language language(int english) { return english != 0 ? Language::English : Language::Chinese; }

// The page's language, for the messages a window would show.
Language pageLanguage() { return reply().language; }

// A figure of the design as the design view shows it.
std::optional<double> figureOf(const Design& d, DesignQuantity quantity)
{
    switch (quantity) {
    case DesignQuantity::Le:
        return d.le;
    case DesignQuantity::Ae:
        return d.ae;
    case DesignQuantity::Ve:
        return d.ve;
    case DesignQuantity::Amin:
        return d.amin;
    case DesignQuantity::WindowArea:
        return d.windowArea;
    case DesignQuantity::AreaProduct:
        return d.areaProduct;
    case DesignQuantity::Mass:
        return d.mass;
    case DesignQuantity::MuE:
        return d.muEFringing;
    case DesignQuantity::MuENoFringing:
        return d.muENoFringing;
    case DesignQuantity::AlUngapped:
        return d.alUngapped;
    case DesignQuantity::AlIdeal:
        return d.alIdeal;
    case DesignQuantity::ResidualGap:
        return d.residualGap;
    case DesignQuantity::Al:
        return d.alFringing;
    case DesignQuantity::AlNoFringing:
        return d.alNoFringing;
    case DesignQuantity::Turns:
        return d.turns;
    case DesignQuantity::Inductance:
        return d.inductance;
    case DesignQuantity::PeakFlux:
        return d.peakFlux;
    case DesignQuantity::PeakFluxAmin:
        return d.peakFluxAmin;
    case DesignQuantity::FluxShare:
        return d.bsatShareAmin;
    case DesignQuantity::PeakFluxMax:
        return d.peakFluxMax;
    case DesignQuantity::FluxShareMax:
        return d.bsatShareMax;
    case DesignQuantity::SaturationCurrent:
        return d.saturationCurrent;
    case DesignQuantity::Energy:
        return d.energy;
    case DesignQuantity::Gap:
        if (d.gapForTarget && d.gapForTarget->outcome == GapForAl::Outcome::Found)
            return d.gapForTarget->gap;
        return std::nullopt;
    default:
        return std::nullopt;  // an input, not a figure
    }
}

bool validQuantity(int quantity) { return quantity >= 0 && quantity < static_cast<int>(DesignQuantity::Count); }

bool validLossQuantity(int quantity) { return quantity >= 0 && quantity < static_cast<int>(LossQuantity::Count); }

// The material of the table's index (data.materials' order), null for 自定义 (-1) or none.
const Material* materialAt(int index)
{
    const std::span<const Material> table = materials();
    return index >= 0 && static_cast<std::size_t>(index) < table.size() ? &table[static_cast<std::size_t>(index)] : nullptr;
}

std::optional<double> lossFigureOf(const LossDesign& losses, LossQuantity quantity)
{
    for (const ReportedLossFigure& figure : reportedLossFigures())
        if (figure.quantity == quantity)
            return figure.of(losses);
    return std::nullopt;
}

// The columns of a row of advice (calc/advisor.hpp): 0 core … 12 mass.
const int kAdviceColumnCount = static_cast<int>(adviceColumns().size());

const Advice* adviceAt(int row)
{
    const auto& all = reply().advised;
    return row >= 0 && static_cast<std::size_t>(row) < all.size() ? &all[static_cast<std::size_t>(row)] : nullptr;
}

}  // namespace

extern "C" {

// The language of the messages given as a window would show them: 0 Chinese (the default), 1 English.
void ferricalc_set_language(int english) { reply().language = language(english); }
int ferricalc_language() { return reply().language == Language::English ? 1 : 0; }

// Memory for a request; the script frees it when the call has returned.
char* ferricalc_allocate(int size) { return static_cast<char*>(std::malloc(static_cast<std::size_t>(size > 0 ? size : 1))); }
void ferricalc_release(char* memory) { std::free(memory); }

// One Calculate of core `coreIndex` (the selector's option order). Returns the
// number of results written, or -1 when the request does not fit the core.
int ferricalc_calculate(int coreIndex, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    const CoreDescriptor* requested = requestedCore(coreIndex, texts, 1);
    if (requested == nullptr)
        return -1;
    const CoreDescriptor& core = *requested;
    Reply& state = reply();
    state.calculation = calculate(core, std::span(texts).subspan(1), texts.front());
    state.shown = failureMessage(core, state.calculation.failure, pageLanguage());
    state.english = failureMessage(core, state.calculation.failure, Language::English);
    state.separator = texts.front();
    state.exact = exactResults(state.calculation.constants);
    state.advice[0] = advise(core, state.calculation, state.exact, pageLanguage(), state.separator);
    state.advice[1] = advise(core, state.calculation, state.exact, Language::English, state.separator);
    return state.calculation.written;
}

// The last Calculate's advice, as the window's message line (0, in the page's language) or the command line (1)
// gives it:
// `which` 0 on the dimensions, 1 on the display of C1 and C2; empty when there is none.
const char* ferricalc_advice(int which, int english)
{
    const Advisories& advice = reply().advice[english != 0 ? 1 : 0];
    return textReply(which == 0 ? advice.dimensions : which == 1 ? advice.display : std::string());
}
// 1 when the display advice explains the failure and takes the failure's place in the window.
int ferricalc_advice_explains_failure() { return reply().advice[0].displayExplainsFailure ? 1 : 0; }
// The unrounded value of the last Calculate's result `index`, as its tooltip gives it; empty when none.
const char* ferricalc_unrounded(int index, int english)
{
    if (index < 0 || index >= QuantityCount)
        return textReply({});
    return textReply(unroundedText(static_cast<Quantity>(index), reply().exact, language(english), reply().separator));
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
// What went wrong, as the window says it in the page's language (0) or as the command line does (1); empty on
// success.
const char* ferricalc_failure_message(int english)
{
    return textReply(english != 0 ? reply().english : reply().shown);
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

// ---- The magnetic design ----------------------------------------------------

// The core set of core `coreIndex` for the design view: the request holds the
// separator and the fields' texts. Returns 0 when it can be designed, else the
// DesignError that says why (ferricalc_design_core_message).
int ferricalc_design_core(int coreIndex, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    const CoreDescriptor* core = requestedCore(coreIndex, texts, 1);
    if (core == nullptr)
        return -1;
    Reply& state = reply();
    state.designCore = core;
    state.set = coreSet(*core, std::span(texts).subspan(1), texts.front());
    state.outcome = {};
    return static_cast<int>(state.set.error);
}
// How many outer legs (or wall halves) a spacer gaps besides the post: 0 for a ring, which is cut once.
int ferricalc_design_outer_legs() { return reply().set.formed() ? reply().set.set.shape.outerLegCount : 0; }
// The longest gap the set holds (the window height beside the post, a ring's
// inner circumference), mm; NaN when the set is not formed.
double ferricalc_design_longest_gap()
{
    const Reply& state = reply();
    if (!state.set.formed())
        return std::nan("");
    const double longest = longestGap(state.set.set.shape);
    return std::isfinite(longest) ? longest : std::nan("");
}
const char* ferricalc_design_core_message(int english)
{
    const Reply& state = reply();
    return textReply(state.designCore != nullptr ? coreSetMessage(*state.designCore, state.set, language(english))
                                                 : std::string());
}

// The design of that set. μi and the gap are always given; NaN leaves any
// other input out (Bsat, density, turns, inductance, current, target AL).
// Returns 0, or the DesignError that stopped it.
int ferricalc_design(double muI, double bsat, double density, double gap, int allLegs, double turns, double inductance,
                     double current, double targetAl)
{
    Reply& state = reply();
    if (!state.set.formed())
        return static_cast<int>(state.set.error);
    DesignInputs& in = state.outcome.inputs;
    in = {};
    in.muI = muI;
    in.bsat100 = given(bsat);
    in.density = given(density);
    in.gap = gap;
    in.gapPlace = allLegs != 0 ? GapPlace::AllLegs : GapPlace::CentrePost;
    in.turns = given(turns);
    in.inductance = in.turns ? std::nullopt : given(inductance);
    in.current = given(current);
    in.targetAl = given(targetAl);
    state.outcome.design = design(state.set.set, in);
    return static_cast<int>(state.outcome.design.error);
}

// A figure of the last design, as a DesignQuantity: NaN where it holds none.
// The gap is the one found for the target AL.
double ferricalc_design_figure(int quantity)
{
    if (!validQuantity(quantity) || reply().outcome.design.error != DesignError::None)
        return std::nan("");
    return orNaN(figureOf(reply().outcome.design, static_cast<DesignQuantity>(quantity)));
}
// How close the flux density on Ae (0), on Amin (1) or B̂max, the highest in
// the path (2), comes to Bsat: 0 unknown, 1 clear, 2 advisory, 3 saturated;
// -1 when the last design was not made.
int ferricalc_design_level(int which)
{
    const Design& d = reply().outcome.design;
    if (d.error != DesignError::None)
        return -1;
    return static_cast<int>(which == 2 ? d.saturationMax : which == 1 ? d.saturationAmin : d.saturation);
}
// The gap for the target AL: -1 none wanted, 0 found, 1 no gap reaches it (above
// the ungapped AL), 2 only a gap longer than the core holds would reach it.
int ferricalc_design_target()
{
    const Design& d = reply().outcome.design;
    return d.gapForTarget ? static_cast<int>(d.gapForTarget->outcome) : -1;
}
// The design view's lines for the last design: 0 B̂ on Amin with its share of
// Bsat, 1 the note on saturation, 2 the gap for the target AL, 3 B̂max with its
// share, 4 the note on the winding. The request holds the separator.
const char* ferricalc_design_line(int which, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    const std::string_view separator = texts.empty() ? "." : texts[0];
    const DesignOutcome& outcome = reply().outcome;
    if (outcome.design.error != DesignError::None)
        return textReply({});
    switch (which) {
    case 0:
        return textReply(peakFluxAminText(outcome.design, separator, pageLanguage()));
    case 1:
        return textReply(saturationNote(outcome.design, outcome.inputs.bsat100.has_value(), pageLanguage()));
    case 2:
        return textReply(targetGapText(outcome.design, separator, pageLanguage()));
    case 3:
        return textReply(peakFluxMaxText(outcome.design, separator, pageLanguage()));
    case 4:
        return textReply(windingNote(outcome.design, separator, pageLanguage()));
    default:
        return textReply({});
    }
}

// The calculator window's Le (0), Ae (1) and Ve (2) of the last design where
// its path is a closer model than the window's (RM); NaN where they are the same.
double ferricalc_design_calculator_figure(int which)
{
    const Design& d = reply().outcome.design;
    if (d.error != DesignError::None)
        return std::nan("");
    return orNaN(which == 0 ? d.calculatorLe : which == 1 ? d.calculatorAe : which == 2 ? d.calculatorVe : std::nullopt);
}

// The makers' published AL of a standard core's set, for the plot: the request
// holds the catalogue's name of the core and a material. The chosen material's
// points where the maker publishes them (returns 1), else the set's gapped
// points in every material (returns 0), or none (-1). Each point is read with
// ferricalc_published_point and ferricalc_published_material.
int ferricalc_published_al(const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    Reply& state = reply();
    state.published.clear();
    if (texts.size() != 2 || texts[0].empty())
        return -1;
    if (!texts[1].empty()) {
        for (const PublishedAlPoint& point : publishedAlPoints(texts[0], texts[1]))
            state.published.push_back({point.gap, point.al, std::string(texts[1])});
        if (!state.published.empty())
            return 1;
    }
    for (const PublishedAl& record : publishedAlRecords())
        if (record.gap > 0.0 && sameCoreSet(texts[0], record.shape))
            state.published.push_back({record.gap, record.al, std::string(record.material)});
    return state.published.empty() ? -1 : 0;
}
int ferricalc_published_count() { return static_cast<int>(reply().published.size()); }
// Point `index`'s gap in mm (0) or AL in nH (1); NaN beyond the points.
double ferricalc_published_point(int index, int which)
{
    const auto& points = reply().published;
    if (index < 0 || static_cast<std::size_t>(index) >= points.size())
        return std::nan("");
    const auto& point = points[static_cast<std::size_t>(index)];
    return which == 0 ? point.gap : point.al;
}
const char* ferricalc_published_material(int index)
{
    const auto& points = reply().published;
    if (index < 0 || static_cast<std::size_t>(index) >= points.size())
        return textReply({});
    return textReply(points[static_cast<std::size_t>(index)].material);
}

// AL in nH of the set with μi and that gap, for the plot.
double ferricalc_design_al(double muI, double gap, int allLegs, int fringing)
{
    const Reply& state = reply();
    if (!state.set.formed() || !(muI >= 1.0) || !(gap >= 0.0))
        return std::nan("");
    const double al = inductanceFactor(state.set.set, muI, gap, allLegs != 0 ? GapPlace::AllLegs : GapPlace::CentrePost,
                                       fringing != 0);
    return std::isfinite(al) ? al : std::nan("");
}

// `value` of a DesignQuantity at its decimals with its unit: ASCII as the
// command line writes it (0), as a window shows it (1), or no unit (2). The request holds the separator.
const char* ferricalc_design_text(int quantity, double value, int display, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    if (!validQuantity(quantity) || !std::isfinite(value))
        return textReply({});
    const std::string_view separator = texts.empty() ? "." : texts[0];
    const auto q = static_cast<DesignQuantity>(quantity);
    switch (display) {
    case 1:
        return textReply(designDisplayText(q, value, separator));
    case 2:
        return textReply(designValueText(q, value, separator));
    default:
        return textReply(designText(q, value, separator));
    }
}

// One input field read as a DesignInput (0 μi, 1 Bsat, 2 gap, 3 turns,
// 4 inductance, 5 current, 6 target AL, 7 density): the request holds the
// separator and the text. A gap is held to `gapLimit`, the core's longest gap,
// unless it is NaN; `ring` names a ring's limit as its inner circumference.
// NaN when it gives no value: an empty text, or one refused
// (ferricalc_design_read_error and ferricalc_design_read_message say why).
double ferricalc_design_read(int kind, double gapLimit, int ring, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    Reply& state = reply();
    if (kind < 0 || kind >= static_cast<int>(DesignInput::Count) || texts.size() != 2) {
        state.reading = {std::nullopt, DesignError::NotANumber};
        return std::nan("");
    }
    state.readKind = static_cast<DesignInput>(kind);
    state.readRing = ring != 0;
    state.readSeparator = texts[0];
    state.reading = readDesignInput(state.readKind, texts[1], texts[0], given(gapLimit));
    return orNaN(state.reading.value);
}
int ferricalc_design_read_error() { return static_cast<int>(reply().reading.error); }
// Why the last reading was refused, with the limit it passed ("不能超过窗口高度 24.200 mm"), in the page's
// language; empty when it was not.
const char* ferricalc_design_read_message()
{
    const Reply& state = reply();
    return textReply(readingMessage(state.reading, state.readKind, state.readRing, pageLanguage(),
                                    state.readSeparator));
}
// The question a density typed in kg/m³ raises when it looks like g/cm³; empty for a plausible one.
const char* ferricalc_design_density_question(double density)
{
    return textReply(densityQuestion(density, pageLanguage()));
}
// A DesignError in a few words, as a window (0) or the command line (1) says it.
const char* ferricalc_design_message(int error, int english)
{
    if (error < 0 || error > static_cast<int>(DesignError::GapBeyondCore))
        return textReply({});
    return textReply(designErrorMessage(static_cast<DesignError>(error), language(english)));
}

// The design as the command line's --json gives it, for the scripting
// interface: the request holds the core's field texts and then one text per
// design option (calc/design_request.hpp), empty where not given. Returns -1
// when the request does not fit the core, 2 when the options cannot be used
// (ferricalc_design_problem says why), 1 when the core does not calculate (no
// design), and 0 with the design made; its problem, if any, is
// ferricalc_design_problem.
int ferricalc_design_request(int coreIndex, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    const CoreDescriptor* requested = requestedCore(coreIndex, texts, DesignOptionCount);
    if (requested == nullptr)
        return -1;
    const CoreDescriptor& core = *requested;
    const std::span<const std::string_view> fields = std::span(texts).first(core.fields.size());
    DesignTexts options{};
    std::copy(texts.end() - DesignOptionCount, texts.end(), options.begin());
    Reply& state = reply();
    state.set = {};
    const DesignRequest asked = readDesignRequest(options, true);
    state.outcome = {};
    if (!asked.problem.empty()) {
        state.outcome.problem = asked.problem;
        return 2;
    }
    if (!calculate(core, fields, ".").succeeded())
        return 1;
    state.outcome = makeDesign(core, fields, asked);
    return 0;
}
const char* ferricalc_design_problem() { return textReply(reply().outcome.problem); }
// The material the last request named; empty for none.
const char* ferricalc_design_material()
{
    const Material* material = reply().outcome.material;
    return textReply(material != nullptr ? std::string(material->name) : std::string());
}
// The inputs the last design used: 0 μi, 1 the gap, 2 where it is (0 the centre post, 1 every leg).
double ferricalc_design_input(int which)
{
    const DesignInputs& in = reply().outcome.inputs;
    switch (which) {
    case 0:
        return in.muI;
    case 1:
        return in.gap;
    case 2:
        return in.gapPlace == GapPlace::AllLegs ? 1.0 : 0.0;
    default:
        return std::nan("");
    }
}
// The reported figure `index` (calc/design_request.hpp's order) of the last design; NaN where absent.
double ferricalc_design_reported(int index)
{
    const std::span<const ReportedFigure> figures = reportedFigures();
    const Design& d = reply().outcome.design;
    if (index < 0 || static_cast<std::size_t>(index) >= figures.size() || d.error != DesignError::None)
        return std::nan("");
    return orNaN(figures[static_cast<std::size_t>(index)].of(d));
}

// ---- Losses and temperature rise ------------------------------------------

// The losses of the last ferricalc_design (the design view's) with material
// `material` (data.materials' index, -1 for 自定义), the peak current given to
// that design, and the loss inputs: NaN leaves the frequency, ripple, B̂ac and
// wire out; `triangle` 0 for a sine. Returns 0, or the LossError that refused an
// input (or -1 without a design).
int ferricalc_losses(int material, double frequency, int triangle, double duty, double ripple, double acFlux,
                     double temperature, double wire, double strands)
{
    Reply& state = reply();
    state.losses = {};
    if (!state.set.formed() || state.outcome.design.error != DesignError::None)
        return -1;
    LossInputs in;
    in.frequency = given(frequency);
    in.waveform = triangle != 0 ? LossWaveform::Triangle : LossWaveform::Sine;
    in.duty = duty;
    in.ripple = given(ripple);
    in.acFlux = given(acFlux);
    in.temperature = temperature;
    in.wireDiameter = given(wire);
    in.strands = strands >= 1.0 && strands <= 1e6 ? static_cast<int>(strands) : 0;
    state.losses = designLosses(state.set.set, materialAt(material), state.outcome.design, state.outcome.inputs.current, in);
    return static_cast<int>(state.losses.error);
}
// A figure of the last ferricalc_losses, as a LossQuantity: NaN where absent.
double ferricalc_loss_figure(int quantity)
{
    if (!validLossQuantity(quantity) || reply().losses.error != LossError::None)
        return std::nan("");
    return orNaN(lossFigureOf(reply().losses, static_cast<LossQuantity>(quantity)));
}
// The last ferricalc_losses' advice (0) and why there is no core loss (1), in the page's language; empty when none.
const char* ferricalc_loss_line(int which)
{
    const LossDesign& losses = reply().losses;
    if (losses.error != LossError::None)
        return textReply({});
    return textReply(which == 0 ? lossAdviceText(losses.advice, pageLanguage())
                                : lossUnavailableText(losses.coreLossUnavailable, pageLanguage()));
}
// `value` of a LossQuantity at its decimals with its unit: ASCII (0) or as a window shows it (1). The request holds the separator.
const char* ferricalc_loss_text(int quantity, double value, int display, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    if (!validLossQuantity(quantity) || !std::isfinite(value))
        return textReply({});
    return textReply(lossText(static_cast<LossQuantity>(quantity), value, texts.empty() ? "." : texts[0], display != 0));
}
// One loss field read as a LossInput (0 frequency, 1 duty, 2 ripple, 3 B̂ac,
// 4 temperature, 5 wire, 6 strands): the request holds the separator and the
// text. NaN for an empty text or one refused (ferricalc_loss_read_message says why).
double ferricalc_loss_read(int kind, const char* request, int size)
{
    const std::vector<std::string_view> texts = requestTexts(request, size);
    Reply& state = reply();
    if (kind < 0 || kind >= kLossInputCount || texts.size() != 2) {
        state.lossReadError = LossError::NotANumber;
        return std::nan("");
    }
    const LossInputReading reading = readLossInput(static_cast<LossInput>(kind), texts[1], texts[0]);
    state.lossReadError = reading.error;
    return orNaN(reading.value);
}
const char* ferricalc_loss_read_message() { return textReply(lossErrorMessage(reply().lossReadError, pageLanguage())); }
// Pv in kW/m³ of material `material` at f (Hz), B̂ (mT), the waveform and T (°C), as its data sheet's curve; NaN where none.
double ferricalc_loss_density(int material, double frequency, double peakFlux, int triangle, double duty,
                              double temperature)
{
    const Material* m = materialAt(material);
    if (m == nullptr || !(frequency > 0.0) || !(peakFlux > 0.0) || !(duty > 0.0 && duty < 1.0))
        return std::nan("");
    const CoreLossDensity density = coreLossDensity(*m, frequency, peakFlux,
                                                    triangle != 0 ? LossWaveform::Triangle : LossWaveform::Sine, duty,
                                                    temperature);
    return orNaN(density.pv);
}

// The loss inputs of the last ferricalc_design_request (0 frequency, 1 waveform
// as 0 sine or 1 triangle, 2 duty, 3 ripple, 4 B̂ac, 5 temperature, 6 wire,
// 7 strands): NaN where not given, or without loss options.
double ferricalc_design_loss_input(int which)
{
    const std::optional<LossInputs>& in = reply().outcome.lossInputs;
    if (!in)
        return std::nan("");
    switch (which) {
    case 0:
        return orNaN(in->frequency);
    case 1:
        return in->waveform == LossWaveform::Triangle ? 1.0 : 0.0;
    case 2:
        return in->duty;
    case 3:
        return orNaN(in->ripple);
    case 4:
        return orNaN(in->acFlux);
    case 5:
        return in->temperature;
    case 6:
        return orNaN(in->wireDiameter);
    case 7:
        return in->strands;
    default:
        return std::nan("");
    }
}
// The reported loss figure `index` (calc/design_request.hpp's order) of the last design request; NaN where absent.
double ferricalc_design_loss_reported(int index)
{
    const std::span<const ReportedLossFigure> figures = reportedLossFigures();
    const DesignOutcome& outcome = reply().outcome;
    if (index < 0 || static_cast<std::size_t>(index) >= figures.size() || !outcome.losses
        || outcome.losses->error != LossError::None || outcome.design.error != DesignError::None)
        return std::nan("");
    return orNaN(figures[static_cast<std::size_t>(index)].of(*outcome.losses));
}
// The last design request's loss advice (0) and why it has no core loss (1, with a frequency), in English as the
// command line's JSON gives them; empty when none.
const char* ferricalc_design_loss_line(int which)
{
    const DesignOutcome& outcome = reply().outcome;
    if (!outcome.losses || outcome.losses->error != LossError::None || outcome.design.error != DesignError::None)
        return textReply({});
    if (which == 0)
        return textReply(lossAdviceText(outcome.losses->advice, Language::English));
    return textReply(outcome.lossInputs->frequency
                         ? lossUnavailableText(outcome.losses->coreLossUnavailable, Language::English)
                         : std::string());
}

// ---- 选型: which core ----------------------------------------------------------

// Every standard core of the families designed for the requirement with each
// material (calc/advisor), kept for the accessors below. The request holds the
// families by the command line's names and then the materials by name; a text
// that names neither is refused. `ranking` 0 by volume, 1 by loss, 2 by mass.
// Returns the number of rows, -1 for a request that names no such family or
// material, -2 for a requirement out of its ranges (a ripple more than twice
// the peak current among them).
int ferricalc_advise(const char* request, int size, int ranking, double inductance, double peakCurrent, double ripple,
                     double frequency, double duty, double temperature, double maxRise, double maxShare, double maxFill,
                     int strands)
{
    Reply& state = reply();
    state.advised.clear();
    std::vector<const CoreDescriptor*> families;
    std::vector<const Material*> chosen;
    for (const std::string_view name : requestTexts(request, size)) {
        if (const CoreDescriptor* family = findCoreType(name))
            families.push_back(family);
        else if (const Material* material = findMaterial(name))
            chosen.push_back(material);
        else
            return -1;
    }
    const auto within = [](double value, double low, double high) { return value > low && value <= high; };
    if (!within(inductance, 0, 1e12) || !within(peakCurrent, 0, 1e6) || !(ripple >= 0 && ripple <= 2 * peakCurrent)
        || !within(frequency, 0, 1e9) || !(duty > 0 && duty < 1) || !(temperature >= -273.15 && temperature <= 1000)
        || !within(maxRise, 0, 1000) || !within(maxShare, 0, 100) || !within(maxFill, 0, 100) || strands < 1
        || ranking < 0 || ranking > 2)
        return -2;
    Requirement& r = state.requirement;
    r = {};
    r.inductance = inductance;
    r.peakCurrent = peakCurrent;
    r.ripple = ripple;
    r.frequency = frequency;
    r.duty = duty;
    r.temperature = temperature;
    r.maxTemperatureRise = maxRise;
    r.maxFluxShare = maxShare;
    r.maxFill = maxFill;
    r.strands = strands;
    state.advised = advise(families, chosen, r, static_cast<Ranking>(ranking));
    return static_cast<int>(state.advised.size());
}

// Row `row`'s figure in column `column` (0 core … 12 mass, see adviceColumns()): NaN for a text
// column, one the design holds none of, or beyond the rows. Column -1 gives 1 when the row is
// feasible, -2 its total loss in W.
double ferricalc_advice_value(int row, int column)
{
    const Advice* a = adviceAt(row);
    if (a == nullptr)
        return std::nan("");
    if (column == -1)
        return a->verdict == Verdict::Feasible ? 1.0 : 0.0;
    if (column == -2)
        return a->totalLoss();
    if (column < 0 || column >= kAdviceColumnCount || adviceColumns()[static_cast<std::size_t>(column)].figure == nullptr)
        return std::nan("");
    const std::optional<double> value = adviceColumns()[static_cast<std::size_t>(column)].figure(*a);
    return value && std::isfinite(*value) ? *value : std::nan("");
}

// Row `row`'s cell in column `column` as the command line writes it (the figure at the column's
// decimals, "-" for none); column 13 the verdict in the page's language as the window gives it, 14 in English
// as the command line does (empty for a feasible row).
const char* ferricalc_advice_cell(int row, int column)
{
    const Advice* a = adviceAt(row);
    if (a == nullptr || column < 0 || column > kAdviceColumnCount + 1)
        return textReply({});
    if (column >= kAdviceColumnCount)
        return textReply(verdictText(*a, reply().requirement,
                                     column == kAdviceColumnCount ? pageLanguage() : Language::English));
    return textReply(adviceCell(*a, adviceColumns()[static_cast<std::size_t>(column)]));
}

}  // extern "C"
