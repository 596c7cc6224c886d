#include "cli/accuracy.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

#include "calc/calculation.hpp"
#include "cli/standard_core.hpp"
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
        CoreDeviation& row = accuracy.cores.emplace_back(CoreDeviation{&standard, {}});
        for (std::size_t q = 0; q < kCompared.size(); ++q) {
            const std::optional<double> published = standard.dataSheet.figure(kCompared[q]);
            if (!published)
                continue;
            const double percent = deviationPercent(result.values[kCompared[q]], *published);
            row.percent[q] = percent;
            deviations[q].push_back(percent);
            names[q].push_back(standard.name);
        }
    }
    for (std::size_t q = 0; q < kCompared.size(); ++q)
        accuracy.quantities[q] = summarize(deviations[q], names[q]);
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
    for (const WindowAccuracy& window : windows) {
        out << "| " << window.window->name << " | " << window.published;
        for (const DeviationSummary& summary : window.quantities) {
            out << " | " << percentCell(summary, summary.median) << " | " << percentCell(summary, summary.worst);
            // A figure that not every core publishes says over how many it was taken.
            if (summary.count != 0 && summary.count != window.published)
                out << " (" << summary.count << ")";
        }
        out << " |\n";
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
            out << '\n';
        }
    }
}

}  // namespace ferricalc
