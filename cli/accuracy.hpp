#pragma once
// How far each window's results land from the vendors' data sheets: every
// catalogue core with published figures is calculated as its window would
// calculate it, and the displayed Le, Ae and Ve are set against the figures.

#include <array>
#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "cores/catalog.hpp"

namespace ferricalc {

// The deviations of one quantity over a window's catalogue, in percent of the
// published figures; positive where the window gives more than the data sheet.
struct DeviationSummary {
    int count = 0;       // cores with the figure published
    double median = 0.0;
    double worst = 0.0;  // the deviation of largest size, with its sign
    std::string_view worstCore;
};

// The median and the deviation of largest size of `deviations`, each given
// with the name of its core.
DeviationSummary summarize(std::span<const double> deviations, std::span<const std::string_view> cores);

struct CoreDeviation {
    const StandardCore* core;
    std::array<std::optional<double>, 3> percent;  // Le, Ae, Ve; absent where not published
};

struct WindowAccuracy {
    const CoreDescriptor* window = nullptr;
    int published = 0;  // catalogue cores with at least one published figure
    std::array<DeviationSummary, 3> quantities;  // Le, Ae, Ve
    std::vector<CoreDeviation> cores;             // those with published figures, in catalogue order
    std::vector<const StandardCore*> failed;      // cores the window could not calculate
};

WindowAccuracy measureAccuracy(const CoreDescriptor& window, std::span<const StandardCore> cores);

// Every built window with published figures, in the selector's option order.
std::vector<WindowAccuracy> measureCatalogue();

// A Markdown table: one row per window with its count and the median and
// worst deviation of Le, Ae and Ve.
void writeAccuracyTable(std::ostream& out, std::span<const WindowAccuracy> windows);

// One line per core: its name and its three deviations.
void writeCoreDeviations(std::ostream& out, std::span<const WindowAccuracy> windows);

}  // namespace ferricalc
