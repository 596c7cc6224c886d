#include "calc/losses.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "calc/number_text.hpp"

namespace ferricalc {

namespace {

constexpr double kTenMillitesla = 10.0;

// One line per LossInput, in its order. The ripple and B̂ac have no start: a
// window starts with them empty (B̂ac) or at a quarter of the design's start
// current's peak-to-peak (ripple).
constexpr std::array<LossInputLimits, kLossInputCount> kLossInputLimits{{
    {"frequency", 0.0, 1e10, true, false, 100e3, 0},
    {"duty", 0.0, 1.0, true, true, 0.5, 2},
    {"ripple", 0.0, 1e4, false, false, 0.05, 3},
    {"b_ac", 0.0, 1e4, true, false, 100.0, 1},
    {"temperature", -55.0, 250.0, false, false, 100.0, 0},
    {"wire", 0.0, 100.0, true, false, 0.5, 3},
    {"strands", 1.0, 1e6, false, false, 1.0, 0},
}};

bool withinLimits(LossInput kind, double value)
{
    const LossInputLimits& limits = kLossInputLimits[static_cast<std::size_t>(kind)];
    const bool aboveMinimum = limits.minimumOpen ? value > limits.minimum : value >= limits.minimum;
    const bool belowMaximum = limits.maximumOpen ? value < limits.maximum : value <= limits.maximum;
    return aboveMinimum && belowMaximum;  // false for NaN
}

// Copper: 1/58 Ω·mm²/m at 20 °C and 0.393 %/K (IEC 60028, the international
// annealed copper standard).
constexpr double kCopperResistivity20 = 1.0 / 58.0;
constexpr double kCopperTemperatureCoefficient = 0.00393;

// Enamelled round copper wire, IEC 60317-0-1: the standard bare diameters (R 20
// series) and the grade-1 maximum overall diameter of each, mm (as wire makers'
// tables after the standard print them, e.g. 0.100 → 0.117 and 0.315 → 0.349).
struct WireSize {
    double bare;
    double overall;
};
constexpr std::array<WireSize, 41> kGradeOneWire{{
    {0.050, 0.060}, {0.056, 0.067}, {0.063, 0.076}, {0.071, 0.084}, {0.080, 0.094}, {0.090, 0.105},
    {0.100, 0.117}, {0.112, 0.130}, {0.125, 0.144}, {0.140, 0.160}, {0.160, 0.182}, {0.180, 0.204},
    {0.200, 0.226}, {0.224, 0.252}, {0.250, 0.281}, {0.280, 0.312}, {0.315, 0.349}, {0.355, 0.392},
    {0.400, 0.439}, {0.450, 0.491}, {0.500, 0.544}, {0.560, 0.606}, {0.630, 0.679}, {0.710, 0.762},
    {0.800, 0.855}, {0.900, 0.959}, {1.000, 1.062}, {1.120, 1.184}, {1.250, 1.316}, {1.400, 1.468},
    {1.600, 1.670}, {1.800, 1.872}, {2.000, 2.074}, {2.240, 2.316}, {2.500, 2.578}, {2.800, 2.880},
    {3.150, 3.233}, {3.550, 3.635}, {4.000, 4.088}, {4.500, 4.591}, {5.000, 5.093},
}};

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

double temperaturePolynomial(const SteinmetzRange& range, double temperature)
{
    return range.ct0 - range.ct1 * temperature + range.ct2 * temperature * temperature;
}

// The range at one temperature with the flux exponent's growth folded into β
// and k, so that both the Steinmetz equation and the iGSE read one β.
SteinmetzRange atTemperature(SteinmetzRange range, double temperature)
{
    constexpr double kShiftTemperature = 60.0;
    constexpr double kShiftFlux = 0.1;
    const double growth = range.betaT * (temperature - kShiftTemperature);
    range.beta += growth;
    range.k *= std::pow(kShiftFlux, -growth);
    range.betaT = 0.0;
    return range;
}

// k_i of the iGSE: k / ((2π)^(α−1) · ∫₀^2π |cos θ|^α · 2^(β−α) dθ), with the
// integral in closed form, 4·∫₀^(π/2) cos^α θ dθ = 2√π·Γ((α+1)/2)/Γ(α/2 + 1).
double igseCoefficient(const SteinmetzRange& range)
{
    const double alpha = range.alpha;
    const double integral =
        2.0 * std::sqrt(std::numbers::pi) * std::tgamma((alpha + 1.0) / 2.0) / std::tgamma(alpha / 2.0 + 1.0);
    return range.k / (std::pow(2.0 * std::numbers::pi, alpha - 1.0) * integral * std::pow(2.0, range.beta - alpha));
}

}  // namespace

// ---- Core loss -------------------------------------------------------------

const SteinmetzRange& steinmetzRange(const Material& material, double frequency)
{
    // The last range starting at or below f: published ranges overlap by a hertz
    // at most, and f in a hertz's gap between two stays with the lower.
    const auto& ranges = material.steinmetz;
    std::size_t chosen = 0;
    for (std::size_t i = 1; i < ranges.size(); ++i)
        if (frequency >= ranges[i].fMin)
            chosen = i;
    return ranges[chosen];
}

double steinmetzLoss(const SteinmetzRange& fit, double frequency, double peakTesla, double temperature)
{
    const SteinmetzRange range = atTemperature(fit, temperature);
    return range.k * std::pow(frequency, range.alpha) * std::pow(peakTesla, range.beta) *
           temperaturePolynomial(range, temperature);
}

double igseTriangleLoss(const SteinmetzRange& fit, double frequency, double peakToPeakTesla, double duty,
                        double temperature)
{
    const SteinmetzRange range = atTemperature(fit, temperature);
    // Pv = k_i·(ΔB)^(β−α)·(1/T)∫|dB/dt|^α dt; the flux rises by ΔB in D·T and
    // falls by it in (1 − D)·T, so the mean is (ΔB·f)^α·(D^(1−α) + (1 − D)^(1−α)).
    const double alpha = range.alpha;
    const double slopes = std::pow(duty, 1.0 - alpha) + std::pow(1.0 - duty, 1.0 - alpha);
    return igseCoefficient(range) * std::pow(peakToPeakTesla, range.beta) * std::pow(frequency, alpha) * slopes *
           temperaturePolynomial(range, temperature);
}

std::optional<double> saturationAt(const Material& material, double temperature)
{
    if (!material.bsat25 || !material.bsat100)
        return material.bsat100 ? material.bsat100 : material.bsat25;
    const double share = std::clamp((temperature - 25.0) / 75.0, 0.0, 1.0);
    return *material.bsat25 + share * (*material.bsat100 - *material.bsat25);
}

CoreLossDensity coreLossDensity(const Material& material, double frequency, double peakFlux, LossWaveform waveform,
                                double duty, double temperature)
{
    CoreLossDensity out;
    if (!material.hasLossFit()) {
        out.unavailable = material.lossFactor.empty() ? LossUnavailable::NoLossData : LossUnavailable::LossFactorOnly;
        return out;
    }
    if (material.curie && temperature >= *material.curie) {
        out.unavailable = LossUnavailable::AboveCurie;
        return out;
    }
    const auto& ranges = material.steinmetz;
    out.advice.belowFitFrequency = frequency < ranges.front().fMin;
    out.advice.aboveFitFrequency = frequency >= ranges.back().fMax;
    out.advice.belowTenMillitesla = peakFlux < kTenMillitesla;
    const std::optional<double> bsat = saturationAt(material, temperature);
    out.advice.aboveBsat = bsat && peakFlux > *bsat;
    out.advice.doubtfulFit = material.lossFitDoubtful;

    const SteinmetzRange& range = steinmetzRange(material, frequency);
    const double tesla = peakFlux / 1000.0;
    const double watts = waveform == LossWaveform::Triangle
                             ? igseTriangleLoss(range, frequency, 2.0 * tesla, duty, temperature)
                             : steinmetzLoss(range, frequency, tesla, temperature);
    if (!(watts > 0.0) || !std::isfinite(watts)) {
        out.unavailable = LossUnavailable::FitNotPositive;
        return out;
    }
    out.pv = watts / 1000.0;
    return out;
}

// ---- Winding ---------------------------------------------------------------

double copperResistivity(double temperature)
{
    return kCopperResistivity20 * (1.0 + kCopperTemperatureCoefficient * (temperature - 20.0));
}

double windingResistance(double turns, double meanTurnLength, double bareDiameter, int strands, double temperature)
{
    const double lengthMetres = turns * meanTurnLength / 1000.0;
    const double copperSection = strands * std::numbers::pi * bareDiameter * bareDiameter / 4.0;
    return copperResistivity(temperature) * lengthMetres / copperSection * 1000.0;
}

double rmsCurrentSquared(double dcCurrent, double ripple, LossWaveform waveform)
{
    // A triangle of ΔI peak-to-peak has the RMS ΔI/√12; a sine ΔI/(2√2).
    return dcCurrent * dcCurrent + ripple * ripple / (waveform == LossWaveform::Triangle ? 12.0 : 8.0);
}

double insulatedDiameter(double bareDiameter)
{
    const auto enamel = [](const WireSize& size) { return size.overall - size.bare; };
    if (bareDiameter <= kGradeOneWire.front().bare)
        return bareDiameter + enamel(kGradeOneWire.front());
    if (bareDiameter >= kGradeOneWire.back().bare)
        return bareDiameter + enamel(kGradeOneWire.back());
    const auto above = std::lower_bound(kGradeOneWire.begin(), kGradeOneWire.end(), bareDiameter,
                                        [](const WireSize& size, double d) { return size.bare < d; });
    if (std::abs(above->bare - bareDiameter) < 1e-9)
        return above->overall;
    const auto below = above - 1;
    const double share = (bareDiameter - below->bare) / (above->bare - below->bare);
    return bareDiameter + enamel(*below) + share * (enamel(*above) - enamel(*below));
}

std::vector<double> standardWireDiameters()
{
    std::vector<double> diameters;
    for (const WireSize& size : kGradeOneWire)
        diameters.push_back(size.bare);
    return diameters;
}

double windowFill(double turns, int strands, double insulatedDiameter, double windowArea)
{
    return turns * strands * insulatedDiameter * insulatedDiameter / windowArea * 100.0;
}

// ---- Temperature -----------------------------------------------------------

double stillAirThermalResistance(double effectiveVolume)
{
    return 53.0 * std::pow(effectiveVolume / 1000.0, -0.54);
}

// ---- A design's losses -----------------------------------------------------

LossError checkLossInputs(const LossInputs& inputs, std::optional<double> peakCurrent)
{
    if (inputs.frequency && !withinLimits(LossInput::Frequency, *inputs.frequency))
        return LossError::FrequencyNotPositive;
    if (!withinLimits(LossInput::Duty, inputs.duty))
        return LossError::DutyOutOfRange;
    if (inputs.ripple) {
        if (!withinLimits(LossInput::Ripple, *inputs.ripple))
            return LossError::NegativeRipple;
        if (peakCurrent && *inputs.ripple / 2.0 > *peakCurrent)
            return LossError::RippleAboveTwicePeak;
    }
    if (inputs.acFlux && !withinLimits(LossInput::AcFlux, *inputs.acFlux))
        return LossError::FluxNotPositive;
    if (!withinLimits(LossInput::Temperature, inputs.temperature))
        return LossError::TemperatureOutOfRange;
    if (inputs.wireDiameter && !withinLimits(LossInput::WireDiameter, *inputs.wireDiameter))
        return LossError::WireNotPositive;
    if (!withinLimits(LossInput::Strands, inputs.strands))
        return LossError::StrandsNotWhole;
    return LossError::None;
}

const LossInputLimits& lossInputLimits(LossInput kind) { return kLossInputLimits.at(static_cast<std::size_t>(kind)); }

LossDesign designLosses(const CoreSet& set, const Material* material, const Design& design,
                        std::optional<double> peakCurrent, const LossInputs& inputs)
{
    LossDesign out;
    if (const LossError error = checkLossInputs(inputs, peakCurrent); error != LossError::None) {
        out.error = error;
        return out;
    }
    out.meanTurnLength = set.shape.meanTurnLength;
    // The design's path: the figures its AL and B̂ rest on (calc/design.hpp).
    const double ae = set.designAe();
    const double ve = set.designVe();
    out.thermalResistance = stillAirThermalResistance(ve);

    // B̂ac = L·(ΔI/2)/(N·Ae) = AL·N·ΔI/(2·Ae): nH · A / mm² is mT. Given B̂ac
    // instead, the same relation gives the ripple back.
    std::optional<double> ripple = inputs.ripple;
    if (inputs.acFlux) {
        out.acFlux = inputs.acFlux;
        if (design.turns && design.alFringing > 0.0)
            ripple = 2.0 * *inputs.acFlux * ae / (design.alFringing * *design.turns);
    } else if (inputs.ripple && design.turns) {
        out.acFlux = design.alFringing * *design.turns * *inputs.ripple / (2.0 * ae);
    }

    if (!material) {
        out.coreLossUnavailable = LossUnavailable::NoMaterial;
    } else if (inputs.frequency && out.acFlux) {
        const CoreLossDensity density =
            coreLossDensity(*material, *inputs.frequency, *out.acFlux, inputs.waveform, inputs.duty, inputs.temperature);
        out.advice = density.advice;
        out.coreLossUnavailable = density.unavailable;
        if (density.pv) {
            out.lossDensity = density.pv;
            out.coreLoss = *density.pv * ve * 1e-6;  // kW/m³ · mm³
        }
    } else if (!material->hasLossFit()) {
        out.coreLossUnavailable =
            material->lossFactor.empty() ? LossUnavailable::NoLossData : LossUnavailable::LossFactorOnly;
    }

    if (design.turns && inputs.wireDiameter) {
        const double turns = *design.turns;
        out.resistance = windingResistance(turns, out.meanTurnLength, *inputs.wireDiameter, inputs.strands,
                                           inputs.temperature);
        out.fill = windowFill(turns, inputs.strands, insulatedDiameter(*inputs.wireDiameter), set.shape.windowArea);
        out.advice.fillAboveWindow = *out.fill > 100.0;
        if (peakCurrent) {
            const double rippleAmps = ripple.value_or(0.0);
            const double dc = std::max(*peakCurrent - rippleAmps / 2.0, 0.0);
            out.copperLoss = rmsCurrentSquared(dc, rippleAmps, inputs.waveform) * *out.resistance / 1000.0;
        }
    }

    if (out.coreLoss || out.copperLoss) {
        out.temperatureRise = out.thermalResistance * (out.coreLoss.value_or(0.0) + out.copperLoss.value_or(0.0));
        out.advice.copperLossLeftOut = !out.copperLoss;
        out.advice.coreLossLeftOut = !out.coreLoss;
    }

    const auto figure = [](const std::optional<double>& value) { return value.value_or(0.0); };
    if (!finite({figure(out.acFlux), figure(out.lossDensity), figure(out.coreLoss), out.meanTurnLength,
                 figure(out.resistance), figure(out.copperLoss), figure(out.fill), out.thermalResistance,
                 figure(out.temperatureRise)})) {
        out = LossDesign{};
        out.error = LossError::Overflow;
    }
    return out;
}

// ---- Texts -----------------------------------------------------------------

namespace {

// One line per LossQuantity, in its order.
constexpr std::array<DesignFormat, static_cast<std::size_t>(LossQuantity::Count)> kLossFormats{{
    {"B_ac", 1, "mT", "mT"},
    {"Pv", 2, "kW/m3", "kW/m³"},
    {"P_core", 3, "W", "W"},
    {"MLT", 2, "mm", "mm"},
    {"R_dc", 2, "mOhm", "mΩ"},
    {"P_cu", 3, "W", "W"},
    {"fill", 1, "%", "%"},
    {"Rth", 1, "K/W", "K/W"},
    {"dT", 1, "K", "K"},
}};

}  // namespace

const DesignFormat& lossFormat(LossQuantity quantity) { return kLossFormats.at(static_cast<std::size_t>(quantity)); }


std::string lossText(LossQuantity quantity, double value, std::string_view decimalSeparator, bool display)
{
    const DesignFormat& format = lossFormat(quantity);
    std::string text(formatNumber(value, DisplayFormat{format.decimals, true, ""}, decimalSeparator).view());
    const std::string_view unit = display ? format.displayUnit : format.unit;
    if (!unit.empty())
        text.append(" ").append(unit);
    return text;
}

std::string lossAdviceText(const LossAdvice& advice, Language language)
{
    const bool zh = language == Language::Chinese;
    std::string text;
    const auto add = [&](bool on, std::string_view chinese, std::string_view english) {
        if (!on)
            return;
        if (!text.empty())
            text.append(zh ? "；" : "; ");
        text.append(zh ? chinese : english);
    };
    add(advice.belowFitFrequency, "频率低于损耗拟合的范围", "the frequency is below the loss fit's range");
    add(advice.aboveFitFrequency, "频率高于损耗拟合的范围", "the frequency is above the loss fit's range");
    add(advice.belowTenMillitesla, "B̂ 低于 10 mT，数据手册的曲线不到此处", "B_ac is below 10 mT, where no data-sheet curve goes");
    add(advice.aboveBsat, "B̂ 超过该温度下的 Bsat", "B_ac is above Bsat at that temperature");
    add(advice.doubtfulFit, "该材料的损耗拟合与数据手册有出入，仅作估计", "the material's loss fit strays from its data sheet: an estimate");
    add(advice.fillAboveWindow, "绕组超出窗口（填充率超过 100 %）", "the winding does not fit the window (fill above 100 %)");
    add(advice.copperLossLeftOut, "温升未计铜损（缺电流或线径）", "dT leaves out the copper loss (no current or wire)");
    add(advice.coreLossLeftOut, "温升未计磁芯损耗", "dT leaves out the core loss");
    return text;
}

std::string lossUnavailableText(LossUnavailable why, Language language)
{
    const bool zh = language == Language::Chinese;
    switch (why) {
    case LossUnavailable::None:
        return {};
    case LossUnavailable::NoMaterial:
        return zh ? "自定义材料没有损耗数据" : "no loss data for a material typed in";
    case LossUnavailable::LossFactorOnly:
        return zh ? "该材料只有小信号损耗因数，无法给出磁芯损耗" : "losses are not available for this material (small-signal loss factor only)";
    case LossUnavailable::NoLossData:
        return zh ? "该材料没有损耗数据" : "losses are not available for this material";
    case LossUnavailable::AboveCurie:
        return zh ? "温度达到居里温度，磁芯已失去磁性" : "the temperature reaches the Curie temperature: the core is no longer magnetic";
    case LossUnavailable::FitNotPositive:
        return zh ? "损耗拟合在该温度下不成立" : "the loss fit does not hold at that temperature";
    }
    return {};
}

std::string lossErrorMessage(LossError error, Language language)
{
    const bool zh = language == Language::Chinese;
    switch (error) {
    case LossError::None:
        return {};
    case LossError::NotANumber:
        return zh ? "不是数字" : "not a number";
    case LossError::FrequencyNotPositive:
        return zh ? "频率须大于 0 且不超过 10 GHz" : "the frequency must be above 0 and at most 10 GHz";
    case LossError::DutyOutOfRange:
        return zh ? "占空比须在 0 与 1 之间（不含两端）" : "the duty must lie between 0 and 1";
    case LossError::NegativeRipple:
        return zh ? "纹波电流须在 0 与 10000 A 之间" : "the ripple must lie between 0 and 10000 A";
    case LossError::RippleAboveTwicePeak:
        return zh ? "纹波电流不能超过峰值电流的两倍" : "the ripple must not exceed twice the peak current";
    case LossError::FluxNotPositive:
        return zh ? "B̂ac 须大于 0 且不超过 10000 mT" : "B_ac must be above 0 and at most 10000 mT";
    case LossError::TemperatureOutOfRange:
        return zh ? "温度须在 −55 °C 与 250 °C 之间" : "the temperature must lie between -55 and 250 C";
    case LossError::WireNotPositive:
        return zh ? "线径须大于 0 且不超过 100 mm" : "the wire diameter must be above 0 and at most 100 mm";
    case LossError::StrandsNotWhole:
        return zh ? "股数须为不小于 1 的整数" : "the strands must be a whole number of 1 or more";
    case LossError::Overflow:
        return zh ? "结果超出数值范围" : "a figure is beyond range";
    }
    return {};
}

LossInputReading readLossInput(LossInput kind, std::string_view text, std::string_view decimalSeparator)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    double scale = 1.0;
    if (kind == LossInput::Frequency) {
        const std::size_t last = text.find_last_not_of(" \t");
        if (text[last] == 'k' || text[last] == 'K' || text[last] == 'M') {
            scale = text[last] == 'M' ? 1e6 : 1e3;
            text = text.substr(0, last);
        }
    }
    const std::optional<double> parsed = parseNumber(text, decimalSeparator);
    if (!parsed)
        return {std::nullopt, LossError::NotANumber};
    const double v = *parsed * scale;
    LossInputs probe;
    switch (kind) {
    case LossInput::Frequency:
        probe.frequency = v;
        break;
    case LossInput::Duty:
        probe.duty = v;
        break;
    case LossInput::Ripple:
        probe.ripple = v;
        break;
    case LossInput::AcFlux:
        probe.acFlux = v;
        break;
    case LossInput::Temperature:
        probe.temperature = v;
        break;
    case LossInput::WireDiameter:
        probe.wireDiameter = v;
        break;
    case LossInput::Strands:
        if (!withinLimits(LossInput::Strands, v) || std::floor(v) != v)
            return {std::nullopt, LossError::StrandsNotWhole};
        break;
    }
    if (const LossError error = checkLossInputs(probe, std::nullopt); error != LossError::None)
        return {std::nullopt, error};
    return {v, LossError::None};
}

}  // namespace ferricalc
