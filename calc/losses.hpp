#pragma once
// Core loss, winding loss and temperature rise of a designed core set. Pure:
// no Qt, no I/O.
//
// How a front end gets the losses of a design:
//   1. Each loss input from its field: readLossInput(kind, text, separator)
//      refuses what is not a number or out of range with a LossError (a
//      frequency of 0, a duty of 1, a fraction of a strand ...); the frequency
//      also takes "100k" and "1.5M". lossErrorMessage() says why.
//   2. design(set, inputs) as before (calc/design.hpp), then
//      designLosses(set, material, design, peakCurrent, lossInputs): B̂ac, Pv,
//      the core loss, MLT, R_dc, the copper loss, the window fill, Rth and ΔT,
//      each absent where an input it needs is; `advice` says which figures are
//      computed but less sure (show them in the advisory colour), and
//      `coreLossUnavailable` why there is no core loss at all.
//   3. lossFormat()/lossText() write each figure with its unit at its fixed
//      number of decimals, lossAdviceText() the advice in a line.
//   For a material alone (no core, no turns) coreLossDensity() gives Pv at a
//   frequency, flux density and temperature, as a data sheet's curve does.
//
// Units: frequency Hz, flux density mT (peak, B̂), temperature °C, Pv kW/m³
// (= mW/cm³, as data sheets draw it), lengths mm, resistance mΩ, power W,
// thermal resistance K/W. Currents in A: the design's Î is the peak, the
// ripple ΔI peak-to-peak, so the DC current is Î − ΔI/2.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design.hpp"
#include "cores/materials.hpp"

namespace ferricalc {

enum class LossWaveform {
    Sine,      // sinusoidal flux: the Steinmetz equation as fitted
    Triangle,  // triangular flux of duty D (a buck or boost inductor): iGSE
};

// What makes a loss figure less sure; it is computed all the same.
struct LossAdvice {
    bool belowFitFrequency = false;  // below the lowest frequency of the fit's ranges
    bool aboveFitFrequency = false;  // above the highest
    bool belowTenMillitesla = false;  // B̂ below 10 mT, where no data sheet's curve goes
    bool aboveBsat = false;           // B̂ above Bsat at the core's temperature
    bool doubtfulFit = false;         // the fit is known to stray from the data sheet
    bool fillAboveWindow = false;     // the winding needs more than the window (fill above 100 %)
    bool copperLossLeftOut = false;   // ΔT counts the core loss only: no current for the copper loss
    bool coreLossLeftOut = false;     // ΔT counts the copper loss only: no core loss

