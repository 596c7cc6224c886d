#pragma once
// Magnetic design from a core set's constants: the inductance factor AL with
// and without an air gap, the effective permeability, turns and inductance,
// peak flux density against saturation, the gap for a wanted AL, the winding
// window's area product and the core's mass. Pure: no Qt, no I/O.
//
// How a front end gets from a core to every figure and its text:
//   1. coreSet(core, fieldTexts, separator) reads the window's fields, as
//      Calculate does, and gives the set's unrounded C1 and C2, the Le, Ae and
//      Ve they give, and the family's MagneticShape (Amin, the winding window,
//      the gap's faces); or why it cannot (designErrorMessage).
//   2. The design's inputs, each from its field: readDesignInput(kind, text,
//      separator) refuses what is not a number or out of range with a
//      DesignError (a negative gap, zero or fractional turns, μi below 1 ...);
//      a material comes from findMaterial()/materials() (cores/materials.hpp)
//      and gives μi, Bsat at 100 °C and the density through materialInputs(),
//      or the user types μi and Bsat for 自定义.
//   3. design(set, inputs) gives every figure as a number: those that need an
//      input not given are absent.
//   4. designText(quantity, value, separator) writes each figure with its unit
//      at its quantity's fixed number of decimals (designFormat), exactly as the
//      command line and the web page write it; saturationLevel() says how close
//      a flux density comes to Bsat.
//
// Which constants: the design works from the unrounded C1 and C2, and from Le,
// Ae and Ve derived from them. The window shows C1 and C2 rounded to a fixed
// number of decimals, which on a large core keeps one or two significant digits
// of C2 and moves the Ae and Ve derived from it by percents; an AL or a flux
// density should not inherit that display rounding.
//
// Units: lengths mm, areas mm², volumes mm³, AL nH, inductance µH, current A
// (peak), flux density mT, density kg/m³, mass g.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/calculation.hpp"
#include "cores/magnetics.hpp"
#include "cores/materials.hpp"

namespace ferricalc {

// μ0 in nH/mm (4π·10⁻⁷ H/m, CODATA 2018: 1.25663706212·10⁻⁶ H/m).
inline constexpr double kMu0NanohenryPerMm = 1.25663706212;

// The residual gap of a set's mating faces, mm: the two halves of a set never
// meet over the whole of their ground faces, so every face a set is put together
// at carries a thin air gap in series with the iron, and a ground centre gap is
// that much longer. Its size is read off the makers' own figures: their
// ungapped AL lies well below μ0·μi/C1, and read back through this model the 21
// ungapped sets of data/al-published.csv (TDK ETD 34/17/11, EPCOS P 18/11,
// Ferroxcube RM 8/I, μi 1400 to 10 000) imply 1 to 6 µm, the flatness of a lapped
// face; 4 µm, within that range, puts 19 of the 21 inside their published
// tolerance. It dominates an ungapped set of high μi and a gap of a few
// hundredths of a millimetre, and vanishes against a gap of tenths.
inline constexpr double kResidualGap = 0.004;

// The core set as the design sees it.
struct CoreSet {
    double c1 = 0.0;  // mm⁻¹, unrounded, the calculator window's
    double c2 = 0.0;  // mm⁻³, unrounded
    double le = 0.0;  // C1²/C2, mm
    double ae = 0.0;  // C1/C2, mm²
    double ve = 0.0;  // C1³/C2², mm³
    // The path the design's figures rest on (AL, μe, B̂, Ap, the mass): a
    // family's closer model where it has one (RM: its back plate's radial flux
    // across the width H), else the window's, equal to c1 … ve.
    double pathC1 = 0.0;
    double pathC2 = 0.0;
    double pathLe = 0.0;
    double pathAe = 0.0;
    double pathVe = 0.0;
    bool closerPath = false;  // the path differs from the window's
    MagneticShape shape;

