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

struct LossRefusal {
    int option = -1;  // the option refused, or -1
    std::string why;
};

// The loss options into request.losses, when one is given.
LossRefusal readLossOptions(const DesignTexts& texts, DesignRequest& request)
{
    const auto text = [&](int option) { return texts[static_cast<std::size_t>(option)]; };
    bool asked = false;
    for (int option = kFirstLossOption; option < DesignOptionCount; ++option)
        asked = asked || !text(option).empty();
    if (!asked)
        return {};
    LossInputs& losses = request.losses.emplace();
    if (!text(WaveformOption).empty()) {
        if (text(WaveformOption) == kWaveformNames[0])
            losses.waveform = LossWaveform::Sine;
        else if (text(WaveformOption) == kWaveformNames[1])
            losses.waveform = LossWaveform::Triangle;
        else
            return {WaveformOption, "the waveform is 'sine' or 'triangle'"};
    }
    struct NumberOption {
        DesignOption option;
        LossInput kind;
    };
    constexpr NumberOption kNumbers[] = {
        {FrequencyOption, LossInput::Frequency}, {DutyOption, LossInput::Duty},
        {RippleOption, LossInput::Ripple},       {AcFluxOption, LossInput::AcFlux},
        {TemperatureOption, LossInput::Temperature}, {WireOption, LossInput::WireDiameter},
        {StrandsOption, LossInput::Strands},
    };
    for (const NumberOption& number : kNumbers) {
        if (text(number.option).empty())
            continue;
        const LossInputReading reading = readLossInput(number.kind, text(number.option), kPoint);
        if (reading.error != LossError::None)
            return {number.option, lossErrorMessage(reading.error, Language::English)};
        if (!reading.value)
            continue;  // blanks only
        const double value = *reading.value;
        switch (number.kind) {
        case LossInput::Frequency:
            losses.frequency = value;
            break;
        case LossInput::Duty:
            losses.duty = value;
            break;
        case LossInput::Ripple:
            losses.ripple = value;
            break;
        case LossInput::AcFlux:
            losses.acFlux = value;
            break;
        case LossInput::Temperature:
            losses.temperature = value;
            break;
        case LossInput::WireDiameter:
            losses.wireDiameter = value;
            break;
        case LossInput::Strands:
            losses.strands = static_cast<int>(value);
            break;
        }
    }
    if (losses.ripple && request.inputs.current
        && checkLossInputs(losses, request.inputs.current) == LossError::RippleAboveTwicePeak)
        return {RippleOption, lossErrorMessage(LossError::RippleAboveTwicePeak, Language::English)};
    return {};
}

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

    if (const LossRefusal refused = readLossOptions(texts, request); refused.option >= 0)
        return refuse(refused.option, refused.why);

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
    const auto needs = [&](int option, std::string_view what) {
        request.problem.assign(nameOf(option, columns)).append(" needs ").append(what);
        return request;
    };
    const std::string turnsOrInductance =
        std::string(nameOf(TurnsOption, columns)) + " or " + std::string(nameOf(InductanceOption, columns));
    const bool wound = given(TurnsOption) || given(InductanceOption);
    if (given(CurrentOption) && !wound)
        return needs(CurrentOption, turnsOrInductance);
    if (given(RippleOption) && given(AcFluxOption)) {
        request.problem.assign(nameOf(RippleOption, columns)).append(" and ").append(nameOf(AcFluxOption, columns));
        request.problem.append(": give one of them (B_ac follows from the ripple)");
        return request;
    }
    // The ripple gives B_ac through the turns; the wire, R_dc and the fill through them.
    for (const int option : {static_cast<int>(RippleOption), static_cast<int>(WireOption)})
        if (given(option) && !wound)
            return needs(option, turnsOrInductance);
    if (given(StrandsOption) && !given(WireOption))
        return needs(StrandsOption, nameOf(WireOption, columns));
    if (given(DutyOption) && !(request.losses && request.losses->waveform == LossWaveform::Triangle))
        return needs(DutyOption, std::string(nameOf(WaveformOption, columns)) + " triangle");
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
    outcome.lossInputs = request.losses;
    if (outcome.design.error == DesignError::None && request.losses)
        outcome.losses = designLosses(set.set, request.material, outcome.design, request.inputs.current, *request.losses);
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
    if (outcome.problem.empty() && outcome.losses && outcome.losses->error != LossError::None)
        outcome.problem = "losses: " + lossErrorMessage(outcome.losses->error, Language::English);
    return outcome;
}

std::span<const ReportedFigure> reportedFigures() { return kFigures; }

namespace {

// A column's unit: % as pct, a slash as _per_ ("kW/m3" → "kW_per_m3").
std::string columnWithUnit(std::string_view column, std::string_view unit)
{
    std::string header(column);
    if (unit.empty())
        return header;
    header.append("_");
    if (unit == "%")
        return header.append("pct");
    for (const char c : unit)
        c == '/' ? header.append("_per_") : header.append(1, c);
    return header;
}

constexpr ReportedLossFigure kLossFigures[] = {
    {LossQuantity::AcFlux, [](const LossDesign& l) { return l.acFlux; }},
    {LossQuantity::LossDensity, [](const LossDesign& l) { return l.lossDensity; }},
    {LossQuantity::CoreLoss, [](const LossDesign& l) { return l.coreLoss; }},
    {LossQuantity::MeanTurnLength, [](const LossDesign& l) -> std::optional<double> { return l.meanTurnLength; }},
    {LossQuantity::Resistance, [](const LossDesign& l) { return l.resistance; }},
    {LossQuantity::CopperLoss, [](const LossDesign& l) { return l.copperLoss; }},
    {LossQuantity::Fill, [](const LossDesign& l) { return l.fill; }},
    {LossQuantity::ThermalResistance, [](const LossDesign& l) -> std::optional<double> { return l.thermalResistance; }},
    {LossQuantity::TemperatureRise, [](const LossDesign& l) { return l.temperatureRise; }},
};

}  // namespace

std::string reportedColumnHeader(const ReportedFigure& figure)
{
    return columnWithUnit(figure.column, designFormat(figure.quantity).unit);
}

std::span<const ReportedLossFigure> reportedLossFigures() { return kLossFigures; }

std::string reportedColumnHeader(const ReportedLossFigure& figure)
{
    const DesignFormat& format = lossFormat(figure.quantity);
    return columnWithUnit(format.name, format.unit);
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
    if (outcome.losses && outcome.losses->error == LossError::None) {
        const LossDesign& losses = *outcome.losses;
        if (const std::string advice = lossAdviceText(losses.advice, Language::English); !advice.empty())
            remarks.push_back("advisory: " + advice);
        if (outcome.lossInputs->frequency && losses.coreLossUnavailable != LossUnavailable::None)
            remarks.push_back("advisory: " + lossUnavailableText(losses.coreLossUnavailable, Language::English));
    }
    return remarks;
}

}  // namespace ferricalc
