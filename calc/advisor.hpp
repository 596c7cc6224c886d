#pragma once
// 选型: which standard core for an inductor. Every catalogue core of the chosen
// families is designed for the requirement with each chosen material, each
// design judged against the limits, and the feasible ones ranked. Pure: no
// Qt, no I/O; every figure comes from calc/design and calc/losses, so a row
// designed again as an ordinary design gives the same figures.
//
// The method, for one core and one material:
//   1. Turns: the fewest whole turns N that keep the highest flux density
//      B̂max = L·Î/(N·S) at or below the allowed share of Bsat at 100 °C, with S
//      the section the flux density peaks on (peakSection: the narrower of Ae
//      and Amin, a ring's inner radius).
//   2. The AL that gives L with N turns, AL = L/N², and the gap that gives it
//      (in the centre post, or the cut of a ring). When even the ungapped set's
//      AL is below it, more turns without a gap; when only a gap longer than the
//      core holds would reach it, the core is refused.
//   3. Wire: the largest standard bare diameter whose N turns (in the strands
//      asked for) fit the window at the allowed fill.
//   4. Losses: the core loss by the iGSE for the triangular flux of the ripple
//      at the frequency and duty, the copper loss from the RMS current, and the
//      temperature rise in still air; the design is feasible when ΔT and every
//      other limit hold.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design.hpp"
#include "calc/losses.hpp"
#include "cores/catalog.hpp"

namespace ferricalc {

// The limits a requirement sets, with the range a window's box and the command
// line hold each to and its start: the temperature rise (K), B̂max's share of
// Bsat (%), the window's fill (%).
enum AdviceLimit { MaxRiseLimit, MaxShareLimit, MaxFillLimit, AdviceLimitCount };
inline constexpr DesignInputLimits kAdviceLimits[AdviceLimitCount] = {
    {"max_dt", 1, 1000, 40, 0},
    {"max_b_share", 1, 100, 80, 0},
    {"fill", 1, 100, 50, 0},
};

struct Requirement {
    double inductance = 100.0;  // µH
    double peakCurrent = 1.0;   // Î, A (the DC current plus half the ripple)
    double ripple = 0.0;        // ΔI peak-to-peak, A
    double frequency = 100e3;   // Hz
    double duty = 0.5;
    double temperature = 100.0;  // the core's, °C
    double maxTemperatureRise = kAdviceLimits[MaxRiseLimit].start;  // K
    double maxFluxShare = kAdviceLimits[MaxShareLimit].start;       // % of Bsat at 100 °C
    double maxFill = kAdviceLimits[MaxFillLimit].start;             // % of the window, insulated wire
    int strands = 1;
};

enum class Ranking { Volume, Loss, Mass };

// Why a core does not meet the requirement.
enum class Verdict {
    Feasible,
    NoGap,            // only a gap longer than the core holds would give the AL
    WindowTooSmall,   // not even the finest wire fits the turns into the window
    TooHot,           // ΔT above the limit
    Saturates,        // B̂max above the allowed share of Bsat (the material gives no Bsat, or a rounding)
    NoLossData,       // the material gives no core loss
    NotDesigned,      // the core's dimensions do not design (a catalogue fault)
};

struct Advice {
    const CoreDescriptor* family = nullptr;
    const StandardCore* core = nullptr;
    const Material* material = nullptr;
    Verdict verdict = Verdict::NotDesigned;
    double gap = 0.0;     // mm
    double turns = 0.0;
    double wire = 0.0;    // bare diameter, mm
    Design design;        // the design with that gap and those turns
    LossDesign losses;    // its losses with that wire
    double totalLoss() const { return losses.coreLoss.value_or(0.0) + losses.copperLoss.value_or(0.0); }
};

// The design inputs and loss inputs of one row, as an ordinary design takes them.
DesignInputs adviceDesignInputs(const Advice& advice, const Requirement& requirement);
LossInputs adviceLossInputs(const Advice& advice, const Requirement& requirement);

// One core with one material.
Advice adviseCore(const CoreDescriptor& family, const StandardCore& core, const Material& material,
                  const Requirement& requirement);

// Every standard core of the families with every material, the feasible first
// in the order of the ranking, then the rest by how far they missed (ΔT).
std::vector<Advice> advise(std::span<const CoreDescriptor* const> families, std::span<const Material* const> materials,
                           const Requirement& requirement, Ranking ranking);

// The columns of a row, as every front end writes them: the command line's
// name, the window's caption, the decimals (-1 for a text) and the figure.
struct AdviceColumn {
    std::string_view name;     // "gap_mm"
    std::string_view caption;  // "气隙 mm"
    int decimals;
    std::optional<double> (*figure)(const Advice&);  // null for a text column
    bool commandLine;                                 // the command line writes it (not the mass)
};

// core, family, material, gap, N, wire, B̂max, its share of Bsat, the core and copper losses, ΔT, Ve, mass.
std::span<const AdviceColumn> adviceColumns();

// A row's cell as written: the name, or the figure at the column's decimals, "-" where there is none.
std::string adviceCell(const Advice& advice, const AdviceColumn& column);

// A verdict in a few words: "ΔT 52.1 K > 40 K", "窗口放不下", as a window (Chinese)
// or the command line (English) writes it.
std::string verdictText(const Advice& advice, const Requirement& requirement, Language language);

}  // namespace ferricalc