    // The design's C1, Le, Ae, Ve: the closer path's where there is one.
    double designC1() const { return closerPath ? pathC1 : c1; }
    double designLe() const { return closerPath ? pathLe : le; }
    double designAe() const { return closerPath ? pathAe : ae; }
    double designVe() const { return closerPath ? pathVe : ve; }
};

enum class DesignError {
    None,
    NotANumber,       // a field's text is not a number
    NegativeGap,      // a gap below 0
    TurnsBelowOne,    // no turns, or fewer than one
    TurnsNotWhole,    // a fraction of a turn
    MuBelowOne,       // μi below 1
    NotPositive,      // an inductance, target AL or Bsat of 0 or less
    NegativeCurrent,  // a peak current below 0
    UnknownMaterial,  // no material of that name
    CoreNotCalculated,  // the core's dimensions do not calculate (see the Calculate message)
    NoWindow,           // the dimensions leave no section, window or gap face
    Overflow,           // a figure beyond what a double holds
    AboveLimit,         // beyond the input's upper limit (designInputLimits)
    BelowLimit,         // below the input's lower limit
    GapBeyondCore,      // a gap longer than the leg it is cut in (longestGap)
};

// What went wrong, in a few words: Chinese for the windows, English for the
// command line ("the gap must not be negative").
std::string designErrorMessage(DesignError error, Language language);

struct CoreSetResult {
    CoreSet set;
    DesignError error = DesignError::None;  // CoreNotCalculated or NoWindow
    CalculationFailure failure;             // why the core did not calculate, for CoreNotCalculated

    bool formed() const { return error == DesignError::None; }
};

// The set from the window's field texts (one per field, in the descriptor's order).
CoreSetResult coreSet(const CoreDescriptor& core, std::span<const std::string_view> fieldTexts,
                      std::string_view decimalSeparator);

// Why the set cannot be designed, with the Calculate message where the core
// did not calculate ("磁芯尺寸无法计算：B 为空"); empty when it can.
std::string coreSetMessage(const CoreDescriptor& core, const CoreSetResult& set, Language language);

// The set from the dimensions in the descriptor's field order.
CoreSetResult coreSet(const CoreDescriptor& core, std::span<const double> dimensions);

// Where the air gap is: ground into the centre post (or the wound limb) only,
// or a spacer that gaps every leg by the same length.
enum class GapPlace { CentrePost, AllLegs };

struct DesignInputs {
    double muI = 1.0;                    // initial permeability, ≥ 1
    std::optional<double> bsat100;       // saturation flux density at 100 °C, mT, for the check
    std::optional<double> density;       // kg/m³, for the mass
    double gap = 0.0;                    // mm, the gap across the post (and each leg for AllLegs)
    GapPlace gapPlace = GapPlace::CentrePost;
    std::optional<double> turns;         // whole turns ≥ 1
    std::optional<double> inductance;    // µH wanted: the turns are found for it when not given
    std::optional<double> current;       // peak A
    std::optional<double> targetAl;      // nH wanted: the gap is found for it
    double residualGap = kResidualGap;   // mm at every mating face; 0 for ideal faces
};

// μi, Bsat at 100 °C and the density of a table material.
DesignInputs materialInputs(const Material& material);

// A flux density against the material's Bsat at 100 °C.
enum class SaturationLevel {
    Unknown,   // no Bsat to compare with
    Clear,     // below 80 %
    Advisory,  // 80 % or more
    Warning,   // 100 % or more: saturated
};

SaturationLevel saturationLevel(double fluxDensity, std::optional<double> bsat100);

// The gap that gives a wanted AL.
struct GapForAl {
    enum class Outcome {
        Found,           // `gap` gives the wanted AL, with fringing
        AboveUngapped,   // the wanted AL is above the ungapped set's: no gap reaches it
        BeyondLongestGap,  // only a gap longer than the core allows would reach it
    };
    Outcome outcome = Outcome::Found;
    double gap = 0.0;  // for BeyondLongestGap the longest gap the core holds
    double al = 0.0;   // for BeyondLongestGap the AL that gap gives, nH
};

struct Design {
    double le = 0.0;  // the design's path (CoreSet::pathLe …)
    double ae = 0.0;
    double ve = 0.0;
    // The calculator window's Le, Ae and Ve where the design's path is a closer
    // model than the window's (RM); absent where they are the same.
    std::optional<double> calculatorLe;
    std::optional<double> calculatorAe;
    std::optional<double> calculatorVe;
    double amin = 0.0;
    double windowArea = 0.0;   // Aw
    double areaProduct = 0.0;  // Ap = Ae·Aw, mm⁴
    std::optional<double> mass;  // Ve·density, g

