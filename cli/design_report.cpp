#include "cli/design_report.hpp"

#include <optional>
#include <utility>

#include "calc/catalog_texts.hpp"
#include "calc/number_text.hpp"

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
    if (!outcome.losses || outcome.losses->error != LossError::None)
        return;
    for (const ReportedLossFigure& figure : reportedLossFigures()) {
        if (const std::optional<double> value = figure.of(*outcome.losses)) {
            out.put(lossFormat(figure.quantity).name);
            out.put(' ');
            out.put(lossText(figure.quantity, *value, kPoint));
            out.put('\n');
        }
    }
}

void writeDesignCsvHeader(OutputBuffer& out, bool losses)
{
    for (const ReportedFigure& figure : reportedFigures()) {
        out.put(',');
        out.put(reportedColumnHeader(figure));
    }
    out.put(",saturation");
    if (!losses)
        return;
    for (const ReportedLossFigure& figure : reportedLossFigures()) {
        out.put(',');
        out.put(reportedColumnHeader(figure));
    }
}

void writeDesignCsvCells(OutputBuffer& out, const DesignOutcome* outcome, bool losses)
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
    if (!losses)
        return;
    const LossDesign* made = outcome != nullptr && outcome->losses && outcome->losses->error == LossError::None
                                 ? &*outcome->losses
                                 : nullptr;
    for (const ReportedLossFigure& figure : reportedLossFigures()) {
        out.put(',');
        if (made != nullptr)
            if (const std::optional<double> value = figure.of(*made))
                out.put(formatNumber(*value, DisplayFormat{lossFormat(figure.quantity).decimals, true, ""}, kPoint)
                            .view());
    }
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
    const auto putFigures = [&](std::string_view key, auto&& putValue, auto&& putMore) {
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
        putMore();
        out.put('}');
    };
    const std::optional<LossInputs>& lossInputs = outcome->lossInputs;
    if (lossInputs) {
        // The loss inputs as the design used them, null where not given.
        const auto putOptional = [&](std::string_view key, std::optional<double> value) {
            out.put(",\"");
            out.put(key);
            out.put("\":");
            if (value)
                out.putShortest(*value);
            else
                out.put("null");
        };
        putOptional("frequency", lossInputs->frequency);
        out.put(",\"waveform\":");
        out.putJsonString(kWaveformNames[lossInputs->waveform == LossWaveform::Triangle ? 1 : 0]);
        putOptional("duty", lossInputs->duty);
        putOptional("ripple", lossInputs->ripple);
        putOptional("b_ac", lossInputs->acFlux);
        putOptional("temperature", lossInputs->temperature);
        putOptional("wire", lossInputs->wireDiameter);
        putOptional("strands", lossInputs->strands);
    }
    const LossDesign* losses = made && outcome->losses && outcome->losses->error == LossError::None
                                   ? &*outcome->losses
                                   : nullptr;
    // The loss figures follow the design's in the same objects, null where absent.
    const auto putLossFigures = [&](auto&& putValue) {
        if (!lossInputs)
            return;
        for (const ReportedLossFigure& figure : reportedLossFigures()) {
            out.put(",\"");
            out.put(lossFormat(figure.quantity).name);
            out.put("\":");
            const std::optional<double> value = losses != nullptr ? figure.of(*losses) : std::nullopt;
            if (value)
                putValue(figure.quantity, *value);
            else
                out.put("null");
        }
    };
    putFigures("texts", [&](DesignQuantity q, double v) { out.putJsonString(designText(q, v, kPoint)); },
               [&] { putLossFigures([&](LossQuantity q, double v) { out.putJsonString(lossText(q, v, kPoint)); }); });
    putFigures("values", [&](DesignQuantity, double v) { out.putShortest(v); },
               [&] { putLossFigures([&](LossQuantity, double v) { out.putShortest(v); }); });
    out.put(",\"saturation\":");
    const std::string_view level = made ? saturationWord(outcome->design.saturationMax) : std::string_view();
    if (level.empty())
        out.put("null");
    else
        out.putJsonString(level);
    if (lossInputs) {
        // The advice on the loss figures and why there is no core loss, as the error stream says them.
        const std::string advice = losses != nullptr ? lossAdviceText(losses->advice, Language::English) : std::string();
        const std::string unavailable = losses != nullptr && lossInputs->frequency
                                            ? lossUnavailableText(losses->coreLossUnavailable, Language::English)
                                            : std::string();
        for (const auto& [key, text] : {std::pair{"loss_advice", &advice}, std::pair{"loss_unavailable", &unavailable}}) {
            out.put(",\"");
            out.put(key);
            out.put("\":");
            if (text->empty())
                out.put("null");
            else
                out.putJsonString(*text);
        }
    }
    out.put(",\"error\":");
    if (outcome->problem.empty())
        out.put("null");
    else
        out.putJsonString(outcome->problem);
    out.put('}');
}

void writeMaterialList(std::ostream& out)
{
    const auto padded = [](std::string text, std::size_t width) {
        text.resize(std::max(text.size() + 1, width), ' ');
        return text;
    };
    const auto cell = [](std::optional<double> value, std::string_view unit) {
        return value ? figureText(*value, kPoint).append(unit) : std::string("-");
    };
    // What the core loss rests on: our own fit to the maker's curves, the maker's
    // (or a paper's) published fit, a small-signal loss factor only, or nothing.
    const auto lossFit = [](const Material& material) -> std::string_view {
        if (material.hasLossFit())
            return material.lossFitFitted ? "ours" : "published";
        return material.lossFactor.empty() ? "none" : "loss-factor";
    };
    out << "name    maker         base  mu_i   Bsat_25C  Bsat_100C  density       Curie  loss_fit     doubts\n";
    for (const Material& material : materials()) {
        out << padded(std::string(material.name), 8) << padded(std::string(material.manufacturer), 14)
            << padded(std::string(material.base), 6) << padded(figureText(material.muI, kPoint), 7)
            << padded(cell(material.bsat25, "mT"), 10) << padded(cell(material.bsat100, "mT"), 11)
            << padded(cell(material.density, "kg/m3"), 14) << padded(cell(material.curie, "C"), 7)
            << padded(std::string(lossFit(material)).append(material.lossFitDoubtful ? "?" : ""), 13)
            << (material.doubts.empty() ? std::string_view("-") : material.doubts) << '\n';
    }
}

}  // namespace ferricalc
