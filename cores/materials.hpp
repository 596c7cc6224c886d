#pragma once
// The ferrite materials a design can name: each as its manufacturer publishes
// it, with the figures the design needs. The table is compiled in
// (cores/materials_table.cpp, written by cores/materials_table.py from
// data/materials.json, which names the source of every figure, and
// data/loss-fits.json, our own loss fits); nothing is read at run time. A
// figure no source gave is absent, and what needs it is left out of the design.

#include <optional>
#include <span>
#include <string_view>

namespace ferricalc {

// One frequency range of a Steinmetz fit with a temperature polynomial:
//   Pv = k·f^α·B̂^β·(ct0 − ct1·T + ct2·T²)   W/m³, f in Hz, B̂ in T (peak, sine), T in °C
// Only the product of k and the polynomial means anything.
struct SteinmetzRange {
    double fMin;  // Hz, the range holds fMin ≤ f < fMax
    double fMax;  // Hz
    double k;
    double alpha;
    double beta;
    double ct0;
    double ct1;
    double ct2;
    double betaT = 0.0;  // β's growth per kelvin above 60 °C, about B̂ = 0.1 T (calc/losses.hpp)
};

// A small-signal loss factor tanδ/μi at one frequency.
struct LossFactorPoint {
    double frequency;  // Hz
    double value;      // tanδ/μi
};

struct Material {
    std::string_view name;          // as the maker writes it, e.g. "N87", "3C95", "77"
    std::string_view manufacturer;  // e.g. "TDK", "Ferroxcube", "Fair-Rite"
    std::string_view base;          // "MnZn" or "NiZn"
    double muI;                     // nominal initial permeability
    std::optional<double> bsat25;   // flux density near saturation at 25 °C, mT
    std::optional<double> bsat100;  // the same at 100 °C, mT
    std::optional<double> density;  // kg/m³
    std::optional<double> curie;    // Curie temperature, °C
    // What is doubtful about the figures, in a few words each, "; " between
    // them ("mu_i read off a curve; density a placeholder"); empty when nothing is.
    std::string_view doubts;
    // The loss fit, ranges in rising frequency, each starting where the one below
    // ends (published ones to within a hertz); empty when there is none.
    std::span<const SteinmetzRange> steinmetz;
    bool lossFitFitted = false;   // fitted by us to the makers' loss curves (else as published)
    bool lossFitDoubtful = false;  // known to stray from the data sheet's curves
    // The small-signal loss factor, where that is all there is for the losses.
    std::span<const LossFactorPoint> lossFactor;

    bool hasLossFit() const { return !steinmetz.empty(); }
};

// Every material, in the data file's order.
std::span<const Material> materials();

// The material of that name, ignoring letter case and blanks ("n 87" finds
// N87); "MAKER:NAME" names the maker as well ("ferroxcube:3c95", "Fair-Rite:77").
// Null when none has it, or when a bare name is the name of two makers' materials.
const Material* findMaterial(std::string_view name);

// The same in a table of one's own.
const Material* findMaterial(std::span<const Material> table, std::string_view name);

}  // namespace ferricalc
