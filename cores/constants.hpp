#pragma once
// The outcome of one core geometry: the core constants C1 = Σ l/A (mm⁻¹) and
// C2 = Σ l/A² (mm⁻³), or the arithmetic failure that stopped the calculation
// together with how far it got. A geometry publishes C1 at the moment its
// window writes C1 (some cores before any C2 term is formed, others only after
// every term is known), so a failure in a later term still leaves C1 shown.

#include <optional>
#include <span>

#include "cores/arithmetic.hpp"

namespace ferricalc {

struct CoreConstants {
    std::optional<double> c1;  // present once C1 is complete and shown
    std::optional<double> c2;  // present once C2 is complete and shown
    ArithmeticError failure = ArithmeticError::None;

    bool complete() const { return c1 && c2; }
};

// Runs a geometry body that stores C1 and then C2 into `shown` as it completes
// them; the first failed operation ends the body, keeping what was stored.
template <typename Body>
CoreConstants formConstants(Body&& body)
{
    CoreConstants shown;
    try {
        body(shown);
    } catch (const ArithmeticFailure& failure) {
        shown.failure = failure.error;
    }
    return shown;
}

// One part of the magnetic path with a single length and cross-section.
struct PathSegment {
    Real length;   // l, mm
    Real section;  // A, mm²
};

// A core geometry: the window's dimensions in the order of its fields, in mm
// (angles as the field gives them), to C1 and C2.
using CoreGeometry = CoreConstants (*)(std::span<const double> dimensions);

}  // namespace ferricalc
