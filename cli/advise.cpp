#include "cli/advise.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calc/advisor.hpp"
#include "calc/number_text.hpp"
#include "cli/cli.hpp"
#include "cli/output.hpp"
#include "cores/registry.hpp"

namespace ferricalc {

namespace {

constexpr std::string_view kPoint = ".";
constexpr int kDefaultTop = 10;

std::string fixed(double value, int decimals)
{
    return std::string(formatNumber(value, DisplayFormat{decimals, true, ""}, kPoint).view());
}

// A row as the command line writes it: its rank (- for a miss) and the columns it writes.
std::vector<std::string> cells(const Advice& a, int rank)
{
    std::vector<std::string> row{rank > 0 ? std::to_string(rank) : std::string("-")};
    for (const AdviceColumn& column : adviceColumns())
        if (column.commandLine)
            row.push_back(adviceCell(a, column));
    return row;
}

// The names of those columns, in the same order.
std::vector<std::string_view> columnNames()
{
    std::vector<std::string_view> names{"rank"};
    for (const AdviceColumn& column : adviceColumns())
        if (column.commandLine)
            names.push_back(column.name);
    return names;
}

std::string problem(std::string_view option, std::string_view text, std::string_view why)
{
    return std::string(option) + " '" + std::string(text) + "': " + std::string(why);
}

// A plain number within [low, high]; empty text gives the fallback.
std::optional<double> limit(std::string_view text, double fallback, double low, double high)
{
    if (text.empty())
        return fallback;
    const std::optional<double> value = parseNumber(text, kPoint);
    if (!value || !(*value >= low && *value <= high))
        return std::nullopt;
    return value;
}

std::vector<std::string_view> splitList(std::string_view text)
{
    std::vector<std::string_view> items;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        items.push_back(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return items;
}

}  // namespace

int adviseOptionOf(std::string_view arg)
{
    for (int i = 0; i < AdviseOptionCount; ++i) {
        const std::string_view option = kAdviseOptions[static_cast<std::size_t>(i)];
        if (arg == option || (arg.starts_with(option) && arg.size() > option.size() && arg[option.size()] == '='))
            return i;
    }
    return -1;
}

int runAdvise(const AdviseRequest& request, std::ostream& out, std::ostream& err)
{
    const auto usage = [&](const std::string& why) {
        err << kProgramName << ": " << why << "\nTry 'ferricalc-cli --help' for more information.\n";
        return static_cast<int>(kUsageError);
    };
    const DesignTexts& design = request.design;
    const auto given = [&](DesignOption option) { return !design[option].empty(); };
    for (const DesignOption needed : {InductanceOption, CurrentOption, FrequencyOption})
        if (!given(needed))
            return usage(std::string("--advise needs ") + std::string(kDesignOptions[needed].option));
    for (const DesignOption unused : {MuIOption, BsatOption, GapOption, GapInOption, TurnsOption, TargetAlOption,
                                      WaveformOption, AcFluxOption, WireOption})
        if (given(unused))
            return usage(std::string(kDesignOptions[unused].option) + ": --advise chooses it itself");

    // The requirement, read as a design reads each figure.
    Requirement r;
    const auto designNumber = [&](DesignOption option, DesignInput kind, double& into) {
        const InputReading reading = readDesignInput(kind, design[option], kPoint);
        if (reading.error != DesignError::None || !reading.value)
            return problem(kDesignOptions[option].option, design[option],
                           readingMessage(reading, kind, false, Language::English, kPoint));
        into = *reading.value;
        return std::string();
    };
    const auto lossNumber = [&](DesignOption option, LossInput kind, double& into) {
        if (!given(option))
            return std::string();
        const LossInputReading reading = readLossInput(kind, design[option], kPoint);
        if (reading.error != LossError::None || !reading.value)
            return problem(kDesignOptions[option].option, design[option],
                           lossErrorMessage(reading.error, Language::English));
        into = *reading.value;
        return std::string();
    };
    double strands = 1.0;
    for (const std::string& why : {designNumber(InductanceOption, DesignInput::Inductance, r.inductance),
                                   designNumber(CurrentOption, DesignInput::Current, r.peakCurrent),
                                   lossNumber(RippleOption, LossInput::Ripple, r.ripple),
                                   lossNumber(FrequencyOption, LossInput::Frequency, r.frequency),
                                   lossNumber(DutyOption, LossInput::Duty, r.duty),
                                   lossNumber(TemperatureOption, LossInput::Temperature, r.temperature),
                                   lossNumber(StrandsOption, LossInput::Strands, strands)})
        if (!why.empty())
            return usage(why);
    r.strands = static_cast<int>(strands);
    if (r.ripple > 2.0 * r.peakCurrent)
        return usage(problem("--ripple", design[RippleOption], "more than twice the peak current --current"));

    const auto& texts = request.texts;
    // The limits, held to the ranges the window's boxes hold them to; then the rows wanted.
    double* const limits[] = {&r.maxTemperatureRise, &r.maxFluxShare, &r.maxFill};
    const AdviseOption limitOptions[] = {MaxRiseOption, MaxShareOption, FillOption};
    for (int i = 0; i < AdviceLimitCount; ++i) {
        const DesignInputLimits& range = kAdviceLimits[i];
        const std::string_view text = texts[limitOptions[i]];
        const std::optional<double> value = limit(text, range.start, range.minimum, range.maximum);
        if (!value)
            return usage(problem(kAdviseOptions[limitOptions[i]], text,
                                 "from " + fixed(range.minimum, 0) + " to " + fixed(range.maximum, 0)));
        *limits[i] = *value;
    }
    double top = request.all ? 1e9 : kDefaultTop;
    if (const std::optional<double> rows = limit(texts[TopOption], top, 1, 1e9); rows && std::floor(*rows) == *rows)
        top = *rows;
    else
        return usage(problem("--top", texts[TopOption], "a whole number of rows, 1 or more"));
    Ranking ranking = Ranking::Volume;
    if (const std::string_view rank = texts[RankOption]; rank == "loss")
        ranking = Ranking::Loss;
    else if (rank == "mass")
        ranking = Ranking::Mass;
    else if (!rank.empty() && rank != "volume")
        return usage(problem("--rank", rank, "rank by 'volume', 'loss' or 'mass'"));

    std::vector<const CoreDescriptor*> families;
    for (const std::string_view name : splitList(texts[FamilyOption])) {
        const CoreDescriptor* family = findCoreType(name);
        if (family == nullptr)
            return usage(problem("--family", name, "no such core (--list lists them)"));
        families.push_back(family);
    }
    if (families.empty())
        families.assign(coreTypes().begin(), coreTypes().end());
    std::vector<const Material*> chosen;
    for (const std::string_view name : splitList(design[MaterialOption])) {
        const Material* material = findMaterial(name);
        if (material == nullptr)
            return usage(problem("--material", name, "no such material (--materials lists them)"));
        if (!material->hasLossFit() || !material->bsat100)
            return usage(problem("--material", name, "no loss fit or Bsat to design with"));
        chosen.push_back(material);
    }
    if (chosen.empty())
        for (const Material& material : materials())
            if (material.hasLossFit() && material.bsat100)
                chosen.push_back(&material);

    const std::vector<Advice> all = advise(families, chosen, r, ranking);
    const auto feasible = static_cast<std::size_t>(
        std::count_if(all.begin(), all.end(), [](const Advice& a) { return a.verdict == Verdict::Feasible; }));
    // The feasible up to --top, or with --all everything; with none feasible the closest misses.
    const std::size_t shown = std::min(all.size(), request.all ? all.size()
                                                               : std::min<std::size_t>(
                                                                     feasible > 0 ? feasible : kDefaultTop,
                                                                     static_cast<std::size_t>(top)));
    const bool verdicts = request.all || feasible == 0;

    OutputBuffer buffer(out);
    const std::vector<std::string_view> names = columnNames();
    if (request.json) {
        buffer.put('[');
        for (std::size_t i = 0; i < shown; ++i) {
            const Advice& a = all[i];
            const std::vector<std::string> row = cells(a, a.verdict == Verdict::Feasible ? static_cast<int>(i) + 1 : 0);
            buffer.put(i == 0 ? "\n{" : ",\n{");
            for (std::size_t c = 0; c < row.size(); ++c) {
                buffer.put(c == 0 ? "\"" : ",\"");
                buffer.put(names[c]);
                buffer.put("\":");
                const bool text = c > 0 && adviceColumns()[c - 1].figure == nullptr;
                if (text)
                    buffer.putJsonString(row[c]);
                else
                    buffer.put(row[c] == "-" ? std::string_view("null") : std::string_view(row[c]));
            }
            buffer.put(",\"verdict\":");
            const std::string why = verdictText(a, r, Language::English);
            if (why.empty())
                buffer.put("null");
            else
                buffer.putJsonString(why);
            buffer.put('}');
        }
        buffer.put("\n]\n");
    } else {
        // Text: columns padded to their widest cell; CSV: RFC 4180 cells.
        std::vector<std::vector<std::string>> rows;
        std::vector<std::string> header(names.begin(), names.end());
        if (verdicts)
            header.emplace_back("verdict");
        rows.push_back(header);
        for (std::size_t i = 0; i < shown; ++i) {
            std::vector<std::string> row =
                cells(all[i], all[i].verdict == Verdict::Feasible ? static_cast<int>(i) + 1 : 0);
            if (verdicts)
                row.push_back(verdictText(all[i], r, Language::English));
            rows.push_back(std::move(row));
        }
        std::vector<std::size_t> widths(header.size(), 0);
        for (const auto& row : rows)
            for (std::size_t c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], row[c].size());
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (request.csv) {
                    if (c > 0)
                        buffer.put(',');
                    buffer.putCsvCell(row[c]);
                    continue;
                }
                if (c + 1 == row.size() && row[c].empty())
                    break;  // no verdict: no trailing blanks
                if (c > 0)
                    buffer.put("  ");
                buffer.put(row[c]);
                if (c + 1 < row.size())
                    buffer.put(std::string(widths[c] - row[c].size(), ' '));
            }
            buffer.put('\n');
        }
    }
    buffer.flush();
    if (feasible == 0) {
        err << kProgramName << ": no standard core meets the requirement; the closest misses are listed\n";
        return kCalculationFailed;
    }
    return kSucceeded;
}

}  // namespace ferricalc
