#include "cli/design_report.hpp"

#include <optional>

#include "calc/catalog_texts.hpp"

namespace ferricalc {

namespace {

constexpr std::string_view kPoint = ".";

}  // namespace

void writeDesignLines(OutputBuffer& out, const DesignOutcome& outcome)
{
    if (outcome.design.error != DesignError::None)
        return;
    for (const ReportedFigure& figure : reportedFigures()) {
        const std::optional<double> value = figure.of(outcome.design);
        const bool targetGapLine = figure.quantity == DesignQuantity::Gap;
        if (!value && !(targetGapLine && outcome.design.gapForTarget))
            continue;
        // The gap found for --target-al is the line "gap"; "gap none" when no gap reaches it.
        out.put(targetGapLine ? std::string_view("gap") : designFormat(figure.quantity).name);
        out.put(' ');
        out.put(value ? designText(figure.quantity, *value, kPoint) : std::string("none"));
        out.put('\n');
    }
}

void writeDesignCsvHeader(OutputBuffer& out)
{
    for (const ReportedFigure& figure : reportedFigures()) {
        out.put(',');
        out.put(reportedColumnHeader(figure));
    }
    out.put(",saturation");
}

void writeDesignCsvCells(OutputBuffer& out, const DesignOutcome* outcome)
{
    for (const ReportedFigure& figure : reportedFigures()) {
        out.put(',');
        if (outcome == nullptr || outcome->design.error != DesignError::None)
            continue;
        if (const std::optional<double> value = figure.of(outcome->design))
            out.put(designValueText(figure.quantity, *value, kPoint));
    }
    out.put(',');
    if (outcome != nullptr && outcome->design.error == DesignError::None)
        out.put(saturationWord(outcome->design.saturationMax));
}

void writeDesignJson(OutputBuffer& out, const DesignOutcome* outcome)
{
    out.put(",\"design\":");
    if (outcome == nullptr) {
        out.put("null");
        return;
    }
    const DesignInputs& inputs = outcome->inputs;
    out.put("{\"material\":");
    if (outcome->material != nullptr)
        out.putJsonString(outcome->material->name);
    else
        out.put("null");
    out.put(",\"mu_i\":");
    out.putShortest(inputs.muI);
    out.put(",\"gap\":");
    out.putShortest(inputs.gap);
    out.put(",\"gap_in\":");
    out.putJsonString(kGapPlaceNames[inputs.gapPlace == GapPlace::CentrePost ? 0 : 1]);

    const bool made = outcome->design.error == DesignError::None;
    const auto putFigures = [&](std::string_view key, auto&& putValue) {
        out.put(",\"");
        out.put(key);
        out.put("\":{");
        bool first = true;
        for (const ReportedFigure& figure : reportedFigures()) {
            if (!first)
                out.put(',');
            first = false;
            out.put('"');
            out.put(figure.column);
            out.put("\":");
            const std::optional<double> value = made ? figure.of(outcome->design) : std::nullopt;
            if (value)
                putValue(figure.quantity, *value);
            else
                out.put("null");
        }
        out.put('}');
    };
    putFigures("texts", [&](DesignQuantity q, double v) { out.putJsonString(designText(q, v, kPoint)); });
    putFigures("values", [&](DesignQuantity, double v) { out.putShortest(v); });
    out.put(",\"saturation\":");
    const std::string_view level = made ? saturationWord(outcome->design.saturationMax) : std::string_view();
    if (level.empty())
        out.put("null");
    else
        out.putJsonString(level);
    out.put(",\"error\":");
    if (outcome->problem.empty())
        out.put("null");
    else
        out.putJsonString(outcome->problem);
    out.put('}');
}

void writeMaterialList(std::ostream& out)
{
    out << "name    maker         base  mu_i   Bsat_25C  Bsat_100C  density\n";
    for (const Material& material : materials()) {
        const auto cell = [](std::optional<double> value, std::string_view unit) {
            return value ? figureText(*value, kPoint).append(unit) : std::string("-");
        };
        const auto padded = [](std::string text, std::size_t width) {
            text.resize(std::max(text.size() + 1, width), ' ');
            return text;
        };
        out << padded(std::string(material.name), 8) << padded(std::string(material.manufacturer), 14)
            << padded(std::string(material.base), 6) << padded(figureText(material.muI, kPoint), 7)
            << padded(cell(material.bsat25, "mT"), 10) << padded(cell(material.bsat100, "mT"), 11)
            << cell(material.density, "kg/m3") << '\n';
    }
}

}  // namespace ferricalc
