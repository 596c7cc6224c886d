#include "calc/calculation.hpp"

#include <cassert>
#include <new>

namespace ferricalc {

namespace {

// Nothing but the blanks a number may stand between: a field left empty.
bool isBlank(std::string_view text)
{
    constexpr std::string_view kIdeographicSpace = "\u3000";
    while (!text.empty()) {
        if (text.front() == ' ' || text.front() == '\t')
            text.remove_prefix(1);
        else if (text.starts_with(kIdeographicSpace))
            text.remove_prefix(kIdeographicSpace.size());
        else
            return false;
    }
    return true;
}

class Writer {
public:
    Writer(const CoreDescriptor& core, Calculation& out, std::string_view separator)
        : m_core(core), m_out(out), m_separator(separator)
    {
    }

    // Writes the next label and returns the number its text reads back as.
    double write(double value)
    {
        const int index = m_out.written;
        const DisplayFormat& format = m_core.results[static_cast<std::size_t>(index)].format;
        ResultText& text = m_out.texts[static_cast<std::size_t>(index)];
        // A result text is a few hundred bytes held inline: format it in its
        // place rather than copy it there (a batch writes millions of them).
        ::new (static_cast<void*>(&text)) ResultText(formatNumber(value, format, m_separator));
        const double shown = readBack(text, format, m_separator).value_or(0.0);
        m_out.values[static_cast<std::size_t>(index)] = shown;
        ++m_out.written;
        return shown;
    }

private:
    const CoreDescriptor& m_core;
    Calculation& m_out;
    std::string_view m_separator;
};

}  // namespace

FieldValues readFields(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                       std::string_view decimalSeparator)
{
    assert(fieldTexts.size() == core.fields.size() && fieldTexts.size() <= kMaxFields);
    FieldValues read;
    read.count = core.fields.size();
    for (const int field : core.conversionOrder) {
        const std::string_view text = fieldTexts[static_cast<std::size_t>(field)];
        const auto value = parseNumber(text, decimalSeparator);
        if (!value) {
            read.failedField = field;
            read.failedFieldEmpty = isBlank(text);
            return read;
        }
        read.values[static_cast<std::size_t>(field)] = *value;
    }
    return read;
}

Calculation calculate(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                      std::string_view decimalSeparator)
{
    using Stage = CalculationFailure::Stage;
    Calculation out;
    assert(core.available());

    const FieldValues fields = readFields(core, fieldTexts, decimalSeparator);
    if (!fields.read()) {
        out.failure = {Stage::Conversion, fields.failedField, ArithmeticError::None, fields.failedFieldEmpty};
        return out;
    }
    out.dimensions = fields.values;

    out.constants = core.geometry(fields.dimensions());
    Writer writer(core, out, decimalSeparator);
    double c1Shown = 0.0;
    double c2Shown = 0.0;
    if (out.constants.c1)
        c1Shown = writer.write(*out.constants.c1);
    if (out.constants.c2)
        c2Shown = writer.write(*out.constants.c2);
    if (!out.constants.complete()) {
        out.failure = {Stage::Geometry, -1, out.constants.failure};
        return out;
    }

    // Le, Ae and Ve come from C1 and C2 as displayed, so the user can redo them by hand.
    const CoreConstants derived = formConstants([&](CoreConstants&) {
        const Real c1 = c1Shown;
        const Real c2 = c2Shown;
        writer.write(((c1 * c1) / c2).value());
        writer.write((c1 / c2).value());
        writer.write((((c1 * c1) * c1) / (c2 * c2)).value());
    });
    if (derived.failure != ArithmeticError::None)
        out.failure = {Stage::Derivation, -1, derived.failure};
    return out;
}

std::string failureMessage(const CoreDescriptor& core, const CalculationFailure& failure, Language language)
{
    using Stage = CalculationFailure::Stage;
    const bool zh = language == Language::Chinese;
    switch (failure.stage) {
    case Stage::None:
        return {};
    case Stage::Conversion: {
        const std::string letter(core.fields[static_cast<std::size_t>(failure.field)].letter);
        if (failure.emptyField)
            return zh ? letter + " 为空" : "field " + letter + " is empty";
        return zh ? letter + " 不是有效的数字" : "field " + letter + " is not a number";
    }
    case Stage::Geometry:
    case Stage::Derivation:
        break;
    }

    std::string what;
    switch (failure.error) {
    case ArithmeticError::DivisionByZero:
        what = zh ? "除数为零" : "division by zero";
        break;
    case ArithmeticError::LogOfNonPositive:
        what = zh ? "对零或负数取对数" : "logarithm of zero or of a negative number";
        break;
    case ArithmeticError::SqrtOfNegative:
        what = zh ? "对负数开平方" : "square root of a negative number";
        break;
    case ArithmeticError::Overflow:
    case ArithmeticError::None:
        what = zh ? "数值溢出" : "arithmetic overflow";
        break;
    }
    if (failure.stage == Stage::Derivation) {
        if (failure.error == ArithmeticError::DivisionByZero)
            return zh ? "计算失败：C2 在显示的小数位内为零，无法由它求出 Le、Ae、Ve（" + what + "）。"
                      : what + ": C2 shows as zero, so Le, Ae and Ve cannot be derived from it";
        return zh ? "计算失败：由显示的 C1、C2 求 Le、Ae、Ve 时" + what + "。"
                  : what + " while deriving Le, Ae and Ve from the displayed C1 and C2";
    }
    return zh ? "计算失败：" + what + "，所给尺寸不构成有效的磁芯。"
              : what + ": the dimensions do not describe a valid core";
}

}  // namespace ferricalc
