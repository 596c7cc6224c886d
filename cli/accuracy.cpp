#include "cli/accuracy.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>
#include <string>
#include <tuple>

#include "calc/calculation.hpp"
#include "calc/design.hpp"
#include "cli/csv_reader.hpp"
#include "cli/standard_core.hpp"
#include "cores/published_al.hpp"
#include "cores/registry.hpp"

namespace ferricalc {

namespace {

constexpr std::array<Quantity, 3> kCompared{Le, Ae, Ve};

std::string percentCell(const DeviationSummary& summary, double percent)
{
    return summary.count == 0 ? std::string("–") : deviationText(percent, ".") + " %";
}

}  // namespace

DeviationSummary summarize(std::span<const double> deviations, std::span<const std::string_view> cores)
{
    DeviationSummary summary;
    summary.count = static_cast<int>(deviations.size());
    if (deviations.empty())
        return summary;

    std::vector<double> sorted(deviations.begin(), deviations.end());
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    summary.median = sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2.0;

    // The first of equally large deviations, so the table does not depend on the sort.
    std::size_t worst = 0;
    for (std::size_t i = 1; i < deviations.size(); ++i)
        if (std::abs(deviations[i]) > std::abs(deviations[worst]))
            worst = i;
    summary.worst = deviations[worst];
    summary.worstCore = cores[worst];
    return summary;
}

WindowAccuracy measureAccuracy(const CoreDescriptor& window, std::span<const StandardCore> cores)
{
    WindowAccuracy accuracy;
    accuracy.window = &window;
    std::array<std::vector<double>, kCompared.size()> deviations;
    std::array<std::vector<std::string_view>, kCompared.size()> names;
    std::array<std::vector<double>, kCompared.size()> designDeviations;
    std::array<std::vector<std::string_view>, kCompared.size()> designNames;

    for (const StandardCore& standard : cores) {
        if (!standard.dataSheet.anyPublished())
            continue;
        ++accuracy.published;
        // The window's displayed values, as a user would read them off it.
        const Calculation result = calculate(window, standard.texts, ".");
        if (!result.succeeded()) {
            accuracy.failed.push_back(&standard);
            continue;
        }
        CoreDeviation& row = accuracy.cores.emplace_back(CoreDeviation{&standard, {}, {}});
        // The design's figures, where its path is closer than the window's.
        const CoreSetResult set = coreSet(window, standard.texts, ".");
        const bool closer = set.formed() && set.set.closerPath;
        const std::array<double, kCompared.size()> path{set.set.pathLe, set.set.pathAe, set.set.pathVe};
        for (std::size_t q = 0; q < kCompared.size(); ++q) {
            const std::optional<double> published = standard.dataSheet.figure(kCompared[q]);
            if (!published)
                continue;
            const double percent = deviationPercent(result.values[kCompared[q]], *published);
            row.percent[q] = percent;
            deviations[q].push_back(percent);
            names[q].push_back(standard.name);
            if (closer) {
                row.designPercent[q] = deviationPercent(path[q], *published);
                designDeviations[q].push_back(*row.designPercent[q]);
                designNames[q].push_back(standard.name);
            }
        }
    }
    for (std::size_t q = 0; q < kCompared.size(); ++q) {
        accuracy.quantities[q] = summarize(deviations[q], names[q]);
        accuracy.designQuantities[q] = summarize(designDeviations[q], designNames[q]);
    }
    return accuracy;
}

std::vector<WindowAccuracy> measureCatalogue()
{
    std::vector<WindowAccuracy> windows;
    for (const CoreDescriptor* core : coreTypes()) {
        if (!core->available())
            continue;
        WindowAccuracy accuracy = measureAccuracy(*core, standardCores(*core));
        if (accuracy.published > 0)
            windows.push_back(std::move(accuracy));
    }
    return windows;
}

void writeAccuracyTable(std::ostream& out, std::span<const WindowAccuracy> windows)
{
    out << "| Window | Cores | Le median | Le worst | Ae median | Ae worst | Ve median | Ve worst |\n"
        << "|---|---:|---:|---:|---:|---:|---:|---:|\n";
    const auto row = [&out](const WindowAccuracy& window, std::string_view suffix,
                            const std::array<DeviationSummary, 3>& quantities) {
        out << "| " << window.window->name << suffix << " | " << window.published;
        for (const DeviationSummary& summary : quantities) {
            out << " | " << percentCell(summary, summary.median) << " | " << percentCell(summary, summary.worst);
            // A figure that not every core publishes says over how many it was taken.
            if (summary.count != 0 && summary.count != window.published)
                out << " (" << summary.count << ")";
        }
        out << " |\n";
    };
    for (const WindowAccuracy& window : windows) {
        row(window, "", window.quantities);
        if (window.designQuantities[0].count > 0)
            row(window, ", design", window.designQuantities);
    }
    for (const WindowAccuracy& window : windows)
        for (const StandardCore* failed : window.failed)
            out << "\n" << window.window->name << ": " << failed->name << " does not calculate\n";
}

void writeCoreDeviations(std::ostream& out, std::span<const WindowAccuracy> windows)
{
    for (const WindowAccuracy& window : windows) {
        for (const CoreDeviation& row : window.cores) {
            out << window.window->name << '\t' << row.core->name;
            for (std::size_t q = 0; q < kCompared.size(); ++q) {
                out << '\t' << kQuantityNames[kCompared[q]] << ' ';
                out << (row.percent[q] ? deviationText(*row.percent[q], ".") + " %" : std::string("–"));
            }
            for (std::size_t q = 0; q < kCompared.size(); ++q)
                if (row.designPercent[q])
                    out << "\tdesign " << kQuantityNames[kCompared[q]] << ' ' << deviationText(*row.designPercent[q], ".")
                        << " %";
            out << '\n';
        }
    }
}

namespace {

constexpr std::string_view kAlColumns[] = {"shape", "material", "mu_i", "gap_mm", "AL_nH", "AL_tol_minus_pct",
                                           "AL_tol_plus_pct", "window", "standard_core", "gap_def", "source", "vendor"};

// The median and the 90th percentile (nearest rank) of the sizes of `errors`.
std::pair<double, double> medianAndP90(std::vector<double> errors)
{
    if (errors.empty())
        return {0.0, 0.0};
    for (double& error : errors)
        error = std::abs(error);
    std::sort(errors.begin(), errors.end());
    const std::size_t n = errors.size();
    const double median = n % 2 == 1 ? errors[n / 2] : (errors[n / 2 - 1] + errors[n / 2]) / 2.0;
    const auto rank = static_cast<std::size_t>(std::ceil(0.9 * static_cast<double>(n)));
    return {median, errors[std::max<std::size_t>(rank, 1) - 1]};
}

double signedMedian(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::string percent(double value) { return deviationText(value, ".") + " %"; }

std::string magnitude(double value) { return designValueText(DesignQuantity::FluxShare, value, ".") + " %"; }

std::string ratioText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace

std::vector<AlRecord> readAlRecords(std::istream& in, std::string& problem)
{
    CsvReader reader(in);
    CsvRecord record;
    if (!reader.next(record)) {
        problem = "no header";
        return {};
    }
    std::array<std::size_t, std::size(kAlColumns)> columnOf{};
    for (std::size_t c = 0; c < std::size(kAlColumns); ++c) {
        std::size_t i = 0;
        while (i < record.keptCells() && record.cell(i) != kAlColumns[c])
            ++i;
        if (i == record.keptCells()) {
            problem = "no column " + std::string(kAlColumns[c]);
            return {};
        }
        columnOf[c] = i;
    }
    std::vector<AlRecord> records;
    while (reader.next(record)) {
        const auto cell = [&](std::size_t c) { return std::string(record.cell(columnOf[c])); };
        const auto number = [&](std::size_t c) { return parseNumber(record.cell(columnOf[c]), "."); };
        if (record.problem != CsvRecord::Problem::None || record.keptCells() <= *std::max_element(columnOf.begin(), columnOf.end())) {
            problem = "line " + std::to_string(record.line) + ": not a record";
            return {};
        }
        AlRecord& r = records.emplace_back();
        r.shape = cell(0);
        r.material = cell(1);
        const std::optional<double> muI = number(2);
        const std::optional<double> gap = number(3);
        const std::optional<double> al = number(4);
        if (!muI || !gap || !al) {
            problem = "line " + std::to_string(record.line) + ": mu_i, gap_mm or AL_nH is not a number";
            return {};
        }
        r.muI = *muI;
        r.gap = *gap;
        r.al = *al;
        r.toleranceMinus = number(5);
        r.tolerancePlus = number(6);
        r.window = cell(7);
        r.standardCore = cell(8);
        r.gapDefinition = cell(9);
        r.source = cell(10);
        r.vendor = cell(11);
    }
    return records;
}

std::vector<AlComparison> compareAl(std::span<const AlRecord> records, std::string& problem)
{
    std::vector<AlComparison> comparisons;
    for (const AlRecord& record : records) {
        const CoreDescriptor* core = findCoreType(record.window);
        const StandardCore* standard = core != nullptr ? findStandardCore(*core, record.standardCore) : nullptr;
        if (standard == nullptr) {
            // A record without its catalogue core is matched by the set's name.
            const CatalogueMatch match = findCatalogueCore(record.shape, record.vendor);
            core = match.window != nullptr ? findCoreType(match.window->core) : nullptr;
            standard = core != nullptr ? match.core : nullptr;
        }
        const CoreSetResult set = standard != nullptr ? coreSet(*core, standard->texts, ".") : CoreSetResult{};
        if (standard == nullptr || !set.formed()) {
            problem = record.shape + ": no catalogue core '" + record.standardCore + "' in " + record.window;
            return {};
        }
        AlComparison& c = comparisons.emplace_back();
        c.record = &record;
        c.fringing = inductanceFactor(set.set, record.muI, record.gap, GapPlace::CentrePost, true);
        c.noFringing = inductanceFactor(set.set, record.muI, record.gap, GapPlace::CentrePost, false);
        c.errorFringing = deviationPercent(c.fringing, record.al);
        c.errorNoFringing = deviationPercent(c.noFringing, record.al);
        c.withinTolerance = record.toleranceMinus && record.tolerancePlus && c.errorFringing >= *record.toleranceMinus
                            && c.errorFringing <= *record.tolerancePlus;
        c.gapToPost = record.gap / set.set.shape.post.width;
        if (record.gap > 0.0) {
            const GapForAl implied = gapForInductanceFactor(set.set, record.muI, GapPlace::CentrePost, record.al);
            if (implied.outcome == GapForAl::Outcome::Found)
                c.impliedGap = implied.gap;
        }
    }
    return comparisons;
}

std::vector<AlSummary> summarizeAl(std::span<const AlComparison> comparisons)
{
    std::vector<std::string> families;
    for (const AlComparison& c : comparisons)
        if (std::find(families.begin(), families.end(), c.record->shape) == families.end())
            families.push_back(c.record->shape);
    families.emplace_back();  // every gapped set

    std::vector<AlSummary> summaries;
    for (const std::string& family : families) {
        AlSummary& summary = summaries.emplace_back();
        summary.family = family.empty() ? "all gapped sets" : family;
        std::vector<double> fringing;
        std::vector<double> noFringing;
        std::vector<double> ungapped;
        for (const AlComparison& c : comparisons) {
            if (!family.empty() && c.record->shape != family)
                continue;
            if (c.record->gap > 0.0) {
                fringing.push_back(c.errorFringing);
                noFringing.push_back(c.errorNoFringing);
                summary.within20Fringing += std::abs(c.errorFringing) <= 20.0 ? 1 : 0;
            } else if (!family.empty()) {
                ungapped.push_back(c.errorFringing);
                summary.ungappedWithinTolerance += c.withinTolerance ? 1 : 0;
            }
        }
        summary.gapped = static_cast<int>(fringing.size());
        std::tie(summary.medianFringing, summary.p90Fringing) = medianAndP90(fringing);
        std::tie(summary.medianNoFringing, summary.p90NoFringing) = medianAndP90(noFringing);
        summary.ungapped = static_cast<int>(ungapped.size());
        summary.ungappedMedian = signedMedian(ungapped);
    }
    return summaries;
}

void writeAlTable(std::ostream& out, std::span<const AlSummary> summaries)
{
    out << "| Set | Gapped | Median size of error, fringing | 90th percentile | Within ±20 % | Median size of error, no fringing "
           "| 90th percentile | Ungapped | Ungapped median error | Within the published tolerance |\n"
        << "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const AlSummary& s : summaries) {
        out << "| " << s.family << " | " << s.gapped;
        if (s.gapped > 0)
            out << " | " << magnitude(s.medianFringing) << " | " << magnitude(s.p90Fringing) << " | "
                << s.within20Fringing << " | " << magnitude(s.medianNoFringing) << " | " << magnitude(s.p90NoFringing);
        else
            out << " | – | – | – | – | –";
        out << " | " << s.ungapped;
        if (s.ungapped > 0)
            out << " | " << percent(s.ungappedMedian) << " | " << s.ungappedWithinTolerance;
        else
            out << " | – | –";
        out << " |\n";
    }
}

std::vector<AlGroup> groupAl(std::span<const AlComparison> comparisons)
{
    struct Class {
        const char* name;
        double AlComparison::*by;  // null: by μi
        double from;
        double below;
    };
    constexpr double kEndless = std::numeric_limits<double>::infinity();
    static constexpr Class kClasses[] = {
        {"gap/post < 0.02", &AlComparison::gapToPost, 0.0, 0.02},
        {"gap/post 0.02–0.05", &AlComparison::gapToPost, 0.02, 0.05},
        {"gap/post ≥ 0.05", &AlComparison::gapToPost, 0.05, kEndless},
        {"μi < 1000", nullptr, 0.0, 1000.0},
        {"μi 1000–3000", nullptr, 1000.0, 3000.0},
        {"μi ≥ 3000", nullptr, 3000.0, kEndless},
    };
    std::vector<AlGroup> groups;
    for (const Class& cls : kClasses) {
        std::vector<double> errors;
        std::vector<double> ratios;
        for (const AlComparison& c : comparisons) {
            const double value = cls.by != nullptr ? c.*cls.by : c.record->muI;
            if (c.record->gap <= 0.0 || value < cls.from || value >= cls.below)
                continue;
            errors.push_back(c.errorFringing);
            if (c.impliedGap)
                ratios.push_back(*c.impliedGap / c.record->gap);
        }
        if (errors.empty())
            continue;
        AlGroup& group = groups.emplace_back();
        group.group = cls.name;
        group.count = static_cast<int>(errors.size());
        group.signedMedian = signedMedian(errors);
        group.impliedOverPrinted = signedMedian(ratios);  // the plain median
        std::tie(group.median, group.p90) = medianAndP90(std::move(errors));
    }
    return groups;
}

void writeAlGroups(std::ostream& out, std::span<const AlGroup> groups)
{
    out << "| Gapped sets | Records | Median size of error | 90th percentile | Median error | Gap for the published AL / "
           "printed gap (median) |\n"
        << "|---|---:|---:|---:|---:|---:|\n";
    for (const AlGroup& g : groups)
        out << "| " << g.group << " | " << g.count << " | " << magnitude(g.median) << " | " << magnitude(g.p90) << " | "
            << percent(g.signedMedian) << " | " << ratioText(g.impliedOverPrinted) << " |\n";
}

void writeAlRecords(std::ostream& out, std::span<const AlComparison> comparisons)
{
    for (const AlComparison& c : comparisons) {
        const AlRecord& r = *c.record;
        out << r.shape << '\t' << r.material << "\tmu_i " << designValueText(DesignQuantity::MuI, r.muI, ".")
            << "\tgap " << designText(DesignQuantity::Gap, r.gap, ".") << "\tAL " << figureText(r.al, ".")
            << " nH\tcomputed " << designText(DesignQuantity::Al, c.fringing, ".") << ' ' << percent(c.errorFringing)
            << "\tno fringing " << designText(DesignQuantity::AlNoFringing, c.noFringing, ".") << ' '
            << percent(c.errorNoFringing);
        if (c.impliedGap)
            out << "\tgap for the published AL " << designText(DesignQuantity::Gap, *c.impliedGap, ".");
        out << '\n';
    }
}

}  // namespace ferricalc
