#pragma once
// A magnetic design asked for by name, as the command line's options, a
// batch's columns and the web page's scripting interface give it: one text per
// input ("material" "N87", "gap" "0.5" …), read into the design's inputs with
// the reason a text cannot be used; the design made for a calculated core; and
// the figures it reports, each with its name.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design.hpp"
#include "calc/losses.hpp"

namespace ferricalc {

enum DesignOption {
    MuIOption,
    MaterialOption,
    BsatOption,
    GapOption,
    GapInOption,
    TurnsOption,
    InductanceOption,
    CurrentOption,
    TargetAlOption,
    // The losses (calc/losses.hpp), in the order of LossInputs.
    FrequencyOption,
    WaveformOption,
    DutyOption,
    RippleOption,
    AcFluxOption,
    TemperatureOption,
    WireOption,
    StrandsOption,
    DesignOptionCount
};

struct DesignOptionName {
    std::string_view option;  // on the command line, followed by its value
    std::string_view column;  // a batch's column, a script's key
};

inline constexpr std::array<DesignOptionName, DesignOptionCount> kDesignOptions{{
    {"--mu-i", "mu_i"},
    {"--material", "material"},
    {"--bsat", "bsat"},
    {"--gap", "gap"},
    {"--gap-in", "gap_in"},
    {"--turns", "turns"},
    {"--inductance", "inductance"},
    {"--current", "current"},
    {"--target-al", "target_al"},
    {"--frequency", "frequency"},
    {"--waveform", "waveform"},
    {"--duty", "duty"},
    {"--ripple", "ripple"},
    {"--b-ac", "b_ac"},
    {"--temperature", "temperature"},
    {"--wire", "wire"},
    {"--strands", "strands"},
}};

// The first loss option: the losses are asked for when one of it or those after it holds a text.
inline constexpr int kFirstLossOption = FrequencyOption;

// The words of --waveform, in the order of LossWaveform.
inline constexpr std::array<std::string_view, 2> kWaveformNames{"sine", "triangle"};

// The words of --gap-in, in the order of GapPlace.
inline constexpr std::array<std::string_view, 2> kGapPlaceNames{"centre", "all"};

// The design option `arg` names ("--gap" or "--gap=0.2"), or -1.
int designOptionOf(std::string_view arg);

// One text per option as given; empty where not given.
using DesignTexts = std::array<std::string_view, DesignOptionCount>;

struct DesignRequest {
    bool asked = false;  // some option holds a text
    DesignInputs inputs;
    const Material* material = nullptr;  // null for a custom material, or a table's with its μi or Bsat replaced
    std::string problem;  // why the texts cannot be used, naming the option or column; empty when they can
    bool columns = false;  // options are named by their columns
    std::optional<LossInputs> losses;  // the loss options, when one is given
};

// Reads the texts. `columns` names a problem's option by its column ("gap")
// rather than its command-line option ("--gap").
DesignRequest readDesignRequest(const DesignTexts& texts, bool columns);

// A design made for one calculated core.
struct DesignOutcome {
    Design design;
    const Material* material = nullptr;
    DesignInputs inputs;
    std::string problem;  // the set or a figure could not be made, or no gap reaches the target AL
    bool usage = false;   // the problem is with an option given (a gap longer than the core holds)
    std::optional<LossInputs> lossInputs;  // as asked
    std::optional<LossDesign> losses;      // made with the design when they were asked for
    bool made() const { return design.error == DesignError::None && problem.empty(); }
};

// The design for the core's field texts (which calculated).
DesignOutcome makeDesign(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                         const DesignRequest& request);

// A figure the design reports, in the order the command line writes them.
struct ReportedFigure {
    DesignQuantity quantity;
    std::string_view column;  // the batch column and JSON key
    std::optional<double> (*of)(const Design&);
};

std::span<const ReportedFigure> reportedFigures();

// A batch's header for a figure: its column with its unit ("AL_nH", "B_Amin_of_Bsat_pct").
std::string reportedColumnHeader(const ReportedFigure& figure);

// A loss figure reported after the design's, its name (lossFormat) the batch column and JSON key.
struct ReportedLossFigure {
    LossQuantity quantity;
    std::optional<double> (*of)(const LossDesign&);
};

std::span<const ReportedLossFigure> reportedLossFigures();

// Its batch header, the name with its unit as reportedColumnHeader writes it ("Pv_kW_per_m3", "fill_pct").
std::string reportedColumnHeader(const ReportedLossFigure& figure);

// The word for a saturation level on the command line: clear, advisory, warning, unknown.
std::string_view saturationWord(SaturationLevel level);

// What a design means beyond its figures, one English line each: B̂max near or
// past Bsat, Bsat unknown, the wanted inductance below one turn's; the loss
// figures' advice, and why there is no core loss where a frequency was given.
std::vector<std::string> designRemarks(const DesignOutcome& outcome);

}  // namespace ferricalc
