#pragma once
// How far each window's results land from the vendors' data sheets: every
// catalogue core with published figures is calculated as its window would
// calculate it, and the displayed Le, Ae and Ve are set against the figures.

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
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
    // The design's closer path (RM), unrounded; absent where the design takes the window's.
    std::array<std::optional<double>, 3> designPercent;
};

struct WindowAccuracy {
    const CoreDescriptor* window = nullptr;
    int published = 0;  // catalogue cores with at least one published figure
    std::array<DeviationSummary, 3> quantities;  // Le, Ae, Ve
    std::array<DeviationSummary, 3> designQuantities;  // the design's path, where closer than the window's
    std::vector<CoreDeviation> cores;             // those with published figures, in catalogue order
    std::vector<const StandardCore*> failed;      // cores the window could not calculate
};

WindowAccuracy measureAccuracy(const CoreDescriptor& window, std::span<const StandardCore> cores);

// Every built window with published figures, in the selector's option order.
std::vector<WindowAccuracy> measureCatalogue();

// A Markdown table: one row per window with its count and the median and
// worst deviation of Le, Ae and Ve, and a row "WINDOW, design" for a window
// whose design figures rest on a closer path.
void writeAccuracyTable(std::ostream& out, std::span<const WindowAccuracy> windows);

// One line per core: its name and its three deviations.
void writeCoreDeviations(std::ostream& out, std::span<const WindowAccuracy> windows);

// ---- AL of real gapped and ungapped sets ------------------------------------
//
// data/al-published.csv holds published inductance factors of real core sets,
// one per row: the set, its material and that material's nominal μi, the air
// gap as printed (and what the printed figure measures), the AL with its
// tolerance, the catalogue core of the set's dimensions and the data sheet.

struct AlRecord {
    std::string shape;     // "ETD 34/17/11"
    std::string vendor;    // "TDK"
    std::string material;  // "N87"
    double muI = 0.0;
    double gap = 0.0;  // mm, the total gap in the centre post; 0 for an ungapped set
    double al = 0.0;   // nH, published
    std::optional<double> toleranceMinus;  // percent, negative
    std::optional<double> tolerancePlus;   // percent
    std::string window;        // the core type, "etd"
    std::string standardCore;  // the catalogue core with the set's dimensions
    std::string gapDefinition;
    std::string source;
};

// The records of the CSV text; on a bad file, none and the reason in `problem`.
std::vector<AlRecord> readAlRecords(std::istream& in, std::string& problem);

struct AlComparison {
    const AlRecord* record;
    double fringing = 0.0;    // AL the design gives, nH
    double noFringing = 0.0;  // without the fringe field
    double errorFringing = 0.0;    // percent of the published AL
    double errorNoFringing = 0.0;
    bool withinTolerance = false;  // the fringing figure within the published tolerance (when one is given)
    double gapToPost = 0.0;  // the printed gap over the post's width (its diameter, or the side across the window)
    // The gap with which the design gives the published AL, mm; absent for an
    // ungapped set or where no gap the core holds reaches it. Against the printed
    // gap it says whether a record's error follows the gap's size (a model's
    // shape) or is one scale for every grade (what the printed gap measures).
    std::optional<double> impliedGap;
};

// Each record as the design computes it, from its catalogue core's dimensions,
// the material's μi and the printed gap in the centre post; on a record whose
// core the catalogue lacks, none and the reason in `problem`.
std::vector<AlComparison> compareAl(std::span<const AlRecord> records, std::string& problem);

struct AlSummary {
    std::string family;  // a set, or "all gapped sets"
    int gapped = 0;
    double medianFringing = 0.0;  // of |error|, percent
    double p90Fringing = 0.0;     // the 90th percentile of |error| (nearest rank)
    double medianNoFringing = 0.0;
    double p90NoFringing = 0.0;
    int within20Fringing = 0;  // gapped sets within ±20 %
    int ungapped = 0;
    double ungappedMedian = 0.0;  // signed, percent
    int ungappedWithinTolerance = 0;
};

// One row per set in the records' order, then one for all gapped sets.
std::vector<AlSummary> summarizeAl(std::span<const AlComparison> comparisons);

// The README's AL table (Markdown).
void writeAlTable(std::ostream& out, std::span<const AlSummary> summaries);

// The gapped records of one class: by the gap against the post's width, or by μi.
struct AlGroup {
    std::string group;  // "gap/post < 0.02", "μi ≥ 3000" ...
    int count = 0;
    double median = 0.0;        // of |error|, percent
    double p90 = 0.0;           // the 90th percentile of |error|
    double signedMedian = 0.0;  // percent: low (−) or high (+)
    double impliedOverPrinted = 0.0;  // the median of impliedGap / printed gap
};

// The gapped records by the gap against the post (below 0.02, to 0.05, from
// 0.05) and by μi (below 1000, to 3000, from 3000); a class without records is left out.
std::vector<AlGroup> groupAl(std::span<const AlComparison> comparisons);

// The classes as a Markdown table.
void writeAlGroups(std::ostream& out, std::span<const AlGroup> groups);

// One line per record: set, material, gap, published and computed AL, errors,
// and the gap the design needs for the published AL.
void writeAlRecords(std::ostream& out, std::span<const AlComparison> comparisons);

}  // namespace ferricalc
