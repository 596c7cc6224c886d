#pragma once
// The magnetic design on the command line: the options (or a batch's columns)
// that ask for it, read into the design's inputs, and its figures as lines, CSV
// cells and a JSON object, in the texts calc/design writes for every front end.

#include <array>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "calc/design.hpp"
#include "cli/output.hpp"

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
    DesignOptionCount
};

struct DesignOptionName {
    std::string_view option;  // on the command line, followed by its value
    std::string_view column;  // a batch's column
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
}};

// The design option `arg` names ("--gap" or "--gap=0.2"), or -1.
int designOptionOf(std::string_view arg);

// One text per option as given; empty where not given.
using DesignTexts = std::array<std::string_view, DesignOptionCount>;

struct DesignRequest {
    bool asked = false;  // some option holds a text
    DesignInputs inputs;
    const Material* material = nullptr;
    std::string problem;  // why the texts cannot be used, naming the option or column; empty when they can
};

// Reads the texts. `columns` names a problem's option by its batch column
// ("gap") rather than its command-line option ("--gap").
DesignRequest readDesignRequest(const DesignTexts& texts, bool columns);

// A design made for one calculated core.
struct DesignOutcome {
    Design design;
    const Material* material = nullptr;
    DesignInputs inputs;
    std::string problem;  // the set or a figure could not be made, or no gap reaches the target AL
    bool made() const { return design.error == DesignError::None && problem.empty(); }
};

// The design for the core's field texts (which calculated).
DesignOutcome makeDesign(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                         const DesignRequest& request);

// "Amin 91.61 mm2", "AL 917.5 nH" … one line per figure the design holds.
void writeDesignLines(OutputBuffer& out, const DesignOutcome& outcome);

// A remark for the error stream when a flux density comes near Bsat; empty otherwise.
std::string saturationRemark(const DesignOutcome& outcome);

// The batch's design columns, each preceded by its comma; the cells are the
// values without their units (the units are fixed per column).
void writeDesignCsvHeader(OutputBuffer& out);
void writeDesignCsvCells(OutputBuffer& out, const DesignOutcome* outcome);

// ,"design":{…} (null without a design).
void writeDesignJson(OutputBuffer& out, const DesignOutcome* outcome);

// The materials table: name, maker, base, μi, Bsat at 25 and 100 °C, density.
void writeMaterialList(std::ostream& out);

}  // namespace ferricalc
