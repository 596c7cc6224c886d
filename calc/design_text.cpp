// The design's figures and messages as the front ends write them.

#include <algorithm>
#include <array>
#include <cmath>

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
    {"AL_ideal", 1, "nH", "nH"},
    {"residual_gap", 4, "mm", "mm"},
}};

}  // namespace

const DesignFormat& designFormat(DesignQuantity quantity) { return kFormats.at(static_cast<std::size_t>(quantity)); }

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

std::string peakFluxAminText(const Design& design, std::string_view decimalSeparator)
{
    if (!design.peakFluxAmin)
        return {};
    std::string text = designDisplayText(DesignQuantity::PeakFluxAmin, *design.peakFluxAmin, decimalSeparator);
    if (design.bsatShareAmin)
        text.append("（Bsat 的 ")
            .append(designDisplayText(DesignQuantity::FluxShare, *design.bsatShareAmin, decimalSeparator))
            .append("）");
    return text;
}

std::string saturationNote(const Design& design, bool bsatKnown)
{
    if (design.saturation == SaturationLevel::Warning)
        return "已饱和：B̂ 超过 Bsat（100 °C）";
    if (design.saturationAmin == SaturationLevel::Warning)
        return "最窄截面 Amin 处已饱和：B̂ 超过 Bsat（100 °C）";
    if (std::max(design.saturation, design.saturationAmin) == SaturationLevel::Advisory)
        return "接近饱和：B̂ 已达 Bsat（100 °C）的 80 % 以上";
    if (design.peakFlux && !bsatKnown)
        return "材料的 Bsat 未知，无法判断是否饱和";
    return {};
}

std::string targetGapText(const Design& design, std::string_view decimalSeparator)
{
    if (!design.gapForTarget)
        return {};
    if (design.gapForTarget->outcome == GapForAl::Outcome::Found)
        return designDisplayText(DesignQuantity::Gap, design.gapForTarget->gap, decimalSeparator);
    return "任何气隙都达不到（无气隙时 AL 为 " + designDisplayText(DesignQuantity::AlUngapped, design.alUngapped, decimalSeparator)
           + "）";
}

InputReading readDesignInput(DesignInput kind, std::string_view text, std::string_view decimalSeparator)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};  // an empty field gives nothing
    const std::optional<double> value = parseNumber(text, decimalSeparator);
    if (!value)
        return {std::nullopt, DesignError::NotANumber};
    const double v = *value;
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
        else if (v > 1e15)
            error = DesignError::Overflow;  // beyond any winding, and beyond whole numbers a double counts
        else if (std::floor(v) != v)
            error = DesignError::TurnsNotWhole;
        break;
    case DesignInput::Current:
        error = v >= 0.0 ? DesignError::None : DesignError::NegativeCurrent;
        break;
    case DesignInput::Bsat:
    case DesignInput::Inductance:
    case DesignInput::TargetAl:
        error = v > 0.0 ? DesignError::None : DesignError::NotPositive;
        break;
    }
    if (error != DesignError::None)
        return {std::nullopt, error};
    return {v, DesignError::None};
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
