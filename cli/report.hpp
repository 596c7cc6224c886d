#pragma once
// What the command line prints about one calculation, as plain lines, as the
// result cells of a CSV row or as one JSON object. A single calculation and a
// batch row go through the same writers, so they print the same texts.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/advisories.hpp"
#include "calc/calculation.hpp"
#include "cli/design_report.hpp"
#include "cli/output.hpp"
#include "cores/catalog.hpp"
#include "cores/descriptor.hpp"

namespace ferricalc {

struct OutputOptions {
    bool json = false;
    bool exact = false;  // also the constants unrounded and what they give
};

// A core built into this program by its command-line name, in any letter case.
const CoreDescriptor* findBuiltCore(std::string_view name);

// "unknown core 'x'", or that the core is not built into this version.
void appendUnknownCore(std::string& message, std::string_view name);

// The messages of failed calculations, made once for each kind of failure and
// then reused, so that a batch of failing rows does not allocate for them.
class FailureMessages {
public:
    // The calculation's failure and, when it is set, the failure of the exact
    // derivation; empty when both succeeded.
    std::string_view describe(const CoreDescriptor& core, const Calculation& calculation, const ExactResults* exact);

private:
    struct Entry {
        const CoreDescriptor* core;
        CalculationFailure::Stage stage;
        int field;
        bool emptyField;
        ArithmeticError error;
        ArithmeticError exactError;
        std::string text;
    };
    std::vector<Entry> m_entries;
};

// One calculation's outcome, or a row that failed before it could calculate.
struct Outcome {
    const CoreDescriptor* core = nullptr;  // null when no built core was named
    std::string_view coreText;             // the core as given
    std::span<const std::string_view> fieldTexts;  // the texts calculated from, in chain order
    const Calculation* calculation = nullptr;      // null when the row failed before calculating
    const ExactResults* exact = nullptr;           // null without --exact or without a calculation
    std::string_view error;                        // empty on success
    const StandardCore* standard = nullptr;        // the catalogue core the fields were taken from
    bool standardTextsKept = false;  // every field still holds the catalogue's text: the data sheet applies
    bool designAsked = false;               // design options or columns were given: the design's output appears
    const DesignOutcome* design = nullptr;  // the design made, when the core calculated
};

// Each computed Le, Ae and Ve's deviation from the standard core's data sheet,
// in percent; absent where the figure is not published, the value was not
// computed, or a field no longer holds the catalogue's text.
std::array<std::optional<double>, QuantityCount> dataSheetDeviations(const Outcome& outcome);

// "C1 3.07501" for each written result; with exact values "C1 3.07501 3.0750123…",
// a "-" standing for what is missing on one side. A standard core adds its data
// sheet ("datasheet Le 78.58mm Ae 97.1mm2 Ve 7630mm3", or "datasheet none") and
// the deviations from it ("deviation Le +0.2% Ae +0.0% Ve +0.2%"). A design
// adds its figures, "Amin 91.61 mm2" and on.
void writeTextLines(OutputBuffer& out, const Outcome& outcome);

// The header cells that follow the input columns: C1 … Ve, the exact columns,
// the data sheet's figures and the deviations from them, the design's figures, error.
void writeCsvResultHeader(OutputBuffer& out, bool exact, bool dataSheet, bool design = false, bool losses = false);
// The cells that follow the input cells of a row, each preceded by its comma.
void writeCsvResults(OutputBuffer& out, const Outcome& outcome, bool exact, bool dataSheet, bool design = false,
                     bool losses = false);

// One JSON object on one line; `line` is left out when negative. A standard
// core adds "std", its "datasheet" figures and the "deviation" in percent; a
// design asked for adds "design".
void writeJsonObject(OutputBuffer& out, const Outcome& outcome, long long line, bool exact);

}  // namespace ferricalc
