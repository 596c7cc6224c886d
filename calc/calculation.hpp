#pragma once
// One press of Calculate, from the fields' texts to the five displayed results.
//
// How a keystroke becomes a displayed number:
//   field texts → parseNumber (in the core's conversion order; the first text
//   that does not convert ends it) → the core's geometry (C1, C2, or how far it
//   got) → formatNumber for C1 and C2 → C1r and C2r read back from those texts
//   → Le = C1r²/C2r, Ae = C1r/C2r, Ve = C1r³/C2r² → formatNumber for each.
// The labels are written in the order C1, C2, Le, Ae, Ve; a failure stops the
// writing, and what was written before it stays. The window and the command
// line both run this function, so they show the same digits.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "calc/number_text.hpp"
#include "cores/descriptor.hpp"

namespace ferricalc {

// The most fields a core type has.
inline constexpr std::size_t kMaxFields = 16;

struct CalculationFailure {
    enum class Stage {
        None,
        Conversion,  // a field's text is not a number
        Geometry,    // the core's formulas met a bad operation
        Derivation,  // Le, Ae or Ve from the displayed C1 and C2
    };
    Stage stage = Stage::None;
    int field = -1;  // index into the descriptor's fields, for Conversion
    ArithmeticError error = ArithmeticError::None;
    bool emptyField = false;  // for Conversion: the field holds nothing but blanks
};

struct Calculation {
    std::array<ResultText, QuantityCount> texts;
    std::array<double, QuantityCount> values{};  // what each written text reads back as
    int written = 0;  // texts[0, written) were written, in the order C1, C2, Le, Ae, Ve
    CoreConstants constants;  // the unrounded C1 and C2 as far as the geometry got
    CalculationFailure failure;
    // The fields as numbers, in the descriptor's order, once all of them converted.
    std::array<double, kMaxFields> dimensions{};

    bool succeeded() const { return failure.stage == CalculationFailure::Stage::None; }
};

// The fields' texts as numbers, read in the core's conversion order; the first
// text that does not convert ends the reading.
struct FieldValues {
    std::array<double, kMaxFields> values{};  // in the descriptor's field order
    std::size_t count = 0;
    int failedField = -1;  // the field whose text is not a number, or -1
    bool failedFieldEmpty = false;  // that field holds nothing but blanks

    bool read() const { return failedField < 0; }
    std::span<const double> dimensions() const { return std::span(values.data(), count); }
};

// `fieldTexts` holds one text per descriptor field, in the descriptor's order.
FieldValues readFields(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                       std::string_view decimalSeparator);

// `fieldTexts` holds one text per descriptor field, in the descriptor's order.
Calculation calculate(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                      std::string_view decimalSeparator);

enum class Language { Chinese, English };

// What went wrong, for the user: the field that is empty or not a number, or
// the kind of arithmetic failure. Empty when the calculation succeeded.
std::string failureMessage(const CoreDescriptor& core, const CalculationFailure& failure, Language language);

}  // namespace ferricalc
