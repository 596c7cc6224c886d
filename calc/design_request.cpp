#include "calc/design_request.hpp"

#include "calc/catalog_texts.hpp"

namespace ferricalc {

namespace {

constexpr std::string_view kPoint = ".";

std::optional<double> targetGap(const Design& d)
{
    if (d.gapForTarget && d.gapForTarget->outcome == GapForAl::Outcome::Found)
        return d.gapForTarget->gap;
    return std::nullopt;
}

// In the order the lines are written; the line's name is the quantity's.
constexpr ReportedFigure kFigures[] = {
    {DesignQuantity::Amin, "Amin", [](const Design& d) -> std::optional<double> { return d.amin; }},
    {DesignQuantity::WindowArea, "Aw", [](const Design& d) -> std::optional<double> { return d.windowArea; }},
    {DesignQuantity::AreaProduct, "Ap", [](const Design& d) -> std::optional<double> { return d.areaProduct; }},
    {DesignQuantity::Mass, "mass", [](const Design& d) { return d.mass; }},
    {DesignQuantity::MuE, "mu_e", [](const Design& d) -> std::optional<double> { return d.muEFringing; }},
    {DesignQuantity::Al, "AL", [](const Design& d) -> std::optional<double> { return d.alFringing; }},
    {DesignQuantity::AlNoFringing, "AL_nofringing",
     [](const Design& d) -> std::optional<double> { return d.alNoFringing; }},
    {DesignQuantity::AlIdeal, "AL_ideal", [](const Design& d) -> std::optional<double> { return d.alIdeal; }},
    {DesignQuantity::ResidualGap, "residual_gap", [](const Design& d) -> std::optional<double> { return d.residualGap; }},
    {DesignQuantity::Inductance, "L", [](const Design& d) { return d.inductance; }},
    {DesignQuantity::Turns, "N", [](const Design& d) { return d.turns; }},
    {DesignQuantity::PeakFlux, "B", [](const Design& d) { return d.peakFlux; }},
    {DesignQuantity::PeakFluxAmin, "B_Amin", [](const Design& d) { return d.peakFluxAmin; }},
    {DesignQuantity::FluxShare, "B_Amin_of_Bsat", [](const Design& d) { return d.bsatShareAmin; }},
    {DesignQuantity::PeakFluxMax, "B_max", [](const Design& d) { return d.peakFluxMax; }},
    {DesignQuantity::FluxShareMax, "B_max_of_Bsat", [](const Design& d) { return d.bsatShareMax; }},
    {DesignQuantity::SaturationCurrent, "I_sat", [](const Design& d) { return d.saturationCurrent; }},
    {DesignQuantity::Energy, "energy", [](const Design& d) { return d.energy; }},
    {DesignQuantity::Gap, "gap_for_target_al", targetGap},
};

std::string_view nameOf(int option, bool columns)
{
    const DesignOptionName& name = kDesignOptions[static_cast<std::size_t>(option)];
    return columns ? name.column : name.option;
}

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
    request.columns = columns;
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
        if (place == kGapPlaceNames[0] || place == "center")
            inputs.gapPlace = GapPlace::CentrePost;
        else if (place == kGapPlaceNames[1])
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
            return refuse(number.option, readingMessage(reading, number.kind, false, Language::English, kPoint));
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

    // A table material with its μi or Bsat replaced is a custom one, as the
    // window makes it 自定义; its other figures stay.
    if (given(MaterialOption) && (given(MuIOption) || given(BsatOption)))
        request.material = nullptr;
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
    if (const double longest = longestGap(set.set.shape); request.inputs.gap > longest) {
        // Told as the window tells it at the field, naming the option or column.
        const InputReading reading{std::nullopt, DesignError::GapBeyondCore, longest};
        outcome.design.error = DesignError::GapBeyondCore;
        outcome.problem.assign(nameOf(GapOption, request.columns)).append(" '");
        outcome.problem.append(figureText(request.inputs.gap, kPoint)).append("': ");
        outcome.problem.append(readingMessage(reading, DesignInput::Gap, set.set.shape.outerLegCount == 0,
                                              Language::English, kPoint));
        outcome.problem.append(" of this core");
        outcome.usage = true;
        return outcome;
    }
    outcome.design = design(set.set, request.inputs);
    if (outcome.design.error != DesignError::None) {
        outcome.problem = "design: " + designErrorMessage(outcome.design.error, Language::English);
    } else if (const auto& found = outcome.design.gapForTarget;
               found && found->outcome == GapForAl::Outcome::BeyondLongestGap) {
        outcome.problem = "no gap reaches AL " + designText(DesignQuantity::TargetAl, *request.inputs.targetAl, kPoint)
                          + ": the longest gap the core holds, " + designText(DesignQuantity::Gap, found->gap, kPoint)
                          + ", gives " + designText(DesignQuantity::Al, found->al, kPoint);
    } else if (found && found->outcome != GapForAl::Outcome::Found) {
        outcome.problem = "no gap reaches AL " + designText(DesignQuantity::TargetAl, *request.inputs.targetAl, kPoint)
                          + ": the set without a gap gives "
                          + designText(DesignQuantity::AlUngapped, outcome.design.alUngapped, kPoint);
    }
    return outcome;
}

std::span<const ReportedFigure> reportedFigures() { return kFigures; }

std::string reportedColumnHeader(const ReportedFigure& figure)
{
    std::string header(figure.column);
    const std::string_view unit = designFormat(figure.quantity).unit;
    if (!unit.empty())
        header.append("_").append(unit == "%" ? std::string_view("pct") : unit);
    return header;
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
    return "unknown";
}

std::vector<std::string> designRemarks(const DesignOutcome& outcome)
{
    std::vector<std::string> remarks;
    const Design& d = outcome.design;
    if (d.error != DesignError::None)
        return remarks;
    if (d.peakFluxMax && d.bsatShareMax && d.saturationMax >= SaturationLevel::Advisory) {
        const bool saturated = d.saturationMax == SaturationLevel::Warning;
        std::string remark(saturated ? "warning: B_max " : "advisory: B_max ");
        remark.append(designText(DesignQuantity::PeakFluxMax, *d.peakFluxMax, kPoint))
            .append(" is ")
            .append(designText(DesignQuantity::FluxShareMax, *d.bsatShareMax, kPoint))
            .append(" of Bsat at 100 °C (")
            .append(designText(DesignQuantity::Bsat, *outcome.inputs.bsat100, kPoint))
            .append(saturated ? "): the core saturates" : ")");
        remarks.push_back(std::move(remark));
    } else if (d.peakFlux && !outcome.inputs.bsat100) {
        remarks.emplace_back("saturation not checked: the material's Bsat is unknown");
    }
    if (std::string note = windingNote(d, kPoint, Language::English); !note.empty())
        remarks.push_back("advisory: " + note);
    return remarks;
}

}  // namespace ferricalc
