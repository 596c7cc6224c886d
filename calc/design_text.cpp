// The design's figures and messages as the front ends write them.

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "calc/design.hpp"
#include "calc/number_text.hpp"

namespace ferricalc {

namespace {

// One line per DesignQuantity, in its order.
constexpr std::array<DesignFormat, static_cast<std::size_t>(DesignQuantity::Count)> kFormats{{
    {"Le", 2, "mm", "mm"},
    {"Ae", 2, "mm2", "mm²"},
    {"Ve", 1, "mm3", "mm³"},
    {"Amin", 2, "mm2", "mm²"},
    {"Aw", 2, "mm2", "mm²"},
    {"Ap", 2, "mm4", "mm⁴"},
    {"mass", 3, "g", "g"},
    {"mu_i", 0, "", ""},
    {"Bsat", 0, "mT", "mT"},
    {"mu_e", 1, "", ""},
    {"mu_e_nofringing", 1, "", ""},
    {"AL_ungapped", 1, "nH", "nH"},
    {"AL", 1, "nH", "nH"},
    {"AL_nofringing", 1, "nH", "nH"},
    {"gap", 3, "mm", "mm"},
    {"N", 0, "", ""},
    {"L", 3, "uH", "µH"},
    {"I", 3, "A", "A"},
    {"B", 1, "mT", "mT"},
    {"B_Amin", 1, "mT", "mT"},
    {"B_Amin_of_Bsat", 1, "%", "%"},
    {"target_AL", 1, "nH", "nH"},
    {"B_max", 1, "mT", "mT"},
    {"B_max_of_Bsat", 1, "%", "%"},
    {"I_sat", 3, "A", "A"},
    {"energy", 3, "uJ", "µJ"},
    {"density", 2, "kg/m3", "kg/m³"},
    {"AL_ideal", 1, "nH", "nH"},
    {"residual_gap", 4, "mm", "mm"},
}};

// One line per DesignInput, in its order.
constexpr std::array<DesignInputLimits, static_cast<std::size_t>(DesignInput::Count)> kInputLimits{{
    {"mu_i", 1, 1e5, 2200, 0},
    {"bsat", 0, 5000, 0, 2},  // as the table gives it, to the hundredth
    {"gap", 0, std::numeric_limits<double>::infinity(), 0, 3},  // bounded by the core's own longest gap
    {"turns", 1, 1e5, 10, 0},
    {"inductance", 0.001, 1e6, 100, 3},
    {"current", 0, 1e4, 0.1, 3},
    {"target_al", 0.1, 1e5, 100, 1},
    {"density", 0, 20000, 0, 2},
}};

}  // namespace

const DesignFormat& designFormat(DesignQuantity quantity) { return kFormats.at(static_cast<std::size_t>(quantity)); }

const DesignInputLimits& designInputLimits(DesignInput kind) { return kInputLimits.at(static_cast<std::size_t>(kind)); }

std::string designValueText(DesignQuantity quantity, double value, std::string_view decimalSeparator)
{
    const DisplayFormat format{designFormat(quantity).decimals, true, ""};
    return std::string(formatNumber(value, format, decimalSeparator).view());
}

namespace {

std::string withUnit(std::string text, std::string_view unit)
{
    if (!unit.empty())
        text.append(" ").append(unit);
    return text;
}

}  // namespace

std::string designText(DesignQuantity quantity, double value, std::string_view decimalSeparator)
{
    return withUnit(designValueText(quantity, value, decimalSeparator), designFormat(quantity).unit);
}

std::string designDisplayText(DesignQuantity quantity, double value, std::string_view decimalSeparator)
{
    return withUnit(designValueText(quantity, value, decimalSeparator), designFormat(quantity).displayUnit);
}

namespace {

// A flux density with its share of Bsat: "119.4 mT（Bsat 的 30.6 %）", "119.4 mT (30.6 % of Bsat)".
std::string fluxWithShare(DesignQuantity quantity, const std::optional<double>& flux, DesignQuantity shareQuantity,
                          const std::optional<double>& share, std::string_view decimalSeparator, Language language)
{
    if (!flux)
        return {};
    std::string text = designDisplayText(quantity, *flux, decimalSeparator);
    if (!share)
        return text;
    const std::string shareText = designDisplayText(shareQuantity, *share, decimalSeparator);
    if (language == Language::English)
        return text.append(" (").append(shareText).append(" of Bsat)");
    return text.append("（Bsat 的 ").append(shareText).append("）");
}

}  // namespace

std::string peakFluxAminText(const Design& design, std::string_view decimalSeparator, Language language)
{
    return fluxWithShare(DesignQuantity::PeakFluxAmin, design.peakFluxAmin, DesignQuantity::FluxShare,
                         design.bsatShareAmin, decimalSeparator, language);
}

std::string peakFluxMaxText(const Design& design, std::string_view decimalSeparator, Language language)
{
    return fluxWithShare(DesignQuantity::PeakFluxMax, design.peakFluxMax, DesignQuantity::FluxShareMax,
                         design.bsatShareMax, decimalSeparator, language);
}

std::string saturationNote(const Design& design, bool bsatKnown, Language language)
{
    const bool zh = language == Language::Chinese;
    // B̂max is the highest flux density in the path: it alone decides.
    if (design.saturationMax == SaturationLevel::Warning)
        return zh ? "已饱和：磁路中最大的 B̂ 超过 Bsat（100 °C）"
                  : "saturated: the highest B̂ in the path exceeds Bsat (100 °C)";
    if (design.saturationMax == SaturationLevel::Advisory)
        return zh ? "接近饱和：磁路中最大的 B̂ 已达 Bsat（100 °C）的 80 % 以上"
                  : "near saturation: the highest B̂ in the path has reached 80 % of Bsat (100 °C)";
    if (design.peakFlux && !bsatKnown)
        return zh ? "材料的 Bsat 未知：未检查是否饱和" : "the material's Bsat is unknown: saturation not checked";
    return {};
}

std::string windingNote(const Design& design, std::string_view decimalSeparator, Language language)
{
    if (!design.inductanceBelowOneTurn || !design.inductance)
        return {};
    const std::string oneTurn = language == Language::Chinese
                                    ? designDisplayText(DesignQuantity::Inductance, *design.inductance, decimalSeparator)
                                    : designText(DesignQuantity::Inductance, *design.inductance, decimalSeparator);
    return language == Language::Chinese ? "所需电感远小于一匝的电感（一匝即 " + oneTurn + "）"
                                         : "the wanted inductance is far below one turn's (" + oneTurn + ")";
}

std::string targetGapText(const Design& design, std::string_view decimalSeparator, Language language)
{
    if (!design.gapForTarget)
        return {};
    const bool zh = language == Language::Chinese;
    if (design.gapForTarget->outcome == GapForAl::Outcome::Found)
        return designDisplayText(DesignQuantity::Gap, design.gapForTarget->gap, decimalSeparator);
    if (design.gapForTarget->outcome == GapForAl::Outcome::BeyondLongestGap) {
        const std::string gap = designDisplayText(DesignQuantity::Gap, design.gapForTarget->gap, decimalSeparator);
        const std::string al = designDisplayText(DesignQuantity::Al, design.gapForTarget->al, decimalSeparator);
        return zh ? "任何气隙都达不到（最长气隙 " + gap + " 时 AL 为 " + al + "）"
                  : "no gap reaches it (AL is " + al + " at the longest gap, " + gap + ")";
    }
    const std::string ungapped = designDisplayText(DesignQuantity::AlUngapped, design.alUngapped, decimalSeparator);
    return zh ? "任何气隙都达不到（无气隙时 AL 为 " + ungapped + "）" : "no gap reaches it (AL ungapped is " + ungapped + ")";
}

InputReading readDesignInput(DesignInput kind, std::string_view text, std::string_view decimalSeparator,
                             std::optional<double> gapLimit)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};  // an empty field gives nothing
    const std::optional<double> value = parseNumber(text, decimalSeparator);
    if (!value)
        return {std::nullopt, DesignError::NotANumber};
    const double v = *value;
    const DesignInputLimits& limits = designInputLimits(kind);
    DesignError error = DesignError::None;
    switch (kind) {
    case DesignInput::MuI:
        error = v >= 1.0 ? DesignError::None : DesignError::MuBelowOne;
        break;
    case DesignInput::Gap:
        error = v >= 0.0 ? DesignError::None : DesignError::NegativeGap;
        break;
    case DesignInput::Turns:
        if (v < 1.0)
            error = DesignError::TurnsBelowOne;
        else if (v <= limits.maximum && std::floor(v) != v)
            error = DesignError::TurnsNotWhole;
        break;
    case DesignInput::Current:
        error = v >= 0.0 ? DesignError::None : DesignError::NegativeCurrent;
        break;
    case DesignInput::Bsat:
    case DesignInput::Inductance:
    case DesignInput::TargetAl:
    case DesignInput::Density:
        error = v > 0.0 ? DesignError::None : DesignError::NotPositive;
        break;
    case DesignInput::Count:
        break;
    }
    if (error != DesignError::None)
        return {std::nullopt, error};
    if (kind == DesignInput::Gap && gapLimit && v > *gapLimit)
        return {std::nullopt, DesignError::GapBeyondCore, *gapLimit};
    if (v > limits.maximum)
        return {std::nullopt, DesignError::AboveLimit, limits.maximum};
    if (v < limits.minimum)
        return {std::nullopt, DesignError::BelowLimit, limits.minimum};
    return {v, DesignError::None};
}