    bool any() const
    {
        return belowFitFrequency || aboveFitFrequency || belowTenMillitesla || aboveBsat || doubtfulFit ||
               fillAboveWindow || copperLossLeftOut || coreLossLeftOut;
    }
};

// Why a material gives no core loss.
enum class LossUnavailable {
    None,
    NoMaterial,       // μi and Bsat typed in (自定义): no loss data
    LossFactorOnly,   // the maker gives a small-signal loss factor only
    NoLossData,       // no loss data at all
    AboveCurie,       // at or above the Curie temperature the core is no longer magnetic
    FitNotPositive,   // the fit's temperature polynomial gives no loss at this temperature
};

// ---- Core loss -------------------------------------------------------------

// The Steinmetz range that holds `frequency`: the lowest below the fit, the
// highest above it. The material must have a loss fit.
const SteinmetzRange& steinmetzRange(const Material& material, double frequency);

// The Steinmetz equation with its temperature polynomial,
//   Pv = k·f^α·B̂^β·(ct0 − ct1·T + ct2·T²)·(B̂ / 0.1 T)^(β_T·(T − 60 °C)),
// in W/m³ for f in Hz, B̂ in T, T in °C (0 or less where the polynomial is).
// The last factor is our own: a power ferrite's loss valley lies at a lower
// temperature the higher the flux density, which one polynomial for every B̂
// cannot follow, so β grows by β_T per kelvin (0 for published fits).
double steinmetzLoss(const SteinmetzRange& range, double frequency, double peakTesla, double temperature);

// The improved generalised Steinmetz equation (iGSE) of Venkatachalam,
// Sullivan, Abdallah and Tacca ("Accurate prediction of ferrite core loss with
// nonsinusoidal waveforms using only Steinmetz parameters", IEEE COMPEL 2002)
// for a triangular flux of peak-to-peak ΔB that rises for D·T and falls for
// (1 − D)·T: W/m³ for f in Hz, ΔB in T, T in °C.
double igseTriangleLoss(const SteinmetzRange& range, double frequency, double peakToPeakTesla, double duty,
                        double temperature);

struct CoreLossDensity {
    std::optional<double> pv;  // kW/m³
    LossAdvice advice;
    LossUnavailable unavailable = LossUnavailable::None;
};

// Pv of a material at a frequency, peak flux density B̂ (mT; a triangle's is
// half its ΔB) and temperature, with the advice on it.
CoreLossDensity coreLossDensity(const Material& material, double frequency, double peakFlux, LossWaveform waveform,
                                double duty, double temperature);

// Bsat at a temperature: straight between the data sheet's 25 °C and 100 °C
// figures, held at the nearer one outside them.
std::optional<double> saturationAt(const Material& material, double temperature);

// ---- Winding ---------------------------------------------------------------

// Copper's resistivity, Ω·mm²/m: 1/58 at 20 °C (IEC 60028, annealed copper),
// rising 0.393 %/K (the same standard's temperature coefficient).
double copperResistivity(double temperature);

// The DC resistance of `turns` turns of MLT `meanTurnLength` (mm) in `strands`
// parallel strands of bare diameter `bareDiameter` (mm) at `temperature`, mΩ.
double windingResistance(double turns, double meanTurnLength, double bareDiameter, int strands, double temperature);

// The RMS current's square of a DC current with a ripple ΔI peak-to-peak on
// it: I_dc² + ΔI²/12 for a triangle, I_dc² + ΔI²/8 for a sine.
double rmsCurrentSquared(double dcCurrent, double ripple, LossWaveform waveform);

// The overall diameter of an enamelled round copper wire of that bare
// diameter, mm: the grade-1 maximum of IEC 60317-0-1 for a standard diameter
// (0.050 to 5.000 mm); between standard diameters the enamel of the two beside
// it, in proportion; outside the table the enamel of its end.
double insulatedDiameter(double bareDiameter);

// The standard bare diameters of enamelled round copper wire (IEC 60317-0-1,
// R 20 series), mm, ascending.
std::vector<double> standardWireDiameters();

// The share of the window the winding takes, %: turns × strands squares of the
// insulated diameter (round wire as it packs in layers) over the window's area.
double windowFill(double turns, int strands, double insulatedDiameter, double windowArea);

// ---- Temperature -----------------------------------------------------------

// The thermal resistance of a ferrite set in still air from its effective
// volume (mm³), K/W: Rth = 53·Ve^−0.54 with Ve in cm³, the empirical rule of
// Maniktala ("Switching Power Supplies A–Z", 2nd ed., Newnes 2012, p. 155),
// for a set standing free in still air, cooled by natural convection and
// radiation. It reads low for large E cores (see the README).
double stillAirThermalResistance(double effectiveVolume);

// ---- A design's losses -----------------------------------------------------

struct LossInputs {
    std::optional<double> frequency;  // Hz
    LossWaveform waveform = LossWaveform::Sine;
    double duty = 0.5;                 // the rising share of a triangle's period, 0 < D < 1
    std::optional<double> ripple;      // ΔI peak-to-peak, A
    std::optional<double> acFlux;      // B̂ac, mT, instead of the ripple
    double temperature = 100.0;        // the core's (and the winding's), °C
    std::optional<double> wireDiameter;  // bare copper, mm
    int strands = 1;
};

enum class LossError {
    None,
    NotANumber,
    FrequencyNotPositive,   // a frequency of 0 or less (or beyond 10 GHz)
    DutyOutOfRange,         // a duty of 0 or 1 or outside
    NegativeRipple,         // a ripple below 0 (or beyond 10 kA)
    RippleAboveTwicePeak,   // a ripple whose half exceeds the peak current: the DC current would be negative
    FluxNotPositive,        // B̂ac of 0 or less (or beyond 10 T)
    TemperatureOutOfRange,  // outside −55 … 250 °C
    WireNotPositive,        // a wire diameter of 0 or less (or beyond 100 mm)
    StrandsNotWhole,        // fewer than 1 strand, or a fraction of one
    Overflow,               // a figure beyond what a double holds
};

std::string lossErrorMessage(LossError error, Language language);

// The inputs refused, in the order of LossInputs; None when all are sound.
LossError checkLossInputs(const LossInputs& inputs, std::optional<double> peakCurrent);

struct LossDesign {
    std::optional<double> acFlux;          // B̂ac, mT
    std::optional<double> lossDensity;     // Pv, kW/m³
    std::optional<double> coreLoss;        // W
    double meanTurnLength = 0.0;           // MLT, mm
    std::optional<double> resistance;      // R_dc at the core's temperature, mΩ
    std::optional<double> copperLoss;      // W
    std::optional<double> fill;            // %
    double thermalResistance = 0.0;        // Rth, K/W
    std::optional<double> temperatureRise;  // ΔT, K
    LossAdvice advice;
    LossUnavailable coreLossUnavailable = LossUnavailable::None;
    LossError error = LossError::None;  // an input refused: every figure is then absent
};

// The losses of a designed set. `material` is null for 自定义; `peakCurrent` is
// the design's Î. B̂ac comes from the ripple (L·ΔI/(2·N·Ae)) or is given, and
// then gives the ripple back for the copper loss; the core loss needs a
// frequency, B̂ac and a material's loss fit; the copper loss the turns, a wire
// and Î; ΔT = Rth·(P_core + P_cu) what of them is known.
LossDesign designLosses(const CoreSet& set, const Material* material, const Design& design,
                        std::optional<double> peakCurrent, const LossInputs& inputs);

// ---- Texts -----------------------------------------------------------------

enum class LossQuantity { AcFlux, LossDensity, CoreLoss, MeanTurnLength, Resistance, CopperLoss, Fill,
                          ThermalResistance, TemperatureRise, Count };

// The command line's name ("Pv"), decimals and ASCII unit ("kW/m3"), and the unit a window shows ("kW/m³").
const DesignFormat& lossFormat(LossQuantity quantity);

// "123.4 kW/m3" (ASCII unit) or, with `display`, as a window shows it.
std::string lossText(LossQuantity quantity, double value, std::string_view decimalSeparator, bool display = false);

// The advice in a line, "; " between its parts; empty when there is none.
std::string lossAdviceText(const LossAdvice& advice, Language language);

// Why there is no core loss; empty when there is.
std::string lossUnavailableText(LossUnavailable why, Language language);

// The kinds of loss input a field holds, each with its own range.
enum class LossInput { Frequency, Duty, Ripple, AcFlux, Temperature, WireDiameter, Strands };

// The range every front end holds a loss input to, and what a window starts
// with: one line per LossInput, named by its batch column. A bound marked open
// is itself refused (a frequency of 0, a duty of 1).
struct LossInputLimits {
    std::string_view column;  // the command line's option without its dashes, a batch's column, a script's key
    double minimum;
    double maximum;
    bool minimumOpen;
    bool maximumOpen;
    double start;
    int decimals;  // as its box shows it
};

const LossInputLimits& lossInputLimits(LossInput kind);

inline constexpr int kLossInputCount = 7;

struct LossInputReading {
    std::optional<double> value;
    LossError error = LossError::None;
};

// Reads one loss input; blanks around the number are allowed, an empty field
// gives nothing. A frequency may end in k or M ("100k", "1.5M").
LossInputReading readLossInput(LossInput kind, std::string_view text, std::string_view decimalSeparator);

}  // namespace ferricalc
