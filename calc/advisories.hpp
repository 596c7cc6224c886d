#pragma once
// What the five results do not say by themselves, for the user to read beside
// them after a Calculate. An advisory changes no result: the window's labels
// keep their texts, the command line its output and its exit status.
//
// The display: Le, Ae and Ve come from C1 and C2 as displayed, so that they can
// be redone by hand. Where that rounding moves any of them by more than 0.5 %
// from what the unrounded C1 and C2 give, or shows C2 as zero so that nothing
// can be derived, the advisory gives the values of the unrounded constants.
//
// The dimensions: a negative dimension, an inner dimension not smaller than the
// outer one it lies in (the descriptor's nestings), a part of the flux path
// whose length or section is zero or less, or a negative result. Numbers from
// such dimensions describe no real core, however valid they look.

#include <array>
#include <string>
#include <string_view>

#include "calc/calculation.hpp"

namespace ferricalc {

// Le, Ae and Ve from the unrounded C1 and C2, with the same checked arithmetic
// and order of operations as the window's derivation from the displayed ones:
// what the display's rounding would move on a large core.
struct ExactResults {
    std::array<double, QuantityCount> values{};
    int computed = 0;  // values[0, computed) hold, in the order C1, C2, Le, Ae, Ve
    ArithmeticError failure = ArithmeticError::None;  // met while deriving Le, Ae or Ve
};

ExactResults exactResults(const CoreConstants& constants);

// The shortest text that reads back as exactly `value`: plain digits while
// they stay short ("0.0000125699374"), with an exponent otherwise ("1e-30").
std::string exactText(double value, std::string_view decimalSeparator);

// "未舍入：9785.355610349876 mm²", the unrounded value of a result as its
// label's tooltip gives it; empty when it could not be computed.
std::string unroundedText(Quantity quantity, const ExactResults& exact, Language language,
                          std::string_view decimalSeparator);

// How far, as a share of the unrounded constants' value, a displayed Le, Ae or
// Ve may lie before the display is too coarse for it.
inline constexpr double kCoarseDisplayShare = 0.005;

struct Advisories {
    std::string dimensions;  // "尺寸可疑：B 应小于 A"; empty when nothing looks wrong
    std::string display;     // "C2 显示位数不足：…"; empty when the display serves
    // The display advisory says why Le, Ae and Ve could not be derived (C2
    // shows as zero) and gives them, so a window shows it in the failure's place.
    bool displayExplainsFailure = false;

    bool empty() const { return dimensions.empty() && display.empty(); }
};

// The advisories of one calculation; `exact` is exactResults(calculation.constants).
// Numbers are written with `decimalSeparator`.
Advisories advise(const CoreDescriptor& core, const Calculation& calculation, const ExactResults& exact,
                  Language language, std::string_view decimalSeparator);

}  // namespace ferricalc
