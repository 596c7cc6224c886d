#include "cli/design_report.hpp"

#include <optional>

#include "calc/catalog_texts.hpp"

namespace ferricalc {

namespace {

constexpr std::string_view kPoint = ".";

// One figure of the design as the command line writes it.
struct Figure {
    DesignQuantity quantity;
    std::string_view column;  // the batch column and JSON key
    std::optional<double> (*of)(const Design&);
};

std::optional<double> targetGap(const Design& d)
{
    if (d.gapForTarget && d.gapForTarget->outcome == GapForAl::Outcome::Found)
        return d.gapForTarget->gap;
    return std::nullopt;
}

// In the order the lines are written; the line's name is the quantity's.
constexpr Figure kFigures[] = {
    {DesignQuantity::Amin, "Amin", [](const Design& d) -> std::optional<double> { return d.amin; }},
    {DesignQuantity::WindowArea, "Aw", [](const Design& d) -> std::optional<double> { return d.windowArea; }},
    {DesignQuantity::AreaProduct, "Ap", [](const Design& d) -> std::optional<double> { return d.areaProduct; }},
    {DesignQuantity::Mass, "mass", [](const Design& d) { return d.mass; }},
    {DesignQuantity::MuE, "mu_e", [](const Design& d) -> std::optional<double> { return d.muEFringing; }},
    {DesignQuantity::Al, "AL", [](const Design& d) -> std::optional<double> { return d.alFringing; }},
    {DesignQuantity::AlNoFringing, "AL_nofringing",
     [](const Design& d) -> std::optional<double> { return d.alNoFringing; }},
    {DesignQuantity::Inductance, "L", [](const Design& d) { return d.inductance; }},
    {DesignQuantity::Turns, "N", [](const Design& d) { return d.turns; }},
    {DesignQuantity::PeakFlux, "B", [](const Design& d) { return d.peakFlux; }},
    {DesignQuantity::PeakFluxAmin, "B_Amin", [](const Design& d) { return d.peakFluxAmin; }},
    {DesignQuantity::FluxShare, "B_Amin_of_Bsat", [](const Design& d) { return d.bsatShareAmin; }},
    {DesignQuantity::Gap, "gap_for_target_al", targetGap},
};

std::string_view nameOf(int option, bool columns)
{
    const DesignOptionName& name = kDesignOptions[static_cast<std::size_t>(option)];
    return columns ? name.column : name.option;
}

std::string_view saturationWord(SaturationLevel level)
{
    switch (level) {
    case SaturationLevel::Clear:
        return "clear";
    case SaturationLevel::Advisory:
        return "advisory";
    case SaturationLevel::Warning:
        return "warning";
    case SaturationLevel::Unknown:
        break;
    }
    return {};
}

constexpr std::string_view kGapPlaces[] = {"centre", "all"};

}  // namespace

int designOptionOf(std::string_view arg)
{
    for (int i = 0; i < DesignOptionCount; ++i) {
        const std::string_view option = kDesignOptions[static_cast<std::size_t>(i)].option;
        if (arg == option || (arg.starts_with(option) && arg.size() > option.size() && arg[option.size()] == '='))
            return i;
    }
    return -1;
}

DesignRequest readDesignRequest(const DesignTexts& texts, bool columns)
{
    DesignRequest request;
    const auto given = [&](int option) { return !texts[static_cast<std::size_t>(option)].empty(); };
    for (int i = 0; i < DesignOptionCount; ++i)
        request.asked = request.asked || given(i);
    if (!request.asked)
        return request;

    const auto refuse = [&](int option, std::string_view why) {
        request.problem.assign(nameOf(option, columns));
        request.problem.append(" '").append(texts[static_cast<std::size_t>(option)]).append("': ").append(why);
        return request;
    };
    DesignInputs& inputs = request.inputs;
    if (given(MaterialOption)) {
        request.material = findMaterial(texts[MaterialOption]);
        if (request.material == nullptr)
            return refuse(MaterialOption, columns ? "no such material" : "no such material (--materials lists them)");
        inputs = materialInputs(*request.material);
    }
    if (given(GapInOption)) {
        const std::string_view place = texts[GapInOption];
        if (place == kGapPlaces[0] || place == "center")
            inputs.gapPlace = GapPlace::CentrePost;
        else if (place == kGapPlaces[1])
            inputs.gapPlace = GapPlace::AllLegs;
        else
            return refuse(GapInOption, "the gap is in the 'centre' post or in 'all' legs");
    }

    struct NumberOption {
        DesignOption option;
        DesignInput kind;
    };
    constexpr NumberOption kNumbers[] = {
        {MuIOption, DesignInput::MuI},           {BsatOption, DesignInput::Bsat},
        {GapOption, DesignInput::Gap},           {TurnsOption, DesignInput::Turns},
        {InductanceOption, DesignInput::Inductance}, {CurrentOption, DesignInput::Current},
        {TargetAlOption, DesignInput::TargetAl},
    };
    for (const NumberOption& number : kNumbers) {
        if (!given(number.option))
            continue;
        const InputReading reading = readDesignInput(number.kind, texts[number.option], kPoint);
        if (reading.error != DesignError::None)
            return refuse(number.option, designErrorMessage(reading.error, Language::English));
        if (!reading.value)
            continue;  // blanks only
        const double value = *reading.value;
        switch (number.option) {
        case MuIOption:
            inputs.muI = value;
            break;
        case BsatOption:
            inputs.bsat100 = value;
            break;
        case GapOption:
            inputs.gap = value;
            break;
        case TurnsOption:
            inputs.turns = value;
            break;
        case InductanceOption:
            inputs.inductance = value;
            break;
        case CurrentOption:
            inputs.current = value;
            break;
        case TargetAlOption:
            inputs.targetAl = value;
            break;
        default:
            break;
        }
    }

    if (!given(MuIOption) && !given(MaterialOption)) {
        for (int i = 0; i < DesignOptionCount; ++i)
            if (given(i)) {
                request.problem.assign(nameOf(i, columns)).append(" needs ");
                request.problem.append(nameOf(MuIOption, columns)).append(" or ").append(nameOf(MaterialOption, columns));
                return request;
            }
    }
    if (given(TurnsOption) && given(InductanceOption)) {
        request.problem.assign(nameOf(TurnsOption, columns)).append(" and ").append(nameOf(InductanceOption, columns));
        request.problem.append(": give one of them (the turns for an inductance are found)");
        return request;
    }
    if (given(CurrentOption) && !given(TurnsOption) && !given(InductanceOption)) {
        request.problem.assign(nameOf(CurrentOption, columns)).append(" needs ");
        request.problem.append(nameOf(TurnsOption, columns)).append(" or ").append(nameOf(InductanceOption, columns));
    }
    return request;
}

DesignOutcome makeDesign(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                         const DesignRequest& request)
{
    DesignOutcome outcome;
    outcome.material = request.material;
    outcome.inputs = request.inputs;
    const CoreSetResult set = coreSet(core, fieldTexts, kPoint);
    if (!set.formed()) {
        outcome.design.error = set.error;
        outcome.problem = "design: " + designErrorMessage(set.error, Language::English);
        return outcome;
    }
    outcome.design = design(set.set, request.inputs);
    if (outcome.design.error != DesignError::None) {
        outcome.problem = "design: " + designErrorMessage(outcome.design.error, Language::English);
    } else if (outcome.design.gapForTarget && outcome.design.gapForTarget->outcome != GapForAl::Outcome::Found) {
        outcome.problem = "no gap reaches AL " + designText(DesignQuantity::TargetAl, *request.inputs.targetAl, kPoint)
                          + ": the set without a gap gives "
                          + designText(DesignQuantity::AlUngapped, outcome.design.alUngapped, kPoint);
    }
    return outcome;
}

void writeDesignLines(OutputBuffer& out, const DesignOutcome& outcome)
{
    if (outcome.design.error != DesignError::None)
        return;
    for (const Figure& figure : kFigures) {
        const std::optional<double> value = figure.of(outcome.design);
        const bool targetGapLine = figure.quantity == DesignQuantity::Gap;
        if (!value && !(targetGapLine && outcome.design.gapForTarget))
            continue;
        // The gap found for --target-al is the line "gap"; "gap none" when no gap reaches it.
        out.put(targetGapLine ? std::string_view("gap") : designFormat(figure.quantity).name);
        out.put(' ');
        out.put(value ? designText(figure.quantity, *value, kPoint) : std::string("none"));
        out.put('\n');
    }
}

std::string saturationRemark(const DesignOutcome& outcome)
{
    const Design& d = outcome.design;
    if (!d.peakFluxAmin || !d.bsatShareAmin || d.saturationAmin == SaturationLevel::Clear)
        return {};
    std::string remark(d.saturationAmin == SaturationLevel::Warning ? "warning: B_Amin " : "advisory: B_Amin ");
    remark.append(designText(DesignQuantity::PeakFluxAmin, *d.peakFluxAmin, kPoint))
        .append(" is ")
        .append(designText(DesignQuantity::FluxShare, *d.bsatShareAmin, kPoint))
        .append(" of Bsat at 100 °C (")
        .append(designText(DesignQuantity::Bsat, *outcome.inputs.bsat100, kPoint))
        .append(d.saturationAmin == SaturationLevel::Warning ? "): the core saturates" : ")");
    return remark;
}

void writeDesignCsvHeader(OutputBuffer& out)
{
    for (const Figure& figure : kFigures) {
        out.put(',');
        out.put(figure.column);
    }
}

void writeDesignCsvCells(OutputBuffer& out, const DesignOutcome* outcome)
{
    for (const Figure& figure : kFigures) {
        out.put(',');
        if (outcome == nullptr || outcome->design.error != DesignError::None)
            continue;
        if (const std::optional<double> value = figure.of(outcome->design))
            out.put(designValueText(figure.quantity, *value, kPoint));
    }
}

void writeDesignJson(OutputBuffer& out, const DesignOutcome* outcome)
{
    out.put(",\"design\":");
    if (outcome == nullptr) {
        out.put("null");
        return;
    }
    const DesignInputs& inputs = outcome->inputs;
    out.put("{\"material\":");
    if (outcome->material != nullptr)
        out.putJsonString(outcome->material->name);
    else
        out.put("null");
    out.put(",\"mu_i\":");
    out.putShortest(inputs.muI);
    out.put(",\"gap\":");
    out.putShortest(inputs.gap);
    out.put(",\"gap_in\":");
    out.putJsonString(kGapPlaces[inputs.gapPlace == GapPlace::CentrePost ? 0 : 1]);

    const bool made = outcome->design.error == DesignError::None;
    const auto putFigures = [&](std::string_view key, auto&& putValue) {
        out.put(",\"");
        out.put(key);
        out.put("\":{");
        bool first = true;
        for (const Figure& figure : kFigures) {
            if (!first)
                out.put(',');
            first = false;
            out.put('"');
            out.put(figure.column);
            out.put("\":");
            const std::optional<double> value = made ? figure.of(outcome->design) : std::nullopt;
            if (value)
                putValue(figure.quantity, *value);
            else
                out.put("null");
        }
        out.put('}');
    };
    putFigures("texts", [&](DesignQuantity q, double v) { out.putJsonString(designText(q, v, kPoint)); });
    putFigures("values", [&](DesignQuantity, double v) { out.putShortest(v); });
    out.put(",\"saturation\":");
    const std::string_view level = made ? saturationWord(outcome->design.saturationAmin) : std::string_view();
    if (level.empty())
        out.put("null");
    else
        out.putJsonString(level);
    out.put(",\"error\":");
    if (outcome->problem.empty())
        out.put("null");
    else
        out.putJsonString(outcome->problem);
    out.put('}');
}

void writeMaterialList(std::ostream& out)
{
    out << "name    maker         base  mu_i   Bsat_25C  Bsat_100C  density\n";
    for (const Material& material : materials()) {
        const auto cell = [](std::optional<double> value, std::string_view unit) {
            return value ? figureText(*value, kPoint).append(unit) : std::string("-");
        };
        const auto padded = [](std::string text, std::size_t width) {
            text.resize(std::max(text.size() + 1, width), ' ');
            return text;
        };
        out << padded(std::string(material.name), 8) << padded(std::string(material.manufacturer), 14)
            << padded(std::string(material.base), 6) << padded(figureText(material.muI, kPoint), 7)
            << padded(cell(material.bsat25, "mT"), 10) << padded(cell(material.bsat100, "mT"), 11)
            << cell(material.density, "kg/m3") << '\n';
    }
}

}  // namespace ferricalc