    double alIdeal = 0.0;       // μ0·μi/C1: perfectly mating faces, no gap
    double residualGap = 0.0;   // mm, the residual gap at the mating faces (0 for a whole ring)
    double alUngapped = 0.0;    // no gap but the residual one
    double alNoFringing = 0.0;  // the gap's section taken as the face's
    double alFringing = 0.0;    // the gap's fringe field counted: the figure shown first
    double muENoFringing = 0.0;
    double muEFringing = 0.0;  // AL·C1/μ0

    std::optional<double> turns;       // given, or the fewest whole turns reaching the inductance
    std::optional<double> inductance;  // AL·N², µH, with the fringing AL
    std::optional<double> peakFlux;      // L·Î/(N·Ae), mT
    std::optional<double> peakFluxAmin;  // the same on Amin, mT
    SaturationLevel saturation = SaturationLevel::Unknown;      // of peakFlux
    SaturationLevel saturationAmin = SaturationLevel::Unknown;  // of peakFluxAmin
    std::optional<double> bsatShareAmin;  // peakFluxAmin in percent of Bsat at 100 °C
    // The highest flux density anywhere in the path, which decides saturation:
    // the larger of the figures on Ae and Amin, or a ring's at its inner radius.
    std::optional<double> peakFluxMax;   // mT
    std::optional<double> bsatShareMax;  // peakFluxMax in percent of Bsat at 100 °C
    SaturationLevel saturationMax = SaturationLevel::Unknown;
    std::optional<double> saturationCurrent;  // the peak current at which peakFluxMax reaches Bsat, A
    std::optional<double> energy;             // ½·L·Î², µJ
    // The wanted inductance lies far below what a single turn gives (the one
    // turn found overshoots it by more than a tenth).
    bool inductanceBelowOneTurn = false;
    std::optional<GapForAl> gapForTarget;