std::string readingMessage(const InputReading& reading, DesignInput kind, bool ring, Language language,
                           std::string_view decimalSeparator)
{
    const bool zh = language == Language::Chinese;
    const DesignInputLimits& limits = designInputLimits(kind);
    const DisplayFormat format{kind == DesignInput::Gap ? 3 : limits.decimals, true, ""};
    const std::string limit(formatNumber(reading.limit, format, decimalSeparator).view());
    switch (reading.error) {
    case DesignError::AboveLimit:
        return (zh ? "不能超过 " : "must not exceed ") + limit;
    case DesignError::BelowLimit:
        return (zh ? "不能小于 " : "must be at least ") + limit;
    case DesignError::GapBeyondCore:
        if (ring)
            return (zh ? "不能超过内圆周长 " : "must not exceed the inner circumference ") + limit + " mm";
        return (zh ? "不能超过窗口高度 " : "must not exceed the window height ") + limit + " mm";
    default:
        return designErrorMessage(reading.error, language);
    }
}

std::string densityQuestion(double density, Language language)
{
    // Ferrites weigh some 4000 to 5200 kg/m³; a figure below 100 is almost
    // certainly g/cm³ (4.85 for 4850 kg/m³).
    if (!(density > 0.0 && density < 100.0))
        return {};
    return language == Language::Chinese ? "密度单位是 kg/m³：是否输入成了 g/cm³？"
                                         : "the density is in kg/m3: was it given in g/cm3?";
}

