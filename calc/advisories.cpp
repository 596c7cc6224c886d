#include "calc/advisories.hpp"

#include <cmath>
#include <vector>

#include "calc/decimal_conversion.hpp"

namespace ferricalc {

namespace {

constexpr std::array<Quantity, 3> kDerived{Le, Ae, Ve};

constexpr std::array<std::string_view, QuantityCount> kChineseUnits{"mm⁻¹", "mm⁻³", "mm", "mm²", "mm³"};
constexpr std::array<std::string_view, QuantityCount> kEnglishUnits{"/mm", "/mm3", "mm", "mm2", "mm3"};

// More characters than this and the exponent form is the clearer.
constexpr std::size_t kLongestPlainText = 24;

// The displayed value lies too far from the unrounded one.
bool tooFar(double shown, double exact) { return std::fabs(shown - exact) > kCoarseDisplayShare * std::fabs(exact); }

double relativeError(double shown, double exact)
{
    if (exact == 0.0)
        return shown == 0.0 ? 0.0 : HUGE_VAL;
    return std::fabs((shown - exact) / exact);
}

std::string displayAdvice(const CoreDescriptor& core, const Calculation& calculation, const ExactResults& exact,
                          bool zh, std::string_view separator)
{
    // C2 is nearly always the one: it is the smaller of the two by far.
    const bool c2Coarser = relativeError(calculation.values[C2], exact.values[C2])
                           >= relativeError(calculation.values[C1], exact.values[C1]);
    const std::string which = c2Coarser ? "C2" : "C1";
    const bool failed = !calculation.succeeded();
    std::string text = zh ? which + " 显示位数不足" + (failed ? "，无法求出 Le、Ae、Ve" : "") + "：按未舍入的 C1、C2，"
                          : which + " is shown with too few digits"
                                + (failed ? " to derive Le, Ae and Ve" : " for Le, Ae and Ve")
                                + ": from the unrounded C1 and C2, ";
    // In the window "Le = … mm" is held together, so that a narrow line breaks only between quantities.
    const std::string_view space = zh ? "\u00A0" : " ";
    for (const Quantity q : kDerived) {
        if (q != kDerived.front())
            text += zh ? "，" : ", ";
        // With the label's decimals, and an integer digit before the point in running text.
        const DisplayFormat format{core.results[q].format.decimals, true, ""};
        text.append(kQuantityNames[q])
            .append(space)
            .append("=")
            .append(space)
            .append(formatNumber(exact.values[q], format, separator).view())
            .append(space)
            .append(zh ? kChineseUnits[q] : kEnglishUnits[q]);
    }
    return text;
}

bool displayTooCoarse(const Calculation& calculation, const ExactResults& exact)
{
    if (exact.computed < QuantityCount)
        return false;
    if (calculation.failure.stage == CalculationFailure::Stage::Derivation)
        return true;
    if (!calculation.succeeded())
        return false;
    for (const Quantity q : kDerived)
        if (tooFar(calculation.values[q], exact.values[q]))
            return true;
    return false;
}

std::string dimensionAdvice(const CoreDescriptor& core, const Calculation& calculation, bool zh)
{
    if (calculation.failure.stage == CalculationFailure::Stage::Conversion)
        return {};
    const auto letter = [&](int field) { return std::string(core.fields[static_cast<std::size_t>(field)].letter); };
    std::vector<std::string> doubts;
    for (std::size_t i = 0; i < core.fields.size(); ++i)
        if (calculation.dimensions[i] < 0.0)
            doubts.push_back(letter(static_cast<int>(i)) + (zh ? " 不应为负" : " should not be negative"));
    for (const Nesting& nesting : core.nestings)
        if (!(calculation.dimensions[static_cast<std::size_t>(nesting.inner)]
              < calculation.dimensions[static_cast<std::size_t>(nesting.outer)]))
            doubts.push_back(letter(nesting.inner) + (zh ? " 应小于 " : " should be less than ") + letter(nesting.outer));
    // A part or a result that goes wrong without a dimension that says why.
    const CoreConstants& constants = calculation.constants;
    if (doubts.empty() && constants.degeneratePart)
        doubts.emplace_back(zh ? "磁路中有一段的长度或截面不大于零"
                               : "a part of the magnetic path has a length or a section of zero or less");
    if (doubts.empty() && ((constants.c1 && *constants.c1 < 0.0) || (constants.c2 && *constants.c2 < 0.0)))
        doubts.emplace_back(zh ? "结果为负" : "a result is negative");
    if (doubts.empty())
        return {};
    std::string text = zh ? "尺寸可疑：" : "implausible dimensions: ";
    for (std::size_t i = 0; i < doubts.size(); ++i)
        text.append(i == 0 ? "" : (zh ? "；" : "; ")).append(doubts[i]);
    return text;
}

}  // namespace

ExactResults exactResults(const CoreConstants& constants)
{
    ExactResults exact;
    if (!constants.c1)
        return exact;
    exact.values[C1] = *constants.c1;
    exact.computed = 1;
    if (!constants.c2)
        return exact;
    exact.values[C2] = *constants.c2;
    exact.computed = 2;
    try {
        const Real c1 = *constants.c1;
        const Real c2 = *constants.c2;
        exact.values[Le] = ((c1 * c1) / c2).value();
        exact.computed = 3;
        exact.values[Ae] = (c1 / c2).value();
        exact.computed = 4;
        exact.values[Ve] = (((c1 * c1) * c1) / (c2 * c2)).value();
        exact.computed = 5;
    } catch (const ArithmeticFailure& failure) {
        exact.failure = failure.error;
    }
    return exact;
}

std::string exactText(double value, std::string_view decimalSeparator)
{
    std::string text = shortestFixed(value);
    if (text.size() > kLongestPlainText)
        text = shortestText(value);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string unroundedText(Quantity quantity, const ExactResults& exact, Language language,
                          std::string_view decimalSeparator)
{
    if (quantity >= exact.computed)
        return {};
    const bool zh = language == Language::Chinese;
    return (zh ? "未舍入：" : "unrounded: ") + exactText(exact.values[quantity], decimalSeparator) + " "
           + std::string(zh ? kChineseUnits[quantity] : kEnglishUnits[quantity]);
}

Advisories advise(const CoreDescriptor& core, const Calculation& calculation, const ExactResults& exact,
                  Language language, std::string_view decimalSeparator)
{
    const bool zh = language == Language::Chinese;
    Advisories advisories;
    advisories.dimensions = dimensionAdvice(core, calculation, zh);
    if (displayTooCoarse(calculation, exact)) {
        advisories.display = displayAdvice(core, calculation, exact, zh, decimalSeparator);
        advisories.displayExplainsFailure = !calculation.succeeded();
    }
    return advisories;
}

}  // namespace ferricalc
