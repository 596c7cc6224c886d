#include "cli/report.hpp"

#include <algorithm>

#include "cli/standard_core.hpp"
#include "cores/names.hpp"
#include "cores/registry.hpp"

namespace ferricalc {

namespace {

std::string_view arithmeticWords(ArithmeticError error)
{
    switch (error) {
    case ArithmeticError::DivisionByZero:
        return "division by zero";
    case ArithmeticError::LogOfNonPositive:
        return "logarithm of zero or of a negative number";
    case ArithmeticError::SqrtOfNegative:
        return "square root of a negative number";
    case ArithmeticError::Overflow:
    case ArithmeticError::None:
        break;
    }
    return "arithmetic overflow";
}

constexpr std::array<Quantity, 3> kPublished{Le, Ae, Ve};

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

const CoreDescriptor* findAnyCore(std::string_view name)
{
    for (const CoreDescriptor* core : coreTypes())
        if (equalIgnoringCase(core->name, name))
            return core;
    return nullptr;
}

}  // namespace

const CoreDescriptor* findBuiltCore(std::string_view name)
{
    const CoreDescriptor* core = findAnyCore(name);
    return core != nullptr && core->available() ? core : nullptr;
}

void appendUnknownCore(std::string& message, std::string_view name)
{
    const CoreDescriptor* core = findAnyCore(name);
    if (core != nullptr) {
        message.append("core '").append(core->name).append("' is not built into this version");
        return;
    }
    message.append("unknown core '").append(name).append("'");
}

std::string_view FailureMessages::describe(const CoreDescriptor& core, const Calculation& calculation,
                                           const ExactResults* exact)
{
    const CalculationFailure& failure = calculation.failure;
    const ArithmeticError exactError = exact != nullptr ? exact->failure : ArithmeticError::None;
    if (calculation.succeeded() && exactError == ArithmeticError::None)
        return {};

    for (const Entry& entry : m_entries)
        if (entry.core == &core && entry.stage == failure.stage && entry.field == failure.field
            && entry.emptyField == failure.emptyField && entry.error == failure.error
            && entry.exactError == exactError)
            return entry.text;

    std::string text = failureMessage(core, failure, Language::English);
    if (exactError != ArithmeticError::None) {
        if (!text.empty())
            text += "; ";
        text.append("exact values: ")
            .append(arithmeticWords(exactError))
            .append(" while deriving Le, Ae and Ve from the unrounded C1 and C2");
    }
    m_entries.push_back(
        {&core, failure.stage, failure.field, failure.emptyField, failure.error, exactError, std::move(text)});
    return m_entries.back().text;
}

std::array<std::optional<double>, QuantityCount> dataSheetDeviations(const Outcome& outcome)
{
    std::array<std::optional<double>, QuantityCount> deviations;
    if (outcome.standard == nullptr || !outcome.standardTextsKept || outcome.calculation == nullptr)
        return deviations;
    for (const Quantity q : kPublished) {
        const std::optional<double> figure = outcome.standard->dataSheet.figure(q);
        if (figure && q < outcome.calculation->written)
            deviations[q] = deviationPercent(outcome.calculation->values[q], *figure);
    }
    return deviations;
}

namespace {

void writeDataSheetLines(OutputBuffer& out, const Outcome& outcome);

}  // namespace

void writeTextLines(OutputBuffer& out, const Outcome& outcome)
{
    const int written = outcome.calculation != nullptr ? outcome.calculation->written : 0;
    const int computed = outcome.exact != nullptr ? outcome.exact->computed : 0;
    for (int i = 0; i < std::max(written, computed); ++i) {
        const auto quantity = static_cast<std::size_t>(i);
        out.put(kQuantityNames[quantity]);
        out.put(' ');
        if (i < written)
            out.put(outcome.calculation->texts[quantity].view());
        else
            out.put('-');
        if (outcome.exact != nullptr) {
            out.put(' ');
            if (i < computed)
                out.putShortest(outcome.exact->values[quantity]);
            else
                out.put('-');
        }
        out.put('\n');
    }
    if (outcome.standard != nullptr)
        writeDataSheetLines(out, outcome);
    if (outcome.design != nullptr)
        writeDesignLines(out, *outcome.design);
}

namespace {

void writeDataSheetLines(OutputBuffer& out, const Outcome& outcome)
{
    const DataSheet& sheet = outcome.standard->dataSheet;
    out.put("datasheet");
    if (!sheet.anyPublished())
        out.put(" none");
    for (const Quantity q : kPublished) {
        if (const std::optional<double> figure = sheet.figure(q)) {
            out.put(' ');
            out.put(kQuantityNames[q]);
            out.put(' ');
            out.put(figureText(*figure, "."));
            out.put(kQuantityUnits[q]);
        }
    }
    out.put('\n');

    const auto deviations = dataSheetDeviations(outcome);
    if (std::none_of(deviations.begin(), deviations.end(), [](const auto& d) { return d.has_value(); }))
        return;
    out.put("deviation");
    for (const Quantity q : kPublished) {
        if (deviations[q]) {
            out.put(' ');
            out.put(kQuantityNames[q]);
            out.put(' ');
            out.put(deviationText(*deviations[q], "."));
            out.put('%');
        }
    }
    out.put('\n');
}

}  // namespace

void writeCsvResultHeader(OutputBuffer& out, bool exact, bool dataSheet, bool design, bool losses)
{
    for (const std::string_view name : kQuantityNames) {
        out.put(',');
        out.put(name);
    }
    if (exact) {
        for (const std::string_view name : kQuantityNames) {
            out.put(',');
            out.put(name);
            out.put("_exact");
        }
    }
    if (dataSheet) {
        for (const char* suffix : {"_datasheet", "_deviation"}) {
            for (const Quantity q : kPublished) {
                out.put(',');
                out.put(kQuantityNames[q]);
                out.put(suffix);
            }
        }
    }
    if (design)
        writeDesignCsvHeader(out, losses);
    out.put(",error\n");
}

void writeCsvResults(OutputBuffer& out, const Outcome& outcome, bool exact, bool dataSheet, bool design, bool losses)
{
    const int written = outcome.calculation != nullptr ? outcome.calculation->written : 0;
    for (int i = 0; i < QuantityCount; ++i) {
        out.put(',');
        if (i < written)
            out.putCsvCell(outcome.calculation->texts[static_cast<std::size_t>(i)].view());
    }
    if (exact) {
        const int computed = outcome.exact != nullptr ? outcome.exact->computed : 0;
        for (int i = 0; i < QuantityCount; ++i) {
            out.put(',');
            if (i < computed)
                out.putShortest(outcome.exact->values[static_cast<std::size_t>(i)]);
        }
    }
    if (dataSheet) {
        for (const Quantity q : kPublished) {
            out.put(',');
            if (outcome.standard != nullptr)
                if (const std::optional<double> figure = outcome.standard->dataSheet.figure(q))
                    out.put(figureText(*figure, "."));
        }
        const auto deviations = dataSheetDeviations(outcome);
        for (const Quantity q : kPublished) {
            out.put(',');
            if (deviations[q])
                out.put(deviationText(*deviations[q], "."));
        }
    }
    if (design)
        writeDesignCsvCells(out, outcome.design, losses);
    out.put(',');
    out.putCsvCell(outcome.error);
    out.put('\n');
}

void writeJsonObject(OutputBuffer& out, const Outcome& outcome, long long line, bool exact)
{
    out.put('{');
    if (line >= 0) {
        out.put("\"line\":");
        out.putInteger(line);
        out.put(',');
    }
    out.put("\"core\":");
    out.putJsonString(outcome.core != nullptr ? outcome.core->name : outcome.coreText);

    out.put(",\"fields\":");
    if (outcome.core != nullptr && outcome.fieldTexts.size() == outcome.core->fields.size()) {
        out.put('{');
        for (std::size_t i = 0; i < outcome.fieldTexts.size(); ++i) {
            if (i > 0)
                out.put(',');
            out.putJsonString(outcome.core->fields[i].letter);
            out.put(':');
            out.putJsonString(outcome.fieldTexts[i]);
        }
        out.put('}');
    } else {
        out.put("null");
    }

    // The quantities one side has computed, by name, the others null.
    const auto putQuantities = [&out](std::string_view key, int count, auto&& putValue) {
        out.put(",\"");
        out.put(key);
        out.put("\":{");
        for (int i = 0; i < QuantityCount; ++i) {
            const auto quantity = static_cast<std::size_t>(i);
            if (i > 0)
                out.put(',');
            out.put('"');
            out.put(kQuantityNames[quantity]);
            out.put("\":");
            if (i < count)
                putValue(quantity);
            else
                out.put("null");
        }
        out.put('}');
    };
    const Calculation* calculation = outcome.calculation;
    const int written = calculation != nullptr ? calculation->written : 0;
    putQuantities("texts", written, [&](std::size_t i) { out.putJsonString(calculation->texts[i].view()); });
    putQuantities("values", written, [&](std::size_t i) { out.putShortest(calculation->values[i]); });
    if (exact) {
        const ExactResults* exactValues = outcome.exact;
        putQuantities("exact", exactValues != nullptr ? exactValues->computed : 0,
                      [&](std::size_t i) { out.putShortest(exactValues->values[i]); });
    }

    if (const StandardCore* standard = outcome.standard) {
        out.put(",\"std\":");
        out.putJsonString(standard->name);
        // Le, Ae and Ve only: a data sheet publishes no C1 or C2 here.
        const auto putPublished = [&out](std::string_view key, const auto& valueOf) {
            out.put(",\"");
            out.put(key);
            out.put("\":{");
            for (const Quantity q : kPublished) {
                if (q != kPublished.front())
                    out.put(',');
                out.put('"');
                out.put(kQuantityNames[q]);
                out.put("\":");
                if (const std::optional<double> value = valueOf(q))
                    out.putShortest(*value);
                else
                    out.put("null");
            }
            out.put('}');
        };
        putPublished("datasheet", [standard](Quantity q) { return standard->dataSheet.figure(q); });
        const auto deviations = dataSheetDeviations(outcome);
        putPublished("deviation", [&deviations](Quantity q) { return deviations[q]; });
    }

    if (outcome.designAsked)
        writeDesignJson(out, outcome.design);
    out.put(",\"error\":");
    if (outcome.error.empty())
        out.put("null");
    else
        out.putJsonString(outcome.error);
    out.put("}\n");
}

}  // namespace ferricalc