    DesignError error = DesignError::None;  // Overflow: a figure beyond range (the figures are then absent)
};

Design design(const CoreSet& set, const DesignInputs& inputs);

// The longest gap the core can hold: the height of the window beside the post
// it is ground into (a spacer under every leg is held to the same), or for a
// ring, cut once, its inner circumference. mm.
double longestGap(const MagneticShape& shape);

// The section Φ/B̂max on which the flux density of the set peaks, mm²: the
// smaller of Ae and Amin, or for a ring the section as its radial profile of
// flux density sees it at the inner radius (see design.cpp).
double peakSection(const CoreSet& set, double muI, double gap);

// The gaps' reluctance times μ0 (mm⁻¹) for a gap `gap` across the set's post
// (and outer legs for AllLegs), with or without the fringe field, each face's
// residual gap in series: the post's gap is gap + residualGap, every other
// mating face's residualGap (gap + residualGap for AllLegs). A ring has no
// mating faces until it is cut: zero for an uncut ring.
double gapReluctance(const MagneticShape& shape, double gap, GapPlace place, bool fringing,
                     double residualGap = kResidualGap);

// AL in nH of the set with μi and that gap, on the design's path (CoreSet::pathC1).
double inductanceFactor(const CoreSet& set, double muI, double gap, GapPlace place, bool fringing,
                        double residualGap = kResidualGap);

// The gap (mm) that gives `targetAl` with fringing: the inverse of
// inductanceFactor with the same residual gap.
GapForAl gapForInductanceFactor(const CoreSet& set, double muI, GapPlace place, double targetAl,
                                double residualGap = kResidualGap);

// The fewest whole turns whose inductance reaches `inductance` (µH) with `al` (nH).
double turnsFor(double inductance, double al);

// ---- Texts -----------------------------------------------------------------

enum class DesignQuantity {
    Le, Ae, Ve, Amin, WindowArea, AreaProduct, Mass,
    MuI, Bsat, MuE, MuENoFringing, AlUngapped, Al, AlNoFringing,
    Gap, Turns, Inductance, Current, PeakFlux, PeakFluxAmin, FluxShare, TargetAl,
    PeakFluxMax, FluxShareMax, SaturationCurrent, Energy, Density,
    AlIdeal, ResidualGap,
    Count
};

struct DesignFormat {
    std::string_view name;         // the command line's name, e.g. "AL_nofringing"
    int decimals;                  // fixed, whatever the value
    std::string_view unit;         // ASCII, as the command line writes it: "mm2", "uH"; empty for none
    std::string_view displayUnit;  // as a window shows it: "mm²", "µH"
};

const DesignFormat& designFormat(DesignQuantity quantity);

// The value alone at the quantity's decimals: "1234.5" (with the separator given).
std::string designValueText(DesignQuantity quantity, double value, std::string_view decimalSeparator);

// The value and its ASCII unit: "1234.5 nH", "25" for turns.
std::string designText(DesignQuantity quantity, double value, std::string_view decimalSeparator);

// The value and its unit as a window shows it: "1234.5 nH", "109.405 µH".
std::string designDisplayText(DesignQuantity quantity, double value, std::string_view decimalSeparator);

// ---- The windows' and the web page's lines, in Chinese unless told ----------

// B̂ on Amin with its share of Bsat: "119.4 mT（Bsat 的 30.6 %）"; empty without a flux density.
std::string peakFluxAminText(const Design& design, std::string_view decimalSeparator,
                             Language language = Language::Chinese);

// What the flux densities mean for the core ("已饱和：…", "接近饱和：…"), or that
// Bsat is unknown when a flux density stands without it; empty when all is clear.
std::string saturationNote(const Design& design, bool bsatKnown, Language language = Language::Chinese);

// The gap for the wanted AL ("0.512 mm"), or that none reaches it with the
// ungapped set's AL; empty when no AL is wanted.
std::string targetGapText(const Design& design, std::string_view decimalSeparator,
                          Language language = Language::Chinese);

// B̂max with its share of Bsat, as peakFluxAminText writes B̂ on Amin.
std::string peakFluxMaxText(const Design& design, std::string_view decimalSeparator,
                            Language language = Language::Chinese);

// What the winding means beyond its figures: that one turn already gives far
// more than the wanted inductance; empty otherwise.
std::string windingNote(const Design& design, std::string_view decimalSeparator, Language language);

// The kinds of input a field holds, each with its own range.
enum class DesignInput { MuI, Bsat, Gap, Turns, Inductance, Current, TargetAl, Density, Count };

// The range every front end holds an input to, and what a window starts with.
// Bsat and the density take 0 for "unknown" in a window's box; the gap's upper
// limit is the core's own (longestGap) where a core is known, this one where not.
struct DesignInputLimits {
    std::string_view column;  // the command line's and the page's name, as a batch column
    double minimum;
    double maximum;
    double start;
    int decimals;  // as its box shows it
};

const DesignInputLimits& designInputLimits(DesignInput kind);

struct InputReading {
    std::optional<double> value;
    DesignError error = DesignError::None;
    double limit = 0.0;  // the limit passed, for AboveLimit, BelowLimit and GapBeyondCore
};

// Reads one input field; blanks around the number are allowed. `gapLimit`,
// when given, is the core's longest gap (longestGap), which a gap must not pass.
InputReading readDesignInput(DesignInput kind, std::string_view text, std::string_view decimalSeparator,
                             std::optional<double> gapLimit = std::nullopt);

// Why a reading is refused, with the limit it passed where it passed one
// ("不能超过 100000", "不能超过窗口高度 30.40 mm"); a ring's gap names its inner
// circumference instead of a window.
std::string readingMessage(const InputReading& reading, DesignInput kind, bool ring, Language language,
                           std::string_view decimalSeparator);

// A density typed below 100 kg/m³ looks like g/cm³: the question to ask about
// it; empty for a plausible density.
std::string densityQuestion(double density, Language language);

}  // namespace ferricalc