std::string designErrorMessage(DesignError error, Language language)
{
    const bool zh = language == Language::Chinese;
    switch (error) {
    case DesignError::None:
        return {};
    case DesignError::NotANumber:
        return zh ? "不是有效的数字" : "not a number";
    case DesignError::NegativeGap:
        return zh ? "气隙不能为负" : "the gap must not be negative";
    case DesignError::TurnsBelowOne:
        return zh ? "匝数至少为 1" : "the turns must be at least 1";
    case DesignError::TurnsNotWhole:
        return zh ? "匝数须为整数" : "the turns must be a whole number";
    case DesignError::MuBelowOne:
        return zh ? "μi 不能小于 1" : "mu_i must be at least 1";
    case DesignError::NotPositive:
        return zh ? "须大于 0" : "must be greater than 0";
    case DesignError::NegativeCurrent:
        return zh ? "电流不能为负" : "the current must not be negative";
    case DesignError::UnknownMaterial:
        return zh ? "没有这种材料" : "no such material";
    case DesignError::CoreNotCalculated:
        return zh ? "磁芯尺寸无法计算" : "the core's dimensions do not calculate";
    case DesignError::NoWindow:
        return zh ? "所给尺寸没有截面、绕线窗口或气隙端面" : "the dimensions leave no section, winding window or gap face";
    case DesignError::Overflow:
        return zh ? "数值溢出" : "a figure is beyond range";
    case DesignError::AboveLimit:
        return zh ? "超出上限" : "above the limit";
    case DesignError::BelowLimit:
        return zh ? "低于下限" : "below the limit";
    case DesignError::GapBeyondCore:
        return zh ? "气隙比磁芯容得下的更长" : "the gap is longer than the core can hold";
    }
    return {};
}

std::string coreSetMessage(const CoreDescriptor& core, const CoreSetResult& set, Language language)
{
    std::string message = designErrorMessage(set.error, language);
    if (set.error == DesignError::CoreNotCalculated)
        message.append(language == Language::Chinese ? "：" : ": ").append(failureMessage(core, set.failure, language));
    return message;
}

}  // namespace ferricalc
